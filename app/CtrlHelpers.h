// How pages reach the controls of a loaded layout: by window id below a
// window, tolerating a control that the layout lacks.
#pragma once

#include <wx/string.h>
#include <wx/bitmap.h>
#include <wx/window.h>
#include <wx/xrc/xmlres.h>

class wxAnyButton;

// Marks every page (CPanel) that holds win as changed, so that each lays
// itself out again at its next LayoutIfChanged, and makes the windows above
// win measure themselves afresh. Every text that changes and every control
// shown or hidden goes through here: the mark is the program's own, which no
// measure by the toolkit can take away before the page looks at it.
void MarkLayoutChanged(wxWindow* win);

// Shows or hides win; a change marks the pages that hold it. Returns
// whether it changed.
bool ShowWindow(wxWindow* win, bool show);

// Whether the layout keeps win's room while win is hidden, so that nothing
// beside it moves when it hides or shows.
void KeepRoomWhileHidden(wxWindow* win, bool keep);

// Gives a picture button its picture, and the same picture in a frame of
// the selection colour for while it has the focus: the toolkit's own mark
// on a picture is a faint dotted line that a user hardly finds.
void SetButtonPicture(wxAnyButton* button, const wxBitmap& picture);

// Shows or hides the window with id below win (win included), as
// ShowWindow.
void ShowCtrl(wxWindow* win, int id, bool show);

// A text control gets text as its value, without a text event; any other
// control gets it as its label, set only when it differs, and the pages that
// hold it are marked as changed.
void SetCtrlText(wxWindow* win, int id, const wxString& text);

// The value of a text control, else the control's label; out keeps what it
// held when there is no such control.
void GetCtrlText(wxWindow* win, int id, wxString& out);

// The width that text takes in win's font with any digits in the places of
// its digits: for a field that shows numbers of that form.
int TextWidthForAnyDigits(wxWindow* win, const wxString& text);

// Makes win at least width wide wherever a layout places it; a change marks
// the pages that hold it.
void SetMinWidth(wxWindow* win, int width);

// Puts control in the place that the layout keeps for it, the window named
// name + "_container" below parent (the control's parent when null). The
// control takes the place's size as its smallest size, fills it, and is
// renamed to name with the XRC id of name. An uncreated control is created
// as a plain child window first. Without such a place it returns false and
// leaves the control alone.
bool AttachControl(const wxString& name, wxWindow* control, wxWindow* parent = nullptr);

// The control with that id, or that name in the layout, below win, as a
// Control; null where the layout lacks it or holds another kind there
// (XRCCTRL asserts on a missing control).
template <class Control>
Control* FindCtrl(const wxWindow* win, int id)
{
    return win ? wxDynamicCast(win->FindWindow(id), Control) : nullptr;
}

template <class Control>
Control* FindCtrl(const wxWindow* win, const wxString& name)
{
    return FindCtrl<Control>(win, XRCID(name));
}

// Forgets the best sizes kept for root and every window below it, so that
// the next measure sees what they show now (a shown or hidden child does not
// reset its parent's). Static boxes are measured by their labels
// (MeasureBoxesByLabel).
void InvalidateBestSizes(wxWindow* root);

// Every static box below root keeps the size its label needs as its best
// size. This toolkit measures a box by its children as they are laid out
// now, so a box that fills its place would ask for a little more each time
// it is measured.
void MeasureBoxesByLabel(wxWindow* root);
