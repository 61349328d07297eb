// The running program's window with a unit of every family, in every
// language and in both views: once the units' first records are shown, after
// a zoom out and back, and while a page shows the unit's suggested settings,
// every control the user sees lies inside the window's client area and inside
// its parent, no two controls side by side cover each other, and the device
// page's own controls show their texts whole. The same suite runs under a window manager too (its CTest test
// "WindowFitUnderWindowManager"), where the decorations come on top.
// A click on a setting page's tab lands on the tab the user aimed at before
// the records arrived.
#include "ProgramFixture.h"

#include <optional>
#include <string>
#include <vector>

#include <wx/display.h>
#include <wx/notebook.h>
#include <wx/statbox.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>
#include <wx/xrc/xmlres.h>

#include "units/FamilyDevicePage.h"

using namespace programtest;

namespace {

// Each family's unit on the bus, one address each.
struct UnitRow {
    int address;
    uint16_t typeCode;
    uint8_t variant;
    bool model;  // answered by the demo generator model
};
// clang-format off
const UnitRow kUnits[] = {
    {1, 37, 0, true},   // Zarit
    {2, 137, 0, true},  // ZaritE
    {3, 20, 1, false},  // Nuvek
    {4, 32, 1, false},  // Ribex
    {5, 16, 0x41, false},  // Quirel A1
    {6, 18, 8, false},  // Tiko
};
// clang-format on

// Shown, and on the screen: a notebook shows its current page only.
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

// A window's rectangle on the screen, as its parent places it (a static
// box's own screen position is that of the area inside its frame).
wxRect ScreenRect(wxWindow* window)
{
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

// The places of the program's own bars and arrows, and what a notebook or a
// static box holds, are no texts that could be cut.
bool HasText(wxWindow* window)
{
    return !wxDynamicCast(window, wxNotebook) && !wxDynamicCast(window, wxStaticBox) &&
           !window->GetName().EndsWith("_container") && !window->GetLabel().empty();
}

// A control of a setting page: its widths are the setting page's own
// business (its own tests), this suite checks where the page puts it.
bool OnSettingPage(wxWindow* window)
{
    for (wxWindow* w = window->GetParent(); w && !w->IsTopLevel(); w = w->GetParent()) {
        if (wxDynamicCast(w, wxNotebook) && w->GetId() != XRCID("IDC_DEVICETAB"))
            return true;
    }
    return false;
}

void CollectSeen(wxWindow* parent, std::vector<wxWindow*>& out)
{
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || !IsSeen(child))
            continue;
        out.push_back(child);
        // A place holds the program's own control; what it draws is its own.
        if (!child->GetName().EndsWith("_container"))
            CollectSeen(child, out);
    }
}

// Everything the user sees in the window: inside the client area (toolbar
// included) and inside its parent, whole, and apart from its siblings.
void ExpectEverythingFits(wxFrame* frame)
{
    std::vector<wxWindow*> seen;
    CollectSeen(frame, seen);
    ASSERT_FALSE(seen.empty());
    wxRect area = ClientOnScreen(frame);
    if (wxToolBar* bar = frame->GetToolBar())
        area.Union(ScreenRect(bar));
    for (wxWindow* window : seen) {
        const wxRect rect = ScreenRect(window);
        EXPECT_TRUE(area.Contains(rect)) << Describe(window) << " outside the client area " << area.width << "x"
                                         << area.height;
        if (window->GetParent() != frame) {
            EXPECT_TRUE(ClientOnScreen(window->GetParent()).Contains(rect))
                << Describe(window) << " outside its parent " << Describe(window->GetParent());
        }
        if (HasText(window) && !OnSettingPage(window)) {
            EXPECT_GE(rect.width, window->GetBestSize().x) << Describe(window) << " cut";
            EXPECT_GE(rect.height, window->GetBestSize().y) << Describe(window) << " cut";
        }
    }
    for (size_t i = 0; i < seen.size(); ++i) {
        for (size_t j = i + 1; j < seen.size(); ++j) {
            if (seen[i]->GetParent() == seen[j]->GetParent()) {
                EXPECT_FALSE(ScreenRect(seen[i]).Intersects(ScreenRect(seen[j])))
                    << Describe(seen[i]) << " covers " << Describe(seen[j]);
            }
        }
    }
}

class WindowFitTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        families = BuiltFamilies();
        for (const UnitRow& unit : kUnits) {
            if (unit.model)
                bus.AddModelUnit(static_cast<uint8_t>(unit.address), 1, unit.typeCode);
            else
                bus.AddUnit(static_cast<uint8_t>(unit.address), 1, unit.typeCode, unit.variant);
        }
    }

    void StartWith(int language, bool full)
    {
        WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) +
                    "\nStart=1\nEnd=6\nLanguage=" + std::to_string(language) + "\nFULL=" + (full ? "1" : "0") + "\n");
        ASSERT_TRUE(Start());
        Window()->Show();
        ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == std::size(kUnits); }));
    }

    // The records every page asked for, shown; the window as the toolkit
    // placed it after that.
    void LetRecordsArrive()
    {
        for (int i = 0; i < 60; ++i)
            Tick();
        Settle();
    }

    void Settle()
    {
        for (int i = 0; i < 5; ++i) {
            guitest::Yield();
            guitest::Pump(20);
        }
    }

    // Each page selected in turn, and each tab of its setting notebooks,
    // and checked.
    void ExpectEveryPageFits(const std::string& when)
    {
        for (size_t i = 0; i < Notebook()->GetPageCount(); ++i) {
            Notebook()->ChangeSelection(i);
            Settle();
            wxWindow* page = Notebook()->GetPage(i);
            for (const char* name : {"IDC_LAMPMEMTAB", "IDC_OPTIONSTAB"}) {
                auto* book = dynamic_cast<wxNotebook*>(page->FindWindow(XRCID(name)));
                const size_t tabs = book && book->IsShown() ? book->GetPageCount() : 1;
                for (size_t tab = 0; tab < tabs; ++tab) {
                    SCOPED_TRACE(when + ", page " + Notebook()->GetPageText(i).utf8_string() + ", " + name + " tab " +
                                 std::to_string(tab));
                    if (book && book->IsShown()) {
                        book->ChangeSelection(tab);
                        guitest::Yield();
                    }
                    ExpectEverythingFits(Window());
                    if (HasFailure())
                        return;
                }
                if (book && book->IsShown())
                    book->ChangeSelection(0);
            }
        }
    }

    CFamilyDevicePage* Page(size_t index) const { return dynamic_cast<CFamilyDevicePage*>(Notebook()->GetPage(index)); }
};

TEST_F(WindowFitTest, EveryPageFitsTheWindowInEveryLanguageViewAndState)
{
    for (bool full : {true, false}) {
        for (int language = 1; language <= 4; ++language) {
            SCOPED_TRACE(std::string(full ? "full" : "compact") + " view, language " + std::to_string(language));
            StartWith(language, full);
            if (HasFailure())
                return;
            LetRecordsArrive();
            ExpectEveryPageFits("after the records");

            ClickTool("IDC_ZOOM");
            Settle();
            ClickTool("IDC_ZOOM");
            Settle();
            ExpectEveryPageFits("after a zoom out and back");

            // The unit's suggested settings with the set button and the red
            // texts, then the unit's own status again.
            for (size_t i = 0; i < Notebook()->GetPageCount(); ++i) {
                if (CFamilyDevicePage* page = Page(i))
                    page->StatusPanel().Update({true, 2123, true, true, true, true});
            }
            ExpectEveryPageFits("with the suggested settings");
            for (size_t i = 0; i < Notebook()->GetPageCount(); ++i) {
                if (CFamilyDevicePage* page = Page(i))
                    page->StatusPanel().Update(PanelRequest());
            }
            ExpectEveryPageFits("with the unit's status again");

            // The window stays on the display's work area.
            const wxRect work = wxDisplay(0u).GetClientArea();
            EXPECT_LE(Window()->GetSize().x, work.width);
            EXPECT_LE(Window()->GetSize().y, work.height);
            Exit();
            if (HasFailure())
                return;
        }
    }
}

// Where a setting page's tab is: the middle of the stretch of the tab row
// that the notebook reports as that tab.
std::optional<wxPoint> TabCentre(wxNotebook* book, int tab)
{
    const int y = 12;
    int first = -1;
    int last = -1;
    for (int x = 0; x < book->GetSize().x; ++x) {
        if (book->HitTest(wxPoint(x, y)) == tab) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    if (first < 0)
        return std::nullopt;
    return book->ClientToScreen(wxPoint((first + last) / 2, y));
}

TEST_F(WindowFitTest, ClickOnATabAfterTheFirstRecordsLandsOnTheTabAimedAt)
{
    StartWith(1, true);
    ASSERT_FALSE(HasFailure());
    Settle();
    // The user aims at the last tab of each page's setting notebook as the
    // page first shows...
    struct Aim {
        wxNotebook* book;
        int tab;
        wxPoint point;
    };
    std::vector<Aim> aims;
    for (size_t i = 0; i < Notebook()->GetPageCount(); ++i) {
        SCOPED_TRACE(Notebook()->GetPageText(i).utf8_string());
        Notebook()->ChangeSelection(i);
        Settle();
        auto* book = dynamic_cast<wxNotebook*>(Notebook()->GetPage(i)->FindWindow(XRCID("IDC_OPTIONSTAB")));
        ASSERT_NE(book, nullptr);
        const int tab = static_cast<int>(book->GetPageCount()) - 1;
        const std::optional<wxPoint> point = TabCentre(book, tab);
        ASSERT_TRUE(point);
        aims.push_back({book, tab, *point});
    }
    // ... the units' records come in meanwhile ...
    LetRecordsArrive();
    // ... and each click lands where the user aimed.
    for (size_t i = 0; i < aims.size(); ++i) {
        SCOPED_TRACE(Notebook()->GetPageText(i).utf8_string());
        Notebook()->ChangeSelection(i);
        Settle();
        wxUIActionSimulator pointer;
        pointer.MouseMove(aims[i].point);
        Settle();
        pointer.MouseClick();
        EXPECT_TRUE(guitest::WaitFor([&] { return aims[i].book->GetSelection() == aims[i].tab; }))
            << "selected " << aims[i].book->GetSelection() << " instead of " << aims[i].tab;
    }
}

}  // namespace
