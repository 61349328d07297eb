// What the user's changes on the options pages make the device page do:
// exactly the host calls, in order, and what the command builders then read
// back from the page.
#include "OptionsPageFixture.h"

#include <functional>

#include "app/CtrlHelpers.h"
#include "pages/options/OptionsPage.h"
#include "pages/options/OptionsPageNuvek.h"
#include "pages/options/OptionsPageRibex.h"
#include "pages/options/OptionsPageTiko.h"
#include "pages/options/OptionsPageZarit.h"
#include "pages/options/OptionsPageZaritE.h"

using namespace guitest;

namespace {

// An option box and the getter that the builder packs into command 17.
template <class Page>
struct OptionBox {
    const char* name;
    std::function<bool(const Page&)> getter;
};

class OptionsPageActionTest : public OptionsPageTest {
protected:
    // Each box's click sends the options once, and the builder then finds
    // that box, and only it, in its new state.
    template <class Page>
    void ExpectOptionBoxes(Page* page, const std::vector<OptionBox<Page>>& boxes)
    {
        for (const OptionBox<Page>& box : boxes) {
            SCOPED_TRACE(box.name);
            ForgetCalls();
            Click(page, box.name);
            EXPECT_EQ(CallsSoFar(), (Calls{"(17,0)"}));
            for (const OptionBox<Page>& other : boxes)
                EXPECT_EQ(other.getter(*page), other.name == box.name) << other.name;
            ForgetCalls();
            Click(page, box.name);
            EXPECT_EQ(CallsSoFar(), (Calls{"(17,0)"}));
            EXPECT_FALSE(box.getter(*page));
        }
    }
};

TEST_F(OptionsPageActionTest, QuirelA1OptionBoxesSendTheOptions)
{
    auto* page = Make<COptionsPage>(16);
    ExpectOptionBoxes<COptionsPage>(page, {{"IDC_OP_BUZZER", &COptionsPage::IsBuzzerChecked},
                                           {"IDC_OP_REDUCED", &COptionsPage::IsReducedChecked},
                                           {"IDC_OP_SLOW", &COptionsPage::IsSlowChecked}});
}

TEST_F(OptionsPageActionTest, TikoOptionBoxesIncludeThePhotocell)
{
    auto* page = Make<COptionsPageTiko>(25);
    ExpectOptionBoxes<COptionsPageTiko>(page, {{"IDC_OP_BUZZER", &COptionsPageTiko::IsBuzzerChecked},
                                               {"IDC_OP_REDUCED", &COptionsPageTiko::IsReducedChecked},
                                               {"IDC_OP_SLOW", &COptionsPageTiko::IsSlowChecked},
                                               {"IDC_OP_CELL", &COptionsPageTiko::IsCellChecked}});
}

TEST_F(OptionsPageActionTest, NuvekOptionBoxesSendTheOptions)
{
    auto* page = Make<COptionsPageNuvek>(20);
    ExpectOptionBoxes<COptionsPageNuvek>(page, {{"IDC_OP_BUZZER", &COptionsPageNuvek::IsBuzzerChecked},
                                                {"IDC_OP_REDUCED", &COptionsPageNuvek::IsReducedChecked},
                                                {"IDC_OP_SLOW", &COptionsPageNuvek::IsSlowChecked}});
}

TEST_F(OptionsPageActionTest, RibexOptionBoxesSendTheOptions)
{
    auto* page = Make<COptionsPageRibex>(32);
    ExpectOptionBoxes<COptionsPageRibex>(page, {{"IDC_OP_BUZZER", &COptionsPageRibex::IsBuzzerChecked},
                                                {"IDC_OP_REDUCED", &COptionsPageRibex::IsReducedChecked},
                                                {"IDC_OP_FAST", &COptionsPageRibex::IsFastChecked},
                                                {"IDC_OP_READY", &COptionsPageRibex::IsReadyChecked},
                                                {"IDC_OP_CELL_RIBEX", &COptionsPageRibex::IsCellChecked}});
}

TEST_F(OptionsPageActionTest, ZaritOptionBoxesSendTheOptions)
{
    auto* page = Make<COptionsPageZarit>(37);
    ExpectOptionBoxes<COptionsPageZarit>(page, {{"IDC_OP_REDUCED", &COptionsPageZarit::IsReducedChecked},
                                                {"IDC_OP_SLOW", &COptionsPageZarit::IsSlowChecked},
                                                {"ID_OP_SENSITIVITY", &COptionsPageZarit::IsSensitivityChecked},
                                                {"ID_OP_READINESS", &COptionsPageZarit::IsReadinessChecked}});
}

TEST_F(OptionsPageActionTest, ZaritESlowBoxSendsTheOptions)
{
    auto* page = Make<COptionsPageZaritE>(137);
    ExpectOptionBoxes<COptionsPageZaritE>(page, {{"IDC_OP_SLOW", &COptionsPageZaritE::IsSlowChecked}});
}

TEST_F(OptionsPageActionTest, ThePhotocellBoxOfQuirelA1AndZaritSendsNothing)
{
    // Nor does the click travel on to the device page.
    int reachedHost = 0;
    host->Bind(
        wxEVT_CHECKBOX, [&reachedHost](wxCommandEvent&) { ++reachedHost; }, XRCID("IDC_OP_CELL"));
    wxWindow* pages[] = {Make<COptionsPage>(16), Make<COptionsPageZarit>(37)};
    for (wxWindow* page : pages)
        Click(page, "IDC_OP_CELL");
    EXPECT_TRUE(CallsSoFar().empty());
    EXPECT_EQ(reachedHost, 0);
}

TEST_F(OptionsPageActionTest, ResetButtonsResetTheirCounters)
{
    struct ResetCase {
        const char* what;
        std::function<wxWindow*()> make;
        bool hasFlashCounter;
    };
    const ResetCase cases[] = {
        {"QuirelA1", [&] { return Make<COptionsPage>(16); }, true},
        {"Tiko", [&] { return Make<COptionsPageTiko>(18); }, true},
        {"Nuvek", [&] { return Make<COptionsPageNuvek>(20); }, false},
        {"Ribex", [&] { return Make<COptionsPageRibex>(32); }, false},
        {"Zarit", [&] { return Make<COptionsPageZarit>(37); }, true},
        {"ZaritE", [&] { return Make<COptionsPageZaritE>(137); }, true},
    };
    for (const ResetCase& c : cases) {
        SCOPED_TRACE(c.what);
        wxWindow* page = c.make();
        Press(page, "IDC_OP_RESET_TOTAL");
        if (c.hasFlashCounter)
            Press(page, "IDC_OP_RESET");
        EXPECT_EQ(CallsSoFar(), c.hasFlashCounter ? (Calls{"(24,0)", "(18,0)"}) : (Calls{"(24,0)"}));
        // The counters change only when the unit reports them again.
        wxString counter = "<missing>";
        GetCtrlText(page, XRCID("IDC_OP_TOTALCOUNTER"), counter);
        EXPECT_EQ(counter, "");
        Drop(page);
        ForgetCalls();
    }
}

TEST_F(OptionsPageActionTest, ChoosingAPowerDisplayRedrawsSendsTheModeAndAsksForTheMemory)
{
    struct PowerCase {
        const char* what;
        bool tiko;
        int memory;
        int entry;
        Calls calls;
    };
    const PowerCase cases[] = {
        {"QuirelA1 thirds of a stop, memory 2", false, 1, 4, {"SetPowerDisplay(4)", "(19,4)", "(2,102)"}},
        {"QuirelA1 tenths, memory 1", false, 0, 0, {"SetPowerDisplay(0)", "(19,0)", "(2,101)"}},
        {"Tiko 8.6, memory 4", true, 3, 2, {"SetPowerDisplay(2)", "(19,2)", "(2,104)"}},
        {"Tiko 7.6, memory 3", true, 2, 3, {"SetPowerDisplay(3)", "(19,3)", "(2,103)"}},
    };
    for (const PowerCase& c : cases) {
        SCOPED_TRACE(c.what);
        host->selectedMemory = c.memory;
        wxWindow* page = c.tiko ? static_cast<wxWindow*>(Make<COptionsPageTiko>(18))
                                : static_cast<wxWindow*>(Make<COptionsPage>(16));
        Choose(page, "IDC_OP_POWERDISPLAY", c.entry);
        EXPECT_EQ(CallsSoFar(), c.calls);
        Drop(page);
        ForgetCalls();
    }
}

TEST_F(OptionsPageActionTest, ChoosingAnInfraredAddressSendsItAsTheUnitCountsIt)
{
    for (bool tiko : {false, true}) {
        SCOPED_TRACE(tiko ? "Tiko" : "QuirelA1");
        wxWindow* page =
            tiko ? static_cast<wxWindow*>(Make<COptionsPageTiko>(18)) : static_cast<wxWindow*>(Make<COptionsPage>(16));
        Choose(page, "IDC_OP_IRADDRESS", 2);
        Choose(page, "IDC_OP_IRADDRESS", 0);
        Choose(page, "IDC_OP_IRADDRESS", 1);
        EXPECT_EQ(CallsSoFar(), (Calls{"(20,3)", "(20,1)", "(20,2)"}));
        Drop(page);
        ForgetCalls();
    }
}

// The buzzer command reads volume, mode and brightness back as they stand.
struct BuzzerState {
    int volume;
    int mode;
    int brightness;
};

BuzzerState StateOf(const COptionsPageZarit& page)
{
    return {page.GetBuzzerVolume(), page.GetBuzzerMode(), page.GetBrightness()};
}

bool operator==(const BuzzerState& a, const BuzzerState& b)
{
    return a.volume == b.volume && a.mode == b.mode && a.brightness == b.brightness;
}

std::ostream& operator<<(std::ostream& out, const BuzzerState& s)
{
    return out << "volume " << s.volume << ", mode " << s.mode << ", brightness " << s.brightness;
}

TEST_F(OptionsPageActionTest, ZaritBuzzerControlsSendTheBuzzerCommandWithWhatTheyNowShow)
{
    auto* page = Make<COptionsPageZarit>(37);
    // What the panel declares: volume off, standard mode, low brightness.
    EXPECT_EQ(StateOf(*page), (BuzzerState{0, 0, 1}));

    struct Step {
        const char* what;
        std::function<void()> act;
        BuzzerState after;
    };
    const Step steps[] = {
        {"volume high", [&] { Pick(page, "ID_OP_BUZZER_VOL_3"); }, {3, 0, 1}},
        {"volume medium", [&] { Pick(page, "ID_OP_BUZZER_VOL_2"); }, {2, 0, 1}},
        {"volume low", [&] { Pick(page, "ID_OP_BUZZER_VOL_1"); }, {1, 0, 1}},
        {"address specific", [&] { Pick(page, "ID_OP_BUZZER_MODE_1"); }, {1, 1, 1}},
        {"brightness high", [&] { PickItem(page, "ID_OP_BRIGHTNESS", 2); }, {1, 1, 3}},
        {"brightness medium", [&] { PickItem(page, "ID_OP_BRIGHTNESS", 1); }, {1, 1, 2}},
        {"brightness ambient", [&] { PickItem(page, "ID_OP_BRIGHTNESS", 3); }, {1, 1, 0}},
        {"buzzer box", [&] { Click(page, "IDC_OP_BUZZER"); }, {1, 1, 0}},
        {"volume off", [&] { Pick(page, "ID_OP_BUZZER_VOL_0"); }, {0, 1, 0}},
        {"standard", [&] { Pick(page, "ID_OP_BUZZER_MODE_0"); }, {0, 0, 0}},
        {"brightness low", [&] { PickItem(page, "ID_OP_BRIGHTNESS", 0); }, {0, 0, 1}},
        {"buzzer box again", [&] { Click(page, "IDC_OP_BUZZER"); }, {0, 0, 1}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        ForgetCalls();
        step.act();
        EXPECT_EQ(CallsSoFar(), (Calls{"(19,0)"}));
        EXPECT_EQ(StateOf(*page), step.after);
    }
}

TEST_F(OptionsPageActionTest, ZaritPowerDisplaySwitchesTheDevicePageBeforeTheOptionsGoOut)
{
    auto* page = Make<COptionsPageZarit>(37);
    Click(page, "IDC_OP_POWERDISPLAY");
    Click(page, "IDC_OP_POWERDISPLAY");
    EXPECT_EQ(CallsSoFar(), (Calls{"SetPowerDisplayMode(1)", "(17,0)", "SetPowerDisplayMode(0)", "(17,0)"}));
}

TEST_F(OptionsPageActionTest, ZaritSpeedDisplaySendsTheOptionsThenAsksForTheMemory)
{
    host->selectedMemory = 2;
    auto* page = Make<COptionsPageZarit>(37);
    Click(page, "ID_OP_SPEEDDISPLAY");
    EXPECT_TRUE(page->IsSpeedDisplayChecked());
    host->selectedMemory = 0;
    Click(page, "ID_OP_SPEEDDISPLAY");
    EXPECT_FALSE(page->IsSpeedDisplayChecked());
    EXPECT_EQ(CallsSoFar(), (Calls{"(17,0)", "(2,103)", "(17,0)", "(2,101)"}));
}

TEST_F(OptionsPageActionTest, ZaritEBuzzerBoxesSendTheVolumeBox)
{
    auto* page = Make<COptionsPageZaritE>(137);
    Click(page, "ID_OP_BUZZER_VOL");
    EXPECT_EQ(page->IsBuzzerVolumeChecked(), 2);
    Click(page, "IDC_OP_BUZZER");
    EXPECT_EQ(page->IsBuzzerVolumeChecked(), 2);
    Click(page, "ID_OP_BUZZER_VOL");
    EXPECT_EQ(page->IsBuzzerVolumeChecked(), 0);
    EXPECT_EQ(CallsSoFar(), (Calls{"(19,0)", "(19,0)", "(19,0)"}));
}

}  // namespace
