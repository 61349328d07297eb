#include "WindowFitFixture.h"

#include <algorithm>

#include <wx/notebook.h>
#include <wx/scrolwin.h>
#include <wx/statbox.h>
#include <wx/toolbar.h>
#include <wx/xrc/xmlres.h>

#include "app/UnitFamilies.h"

namespace programtest {

const std::vector<FitUnit>& FitUnits()
{
    // clang-format off
    static const std::vector<FitUnit> units = {
        {"Zarit",    1, 37,  0,    true},
        {"ZaritE",   2, 137, 0,    true},
        {"Nuvek",    3, 20,  1,    false},
        {"Ribex",    4, 32,  1,    false},
        {"QuirelA1", 5, 16,  0x41, false},
        {"Tiko",     6, 18,  8,    false},
    };
    // clang-format on
    return units;
}

std::vector<FitCase> FitCases(int unit, bool full, wxSize screen)
{
    std::vector<FitCase> cases;
    for (int language = 1; language <= 4; ++language)
        cases.push_back({unit, full, language, screen});
    return cases;
}

void PrintTo(const FitCase& fit, std::ostream* out)
{
    *out << (fit.unit == kEveryFamily ? "every family" : FitUnits()[static_cast<size_t>(fit.unit)].family) << ", "
         << (fit.full ? "full" : "compact") << " view, language " << fit.language;
    if (fit.screen != wxSize())
        *out << ", screen " << fit.screen.x << "x" << fit.screen.y;
}

std::string FitCaseName(const ::testing::TestParamInfo<FitCase>& info)
{
    static const char* const names[] = {"English", "German", "French", "Spanish"};
    return names[info.param.language - 1];
}

bool IsSeen(wxWindow* window)
{
    for (wxWindow* w = window; w && !w->IsTopLevel(); w = w->GetParent()) {
        if (!w->IsShown())
            return false;
        if (auto* book = wxDynamicCast(w->GetParent(), wxNotebook); book && book->GetCurrentPage() != w)
            return false;
    }
    return true;
}

wxRect ScreenRect(wxWindow* window)
{
    // A static box's own screen position is that of the area inside its
    // frame.
    if (wxDynamicCast(window, wxStaticBox))
        return wxRect(window->GetParent()->ClientToScreen(window->GetPosition()), window->GetSize());
    return wxRect(window->GetScreenPosition(), window->GetSize());
}

wxRect ClientOnScreen(wxWindow* window)
{
    return wxRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize());
}

std::string Describe(wxWindow* window)
{
    const wxRect rect = ScreenRect(window);
    return window->GetName().utf8_string() + " \"" + window->GetLabel().utf8_string() + "\" at " +
           std::to_string(rect.x) + "," + std::to_string(rect.y) + " " + std::to_string(rect.width) + "x" +
           std::to_string(rect.height);
}

namespace {

// The places of the program's own bars and arrows, and what a notebook or a
// static box holds, are no texts that could be cut.
bool HasText(wxWindow* window)
{
    return !wxDynamicCast(window, wxNotebook) && !wxDynamicCast(window, wxStaticBox) &&
           !window->GetName().EndsWith("_container") && !window->GetLabel().empty();
}

// A control of a setting page: its widths are the setting page's own
// business (its own tests), these checks look at where the page puts it.
bool OnSettingPage(wxWindow* window)
{
    for (wxWindow* w = window->GetParent(); w && !w->IsTopLevel(); w = w->GetParent()) {
        if (wxDynamicCast(w, wxNotebook) && w->GetId() != XRCID("IDC_DEVICETAB"))
            return true;
    }
    return false;
}

void CollectSeenInto(wxWindow* parent, std::vector<wxWindow*>& out)
{
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || !IsSeen(child))
            continue;
        out.push_back(child);
        // A place holds the program's own control; what it draws is its own.
        if (!child->GetName().EndsWith("_container"))
            CollectSeenInto(child, out);
    }
}

bool IsBelow(wxWindow* window, wxWindow* ancestor)
{
    for (wxWindow* w = window->GetParent(); w; w = w->GetParent()) {
        if (w == ancestor)
            return true;
    }
    return false;
}

// The client area with the toolbar above it.
wxRect WindowArea(wxFrame* frame)
{
    wxRect area = ClientOnScreen(frame);
    if (wxToolBar* bar = frame->GetToolBar())
        area.Union(ScreenRect(bar));
    return area;
}

// The scrolled area of the device page the notebook shows, below the row of
// unit tabs.
wxScrolledWindow* PageAreaOf(wxFrame* frame)
{
    auto* book = dynamic_cast<wxNotebook*>(frame->FindWindow(XRCID("IDC_DEVICETAB")));
    return book ? dynamic_cast<wxScrolledWindow*>(book->GetCurrentPage()) : nullptr;
}

// Whole, and apart from its siblings.
void ExpectWholeAndApart(const std::vector<wxWindow*>& seen)
{
    for (wxWindow* window : seen) {
        if (HasText(window) && !OnSettingPage(window)) {
            const wxRect rect = ScreenRect(window);
            EXPECT_GE(rect.width, window->GetBestSize().x) << Describe(window) << " cut";
            EXPECT_GE(rect.height, window->GetBestSize().y) << Describe(window) << " cut";
        }
    }
    // Each place asked of the toolkit once: it asks the display.
    std::vector<wxRect> rects;
    for (wxWindow* window : seen)
        rects.push_back(ScreenRect(window));
    for (size_t i = 0; i < seen.size(); ++i) {
        for (size_t j = i + 1; j < seen.size(); ++j) {
            if (seen[i]->GetParent() == seen[j]->GetParent()) {
                EXPECT_FALSE(rects[i].Intersects(rects[j])) << Describe(seen[i]) << " covers " << Describe(seen[j]);
            }
        }
    }
}

// Where each tab's label lies on the row of tabs: the stretch that the
// notebook reports as that tab, scanned along the row; empty for a tab that
// is not shown.
std::vector<wxRect> TabRects(wxNotebook* book)
{
    std::vector<wxRect> rects(book->GetPageCount());
    const int rowHeight = std::min(book->GetSize().y, 48);
    for (int y = 0; y < rowHeight; y += 4) {
        for (int x = 0; x < book->GetSize().x; ++x) {
            const int tab = book->HitTest(wxPoint(x, y));
            if (tab < 0 || tab >= static_cast<int>(rects.size()))
                continue;
            wxRect& rect = rects[static_cast<size_t>(tab)];
            rect = rect.IsEmpty() ? wxRect(x, y, 1, 1) : rect.Union(wxRect(x, y, 1, 1));
        }
    }
    return rects;
}

}  // namespace

std::vector<wxWindow*> CollectSeen(wxWindow* parent)
{
    std::vector<wxWindow*> seen;
    CollectSeenInto(parent, seen);
    return seen;
}

std::vector<wxNotebook*> ShownSettingBooks(wxWindow* page)
{
    std::vector<wxNotebook*> books;
    for (const char* name : {"IDC_LAMPMEMTAB", "IDC_OPTIONSTAB"}) {
        auto* book = dynamic_cast<wxNotebook*>(page->FindWindow(XRCID(name)));
        if (book && book->IsShown())
            books.push_back(book);
    }
    return books;
}

void ExpectEverythingFits(wxFrame* frame)
{
    const std::vector<wxWindow*> seen = CollectSeen(frame);
    ASSERT_FALSE(seen.empty());
    const wxRect area = WindowArea(frame);
    for (wxWindow* window : seen) {
        const wxRect rect = ScreenRect(window);
        EXPECT_TRUE(area.Contains(rect)) << Describe(window) << " outside the client area " << area.width << "x"
                                         << area.height;
        if (window->GetParent() != frame) {
            EXPECT_TRUE(ClientOnScreen(window->GetParent()).Contains(rect))
                << Describe(window) << " outside its parent " << Describe(window->GetParent());
        }
    }
    ExpectWholeAndApart(seen);
    // Where the window has the room, the page area has nothing to scroll.
    if (wxScrolledWindow* pages = PageAreaOf(frame)) {
        const wxSize shown = pages->GetClientSize();
        const wxSize all = pages->GetVirtualSize();
        EXPECT_TRUE(all.x <= shown.x && all.y <= shown.y)
            << "the page area scrolls: " << all.x << "x" << all.y << " in " << shown.x << "x" << shown.y;
    }
}

void ExpectEveryTabShows(wxWindow* page)
{
    for (wxNotebook* book : ShownSettingBooks(page)) {
        const wxRect inside(wxPoint(0, 0), book->GetSize());
        const std::vector<wxRect> rects = TabRects(book);
        for (size_t tab = 0; tab < rects.size(); ++tab) {
            const wxRect& rect = rects[tab];
            EXPECT_FALSE(rect.IsEmpty()) << book->GetName() << " of width " << book->GetSize().x << " hides its tab \""
                                         << book->GetPageText(tab) << "\"";
            EXPECT_TRUE(rect.IsEmpty() || inside.Contains(rect))
                << book->GetName() << " cuts its tab \"" << book->GetPageText(tab) << "\"";
        }
    }
}

void ExpectEverythingReachable(wxFrame* frame)
{
    const std::vector<wxWindow*> seen = CollectSeen(frame);
    ASSERT_FALSE(seen.empty());
    const wxRect area = WindowArea(frame);
    wxScrolledWindow* pages = PageAreaOf(frame);
    if (pages) {
        EXPECT_TRUE(area.Contains(ScreenRect(pages))) << Describe(pages) << " outside the client area";
    }
    const wxRect scrollable(wxPoint(0, 0), pages ? pages->GetVirtualSize() : wxSize());
    for (wxWindow* window : seen) {
        const wxRect rect = ScreenRect(window);
        if (pages && IsBelow(window, pages)) {
            // Where the window lies in the whole of what the area scrolls.
            const wxRect placed(pages->CalcUnscrolledPosition(pages->ScreenToClient(rect.GetPosition())),
                                rect.GetSize());
            EXPECT_TRUE(scrollable.Contains(placed)) << Describe(window) << " beyond the scrolled page area of "
                                                     << scrollable.width << "x" << scrollable.height;
        } else {
            EXPECT_TRUE(area.Contains(rect))
                << Describe(window) << " outside the client area " << area.width << "x" << area.height;
        }
    }
    ExpectWholeAndApart(seen);
    if (!pages)
        return;
    // The scroll bars reach all of it: scrolled to the far end, the view's
    // far corner is the far corner of the whole.
    const wxPoint start = pages->GetViewStart();
    pages->Scroll(scrollable.width, scrollable.height);
    const wxPoint end = pages->CalcUnscrolledPosition(wxPoint(0, 0) + pages->GetClientSize());
    EXPECT_GE(end.x, scrollable.width) << "the page area does not scroll to its right edge";
    EXPECT_GE(end.y, scrollable.height) << "the page area does not scroll to its bottom";
    pages->Scroll(start);
}

void WindowFitFixture::StartWith(const FitCase& fit)
{
    families = BuiltFamilies();
    m_unitCount = 0;
    for (int i = 0; i < static_cast<int>(FitUnits().size()); ++i) {
        if (fit.unit != kEveryFamily && fit.unit != i)
            continue;
        const FitUnit& unit = FitUnits()[static_cast<size_t>(i)];
        if (unit.model)
            bus.AddModelUnit(static_cast<uint8_t>(unit.address), 1, unit.typeCode);
        else
            bus.AddUnit(static_cast<uint8_t>(unit.address), 1, unit.typeCode, unit.variant);
        ++m_unitCount;
    }
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=1\nEnd=6\nLanguage=" +
                std::to_string(fit.language) + "\nFULL=" + (fit.full ? "1" : "0") + "\n");
    ASSERT_TRUE(Start());
    Window()->Show();
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == m_unitCount; }));
}

void WindowFitFixture::LetRecordsArrive()
{
    for (int i = 0; i < 60; ++i)
        Tick();
    Settle();
}

void WindowFitFixture::Settle()
{
    EXPECT_TRUE(guitest::WaitForSettledLayout(Window())) << "the window's layout never settled";
}

void WindowFitFixture::ForEveryPageAndTab(const std::string& when, const std::function<void(wxWindow* page)>& check)
{
    for (size_t i = 0; i < Notebook()->GetPageCount(); ++i) {
        Notebook()->ChangeSelection(i);
        Settle();
        wxWindow* page = DevicePage(i);
        const std::vector<wxNotebook*> books = ShownSettingBooks(page);
        if (books.empty()) {
            SCOPED_TRACE(when + ", page " + Notebook()->GetPageText(i).utf8_string());
            check(page);
        }
        for (wxNotebook* book : books) {
            for (size_t tab = 0; tab < book->GetPageCount(); ++tab) {
                SCOPED_TRACE(when + ", page " + Notebook()->GetPageText(i).utf8_string() + ", " +
                             book->GetName().utf8_string() + " tab " + std::to_string(tab));
                book->ChangeSelection(tab);
                Settle();
                check(page);
                if (::testing::Test::HasFailure())
                    return;
            }
            book->ChangeSelection(0);
        }
        if (::testing::Test::HasFailure())
            return;
    }
}

wxScrolledWindow* WindowFitFixture::PageArea() const
{
    return PageAreaOf(Window());
}

}  // namespace programtest
