// The Quirel A1 auxiliary-function page as the user and the unit meet it:
// picking fields, stepping and releasing, the scroll bar, the values echoed
// back, preset sequences with their drawings, T0.1, store and reset.
#include "AuxPageDriver.h"
#include "DecimalCommaLocale.h"

#include <string>

#include <wx/statbmp.h>

#include "pages/aux/AuxPage.h"

using namespace guitest;

namespace {

const char* const kFieldNames[] = {"IDC_AU_SEQUENCE", "IDC_AU_T01",    "IDC_AU_INTERVAL",
                                   "IDC_AU_DELAY",    "IDC_AU_PRESET", "IDC_AU_ALTERNATE"};

class QuirelAuxPageTest : public AuxPageTest {
protected:
    void SetUp() override
    {
        AuxPageTest::SetUp();
        page = Make<CAuxPage>("DLG_AUX_PAGE");
    }

    CAuxPage* Remake()
    {
        page = Make<CAuxPage>("DLG_AUX_PAGE");
        return page;
    }

    // Which fields take clicks, in field order.
    std::string Enabled() const
    {
        std::string state;
        for (const char* name : kFieldNames)
            state += Control(page, name)->IsEnabled() ? '1' : '0';
        return state;
    }

    bool SpinShown() const { return page->FindWindow("IDC_AU_SPIN_container")->IsShown(); }

    CAuxPage* page = nullptr;
};

TEST_F(QuirelAuxPageTest, StartsOnTheSequenceWithItsHelpAndTheSpinButton)
{
    EXPECT_EQ(page->GetSelectedField(), CAuxPage::SEQUENCE);
    EXPECT_EQ(page->GetSelectedFieldIndex(), 0);
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_SEQUENCE"));
    EXPECT_EQ(Control(page, "IDC_AU_DELAY")->GetBackgroundColour(), *wxWHITE);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help sequence");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "each sync. signal will trigger the selected number of flashes");
    EXPECT_TRUE(IsShown(page, "IDC_AU_HELPTEXT"));
    EXPECT_FALSE(IsShown(page, "IDC_AU_HELPIMAGE"));
    EXPECT_FALSE(IsShown(page, "IDC_AU_PRESET_GROUP"));
    EXPECT_FALSE(IsShown(page, "IDC_AU_PRESET_T1"));
    EXPECT_TRUE(SpinShown());
    EXPECT_FALSE(IsShown(page, "IDC_AU_SCROLL"));
    EXPECT_EQ(Enabled(), "111111");
    const wxRect help = Control(page, "IDC_AU_HELPTEXT")->GetScreenRect();
    EXPECT_TRUE(page->GetScreenRect().Contains(help));
    EXPECT_GT(help.GetTop(), Control(page, "IDC_AU_ALTERNATE")->GetScreenRect().GetBottom());

    // The spin button sits in its place, which gave it its size.
    wxWindow* spin = Spin(page);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->GetParent(), page->FindWindow("IDC_AU_SPIN_container"));
    EXPECT_EQ(spin->GetSize(), spin->GetParent()->GetSize());

    const std::pair<const char*, const char*> captions[] = {
        {"IDC_AU_RESET", "reset"},
        {"IDC_AU_STORE", "store aux. flash functions"},
        {"IDC_AU_LA_SEQUENCE", "sequence"},
        {"IDC_AU_LA_INTERVAL", "interval"},
        {"IDC_AU_LA_DELAY", "delay"},
        {"IDC_AU_LA_PRESET", "preset sequence"},
        {"IDC_AU_LA_ALTERNATE", "alternate the order"},
        {"IDC_AU_PRESET_GROUP", "preset sequence time"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(TextOf(page, name), caption) << name;
    EXPECT_EQ(Control(page, "IDC_AU_STORE")->GetToolTipText(), "stores aux. flash functions when unit is turned off");
    EXPECT_EQ(Control(page, "IDC_AU_RESET")->GetToolTipText(), "switches off all auxiliary functions");

    wxScrollBar* bar = ScrollBar(page);
    EXPECT_EQ(bar->GetRange(), 5000);
    EXPECT_EQ(bar->GetThumbSize(), 1);
    EXPECT_EQ(bar->GetPageSize(), 10);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(QuirelAuxPageTest, CaptionsFollowTheLanguage)
{
    host->languageOffset = 500;
    Remake();
    EXPECT_EQ(TextOf(page, "IDC_AU_LA_SEQUENCE"), "Blitzfolge");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "Hilfe Blitzfolge");
    page->SetSequence(0, false);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "aus");
}

// The user steps the sequence and releases; the unit echoes what it took.
TEST_F(QuirelAuxPageTest, ReportsThatEchoSentValuesAreSwallowed)
{
    struct Step {
        const char* what;
        int spinSteps;  // > 0 up, < 0 down, then a release; 0: a report
        int report;
        const char* shown;
        std::vector<int> queue;
        Commands sent;
    };
    const Step steps[] = {
        {"unit reports 2", 0, 2, "2", {}, {}},
        {"2 -> 5, release", 3, 0, "5", {5}, {{5, 5}}},
        {"5 -> 7, release", 2, 0, "7", {5, 7}, {{5, 7}}},
        {"echo of 5", 0, 5, "7", {7}, {}},
        {"echo of 7", 0, 7, "7", {}, {}},
        {"7 -> 5, release", -2, 0, "5", {5}, {{5, 5}}},
        {"5 -> 6, release", 1, 0, "6", {5, 6}, {{5, 6}}},
        {"echo of the second entry", 0, 6, "6", {}, {}},
        {"6 -> 8, release", 2, 0, "8", {8}, {{5, 8}}},
        {"8 -> 9, release", 1, 0, "9", {8, 9}, {{5, 9}}},
        {"a value never sent", 0, 6, "6", {}, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.spinSteps)
            SpinPress(page, step.spinSteps > 0 ? 1 : -1, std::abs(step.spinSteps));
        else
            page->SetSequence(step.report, false);
        EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), step.shown);
        EXPECT_EQ(Queue(page, CAuxPage::SEQUENCE), step.queue);
        EXPECT_EQ(Sent(), step.sent);
    }
    // The queue compares the raw report: 60 is no echo of the 50 it shows.
    SpinPress(page, 1, 60);
    EXPECT_EQ(Queue(page, CAuxPage::SEQUENCE), (std::vector<int>{50}));
    page->SetSequence(60, false);
    EXPECT_TRUE(Queue(page, CAuxPage::SEQUENCE).empty());
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "50");
}

TEST_F(QuirelAuxPageTest, EveryPressSendsOnceAlsoAtALimit)
{
    page->SetSequence(50, false);
    ClickArrow(page, 0);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "50");
    EXPECT_EQ(Sent(), (Commands{{5, 50}}));
    EXPECT_EQ(Queue(page, CAuxPage::SEQUENCE), (std::vector<int>{50}));

    page->SetSequence(0, false);
    ClickArrow(page, 1);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "off");
    EXPECT_EQ(Sent(), (Commands{{5, 0}}));

    page->SelectFieldByIndex(3);
    Sent();
    for (int n = 0; n < 3; ++n)
        ClickArrow(page, 0);
    EXPECT_EQ(TextOf(page, "IDC_AU_ALTERNATE"), "2");
    EXPECT_EQ(Sent(), (Commands{{10, 1}, {10, 2}, {10, 2}}));
    EXPECT_EQ(Queue(page, CAuxPage::ALTERNATE), (std::vector<int>{1, 2, 2}));
    page->SetAlternate(1, false);
    page->SetAlternate(2, false);
    EXPECT_EQ(Queue(page, CAuxPage::ALTERNATE), (std::vector<int>{2}));
    EXPECT_EQ(TextOf(page, "IDC_AU_ALTERNATE"), "2");
    page->SetAlternate(7, false);
    EXPECT_TRUE(Queue(page, CAuxPage::ALTERNATE).empty());
    EXPECT_EQ(TextOf(page, "IDC_AU_ALTERNATE"), "2");
    EXPECT_EQ(page->GetAlternate(), 2);
}

// Interval and delay are edited with the inverted bar: the value is 5000
// minus the thumb position, a line down shortens by 0.01 s.
TEST_F(QuirelAuxPageTest, ScrollBarEditsTheIntervalAboveItsMinimum)
{
    page->SetMinInterval(50);
    page->SelectFieldByIndex(2);
    ASSERT_EQ(page->GetSelectedField(), CAuxPage::INTERVAL);
    EXPECT_FALSE(SpinShown());
    EXPECT_TRUE(IsShown(page, "IDC_AU_SCROLL"));
    Sent();

    wxScrollBar* bar = ScrollBar(page);
    struct Step {
        const char* what;
        wxEventType type;  // 0: the unit reports value
        int value;         // the thumb position, or the report
        const char* shown;
        int stored;
        Commands sent;
        int thumb;  // -1: where it was
    };
    const Step steps[] = {
        {"line up from off", wxEVT_SCROLL_LINEUP, 0, "0.50s", 50, {{7, 50}}, 4950},
        {"unit reports 60", 0, 60, "0.60s", 60, {}, 4940},
        {"line down", wxEVT_SCROLL_LINEDOWN, 0, "0.59s", 59, {{7, 59}}, 4941},
        {"line down", wxEVT_SCROLL_LINEDOWN, 0, "0.58s", 58, {{7, 58}}, 4942},
        {"line down", wxEVT_SCROLL_LINEDOWN, 0, "0.57s", 57, {{7, 57}}, 4943},
        {"page up", wxEVT_SCROLL_PAGEUP, 0, "0.67s", 67, {{7, 67}}, 4933},
        {"page down", wxEVT_SCROLL_PAGEDOWN, 0, "0.57s", 57, {{7, 57}}, 4943},
        {"dragging shows only", wxEVT_SCROLL_THUMBTRACK, 1000, "40.00s", 4000, {}, -1},
        {"dragging below the minimum", wxEVT_SCROLL_THUMBTRACK, 4990, "off", 0, {}, -1},
        {"released at the top", wxEVT_SCROLL_THUMBRELEASE, 0, "50.00s", 5000, {{7, 5000}}, 0},
        {"top", wxEVT_SCROLL_TOP, 0, "50.00s", 5000, {}, -1},
        {"bottom", wxEVT_SCROLL_BOTTOM, 4999, "50.00s", 5000, {}, -1},
        {"unit reports 50", 0, 50, "0.50s", 50, {}, 4950},
        {"below the minimum", wxEVT_SCROLL_LINEDOWN, 0, "off", 0, {{7, 0}}, 4999},
        {"unit reports too long", 0, 7000, "50.00s", 5000, {}, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const int thumbBefore = bar->GetThumbPosition();
        if (step.type)
            ScrollEvent(page, step.type, step.value);
        else
            page->SetInterval(step.value, true);
        EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), step.shown);
        EXPECT_EQ(page->GetInterval(), step.stored);
        EXPECT_EQ(Sent(), step.sent);
        EXPECT_EQ(bar->GetThumbPosition(), step.thumb < 0 ? thumbBefore : step.thumb);
    }
}

TEST_F(QuirelAuxPageTest, ScrollBarEditsTheDelayWithoutMinimum)
{
    page->SetMinInterval(50);
    page->SetDelay(5, true);
    page->SelectFieldByIndex(4);
    ASSERT_EQ(page->GetSelectedField(), CAuxPage::DELAY);
    EXPECT_EQ(ScrollBar(page)->GetThumbPosition(), 4995);
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));

    ScrollEvent(page, wxEVT_SCROLL_LINEDOWN);
    EXPECT_EQ(TextOf(page, "IDC_AU_DELAY"), "0.04s");
    EXPECT_EQ(Sent(), (Commands{{8, 4}}));
    ScrollEvent(page, wxEVT_SCROLL_PAGEDOWN);
    EXPECT_EQ(TextOf(page, "IDC_AU_DELAY"), "off");
    EXPECT_EQ(Sent(), (Commands{{8, 0}}));
    ScrollEvent(page, wxEVT_SCROLL_THUMBRELEASE, 3750);
    EXPECT_EQ(TextOf(page, "IDC_AU_DELAY"), "12.50s");
    EXPECT_EQ(Sent(), (Commands{{8, 1250}}));
    // The interval stays as it was; moving from delay to interval keeps the
    // bar and puts the thumb on the interval.
    page->SetInterval(300, false);
    page->SelectFieldByIndex(2);
    EXPECT_EQ(ScrollBar(page)->GetThumbPosition(), 4700);
    EXPECT_TRUE(IsShown(page, "IDC_AU_SCROLL"));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    // Scroll events while a counted field is picked change nothing.
    page->SelectFieldByIndex(0);
    Sent();
    ScrollEvent(page, wxEVT_SCROLL_LINEUP);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(page->GetDelay(), 1250);
    EXPECT_EQ(page->GetInterval(), 300);
}

TEST_F(QuirelAuxPageTest, SecondsKeepTheirPointUnderADecimalCommaLocale)
{
    DecimalCommaLocale german;
    if (!german.Active())
        GTEST_SKIP() << "no German number format here (localedef missing?)";
    page->SetMinInterval(50);
    page->SelectFieldByIndex(2);
    ScrollEvent(page, wxEVT_SCROLL_LINEUP);
    EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), "0.50s");
    page->SetPresetTimes(125, 0, 5000);
    EXPECT_EQ(TextOf(page, "IDC_AU_PRESET_T1"), "1.25s");
    EXPECT_EQ(TextOf(page, "IDC_AU_PRESET_T2"), "0.00s");
    EXPECT_EQ(TextOf(page, "IDC_AU_PRESET_T3"), "50.00s");
}

// Through the X server, as the user clicks.
TEST_F(QuirelAuxPageTest, RealClickOnAFieldSelectsIt)
{
    ASSERT_TRUE(WaitFor([&] { return Control(page, "IDC_AU_DELAY")->IsShownOnScreen(); }));
    ASSERT_TRUE(RealClickAt(page, CentreOf(page, "IDC_AU_DELAY")));
    ASSERT_TRUE(WaitFor([&] { return !host->commands.empty(); }));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedFieldIndex(), 4);
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_DELAY"));
    EXPECT_EQ(Control(page, "IDC_AU_SEQUENCE")->GetBackgroundColour(), *wxWHITE);
    EXPECT_EQ(Control(page, "IDC_AU_SEQUENCE")->GetForegroundColour(), *wxBLACK);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help delay");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "time delay between triggering and (first) flash");
    EXPECT_FALSE(SpinShown());
    EXPECT_TRUE(IsShown(page, "IDC_AU_SCROLL"));

    // The same field again: nothing to tell the unit.
    ASSERT_TRUE(RealClickAt(page, CentreOf(page, "IDC_AU_DELAY")));
    EXPECT_TRUE(Sent().empty());

    ASSERT_TRUE(RealClickAt(page, CentreOf(page, "IDC_AU_ALTERNATE")));
    ASSERT_TRUE(WaitFor([&] { return !host->commands.empty(); }));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedFieldIndex(), 3);
    EXPECT_TRUE(SpinShown());
    EXPECT_FALSE(IsShown(page, "IDC_AU_SCROLL"));
}

TEST_F(QuirelAuxPageTest, ClickOutsideTheFieldsIsPassedOn)
{
    const wxRect sequence = Control(page, "IDC_AU_SEQUENCE")->GetRect();
    const wxRect t01 = Control(page, "IDC_AU_T01")->GetRect();
    ASSERT_LT(sequence.GetBottom() + 1, t01.GetTop());
    EXPECT_FALSE(ReleaseMouseAt(page, wxPoint(sequence.x + 2, sequence.GetBottom() + 1)));
    EXPECT_FALSE(ReleaseMouseAt(page, wxPoint(1, 1)));
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(page->GetSelectedField(), CAuxPage::SEQUENCE);

    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_T01")));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedField(), CAuxPage::T01);
}

// A field the page hides is not there for the user: a click on its area is
// the page's, and must not pick a field the unit may lack.
TEST_F(QuirelAuxPageTest, ClickWhereAHiddenFieldLiesSelectsNothing)
{
    ShowCtrl(page, XRCID("IDC_AU_ALTERNATE"), false);
    ShowCtrl(page, XRCID("IDC_AU_INTERVAL"), false);
    EXPECT_FALSE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_ALTERNATE")));
    EXPECT_FALSE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_INTERVAL")));
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(page->GetSelectedField(), CAuxPage::SEQUENCE);
    // With no time picked, the scroll bar stays hidden and edits nothing.
    EXPECT_FALSE(IsShown(page, "IDC_AU_SCROLL"));
    ScrollEvent(page, wxEVT_SCROLL_LINEUP);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(QuirelAuxPageTest, ClickOnADisabledFieldDoesNothing)
{
    page->SetPreset(3, false);
    ASSERT_EQ(page->GetSelectedField(), CAuxPage::DELAY);
    ASSERT_FALSE(Control(page, "IDC_AU_SEQUENCE")->IsEnabled());
    Sent();
    // Taken by the page, not passed on, and nothing selected.
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_SEQUENCE")));
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(page->GetSelectedField(), CAuxPage::DELAY);
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_T01")));
    EXPECT_TRUE(Sent().empty());

    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_PRESET")));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedField(), CAuxPage::PRESET);
}

// The unit's selection report: 0..5, 6 and 7 count as 5; a running preset
// leaves only delay (4) and preset (5).
TEST_F(QuirelAuxPageTest, SelectionReportIsClampedByThePreset)
{
    struct Case {
        int preset;
        int16_t index;
        int field;
    };
    const Case cases[] = {
        {0, 0, CAuxPage::SEQUENCE},  {0, 1, CAuxPage::T01},    {0, 2, CAuxPage::INTERVAL}, {0, 3, CAuxPage::ALTERNATE},
        {0, 4, CAuxPage::DELAY},     {0, 5, CAuxPage::PRESET}, {0, 6, CAuxPage::PRESET},   {0, 7, CAuxPage::PRESET},
        {0, -3, CAuxPage::SEQUENCE}, {3, 0, CAuxPage::DELAY},  {3, 2, CAuxPage::DELAY},    {3, 3, CAuxPage::DELAY},
        {3, 4, CAuxPage::DELAY},     {3, 5, CAuxPage::PRESET}, {3, 7, CAuxPage::PRESET},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "preset " << c.preset << " index " << c.index);
        Remake();
        page->SetPreset(c.preset, false);
        page->SelectFieldByIndex(4);
        Sent();
        page->SelectFieldByIndex(c.index);
        EXPECT_EQ(page->GetSelectedField(), c.field);
        EXPECT_TRUE(IsHighlighted(page, kFieldNames[c.field]));
        EXPECT_EQ(Sent(), (c.field == CAuxPage::DELAY ? Commands{} : Commands{{11, 0}}));
    }
}

TEST_F(QuirelAuxPageTest, SelectionReportRedrawsTheHelpWithoutAChange)
{
    SetCtrlText(page, XRCID("IDC_AU_HELPTEXT"), "stale");
    page->SelectFieldByIndex(0);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "each sync. signal will trigger the selected number of flashes");
    EXPECT_TRUE(Sent().empty());
}

// The unit starts a preset sequence while the sequence is picked.
TEST_F(QuirelAuxPageTest, PresetLocksTheOtherFieldsAndShowsItsDrawing)
{
    struct Case {
        uint16_t language;
        int16_t key;
    };
    for (const Case& c : {Case{0, 443}, Case{500, 180}, Case{1000, 179}, Case{1500, 443}}) {
        SCOPED_TRACE(c.language);
        host->languageOffset = c.language;
        Remake();
        page->SetPresetTimes(120, 250, 80);
        page->SetPreset(5, false);

        EXPECT_EQ(host->journal, (std::vector<std::string>{"SetLightsInhibited(1)"}));
        EXPECT_EQ(Sent(), (Commands{{11, 0}}));
        EXPECT_EQ(page->GetSelectedField(), CAuxPage::DELAY);
        EXPECT_TRUE(IsHighlighted(page, "IDC_AU_DELAY"));
        EXPECT_TRUE(IsShown(page, "IDC_AU_SCROLL"));
        EXPECT_EQ(Enabled(), "000110");
        EXPECT_EQ(TextOf(page, "IDC_AU_PRESET"), "5");

        EXPECT_EQ(page->GetShownDrawingKey(), c.key);
        EXPECT_TRUE(IsShown(page, "IDC_AU_HELPIMAGE"));
        auto* image = wxDynamicCast(Control(page, "IDC_AU_HELPIMAGE"), wxStaticBitmap);
        EXPECT_EQ(image->GetBitmap().GetSize(), wxSize(252, 98));
        EXPECT_FALSE(IsShown(page, "IDC_AU_HELPGROUP"));
        EXPECT_FALSE(IsShown(page, "IDC_AU_HELPTEXT"));
        EXPECT_TRUE(IsShown(page, "IDC_AU_PRESET_GROUP"));
        EXPECT_TRUE(IsShown(page, "IDC_AU_PRESET_T1"));
        EXPECT_TRUE(IsShown(page, "IDC_AU_PRESET_LA_T2"));
        EXPECT_TRUE(IsShown(page, "IDC_AU_PRESET_T2"));
        EXPECT_FALSE(IsShown(page, "IDC_AU_PRESET_T3"));
        EXPECT_FALSE(IsShown(page, "IDC_AU_PRESET_LA_T3"));
        EXPECT_FALSE(IsShown(page, "IDC_AU_PRESET_T_SPIN"));
        EXPECT_EQ(TextOf(page, "IDC_AU_PRESET_T1"), "1.20s");
        EXPECT_EQ(TextOf(page, "IDC_AU_PRESET_T2"), "2.50s");

        // The drawing and the times take the help's place below the fields.
        ASSERT_TRUE(WaitForSettledLayout(page));
        const wxRect drawing = image->GetScreenRect();
        const wxRect times = Control(page, "IDC_AU_PRESET_GROUP")->GetScreenRect();
        EXPECT_TRUE(page->GetScreenRect().Contains(drawing));
        EXPECT_TRUE(page->GetScreenRect().Contains(times));
        EXPECT_FALSE(drawing.Intersects(times));
        for (const char* name : kFieldNames)
            EXPECT_GT(drawing.GetTop(), Control(page, name)->GetScreenRect().GetBottom()) << name;
    }
}

// The long presets have a drawing of their own on a unit of energy class 0
// whose auxiliary lights 1 and 2 are both on.
TEST_F(QuirelAuxPageTest, LongPresetDrawingDependsOnTheUnitAndItsLights)
{
    struct Case {
        uint16_t language;
        uint8_t energyClass;
        bool light1;
        bool light2;
        int16_t key;
    };
    const Case cases[] = {
        {0, 0, true, true, 445}, {500, 0, true, true, 183},  {1000, 0, true, true, 184},  {1500, 0, true, true, 445},
        {0, 1, true, true, 444}, {500, 0, true, false, 181}, {1000, 0, false, true, 182},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.language << " class " << int(c.energyClass) << " lights " << c.light1
                                        << c.light2);
        host->languageOffset = c.language;
        unit->SetEnergyType(c.energyClass);
        host->auxLightOn[0] = c.light1;
        host->auxLightOn[1] = c.light2;
        Remake();
        page->SetPreset(12, false);
        EXPECT_EQ(page->GetShownDrawingKey(), c.key);
        EXPECT_TRUE(IsShown(page, "IDC_AU_PRESET_T3"));
    }
}

TEST_F(QuirelAuxPageTest, PresetEndingFreesTheFieldsAndKeepsTheSelection)
{
    page->SetPreset(5, false);
    Sent();
    host->journal.clear();
    page->SetPreset(0, false);
    EXPECT_EQ(host->journal, (std::vector<std::string>{"SetLightsInhibited(0)"}));
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(page->GetSelectedField(), CAuxPage::DELAY);
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_DELAY"));
    EXPECT_EQ(Enabled(), "111111");
    EXPECT_EQ(TextOf(page, "IDC_AU_PRESET"), "off");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help preset sequence");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "allows to use preset flash sequences with varying power and intervals");
    EXPECT_TRUE(IsShown(page, "IDC_AU_HELPTEXT"));
    EXPECT_FALSE(IsShown(page, "IDC_AU_HELPIMAGE"));
    EXPECT_FALSE(IsShown(page, "IDC_AU_PRESET_GROUP"));
    EXPECT_EQ(page->GetShownDrawingKey(), 0);

    // With the preset off, delay shows its own help again.
    page->SelectFieldByIndex(4);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help delay");
    // A preset within the running one changes neither lights nor selection.
    page->SetPreset(2, false);
    host->journal.clear();
    Sent();
    page->SetPreset(3, false);
    EXPECT_TRUE(host->journal.empty());
    EXPECT_TRUE(Sent().empty());
}

// The user steps the preset with the spin button; the drawing follows the
// range of presets, the release sends and queues.
TEST_F(QuirelAuxPageTest, SteppingThePresetWalksThroughItsDrawings)
{
    page->SelectFieldByIndex(5);
    Sent();
    struct Step {
        int steps;
        const char* shown;
        int16_t key;
        int times;
    };
    const Step steps[] = {{1, "1", 442, 1}, {1, "2", 442, 1}, {3, "5", 443, 2}, {4, "9", 444, 3}, {10, "16", 444, 3}};
    int preset = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.shown);
        SpinPress(page, 1, step.steps);
        preset = std::min(preset + step.steps, 16);
        EXPECT_EQ(TextOf(page, "IDC_AU_PRESET"), step.shown);
        EXPECT_EQ(page->GetShownDrawingKey(), step.key);
        EXPECT_EQ(IsShown(page, "IDC_AU_PRESET_T2"), step.times >= 2);
        EXPECT_EQ(IsShown(page, "IDC_AU_PRESET_T3"), step.times >= 3);
        EXPECT_EQ(Sent(), (Commands{{9, preset}}));
    }
    EXPECT_EQ(host->journal, (std::vector<std::string>{"SetLightsInhibited(1)"}));
    EXPECT_EQ(Enabled(), "000110");
    EXPECT_EQ(page->GetSelectedField(), CAuxPage::PRESET);

    // The unit echoes the values sent: swallowed, side effects included.
    host->journal.clear();
    for (int value : {1, 2, 5, 9})
        page->SetPreset(value, false);
    EXPECT_EQ(TextOf(page, "IDC_AU_PRESET"), "16");
    EXPECT_TRUE(host->journal.empty());
    page->SetPreset(16, false);
    EXPECT_TRUE(Queue(page, CAuxPage::PRESET).empty());

    SpinPress(page, -1, 16);
    EXPECT_EQ(TextOf(page, "IDC_AU_PRESET"), "off");
    EXPECT_EQ(host->journal, (std::vector<std::string>{"SetLightsInhibited(0)"}));
    EXPECT_EQ(Enabled(), "111111");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help preset sequence");
}

TEST_F(QuirelAuxPageTest, T01CaptionFollowsTheModeAndTheValueItsWord)
{
    struct Case {
        int mode;
        uint16_t value;
        const char* caption;
        const char* shown;
        int16_t stored;
    };
    const Case cases[] = {
        {0x00, 250, "flash duration t0.1 opt.", "1/250", 0x00},   {0x81, 0, "flash duration t0.1", "", 0x81},
        {0x80, 1000, "flash duration t0.1 min.", "1/1000", 0x80}, {0xF3, 60, "flash duration t0.1", "1/60", 0x83},
        {0x70, 30, "flash duration t0.1 opt.", "1/30", 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        page->SetT01Value(c.value);
        page->SetT01(c.mode);
        EXPECT_EQ(TextOf(page, "IDC_AU_LA_T01"), c.caption);
        EXPECT_EQ(TextOf(page, "IDC_AU_T01"), c.shown);
        EXPECT_EQ(page->GetT01Mode(), c.stored);
        EXPECT_EQ(page->GetT01Value(), c.value);
    }
    // A suggested value is kept apart and not shown.
    page->SetT01ValueAlt(125);
    page->SetT01(0x81);
    EXPECT_EQ(page->GetT01ValueAlt(), 125);
    EXPECT_EQ(TextOf(page, "IDC_AU_T01"), "1/30");
    EXPECT_TRUE(Sent().empty());
}

TEST_F(QuirelAuxPageTest, T01StepsGoToTheUnitUnlessOneIsUnderWay)
{
    page->SetT01Value(250);
    page->SetT01(0x81);
    page->SelectFieldByIndex(1);
    Sent();
    ClickArrow(page, 0);
    ClickArrow(page, 1);
    EXPECT_EQ(Sent(), (Commands{{6, 1}, {6, 0}}));
    EXPECT_EQ(TextOf(page, "IDC_AU_T01"), "1/250");

    host->stepPending = true;
    ClickArrow(page, 0);
    EXPECT_TRUE(Sent().empty());
    host->stepPending = false;
    SpinPress(page, -1, 2);
    EXPECT_EQ(Sent(), (Commands{{6, 0}, {6, 0}}));
}

TEST_F(QuirelAuxPageTest, StoreSendsTheBoxAfterTheClickAndResetAsksTheUnit)
{
    page->SetStore(true);
    EXPECT_TRUE(page->IsStoreChecked());
    EXPECT_TRUE(Sent().empty());
    Tick(page, "IDC_AU_STORE", false);
    EXPECT_EQ(Sent(), (Commands{{16, 0}}));
    Tick(page, "IDC_AU_STORE", true);
    EXPECT_EQ(Sent(), (Commands{{16, 1}}));

    page->SetSequence(4, false);
    ClickButton(page, "IDC_AU_RESET");
    EXPECT_EQ(Sent(), (Commands{{15, 0}}));
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "4");
}

TEST_F(QuirelAuxPageTest, UnitReportsClampAndGettersReturnTheWords)
{
    page->SetSequence(70, false);
    page->SetDelay(-4, false);
    page->SetPreset(40, false);
    page->SetAlternate(-1, false);
    page->SetIntervalAlt(333);
    page->SetT01MaxPreset(64);
    EXPECT_EQ(page->GetSequence(), 50);
    EXPECT_EQ(page->GetDelay(), 0);
    EXPECT_EQ(page->GetPreset(), 16);
    EXPECT_EQ(page->GetAlternate(), 0);
    EXPECT_EQ(page->GetIntervalAlt(), 333);
    EXPECT_EQ(page->GetT01MaxPreset(), 64);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "50");
    EXPECT_EQ(TextOf(page, "IDC_AU_DELAY"), "off");
    EXPECT_EQ(TextOf(page, "IDC_AU_PRESET"), "16");
    EXPECT_EQ(TextOf(page, "IDC_AU_ALTERNATE"), "off");
}

}  // namespace
