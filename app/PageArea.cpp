#include "app/PageArea.h"

wxIMPLEMENT_DYNAMIC_CLASS(CPageArea, wxScrolledWindow);

namespace {

// Scroll units that bring the stretch [from, to) of a line into the view
// [0, extent): as little as possible, its start first where it is longer
// than the view.
int UnitsToShow(int from, int to, int extent, int unit)
{
    if (unit <= 0)
        return 0;
    if (from < 0 || to - from > extent)
        return from >= 0 ? from / unit : -((-from + unit - 1) / unit);
    if (to > extent)
        return (to - extent + unit - 1) / unit;
    return 0;
}

}  // namespace

CPageArea::CPageArea()
{
    Bind(wxEVT_CHILD_FOCUS, &CPageArea::OnChildFocus, this);
}

void CPageArea::FitToLayout()
{
    FitInside();
    Layout();
}

void CPageArea::OnChildFocus(wxChildFocusEvent& event)
{
    event.Skip();
    // The toolkit's own scrolling to the focus leaves out controls inside
    // panels below the area, which the device pages are.
    wxWindow* focus = FindFocus();
    if (!focus || focus == this || !IsDescendant(focus))
        return;
    const wxRect rect(ScreenToClient(focus->GetScreenPosition()), focus->GetSize());
    const wxSize view = GetClientSize();
    int unitX = 0;
    int unitY = 0;
    GetScrollPixelsPerUnit(&unitX, &unitY);
    const wxPoint start = GetViewStart();
    const wxPoint shift(UnitsToShow(rect.GetLeft(), rect.GetRight() + 1, view.x, unitX),
                        UnitsToShow(rect.GetTop(), rect.GetBottom() + 1, view.y, unitY));
    if (shift != wxPoint(0, 0))
        Scroll(start + shift);
}
