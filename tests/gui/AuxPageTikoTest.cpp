// The Tiko auxiliary-function page on units of type 18 (sequence and
// delay) and 25 or 26 (sequence only): what each shows, what the unit's
// selection report and the user's clicks can pick, the delay in tenths.
#include "AuxPageDriver.h"

#include <string>

#include "pages/aux/AuxPageTiko.h"

using namespace guitest;

namespace {

using Page = CAuxPageTiko;

const char* const kFieldNames[] = {"IDC_AU_SEQUENCE", "IDC_AU_INTERVAL", "IDC_AU_DELAY", "IDC_AU_ALTERNATE"};

class TikoAuxPageTest : public AuxPageTest {
protected:
    // A page for a unit of this type, whose information record gave the
    // same model code.
    Page* MakeFor(uint16_t type)
    {
        unit->SetVersion(type);
        host->modelCode = type;
        page = Make<Page>("DLG_AUX_PAGES_TIKO");
        return page;
    }

    std::string Enabled() const
    {
        std::string state;
        for (const char* name : kFieldNames)
            state += Control(page, name)->IsEnabled() ? '1' : '0';
        return state;
    }

    bool SpinShown() const { return page->FindWindow("IDC_AU_SPIN_container")->IsShown(); }

    // A shown control below window at the point on the screen, or null.
    static wxWindow* ShownControlAt(wxWindow* window, const wxPoint& onScreen)
    {
        for (wxWindow* child : window->GetChildren()) {
            if (!child->IsShown())
                continue;
            if (wxWindow* inner = ShownControlAt(child, onScreen))
                return inner;
            if (child->GetScreenRect().Contains(onScreen))
                return child;
        }
        return nullptr;
    }

    Page* page = nullptr;
};

TEST_F(TikoAuxPageTest, EachTypeShowsWhatItHas)
{
    struct Case {
        uint16_t type;
        bool delay;
    };
    for (const Case& c : {Case{18, true}, Case{25, false}, Case{26, false}}) {
        SCOPED_TRACE(c.type);
        MakeFor(c.type);
        EXPECT_TRUE(IsShown(page, "IDC_AU_SEQUENCE"));
        EXPECT_TRUE(IsShown(page, "IDC_AU_LA_SEQUENCE"));
        EXPECT_TRUE(IsShown(page, "IDC_AU_RESET"));
        EXPECT_TRUE(IsShown(page, "IDC_AU_HELPTEXT"));
        EXPECT_EQ(IsShown(page, "IDC_AU_DELAY"), c.delay);
        EXPECT_EQ(IsShown(page, "IDC_AU_LA_DELAY"), c.delay);
        EXPECT_EQ(IsShown(page, "IDC_AU_STORE"), c.delay);
        for (const char* name : {"IDC_AU_INTERVAL", "IDC_AU_LA_INTERVAL", "IDC_AU_ALTERNATE", "IDC_AU_LA_ALTERNATE"})
            EXPECT_FALSE(IsShown(page, name)) << name;
        EXPECT_TRUE(SpinShown());
        EXPECT_FALSE(IsShown(page, "IDC_AU_SCROLL"));
        EXPECT_TRUE(IsHighlighted(page, "IDC_AU_SEQUENCE"));
        EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help sequence");
        EXPECT_EQ(Enabled(), "1111");

        const std::pair<const char*, const char*> captions[] = {
            {"IDC_AU_RESET", "reset"},
            {"IDC_AU_LA_SEQUENCE", "sequence"},
            {"IDC_AU_LA_INTERVAL", "interval"},
            {"IDC_AU_LA_DELAY", "delay"},
            {"IDC_AU_LA_ALTERNATE", "alternate the order"},
            {"IDC_AU_STORE", "store aux. flash functions"},
        };
        for (const auto& [name, caption] : captions)
            EXPECT_EQ(TextOf(page, name), caption) << name;
        EXPECT_EQ(Control(page, "IDC_AU_RESET")->GetToolTipText(), "switches off all auxiliary functions");
        EXPECT_EQ(Control(page, "IDC_AU_STORE")->GetToolTipText(), "");

        wxScrollBar* bar = ScrollBar(page);
        EXPECT_EQ(bar->GetRange(), 99);
        EXPECT_EQ(bar->GetThumbSize(), 1);
        EXPECT_EQ(bar->GetPageSize(), 10);
        EXPECT_TRUE(Sent().empty());
    }
}

// The unit's three-bit index: 3 and above name the delay where the unit has
// one; interval and alternate are never picked.
TEST_F(TikoAuxPageTest, SelectionReportPicksTheDelayOnlyOnType18)
{
    struct Case {
        uint16_t type;
        int16_t index;
        int field;
    };
    const Case cases[] = {
        {18, 0, Page::SEQUENCE}, {18, 1, Page::SEQUENCE}, {18, 2, Page::SEQUENCE},  {18, 3, Page::DELAY},
        {18, 5, Page::DELAY},    {18, 7, Page::DELAY},    {18, -1, Page::SEQUENCE}, {25, 3, Page::SEQUENCE},
        {25, 5, Page::SEQUENCE}, {26, 7, Page::SEQUENCE}, {25, 1, Page::SEQUENCE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " index " << c.index);
        MakeFor(c.type);
        page->SelectFieldByIndex(c.index);
        EXPECT_EQ(page->GetSelectedField(), c.field);
        EXPECT_EQ(page->GetSelectedFieldIndex(), c.field == Page::DELAY ? 3 : 0);
        EXPECT_EQ(Sent(), (c.field == Page::DELAY ? Commands{{11, 0}} : Commands{}));
        EXPECT_EQ(IsShown(page, "IDC_AU_SCROLL"), c.field == Page::DELAY);
        EXPECT_EQ(SpinShown(), c.field != Page::DELAY);
    }
    // The delay's help; nothing is ever disabled here.
    MakeFor(18);
    page->SelectFieldByIndex(3);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPGROUP"), "help delay");
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "time delay between triggering and flash");
    EXPECT_EQ(Enabled(), "1111");
    page->SelectFieldByIndex(0);
    EXPECT_EQ(TextOf(page, "IDC_AU_HELPTEXT"), "each sync. signal will trigger the selected number of flashes");
    EXPECT_EQ(Enabled(), "1111");
}

// Where a field the unit lacks lies, a click is the page's: it picks
// nothing and tells the unit nothing.
TEST_F(TikoAuxPageTest, ClicksWhereHiddenFieldsLieSelectNothing)
{
    struct Case {
        uint16_t type;
        std::vector<const char*> hidden;
    };
    const Case cases[] = {
        {18, {"IDC_AU_INTERVAL", "IDC_AU_ALTERNATE"}},
        {25, {"IDC_AU_INTERVAL", "IDC_AU_ALTERNATE", "IDC_AU_DELAY"}},
        {26, {"IDC_AU_INTERVAL", "IDC_AU_ALTERNATE", "IDC_AU_DELAY"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        MakeFor(c.type);
        for (const char* name : c.hidden) {
            SCOPED_TRACE(name);
            const wxRect area = Control(page, name)->GetRect();
            ASSERT_FALSE(area.IsEmpty());
            // The place stays empty: a click there reaches the page.
            const wxPoint centre = CentreOf(page, name);
            ASSERT_TRUE(page->GetScreenRect().Contains(page->ClientToScreen(centre)));
            ASSERT_EQ(ShownControlAt(page, page->ClientToScreen(centre)), nullptr);
            EXPECT_FALSE(ReleaseMouseAt(page, centre));
            EXPECT_TRUE(Sent().empty());
            EXPECT_EQ(page->GetSelectedField(), Page::SEQUENCE);
            EXPECT_TRUE(SpinShown());
            EXPECT_FALSE(IsShown(page, "IDC_AU_SCROLL"));
        }
    }

    // Through the X server, where the delay lies on a unit without one.
    MakeFor(25);
    ASSERT_TRUE(WaitFor([&] { return IsPlaced(page); }));
    ASSERT_TRUE(RealClickAt(page, CentreOf(page, "IDC_AU_DELAY")));
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(page->GetSelectedField(), Page::SEQUENCE);

    // The delay of type 18 takes its clicks.
    MakeFor(18);
    EXPECT_TRUE(ReleaseMouseAt(page, CentreOf(page, "IDC_AU_DELAY")));
    EXPECT_EQ(Sent(), (Commands{{11, 0}}));
    EXPECT_EQ(page->GetSelectedFieldIndex(), 3);
    EXPECT_TRUE(IsHighlighted(page, "IDC_AU_DELAY"));
    EXPECT_TRUE(IsShown(page, "IDC_AU_SCROLL"));
    // Scroll events then edit the delay, not an interval the unit lacks.
    ScrollEvent(page, wxEVT_SCROLL_LINEUP);
    EXPECT_EQ(Sent(), (Commands{{8, 1}}));
}

// The delay in tenths of a second on a bar of 99 steps, inverted.
TEST_F(TikoAuxPageTest, DelayInTenthsOnTheScrollBar)
{
    MakeFor(18);
    const wxEventType kPick = -1;
    struct Step {
        const char* what;
        wxEventType type;  // 0: the unit reports value; kPick: the unit picks the delay
        int value;
        const char* shown;
        int stored;
        Commands sent;
        int thumb;  // -1: where it was
    };
    const Step steps[] = {
        {"unit reports 15", 0, 15, "1.5s", 15, {}, -1},
        {"unit reports 150", 0, 150, "9.9s", 99, {}, -1},
        {"delay picked", kPick, 0, "9.9s", 99, {{11, 0}}, 0},
        {"line up at the top", wxEVT_SCROLL_LINEUP, 0, "9.9s", 99, {{8, 99}}, 0},
        {"line down", wxEVT_SCROLL_LINEDOWN, 0, "9.8s", 98, {{8, 98}}, 1},
        {"page down", wxEVT_SCROLL_PAGEDOWN, 0, "8.8s", 88, {{8, 88}}, 11},
        {"dragging shows only", wxEVT_SCROLL_THUMBTRACK, 50, "4.9s", 49, {}, -1},
        {"released at the bottom", wxEVT_SCROLL_THUMBRELEASE, 98, "0.1s", 1, {{8, 1}}, 98},
        {"line down to off", wxEVT_SCROLL_LINEDOWN, 0, "off", 0, {{8, 0}}, 98},
        {"line down at off", wxEVT_SCROLL_LINEDOWN, 0, "off", 0, {{8, 0}}, 98},
        {"page up", wxEVT_SCROLL_PAGEUP, 0, "1.0s", 10, {{8, 10}}, 89},
        {"released at the top", wxEVT_SCROLL_THUMBRELEASE, 0, "9.9s", 99, {{8, 99}}, 0},
        {"top", wxEVT_SCROLL_TOP, 0, "9.9s", 99, {}, -1},
        {"unit reports 20", 0, 20, "2.0s", 20, {}, 79},
        {"unit reports -5", 0, -5, "off", 0, {}, 98},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        wxScrollBar* bar = ScrollBar(page);
        const int thumbBefore = bar->GetThumbPosition();
        if (step.type == kPick)
            page->SelectFieldByIndex(3);
        else if (step.type)
            ScrollEvent(page, step.type, step.value);
        else
            page->SetDelay(step.value, true);
        EXPECT_EQ(TextOf(page, "IDC_AU_DELAY"), step.shown);
        EXPECT_EQ(page->GetDelay(), step.stored);
        EXPECT_EQ(Sent(), step.sent);
        EXPECT_EQ(bar->GetThumbPosition(), step.thumb < 0 ? thumbBefore : step.thumb);
    }
}

// What these units lack stays 0, whatever the unit reports.
TEST_F(TikoAuxPageTest, IntervalAndAlternateStayOff)
{
    MakeFor(18);
    page->SetMinInterval(30);
    page->SetInterval(120, true);
    page->SetIntervalAlt(80);
    page->SetAlternate(2, false);
    EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), "off");
    EXPECT_EQ(TextOf(page, "IDC_AU_ALTERNATE"), "off");
    EXPECT_EQ(page->GetInterval(), 0);
    EXPECT_EQ(page->GetIntervalAlt(), 0);
    EXPECT_EQ(page->GetAlternate(), 0);
    EXPECT_TRUE(Sent().empty());

    // Reached only from the program itself: the interval sends its 0, the
    // alternate its 0 through its echo queue.
    page->SelectField(Page::INTERVAL);
    Sent();
    ScrollEvent(page, wxEVT_SCROLL_LINEUP);
    EXPECT_EQ(Sent(), (Commands{{7, 0}}));
    EXPECT_EQ(TextOf(page, "IDC_AU_INTERVAL"), "off");
    page->SelectField(Page::ALTERNATE);
    Sent();
    SpinPress(page, 1, 2);
    EXPECT_EQ(Sent(), (Commands{{10, 0}}));
    EXPECT_EQ(Queue(page, Page::ALTERNATE), (std::vector<int>{0}));
    page->SetAlternate(0, false);
    EXPECT_TRUE(Queue(page, Page::ALTERNATE).empty());
    EXPECT_EQ(page->GetAlternate(), 0);
}

// No unit of this family lacks a sequence of 1.
TEST_F(TikoAuxPageTest, SequenceStepsThroughOneOnEveryUnit)
{
    for (uint16_t type : {18, 25, 26}) {
        SCOPED_TRACE(type);
        host->programVersion = 3;
        MakeFor(type);
        page->SetSequence(0, false);
        for (const char* shown : {"1", "2"}) {
            ClickArrow(page, 0);
            EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), shown);
        }
        EXPECT_EQ(Sent(), (Commands{{5, 1}, {5, 2}}));
        ClickArrow(page, 1);
        ClickArrow(page, 1);
        EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "off");
        EXPECT_EQ(Sent(), (Commands{{5, 1}, {5, 0}}));
    }
    SpinPress(page, 1, 7);
    EXPECT_EQ(Sent(), (Commands{{5, 7}}));
    EXPECT_EQ(Queue(page, Page::SEQUENCE), (std::vector<int>{1, 2, 1, 0, 7}));
    page->SetSequence(7, false);
    EXPECT_TRUE(Queue(page, Page::SEQUENCE).empty());
    EXPECT_EQ(TextOf(page, "IDC_AU_SEQUENCE"), "7");
    page->SetSequence(60, false);
    EXPECT_EQ(page->GetSequence(), 50);
}

TEST_F(TikoAuxPageTest, StoreAndReset)
{
    MakeFor(18);
    page->SetStore(true);
    EXPECT_TRUE(page->IsStoreChecked());
    EXPECT_TRUE(Sent().empty());
    Tick(page, "IDC_AU_STORE", false);
    EXPECT_EQ(Sent(), (Commands{{16, 0}}));
    Tick(page, "IDC_AU_STORE", true);
    EXPECT_EQ(Sent(), (Commands{{16, 1}}));
    ClickButton(page, "IDC_AU_RESET");
    EXPECT_EQ(Sent(), (Commands{{15, 0}}));
}

}  // namespace
