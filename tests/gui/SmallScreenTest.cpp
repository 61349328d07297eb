// The running program with a unit of every family on a screen smaller than
// its pages, in every language and in both views: the window stays on the
// screen, and every control the user sees lies inside its client area or
// inside the page area, which scrolls to bring it into view; the keyboard's
// focus or a scroll brings the power button into view. Each instantiation names the size
// of the screen it needs; on any other screen its tests are skipped (the
// CTest tests give each the screen it names).
#include "WindowFitFixture.h"

#include <string>

#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/scrolwin.h>
#include <wx/xrc/xmlres.h>

using namespace programtest;

namespace {

class SmallScreenTest : public WindowFitFixture, public ::testing::WithParamInterface<FitCase> {
protected:
    void SetUp() override
    {
        WindowFitFixture::SetUp();
        const wxSize screen = wxDisplay(0u).GetGeometry().GetSize();
        const wxSize wanted = GetParam().screen;
        if (screen != wanted) {
            GTEST_SKIP() << "needs a screen of " << wanted.x << "x" << wanted.y << " (VESK_SCREEN=" << wanted.x << "x"
                         << wanted.y << " tests/own-display.sh ...), has " << screen.x << "x" << screen.y;
        }
    }

    void ExpectEveryControlReachable(const std::string& when)
    {
        ForEveryPageAndTab(when, [this](wxWindow*) { ExpectEverythingReachable(Window()); });
        // The whole window on the screen's work area.
        const wxRect work = wxDisplay(0u).GetClientArea();
        EXPECT_TRUE(work.Contains(Window()->GetRect()))
            << "window at " << Window()->GetPosition().x << "," << Window()->GetPosition().y << " "
            << Window()->GetSize().x << "x" << Window()->GetSize().y;
    }
};

TEST_P(SmallScreenTest, EveryControlCanBeScrolledIntoView)
{
    StartWith(GetParam());
    ASSERT_FALSE(HasFailure());
    LetRecordsArrive();
    ExpectEveryControlReachable("after the records");
    ClickTool("IDC_ZOOM");
    Settle();
    ClickTool("IDC_ZOOM");
    Settle();
    ExpectEveryControlReachable("after a zoom out and back");
    Exit();
}

// The window with its decorations stays on the work area after a switch of
// language and after it was maximised and restored.
TEST_P(SmallScreenTest, WindowStaysOnTheWorkAreaThroughALanguageSwitchAndAMaximise)
{
    StartWith(GetParam());
    ASSERT_FALSE(HasFailure());
    LetRecordsArrive();
    const wxRect work = wxDisplay(0u).GetClientArea();
    const auto expectOnWorkArea = [&](const char* when) {
        EXPECT_TRUE(work.Contains(Window()->GetRect()))
            << when << ": window at " << Window()->GetPosition().x << "," << Window()->GetPosition().y << " "
            << Window()->GetSize().x << "x" << Window()->GetSize().y;
    };
    Choose(LanguageList(), 2);
    LetRecordsArrive();
    expectOnWorkArea("after a switch of language");
    Window()->Maximize(true);
    Settle();
    Window()->Maximize(false);
    ASSERT_TRUE(guitest::WaitFor([&] { return !Window()->IsMaximized(); }));
    Settle();
    expectOnWorkArea("after a maximise and restore");
    Exit();
}

// The power button comes into view with a scroll to where it is, and as the
// keyboard's navigation gives it the focus (as Tab does) with the view
// scrolled back to the top left corner; a control at the page's left comes
// into view as it takes the focus with the view at the bottom right.
using PowerButtonInViewTest = SmallScreenTest;

TEST_P(PowerButtonInViewTest, KeyboardFocusOrAScrollBringsThePowerButtonIntoView)
{
    StartWith(GetParam());
    ASSERT_FALSE(HasFailure());
    LetRecordsArrive();
    wxScrolledWindow* pages = PageArea();
    ASSERT_NE(pages, nullptr);
    Window()->Raise();
    const auto expectInView = [pages](wxWindow* power) {
        EXPECT_TRUE(ClientOnScreen(pages).Contains(ScreenRect(power)))
            << Describe(power) << " outside the page area's view " << ClientOnScreen(pages).x << ","
            << ClientOnScreen(pages).y << " " << ClientOnScreen(pages).width << "x" << ClientOnScreen(pages).height;
    };
    for (size_t i = 0; i < Notebook()->GetPageCount(); ++i) {
        SCOPED_TRACE(Notebook()->GetPageText(i).utf8_string());
        Notebook()->ChangeSelection(i);
        Settle();
        wxWindow* power = DevicePage(i)->FindWindow(XRCID("IDC_POWER"));
        ASSERT_NE(power, nullptr);

        // Scrolled to where the page has it, as with the scroll bars.
        pages->Scroll(0, 0);
        const wxPoint placed = pages->CalcUnscrolledPosition(pages->ScreenToClient(ScreenRect(power).GetPosition()));
        int unitX = 0;
        int unitY = 0;
        pages->GetScrollPixelsPerUnit(&unitX, &unitY);
        pages->Scroll(unitX > 0 ? placed.x / unitX : 0, unitY > 0 ? placed.y / unitY : 0);
        Settle();
        expectInView(power);

        // A unit may lock its power button; the keyboard passes over it then.
        if (!power->IsEnabled())
            continue;
        // The focus comes from the toolbar, with the view scrolled back.
        PortList()->SetFocus();
        ASSERT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() != power; }));
        pages->Scroll(0, 0);
        Settle();
        power->SetFocusFromKbd();
        ASSERT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == power; }))
            << "focus on " << Describe(wxWindow::FindFocus());
        Settle();
        expectInView(power);

        // Back to a control at the page's left, with the view scrolled to
        // the bottom right corner, as Shift+Tab goes back.
        wxWindow* left = DevicePage(i)->FindWindow(XRCID("IDC_FL_CELL"));
        if (!left || !left->IsShown() || !left->IsEnabled())
            continue;
        pages->Scroll(pages->GetVirtualSize().x, pages->GetVirtualSize().y);
        Settle();
        left->SetFocusFromKbd();
        ASSERT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == left; }))
            << "focus on " << Describe(wxWindow::FindFocus());
        Settle();
        EXPECT_TRUE(ClientOnScreen(pages).Contains(ScreenRect(left)))
            << Describe(left) << " outside the page area's view";
    }
    Exit();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screen1024x768Full, SmallScreenTest, ::testing::ValuesIn(FitCases(kEveryFamily, true, wxSize(1024, 768))), FitCaseName);
INSTANTIATE_TEST_SUITE_P(Screen1024x768Compact, SmallScreenTest, ::testing::ValuesIn(FitCases(kEveryFamily, false, wxSize(1024, 768))), FitCaseName);
INSTANTIATE_TEST_SUITE_P(Screen800x600Full, SmallScreenTest, ::testing::ValuesIn(FitCases(kEveryFamily, true, wxSize(800, 600))), FitCaseName);
INSTANTIATE_TEST_SUITE_P(Screen800x600Compact, SmallScreenTest, ::testing::ValuesIn(FitCases(kEveryFamily, false, wxSize(800, 600))), FitCaseName);
INSTANTIATE_TEST_SUITE_P(Screen1024x768Full, PowerButtonInViewTest, ::testing::ValuesIn(FitCases(kEveryFamily, true, wxSize(1024, 768))), FitCaseName);
INSTANTIATE_TEST_SUITE_P(Screen1024x768Compact, PowerButtonInViewTest, ::testing::ValuesIn(FitCases(kEveryFamily, false, wxSize(1024, 768))), FitCaseName);
INSTANTIATE_TEST_SUITE_P(Screen800x600Full, PowerButtonInViewTest, ::testing::ValuesIn(FitCases(kEveryFamily, true, wxSize(800, 600))), FitCaseName);
INSTANTIATE_TEST_SUITE_P(Screen800x600Compact, PowerButtonInViewTest, ::testing::ValuesIn(FitCases(kEveryFamily, false, wxSize(800, 600))), FitCaseName);
// clang-format on

}  // namespace
