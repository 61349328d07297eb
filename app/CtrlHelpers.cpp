#include "app/CtrlHelpers.h"

#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/window.h>
#include <wx/xrc/xmlres.h>

namespace {

wxWindow* FindCtrl(wxWindow* win, int id)
{
    return win ? win->FindWindow(id) : nullptr;
}

}  // namespace

void ShowCtrl(wxWindow* win, int id, bool show)
{
    if (wxWindow* ctrl = FindCtrl(win, id))
        ctrl->Show(show);
}

void SetCtrlText(wxWindow* win, int id, const wxString& text)
{
    wxWindow* ctrl = FindCtrl(win, id);
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
    wxWindow* ctrl = FindCtrl(win, id);
    if (!ctrl)
        return;
    if (wxTextCtrl* textCtrl = wxDynamicCast(ctrl, wxTextCtrl))
        out = textCtrl->GetValue();
    else
        out = ctrl->GetLabel();
}

namespace {

void ForgetBestSizes(wxWindow* root)
{
    root->InvalidateBestSize();
    for (wxWindow* child : root->GetChildren()) {
        if (!child->IsTopLevel())
            ForgetBestSizes(child);
    }
}

}  // namespace

void InvalidateBestSizes(wxWindow* root)
{
    if (!root)
        return;
    ForgetBestSizes(root);
    MeasureBoxesByLabel(root);
}

void MeasureBoxesByLabel(wxWindow* root)
{
    if (!root)
        return;
    if (auto* box = wxDynamicCast(root, wxStaticBox)) {
        // The label with the frame's corners beside it.
        const wxSize label = box->GetTextExtent(wxStaticBox::GetLabelText(box->GetLabel()));
        box->CacheBestSize(wxSize(label.x + 2 * box->GetCharWidth(), label.y));
    }
    for (wxWindow* child : root->GetChildren()) {
        if (!child->IsTopLevel())
            MeasureBoxesByLabel(child);
    }
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
