// The Zarit auxiliary-function page as the user and the unit meet it: the
// alternation of several packs, colour temperature and t0.1 steps, strobo
// locking the fields, the second pair of arrows for the times.
#include "AuxPageDriver.h"

#include <string>

#include <wx/tglbtn.h>

#include "pages/aux/AuxPageZarit.h"

using namespace guitest;

namespace {

using Page = CAuxPageZarit;

const char* const kFieldNames[] = {"IDC_AU_SEQUENCE", "IDC_AU_T01",       "IDC_AU_COLOR",       "IDC_AU_INTERVAL",
                                   "IDC_AU_DELAY",    "IDC_AU_ALTERNATE", "IDC_AU_NO_ALTERNATE"};

class ZaritAuxPageTest : public AuxPageTest {
protected:
    void SetUp() override
    {
        AuxPageTest::SetUp();
        Remake();
    }

    Page* Remake()
    {
        page = Make<Page>("DLG_AUX_PAGE_ZARIT");
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

    wxSpinButton* SpinScroll() const { return wxDynamicCast(Control(page, "IDC_AU_SPINSCROLL"), wxSpinButton); }

    wxToggleButton* Strobo() const { return wxDynamicCast(Control(page, "IDC_AU_STROBO"), wxToggleButton); }

    // One step of the second arrows as the toolkit raises it.
    void SpinScrollStep(int delta)
    {
        wxSpinButton* arrows = SpinScroll();
        wxSpinEvent event(delta > 0 ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, arrows->GetId());
        event.SetEventObject(arrows);
        arrows->GetEventHandler()->ProcessEvent(event);
    }

    // A click on the toggle: it changes state, then reports the click.
    void ClickStrobo()
    {
        wxToggleButton* toggle = Strobo();
        toggle->SetValue(!toggle->GetValue());
        wxCommandEvent event(wxEVT_TOGGLEBUTTON, toggle->GetId());
        event.SetInt(toggle->GetValue());
        Raise(toggle, event);
    }

    Page* page = nullptr;
};

TEST_F(ZaritAuxPageTest, StartsOnTheSequenceWithItsHelpCaptionsAndEditors)
{
    EXPECT_EQ(page->GetSelectedField(), Page::SEQUENCE);
    EXPECT_EQ(page->GetSelectedFieldIndex(), 0);
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_SEQUENCE"));
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help sequence");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "each sync. signal will trigger the selected number of flashes");
    EXPECT_EQ(Enabled(), "1111111");
    EXPECT_TRUE(SpinShown());
    EXPECT_FALSE(IsShown(page, "IDC_AU_SCROLL"));
    EXPECT_TRUE(IsShown(page, "IDC_AU_SPINSCROLL"));
    EXPECT_FALSE(Strobo()->GetValue());

    const std::pair<const char*, const char*> captions[] = {
        {"IDC_AU_RESET", "reset"},
        {"IDC_AU_STORE", "store aux. flash functions"},
        {"IDC_AU_LA_SEQUENCE", "sequence"},
        {"IDC_AU_LA_INTERVAL", "interval"},
        {"IDC_AU_LA_DELAY", "delay"},
        {"IDC_AU_LA_COLOR", "color temperature"},
        {"IDC_AU_LA_ALTERNATE", "alternate the order"},
        {"IDC_AU_LA_NO_ALTERNATE", "no. alternating pow. packs"},
        {"IDC_AU_STROBO", "strobo"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(TextOf(page, name), caption) << name;
    EXPECT_EQ(Control(page, "IDC_AU_STORE")->GetToolTipText(), "stores aux. flash functions when unit is turned off");
    EXPECT_EQ(Control(page, "IDC_AU_RESET")->GetToolTipText(), "switches off all auxiliary functions");

    wxScrollBar* bar = ScrollBar(page);
    EXPECT_EQ(bar->GetRange(), 5000);
    EXPECT_EQ(bar->GetThumbSize(), 1);
    EXPECT_EQ(bar->GetPageSize(), 10);
    // Before the unit's first report: two packs, the optimum colour.
    EXPECT_EQ(page->GetColour(), 4);
    EXPECT_EQ(page->GetColourAlt(), 4);
    EXPECT_EQ(page->GetPreset(), 0);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(ZaritAuxPageTest, CaptionsAndTextsFollowTheLanguage)
{
    host->languageOffset = 500;
    Remake();
    EXPECT_EQ(TextOf(page, "IDC_AU_LA_COLOR"), "Farbtemperatur");
    EXPECT_EQ(TextOf(page, "IDC_AU_STROBO"), "Strobo");
    page->SetNoAlternate(3);
    page->SetAlternate(3);
    EXPECT_EQ(TextOf(page, "IDC_AU_ALTERNATE"), "2 x warten");
    page->SetColour(4);
    EXPECT_EQ(TextOf(page, "IDC_AU_COLOR"), "Optimum");
}

// The number of packs and this pack's place go out together at every step;
// the place is clamped against the number only when it is set itself.
TEST_F(ZaritAuxPageTest, AlternationStepsAndReports)
{
    enum Action { Packs, Place, StepPacks, StepPlace, Release };
    struct Step {
        const char* what;
        Action action;
        int value;  // reported value, or step direction
        const char* packs;
        const char* place;
        Commands sent;
    };
    const Step steps[] = {
        {"unit reports 4 packs", Packs, 4, "4", "-", {}},
        {"and place 4", Place, 4, "4", "wait 3", {}},
        {"one pack fewer", StepPacks, -1, "3", "wait 3", {{10, 3 * 256 + 4}}},
        {"release sends nothing", Release, 0, "3", "wait 3", {}},
        {"the unit corrects the place", Place, 4, "3", "wait 2", {}},
        {"unit reports place 0", Place, 0, "3", "off", {}},
        {"place down from off", StepPlace, -1, "3", "off", {{10, 3 * 256}}},
        {"place up", StepPlace, 1, "3", "active", {{10, 3 * 256 + 1}}},
        {"place up", StepPlace, 1, "3", "wait 1", {{10, 3 * 256 + 2}}},
        {"place up", StepPlace, 1, "3", "wait 2", {{10, 3 * 256 + 3}}},
        {"place up at the number of packs", StepPlace, 1, "3", "wait 2", {{10, 3 * 256 + 3}}},
        {"release sends nothing", Release, 0, "3", "wait 2", {}},
        {"unit reports 9 packs", Packs, 9, "4", "wait 2", {}},
        {"unit reports 1 pack", Packs, 1, "2", "wait 2", {}},
        {"packs up", StepPacks, 1, "3", "wait 2", {{10, 3 * 256 + 3}}},
        {"packs up", StepPacks, 1, "4", "wait 2", {{10, 4 * 256 + 3}}},
        {"packs up at 4", StepPacks, 1, "4", "wait 2", {{10, 4 * 256 + 3}}},
        {"unit reports 3 packs", Packs, 3, "3", "wait 2", {}},
        {"and place 7", Place, 7, "3", "wait 2", {}},
        {"and place 1", Place, 1, "3", "active", {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        switch (step.action) {
        case Packs:
            page->SetNoAlternate(step.value);
            break;
        case Place:
            page->SetAlternate(step.value);
            break;
        case StepPacks:
        case StepPlace: {
            const int field = step.action == StepPacks ? Page::NO_ALTERNATE : Page::ALTERNATE;
            if (page->GetSelectedField() != field) {
                page->SelectFieldByIndex(step.action == StepPacks ? 6 : 3);
                EXPECT_EQ(Sent(), (Commands{{11, 0}}));
            }
            ClickArrow(page, step.value > 0 ? 0 : 1);
            break;
        }
        case Release:
            SpinRelease(page);
            break;
        }
        EXPECT_EQ(TextOf(page, "IDC_AU_NO_ALTERNATE"), step.packs);
        EXPECT_EQ(TextOf(page, "IDC_AU_ALTERNATE"), step.place);
        EXPECT_EQ(Sent(), step.sent);
    }
    // The device page reads the place as the preset.
    EXPECT_EQ(page->GetPreset(), 1);
}

TEST_F(ZaritAuxPageTest, ColourIsShownAsReportedInStepsOf200K)
{
    struct Case {
        int16_t index;
        const char* shown;
    };
    const Case cases[] = {{4, "optimum"}, {5, "+200K"}, {0, "-800K"}, {2, "-400K"}, {8, "+800K"}, {12, "+1600K"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        page->SetColour(c.index);
        EXPECT_EQ(TextOf(page, "IDC_AU_COLOR"), c.shown);
        EXPECT_EQ(page->GetColour(), c.index);
    }
    // The suggested step is kept apart and not shown.
    page->SetColourAlt(6);
    EXPECT_EQ(page->GetColourAlt(), 6);
    EXPECT_EQ(page->GetColour(), 12);
    EXPECT_EQ(TextOf(page, "IDC_AU_COLOR"), "+1600K");
    EXPECT_TRUE(Sent().empty());
}

// Colour and t0.1 steps are the unit's to make, one of each kind at a time;
// their pending marks are the device page's and independent.
TEST_F(ZaritAuxPageTest, ColourAndT01StepsGoToTheUnitUnlessOneOfTheirKindIsUnderWay)
{
    struct Case {
        int16_t index;
        const char* field;
        bool stepPending;
        bool secondStepPending;
        Commands sent;  // upper arrow, then lower
    };
    const Case cases[] = {
        {5, "colour", false, false, {{20, 1}, {20, 0}}},
        {5, "colour", true, false, {{20, 1}, {20, 0}}},
        {5, "colour", false, true, {}},
        {1, "t0.1", false, false, {{6, 1}, {6, 0}}},
        {1, "t0.1", false, true, {{6, 1}, {6, 0}}},
        {1, "t0.1", true, false, {}},
    };
    page->SetColour(5);
    page->SetT01Value(250);
    page->SetT01(0x81);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.field << " pending " << c.stepPending << c.secondStepPending);
        page->SelectFieldByIndex(c.index);
        Sent();
        host->stepPending = c.stepPending;
        host->secondStepPending = c.secondStepPending;
        ClickArrow(page, 0);
        ClickArrow(page, 1);
        EXPECT_EQ(Sent(), c.sent);
        EXPECT_EQ(TextOf(page, "IDC_AU_COLOR"), "+200K");
        EXPECT_EQ(TextOf(page, "IDC_AU_T01"), "1/250");
    }
}

TEST_F(ZaritAuxPageTest, OnlyTheSequenceIsSentOnRelease)
{
    host->programVersion = 3;
    page->SetSequence(0, false);
    ClickArrow(page, 0);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "2");
    EXPECT_EQ(Sent(), (Commands{{5, 2}}));
    EXPECT_EQ(Queue(page, Page::SEQUENCE), (std::vector<int>{2}));
    page->SetSequence(2, false);
    EXPECT_TRUE(Queue(page, Page::SEQUENCE).empty());
    EXPECT_EQ(page->GetSequence(), 2);

    for (int16_t index : {1, 5, 3, 6}) {
        SCOPED_TRACE(index);
        page->SelectFieldByIndex(index);
        Sent();
        host->stepPending = host->secondStepPending = true;
        SpinRelease(page);
        EXPECT_TRUE(Sent().empty());
    }
}

// The unit's selection report: 0..6, 7 counts as 6; the field already
// picked only has its help redrawn.
TEST_F(ZaritAuxPageTest, SelectionReportPicksByIndex)
{
    struct Case {
        int16_t index;
        int field;
        const char* help;
    };
    const Case cases[] = {
        {0, Page::SEQUENCE, "help sequence"},
        {1, Page::T01, "Help flash duration t0.1"},
        {2, Page::INTERVAL, "help interval"},
        {3, Page::ALTERNATE, "help alternate"},
        {4, Page::DELAY, "help delay"},
        {5, Page::COLOR, "Help colour temperature"},
        {6, Page::NO_ALTERNATE, "help alternate"},
        {7, Page::NO_ALTERNATE, "help alternate"},
        {-2, Page::SEQUENCE, "help sequence"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        page->SelectFieldByIndex(c.index == 0 || c.index == -2 ? 4 : 0);
        Sent();
        page->SelectFieldByIndex(c.index);
        EXPECT_EQ(page->GetSelectedField(), c.field);
        EXPECT_TRUE(IsHighlighted(page, kFieldNames[c.field]));
        EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), c.help);
        EXPECT_EQ(Sent(), (Commands{{11, 0}}));
        const bool scroll = c.field == Page::INTERVAL || c.field == Page::DELAY;
        EXPECT_EQ(IsShown(page, "IDC_AU_SCROLL"), scroll);
        EXPECT_EQ(SpinShown(), !scroll);

        SetCtrlText(page, XRCID("IDC_AU_HELPGROUP"), "stale");
        page->SelectFieldByIndex(c.index);
        EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), c.help);
        EXPECT_TRUE(Sent().empty());
    }
    page->SelectFieldByIndex(5);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"),
              "Leave the optimal colour temperature or selective manipulation the same, in intervals of +/- 200K.\n"
              "The colour temperature correction range is max. -400K and +800K.");
    page->SelectFieldByIndex(6);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"),
              "Alternating release (ping-pong). The number of units in use is entered here (max. 4 power packs). "
              "Each of these units is then assigned another start position. Only one of the units in use will "
              "trigger at each synchronisation signal whilst all the others are waiting.");
}

// The unit reports strobo on while the sequence is picked.
TEST_F(ZaritAuxPageTest, StroboMovesToTheColourAndLocksTheOtherFields)
{
    page->SetStrobo(1);
    EXPECT_TRUE(Strobo()->GetValue());
    EXPECT_EQ(page->GetSelectedField(), Page::COLOR);
    EXPECT_EQ(page->GetSelectedFieldIndex(), 5);
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_COLOR"));
    EXPECT_EQ(Control(page, "IDC_AU_SEQUENCE")->GetBackgroundColour(), *wxWHITE);
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(Enabled(), "0010100");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "Help colour temperature");

    // The locked fields take no clicks; delay still does.
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_SEQUENCE")));
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_NO_ALTERNATE")));
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(page->GetSelectedField(), Page::COLOR);
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_T01")));
    EXPECT_TRUE(Sent().empty());
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_DELAY")));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedField(), Page::DELAY);
    EXPECT_EQ(Enabled(), "0010100");

    // A repeated report changes nothing; strobo off frees every field and
    // keeps the selection.
    page->SetStrobo(1);
    EXPECT_TRUE(Sent().empty());
    page->SetStrobo(0);
    EXPECT_FALSE(Strobo()->GetValue());
    EXPECT_EQ(Enabled(), "1111111");
    EXPECT_EQ(page->GetSelectedField(), Page::DELAY);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help delay");
    EXPECT_TRUE(Sent().empty());
}

TEST_F(ZaritAuxPageTest, StroboWithDelayPickedKeepsTheDelay)
{
    page->SelectFieldByIndex(4);
    Sent();
    page->SetStrobo(1);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(page->GetSelectedField(), Page::DELAY);
    EXPECT_TRUE(IsShown(page, "IDC_AU_SCROLL"));
    EXPECT_EQ(Enabled(), "0010100");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help delay");

    // The unit may still pick any field; its help enables what it names
    // and leaves the others as they are, also once strobo is off.
    page->SelectFieldByIndex(3);
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedField(), Page::ALTERNATE);
    EXPECT_EQ(Enabled(), "1111101");
    page->SetStrobo(0);
    EXPECT_EQ(Enabled(), "1111101");
    page->SelectFieldByIndex(0);
    EXPECT_EQ(Enabled(), "1111111");
}

// The toggle asks the unit; the page follows only the unit's report.
TEST_F(ZaritAuxPageTest, StroboToggleAsksTheUnit)
{
    ClickStrobo();
    EXPECT_EQ(Sent(), (Commands{{29, 1}}));
    EXPECT_EQ(page->GetSelectedField(), Page::SEQUENCE);
    EXPECT_EQ(Enabled(), "1111111");

    page->SetStrobo(1);
    Sent();
    ClickStrobo();
    EXPECT_EQ(Sent(), (Commands{{29, 0}}));
    EXPECT_EQ(Enabled(), "0010100");
}

// The second arrows step the picked time as the scroll bar's line steps do:
// up lengthens by 0.01 s.
TEST_F(ZaritAuxPageTest, SecondArrowsStepTheIntervalAndTheDelay)
{
    page->SetInterval(100, true);
    page->SetDelay(5, true);
    page->SelectFieldByIndex(2);
    Sent();
    SpinScrollStep(1);
    EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), "1.01s");
    EXPECT_EQ(Sent(), (Commands{{7, 101}}));
    EXPECT_EQ(ScrollBar(page)->GetThumbPosition(), 4899);
    SpinScrollStep(-1);
    SpinScrollStep(-1);
    EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), "0.99s");
    EXPECT_EQ(Sent(), (Commands{{7, 100}, {7, 99}}));

    page->SelectFieldByIndex(4);
    Sent();
    SpinScrollStep(-1);
    EXPECT_EQ(TextOf(page, "IDC_AU_DELAY"), "0.04s");
    EXPECT_EQ(Sent(), (Commands{{8, 4}}));

    for (int16_t index : {0, 1, 3, 5, 6}) {
        SCOPED_TRACE(index);
        page->SelectFieldByIndex(index);
        Sent();
        SpinScrollStep(1);
        SpinScrollStep(-1);
        EXPECT_TRUE(Sent().empty());
    }
    EXPECT_EQ(page->GetInterval(), 99);
    EXPECT_EQ(page->GetDelay(), 4);
}

// Through the X server: every click on an arrow is a step, however many in
// one direction, since the arrows return to the middle of their range.
TEST_F(ZaritAuxPageTest, RealClicksOnTheSecondArrowsStepEveryTime)
{
    page->SetInterval(100, true);
    page->SelectFieldByIndex(2);
    Sent();
    wxSpinButton* arrows = SpinScroll();
    ASSERT_TRUE(WaitFor([&] { return IsPlaced(page) && arrows->IsShownOnScreen(); }));
    EXPECT_FALSE(arrows->HasFlag(wxSP_WRAP));
    EXPECT_LE(arrows->GetMin(), -100);
    EXPECT_GE(arrows->GetMax(), 100);
    const int middle = arrows->GetValue();
    EXPECT_EQ(middle, (arrows->GetMin() + arrows->GetMax()) / 2);

    const wxRect rect = arrows->GetRect();
    // GTK 3 lays the pair side by side, up on the right; else up is on top.
    const bool sideBySide = rect.width > rect.height;
    const wxPoint upper = sideBySide ? wxPoint(rect.x + rect.width * 3 / 4, rect.y + rect.height / 2)
                                     : wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 4);
    const wxPoint lower = sideBySide ? wxPoint(rect.x + rect.width / 4, rect.y + rect.height / 2)
                                     : wxPoint(rect.x + rect.width / 2, rect.y + rect.height * 3 / 4);
    for (int n = 0; n < 3; ++n) {
        ASSERT_TRUE(RealClickAt(page, upper)) << n;
        ASSERT_TRUE(WaitFor([&] { return !host->commands.empty(); })) << n;
        EXPECT_EQ(Sent(), (Commands{{7, 101 + n}}));
        EXPECT_EQ(arrows->GetValue(), middle);
    }
    ASSERT_TRUE(RealClickAt(page, lower));
    ASSERT_TRUE(WaitFor([&] { return !host->commands.empty(); }));
    EXPECT_EQ(Sent(), (Commands{{7, 102}}));
    EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), "1.02s");
    EXPECT_EQ(arrows->GetValue(), middle);
}

TEST_F(ZaritAuxPageTest, ScrollBarEditsIntervalAndDelay)
{
    page->SetMinInterval(50);
    page->SelectFieldByIndex(2);
    Sent();
    ScrollEvent(page, wxEVT_SCROLL_LINEUP);
    EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), "0.50s");
    EXPECT_EQ(Sent(), (Commands{{7, 50}}));
    ScrollEvent(page, wxEVT_SCROLL_THUMBTRACK, 4000);
    EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), "10.00s");
    EXPECT_TRUE(Sent().empty());
    ScrollEvent(page, wxEVT_SCROLL_THUMBRELEASE, 4000);
    EXPECT_EQ(Sent(), (Commands{{7, 1000}}));

    page->SelectFieldByIndex(4);
    EXPECT_EQ(ScrollBar(page)->GetThumbPosition(), 4999);
    Sent();
    ScrollEvent(page, wxEVT_SCROLL_PAGEUP);
    EXPECT_EQ(TextOf(page, "IDC_AU_DELAY"), "0.10s");
    EXPECT_EQ(Sent(), (Commands{{8, 10}}));
    ScrollEvent(page, wxEVT_SCROLL_TOP);
    EXPECT_TRUE(Sent().empty());
    // The unit's report moves the thumb of the picked time.
    page->SetDelay(2500, true);
    EXPECT_EQ(ScrollBar(page)->GetThumbPosition(), 2500);
}

TEST_F(ZaritAuxPageTest, UnitReportsStoreAndReset)
{
    page->SetSequence(70, false);
    page->SetDelay(6000, true);
    page->SetT01ValueAlt(125);
    page->SetT01Value(60);
    page->SetT01(0x80);
    page->SetIntervalAlt(333);
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "50");
    EXPECT_EQ(TextOf(page, "IDC_AU_DELAY"), "50.00s");
    EXPECT_EQ(TextOf(page, "IDC_AU_LA_T01"), "flash duration t0.1 min.");
    EXPECT_EQ(TextOf(page, "IDC_AU_T01"), "1/60");
    EXPECT_EQ(page->GetSequence(), 50);
    EXPECT_EQ(page->GetDelay(), 5000);
    EXPECT_EQ(page->GetT01Mode(), 0x80);
    EXPECT_EQ(page->GetT01Value(), 60);
    EXPECT_EQ(page->GetT01ValueAlt(), 125);
    EXPECT_EQ(page->GetIntervalAlt(), 333);

    page->SetStore(true);
    EXPECT_TRUE(Sent().empty());
    Tick(page, "IDC_AU_STORE", false);
    EXPECT_EQ(Sent(), (Commands{{16, 0}}));
    Tick(page, "IDC_AU_STORE", true);
    EXPECT_EQ(Sent(), (Commands{{16, 1}}));
    ClickButton(page, "IDC_AU_RESET");
    EXPECT_EQ(Sent(), (Commands{{15, 0}}));
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "50");
}

}  // namespace
