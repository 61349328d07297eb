// What the user does to a control of a page, as the toolkit reports it: the
// control's state changes first, then its event goes to the control and on
// to the page. Controls are named as in the resource file.
#pragma once

#include <wx/combobox.h>
#include <wx/event.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/window.h>
#include <wx/xrc/xmlres.h>

namespace guitest {

template <class Control>
Control* Find(wxWindow* page, const wxString& name)
{
    return wxDynamicCast(page->FindWindow(XRCID(name)), Control);
}

inline void Raise(wxWindow* control, wxEvent& event)
{
    event.SetEventObject(control);
    control->HandleWindowEvent(event);
}

inline void SelectRadio(wxWindow* page, const wxString& name)
{
    wxRadioButton* radio = Find<wxRadioButton>(page, name);
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
    event.SetInt(1);
    Raise(radio, event);
}

inline void ClickButton(wxWindow* page, const wxString& name)
{
    wxWindow* button = page->FindWindow(XRCID(name));
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    Raise(button, event);
}

inline void ChooseEntry(wxWindow* page, const wxString& name, int index)
{
    wxComboBox* box = Find<wxComboBox>(page, name);
    box->SetSelection(index);
    wxCommandEvent event(wxEVT_COMBOBOX, box->GetId());
    event.SetInt(index);
    event.SetString(box->GetString(index));
    Raise(box, event);
}

// Replaces the field's text as typing does, with its text events.
inline void Type(wxWindow* page, const wxString& name, const wxString& text)
{
    Find<wxTextCtrl>(page, name)->SetValue(text);
}

inline void PressEnter(wxWindow* page, const wxString& name)
{
    wxTextCtrl* field = Find<wxTextCtrl>(page, name);
    wxCommandEvent event(wxEVT_TEXT_ENTER, field->GetId());
    event.SetString(field->GetValue());
    Raise(field, event);
}

// The focus leaves the field: the event starts at the field's own handlers,
// the pushed ones first.
inline void LeaveField(wxWindow* page, const wxString& name)
{
    wxWindow* field = page->FindWindow(XRCID(name));
    wxFocusEvent event(wxEVT_KILL_FOCUS, field->GetId());
    Raise(field, event);
}

inline wxString TextOf(wxWindow* page, const wxString& name)
{
    wxWindow* control = page->FindWindow(XRCID(name));
    if (auto* entry = dynamic_cast<wxTextEntry*>(control))
        return entry->GetValue();
    return control ? control->GetLabel() : wxString("<missing>");
}

inline bool IsShown(wxWindow* page, const wxString& name)
{
    wxWindow* control = page->FindWindow(XRCID(name));
    return control && control->IsShown();
}

}  // namespace guitest
