// What the unit's records put into the options pages: the controls show it,
// nothing goes back to the unit, and values the page cannot show, or
// controls a panel lacks, leave the page as it was without a toolkit
// complaint.
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

// A panel with none of the options controls, and one where the Zarit
// page's check boxes are lists.
bool LoadOddLayouts()
{
    static const char* const kXrc = R"(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxPanel" name="DLG_TEST_OPTIONS_EMPTY">
    <object class="wxBoxSizer">
      <orient>wxVERTICAL</orient>
      <object class="sizeritem">
        <object class="wxStaticText" name="IDC_TEST_OPTIONS_NOTE">
          <label>nothing here</label>
        </object>
      </object>
    </object>
  </object>
  <object class="wxPanel" name="DLG_TEST_OPTIONS_LISTS">
    <object class="wxBoxSizer">
      <orient>wxVERTICAL</orient>
      <object class="sizeritem">
        <object class="wxComboBox" name="ID_OP_SPEEDDISPLAY">
          <style>wxCB_READONLY</style>
        </object>
      </object>
      <object class="sizeritem">
        <object class="wxComboBox" name="ID_OP_BUZZER_VOL_2">
          <style>wxCB_READONLY</style>
        </object>
      </object>
      <object class="sizeritem">
        <object class="wxCheckBox" name="ID_OP_BRIGHTNESS">
          <label>brightness</label>
        </object>
      </object>
    </object>
  </object>
</resource>)";
    return LoadLayoutText("test-options-odd", kXrc);
}

// A setter and the control it shows its value in.
template <class Page>
struct BoxSetter {
    const char* control;
    std::function<void(Page&, bool)> set;
    std::function<bool(const Page&)> get;
};

class OptionsPageSetterTest : public OptionsPageTest {
protected:
    void SetUp() override
    {
        OptionsPageTest::SetUp();
        ASSERT_TRUE(LoadOddLayouts());
    }

    static wxString Text(wxWindow* page, const char* name)
    {
        wxString text = "<missing>";
        GetCtrlText(page, XRCID(name), text);
        return text;
    }
    static bool Selected(wxWindow* page, const char* name)
    {
        auto* radio = Control<wxRadioButton>(page, name);
        return radio && radio->GetValue();
    }
    static int Item(wxWindow* page, const char* name)
    {
        auto* box = Control<wxRadioBox>(page, name);
        return box ? box->GetSelection() : -2;
    }

    // Each setter shows its value in its box and the builder reads it back.
    template <class Page>
    void ExpectBoxSetters(Page* page, const std::vector<BoxSetter<Page>>& setters)
    {
        for (const BoxSetter<Page>& setter : setters) {
            SCOPED_TRACE(setter.control);
            setter.set(*page, true);
            EXPECT_TRUE(Checked(page, setter.control));
            EXPECT_TRUE(setter.get(*page));
            setter.set(*page, false);
            EXPECT_FALSE(Checked(page, setter.control));
            EXPECT_FALSE(setter.get(*page));
        }
    }
};

TEST_F(OptionsPageSetterTest, RecordFlagsSetTheBoxesWithoutSending)
{
    auto* a1 = Make<COptionsPage>(16);
    ExpectBoxSetters<COptionsPage>(a1,
                                   {{"IDC_OP_BUZZER", &COptionsPage::SetBuzzer, &COptionsPage::IsBuzzerChecked},
                                    {"IDC_OP_SLOW", &COptionsPage::SetSlow, &COptionsPage::IsSlowChecked},
                                    {"IDC_OP_REDUCED", &COptionsPage::SetReduced, &COptionsPage::IsReducedChecked}});
    auto* tiko = Make<COptionsPageTiko>(25);
    ExpectBoxSetters<COptionsPageTiko>(tiko,
                                       {{"IDC_OP_CELL", &COptionsPageTiko::SetCell, &COptionsPageTiko::IsCellChecked}});
    auto* ribex = Make<COptionsPageRibex>(32);
    ExpectBoxSetters<COptionsPageRibex>(
        ribex, {{"IDC_OP_FAST", &COptionsPageRibex::SetFast, &COptionsPageRibex::IsFastChecked},
                {"IDC_OP_READY", &COptionsPageRibex::SetReady, &COptionsPageRibex::IsReadyChecked},
                {"IDC_OP_CELL_RIBEX", &COptionsPageRibex::SetCell, &COptionsPageRibex::IsCellChecked},
                {"IDC_OP_BUZZER", &COptionsPageRibex::SetBuzzer, &COptionsPageRibex::IsBuzzerChecked}});
    auto* zarit = Make<COptionsPageZarit>(37);
    ExpectBoxSetters<COptionsPageZarit>(
        zarit, {{"ID_OP_READINESS", &COptionsPageZarit::SetReadiness, &COptionsPageZarit::IsReadinessChecked},
                {"ID_OP_SENSITIVITY", &COptionsPageZarit::SetSensitivity, &COptionsPageZarit::IsSensitivityChecked},
                {"IDC_OP_SLOW", &COptionsPageZarit::SetSlow, &COptionsPageZarit::IsSlowChecked}});
    EXPECT_TRUE(CallsSoFar().empty());
    EXPECT_TRUE(host->commands.empty());
}

TEST_F(OptionsPageSetterTest, CountersShowTheUnitsText)
{
    auto* a1 = Make<COptionsPage>(16);
    a1->SetCounter("65535");
    a1->SetTotalCounter("16777215");
    EXPECT_EQ(Text(a1, "IDC_OP_COUNTER"), "65535");
    EXPECT_EQ(Text(a1, "IDC_OP_TOTALCOUNTER"), "16777215");
    auto* nuvek = Make<COptionsPageNuvek>(20);
    nuvek->SetTotalCounter("12");
    // The Nuvek panel has no flash counter; its total counter still shows.
    nuvek->SetCounter("7");
    EXPECT_EQ(Text(nuvek, "IDC_OP_TOTALCOUNTER"), "12");
    EXPECT_EQ(Control(nuvek, "IDC_OP_COUNTER"), nullptr);
    EXPECT_TRUE(CallsSoFar().empty());
}

TEST_F(OptionsPageSetterTest, InfraredAddressFromTheUnit)
{
    auto* page = Make<COptionsPage>(16);
    const std::pair<int, int> cases[] = {
        {2, 2}, {-1, wxNOT_FOUND}, {1, 1}, {3, wxNOT_FOUND}, {0, 0}, {-7, wxNOT_FOUND},
    };
    for (const auto& [index, shown] : cases) {
        SCOPED_TRACE(index);
        page->SetIrAddress(index);
        EXPECT_EQ(Selection(page, "IDC_OP_IRADDRESS"), shown);
    }
    EXPECT_TRUE(CallsSoFar().empty());
}

TEST_F(OptionsPageSetterTest, PowerDisplayFromTheUnitReachesTheDevicePageEvenWithoutAnEntry)
{
    struct PowerCase {
        const char* what;
        bool tiko;
        int mode;
        int shown;
    };
    const PowerCase cases[] = {
        {"QuirelA1 thirds", false, 4, 4},
        {"QuirelA1 tenths", false, 0, 0},
        {"QuirelA1 unknown mode", false, 5, wxNOT_FOUND},
        {"Tiko 9.6", true, 1, 1},
        {"Tiko mode 4", true, 4, wxNOT_FOUND},
        {"Tiko negative mode", true, -1, wxNOT_FOUND},
    };
    for (const PowerCase& c : cases) {
        SCOPED_TRACE(c.what);
        COptionsPageBase* page = c.tiko ? static_cast<COptionsPageBase*>(Make<COptionsPageTiko>(18))
                                        : static_cast<COptionsPageBase*>(Make<COptionsPage>(16));
        page->SetPowerDisplay(c.mode);
        EXPECT_EQ(Selection(page, "IDC_OP_POWERDISPLAY"), c.shown);
        EXPECT_EQ(CallsSoFar(), (Calls{"SetPowerDisplay(" + std::to_string(c.mode) + ")"}));
        Drop(page);
        ForgetCalls();
    }
}

TEST_F(OptionsPageSetterTest, ZaritPowerDisplayFromTheUnitSetsTheBoxEvenWhereTheUserCannot)
{
    auto* page = Make<COptionsPageZarit>(37, 0, 1);
    ASSERT_FALSE(Control(page, "IDC_OP_POWERDISPLAY")->IsEnabled());
    page->SetPowerDisplay(true);
    EXPECT_TRUE(Checked(page, "IDC_OP_POWERDISPLAY"));
    page->SetPowerDisplay(false);
    EXPECT_FALSE(Checked(page, "IDC_OP_POWERDISPLAY"));
    EXPECT_EQ(CallsSoFar(), (Calls{"SetPowerDisplayMode(1)", "SetPowerDisplayMode(0)"}));
}

TEST_F(OptionsPageSetterTest, ZaritSpeedDisplayAsksForTheMemoryOnlyWhenItChanges)
{
    host->selectedMemory = 3;
    auto* page = Make<COptionsPageZarit>(37);
    page->SetSpeedDisplay(false);
    EXPECT_TRUE(CallsSoFar().empty());
    page->SetSpeedDisplay(true);
    EXPECT_TRUE(page->IsSpeedDisplayChecked());
    EXPECT_EQ(CallsSoFar(), (Calls{"(2,104)"}));
    page->SetSpeedDisplay(true);
    EXPECT_EQ(CallsSoFar(), (Calls{"(2,104)"}));
    host->selectedMemory = 1;
    page->SetSpeedDisplay(false);
    EXPECT_FALSE(page->IsSpeedDisplayChecked());
    EXPECT_EQ(CallsSoFar(), (Calls{"(2,104)", "(2,102)"}));
}

TEST_F(OptionsPageSetterTest, ZaritBuzzerVolumeAndModeSelectTheirRadios)
{
    auto* page = Make<COptionsPageZarit>(37);
    struct RadioCase {
        const char* what;
        std::function<void()> set;
        int volume;
        int mode;
    };
    const RadioCase cases[] = {
        {"volume 3", [&] { page->SetBuzzerVolume(3); }, 3, 0},
        {"volume 2", [&] { page->SetBuzzerVolume(2); }, 2, 0},
        {"volume 4 has no radio", [&] { page->SetBuzzerVolume(4); }, 2, 0},
        {"volume -1 has no radio", [&] { page->SetBuzzerVolume(-1); }, 2, 0},
        {"mode 1", [&] { page->SetBuzzerMode(1); }, 2, 1},
        {"mode 2 has no radio", [&] { page->SetBuzzerMode(2); }, 2, 1},
        {"volume 0", [&] { page->SetBuzzerVolume(0); }, 0, 1},
        {"mode 0", [&] { page->SetBuzzerMode(0); }, 0, 0},
        {"volume 1", [&] { page->SetBuzzerVolume(1); }, 1, 0},
    };
    for (const RadioCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.set();
        EXPECT_EQ(page->GetBuzzerVolume(), c.volume);
        EXPECT_EQ(page->GetBuzzerMode(), c.mode);
        for (int volume = 0; volume <= 3; ++volume) {
            const std::string name = "ID_OP_BUZZER_VOL_" + std::to_string(volume);
            EXPECT_EQ(Selected(page, name.c_str()), volume == c.volume) << name;
        }
    }
    EXPECT_TRUE(CallsSoFar().empty());
}

TEST_F(OptionsPageSetterTest, ZaritBrightnessValueZeroIsAmbient)
{
    auto* page = Make<COptionsPageZarit>(37);
    struct BrightnessCase {
        int value;
        int item;
        int readBack;
    };
    const BrightnessCase cases[] = {
        // Values the unit never reports: 4 falls on the last item, above
        // that nothing changes, and any negative value is ambient.
        {2, 1, 2}, {7, 1, 2}, {0, 3, 0}, {3, 2, 3}, {4, 3, 0}, {1, 0, 1}, {5, 0, 1}, {-2, 3, 0},
    };
    for (const BrightnessCase& c : cases) {
        SCOPED_TRACE(c.value);
        page->SetBrightness(c.value);
        EXPECT_EQ(Item(page, "ID_OP_BRIGHTNESS"), c.item);
        EXPECT_EQ(page->GetBrightness(), c.readBack);
    }
    EXPECT_TRUE(CallsSoFar().empty());
}

TEST_F(OptionsPageSetterTest, ZaritEBuzzerIsOnForAnyVolume)
{
    auto* page = Make<COptionsPageZaritE>(137);
    const std::pair<int, int> cases[] = {{1, 2}, {0, 0}, {3, 2}, {-1, 0}, {2, 2}};
    for (const auto& [volume, sent] : cases) {
        SCOPED_TRACE(volume);
        page->SetBuzzerVolume(volume);
        EXPECT_EQ(Checked(page, "ID_OP_BUZZER_VOL"), sent != 0);
        EXPECT_EQ(page->IsBuzzerVolumeChecked(), sent);
    }
    EXPECT_TRUE(CallsSoFar().empty());
}

TEST_F(OptionsPageSetterTest, TotalResetFollowsTheServiceLevelWhereItShould)
{
    struct LevelCase {
        const char* what;
        std::function<COptionsPageBase*()> make;
        // Shown at levels 0, 1, 2.
        bool shown[3];
    };
    const LevelCase cases[] = {
        {"QuirelA1", [&] { return Make<COptionsPage>(16); }, {false, true, true}},
        {"Tiko", [&] { return Make<COptionsPageTiko>(25); }, {false, true, true}},
        {"Nuvek", [&] { return Make<COptionsPageNuvek>(20); }, {false, true, true}},
        {"Ribex", [&] { return Make<COptionsPageRibex>(32); }, {false, true, true}},
        {"Zarit", [&] { return Make<COptionsPageZarit>(37); }, {true, true, true}},
        {"ZaritE", [&] { return Make<COptionsPageZaritE>(137); }, {false, false, false}},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(c.what);
        COptionsPageBase* page = c.make();
        // As the device page does right after it built the page.
        page->ShowResetTotal(0);
        EXPECT_EQ(Control(page, "IDC_OP_RESET_TOTAL")->IsShown(), c.shown[0]);
        for (int level : {2, 0, 1, 2}) {
            page->ShowResetTotal(level);
            EXPECT_EQ(Control(page, "IDC_OP_RESET_TOTAL")->IsShown(), c.shown[level]) << level;
        }
        // The flash counter's reset does not depend on the level.
        if (wxWindow* reset = Control(page, "IDC_OP_RESET")) {
            const bool before = reset->IsShown();
            page->ShowResetTotal(0);
            EXPECT_EQ(reset->IsShown(), before);
        }
        Drop(page);
    }
    EXPECT_TRUE(CallsSoFar().empty());
}

TEST_F(OptionsPageSetterTest, APanelWithoutTheControlsLeavesGettersFalseAndSettersIdle)
{
    auto* zarit = Make<COptionsPageZarit>(37, 1, 1, "DLG_TEST_OPTIONS_EMPTY");
    auto* a1 = Make<COptionsPage>(16, 1, 0, "DLG_TEST_OPTIONS_EMPTY");
    auto* zaritE = Make<COptionsPageZaritE>(137, 0, 0, "DLG_TEST_OPTIONS_EMPTY");

    a1->SetBuzzer(true);
    a1->SetSlow(true);
    a1->SetReduced(true);
    a1->SetCell(true);
    a1->SetFast(true);
    a1->SetReady(true);
    a1->SetIrAddress(1);
    a1->SetCounter("3");
    a1->SetTotalCounter("4");
    a1->ShowResetTotal(2);
    EXPECT_FALSE(a1->IsBuzzerChecked() || a1->IsSlowChecked() || a1->IsReducedChecked() || a1->IsCellChecked() ||
                 a1->IsFastChecked() || a1->IsReadyChecked());

    zarit->SetSpeedDisplay(true);
    zarit->SetBuzzerVolume(2);
    zarit->SetBuzzerMode(1);
    zarit->SetBrightness(2);
    zarit->SetReadiness(true);
    zarit->SetSensitivity(true);
    EXPECT_FALSE(zarit->IsSpeedDisplayChecked() || zarit->IsReadinessChecked() || zarit->IsSensitivityChecked());
    EXPECT_EQ(zarit->GetBuzzerVolume(), 0);
    EXPECT_EQ(zarit->GetBuzzerMode(), 0);
    EXPECT_EQ(zarit->GetBrightness(), 0);

    zaritE->SetBuzzerVolume(3);
    EXPECT_EQ(zaritE->IsBuzzerVolumeChecked(), 0);

    // The device page still learns the display mode the unit reports.
    a1->SetPowerDisplay(2);
    zarit->SetPowerDisplay(true);
    EXPECT_EQ(CallsSoFar(), (Calls{"SetPowerDisplay(2)", "SetPowerDisplayMode(1)"}));
    EXPECT_EQ(Text(a1, "IDC_TEST_OPTIONS_NOTE"), "nothing here");
}

TEST_F(OptionsPageSetterTest, AControlOfAnotherKindIsTreatedAsMissing)
{
    // "IDC_OP_POWERDISPLAY" is a list on the shared panel.
    auto* zarit = Make<COptionsPageZarit>(37, 0, 0, "DLG_OPTIONS_PAGE");
    zarit->SetPowerDisplay(true);
    EXPECT_EQ(Selection(zarit, "IDC_OP_POWERDISPLAY"), wxNOT_FOUND);
    EXPECT_TRUE(Entries(zarit, "IDC_OP_POWERDISPLAY").empty());

    auto* odd = Make<COptionsPageZarit>(37, 0, 0, "DLG_TEST_OPTIONS_LISTS");
    odd->SetSpeedDisplay(true);
    odd->SetBuzzerVolume(2);
    odd->SetBrightness(2);
    EXPECT_FALSE(odd->IsSpeedDisplayChecked());
    EXPECT_EQ(odd->GetBuzzerVolume(), 0);
    EXPECT_EQ(odd->GetBrightness(), 0);
    EXPECT_EQ(CallsSoFar(), (Calls{"SetPowerDisplayMode(1)"}));
}

}  // namespace
