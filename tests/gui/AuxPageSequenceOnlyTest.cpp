// The Nuvek and Ribex auxiliary-function pages, which edit the sequence
// alone, and the sequence's step rule on every page that has it.
#include "AuxPageDriver.h"

#include <algorithm>
#include <string>
#include <vector>

#include <wx/stopwatch.h>

#include "pages/aux/AuxPage.h"
#include "pages/aux/AuxPageNuvek.h"
#include "pages/aux/AuxPageRibex.h"

using namespace guitest;

namespace {

enum class Kind { QuirelA1, Nuvek, Ribex };

const char* Name(Kind kind)
{
    switch (kind) {
    case Kind::QuirelA1:
        return "Quirel A1";
    case Kind::Nuvek:
        return "Nuvek";
    case Kind::Ribex:
        return "Ribex";
    }
    return "";
}

class SequencePageTest : public AuxPageTest {
protected:
    CAuxPageBase* MakeKind(Kind kind)
    {
        switch (kind) {
        case Kind::QuirelA1:
            return Make<CAuxPage>("DLG_AUX_PAGE");
        case Kind::Nuvek:
            return Make<CAuxPageNuvek>("DLG_AUX_PAGE_NUVEK");
        case Kind::Ribex:
            return Make<CAuxPageRibex>("DLG_AUX_PAGE_RIBEX");
        }
        return nullptr;
    }
};

// One arrow press from start: units before program version 4 have no
// sequence of 1, so the step passes over it in its direction.
TEST_F(SequencePageTest, SequenceStepRuleAndLimits)
{
    struct Case {
        Kind kind;
        uint16_t version;
        int start;
        int delta;
        const char* shown;
        int sent;
    };
    const Case cases[] = {
        {Kind::QuirelA1, 3, 0, 1, "2", 2},    {Kind::QuirelA1, 3, 2, -1, "off", 0}, {Kind::QuirelA1, 3, 3, -1, "2", 2},
        {Kind::QuirelA1, 4, 0, 1, "1", 1},    {Kind::QuirelA1, 4, 2, -1, "1", 1},   {Kind::QuirelA1, 0, 1, 1, "2", 2},
        {Kind::QuirelA1, 4, 0, -1, "off", 0}, {Kind::QuirelA1, 4, 50, 1, "50", 50}, {Kind::Nuvek, 3, 0, 1, "2", 2},
        {Kind::Nuvek, 4, 0, 1, "1", 1},       {Kind::Nuvek, 3, 2, -1, "off", 0},    {Kind::Nuvek, 4, 8, 1, "8", 8},
        {Kind::Nuvek, 4, 7, 1, "8", 8},       {Kind::Ribex, 3, 0, 1, "2", 2},       {Kind::Ribex, 4, 0, 1, "1", 1},
        {Kind::Ribex, 4, 8, 1, "9", 9},       {Kind::Ribex, 4, 50, 1, "50", 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Name(c.kind) << " version " << c.version << " from " << c.start << " by "
                                        << c.delta);
        host->programVersion = c.version;
        CAuxPageBase* page = MakeKind(c.kind);
        page->SetSequence(c.start, false);
        ClickArrow(page, c.delta > 0 ? 0 : 1);
        EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), c.shown);
        EXPECT_EQ(page->GetSequence(), c.sent);
        EXPECT_EQ(Sent(), (Commands{{5, c.sent}}));
        EXPECT_EQ(Queue(page, 0), (std::vector<int>{c.sent}));
    }
}

// A held arrow repeats every 70 ms on the Quirel A1 page; the Nuvek and
// Ribex pages keep the spin button's own 150 ms.
TEST_F(SequencePageTest, HeldArrowRepeatsAtThePagesPeriod)
{
    struct Case {
        Kind kind;
        long low;
        long high;
    };
    for (const Case& c : {Case{Kind::QuirelA1, 65, 115}, Case{Kind::Nuvek, 145, 220}, Case{Kind::Ribex, 145, 220}}) {
        SCOPED_TRACE(Name(c.kind));
        CAuxPageBase* page = MakeKind(c.kind);
        wxWindow* up = Spin(page)->GetChildren()[0];
        wxStopWatch clock;
        std::vector<long> steps;
        Spin(page)->Bind(wxEVT_SPIN_UP, [&](wxSpinEvent& event) {
            steps.push_back(clock.Time());
            event.Skip();
        });
        wxMouseEvent press(wxEVT_LEFT_DOWN);
        press.SetEventObject(up);
        press.SetPosition(wxPoint(3, 3));
        up->GetEventHandler()->ProcessEvent(press);
        ASSERT_TRUE(WaitFor([&] { return steps.size() >= 7; }, 4000));
        wxMouseEvent release(wxEVT_LEFT_UP);
        release.SetEventObject(up);
        up->GetEventHandler()->ProcessEvent(release);
        // The middle of the periods after the first delay, so that a late tick
        // on a busy machine does not decide.
        std::vector<long> periods;
        for (size_t n = 2; n < 7; ++n)
            periods.push_back(steps[n] - steps[n - 1]);
        std::sort(periods.begin(), periods.end());
        EXPECT_GE(periods[2], c.low);
        EXPECT_LE(periods[2], c.high);
    }
}

class SequenceOnlyPageTest : public SequencePageTest, public testing::WithParamInterface<Kind> {
protected:
    void SetUp() override
    {
        SequencePageTest::SetUp();
        page = MakeKind(GetParam());
    }

    int Max() const { return GetParam() == Kind::Nuvek ? 8 : 50; }

    CAuxPageBase* page = nullptr;
};

TEST_P(SequenceOnlyPageTest, ShowsTheSequenceWithItsHelp)
{
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_SEQUENCE"));
    EXPECT_EQ(TextOf(page, "IDC_AU_LA_SEQUENCE"), "sequence");
    EXPECT_EQ(TextOf(page, "IDC_AU_RESET"), "reset");
    EXPECT_EQ(Control(page, "IDC_AU_RESET")->GetToolTipText(), "switches off all auxiliary functions");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help sequence");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "each sync. signal will trigger the selected number of flashes");
    EXPECT_TRUE(IsShown(page, "IDC_AU_HELPTEXT"));
    EXPECT_TRUE(IsShown(page, "IDC_AU_HELPGROUP"));
    ASSERT_NE(Spin(page), nullptr);
    EXPECT_EQ(Spin(page)->GetParent(), page->FindWindow("IDC_AU_SPIN_container"));
    EXPECT_TRUE(Sent().empty());
}

TEST_P(SequenceOnlyPageTest, ReportsClampAndEchoesAreSwallowed)
{
    page->SetSequence(Max() + 4, false);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), wxString::Format("%d", Max()));
    page->SetSequence(0, false);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "off");
    page->SetSequence(-2, false);
    EXPECT_EQ(page->GetSequence(), 0);

    page->SetSequence(Max(), false);
    ClickArrow(page, 0);
    EXPECT_EQ(Sent(), (Commands{{5, Max()}}));
    EXPECT_EQ(Queue(page, 0), (std::vector<int>{Max()}));
    page->SetSequence(Max(), false);
    EXPECT_TRUE(Queue(page, 0).empty());

    // A report of a value never sent empties the queue and is shown.
    ClickArrow(page, 1);
    EXPECT_EQ(Sent(), (Commands{{5, Max() - 1}}));
    page->SetSequence(Max() + 4, false);
    EXPECT_TRUE(Queue(page, 0).empty());
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), wxString::Format("%d", Max()));
}

// The one field stays selected: the page never reports a selection.
TEST_P(SequenceOnlyPageTest, SelectionNeverChanges)
{
    for (int16_t index = 0; index < 8; ++index) {
        SetCtrlText(page, XRCID("IDC_AU_HELPTEXT"), "stale");
        page->SelectFieldByIndex(index);
        EXPECT_EQ(page->GetSelectedFieldIndex(), 0);
        EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "each sync. signal will trigger the selected number of flashes");
    }
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_SEQUENCE")));
    EXPECT_FALSE(ReleaseMouseAt(page, wxPoint(1, 1)));
    EXPECT_TRUE(Sent().empty());
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_SEQUENCE"));
}

TEST_P(SequenceOnlyPageTest, ResetAsksTheUnitAndOtherWordsStayZero)
{
    page->SetSequence(5, false);
    ClickButton(page, "IDC_AU_RESET");
    EXPECT_EQ(Sent(), (Commands{{15, 0}}));
    EXPECT_EQ(page->GetSequence(), 5);
    EXPECT_EQ(page->GetDelay(), 0);
    EXPECT_EQ(page->GetPreset(), 0);
    EXPECT_EQ(page->GetAlternate(), 0);
    EXPECT_EQ(page->GetT01Value(), 0);
    EXPECT_EQ(page->GetT01ValueAlt(), 0);
    EXPECT_EQ(page->GetInterval(), 0);
    EXPECT_EQ(page->GetIntervalAlt(), 0);
    EXPECT_EQ(page->GetT01MaxPreset(), 0);
}

INSTANTIATE_TEST_SUITE_P(Families, SequenceOnlyPageTest, testing::Values(Kind::Nuvek, Kind::Ribex),
                         [](const testing::TestParamInfo<Kind>& info) { return std::string(Name(info.param)); });

}  // namespace
