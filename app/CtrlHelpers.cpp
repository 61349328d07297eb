#include "app/CtrlHelpers.h"

#include <algorithm>

#include <wx/anybutton.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/window.h>
#include <wx/xrc/xmlres.h>

#include "app/Panel.h"

namespace {

wxWindow* Below(wxWindow* win, int id)
{
    return win ? win->FindWindow(id) : nullptr;
}

// A check or radio button keeps the width its layout gave it for the label
// it had; GTK refuses to fit a longer label of another language into less
// than that label needs. The button grows in its place; the next layout of
// its page places it anew.
void WidenToLabel(wxWindow* ctrl)
{
    if (!wxDynamicCast(ctrl, wxCheckBox) && !wxDynamicCast(ctrl, wxRadioButton))
        return;
    const wxSize size = ctrl->GetSize();
    const wxSize best = ctrl->GetBestSize();
    if (size.x < best.x || size.y < best.y)
        ctrl->SetSize(wxSize(std::max(size.x, best.x), std::max(size.y, best.y)));
}

}  // namespace

void MarkLayoutChanged(wxWindow* win)
{
    if (!win)
        return;
    win->InvalidateBestSize();
    for (wxWindow* w = win; w && !w->IsTopLevel(); w = w->GetParent()) {
        if (auto* page = wxDynamicCast(w, CPanel))
            page->MarkChanged();
    }
}

bool ShowWindow(wxWindow* win, bool show)
{
    if (!win || !win->Show(show))
        return false;
    MarkLayoutChanged(win);
    return true;
}

void KeepRoomWhileHidden(wxWindow* win, bool keep)
{
    wxSizer* sizer = win ? win->GetContainingSizer() : nullptr;
    wxSizerItem* item = sizer ? sizer->GetItem(win) : nullptr;
    if (!item)
        return;
    const int flag = item->GetFlag();
    item->SetFlag(keep ? flag | wxRESERVE_SPACE_EVEN_IF_HIDDEN : flag & ~wxRESERVE_SPACE_EVEN_IF_HIDDEN);
    MarkLayoutChanged(win);
}

void ShowCtrl(wxWindow* win, int id, bool show)
{
    ShowWindow(Below(win, id), show);
}

void SetCtrlText(wxWindow* win, int id, const wxString& text)
{
    wxWindow* ctrl = Below(win, id);
    if (!ctrl)
        return;
    // A change made by the program must not look like the user's edit.
    if (wxTextCtrl* textCtrl = wxDynamicCast(ctrl, wxTextCtrl))
        textCtrl->ChangeValue(text);
    else if (ctrl->GetLabel() != text) {
        ctrl->SetLabel(text);
        WidenToLabel(ctrl);
        MarkLayoutChanged(ctrl);
    }
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

int TextWidthForAnyDigits(wxWindow* win, const wxString& text)
{
    wxChar widest = '0';
    for (wxChar digit = '1'; digit <= '9'; ++digit) {
        if (win->GetTextExtent(wxString(digit)).x > win->GetTextExtent(wxString(widest)).x)
            widest = digit;
    }
    wxString sample = text;
    for (auto it = sample.begin(); it != sample.end(); ++it) {
        if (wxIsdigit(*it))
            *it = widest;
    }
    return win->GetTextExtent(sample).x;
}

void SetButtonPicture(wxAnyButton* button, const wxBitmap& picture)
{
    if (!button || !picture.IsOk())
        return;
    // Drawn over the picture's edge, so that the button keeps its size.
    const int frame = 2;
    wxBitmap focused(picture.ConvertToImage());
    {
        wxMemoryDC dc(focused);
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT), frame));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(wxRect(focused.GetSize()).Deflate(frame / 2));
    }
    button->SetBitmap(picture);
    button->SetBitmapFocus(focused);
}

void SetMinWidth(wxWindow* win, int width)
{
    const wxSize min = win->GetMinSize();
    if (min.x < width) {
        win->SetMinSize(wxSize(width, min.y));
        MarkLayoutChanged(win);
    }
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
    if (!wxXmlResource::Get()->AttachUnknownControl(name, control, parent))
        return false;
    // The place is a panel, which takes the focus itself where nothing in it
    // does: a control that never takes the focus leaves no stop for the
    // keyboard that shows nothing.
    if (!control->AcceptsFocusRecursively())
        container->SetCanFocus(false);
    return true;
}
