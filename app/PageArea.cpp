#include "app/PageArea.h"

#include <gtk/gtk.h>

#include <wx/bookctrl.h>
#include <wx/sizer.h>

#include "app/Panel.h"

namespace {

// Pixels of one step of the scroll bars.
const int kScrollStep = 10;

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

CPageArea::CPageArea(wxWindow* book)
    : wxScrolledWindow(book, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL | wxTAB_TRAVERSAL,
                       "page_area")
{
    SetScrollRate(kScrollStep, kScrollStep);
    SetSizer(new wxBoxSizer(wxVERTICAL));
    // The keyboard goes through the area to the page's controls: the page is
    // made hidden, so the area would otherwise count itself as the only
    // place for the focus.
    m_container.DisableSelfFocus();
    Bind(wxEVT_CHILD_FOCUS, &CPageArea::OnChildFocus, this);
    Bind(VESK_EVT_PAGE_LAID_OUT, &CPageArea::OnPageLaidOut, this);
}

void CPageArea::Hold(wxWindow* page)
{
    m_page = page;
    GetSizer()->Add(page, 1, wxEXPAND);
}

void CPageArea::FitToLayout()
{
    FitInside();
    Layout();
}

bool CPageArea::SendIdleEvents(wxIdleEvent& event)
{
    const auto* book = wxDynamicCast(GetParent(), wxBookCtrlBase);
    if (book && book->GetCurrentPage() != this)
        return false;
    return wxScrolledWindow::SendIdleEvents(event);
}

void CPageArea::OnChildFocus(wxChildFocusEvent& event)
{
    event.Skip();
    // The toolkit's own scrolling to the focus leaves out controls inside
    // panels below the area, which the device page is.
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

void CPageArea::OnPageLaidOut(wxCommandEvent&)
{
    // The toolkit's scrolled window does not pass a resize that a control
    // below it asks for on to the area's own drawing window: controls
    // placed anew, or shown after the first placing, would keep their old
    // place (or none) on the screen until the window's size changed.
    if (GtkWidget* inner = gtk_bin_get_child(GTK_BIN(GetHandle())))
        gtk_widget_queue_allocate(inner);
}
