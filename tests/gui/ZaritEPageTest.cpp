// The ZaritE device page as its user meets it: the cut-down Zarit page with
// two aux bars and no memories, infrared box, toggles or power display; the
// unit's records shown in its controls, and each action sent as the exact
// command.
#include "FamilyPageFixture.h"

#include <array>

#include <wx/textctrl.h>
#include <wx/utils.h>

#include "pages/aux/AuxPageZaritE.h"
#include "pages/infos/InfosPageBase.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/options/OptionsPageZaritE.h"
#include "units/zarite/ZaritEDevice.h"

using namespace guitest;

namespace {

const char* const kRadios[] = {"IDC_LM_PROPMAX", "IDC_LM_FULL",  "IDC_LM_LOW",   "IDC_LM_PROP1",
                               "IDC_LM_PROP2",   "IDC_LM_PROP3", "IDC_LM_PROP4", "IDC_LM_PROP5"};

// Power on; outlets 1 and 2 on and available.
const int kAllOn = 0x01 | 0x0C | 0x30;

// Record 1: main light, the two outlets' values, the switches (byte 21),
// modelling-light mode and level (byte 22), "IDC_LM_OVER" (byte 23) and the
// warnings (byte 24).
std::vector<uint8_t> Status(int main, int switches, int aux1 = 0, int aux2 = 0, int lamp = 0, int over = 0,
                            int warnings = 0)
{
    return RecordData(25, {{5, main}, {9, aux1}, {13, aux2}, {21, switches}, {22, lamp}, {23, over}, {24, warnings}});
}

// Record 2 read whole (to byte 20).
std::vector<uint8_t> AuxFunctions(int sequence, int t01Mode, int t01Value, int strobe = 0, int flags = 0)
{
    return RecordData(
        21, {{5, sequence}, {6, t01Mode}, {13, t01Value >> 8}, {14, t01Value & 0xFF}, {16, strobe}, {20, flags}});
}

class ZaritEPageTest : public FamilyPageTest<CZaritEDevice> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        ASSERT_FALSE(wxIsBusy());
        Open(137);
    }
    void TearDown() override
    {
        FamilyPageTest::TearDown();
        EXPECT_FALSE(wxIsBusy());
        while (wxIsBusy())
            wxEndBusyCursor();
    }

    CZaritEDevicePropertyPage* ZaritE() const { return static_cast<CZaritEDevicePropertyPage*>(page); }
    CAuxPageZaritE* Aux() const { return static_cast<CAuxPageZaritE*>(page->SettingBooks().GetAuxPage()); }
    COptionsPageZaritE* Options() const
    {
        return static_cast<COptionsPageZaritE*>(page->SettingBooks().GetOptionsPage());
    }

    std::vector<bool> EnabledRadios() const
    {
        std::vector<bool> enabled;
        for (const char* name : kRadios)
            enabled.push_back(page->FindWindow(XRCID(name))->IsEnabled());
        return enabled;
    }
};

// ---- The page as it is built ----

TEST_F(ZaritEPageTest, HoldsTheLampPageAloneAndTheZaritInformationPanel)
{
    EXPECT_EQ(firstCommands, (std::vector<Sent>{{14, {}}}));
    auto* lamp = Find<wxNotebook>("IDC_LAMPMEMTAB");
    auto* options = Find<wxNotebook>("IDC_OPTIONSTAB");
    ASSERT_EQ(lamp->GetPageCount(), 1u);
    ASSERT_EQ(options->GetPageCount(), 3u);
    EXPECT_EQ(lamp->GetPageText(0), "lamp");
    EXPECT_EQ(options->GetPageText(0), "auxiliary flash functions");
    EXPECT_EQ(options->GetPageText(1), "options");
    EXPECT_EQ(options->GetPageText(2), "infos");
    EXPECT_EQ(page->SettingBooks().GetMemoryPage(), nullptr);
    EXPECT_NE(dynamic_cast<CAuxPageZaritE*>(page->SettingBooks().GetAuxPage()), nullptr);
    EXPECT_EQ(page->SettingBooks().GetInfosPage()->GetPanelName(), std::string("DLG_INFOS_PAGE_ZARIT"));
    EXPECT_EQ(page->LightBars().Aux(3), nullptr);
    // Neither infrared, nor toggles, nor a third outlet.
    for (const char* name : {"IDC_FL_IR", "IDC_SPEED", "IDC_USER", "IDC_AUX_LIGHT3", "IDC_SPIN_AUX3"})
        EXPECT_EQ(page->FindWindow(XRCID(name)), nullptr) << name;
}

TEST_F(ZaritEPageTest, LabelsAndToolTips)
{
    const std::pair<const char*, const char*> labels[] = {
        {"IDC_FLASH", "flash control"}, {"IDC_LM_PROPMAX", "p. max"}, {"IDC_FL_CELL", "cell"},
        {"IDC_FL_TEST", "test"},        {"IDC_ST_SET", "ok"},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(Label(name), text) << name;
    const std::pair<const char*, const char*> tips[] = {
        {"IDC_MAIN_LIGHT", "energy"}, {"IDC_SPIN_MAIN", "energy"},  {"IDC_AUX_CHECK1", "lamp 1"},
        {"IDC_SPIN_AUX1", "lamp 1"},  {"IDC_AUX_CHECK2", "lamp 2"}, {"IDC_SPIN_AUX2", "lamp 2"},
    };
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(page->FindWindow(XRCID(name))->GetToolTipText(), tip) << name;
    EXPECT_FALSE(Shown("IDC_FL_RF"));
}

// ---- Records in ----

TEST_F(ZaritEPageTest, StatusOfTwoOutletsAndTheirLampBoxes)
{
    // Power, outlets 1 and 2 on and available, 60 and 40 with a warning on
    // outlet 2, mode LOW.
    Deliver(1, Status(70, 0x3D, 60, 40, 0x02, 0, 0x02));
    EXPECT_EQ(MainText(), "7.0");
    EXPECT_EQ(AuxText(1), "6.0");
    EXPECT_EQ(AuxText(2), "4.0");
    EXPECT_NE(page->LightBars().Aux(1)->GetFace().textColour, wxColour(255, 0, 0));
    EXPECT_EQ(page->LightBars().Aux(2)->GetFace().textColour, wxColour(255, 0, 0));
    EXPECT_TRUE(Find<wxWindow>("IDC_LA_LAMP1")->IsEnabled());
    EXPECT_TRUE(Find<wxWindow>("IDC_LA_LAMP2")->IsEnabled());
    EXPECT_TRUE(Checked("IDC_LM_LOW"));
    EXPECT_FALSE(Shown("IDC_LM_OVER"));

    // The test flash's end puts both back without warning.
    page->LightBars().Aux(1)->SetValue(10, true);
    Deliver(98, {});
    EXPECT_EQ(page->LightBars().Aux(1)->GetValue(), 60);
    EXPECT_EQ(page->LightBars().Aux(2)->GetValue(), 40);
    EXPECT_NE(page->LightBars().Aux(2)->GetFace().textColour, wxColour(255, 0, 0));
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);

    Deliver(1, Status(70, 0x01 | 0x0C, 60, 40, 0x52, 0x01));
    EXPECT_FALSE(Find<wxWindow>("IDC_LA_LAMP2")->IsEnabled());
    EXPECT_TRUE(Shown("IDC_LM_OVER"));
    EXPECT_EQ(Label("IDC_LM_OVER"), "set to prop3");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ZaritEPageTest, TestFlashEndBeforeAnyStatusPutsTheBarsAtZero)
{
    page->LightBars().Aux(1)->SetValue(90, true);
    page->LightBars().Aux(2)->SetValue(80, true);
    Deliver(98, {});
    EXPECT_EQ(page->LightBars().Aux(1)->GetValue(), 0);
    EXPECT_EQ(page->LightBars().Aux(2)->GetValue(), 0);
}

TEST_F(ZaritEPageTest, RadioLimitOverTwoBarsFollowsTheRadiosAndTheStrobe)
{
    unit->SetEnergyType(2);
    Deliver(1, Status(50, kAllOn, 100, 30));
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, true));
    PickRadio("IDC_LM_LOW");
    EXPECT_EQ(EnabledRadios(), (std::vector<bool>{true, true, true, true, false, false, false, false}));
    EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {0x42}}}));
    // Both outlets off, class 0: fifteen levels, every radio.
    unit->SetEnergyType(0);
    Deliver(1, Status(50, 0x01 | 0x08 | 0x20, 100, 30));
    Deliver(2, AuxFunctions(0, 0, 0));
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, true));
}

TEST_F(ZaritEPageTest, StrobeLocksTheLights)
{
    Deliver(1, Status(50, kAllOn, 60, 40));
    Deliver(2, AuxFunctions(0, 0, 0, 1));
    EXPECT_EQ(MainText(), "St");
    EXPECT_EQ(AuxText(1), "on");
    EXPECT_EQ(AuxText(2), "on");
    Deliver(2, AuxFunctions(0, 0, 0, 0));
    EXPECT_EQ(AuxText(2), "4.0");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ZaritEPageTest, AuxFunctionsKeepTheFlashDurationWhileOneIsSuggested)
{
    Deliver(2, AuxFunctions(3, 0x81, 1000));
    EXPECT_EQ(Aux()->GetSequence(), 3);
    EXPECT_EQ(Aux()->GetT01Value(), 1000);
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "flash duration t0.1");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "1/1000");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE_LA"), "sequence");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE"), "3");
    Deliver(2, AuxFunctions(3, 0x80, 2000, 0, 0x04));
    EXPECT_EQ(Aux()->GetT01Value(), 1000);
    EXPECT_EQ(Label("IDC_STATUS2"), "suggested settings");
    EXPECT_EQ(Label("IDC_ST_FLASH_LA2"), "flash duration");
    EXPECT_EQ(Label("IDC_ST_FLASH2"), "");
    EXPECT_TRUE(Shown("IDC_ST_FLASH_RED"));
    EXPECT_TRUE(Shown("IDC_ST_SET"));
    EXPECT_FALSE(Shown("IDC_FLASH"));
    Deliver(2, AuxFunctions(0, 0x80, 2000));
    EXPECT_EQ(Aux()->GetT01Value(), 2000);
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "flash duration t0.1 min.");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE_LA"), "");
    EXPECT_TRUE(Shown("IDC_FLASH"));
}

TEST_F(ZaritEPageTest, StatusPanelWritesTwoRowsAndLeavesTheOthers)
{
    const wxString interval = Label("IDC_ST_INTERVAL_LA");
    const wxString delay = Label("IDC_ST_DELAY");
    Deliver(2, AuxFunctions(0, 0, 0, 0, 0x02));
    EXPECT_EQ(Label("IDC_STATUS2"), "suggested settings");
    EXPECT_EQ(Label("IDC_ST_FLASH_LA2"), "flash duration t0.1 opt.");
    EXPECT_EQ(Label("IDC_ST_FLASH2"), "off");
    EXPECT_FALSE(Shown("IDC_ST_SET"));
    EXPECT_EQ(Label("IDC_ST_INTERVAL_LA"), interval);
    EXPECT_EQ(Label("IDC_ST_DELAY"), delay);
}

TEST_F(ZaritEPageTest, OkOnlyRedrawsTheRows)
{
    Deliver(2, AuxFunctions(3, 0x81, 500, 0, 0x94));
    Aux()->SetSequence(7, true);
    Click("IDC_ST_SET");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE2"), "7");
    EXPECT_EQ(ZaritE()->GetAuxFlags(), 0x94);
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(page->IsBusy());
}

TEST_F(ZaritEPageTest, FlashDurationStepsKeepOneCursorUntilTheAuxFunctions)
{
    page->SendCommand(6, 1);
    page->SendCommand(6, 0);
    EXPECT_TRUE(page->IsStepPending());
    EXPECT_EQ(Commands(), (std::vector<Sent>{{6, {1}}, {6, {0}}}));
    Deliver(2, AuxFunctions(0, 0, 0));
    EXPECT_FALSE(page->IsStepPending());
    EXPECT_FALSE(wxIsBusy());
    // The builder still lays the second step.
    page->SendCommand(20, 1);
    EXPECT_TRUE(page->IsSecondStepPending());
    EXPECT_EQ(Commands(), (std::vector<Sent>{{20, {1}}}));
    page->Destroy();
    page = nullptr;
    Yield();
    EXPECT_FALSE(wxIsBusy());
}

TEST_F(ZaritEPageTest, SelectionsOfTheOptionsNotebookAndTwoLamps)
{
    // Lamp notebook bit, options page 3 (taken as 2), T0.1 field; memory
    // byte and third role unused; role 25 taken as 0.
    Deliver(3, RecordData(10, {{5, 0x0F}, {6, 3}, {7, 25}, {8, 7}, {9, 9}}));
    EXPECT_EQ(Find<wxNotebook>("IDC_LAMPMEMTAB")->GetSelection(), 0);
    EXPECT_EQ(Find<wxNotebook>("IDC_OPTIONSTAB")->GetSelection(), 2);
    EXPECT_EQ(Aux()->GetSelectedFieldIndex(), 1);
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp1(), 0);
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp2(), 7);
    // The notebook and the field changed: two reports, 2 x 2 + 8, then 0,
    // the two roles and 0.
    const Sent report{11, {12, 0, 0, 7, 0}};
    EXPECT_EQ(Commands(), (std::vector<Sent>{report, report}));

    SelectTab("IDC_OPTIONSTAB", 1);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{11, {10, 0, 0, 7, 0}}}));
}

TEST_F(ZaritEPageTest, UnitInformationOfItsModels)
{
    struct Case {
        int typeByte;
        int variant;
        const char* model;
        const char* voltage;
    };
    const Case cases[] = {
        {137, 0x00, "Zarit 1600E", "100-230V"}, {137, 0x01, "Zarit 3200E", "100-230V"},
        {37, 0x02, "Zarit 3200S", "100-230V"},  {137, 0x09, "Zarit Z4", "230V"},
        {137, 0x10, "Zarit Z2", "117V"},        {137, 0x38, "Zarit Z2", "100V"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> data = RecordData(18, {{5, c.typeByte}, {6, 3}, {7, 4}, {8, c.variant}, {9, 1}});
        data[5] = '9';
        Deliver(4, data);
        EXPECT_EQ(Label("IDC_IN_TYPE"), c.model);
        EXPECT_EQ(Label("IDC_IN_VVERSION"), c.voltage);
        EXPECT_EQ(unit->GetCaption(), wxString("unit 3 ") + c.model + " (ser. nr. 9)");
    }
    EXPECT_EQ(Label("IDC_IN_VERSION"), "37.03 / 38.04");
    EXPECT_EQ(Label("IDC_IN_VNOW"), "bivoltage");
    EXPECT_EQ(page->GetProgramVersion(), 3);
}

TEST_F(ZaritEPageTest, OptionsOfTheCutDownPage)
{
    Deliver(5, RecordData(7, {{5, 0x01 | 0x02 | 0x04 | 0x10 | 0x20 | 0x80}, {6, 0x04}}));
    EXPECT_TRUE(page->UnitControls().IsModellingLightOn());
    EXPECT_TRUE(Checked("IDC_FL_CELL"));
    EXPECT_TRUE(Checked("IDC_FL_RF"));
    EXPECT_TRUE(Options()->IsSlowChecked());
    EXPECT_EQ(Options()->IsBuzzerVolumeChecked(), 2);
    Deliver(5, RecordData(7, {{6, 0x0C}}));
    EXPECT_EQ(Options()->IsBuzzerVolumeChecked(), 2);
    EXPECT_FALSE(Options()->IsSlowChecked());
    Deliver(5, RecordData(7, {}));
    EXPECT_EQ(Options()->IsBuzzerVolumeChecked(), 0);
    // Nothing is asked for again: no power or speed display here.
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ZaritEPageTest, CountersAlarmsDatesOwnerAndServiceAsOnTheZarit)
{
    Deliver(6, RecordData(12, {{7, 9}, {8, 0xFF}, {9, 0xFF}, {10, 0xFF}, {11, 0xFF}}));
    EXPECT_EQ(Find<wxTextCtrl>("IDC_OP_COUNTER")->GetValue(), "9");
    EXPECT_EQ(Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue(), "4294967295");

    Deliver(7, RecordData(9, {{6, 1}, {7, 0}, {8, 60}}));
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "approx. 60 sec");
    EXPECT_EQ(Label("IDC_STATUS"), " thermo ");
    Deliver(7, RecordData(9, {{6, 1}, {7, 0}, {8, 61}}));
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "approx. 1 min");
    Deliver(100, RecordData(11, {{5, 0x80}, {6, 2}, {7, 100}, {9, 220}, {10, 60}}));
    EXPECT_EQ(Label("IDC_STATUS"), " thermo - service mode ");
    EXPECT_FALSE(Shown("IDC_ST_ALARM1"));
    EXPECT_EQ(Label("IDC_IN_POS_FLASH_V"), "284");
    EXPECT_EQ(Label("IDC_IN_LINE_V"), "230");
    EXPECT_EQ(page->UnitControls().GetLedState(), 2);

    Deliver(8, RecordData(12, {{6, 12}, {7, 3}, {8, 51}, {9, 11}, {10, 50}, {11, 1}}));
    EXPECT_EQ(Label("IDC_IN_DELIVERY_STAT"), "3.2012");
    EXPECT_EQ(Label("IDC_IN_DATE_SERVICE"), "11.1951");
    EXPECT_EQ(Label("IDC_IN_DATE_TOVR_STAT"), "1.2050");
    Deliver(10, std::vector<uint8_t>{'A', 'n', 'n', 'a', ' ', 'S', 'm', 'i', 't', 'h', ' ', ' '});
    EXPECT_EQ(Label("IDC_IN_OWNER"), "Anna Smith");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ZaritEPageTest, MemoryAndOtherRecordsChangeNothing)
{
    for (uint16_t number : {9, 11, 101, 102, 103, 104}) {
        Deliver(number, Status(55, kAllOn, 60, 60));
        EXPECT_EQ(page->LightBars().Main()->GetValue(), 0) << number;
        EXPECT_FALSE(page->UnitControls().IsPowerOn()) << number;
    }
    EXPECT_TRUE(Commands().empty());
}

// ---- The user's actions ----

TEST_F(ZaritEPageTest, FlashBoxesPowerLampAndRadios)
{
    Tick("IDC_FL_CELL", true);
    Tick("IDC_FL_RF", true);
    Tick("IDC_FL_RF", false);
    Click("IDC_FL_TEST");
    Click("IDC_POWER");
    Click("IDC_LM_LIGHT");
    PickRadio("IDC_LM_PROP4");
    EXPECT_EQ(Commands(), (std::vector<Sent>{
                              {4, {0x41}}, {4, {0x21}}, {4, {0x20}}, {102, {}}, {28, {}}, {3, {0x81}}, {3, {0x46}}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);
}

TEST_F(ZaritEPageTest, LightCommandsCarryTheTwoOutlets)
{
    // Outlet 1 off, outlet 2 on; aux 2 at 40.
    Deliver(1, Status(70, 0x01 | 0x08 | 0x30, 20, 40));
    SpinLine("IDC_SPIN_AUX2", true);
    SpinLine("IDC_SPIN_AUX2", true);
    SpinRelease("IDC_SPIN_AUX2");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {50, 2, 5}}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);
    // Switching outlet 1 on sends its energy with both outlets on.
    Tick("IDC_AUX_CHECK1", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {20, 1, 7}}}));
    // Held down at 5 lays 0; a third spin is none of this page's.
    Deliver(1, Status(5, kAllOn, 20, 40));
    SpinLine("IDC_SPIN_MAIN", false);
    SpinLine("IDC_SPIN_MAIN", false);
    SpinRelease("IDC_SPIN_MAIN");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {0, 0, 7}}}));
    SpinLine("IDC_SPIN_AUX3", true);
    SpinRelease("IDC_SPIN_AUX3");
    EXPECT_TRUE(Commands().empty());
}

// Every light's held down arrow still steps at 2 and stops at 1, where a
// click sends 0.
TEST_F(ZaritEPageTest, HeldDownArrowGoesOnToOne)
{
    const char* const spins[] = {"IDC_SPIN_MAIN", "IDC_SPIN_AUX1", "IDC_SPIN_AUX2"};
    for (uint8_t light = 0; light < 3; ++light) {
        SCOPED_TRACE(spins[light]);
        const std::vector<Sent> zero = {{1, {0, light, 7}}};
        for (int value : {2, 1}) {
            std::array<int, 3> values = {50, 50, 50};
            values[light] = value;
            Deliver(1, Status(values[0], kAllOn, values[1], values[2]));
            SpinLine(spins[light], false);
            SpinLine(spins[light], false);
            SpinRelease(spins[light]);
            EXPECT_EQ(Commands(), value == 2 ? zero : std::vector<Sent>()) << "held at " << value;
        }
        SpinLine(spins[light], false);
        SpinRelease(spins[light]);
        EXPECT_EQ(Commands(), zero);
    }
}

TEST_F(ZaritEPageTest, OptionsPageSendsItsOptionAndBuzzerByte)
{
    Tick("IDC_OP_SLOW", true);
    Tick("ID_OP_BUZZER_VOL", true);
    Tick("IDC_OP_BUZZER", true);
    Tick("ID_OP_BUZZER_VOL", false);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x02}}, {19, {2}}, {19, {2}}, {19, {0}}}));
}

}  // namespace
