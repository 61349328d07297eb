#include "html/PopUpWindow.h"

#include <algorithm>

#include <wx/display.h>
#include <wx/html/htmlcell.h>

#include "html/HtmlWindow.h"

namespace vhtml {
namespace {

// The room the frame's borders leave around a page.
constexpr int kPageFrame = 16;

// The work area of the display at the point, or of the first display when
// the point is on none.
wxRect WorkAreaAt(const wxPoint& point)
{
    const int index = wxDisplay::GetFromPoint(point);
    return wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
}

// rect no larger than area and moved inside it.
wxRect FitInto(wxRect rect, const wxRect& area)
{
    rect.width = std::clamp(rect.width, 1, std::max(1, area.width));
    rect.height = std::clamp(rect.height, 1, std::max(1, area.height));
    rect.x = std::clamp(rect.x, area.x, std::max(area.x, area.GetRight() + 1 - rect.width));
    rect.y = std::clamp(rect.y, area.y, std::max(area.y, area.GetBottom() + 1 - rect.height));
    return rect;
}

}  // namespace

PopUpWindow* PopUpWindow::s_current = nullptr;

PopUpWindow::PopUpWindow(HtmlWindow* opener, const wxString& location, int x, int y, int width, int height)
{
    const wxRect area = WorkAreaAt(wxPoint(x, y));
    const wxRect place = FitInto(wxRect(x, y, width, height), area);
    Create(nullptr, wxID_ANY, wxString(), place.GetPosition(), place.GetSize(), wxDEFAULT_FRAME_STYLE, "frame");
    CloseCurrent();
    s_current = this;

    m_viewer = opener->NewChildViewer(this, wxPoint(0, 0), place.GetSize(), wxHW_SCROLLBAR_AUTO, true);
    m_viewer->LoadPage(location);
    if (const wxHtmlContainerCell* page = m_viewer->GetInternalRepresentation()) {
        SetClientSize(std::min(page->GetWidth(), area.width) + kPageFrame,
                      std::min(page->GetHeight(), area.height) + kPageFrame);
        SetSize(FitInto(GetRect(), area));
    }
}

PopUpWindow::~PopUpWindow()
{
    if (s_current == this)
        s_current = nullptr;
}

void PopUpWindow::CloseCurrent()
{
    if (!s_current)
        return;
    PopUpWindow* current = s_current;
    s_current = nullptr;
    current->Close();
}

}  // namespace vhtml
