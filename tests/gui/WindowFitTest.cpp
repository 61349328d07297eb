// The running program's window with one unit of a family alone or with a
// unit of every family, in every language and in both views: once the
// units' first records are shown, after a zoom out and back, and while a
// page shows the unit's suggested settings, every control the user sees lies
// inside the window's client area and inside its parent, no two controls side
// by side cover each other, the device page's own controls show their texts
// whole, every tab of the setting notebooks shows without scroll arrows, and
// the page area has nothing to scroll. The same suites run under a window
// manager too (the CTest tests "WindowFitUnderWindowManager/..."), where the
// decorations come on top. A click on a setting page's tab lands on the tab
// the user aimed at before the records arrived.
#include "WindowFitFixture.h"

#include <optional>
#include <string>
#include <vector>

#include <wx/display.h>
#include <wx/notebook.h>
#include <wx/uiaction.h>
#include <wx/xrc/xmlres.h>

#include "units/FamilyDevicePage.h"

using namespace programtest;

namespace {

class WindowFitTest : public WindowFitFixture, public ::testing::WithParamInterface<FitCase> {
protected:
    void ExpectEveryPageFits(const std::string& when)
    {
        // The rows of tabs are the same whichever setting page shows.
        wxWindow* tabsChecked = nullptr;
        ForEveryPageAndTab(when, [&](wxWindow* page) {
            ExpectEverythingFits(Window());
            if (page != tabsChecked)
                ExpectEveryTabShows(page);
            tabsChecked = page;
        });
    }

    CFamilyDevicePage* Page(size_t index) const { return dynamic_cast<CFamilyDevicePage*>(DevicePage(index)); }
};

TEST_P(WindowFitTest, EveryPageFitsTheWindowInEveryState)
{
    StartWith(GetParam());
    ASSERT_FALSE(HasFailure());
    LetRecordsArrive();
    ExpectEveryPageFits("after the records");

    ClickTool("IDC_ZOOM");
    Settle();
    ClickTool("IDC_ZOOM");
    Settle();
    ExpectEveryPageFits("after a zoom out and back");

    // The unit's suggested settings with the set button and the red texts,
    // then the unit's own status again.
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
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryFamilyFull, WindowFitTest, ::testing::ValuesIn(FitCases(kEveryFamily, true)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(EveryFamilyCompact, WindowFitTest, ::testing::ValuesIn(FitCases(kEveryFamily, false)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(ZaritFull, WindowFitTest, ::testing::ValuesIn(FitCases(0, true)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(ZaritCompact, WindowFitTest, ::testing::ValuesIn(FitCases(0, false)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(ZaritEFull, WindowFitTest, ::testing::ValuesIn(FitCases(1, true)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(ZaritECompact, WindowFitTest, ::testing::ValuesIn(FitCases(1, false)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(NuvekFull, WindowFitTest, ::testing::ValuesIn(FitCases(2, true)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(NuvekCompact, WindowFitTest, ::testing::ValuesIn(FitCases(2, false)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(RibexFull, WindowFitTest, ::testing::ValuesIn(FitCases(3, true)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(RibexCompact, WindowFitTest, ::testing::ValuesIn(FitCases(3, false)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(QuirelA1Full, WindowFitTest, ::testing::ValuesIn(FitCases(4, true)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(QuirelA1Compact, WindowFitTest, ::testing::ValuesIn(FitCases(4, false)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(TikoFull, WindowFitTest, ::testing::ValuesIn(FitCases(5, true)), FitCaseName);
INSTANTIATE_TEST_SUITE_P(TikoCompact, WindowFitTest, ::testing::ValuesIn(FitCases(5, false)), FitCaseName);
// clang-format on

using TabClickTest = WindowFitFixture;

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

TEST_F(TabClickTest, ClickOnATabAfterTheFirstRecordsLandsOnTheTabAimedAt)
{
    StartWith({kEveryFamily, true, 1, wxSize()});
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
        auto* book = dynamic_cast<wxNotebook*>(DevicePage(i)->FindWindow(XRCID("IDC_OPTIONSTAB")));
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
