// The Quirel A1 device page as its user meets it on a simulated bus: the
// unit's records in bars, radios, status panel, alarms and setting pages,
// and the user's actions as the exact commands the unit reads.
#include "FamilyPageFixture.h"

#include <wx/combobox.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "pages/aux/AuxPage.h"
#include "pages/infos/InfosPageBase.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/memory/MemoryPageBase.h"
#include "pages/options/OptionsPageBase.h"
#include "units/quirel/QuirelA1Device.h"

using namespace guitest;

namespace {

// Record 1: main light, the switches (byte 21: power, then on and available
// of outlets 1 to 3), the aux values, byte 22 (mode, "set to prop" level),
// byte 23 (the hint shown) and the warnings.
std::vector<uint8_t> Status(int main, int switches, int aux1 = 0, int aux2 = 0, int aux3 = 0, int byte22 = 0,
                            int byte23 = 0, int warnings = 0)
{
    return RecordData(25, {{5, main},
                           {9, aux1},
                           {10, 40},
                           {11, 0x01},
                           {12, 0x2C},
                           {13, aux2},
                           {17, aux3},
                           {21, switches},
                           {22, byte22},
                           {23, byte23},
                           {24, warnings}});
}

// Power on; outlet n on and available.
const int kPower = 0x01;
int Outlet(int n)
{
    return 0x0C << (2 * (n - 1));
}
const int kAllOn = kPower | 0x0C | 0x30 | 0xC0;

// Record 2 from its fields.
struct AuxRecord {
    int sequence = 0;
    int t01Mode = 0;
    int interval = 0;
    int delay = 0;
    int preset = 0;
    int alternate = 0;
    int t01Value = 0;
    int t01MaxPreset = 0;
    int flags = 0;
    int minInterval = 0;
};
std::vector<uint8_t> AuxFunctions(const AuxRecord& r)
{
    return RecordData(23, {{5, r.sequence},
                           {6, r.t01Mode},
                           {7, r.interval >> 8},
                           {8, r.interval & 0xFF},
                           {9, r.delay >> 8},
                           {10, r.delay & 0xFF},
                           {11, r.preset},
                           {12, r.alternate},
                           {13, r.t01Value >> 8},
                           {14, r.t01Value & 0xFF},
                           {18, r.t01MaxPreset >> 8},
                           {19, r.t01MaxPreset & 0xFF},
                           {20, r.flags},
                           {21, r.minInterval >> 8},
                           {22, r.minInterval & 0xFF}});
}

const char* const kRadios[] = {"IDC_LM_PROPMAX", "IDC_LM_FULL",  "IDC_LM_LOW",   "IDC_LM_PROP1",
                               "IDC_LM_PROP2",   "IDC_LM_PROP3", "IDC_LM_PROP4", "IDC_LM_PROP5"};

class QuirelA1PageTest : public FamilyPageTest<CQuirelA1Device> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        // No cursor of an earlier test is left.
        ASSERT_FALSE(wxIsBusy());
        Open(16);
    }
    void TearDown() override
    {
        FamilyPageTest::TearDown();
        EXPECT_FALSE(wxIsBusy());
        while (wxIsBusy())
            wxEndBusyCursor();
    }

    std::vector<bool> EnabledRadios() const
    {
        std::vector<bool> enabled;
        for (const char* name : kRadios)
            enabled.push_back(page->FindWindow(XRCID(name))->IsEnabled());
        return enabled;
    }
    // Record 5 with only the power-display byte set.
    void PowerDisplay(int mode) { Deliver(5, RecordData(8, {{6, mode}})); }
    // A short click of a spin button.
    void Click(const char* spin, bool up)
    {
        SpinLine(spin, up);
        SpinRelease(spin);
    }
    using FamilyPageTest::Click;
    CAuxPage* Aux() const { return static_cast<CAuxPage*>(page->SettingBooks().GetAuxPage()); }
    CGeneratorPage* Generator() const { return static_cast<CGeneratorPage*>(page); }
    // An entry of a list picked by the user.
    void Choose(const char* name, int entry)
    {
        auto* list = Find<wxComboBox>(name);
        ASSERT_NE(list, nullptr) << name;
        list->SetSelection(entry);
        wxCommandEvent changed(wxEVT_COMBOBOX, list->GetId());
        changed.SetEventObject(list);
        changed.SetInt(entry);
        list->ProcessWindowEvent(changed);
    }
};

// ---- The page as it is built ----

TEST_F(QuirelA1PageTest, AsksForAllRecordsAndHoldsItsFiveSettingPagesThreeAuxBarsAndTexts)
{
    EXPECT_EQ(firstCommands, (std::vector<Sent>{{14, {}}}));
    auto* lampMemory = Find<wxNotebook>("IDC_LAMPMEMTAB");
    auto* options = Find<wxNotebook>("IDC_OPTIONSTAB");
    ASSERT_EQ(lampMemory->GetPageCount(), 2u);
    ASSERT_EQ(options->GetPageCount(), 3u);
    EXPECT_EQ(lampMemory->GetPageText(0), "lamp");
    EXPECT_EQ(lampMemory->GetPageText(1), "memory");
    EXPECT_EQ(options->GetPageText(0), "auxiliary flash functions");
    EXPECT_EQ(options->GetPageText(1), "options");
    EXPECT_EQ(options->GetPageText(2), "infos");
    EXPECT_NE(dynamic_cast<CAuxPage*>(page->SettingBooks().GetAuxPage()), nullptr);
    for (int outlet = 1; outlet <= 3; ++outlet)
        EXPECT_NE(page->LightBars().Aux(outlet), nullptr) << outlet;

    const std::pair<const char*, const char*> labels[] = {
        {"IDC_LM_PROPMAX", "p. max"},   {"IDC_LM_FULL", "full"}, {"IDC_LM_PROP5", "prop  5"},
        {"IDC_FLASH", "flash control"}, {"IDC_ST_SET", "ok"},    {"IDC_STATUS", "status"},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(Label(name), text) << name;
    const std::pair<const char*, const char*> tips[] = {
        {"IDC_MAIN_LIGHT", "energy"},
        {"IDC_SPIN_AUX2", "lamp 2"},
        {"IDC_AUX_CHECK3", "lamp 3, use outlet 1 or 2 if possible"},
        {"IDC_SPIN_AUX3", "lamp 3, use outlet 1 or 2 if possible"},
    };
    for (const auto& [name, tip] : tips) {
        wxWindow* window = page->FindWindow(XRCID(name));
        ASSERT_NE(window, nullptr) << name;
        EXPECT_EQ(window->GetToolTipText(), tip) << name;
    }
    EXPECT_FALSE(Shown("IDC_FL_RF"));
    EXPECT_FALSE(Shown("IDC_LM_OVER"));
}

// ---- Records in ----

TEST_F(QuirelA1PageTest, StatusRecordShowsBarsRadiosAndTheSetToPropHint)
{
    // 0x5D: power; outlet 1 on and available; outlets 2 and 3 on, not
    // available. Mode 3 (PROP1), "set to prop" level 5, warnings of 1 and 3.
    Deliver(1, Status(77, 0x5D, 40, 55, 90, 0x53, 0x01, 0x05));
    EXPECT_TRUE(page->UnitControls().IsPowerOn());
    EXPECT_EQ(MainText(), "7.7");
    EXPECT_EQ(AuxText(1), "4.0");
    EXPECT_EQ(page->LightBars().Aux(1)->GetFace().textColour, wxColour(255, 0, 0));
    EXPECT_TRUE(page->LightBars().Aux(1)->IsOn());
    for (int outlet : {2, 3}) {
        EXPECT_FALSE(page->LightBars().Aux(outlet)->IsOn()) << outlet;
        EXPECT_EQ(AuxText(outlet), "") << outlet;
    }
    EXPECT_EQ(page->LightBars().Aux(3)->GetValue(), 90);
    EXPECT_TRUE(Find<wxWindow>("IDC_LA_LAMP1")->IsEnabled());
    EXPECT_FALSE(Find<wxWindow>("IDC_LA_LAMP2")->IsEnabled());
    EXPECT_FALSE(Find<wxWindow>("IDC_LA_LAMP3")->IsEnabled());
    EXPECT_TRUE(Checked("IDC_LM_PROP1"));
    EXPECT_EQ(page->UnitControls().GetModellingLightMode(), 3);
    EXPECT_TRUE(Shown("IDC_LM_OVER"));
    EXPECT_EQ(Label("IDC_LM_OVER"), "set to prop3");

    // Mode 0 is PROPMAX; the hint goes.
    Deliver(1, Status(77, 0x5D, 40, 55, 90, 0x20));
    EXPECT_TRUE(Checked("IDC_LM_PROPMAX"));
    EXPECT_FALSE(Shown("IDC_LM_OVER"));
    EXPECT_EQ(Label("IDC_LM_OVER"), "set to prop0");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(QuirelA1PageTest, RadiosLeaveTheLampTheLevelsTheOutletsAndEnergyClassLeave)
{
    struct Case {
        int switches;
        int aux1, aux2, aux3;
        int energyClass;
        std::vector<bool> enabled;  // PROPMAX, FULL, LOW, PROP1 to PROP5
    };
    const Case cases[] = {
        // Nothing on: every radio.
        {kPower, 100, 100, 100, 0, {true, true, true, true, true, true, true, true}},
        // Outlet 3 on at 100: (150 - 100) / 10 = 5 levels, PROP1 to PROP3.
        {kPower | Outlet(3), 30, 30, 100, 0, {true, true, true, true, true, true, false, false}},
        // Outlet 1 at 80 and outlet 2 at 95: 5 levels, minus class 2.
        {kPower | Outlet(1) | Outlet(2), 80, 95, 100, 2, {true, true, true, true, false, false, false, false}},
        // Outlet 1 at 60: 9 levels, minus class 3.
        {kPower | Outlet(1), 60, 100, 100, 3, {true, true, true, true, true, true, true, false}},
        // Outlet 2 at 100 in class 5: nothing left.
        {kPower | Outlet(2), 0, 100, 0, 5, {false, false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        unit->SetEnergyType(static_cast<uint8_t>(c.energyClass));
        Deliver(1, Status(50, c.switches, c.aux1, c.aux2, c.aux3));
        EXPECT_EQ(EnabledRadios(), c.enabled) << c.aux1 << " " << c.aux2 << " " << c.aux3 << " class " << c.energyClass;
    }
    EXPECT_TRUE(Commands().empty());
}

TEST_F(QuirelA1PageTest, PresetSequenceLocksLightsAndRadiosUntilItEnds)
{
    Deliver(1, Status(50, kAllOn, 40, 50, 60));
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, true));
    AuxRecord preset;
    preset.preset = 3;
    Deliver(2, AuxFunctions(preset));
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, false));
    EXPECT_EQ(MainText(), "Pr");
    EXPECT_FALSE(Find<wxWindow>("IDC_SPIN_MAIN")->IsEnabled());
    // Inhibited outlets read "on", the third "off".
    EXPECT_EQ(AuxText(1), "on");
    EXPECT_EQ(AuxText(3), "off");
    // The status record keeps the lock while the preset runs.
    Deliver(1, Status(50, kAllOn, 40, 50, 60));
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, false));
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "preset sequence");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "nr. 3");

    Deliver(2, AuxFunctions(AuxRecord()));
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, true));
    EXPECT_EQ(AuxText(1), "4.0");
    EXPECT_TRUE(Find<wxWindow>("IDC_SPIN_MAIN")->IsEnabled());
    Commands();
}

TEST_F(QuirelA1PageTest, PowerDisplayScalesFollowTheOptionsRecord)
{
    Deliver(1, Status(55, kAllOn, 100, 70, 0));
    struct Case {
        int mode;
        const char* main;
        const char* aux1;
        const char* aux2;
    };
    const Case cases[] = {
        {0, "5.5", "10", "7.0"},
        {1, "4.5", "9.0", "6.0"},
        {3, "2.5", "7.0", "4.0"},
        // Third stops: 55 reads -4, 100 reads 9, 70 reads 0.
        {4, "-4", "9", "0"},
        // A mode above 4 counts as 4.
        {9, "-4", "9", "0"},
    };
    for (const Case& c : cases) {
        PowerDisplay(c.mode);
        EXPECT_EQ(MainText(), c.main) << c.mode;
        EXPECT_EQ(AuxText(1), c.aux1) << c.mode;
        EXPECT_EQ(AuxText(2), c.aux2) << c.mode;
        EXPECT_EQ(AuxText(3), "0") << c.mode;
    }
    EXPECT_EQ(page->GetPowerDisplay(), 4);
    EXPECT_EQ(Find<wxComboBox>("IDC_OP_POWERDISPLAY")->GetSelection(), 4);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(QuirelA1PageTest, OptionsRecordSetsBoxesLampOptionsStoreAndIrAddress)
{
    // Lamp, IR, cell, buzzer, slow, reduced, store, radio; IR address 2.
    Deliver(5, RecordData(8, {{5, 0xFF}, {7, 2}}));
    EXPECT_TRUE(page->UnitControls().IsModellingLightOn());
    EXPECT_TRUE(Checked("IDC_FL_IR"));
    EXPECT_TRUE(Checked("IDC_FL_CELL"));
    EXPECT_TRUE(Checked("IDC_FL_RF"));
    const COptionsPageBase* options = page->SettingBooks().GetOptionsPage();
    EXPECT_TRUE(options->IsBuzzerChecked());
    EXPECT_TRUE(options->IsSlowChecked());
    EXPECT_TRUE(options->IsReducedChecked());
    EXPECT_TRUE(page->SettingBooks().GetAuxPage()->IsStoreChecked());
    EXPECT_EQ(Find<wxComboBox>("IDC_OP_IRADDRESS")->GetSelection(), 1);
    // Above 3 counts as the third entry; 0 selects none.
    Deliver(5, RecordData(8, {{7, 9}}));
    EXPECT_EQ(Find<wxComboBox>("IDC_OP_IRADDRESS")->GetSelection(), 2);
    EXPECT_FALSE(page->SettingBooks().GetAuxPage()->IsStoreChecked());
    Deliver(5, RecordData(8, {{7, 0}}));
    EXPECT_EQ(Find<wxComboBox>("IDC_OP_IRADDRESS")->GetSelection(), wxNOT_FOUND);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(QuirelA1PageTest, SelectionsRecordSelectsAndReportsWhatItLeftAfterwards)
{
    // Memory page, infos (3 counts as 2), the preset field; memory 4, roles
    // 20, 21 (counts as 0) and 3.
    Deliver(3, RecordData(10, {{5, 0x2F}, {6, 0x07}, {7, 20}, {8, 21}, {9, 3}}));
    EXPECT_EQ(Find<wxNotebook>("IDC_LAMPMEMTAB")->GetSelection(), 1);
    EXPECT_EQ(Find<wxNotebook>("IDC_OPTIONSTAB")->GetSelection(), 2);
    EXPECT_EQ(page->SettingBooks().GetAuxPage()->GetSelectedFieldIndex(), 5);
    EXPECT_EQ(page->GetSelectedMemory(), 3);
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp1(), 20);
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp2(), 0);
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp3(), 3);
    // The options notebook moved and the field was selected: each report
    // carries the state the whole record left.
    const Sent report{11, {1 + 2 * 2 + 8 * 5, 3, 20, 0, 3}};
    const std::vector<Sent> sent = Commands();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent, std::vector<Sent>(sent.size(), report));
}

TEST_F(QuirelA1PageTest, UnitInformationByItsTablesWithTheSerialUnsigned)
{
    // Version 3.07; Q and 4, 117 V; bivoltage; serial 2^31.
    Deliver(4, RecordData(13, {{5, 3}, {6, 7}, {7, 0x49}, {8, 1}, {9, 0x80}}));
    EXPECT_EQ(Label("IDC_IN_VERSION"), "3.07");
    EXPECT_EQ(Label("IDC_IN_TYPE"), "Quirel Q4");
    EXPECT_EQ(Label("IDC_IN_VVERSION"), "117V");
    EXPECT_EQ(Label("IDC_IN_VNOW"), "bivoltage");
    EXPECT_EQ(Label("IDC_IN_SER_STAT"), "2147483648");
    EXPECT_EQ(unit->GetCaption(), "unit 3 Quirel Q4 (ser. nr. 2147483648)");
    EXPECT_EQ(page->GetProgramVersion(), 7);

    Deliver(4, RecordData(13, {{5, 3}, {6, 10}, {7, 0x10}, {8, 2}, {12, 5}}));
    EXPECT_EQ(Label("IDC_IN_TYPE"), "Quirel 2");
    EXPECT_EQ(Label("IDC_IN_VVERSION"), "100V");
    EXPECT_EQ(Label("IDC_IN_VNOW"), "batterie");
    EXPECT_EQ(Label("IDC_IN_SER_STAT"), "5");
}

TEST_F(QuirelA1PageTest, CountersOwnerAndDates)
{
    std::vector<uint8_t> counters = RecordData(24, {{5, 0x01}, {6, 0x02}, {7, 1}, {8, 0}, {9, 0}});
    const std::string owner = "Studio  B   ";
    std::copy(owner.begin(), owner.end(), counters.begin() + 5);
    Deliver(6, counters);
    EXPECT_EQ(Find<wxTextCtrl>("IDC_OP_COUNTER")->GetValue(), "258");
    EXPECT_EQ(Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue(), "65536");
    EXPECT_EQ(Label("IDC_IN_OWNER"), "Studio  B");

    // Delivered 3.2012, serviced 3.1951, made 11.2050.
    Deliver(8, RecordData(12, {{6, 12}, {7, 3}, {8, 51}, {9, 3}, {10, 50}, {11, 11}}));
    EXPECT_EQ(Label("IDC_IN_DELIVERY_STAT"), "3.2012");
    EXPECT_EQ(Label("IDC_IN_DATE_SERVICE"), "3.1951");
    EXPECT_EQ(Label("IDC_IN_DATE_TOVR_STAT"), "11.2050");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(QuirelA1PageTest, AlarmsShowTheCoolingTimeAndNameTheChargeErrorFirst)
{
    Deliver(7, RecordData(8, {{6, 1}, {7, 5}}));
    EXPECT_EQ(Label("IDC_STATUS"), " thermo ");
    EXPECT_TRUE(Shown("IDC_ST_ALARM1"));
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "approx. 5 min");
    EXPECT_EQ(Label("IDC_ST_ALARM2"), "cool - break");
    EXPECT_EQ(Label("IDC_ST_ALARM3"), "do not switch off");
    EXPECT_FALSE(Shown("IDC_ST_FLASH"));

    // Both: the title names the charge error, the lines stay thermal.
    Deliver(7, RecordData(8, {{5, 1}, {6, 1}, {7, 12}}));
    EXPECT_EQ(Label("IDC_STATUS"), " charge error ");
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "approx. 12 min");

    Deliver(7, RecordData(8, {{5, 1}}));
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "charge error");
    EXPECT_EQ(Label("IDC_ST_ALARM2"), "switch unit off");
    EXPECT_EQ(Label("IDC_ST_ALARM3"), "");

    Deliver(7, RecordData(8, {}));
    EXPECT_EQ(Label("IDC_STATUS"), "status");
    EXPECT_FALSE(Shown("IDC_ST_ALARM1"));
    EXPECT_TRUE(Shown("IDC_ST_FLASH"));
}

TEST_F(QuirelA1PageTest, StatusRowsFollowTheAuxFunctionsRecord)
{
    AuxRecord record;
    record.sequence = 5;
    record.delay = 150;
    Deliver(2, AuxFunctions(record));
    const std::pair<const char*, const char*> rows[] = {
        {"IDC_ST_FLASH_LA", "flash duration t0.1 opt."},
        {"IDC_ST_FLASH", "off"},
        {"IDC_ST_SEQUENCE_LA", "sequence"},
        {"IDC_ST_SEQUENCE", "5"},
        {"IDC_ST_INTERVAL_LA", "delay"},
        {"IDC_ST_INTERVAL", "1.50s"},
        {"IDC_ST_DELAY_LA", ""},
        {"IDC_ST_DELAY", ""},
    };
    for (const auto& [name, text] : rows)
        EXPECT_EQ(Label(name), text) << name;
    EXPECT_TRUE(Shown("IDC_STATUS"));
    EXPECT_FALSE(Shown("IDC_STATUS2"));

    // More than three stops alone keeps the normal group.
    record.flags = 0x10;
    Deliver(2, AuxFunctions(record));
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "asymmetrie");
    EXPECT_EQ(Label("IDC_ST_FLASH"), ">3stops");
    EXPECT_TRUE(Shown("IDC_ST_FLASH"));
    EXPECT_FALSE(Shown("IDC_STATUS2"));

    // Asymmetry: the suggested group without OK.
    record.flags = 0x02;
    Deliver(2, AuxFunctions(record));
    EXPECT_TRUE(Shown("IDC_STATUS2"));
    EXPECT_EQ(Label("IDC_STATUS2"), "suggested settings");
    EXPECT_EQ(Label("IDC_ST_FLASH_RED"), "limit of variation");
    EXPECT_TRUE(Shown("IDC_ST_FLASH_RED"));
    EXPECT_FALSE(Shown("IDC_ST_SET"));
    EXPECT_FALSE(Shown("IDC_FLASH"));
    Commands();
}

TEST_F(QuirelA1PageTest, OkTakesOverTheSuggestedFlashDurationWithOneBusyCursor)
{
    Deliver(1, Status(50, kAllOn));
    EXPECT_TRUE(Shown("IDC_LED"));
    AuxRecord record;
    record.t01Value = 1000;
    record.flags = 0x04;
    Deliver(2, AuxFunctions(record));
    EXPECT_EQ(Label("IDC_ST_FLASH_LA2"), "flash duration");
    EXPECT_EQ(Label("IDC_ST_FLASH2"), "off");
    EXPECT_EQ(Label("IDC_ST_FLASH_RED"), "1/1000");
    EXPECT_TRUE(Shown("IDC_STATUS2"));
    EXPECT_TRUE(Shown("IDC_ST_SET"));
    EXPECT_FALSE(Shown("IDC_FL_TEST"));
    EXPECT_FALSE(Shown("IDC_LED"));
    Commands();

    // A T0.1 step of the aux page is under way when the user clicks OK.
    page->SendCommand(6, 1);
    Click("IDC_ST_SET");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{6, {1}}, {6, {1}}}));
    EXPECT_EQ(page->SettingBooks().GetAuxPage()->GetT01Value(), 1000);
    EXPECT_TRUE(page->IsStepPending());
    EXPECT_TRUE(page->IsBusy());
    EXPECT_EQ(Generator()->GetAuxFlags(), 0);
    EXPECT_FALSE(Shown("IDC_STATUS2"));
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "flash duration t0.1 opt.");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "1/1000");
    EXPECT_TRUE(Shown("IDC_FL_TEST"));
    EXPECT_TRUE(Shown("IDC_LED"));

    // One answer ends the one cursor of both steps.
    record.flags = 0;
    Deliver(2, AuxFunctions(record));
    EXPECT_FALSE(page->IsBusy());
    EXPECT_FALSE(page->IsStepPending());
    EXPECT_FALSE(wxIsBusy());
}

TEST_F(QuirelA1PageTest, OkTakesOverTheIntervalBeforeTheFlashDuration)
{
    struct Case {
        int flags;
        std::vector<Sent> sent;
        int interval;
    };
    const Case cases[] = {
        // Inactive on slow: the interval goes off.
        {0x80 | 0x08, {{7, {0x00, 0x00}}}, 0},
        // The suggested interval.
        {0x08, {{7, {0x00, 0x96}}}, 150},
        // Both, in this order.
        {0x80 | 0x04, {{7, {0x00, 0x00}}, {6, {1}}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        AuxRecord record;
        record.interval = 150;
        record.t01Value = 500;
        record.flags = c.flags;
        Deliver(2, AuxFunctions(record));
        EXPECT_TRUE(Shown("IDC_ST_SET"));
        EXPECT_TRUE(Shown("IDC_ST_INTERVAL_RED") || Shown("IDC_ST_FLASH_RED"));
        Commands();
        Click("IDC_ST_SET");
        EXPECT_EQ(Commands(), c.sent);
        EXPECT_EQ(page->SettingBooks().GetAuxPage()->GetInterval(), c.interval);
        EXPECT_FALSE(Shown("IDC_STATUS2"));
        Deliver(2, AuxFunctions(AuxRecord()));
    }
}

TEST_F(QuirelA1PageTest, BusyCursorOfAStepEndsAtTheFirstTick)
{
    page->SendCommand(6, 0);
    ASSERT_TRUE(wxIsBusy());
    EXPECT_TRUE(WaitFor([&] { return !page->IsBusy(); }, 3000));
    EXPECT_FALSE(wxIsBusy());
    // The step stays pending until the unit answers.
    EXPECT_TRUE(page->IsStepPending());
    Deliver(2, AuxFunctions(AuxRecord()));
    EXPECT_FALSE(page->IsStepPending());
    EXPECT_EQ(Commands(), (std::vector<Sent>{{6, {0}}}));
}

TEST_F(QuirelA1PageTest, PageThatGoesWhileBusyLeavesNoCursor)
{
    page->SendCommand(6, 1);
    page->SendCommand(6, 1);
    ASSERT_TRUE(wxIsBusy());
    page->Destroy();
    page = nullptr;
    Yield();
    EXPECT_FALSE(wxIsBusy());
}

TEST_F(QuirelA1PageTest, TestFlashEndRestoresTheLastStatusValuesOrZero)
{
    // Before any status record the bars go back to 0.
    page->LightBars().Aux(3)->SetValue(90, true);
    Deliver(98, {});
    EXPECT_EQ(page->LightBars().Aux(3)->GetValue(), 0);
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);

    Deliver(1, Status(50, kAllOn, 40, 50, 60, 0, 0, 0x07));
    for (int outlet = 1; outlet <= 3; ++outlet)
        page->LightBars().Aux(outlet)->SetValue(99, true);
    Deliver(100, RecordData(7, {{5, 0x80}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 2);
    Click("IDC_FL_TEST");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{102, {}}}));
    Deliver(98, {});
    const int values[] = {40, 50, 60};
    for (int outlet = 1; outlet <= 3; ++outlet) {
        EXPECT_EQ(page->LightBars().Aux(outlet)->GetValue(), values[outlet - 1]) << outlet;
        EXPECT_EQ(page->LightBars().Aux(outlet)->GetFace().textColour, wxColour(0, 255, 0)) << outlet;
    }
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);
}

TEST_F(QuirelA1PageTest, ServiceStatusSetsLedLevelAndVoltages)
{
    Deliver(100, RecordData(12, {{5, 0x80}, {6, 1}, {7, 100}, {8, 50}, {9, 220}, {10, 50}, {11, 200}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 2);
    EXPECT_TRUE(Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_EQ(Label("IDC_IN_POS_FLASH_V"), "142");
    EXPECT_EQ(Label("IDC_IN_NEG_FLASH_V"), "71");
    EXPECT_EQ(Label("IDC_IN_LINE_V"), "230");
    EXPECT_EQ(Label("IDC_IN_LINE_F"), "50");
    EXPECT_EQ(Label("IDC_IN_SOLL_FLASH_V"), "284");
    // Without byte 11 the nominal voltage stays.
    Deliver(100, RecordData(11, {{5, 0x00}, {6, 1}, {7, 10}, {11, 100}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);
    EXPECT_EQ(Label("IDC_IN_POS_FLASH_V"), "14");
    EXPECT_EQ(Label("IDC_IN_SOLL_FLASH_V"), "284");
    // Level 0: nothing of the service shows; the voltages are not touched.
    Deliver(100, RecordData(12, {{5, 0x80}, {6, 0}, {7, 200}}));
    EXPECT_FALSE(Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_EQ(Label("IDC_IN_POS_FLASH_V"), "14");
}

TEST_F(QuirelA1PageTest, MemoryShowsOutletsBottomUpAndASixthEntryOnTheLeft)
{
    page->SettingBooks().GetMemoryPage()->SelectMemory(0);
    // Outlets 1 to 3 at 5.0 (bit 7 is not part of it), 6.0 and 7.0, on and
    // available; flash duration 1/500.
    Deliver(101, RecordData(16, {{5, 0x80 | 50}, {6, 60}, {7, 70}, {13, 0x0B}, {15, 0x3F}}));
    EXPECT_EQ(Label("IDC_ME_LINE4L"), "5.0");
    EXPECT_EQ(Label("IDC_ME_LINE3L"), "6.0");
    EXPECT_EQ(Label("IDC_ME_LINE2L"), "7.0");
    EXPECT_EQ(Label("IDC_ME_LINE1R_LA"), "flash duration t0.1");
    EXPECT_EQ(Label("IDC_ME_LINE1R"), "1/500");
    EXPECT_EQ(Label("IDC_ME_LINE2R"), "");

    // Every entry: sequence 3, interval 1.50 s, delay 2.00 s, alternate 1,
    // preset 2 (the sixth, on line 5 left; the outlets read on, the third off).
    Deliver(101,
            RecordData(
                16, {{5, 50}, {6, 60}, {7, 70}, {8, 0x40 | 3}, {10, 200}, {12, 150}, {13, 0x08}, {14, 2}, {15, 0x3F}}));
    const std::pair<const char*, const char*> lines[] = {
        {"IDC_ME_LINE1R_LA", "flash duration"},
        {"IDC_ME_LINE1R", "min"},
        {"IDC_ME_LINE2R_LA", "sequence"},
        {"IDC_ME_LINE2R", "3"},
        {"IDC_ME_LINE3R_LA", "interval"},
        {"IDC_ME_LINE3R", "1.50s"},
        {"IDC_ME_LINE4R_LA", "delay"},
        {"IDC_ME_LINE4R", "2.00s"},
        {"IDC_ME_LINE5R_LA", "alternate"},
        {"IDC_ME_LINE5R", "1"},
        {"IDC_ME_LINE5L_LA", "pr. seq."},
        {"IDC_ME_LINE5L", "nr.2"},
        {"IDC_ME_LINE4L", "on"},
        {"IDC_ME_LINE2L", "off"},
    };
    for (const auto& [name, text] : lines)
        EXPECT_EQ(Label(name), text) << name;

    // Another memory's record changes nothing; an empty chosen one is
    // filled with what the unit holds now.
    Deliver(102, RecordData(16, {{5, 10}, {13, 0x01}}));
    Deliver(101, RecordData(16, {{5, 0xFF}, {6, 0xFF}, {7, 0xFF}, {8, 0xFF}}));
    EXPECT_EQ(Label("IDC_ME_LINE1R"), "min");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{12, {0}}}));
}

// ---- The user's actions ----

TEST_F(QuirelA1PageTest, LightCommandsCarryTheEnergyTheLightAndTheOutletsOn)
{
    // Outlets 1, 2 and 3 on; aux 2 at 60.
    Deliver(1, Status(70, kPower | Outlet(1) | Outlet(2) | Outlet(3), 40, 60, 80));
    // Held down once: a whole stop.
    SpinLine("IDC_SPIN_AUX2", false);
    SpinLine("IDC_SPIN_AUX2", false);
    SpinRelease("IDC_SPIN_AUX2");
    // Bar 2 switched off by its box.
    Tick("IDC_AUX_CHECK2", false);
    Click("IDC_SPIN_MAIN", true);
    Click("IDC_SPIN_AUX3", false);
    EXPECT_EQ(Commands(),
              (std::vector<Sent>{{1, {50, 2, 0x0F}}, {1, {60, 2, 0x0B}}, {1, {71, 0, 0x0B}}, {1, {79, 3, 0x0B}}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);

    // A step down from 0 lays 0, not full power.
    Deliver(1, Status(0, kPower));
    Click("IDC_SPIN_MAIN", false);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {0, 0, 0x01}}}));
}

TEST_F(QuirelA1PageTest, HeldSpinStepsOnTheSecondAndSeventhEventDownToItsLimit)
{
    Deliver(1, Status(60, kAllOn, 34, 50, 61));
    for (int event = 0; event < 7; ++event)
        SpinLine("IDC_SPIN_MAIN", false);
    SpinRelease("IDC_SPIN_MAIN");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {50, 0, 0x0F}}, {1, {50, 0, 0x0F}}}));

    struct Case {
        const char* spin;
        int value;
        std::vector<Sent> sent;
    };
    const Case cases[] = {
        {"IDC_SPIN_AUX1", 34, {{1, {24, 1, 0x0F}}}},
        {"IDC_SPIN_AUX1", 33, {}},
        // Outlet 3 steps down only above 60.
        {"IDC_SPIN_AUX3", 61, {{1, {51, 3, 0x0F}}}},
        {"IDC_SPIN_AUX3", 60, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spin + std::string(" at ") + std::to_string(c.value));
        Deliver(1, Status(60, kAllOn, c.value, 50, c.value));
        SpinLine(c.spin, false);
        SpinLine(c.spin, false);
        SpinRelease(c.spin);
        EXPECT_EQ(Commands(), c.sent);
    }
    // A click goes one tenth down, whatever the limit: 61 to 60.
    Deliver(1, Status(60, kAllOn, 61, 50, 61));
    Click("IDC_SPIN_AUX3", false);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {60, 3, 0x0F}}}));
}

TEST_F(QuirelA1PageTest, ClickInThirdStopsLandsOnTheGrid)
{
    PowerDisplay(4);
    struct Case {
        int value;
        bool up;
        int sent;
    };
    const Case cases[] = {{50, true, 53}, {53, true, 57}, {57, true, 60}, {34, false, 33}, {98, true, 100}};
    for (const Case& c : cases) {
        Deliver(1, Status(c.value, kAllOn, c.value));
        Click("IDC_SPIN_MAIN", c.up);
        Click("IDC_SPIN_AUX1", c.up);
        EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {uint8_t(c.sent), 0, 0x0F}}, {1, {uint8_t(c.sent), 1, 0x0F}}}))
            << c.value;
    }
    // Back in tenths: one tenth.
    PowerDisplay(0);
    Click("IDC_SPIN_MAIN", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {99, 0, 0x0F}}}));
}

TEST_F(QuirelA1PageTest, RadiosBoxesLampAndPowerSendTheirCodes)
{
    for (std::size_t i = 0; i < std::size(kRadios); ++i) {
        PickRadio(kRadios[i]);
        EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {uint8_t(0x40 + i)}}})) << kRadios[i];
        EXPECT_EQ(page->UnitControls().GetModellingLightMode(), static_cast<int>(i));
    }
    PickRadio("IDC_LM_FULL", false);
    Tick("IDC_FL_CELL", true);
    Tick("IDC_FL_IR", false);
    Tick("IDC_FL_RF", true);
    Click("IDC_LM_LIGHT");
    Click("IDC_POWER");
    Click("IDC_POWER");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{4, {0x41}}, {4, {0x80}}, {4, {0x21}}, {3, {0x81}}, {28, {}}, {27, {}}}));
}

TEST_F(QuirelA1PageTest, SettingPagesSendThroughTheQuirelBuilder)
{
    Deliver(3, RecordData(10, {{5, 0x00}, {6, 0}, {7, 1}, {8, 2}, {9, 3}}));
    Commands();
    // The options notebook on the infos page, the memory page shown, the
    // delay field selected: 1 + 2 x 2 + 8 x 4.
    SelectTab("IDC_OPTIONSTAB", 2);
    SelectTab("IDC_LAMPMEMTAB", 1);
    Aux()->SelectField(CAuxPage::DELAY);
    EXPECT_EQ(Commands(),
              (std::vector<Sent>{{11, {0x04, 0, 1, 2, 3}}, {11, {0x05, 0, 1, 2, 3}}, {11, {37, 0, 1, 2, 3}}}));

    // Buzzer and reduced.
    Tick("IDC_OP_BUZZER", true);
    Tick("IDC_OP_REDUCED", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x01}}, {17, {0x05}}}));

    // The power display: the bars' scale, then the unit's, then the memory
    // shown again.
    Choose("IDC_OP_POWERDISPLAY", 2);
    EXPECT_EQ(page->GetPowerDisplay(), 2);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{19, {2}}, {2, {0, 101}}}));

    // The infrared address: the entry's number from 1, as the unit reports it.
    Choose("IDC_OP_IRADDRESS", 1);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{20, {2}}}));

    // The owner: fourteen bytes, zeros after the text.
    auto* owner = Find<wxTextCtrl>("IDC_IN_OWNER_SERVICE");
    owner->ChangeValue("abc");
    page->SettingBooks().GetInfosPage()->OnFieldCommit(owner->GetId());
    EXPECT_EQ(Commands(), (std::vector<Sent>{{22, {'a', 'b', 'c', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}));
}

TEST_F(QuirelA1PageTest, RadioUnitShowsNoLedAndServiceLevelZero)
{
    page->Destroy();
    page = nullptr;
    unit.reset();
    unit = std::make_unique<CQuirelA1Device>(port, 0);
    unit->SetAddress(kAddress);
    unit->SetRFStat(1);
    page = static_cast<CFamilyDevicePage*>(unit->CreatePage(Frame()));
    page->Show();
    Commands();
    EXPECT_TRUE(Shown("IDC_FL_RF"));
    Deliver(100, RecordData(12, {{5, 0x80}, {6, 2}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 0);
    EXPECT_FALSE(Shown("IDC_OP_RESET_TOTAL"));
    // Back from the suggested settings the radio box shows again.
    AuxRecord record;
    record.flags = 0x04;
    Deliver(2, AuxFunctions(record));
    EXPECT_FALSE(Shown("IDC_FL_RF"));
    Deliver(2, AuxFunctions(AuxRecord()));
    EXPECT_TRUE(Shown("IDC_FL_RF"));
}

}  // namespace
