// The Tiko device page (Trovalex 18, Sorvant 25, Hexor 26) as its user meets
// it on a simulated bus: the page built with its one notebook, the unit's
// records shown in the bar, radios, memory table, lamp function, status
// panel and setting pages, and each action of the user read off the line as
// the exact command the unit gets.
#include "FamilyPageFixture.h"

#include <wx/combobox.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "PageUserActions.h"
#include "controls/VeskAuxCtlTiko.h"
#include "pages/aux/AuxPageTiko.h"
#include "pages/infos/InfosPageTiko.h"
#include "pages/options/OptionsPageTiko.h"
#include "units/tiko/TikoDevice.h"

using namespace guitest;

namespace {

// Record 1: energy, power (bit 0) and warning (bit 1), modelling-light mode,
// energy range.
std::vector<uint8_t> Status(int value, int power = 0x01, int mode = 0, int range = 0)
{
    return RecordData(10, {{5, value}, {6, power}, {7, mode}, {9, range}});
}

// Record 2: sequence, interval, delay in tenths, aux status flags.
std::vector<uint8_t> AuxFunctions(int sequence, int interval, int delay, int flags)
{
    return RecordData(
        14, {{5, sequence}, {6, interval >> 8}, {7, interval & 0xFF}, {8, delay >> 8}, {9, delay & 0xFF}, {11, flags}});
}

// Record 4: model code, program version, model and voltage bits, supply,
// serial number.
std::vector<uint8_t> UnitInfo(int model, int variant, uint32_t serial = 123456, int version = 5, int supply = 0)
{
    return RecordData(13, {{5, model},
                           {6, version},
                           {7, variant},
                           {8, supply},
                           {9, int(serial >> 24)},
                           {10, int(serial >> 16 & 0xFF)},
                           {11, int(serial >> 8 & 0xFF)},
                           {12, int(serial & 0xFF)}});
}

// Command 11: notebook page + 4 x aux field, memory, lamp function.
Sent Selections(int tabs, int memory, int lamp)
{
    return {11, {uint8_t(tabs), uint8_t(memory), uint8_t(lamp)}};
}

// The user lets the mouse button go on a field of a setting page.
void ClickField(wxWindow* settingPage, const char* name)
{
    wxWindow* field = settingPage->FindWindow(XRCID(name));
    wxMouseEvent event(wxEVT_LEFT_UP);
    event.SetEventObject(field);
    event.SetPosition(wxPoint(2, 2));
    field->GetEventHandler()->ProcessEvent(event);
}

const char* const kMemoryRadios[] = {"IDC_ME_MEMORY5", "IDC_ME_MEMORY6", "IDC_ME_MEMORY7", "IDC_ME_MEMORY8"};

template <uint16_t Type, uint8_t Radio = 0, uint16_t Language = 0>
class TikoPageTestOf : public FamilyPageTest<CTikoDevice> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        Open(Type, Radio, Language);
        tiko = unit->GetPropertyPage();
        ASSERT_NE(tiko, nullptr);
    }

    CVeskAuxCtlTiko* Bar() const { return tiko->GetAuxCtl(1); }
    wxString BarText() const { return Bar()->GetFace().large; }
    bool Enabled(const char* name) const { return page->FindWindow(XRCID(name))->IsEnabled(); }
    wxComboBox* Lamps() const { return Find<wxComboBox>("IDC_LA_LAMP4"); }

    CTikoDevicePropertyPage* tiko = nullptr;
};

using TrovalexPageTest = TikoPageTestOf<18>;
using SorvantPageTest = TikoPageTestOf<25>;
using HexorPageTest = TikoPageTestOf<26>;
using RadioTrovalexPageTest = TikoPageTestOf<18, 1>;
using GermanTrovalexPageTest = TikoPageTestOf<18, 0, 500>;

// ---- The page as it is built ----

TEST_F(TrovalexPageTest, AsksForAllRecordsOnceAndSendsNothingWhileItsPagesAreAdded)
{
    EXPECT_EQ(firstCommands, (std::vector<Sent>{{14, {}}}));
}

TEST_F(TrovalexPageTest, OneNotebookHoldsTheAuxOptionsAndInformationPages)
{
    EXPECT_EQ(Find<wxNotebook>("IDC_LAMPMEMTAB"), nullptr);
    auto* book = Find<wxNotebook>("IDC_OPTIONSTAB");
    ASSERT_EQ(book->GetPageCount(), 3u);
    EXPECT_EQ(book->GetPageText(0), "auxiliary flash functions");
    EXPECT_EQ(book->GetPageText(1), "options");
    EXPECT_EQ(book->GetPageText(2), "infos");
    EXPECT_EQ(book->GetSelection(), 0);
    EXPECT_EQ(book->GetPage(0), tiko->GetOptionsOrTikoAuxPage());
    EXPECT_EQ(book->GetPage(1), tiko->GetInfosOrTikoOptionsPage());
    EXPECT_EQ(book->GetPage(2), tiko->GetLampOrTikoInfosPage());
    // Service level 0 until the unit reports one.
    EXPECT_FALSE(Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_FALSE(Shown("IDC_IN_SER"));
    // The aux page's spin button 16 pixels wide.
    EXPECT_EQ(tiko->GetOptionsOrTikoAuxPage()->FindWindow(XRCID("IDC_AU_SPIN"))->GetSize().x, 16);
    // The one bar, and no other.
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(tiko->GetAuxCtl(2), nullptr);
    EXPECT_EQ(page->LightBars().Main(), nullptr);
    EXPECT_FALSE(Shown("IDC_STATUS2"));
    EXPECT_FALSE(Shown("IDC_FL_RF"));
    EXPECT_TRUE(Shown("IDC_FL_IR"));
    EXPECT_TRUE(Shown("IDC_ENERGIEBEREICH"));
}

TEST_F(TrovalexPageTest, ModelCodeAndRatingBeforeTheUnitInformation)
{
    EXPECT_EQ(tiko->GetModelCode(), 18);
    EXPECT_EQ(tiko->GetEnergyRating(), 0);
    Deliver(1, Status(90));
    EXPECT_EQ(Bar()->GetFace().joules, "0J");
}

TEST_F(TrovalexPageTest, NothingMakesThePageBusy)
{
    tiko->SetBusy(1);
    EXPECT_FALSE(tiko->IsBusy());
    EXPECT_FALSE(wxIsBusy());
    Deliver(2, AuxFunctions(0, 0, 0, 0x04));
    Click("IDC_ST_SET");
    EXPECT_FALSE(wxIsBusy());
    EXPECT_TRUE(Commands().empty());
}

TEST_F(TrovalexPageTest, LabelsToolTipAndLampFunctionsInThePagesLanguage)
{
    const std::pair<const char*, const char*> labels[] = {
        {"IDC_FLASH", "flash control"},
        {"IDC_MODELING", "modeling light"},
        {"IDC_STATUS", "status"},
        {"IDC_LM_FULL", "full"},
        {"IDC_LM_LOW", "low"},
        {"IDC_LM_PROP1", "prop  1"},
        {"IDC_LM_PROP5", "prop  5"},
        {"IDC_LM_PROPMAX", "prop "},
        {"IDC_FL_CELL", "cell"},
        {"IDC_FL_IR", "ir"},
        {"IDC_FL_RF", "rfs"},
        {"IDC_FL_TEST", "test"},
        {"IDC_ST_SET", "ok"},
        {"IDC_ME_FR_MEMORY", "memory"},
        {"IDC_ME_FR_INFO", "info memory"},
        {"IDC_ME_MEMORY5", "memory 1"},
        {"IDC_ME_MEMORY8", "memory 4"},
        {"IDC_ME_REC2", "recall"},
        {"IDC_ME_STORE2", "store"},
        {"IDC_ME_LINE1L_LA", "energy"},
        {"IDC_ENERGIEBEREICH", "energy range over 4 stops"},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(Label(name), text) << name;
    EXPECT_EQ(page->FindWindow(XRCID("IDC_SPIN_AUX1"))->GetToolTipText(), "energy");

    ASSERT_EQ(Lamps()->GetCount(), 21u);
    EXPECT_EQ(Lamps()->GetString(0), "     ---");
    EXPECT_EQ(Lamps()->GetString(1), "main light");
    EXPECT_EQ(Lamps()->GetString(20), "rimlight right");
    EXPECT_EQ(Lamps()->GetSelection(), wxNOT_FOUND);
}

TEST_F(GermanTrovalexPageTest, LabelsAndLampFunctionsFollowTheLanguage)
{
    EXPECT_EQ(Label("IDC_ME_MEMORY6"), "Speicher 2");
    EXPECT_EQ(Label("IDC_ME_REC2"), "abrufen");
    EXPECT_EQ(Lamps()->GetString(1), "Hauptlicht");
    EXPECT_EQ(Find<wxNotebook>("IDC_OPTIONSTAB")->GetPageText(1), "Optionen");
}

// ---- The bar ----

TEST_F(TrovalexPageTest, EnergyRangeBoxIsSetBeforeTheBarsValue)
{
    struct Case {
        int value;
        int range;
        int stored;
        const char* text;
    };
    // The box's state in the same record decides the lower limit.
    const Case cases[] = {{55, 0, 60, "6.0"}, {55, 1, 55, "5.5"},  {40, 1, 50, "5.0"},
                          {40, 0, 60, "6.0"}, {120, 0, 100, "10"}, {120, 1, 100, "10"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " range " << c.range);
        Deliver(1, Status(c.value, 0x01, 0, c.range));
        EXPECT_EQ(Checked("IDC_ENERGIEBEREICH"), c.range != 0);
        EXPECT_EQ(Bar()->GetValue(), c.stored);
        EXPECT_EQ(BarText(), c.text);
    }
    EXPECT_TRUE(Commands().empty());
}

// The user's click on the box limits the value the bar takes next (at the
// end of a test flash it takes its own again); the value it shows stays.
TEST_F(TrovalexPageTest, UsersEnergyRangeBoxLimitsTheBarsNextValue)
{
    Deliver(1, Status(55, 0x01, 0, 1));
    ASSERT_EQ(Bar()->GetValue(), 55);
    Tick("IDC_ENERGIEBEREICH", false);
    EXPECT_EQ(Bar()->GetValue(), 55);
    Deliver(98, {});
    EXPECT_EQ(Bar()->GetValue(), 60);
}

TEST_F(TrovalexPageTest, BarShowsPowerWarningPercentAndTheJoulesOfTheRating)
{
    // 117V-230V: the full rating at full setting.
    Deliver(4, UnitInfo(18, 0x08));
    EXPECT_EQ(tiko->GetEnergyRating(), 1200);
    EXPECT_FALSE(tiko->IsLowVoltage());
    Deliver(1, Status(90));
    BarFace face = Bar()->GetFace();
    EXPECT_EQ(face.large, "9.0");
    EXPECT_EQ(face.joules, "600J");
    EXPECT_EQ(face.percent, "50%");
    EXPECT_EQ(face.textColour, wxColour(0, 255, 0));
    EXPECT_TRUE(tiko->UnitControls().IsPowerOn());
    EXPECT_TRUE(Shown("IDC_LED"));

    // The 100 V variant: five sixths; at 55 tenths of a percent.
    Deliver(4, UnitInfo(18, 0x00));
    EXPECT_TRUE(tiko->IsLowVoltage());
    Deliver(1, Status(90));
    EXPECT_EQ(Bar()->GetFace().joules, "500J");
    Deliver(1, Status(55, 0x01 | 0x02, 0, 1));
    face = Bar()->GetFace();
    EXPECT_EQ(face.percent, "4.5%");
    EXPECT_EQ(face.joules, "44J");
    EXPECT_EQ(face.textColour, wxColour(255, 0, 0));

    // Off: grey, without the LED.
    Deliver(1, Status(55, 0x00, 0, 1));
    EXPECT_EQ(Bar()->GetFace().textColour, wxColour(180, 180, 180));
    EXPECT_FALSE(Shown("IDC_LED"));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(TrovalexPageTest, PowerDisplayShiftsTheBarAndTheMemoryTable)
{
    Deliver(1, Status(100));
    EXPECT_EQ(BarText(), "10");
    // Record 5 byte 6: modes 1 to 3 shift by 0.4, 1.4, 2.4 stops.
    Deliver(5, RecordData(9, {{6, 1}}));
    EXPECT_EQ(tiko->GetPowerDisplay(), 1);
    EXPECT_EQ(BarText(), "9.6");
    Deliver(5, RecordData(9, {{6, 3}}));
    Deliver(1, Status(57, 0x01, 0, 1));
    EXPECT_EQ(BarText(), "3.3");
    tiko->SelectMemory(0);
    Deliver(101, RecordData(9, {{5, 100}}));
    EXPECT_EQ(Label("IDC_ME_LINE1L"), "7.6");
    // Values above 4 count as 4, which shows tenths.
    Deliver(5, RecordData(9, {{6, 9}}));
    EXPECT_EQ(tiko->GetPowerDisplay(), 4);
    EXPECT_EQ(BarText(), "5.7");
    EXPECT_TRUE(Commands().empty());
}

// ---- Modelling light ----

TEST_F(TrovalexPageTest, ModellingRadiosSendTheTikoCodesOnlyWhenSelected)
{
    Deliver(1, Status(60));
    struct Case {
        const char* radio;
        int mode;
        uint8_t code;
    };
    const Case cases[] = {{"IDC_LM_FULL", 0, 0x40},  {"IDC_LM_LOW", 1, 0x41},    {"IDC_LM_PROP1", 2, 0x42},
                          {"IDC_LM_PROP2", 3, 0x43}, {"IDC_LM_PROP3", 4, 0x44},  {"IDC_LM_PROP4", 5, 0x45},
                          {"IDC_LM_PROP5", 6, 0x46}, {"IDC_LM_PROPMAX", 7, 0x47}};
    for (const Case& c : cases) {
        PickRadio(c.radio);
        EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {c.code}}})) << c.radio;
        EXPECT_EQ(tiko->UnitControls().GetModellingLightMode(), c.mode);
        EXPECT_TRUE(Checked(c.radio));
    }
    PickRadio("IDC_LM_FULL", false);
    EXPECT_TRUE(Commands().empty());
    // The unit's mode checks its radio.
    for (const Case& c : cases) {
        Deliver(1, Status(60, 0x01, c.mode));
        EXPECT_TRUE(Checked(c.radio)) << c.radio;
    }
}

TEST_F(TrovalexPageTest, TrovalexRefusesItsTwoHighestLevelsNearFullEnergy)
{
    // At 97 the fifth level runs at the third.
    Deliver(1, Status(97));
    PickRadio("IDC_LM_PROP5");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {0x46}}}));
    EXPECT_TRUE(Shown("IDC_LM_OVER"));
    EXPECT_EQ(Label("IDC_LM_OVER"), "set to prop3");
    EXPECT_FALSE(Enabled("IDC_LM_PROP4"));
    EXPECT_FALSE(Enabled("IDC_LM_PROP5"));
    EXPECT_TRUE(Checked("IDC_LM_PROP5"));

    // The unit's record at 90: the fourth.
    Deliver(1, Status(90, 0x01, 6));
    EXPECT_TRUE(Shown("IDC_LM_OVER"));
    EXPECT_EQ(Label("IDC_LM_OVER"), "set to prop4");
    EXPECT_TRUE(Enabled("IDC_LM_PROP4"));
    EXPECT_FALSE(Enabled("IDC_LM_PROP5"));

    // At 84 the fourth level runs as chosen.
    Deliver(1, Status(84, 0x01, 5));
    EXPECT_FALSE(Shown("IDC_LM_OVER"));
    EXPECT_TRUE(Enabled("IDC_LM_PROP4"));
    EXPECT_TRUE(Enabled("IDC_LM_PROP5"));
    for (const char* radio : {"IDC_LM_FULL", "IDC_LM_LOW", "IDC_LM_PROP1", "IDC_LM_PROPMAX"})
        EXPECT_TRUE(Enabled(radio)) << radio;
    EXPECT_TRUE(Commands().empty());
}

TEST_F(TrovalexPageTest, EachLevelIsRefusedFromItsLimitOnNotOnlyAboveIt)
{
    // The unit reports its mode at the bar's value; then the user picks the
    // first proportional level, which works the limit out again.
    struct Case {
        int value;
        const char* radio;
        int mode;
        bool prop4;
        bool prop5;
        const char* over;  // nullptr: hidden
    };
    const Case cases[] = {
        {84, "IDC_LM_PROP5", 6, true, true, nullptr},          {85, "IDC_LM_PROP5", 6, true, false, "set to prop4"},
        {85, "IDC_LM_PROP4", 5, true, false, nullptr},         {94, "IDC_LM_PROP4", 5, true, false, nullptr},
        {94, "IDC_LM_PROP5", 6, true, false, "set to prop4"},  {95, "IDC_LM_PROP4", 5, false, false, "set to prop3"},
        {95, "IDC_LM_PROP5", 6, false, false, "set to prop3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.radio << " at " << c.value);
        Deliver(1, Status(c.value, 0x01, c.mode));
        ASSERT_EQ(Bar()->GetValue(), c.value);
        EXPECT_TRUE(Checked(c.radio));
        EXPECT_EQ(Enabled("IDC_LM_PROP4"), c.prop4);
        EXPECT_EQ(Enabled("IDC_LM_PROP5"), c.prop5);
        EXPECT_EQ(Shown("IDC_LM_OVER"), c.over != nullptr);
        if (c.over) {
            EXPECT_EQ(Label("IDC_LM_OVER"), c.over);
        }

        PickRadio("IDC_LM_PROP1");
        EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {0x42}}}));
        EXPECT_EQ(Enabled("IDC_LM_PROP4"), c.prop4);
        EXPECT_EQ(Enabled("IDC_LM_PROP5"), c.prop5);
        EXPECT_FALSE(Shown("IDC_LM_OVER"));
    }
}

TEST_F(SorvantPageTest, OtherModelsKeepEveryLevelAndLeaveTheOverLabel)
{
    Deliver(1, Status(97, 0x01, 6));
    EXPECT_TRUE(Enabled("IDC_LM_PROP4"));
    EXPECT_TRUE(Enabled("IDC_LM_PROP5"));
    EXPECT_FALSE(Shown("IDC_LM_OVER"));
    EXPECT_EQ(Label("IDC_LM_OVER"), "set to prop");
    PickRadio("IDC_LM_PROP4");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {0x45}}}));
    EXPECT_FALSE(Shown("IDC_LM_OVER"));
}

TEST_F(TrovalexPageTest, LampButtonTogglesTheModellingLamp)
{
    Click("IDC_LM_LIGHT");
    EXPECT_TRUE(tiko->UnitControls().IsModellingLightOn());
    Click("IDC_LM_LIGHT");
    EXPECT_FALSE(tiko->UnitControls().IsModellingLightOn());
    EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {0x81}}, {3, {0x80}}}));
}

// ---- Memories and lamp function ----

TEST_F(TrovalexPageTest, MemoryRadioSendsTheSelectionsThenAsksForItsRecord)
{
    ChooseEntry(page, "IDC_LA_LAMP4", 4);
    EXPECT_EQ(Commands(), (std::vector<Sent>{Selections(0, 0, 4)}));
    PickRadio("IDC_ME_MEMORY7");
    EXPECT_EQ(Commands(), (std::vector<Sent>{Selections(0, 2, 4), {2, {0, 103}}}));
    EXPECT_EQ(tiko->GetSelectedMemory(), 2);
    for (int index = 0; index < 4; ++index)
        EXPECT_EQ(Checked(kMemoryRadios[index]), index == 2) << kMemoryRadios[index];
    Click("IDC_ME_STORE2");
    Click("IDC_ME_REC2");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{12, {2}}, {13, {2}}}));

    // With no memory chosen both go to the first.
    tiko->SelectMemory(-1);
    EXPECT_FALSE(Checked("IDC_ME_MEMORY7"));
    Click("IDC_ME_STORE2");
    Click("IDC_ME_REC2");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{12, {0}}, {13, {0}}}));
}

TEST_F(TrovalexPageTest, MemoryRecordFillsTheTableOfTheCheckedMemoryOnly)
{
    tiko->SelectMemory(0);
    for (const char* cell : {"IDC_ME_LINE3L", "IDC_ME_LINE3L_LA", "IDC_ME_LINE3R", "IDC_ME_LINE3R_LA"})
        SetCtrlText(page, XRCID(cell), "old");
    // Memory 6 is not the checked one.
    Deliver(102, RecordData(9, {{5, 60}, {6, 3}}));
    EXPECT_EQ(Label("IDC_ME_LINE1L"), "");
    EXPECT_TRUE(Commands().empty());

    // 5.5 (bit 7 not part of it), sequence 5, delay 2.5 s.
    Deliver(101, RecordData(9, {{5, 0x80 | 55}, {6, 5}, {7, 0}, {8, 25}}));
    EXPECT_EQ(Label("IDC_ME_LINE1L"), "5.5");
    EXPECT_EQ(Label("IDC_ME_LINE1R_LA"), "sequence");
    EXPECT_EQ(Label("IDC_ME_LINE1R"), "5");
    EXPECT_EQ(Label("IDC_ME_LINE2R_LA"), "delay");
    EXPECT_EQ(Label("IDC_ME_LINE2R"), "2.5s");
    for (const char* cell : {"IDC_ME_LINE3L", "IDC_ME_LINE3L_LA", "IDC_ME_LINE3R", "IDC_ME_LINE3R_LA"})
        EXPECT_EQ(Label(cell), "") << cell;

    // Only a delay, clamped to 9.9 s: it takes the first line.
    Deliver(101, RecordData(9, {{5, 70}, {6, 0}, {7, 1}, {8, 0}}));
    EXPECT_EQ(Label("IDC_ME_LINE1R_LA"), "delay");
    EXPECT_EQ(Label("IDC_ME_LINE1R"), "9.9s");
    EXPECT_EQ(Label("IDC_ME_LINE2R_LA"), "");
    EXPECT_EQ(Label("IDC_ME_LINE2R"), "");
    EXPECT_TRUE(Commands().empty());

    // An empty memory gets the unit's present settings; the table stays.
    Deliver(101, RecordData(9, {{5, 50}, {7, 0xFF}}));
    EXPECT_EQ(Commands(), (std::vector<Sent>{{12, {0}}}));
    EXPECT_EQ(Label("IDC_ME_LINE1L"), "7.0");

    tiko->SelectMemory(3);
    Deliver(104, RecordData(9, {{5, 0xFF}, {6, 0xFF}, {7, 0xFF}, {8, 0xFF}}));
    EXPECT_EQ(Commands(), (std::vector<Sent>{{12, {3}}}));
}

TEST_F(TrovalexPageTest, SelectionsRecordSelectsPageFieldMemoryAndLampThenReportsThem)
{
    // The information page (3 counts as 2), the delay field (3), memory 7,
    // lamp function 21 counts as 0.
    Deliver(3, RecordData(8, {{5, 0x03 | 3 << 2}, {6, 2}, {7, 21}}));
    EXPECT_EQ(Find<wxNotebook>("IDC_OPTIONSTAB")->GetSelection(), 2);
    EXPECT_EQ(tiko->GetOptionsOrTikoAuxPage()->GetSelectedField(), CAuxPageTiko::DELAY);
    EXPECT_TRUE(Checked("IDC_ME_MEMORY7"));
    EXPECT_EQ(Lamps()->GetSelection(), 0);
    // The notebook and the field changed: two reports, each of the state
    // the whole record left.
    const Sent report = Selections(2 + 4 * 3, 2, 0);
    EXPECT_EQ(Commands(), (std::vector<Sent>{report, report}));

    // Nothing changes, nothing is reported.
    Deliver(3, RecordData(8, {{5, 0x02 | 3 << 2}, {6, 2}, {7, 5}}));
    EXPECT_EQ(Lamps()->GetSelection(), 5);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(SorvantPageTest, SelectionsOfTheDelayFieldSelectTheSequenceOnUnitsWithoutOne)
{
    Deliver(3, RecordData(8, {{5, 3 << 2}, {6, 1}, {7, 2}}));
    EXPECT_EQ(tiko->GetOptionsOrTikoAuxPage()->GetSelectedField(), CAuxPageTiko::SEQUENCE);
    EXPECT_TRUE(Checked("IDC_ME_MEMORY6"));
    EXPECT_TRUE(Commands().empty());
}

// ---- Unit information, options, counters, dates, service ----

TEST_F(TrovalexPageTest, UnitInformationFillsTheInformationPageAndCaption)
{
    struct Case {
        int model, variant, supply;
        uint32_t serial;
        const char* type;
        const char* version;
        const char* voltage;
        const char* actual;
        const char* serialText;
        int rating;
        bool lowVoltage;
    };
    const Case cases[] = {
        {18, 0x08, 1, 123456, "Trovalex T160", "18.05", "117V-230V", "bivoltage", "123456", 1200, false},
        {25, 0x0D, 2, 0x80000000u, "Sorvant 160", "25.05", "100V-117V", "batterie", "2147483648", 1200, false},
        {25, 0x00, 3, 42, "Sorvant 40", "25.05", "100V-117V", "standard", "42", 300, true},
        {26, 0x11, 0, 4294967295u, "Hexor 1600", "26.05", "230V", "standard", "4294967295", 600, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Deliver(4, UnitInfo(c.model, c.variant, c.serial, 5, c.supply));
        EXPECT_EQ(Label("IDC_IN_TYPE"), c.type);
        EXPECT_EQ(Label("IDC_IN_VERSION"), c.version);
        EXPECT_EQ(Label("IDC_IN_VVERSION"), c.voltage);
        EXPECT_EQ(Label("IDC_IN_VNOW"), c.actual);
        EXPECT_EQ(Label("IDC_IN_SER_STAT"), c.serialText);
        EXPECT_EQ(unit->GetCaption(), wxString("unit 3 ") + c.type + " (ser. nr. " + c.serialText + ")");
        EXPECT_EQ(tiko->GetModelCode(), c.model);
        EXPECT_EQ(tiko->GetEnergyRating(), c.rating);
        EXPECT_EQ(tiko->IsLowVoltage(), c.lowVoltage);
        EXPECT_EQ(tiko->GetProgramVersion(), 5);
    }
    // A Hexor model the table does not name: no name, the rating stays.
    Deliver(4, UnitInfo(26, 0x02, 7));
    EXPECT_EQ(Label("IDC_IN_TYPE"), "");
    EXPECT_EQ(tiko->GetEnergyRating(), 600);
    EXPECT_EQ(unit->GetCaption(), "unit 3  (ser. nr. 7)");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(TrovalexPageTest, OptionsRecordSetsFlashBoxesLampAndTheSettingPages)
{
    Deliver(5, RecordData(9, {{5, 0xFF}, {6, 2}, {7, 3}, {8, 0x01}}));
    EXPECT_TRUE(tiko->UnitControls().IsModellingLightOn());
    EXPECT_TRUE(Checked("IDC_FL_IR"));
    EXPECT_TRUE(Checked("IDC_FL_CELL"));
    EXPECT_TRUE(Checked("IDC_FL_RF"));
    COptionsPageTiko* options = tiko->GetInfosOrTikoOptionsPage();
    EXPECT_TRUE(options->IsBuzzerChecked());
    EXPECT_TRUE(options->IsSlowChecked());
    EXPECT_TRUE(options->IsReducedChecked());
    EXPECT_TRUE(options->IsCellChecked());
    EXPECT_TRUE(tiko->GetOptionsOrTikoAuxPage()->IsStoreChecked());
    EXPECT_EQ(Find<wxComboBox>("IDC_OP_POWERDISPLAY")->GetSelection(), 2);
    EXPECT_EQ(tiko->GetPowerDisplay(), 2);
    EXPECT_EQ(Find<wxComboBox>("IDC_OP_IRADDRESS")->GetSelection(), 2);
    EXPECT_TRUE(Commands().empty());

    Deliver(5, RecordData(9, {{5, 0x00}, {6, 0}, {7, 0}, {8, 0x00}}));
    EXPECT_FALSE(tiko->UnitControls().IsModellingLightOn());
    EXPECT_FALSE(Checked("IDC_FL_CELL"));
    EXPECT_FALSE(options->IsBuzzerChecked());
    EXPECT_FALSE(options->IsCellChecked());
    EXPECT_FALSE(tiko->GetOptionsOrTikoAuxPage()->IsStoreChecked());
    EXPECT_EQ(Find<wxComboBox>("IDC_OP_IRADDRESS")->GetSelection(), wxNOT_FOUND);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(TrovalexPageTest, CountersByModelAndOwnerTrimmed)
{
    std::vector<uint8_t> data = RecordData(22, {{5, 1}, {6, 2}, {7, 3}});
    const std::string owner = "Studio A      ";
    std::copy(owner.begin(), owner.end(), data.begin() + 3);
    Deliver(6, data);
    EXPECT_EQ(Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue(), "66051");
    EXPECT_EQ(Label("IDC_IN_OWNER"), "Studio A");
    EXPECT_EQ(Label("IDC_IN_OWNER_SERVICE"), "Studio A");
    // The same bytes from a unit that names itself a Hexor.
    Deliver(4, UnitInfo(26, 0x00));
    Deliver(6, data);
    EXPECT_EQ(Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue(), "10203");
}

TEST_F(TrovalexPageTest, DatesWithTheirCenturyAndOutOfRangeBytesAsZero)
{
    // Delivery, service and factory date, each a year and a month.
    Deliver(8, RecordData(12, {{6, 98}, {7, 11}, {8, 120}, {9, 13}, {10, 7}, {11, 3}}));
    EXPECT_EQ(Label("IDC_IN_DELIVERY_STAT"), "11.1998");
    EXPECT_EQ(Label("IDC_IN_DATE_SERVICE"), "13.2000");
    EXPECT_EQ(Label("IDC_IN_DATE_TOVR_STAT"), "3.2007");
}

TEST_F(TrovalexPageTest, ServiceStatusSetsLedLevelAndTheFamilysVoltages)
{
    Deliver(100, RecordData(7, {{5, 0x80}, {6, 0}}));
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 2);
    Deliver(100, RecordData(7, {{5, 0x00}, {6, 0}}));
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 1);

    SetCtrlText(page, XRCID("IDC_IN_SOLL_FLASH_V"), "none");
    Deliver(100, RecordData(11, {{5, 0x80}, {6, 2}, {7, 100}, {8, 100}, {9, 220}, {10, 50}}));
    EXPECT_EQ(Label("IDC_IN_POS_FLASH_V"), "117");
    EXPECT_EQ(Label("IDC_IN_NEG_FLASH_V"), "229");
    EXPECT_EQ(Label("IDC_IN_LINE_V"), "230");
    EXPECT_EQ(Label("IDC_IN_LINE_F"), "50");
    // Length 11: no nominal flash voltage.
    EXPECT_EQ(Label("IDC_IN_SOLL_FLASH_V"), "none");
    EXPECT_TRUE(Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_TRUE(Shown("IDC_IN_SER"));
    Deliver(100, RecordData(12, {{5, 0x80}, {6, 2}, {9, 220}, {11, 100}}));
    EXPECT_EQ(Label("IDC_IN_SOLL_FLASH_V"), "230");

    // Back at level 0 the values stay as they were.
    Deliver(100, RecordData(12, {{5, 0x80}, {6, 0}, {9, 100}}));
    EXPECT_FALSE(Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_FALSE(Shown("IDC_IN_SER"));
    EXPECT_EQ(Label("IDC_IN_LINE_V"), "230");
}

TEST_F(TrovalexPageTest, TestFlashTurnsTheLedRedAndItsEndClearsTheWarning)
{
    Deliver(1, Status(70, 0x01 | 0x02));
    EXPECT_EQ(Bar()->GetFace().textColour, wxColour(255, 0, 0));
    Click("IDC_FL_TEST");
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 1);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{102, {}}}));
    Deliver(100, RecordData(7, {{5, 0x80}}));
    Deliver(98, {});
    EXPECT_EQ(Bar()->GetValue(), 70);
    EXPECT_EQ(Bar()->GetFace().textColour, wxColour(0, 255, 0));
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 1);
}

TEST_F(TrovalexPageTest, ServiceValuesNeedTheirBytesAtALevel)
{
    // A level without the voltages' bytes is no service record at all.
    Deliver(100, RecordData(10, {{5, 0x80}, {6, 2}}));
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 0);
    EXPECT_FALSE(Shown("IDC_OP_RESET_TOTAL"));
    Deliver(100, RecordData(11, {{5, 0x80}, {6, 2}, {10, 50}}));
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 2);
    EXPECT_EQ(Label("IDC_IN_LINE_F"), "50");
}

// ---- Status panel ----

TEST_F(TrovalexPageTest, StatusRowsShowSequenceAndDelayOnly)
{
    Deliver(2, AuxFunctions(0, 0, 25, 0));
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "delay");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "2.5s");
    for (const char* row : {"IDC_ST_SEQUENCE", "IDC_ST_INTERVAL", "IDC_ST_DELAY", "IDC_ST_SEQUENCE_LA"})
        EXPECT_EQ(Label(row), "") << row;
    Deliver(2, AuxFunctions(4, 300, 10, 0));
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "sequence");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "4");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE_LA"), "delay");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE"), "1.0s");
    EXPECT_EQ(Label("IDC_ST_FLASH2"), "4");
    // The interval stays off on these units.
    EXPECT_EQ(tiko->GetOptionsOrTikoAuxPage()->GetInterval(), 0);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(TrovalexPageTest, SuggestedSettingsTakeThePanelAndTheOkButtonTakesTheIntervalOver)
{
    Deliver(1, Status(70));
    struct Case {
        int flags;
        bool group2;
        bool ok;
    };
    const Case cases[] = {{0x02, true, false}, {0x80, true, true},   {0x08, true, true},  {0x04, true, true},
                          {0x06, true, true},  {0x01, false, false}, {0x70, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        Deliver(2, AuxFunctions(0, 0, 0, c.flags));
        EXPECT_EQ(Shown("IDC_STATUS2"), c.group2);
        EXPECT_EQ(Shown("IDC_STATUS"), !c.group2);
        EXPECT_EQ(Label("IDC_STATUS2"), c.group2 ? "suggested settings" : "status");
        EXPECT_EQ(Shown("IDC_ST_SET"), c.ok);
        for (const char* flash : {"IDC_FLASH", "IDC_FL_CELL", "IDC_FL_IR", "IDC_FL_TEST", "IDC_LED"})
            EXPECT_EQ(Shown(flash), !c.group2) << flash;
        EXPECT_FALSE(Shown("IDC_FL_RF"));
        for (const char* red : {"IDC_ST_FLASH_RED", "IDC_ST_SEQUENCE_RED", "IDC_ST_INTERVAL_RED"})
            EXPECT_FALSE(Shown(red)) << red;
    }

    // The unit suggests an interval: it goes out as the aux page keeps it.
    Deliver(2, AuxFunctions(0, 150, 0, 0x08 | 0x01));
    Click("IDC_ST_SET");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{7, {0, 0}}}));
    EXPECT_EQ(tiko->GetAuxStatusFlags(), 0x01);
    EXPECT_TRUE(Shown("IDC_STATUS"));
    EXPECT_TRUE(Shown("IDC_FL_TEST"));
    EXPECT_TRUE(Shown("IDC_LED"));

    // Inactive on slow recycling: the interval off, both flags cleared.
    Deliver(2, AuxFunctions(0, 0, 0, 0x80 | 0x08));
    Click("IDC_ST_SET");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{7, {0, 0}}}));
    EXPECT_EQ(tiko->GetAuxStatusFlags(), 0);

    // A suggested flash duration is nothing these units take over.
    Deliver(2, AuxFunctions(0, 0, 0, 0x04));
    Click("IDC_ST_SET");
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(tiko->GetAuxStatusFlags(), 0x04);
    EXPECT_TRUE(Shown("IDC_ST_SET"));
}

TEST_F(TrovalexPageTest, AlarmsNameOverTemperatureFirstWithoutACoolingTime)
{
    Deliver(7, RecordData(7, {{5, 1}, {6, 1}}));
    EXPECT_EQ(Label("IDC_STATUS"), " thermo ");
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "");
    EXPECT_EQ(Label("IDC_ST_ALARM2"), "cool - break");
    EXPECT_EQ(Label("IDC_ST_ALARM3"), "do not switch off");
    for (const char* alarm : {"IDC_ST_ALARM", "IDC_ST_ALARM1", "IDC_ST_ALARM2", "IDC_ST_ALARM3"})
        EXPECT_TRUE(Shown(alarm)) << alarm;
    EXPECT_FALSE(Shown("IDC_ST_FLASH"));
    EXPECT_FALSE(Shown("IDC_ST_FLASH2"));
    EXPECT_TRUE(Shown("IDC_FL_TEST"));

    // At a service level the rows stay and the title says so.
    Deliver(100, RecordData(11, {{5, 0x80}, {6, 1}}));
    EXPECT_EQ(Label("IDC_STATUS"), " thermo - service mode ");
    EXPECT_FALSE(Shown("IDC_ST_ALARM1"));
    EXPECT_TRUE(Shown("IDC_ST_FLASH"));
    Deliver(100, RecordData(11, {{5, 0x80}, {6, 0}}));

    Deliver(7, RecordData(7, {{5, 1}, {6, 0}}));
    EXPECT_EQ(Label("IDC_STATUS"), " charge error ");
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "charge error");
    EXPECT_EQ(Label("IDC_ST_ALARM2"), "switch unit off");
    EXPECT_EQ(Label("IDC_ST_ALARM3"), "");

    Deliver(7, RecordData(7, {{5, 0}, {6, 0}}));
    EXPECT_EQ(Label("IDC_STATUS"), "status");
    EXPECT_EQ(Label("IDC_ST_ALARM"), "");
    EXPECT_FALSE(Shown("IDC_ST_ALARM1"));
    EXPECT_TRUE(Shown("IDC_ST_FLASH"));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(RadioTrovalexPageTest, RadioReleaseGoesWithTheFlashControlsAndShowsNoLed)
{
    EXPECT_TRUE(Shown("IDC_FL_RF"));
    Deliver(2, AuxFunctions(0, 0, 0, 0x08));
    EXPECT_FALSE(Shown("IDC_FL_RF"));
    Deliver(2, AuxFunctions(0, 0, 0, 0));
    EXPECT_TRUE(Shown("IDC_FL_RF"));
    Click("IDC_FL_TEST");
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 0);
    // The service level is not forced to 0 on these units.
    Deliver(100, RecordData(12, {{5, 0x80}, {6, 2}}));
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 0);
    EXPECT_TRUE(Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_TRUE(Shown("IDC_IN_SER"));
    Commands();
}

// ---- Views ----

TEST_F(TrovalexPageTest, CompactViewHidesTheNotebookLampFunctionEnergyRangeAndMemories)
{
    const char* const full[] = {"IDC_OPTIONSTAB", "IDC_LA_LAMP4",   "IDC_ENERGIEBEREICH", "IDC_ME_FR_MEMORY",
                                "IDC_ME_FR_INFO", "IDC_ME_MEMORY5", "IDC_ME_MEMORY8",     "IDC_ME_REC2",
                                "IDC_ME_STORE2",  "IDC_ME_LINE1L",  "IDC_ME_LINE1L_LA",   "IDC_ME_LINE3R"};
    page->SetFullView(false);
    for (const char* name : full)
        EXPECT_FALSE(Shown(name)) << name;
    EXPECT_TRUE(Shown("IDC_AUX_LIGHT1"));
    EXPECT_TRUE(Shown("IDC_FL_TEST"));
    page->SetFullView(true);
    for (const char* name : full)
        EXPECT_TRUE(Shown(name)) << name;
    // The group's hidden radio stays hidden in either view.
    EXPECT_FALSE(Shown("IDC_ME_MEMORY_UNSET"));
    // Its group still works.
    PickRadio("IDC_ME_MEMORY6");
    tiko->SelectMemory(-1);
    EXPECT_EQ(tiko->GetSelectedMemory(), 0);
    EXPECT_FALSE(Checked("IDC_ME_MEMORY6"));
    Commands();
}

TEST_F(HexorPageTest, InfraredAndEnergyRangeStayHiddenWhateverShowsThemAgain)
{
    EXPECT_FALSE(Shown("IDC_FL_IR"));
    EXPECT_FALSE(Shown("IDC_ENERGIEBEREICH"));
    EXPECT_TRUE(Shown("IDC_FL_CELL"));
    page->SetFullView(false);
    page->SetFullView(true);
    EXPECT_FALSE(Shown("IDC_FL_IR"));
    EXPECT_FALSE(Shown("IDC_ENERGIEBEREICH"));
    EXPECT_TRUE(Shown("IDC_LA_LAMP4"));
    // The flash controls come back after the suggested settings.
    Deliver(2, AuxFunctions(0, 0, 0, 0x08));
    Deliver(2, AuxFunctions(0, 0, 0, 0));
    EXPECT_TRUE(Shown("IDC_FL_CELL"));
    EXPECT_TRUE(Shown("IDC_FL_TEST"));
    EXPECT_FALSE(Shown("IDC_FL_IR"));
}

// ---- The user's actions ----

TEST_F(TrovalexPageTest, FlashBoxesAndTheEnergyRangeSendTheirCodes)
{
    struct Case {
        const char* box;
        uint16_t code;
        uint8_t on;
        uint8_t off;
    };
    const Case cases[] = {{"IDC_FL_CELL", 4, 0x41, 0x40},
                          {"IDC_FL_IR", 4, 0x81, 0x80},
                          {"IDC_FL_RF", 4, 0x21, 0x20},
                          {"IDC_ENERGIEBEREICH", 29, 1, 0}};
    for (const Case& c : cases) {
        Tick(c.box, true);
        Tick(c.box, false);
        EXPECT_EQ(Commands(), (std::vector<Sent>{{c.code, {c.on}}, {c.code, {c.off}}})) << c.box;
    }
}

// The LED shows only while the unit is on: suggestions that come and go
// while it is off bring the flash controls back without it.
TEST_F(TrovalexPageTest, SuggestedSettingsLeavingAnOffUnitBringNoLed)
{
    Deliver(1, Status(70, 0x00));
    EXPECT_FALSE(Shown("IDC_LED"));
    Deliver(2, AuxFunctions(0, 150, 0, 0x08));
    EXPECT_TRUE(Shown("IDC_STATUS2"));
    EXPECT_FALSE(Shown("IDC_FL_TEST"));
    Deliver(2, AuxFunctions(0, 0, 0, 0));
    EXPECT_FALSE(Shown("IDC_STATUS2"));
    EXPECT_TRUE(Shown("IDC_FL_TEST"));
    EXPECT_FALSE(Shown("IDC_LED"));

    Deliver(1, Status(70, 0x01));
    EXPECT_TRUE(Shown("IDC_LED"));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(TrovalexPageTest, PowerButtonSwitchesTheUnitAndTheBar)
{
    Deliver(1, Status(70, 0x00));
    Click("IDC_POWER");
    EXPECT_TRUE(tiko->UnitControls().IsPowerOn());
    EXPECT_TRUE(Shown("IDC_LED"));
    EXPECT_EQ(Bar()->GetFace().textColour, wxColour(0, 255, 0));
    Click("IDC_POWER");
    EXPECT_FALSE(Shown("IDC_LED"));
    EXPECT_EQ(Bar()->GetFace().textColour, wxColour(180, 180, 180));
    EXPECT_EQ(Commands(), (std::vector<Sent>{{28, {}}, {27, {}}}));
}

TEST_F(TrovalexPageTest, ShortSpinClickSendsOneTenthOnRelease)
{
    Deliver(1, Status(60));
    SpinLine("IDC_SPIN_AUX1", true);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 0);
    SpinRelease("IDC_SPIN_AUX1");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {61}}}));
    EXPECT_EQ(tiko->UnitControls().GetLedState(), 1);
    SpinLine("IDC_SPIN_AUX1", false);
    SpinRelease("IDC_SPIN_AUX1");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {59}}}));

    // A release of another control disarms a click and sends nothing.
    SpinLine("IDC_SPIN_AUX1", true);
    SpinRelease("IDC_ST_SET");
    SpinLine("IDC_SPIN_AUX1", true);
    EXPECT_TRUE(Commands().empty());
    SpinRelease("IDC_SPIN_AUX1");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {61}}}));
}

TEST_F(TrovalexPageTest, HeldSpinSendsWholeStopsEveryFifthRepeatWithinItsLimits)
{
    // Held up at 95: the second event and the seventh; nothing on release.
    Deliver(1, Status(95));
    for (int event = 0; event < 7; ++event)
        SpinLine("IDC_SPIN_AUX1", true);
    SpinRelease("IDC_SPIN_AUX1");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {105}}, {1, {105}}}));

    // Down steps only while the bar is above 33.
    Deliver(1, Status(50, 0x01, 0, 1));
    for (int event = 0; event < 2; ++event)
        SpinLine("IDC_SPIN_AUX1", false);
    SpinRelease("IDC_SPIN_AUX1");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {40}}}));
    Deliver(1, Status(100));
    for (int event = 0; event < 2; ++event)
        SpinLine("IDC_SPIN_AUX1", true);
    SpinRelease("IDC_SPIN_AUX1");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(TrovalexPageTest, UsersNotebookChangeReportsTheSelections)
{
    Deliver(3, RecordData(8, {{5, 0}, {6, 1}, {7, 7}}));
    Commands();
    SelectTab("IDC_OPTIONSTAB", 1);
    EXPECT_EQ(Commands(), (std::vector<Sent>{Selections(1, 1, 7)}));
}

TEST_F(TrovalexPageTest, SettingPagesSendThroughTheTikoBuilder)
{
    CAuxPageTiko* aux = tiko->GetOptionsOrTikoAuxPage();
    COptionsPageTiko* options = tiko->GetInfosOrTikoOptionsPage();
    CInfosPageTiko* infos = tiko->GetLampOrTikoInfosPage();
    tiko->SelectMemory(1);

    // A click on the delay field: the selections with the delay field.
    ClickField(aux, "IDC_AU_DELAY");
    EXPECT_EQ(Commands(), (std::vector<Sent>{Selections(4 * 3, 1, 0)}));
    ClickButton(aux, "IDC_AU_RESET");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{15, {}}}));

    // Buzzer and photocell: the options as one byte.
    Tick("IDC_OP_BUZZER", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x01}}}));
    Tick("IDC_OP_CELL", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x09}}}));
    // The power display: the bar follows, the unit hears the mode and is
    // asked for the memory shown.
    Deliver(1, Status(100));
    ChooseEntry(options, "IDC_OP_POWERDISPLAY", 2);
    EXPECT_EQ(BarText(), "8.6");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{19, {2}}, {2, {0, 102}}}));
    ChooseEntry(options, "IDC_OP_IRADDRESS", 1);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{20, {2}}}));

    // The information page at service level 2: serial (as long as the
    // unit's) and dates.
    Deliver(4, UnitInfo(18, 0x08, 4000000000u));
    Deliver(100, RecordData(12, {{5, 0x80}, {6, 2}}));
    Type(infos, "IDC_IN_SER", "123456");
    LeaveField(infos, "IDC_IN_SER");
    Type(infos, "IDC_IN_SER", "3000000000");
    PressEnter(infos, "IDC_IN_SER");
    Type(infos, "IDC_IN_DELIVERY", "3.2012");
    PressEnter(infos, "IDC_IN_DELIVERY");
    EXPECT_EQ(Commands(),
              (std::vector<Sent>{{25, {0x00, 0x01, 0xE2, 0x40}}, {25, {0xB2, 0xD0, 0x5E, 0x00}}, {21, {12, 3}}}));
}

TEST_F(SorvantPageTest, SerialGoesOutAsItsLastFourDigits)
{
    Deliver(4, UnitInfo(25, 0x02, 100000));
    Deliver(100, RecordData(12, {{5, 0x80}, {6, 2}}));
    CInfosPageTiko* infos = tiko->GetLampOrTikoInfosPage();
    Type(infos, "IDC_IN_SER", "123456");
    LeaveField(infos, "IDC_IN_SER");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{25, {0, 0, 34, 56}}}));
}

}  // namespace
