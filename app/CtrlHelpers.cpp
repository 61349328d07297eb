#include "app/CtrlHelpers.h"

#include <wx/textctrl.h>
#include <wx/window.h>
#include <wx/xrc/xmlres.h>

namespace {

wxWindow* Below(wxWindow* win, int id)
{
    return win ? win->FindWindow(id) : nullptr;
}

}  // namespace

void ShowCtrl(wxWindow* win, int id, bool show)
{
    if (wxWindow* ctrl = Below(win, id))
        ctrl->Show(show);
}

void SetCtrlText(wxWindow* win, int id, const wxString& text)
{
    wxWindow* ctrl = Below(win, id);
    if (!ctrl)
        return;
    // A change made by the program must not look like the user's edit.
    if (wxTextCtrl* textCtrl = wxDynamicCast(ctrl, wxTextCtrl))
        textCtrl->ChangeValue(text);
    else if (ctrl->GetLabel() != text)
        ctrl->SetLabel(text);
}

void GetCtrlText(wxWindow* win, int id, wxString& out)
{
    wxWindow* ctrl = Below(win, id);
    if (!ctrl)
        return;
    if (wxTextCtrl* textCtrl = wxDynamicCast(ctrl, wxTextCtrl))
        out = textCtrl->GetValue();
    else
        out = ctrl->GetLabel();
}

bool AttachControl(const wxString& name, wxWindow* control, wxWindow* parent)
{
    if (!control)
        return false;
    if (!parent)
        parent = control->GetParent();
    wxWindow* container = parent ? parent->FindWindow(name + "_container") : nullptr;
    if (!container)
        return false;

    const wxSize size = container->GetSize();
    if (!control->GetHandle())
        control->Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "panel");
    control->SetSize(0, 0, size.x, size.y, wxSIZE_AUTO);
    control->SetSizeHints(size.x, size.y);
    return wxXmlResource::Get()->AttachUnknownControl(name, control, parent);
}
