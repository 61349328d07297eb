// The spin button as a page meets it: steps and releases under the mouse,
// with the timing of a held arrow, the layout of its halves, and showing,
// hiding and disabling.
#include "GuiTestHarness.h"

#include <numeric>
#include <vector>

#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/spinbutt.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>
#include <wx/xrc/xmlres.h>

#include "controls/SpinButton.h"

namespace {

const int kSpinId = XRCID("IDC_SPIN_AUX1");

// A page that routes the spin events as the device pages do: the steps by
// the spin control's id, the release by any id.
class SpinPage : public wxPanel {
public:
    struct Seen {
        char kind;  // 'U' step up, 'D' step down, 'R' release
        int id;
        wxObject* object;
        long ms;
    };

    explicit SpinPage(wxWindow* parent) : wxPanel(parent)
    {
        spin = new CSpinButton(this, kSpinId);
        spin->SetSize(10, 10, 14, 60);
    }

    int Count(char kind) const
    {
        int n = 0;
        for (const Seen& s : seen)
            n += s.kind == kind;
        return n;
    }
    std::string Kinds() const
    {
        std::string kinds;
        for (const Seen& s : seen)
            kinds += s.kind;
        return kinds;
    }
    // Times of the steps, from the press.
    std::vector<long> StepTimes() const
    {
        std::vector<long> times;
        for (const Seen& s : seen) {
            if (s.kind != 'R')
                times.push_back(s.ms);
        }
        return times;
    }

    CSpinButton* spin;
    std::vector<Seen> seen;
    wxStopWatch clock;

private:
    void Record(char kind, wxEvent& event)
    {
        seen.push_back({kind, event.GetId(), event.GetEventObject(), clock.Time()});
    }
    void OnUp(wxSpinEvent& event) { Record('U', event); }
    void OnDown(wxSpinEvent& event) { Record('D', event); }
    void OnRelease(wxScrollEvent& event) { Record('R', event); }

    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(SpinPage, wxPanel)
    EVT_SPIN_UP(kSpinId, SpinPage::OnUp)
    EVT_SPIN_DOWN(kSpinId, SpinPage::OnDown)
    EVT_SCROLL_THUMBRELEASE(SpinPage::OnRelease)
wxEND_EVENT_TABLE()

class SpinButtonTest : public guitest::GuiTest {
protected:
    void SetUp() override
    {
        guitest::GuiTest::SetUp();
        page = new SpinPage(Frame());
        page->SetSize(Frame()->GetClientSize());
        ASSERT_TRUE(guitest::WaitFor([&] { return page->spin->IsShownOnScreen(); }));
        guitest::Yield();
    }

    wxWindow* Arrow(int index) const { return page->spin->GetChildren()[index]; }
    wxWindow* Up() const { return Arrow(0); }
    wxWindow* Down() const { return Arrow(1); }

    static void Mouse(wxWindow* arrow, wxEventType type)
    {
        wxMouseEvent event(type);
        event.SetEventObject(arrow);
        event.SetPosition(wxPoint(3, 3));
        arrow->GetEventHandler()->ProcessEvent(event);
    }
    static void Click(wxWindow* arrow)
    {
        Mouse(arrow, wxEVT_LEFT_DOWN);
        Mouse(arrow, wxEVT_LEFT_UP);
    }

    // Holds arrow until steps steps have come and lets it go; false when they
    // did not come in time.
    bool Hold(wxWindow* arrow, size_t steps)
    {
        page->clock.Start();
        Mouse(arrow, wxEVT_LEFT_DOWN);
        const bool came = guitest::WaitFor([&] { return page->StepTimes().size() >= steps; }, 5000);
        Mouse(arrow, wxEVT_LEFT_UP);
        return came;
    }

    SpinPage* page = nullptr;
};

TEST_F(SpinButtonTest, ClickGivesOneStepThenOneRelease)
{
    Click(Up());
    EXPECT_EQ(page->Kinds(), "UR");
    for (const SpinPage::Seen& s : page->seen) {
        EXPECT_EQ(s.id, kSpinId);
        EXPECT_EQ(s.object, page->spin);
    }

    page->seen.clear();
    Click(Down());
    EXPECT_EQ(page->Kinds(), "DR");

    // Nothing repeats once the arrow is let go.
    EXPECT_FALSE(page->spin->IsRepeating());
}

TEST_F(SpinButtonTest, MiddleAndRightButtonsStepLikeTheLeft)
{
    const std::pair<wxEventType, wxEventType> buttons[] = {
        {wxEVT_MIDDLE_DOWN, wxEVT_MIDDLE_UP},
        {wxEVT_RIGHT_DOWN, wxEVT_RIGHT_UP},
    };
    for (const auto& [down, up] : buttons) {
        page->seen.clear();
        Mouse(Up(), down);
        Mouse(Up(), up);
        EXPECT_EQ(page->Kinds(), "UR");
    }
}

TEST_F(SpinButtonTest, SecondClickOfADoubleClickOnlyReleases)
{
    Mouse(Up(), wxEVT_LEFT_DOWN);
    Mouse(Up(), wxEVT_LEFT_UP);
    Mouse(Up(), wxEVT_LEFT_DCLICK);
    Mouse(Up(), wxEVT_LEFT_UP);
    EXPECT_EQ(page->Kinds(), "URR");
    EXPECT_FALSE(page->spin->IsRepeating());
}

TEST_F(SpinButtonTest, ReleaseWithoutPressStillReleases)
{
    Mouse(Down(), wxEVT_LEFT_UP);
    EXPECT_EQ(page->Kinds(), "R");
}

// Steps at 0 and after the first delay of 600 ms, then one per repeat
// period; measured as the mean of several periods, so that one late tick
// does not decide.
TEST_F(SpinButtonTest, HeldArrowRepeatsAfterTheFirstDelayAtTheRepeatPeriod)
{
    struct Case {
        int period;  // 0: the default
        long expected;
    };
    for (const Case& c : {Case{0, 150}, Case{70, 70}}) {
        SCOPED_TRACE(c.period);
        page->seen.clear();
        if (c.period)
            page->spin->SetRepeatPeriod(c.period);
        ASSERT_TRUE(Hold(Down(), 8));

        const std::vector<long> times = page->StepTimes();
        EXPECT_LE(times[0], 50);
        const long firstDelay = times[1] - times[0];
        EXPECT_GE(firstDelay, 595);
        EXPECT_LE(firstDelay, 900);
        const long repeats = times.back() - times[1];
        const double period = double(repeats) / double(times.size() - 2);
        EXPECT_GE(period, c.expected - 5);
        EXPECT_LE(period, c.expected + 40);

        // Every step was down; the release came last and ended the steps.
        EXPECT_EQ(page->Count('D'), int(times.size()));
        EXPECT_EQ(page->seen.back().kind, 'R');
        EXPECT_EQ(page->Count('R'), 1);
        EXPECT_FALSE(page->spin->IsRepeating());
    }
}

TEST_F(SpinButtonTest, RepeatPeriodSetBeforeTheControlIsSizedHolds)
{
    auto* spin = new CSpinButton(page, wxID_ANY);
    spin->SetRepeatPeriod(70);
    spin->SetSize(40, 10, 14, 60);
    ASSERT_TRUE(guitest::WaitFor([&] { return spin->IsShownOnScreen(); }));
    int steps = 0;
    spin->Bind(wxEVT_SPIN_UP, [&](wxSpinEvent&) { ++steps; });
    wxWindow* up = spin->GetChildren()[0];
    Mouse(up, wxEVT_LEFT_DOWN);
    // 600 ms then 70 ms periods: six steps within a second.
    guitest::WaitFor([&] { return steps >= 6; }, 1000 + 300);
    Mouse(up, wxEVT_LEFT_UP);
    EXPECT_GE(steps, 6);
}

TEST_F(SpinButtonTest, HalvesShareTheHeightRoundedDown)
{
    struct Case {
        int height;
        int half;
    };
    for (const Case& c : {Case{60, 30}, Case{21, 10}}) {
        SCOPED_TRACE(c.height);
        page->spin->SetSize(10, 10, 14, c.height);
        guitest::Yield();
        EXPECT_EQ(Up()->GetRect(), wxRect(0, 0, 14, c.half));
        EXPECT_EQ(Down()->GetRect(), wxRect(0, c.half, 14, c.half));
    }
}

TEST_F(SpinButtonTest, HidingHidesBothArrowsOnlyOnAChange)
{
    EXPECT_TRUE(page->spin->Hide());
    EXPECT_FALSE(Up()->IsShown());
    EXPECT_FALSE(Down()->IsShown());

    // A second hide is no change and leaves the arrows as they are.
    Up()->Show();
    EXPECT_FALSE(page->spin->Hide());
    EXPECT_TRUE(Up()->IsShown());
    EXPECT_FALSE(Down()->IsShown());

    EXPECT_TRUE(page->spin->Show());
    EXPECT_TRUE(Up()->IsShown());
    EXPECT_TRUE(Down()->IsShown());
}

TEST_F(SpinButtonTest, DisabledSpinButtonDoesNotStep)
{
    EXPECT_TRUE(page->spin->Disable());
    EXPECT_FALSE(Up()->IsThisEnabled());
    EXPECT_FALSE(Down()->IsThisEnabled());
    EXPECT_FALSE(page->spin->Disable());
    Click(Up());
    EXPECT_EQ(page->Kinds(), "");

    EXPECT_TRUE(page->spin->Enable());
    Click(Up());
    EXPECT_EQ(page->Kinds(), "UR");
}

// A page disables the spin button when the unit locks the energies; the
// arrow under the mouse then gets no release, so the hold ends by itself.
TEST_F(SpinButtonTest, DisablingAHeldArrowEndsTheHold)
{
    Mouse(Up(), wxEVT_LEFT_DOWN);
    page->spin->Disable();
    ASSERT_TRUE(guitest::WaitFor([&] { return page->Count('R') == 1; }, 1500));
    EXPECT_FALSE(page->spin->IsRepeating());
    EXPECT_EQ(page->Kinds(), "UR");
}

// A message box or another program takes the mouse from a held arrow: the
// page is told once that the press ended, and the arrow steps no further.
TEST_F(SpinButtonTest, HeldArrowThatLosesTheMouseReleasesOnceAndStops)
{
    for (wxWindow* arrow : {Up(), Down()}) {
        page->seen.clear();
        Mouse(arrow, wxEVT_LEFT_DOWN);
        ASSERT_TRUE(arrow->HasCapture());
        // What the toolkit does when another window breaks the arrow's grab.
        arrow->GTKReleaseMouseAndNotify();
        EXPECT_FALSE(arrow->HasCapture());
        ASSERT_TRUE(guitest::WaitFor([&] { return !page->spin->IsRepeating(); }, 1500));
        EXPECT_EQ(page->Kinds(), arrow == Up() ? "UR" : "DR");
    }
    // The second press of a double click steps nothing and repeats nothing:
    // losing the mouse then has no press to end.
    page->seen.clear();
    Click(Up());
    Mouse(Up(), wxEVT_LEFT_DCLICK);
    ASSERT_TRUE(Up()->HasCapture());
    Up()->GTKReleaseMouseAndNotify();
    EXPECT_FALSE(page->spin->IsRepeating());
    EXPECT_EQ(page->Kinds(), "UR");
}

// Through the X server, as the user clicks: GTK's extra press before a
// double click must not step twice. The single click is on the other arrow,
// so that GTK does not count it into the double click that follows.
TEST_F(SpinButtonTest, RealClicksThroughTheDisplay)
{
    wxUIActionSimulator sim;
    const auto moveOnto = [&](wxWindow* arrow) {
        const wxRect rect = arrow->GetScreenRect();
        sim.MouseMove(rect.GetLeft() + rect.width / 2, rect.GetTop() + rect.height / 2);
        guitest::Yield();
    };
    moveOnto(Down());
    sim.MouseClick();
    ASSERT_TRUE(guitest::WaitFor([&] { return page->Count('R') == 1; }));
    EXPECT_EQ(page->Kinds(), "DR");

    page->seen.clear();
    moveOnto(Up());
    sim.MouseDblClick();
    ASSERT_TRUE(guitest::WaitFor([&] { return page->Count('R') == 2; }));
    EXPECT_EQ(page->Kinds(), "URR");
    EXPECT_FALSE(page->spin->IsRepeating());
}

}  // namespace
