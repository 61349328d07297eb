// The Nuvek and Ribex device pages as their user meets them, where both
// families behave alike: the page built with its setting pages, the unit's
// records shown in bars, LED, radios, status panel and setting pages, and
// each action of the user sent as the exact command.
#include "FamilyPageFixture.h"

#include <wx/image.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "pages/aux/AuxPageBase.h"
#include "pages/infos/InfosPageBase.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/memory/MemoryPageBase.h"
#include "pages/options/OptionsPageBase.h"
#include "units/DevicePictures.h"
#include "units/nuvek/NuvekDevice.h"
#include "units/ribex/RibexDevice.h"

using namespace guitest;

namespace {

struct NuvekFamily {
    using Unit = CNuvekDevice;
    static constexpr uint16_t kType = 20;
    // Command 11's lamp roles: the third outlet's byte is 0 on a Nuvek.
    static constexpr bool kThirdLamp = false;
    static constexpr const char* kModel = "Nuvek N4";
};

struct RibexFamily {
    using Unit = CRibexDevice;
    static constexpr uint16_t kType = 32;
    static constexpr bool kThirdLamp = true;
    static constexpr const char* kModel = "Ribex R4";
};

bool SamePicture(const wxBitmap& shown, PictureData picture)
{
    const wxImage a = shown.ConvertToImage();
    const wxImage b = wxBitmap(picture).ConvertToImage();
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

// Record 1: main light, the outlets' state bits (byte 21), aux values and
// modelling-light mode.
std::vector<uint8_t> Status(int main, int states, int aux1 = 0, int aux2 = 0, int mode = 0, int warnings = 0)
{
    return RecordData(25, {{5, main},
                           {9, aux1},
                           {10, 40},
                           {11, 0x01},
                           {12, 0x2C},
                           {13, aux2},
                           {14, 80},
                           {15, 0x06},
                           {16, 0x40},
                           {21, states},
                           {22, mode},
                           {24, warnings}});
}

// Power on, outlets 1 and 2 on and available, main light shown.
const int kAllOn = 0x01 | 0x04 | 0x08 | 0x10 | 0x20;

template <class Family>
class PowerPackPageTest : public FamilyPageTest<typename Family::Unit> {
protected:
    using Base = FamilyPageTest<typename Family::Unit>;
    void SetUp() override
    {
        Base::SetUp();
        this->Open(Family::kType);
    }

    // Command 11 with the given notebooks, memory and lamp roles.
    static Sent Selections(int tabs, int memory, int lamp1, int lamp2, int lamp3 = 0)
    {
        return {
            11,
            {uint8_t(tabs), uint8_t(memory), uint8_t(lamp1), uint8_t(lamp2), uint8_t(Family::kThirdLamp ? lamp3 : 0)}};
    }
};

using Families = ::testing::Types<NuvekFamily, RibexFamily>;
class FamilyNames {
public:
    template <class T>
    static std::string GetName(int)
    {
        return T::kType == 20 ? "Nuvek" : "Ribex";
    }
};
TYPED_TEST_SUITE(PowerPackPageTest, Families, FamilyNames);

// ---- The page as it is built ----

TYPED_TEST(PowerPackPageTest, AsksForAllRecordsOnceAndSendsNothingWhileItsPagesAreAdded)
{
    EXPECT_EQ(this->firstCommands, (std::vector<Sent>{{14, {}}}));
}

TYPED_TEST(PowerPackPageTest, SettingPagesSitInTheirNotebooksInOrder)
{
    auto* lampMemory = this->template Find<wxNotebook>("IDC_LAMPMEMTAB");
    auto* options = this->template Find<wxNotebook>("IDC_OPTIONSTAB");
    ASSERT_EQ(lampMemory->GetPageCount(), 2u);
    ASSERT_EQ(options->GetPageCount(), 3u);
    EXPECT_EQ(lampMemory->GetPageText(0), "lamp");
    EXPECT_EQ(lampMemory->GetPageText(1), "memory");
    EXPECT_EQ(lampMemory->GetSelection(), 1);
    EXPECT_EQ(options->GetPageText(0), "auxiliary flash functions");
    EXPECT_EQ(options->GetPageText(1), "options");
    EXPECT_EQ(options->GetPageText(2), "infos");
    EXPECT_EQ(options->GetSelection(), 0);
    EXPECT_EQ(lampMemory->GetPage(0), this->page->SettingBooks().GetLampPage());
    EXPECT_EQ(lampMemory->GetPage(1), this->page->SettingBooks().GetMemoryPage());
    EXPECT_EQ(options->GetPage(0), this->page->SettingBooks().GetAuxPage());
    EXPECT_EQ(options->GetPage(1), this->page->SettingBooks().GetOptionsPage());
    EXPECT_EQ(options->GetPage(2), this->page->SettingBooks().GetInfosPage());
    // Service level 0 until the unit reports one.
    EXPECT_FALSE(this->Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_EQ(this->page->LightBars().Aux(3), nullptr);
}

TYPED_TEST(PowerPackPageTest, LabelsAndToolTipsInThePagesLanguage)
{
    const std::pair<const char*, const char*> labels[] = {
        {"IDC_FLASH", "flash control"},
        {"IDC_MODELING", "modeling light"},
        {"IDC_STATUS", "status"},
        {"IDC_LM_FULL", "full"},
        {"IDC_LM_LOW", "low"},
        {"IDC_LM_PROP1", "prop  1"},
        {"IDC_LM_PROP5", "prop  5"},
        {"IDC_FL_CELL", "cell"},
        {"IDC_FL_IR", "ir"},
        {"IDC_FL_RF", "rfs"},
        {"IDC_FL_TEST", "test"},
        {"IDC_ST_SET", "ok"},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(this->Label(name), text) << name;
    const std::pair<const char*, const char*> tips[] = {
        {"IDC_MAIN_LIGHT", "energy"}, {"IDC_SPIN_MAIN", "energy"},  {"IDC_AUX_CHECK1", "lamp 1"},
        {"IDC_SPIN_AUX1", "lamp 1"},  {"IDC_AUX_CHECK2", "lamp 2"}, {"IDC_SPIN_AUX2", "lamp 2"},
    };
    for (const auto& [name, tip] : tips) {
        wxWindow* window = this->page->FindWindow(XRCID(name));
        ASSERT_NE(window, nullptr) << name;
        EXPECT_EQ(window->GetToolTipText(), tip) << name;
    }
    // No radio release on this unit.
    EXPECT_FALSE(this->Shown("IDC_FL_RF"));
    EXPECT_FALSE(this->Shown("IDC_STATUS2"));
    EXPECT_FALSE(this->Shown("IDC_LM_OVER"));
}

TYPED_TEST(PowerPackPageTest, CompactViewHidesTheNotebooks)
{
    this->page->SetFullView(false);
    EXPECT_FALSE(this->Shown("IDC_LAMPMEMTAB"));
    EXPECT_FALSE(this->Shown("IDC_OPTIONSTAB"));
    this->page->SetFullView(true);
    EXPECT_TRUE(this->Shown("IDC_LAMPMEMTAB"));
    EXPECT_TRUE(this->Shown("IDC_OPTIONSTAB"));
}

TYPED_TEST(PowerPackPageTest, PageAsksForRoomWhenItsContentGrowsAndLaysOutInItsPlace)
{
    int asked = 0;
    const auto count = [&asked](wxCommandEvent&) { ++asked; };
    this->Frame()->Bind(VESK_EVT_PAGE_NEEDS_ROOM, count);
    // The same content asks for nothing more.
    this->page->Layout();
    EXPECT_EQ(asked, 0);
    // A status label wider than anything the page has shown asks once.
    this->page->StatusPanel().SetFlashLabel(wxString('w', 200));
    this->page->StatusPanel().Update(PanelRequest());
    EXPECT_EQ(asked, 1);
    this->page->Layout();
    EXPECT_EQ(asked, 1);
    this->Frame()->Unbind(VESK_EVT_PAGE_NEEDS_ROOM, count);

    // Given a place, the page lays its notebooks out in it, never past its
    // edge.
    const wxSize place = this->page->GetSizer()->GetMinSize() + wxSize(40, 30);
    this->page->SetSize(place);
    this->page->Layout();
    for (const char* name : {"IDC_LAMPMEMTAB", "IDC_OPTIONSTAB"}) {
        const wxRect rect = this->template Find<wxWindow>(name)->GetRect();
        EXPECT_LE(rect.GetRight(), place.x) << name;
        EXPECT_LE(rect.GetBottom(), place.y) << name;
    }
    EXPECT_EQ(this->template Find<wxWindow>("IDC_OPTIONSTAB")->GetRect().GetRight(), place.x - 1);
}

// ---- Records in ----

TYPED_TEST(PowerPackPageTest, StatusRecordShowsBarsPowerAndModellingLight)
{
    this->Deliver(1, Status(55, kAllOn, 60, 100, 5, 0x02));
    EXPECT_EQ(this->MainText(), "5.5");
    const BarFace aux1 = this->page->LightBars().Aux(1)->GetFace();
    EXPECT_EQ(aux1.large, "6.0");
    EXPECT_EQ(aux1.joules, "300J");
    EXPECT_EQ(aux1.percent, BarPercentText(60, 40));
    EXPECT_EQ(this->AuxText(2), "10");
    // The warning of outlet 2 draws it red while the unit is on.
    EXPECT_EQ(this->page->LightBars().Aux(2)->GetFace().textColour, wxColour(255, 0, 0));
    EXPECT_TRUE(this->page->UnitControls().IsPowerOn());
    EXPECT_TRUE(this->Shown("IDC_LED"));
    EXPECT_TRUE(
        SamePicture(this->template Find<wxBitmapButton>("IDC_POWER")->GetBitmapLabel(), PowerPicture(PowerFace::On)));
    EXPECT_TRUE(this->Checked("IDC_LM_PROP3"));
    EXPECT_FALSE(this->Shown("IDC_LM_OVER"));
    EXPECT_EQ(this->Label("IDC_LM_OVER"), "set to prop5");
    EXPECT_TRUE(this->page->LightBars().Aux(1)->IsOn());
    EXPECT_TRUE(this->template Find<wxWindow>("IDC_LA_LAMP1")->IsEnabled());
    EXPECT_TRUE(this->template Find<wxWindow>("IDC_SPIN_AUX1")->IsEnabled());
    // Nothing goes back to the unit.
    EXPECT_TRUE(this->Commands().empty());

    // The main light's text shows only while the unit reports it.
    this->Deliver(1, Status(55, 0x01, 60, 100, 5));
    EXPECT_EQ(this->MainText(), "");
    EXPECT_FALSE(this->template Find<wxWindow>("IDC_LA_LAMP1")->IsEnabled());
    EXPECT_FALSE(this->page->LightBars().Aux(1)->IsOn());
}

TYPED_TEST(PowerPackPageTest, PowerFromTheUnitMovesTheBarsAndLedOnlyWhenItChanges)
{
    this->Deliver(1, Status(50, kAllOn));
    EXPECT_EQ(this->page->LightBars().Main()->GetFace().textColour, wxColour(0, 255, 0));
    this->page->FindWindow(XRCID("IDC_LED"))->Hide();
    // The same power bit again leaves everything as it is.
    this->Deliver(1, Status(50, kAllOn));
    EXPECT_FALSE(this->Shown("IDC_LED"));
    this->Deliver(1, Status(50, kAllOn & ~1));
    EXPECT_FALSE(this->page->UnitControls().IsPowerOn());
    EXPECT_FALSE(this->Shown("IDC_LED"));
    EXPECT_NE(this->page->LightBars().Main()->GetFace().textColour, wxColour(0, 255, 0));
    EXPECT_TRUE(
        SamePicture(this->template Find<wxBitmapButton>("IDC_POWER")->GetBitmapLabel(), PowerPicture(PowerFace::Off)));
}

TYPED_TEST(PowerPackPageTest, SelectionsRecordSelectsAndReportsTheAppliedStateAfterwards)
{
    // Lamp page, information page (3 counts as 2), memory 3, roles 5, 7, 9.
    this->Deliver(3, RecordData(10, {{5, 0x06}, {6, 2}, {7, 5}, {8, 7}, {9, 9}}));
    EXPECT_EQ(this->template Find<wxNotebook>("IDC_LAMPMEMTAB")->GetSelection(), 0);
    EXPECT_EQ(this->template Find<wxNotebook>("IDC_OPTIONSTAB")->GetSelection(), 2);
    EXPECT_EQ(this->page->GetSelectedMemory(), 2);
    EXPECT_EQ(this->page->SettingBooks().GetLampPage()->GetLamp1(), 5);
    EXPECT_EQ(this->page->SettingBooks().GetLampPage()->GetLamp2(), 7);
    // Both notebooks changed: two reports, each of the state the whole
    // record left, never the old roles or memory.
    const Sent report = this->Selections(0x04, 2, 5, 7, 9);
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{report, report}));

    // Nothing changes, nothing is reported; a role above 20 counts as 0.
    this->Deliver(3, RecordData(10, {{5, 0x04}, {6, 2}, {7, 21}, {8, 7}, {9, 9}}));
    EXPECT_EQ(this->page->SettingBooks().GetLampPage()->GetLamp1(), 0);
    EXPECT_TRUE(this->Commands().empty());
}

TYPED_TEST(PowerPackPageTest, UnitInformationFillsTheInformationPageAndCaption)
{
    // Version 2.07, model 1, serial 2^31.
    this->Deliver(4, RecordData(14, {{5, 2}, {6, 7}, {7, 1}, {9, 0x80}, {10, 0}, {11, 0}, {12, 0}}));
    EXPECT_EQ(this->Label("IDC_IN_TYPE"), TypeParam::kModel);
    EXPECT_EQ(this->Label("IDC_IN_VERSION"), "2.07");
    EXPECT_EQ(this->Label("IDC_IN_VVERSION"), "100...230 V");
    EXPECT_EQ(this->Label("IDC_IN_SER_STAT"), "2147483648");
    EXPECT_EQ(this->unit->GetCaption(), wxString("unit 3 ") + TypeParam::kModel + " (ser. nr. 2147483648)");
    EXPECT_EQ(this->page->GetProgramVersion(), 7);
}

TYPED_TEST(PowerPackPageTest, OptionsRecordSetsFlashBoxesLampAndOptions)
{
    // Lamp, IR, cell, buzzer, reduced, radio.
    this->Deliver(5, RecordData(10, {{5, 0x01 | 0x02 | 0x04 | 0x08 | 0x20 | 0x80}}));
    EXPECT_TRUE(this->Checked("IDC_FL_IR"));
    EXPECT_TRUE(this->Checked("IDC_FL_CELL"));
    EXPECT_TRUE(this->Checked("IDC_FL_RF"));
    EXPECT_TRUE(this->page->UnitControls().IsModellingLightOn());
    EXPECT_TRUE(SamePicture(this->template Find<wxBitmapButton>("IDC_LM_LIGHT")->GetBitmapLabel(), LampPicture(true)));
    EXPECT_TRUE(this->page->SettingBooks().GetOptionsPage()->IsBuzzerChecked());
    EXPECT_TRUE(this->page->SettingBooks().GetOptionsPage()->IsReducedChecked());
    EXPECT_TRUE(this->Commands().empty());

    this->Deliver(5, RecordData(10, {{5, 0}}));
    EXPECT_FALSE(this->Checked("IDC_FL_CELL"));
    EXPECT_FALSE(this->page->UnitControls().IsModellingLightOn());
    EXPECT_FALSE(this->page->SettingBooks().GetOptionsPage()->IsBuzzerChecked());
}

TYPED_TEST(PowerPackPageTest, CountersRecordShowsTotalAndOwner)
{
    // Only the blanks at the end of the whole field go; a zero byte after
    // them keeps those before it.
    const struct {
        std::string field;
        const char* owner;
    } cases[] = {
        {"A B           ", "A B"},
        {"A B  ", "A B  "},
        {std::string("A \0           ", 14), "A "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.owner);
        std::vector<uint8_t> data = RecordData(24, {{7, 1}, {8, 0}, {9, 0}});
        std::copy(c.field.begin(), c.field.end(), data.begin() + 5);
        this->Deliver(6, data);
        EXPECT_EQ(this->template Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue(), "65536");
        EXPECT_EQ(this->Label("IDC_IN_OWNER"), c.owner);
    }
}

// A text the record brings takes its room with the record: shown whole and
// apart from its neighbours, and the page, which now needs more room, asks
// for it at once.
TYPED_TEST(PowerPackPageTest, TextARecordWidensTakesItsRoomAtOnce)
{
    int asked = 0;
    const auto count = [&asked](wxCommandEvent&) { ++asked; };
    this->Frame()->Bind(VESK_EVT_PAGE_NEEDS_ROOM, count);
    std::vector<uint8_t> data = RecordData(24, {{7, 1}, {8, 0}, {9, 0}});
    const std::string owner(14, 'W');
    std::copy(owner.begin(), owner.end(), data.begin() + 5);
    this->Deliver(6, data);
    this->Frame()->Unbind(VESK_EVT_PAGE_NEEDS_ROOM, count);

    wxWindow* shown = this->template Find<wxWindow>("IDC_IN_OWNER");
    ASSERT_EQ(shown->GetLabel(), owner);
    EXPECT_GE(asked, 1);
    EXPECT_GE(shown->GetSize().x, shown->GetBestSize().x);
    for (wxWindow* other : shown->GetParent()->GetChildren()) {
        if (other != shown && other->IsShown()) {
            EXPECT_FALSE(other->GetRect().Intersects(shown->GetRect())) << other->GetName() << " covers the owner";
        }
    }
}

TYPED_TEST(PowerPackPageTest, AlarmsTakeThePanelAndNameThermoFirst)
{
    this->Deliver(7, RecordData(7, {{5, 1}, {6, 1}}));
    EXPECT_EQ(this->Label("IDC_STATUS"), " thermo ");
    EXPECT_TRUE(this->Shown("IDC_ST_ALARM1"));
    EXPECT_EQ(this->Label("IDC_ST_ALARM2"), "cool - break");
    EXPECT_EQ(this->Label("IDC_ST_ALARM3"), "do not switch off");
    EXPECT_FALSE(this->Shown("IDC_ST_FLASH"));
    EXPECT_FALSE(this->Shown("IDC_ST_FLASH2"));

    this->Deliver(7, RecordData(7, {{5, 1}, {6, 0}}));
    EXPECT_EQ(this->Label("IDC_STATUS"), " charge error ");
    EXPECT_EQ(this->Label("IDC_ST_ALARM1"), "charge error");
    EXPECT_EQ(this->Label("IDC_ST_ALARM2"), "switch unit off");

    // At a service level the rows stay and the title says so.
    this->Deliver(100, RecordData(11, {{5, 0x80}, {6, 3}}));
    EXPECT_EQ(this->Label("IDC_STATUS"), "charge error - service mode");
    EXPECT_FALSE(this->Shown("IDC_ST_ALARM1"));
    EXPECT_TRUE(this->Shown("IDC_ST_FLASH"));

    this->Deliver(7, RecordData(7, {{5, 0}, {6, 0}}));
    EXPECT_EQ(this->Label("IDC_STATUS"), "status");
    EXPECT_EQ(this->Label("IDC_ST_ALARM"), "");
}

TYPED_TEST(PowerPackPageTest, DeliveryDateGoesToTheInformationPage)
{
    this->Deliver(8, RecordData(8, {{6, 12}, {7, 3}}));
    EXPECT_EQ(this->Label("IDC_IN_DELIVERY_STAT"), "3.2012");
}

TYPED_TEST(PowerPackPageTest, TestFlashTurnsTheLedRedAndItsEndRestoresTheAuxBars)
{
    this->Click("IDC_FL_TEST");
    EXPECT_EQ(this->page->UnitControls().GetLedState(), 1);
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{102, {}}}));

    // Before any status the bars go back to 0, whatever they show.
    this->page->LightBars().Aux(1)->SetValue(90, true);
    this->page->LightBars().Aux(2)->SetValue(80, false);
    this->Deliver(98, {});
    EXPECT_EQ(this->page->LightBars().Aux(1)->GetValue(), 0);
    EXPECT_EQ(this->page->LightBars().Aux(2)->GetValue(), 0);

    this->Deliver(1, Status(50, kAllOn, 60, 70, 0, 0x03));
    this->page->LightBars().Aux(1)->SetValue(90, true);
    this->Deliver(100, RecordData(7, {{5, 0x80}}));
    EXPECT_EQ(this->page->UnitControls().GetLedState(), 2);
    this->Deliver(98, {});
    EXPECT_EQ(this->page->LightBars().Aux(1)->GetValue(), 60);
    EXPECT_EQ(this->page->LightBars().Aux(2)->GetValue(), 70);
    // Without the warning of the last status.
    EXPECT_EQ(this->page->LightBars().Aux(2)->GetFace().textColour, wxColour(0, 255, 0));
    EXPECT_EQ(this->page->UnitControls().GetLedState(), 1);
}

TYPED_TEST(PowerPackPageTest, ServiceStatusSetsLedLevelAndVoltages)
{
    this->Deliver(100, RecordData(7, {{5, 0x80}, {6, 0}}));
    EXPECT_EQ(this->page->UnitControls().GetLedState(), 2);
    this->Deliver(100, RecordData(7, {{5, 0x00}, {6, 0}}));
    EXPECT_EQ(this->page->UnitControls().GetLedState(), 1);

    // Level 2: the options page offers the total reset, the information
    // page the serial number as an edit field.
    this->Deliver(100, RecordData(12, {{5, 0x80}, {6, 2}, {7, 100}, {8, 50}, {9, 220}, {10, 50}, {11, 200}}));
    EXPECT_TRUE(this->Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_TRUE(this->Shown("IDC_IN_SER"));
    this->Deliver(100, RecordData(7, {{5, 0x80}, {6, 0}}));
    EXPECT_FALSE(this->Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_FALSE(this->Shown("IDC_IN_SER"));
}

TYPED_TEST(PowerPackPageTest, MemoryRecordFillsTheTableOfTheChosenMemoryOnly)
{
    this->page->SettingBooks().GetMemoryPage()->SelectMemory(1);
    // Memory 3 is not the chosen one: nothing changes, nothing is sent.
    this->Deliver(103, RecordData(16, {{5, 60}, {6, 50}, {8, 3}, {15, 0x1B}}));
    EXPECT_EQ(this->Label("IDC_ME_LINE1L"), "");
    EXPECT_TRUE(this->Commands().empty());

    // Memory 2: outlet 1 at 5.0 (byte 6), outlet 2 at 6.0; sequence 3 and
    // an interval of 1.50 s.
    this->Deliver(102, RecordData(16, {{5, 60}, {6, 50}, {8, 3}, {11, 0}, {12, 150}, {15, 0x1B}}));
    EXPECT_EQ(this->Label("IDC_ME_LINE1L"), "5.0");
    EXPECT_EQ(this->Label("IDC_ME_LINE2L"), "6.0");
    EXPECT_TRUE(this->Commands().empty());

    // An empty memory is filled with what the unit holds now.
    this->Deliver(102, RecordData(16, {{5, 0xFF}, {6, 50}}));
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{12, {1}}}));
    EXPECT_EQ(this->Label("IDC_ME_LINE1L"), "5.0");
}

// ---- The user's actions ----

TYPED_TEST(PowerPackPageTest, FlashBoxesSendTheirOnAndOffCodes)
{
    struct Case {
        const char* box;
        uint8_t on;
        uint8_t off;
    };
    for (const Case& c :
         {Case{"IDC_FL_CELL", 0x41, 0x40}, Case{"IDC_FL_IR", 0x81, 0x80}, Case{"IDC_FL_RF", 0x21, 0x20}}) {
        this->Tick(c.box, true);
        this->Tick(c.box, false);
        EXPECT_EQ(this->Commands(), (std::vector<Sent>{{4, {c.on}}, {4, {c.off}}})) << c.box;
    }
}

TYPED_TEST(PowerPackPageTest, ModellingRadiosSendTheirCodeOnlyWhenSelected)
{
    struct Case {
        const char* radio;
        int mode;
        uint8_t code;
    };
    const Case cases[] = {{"IDC_LM_FULL", 1, 0x41},  {"IDC_LM_LOW", 2, 0x42},   {"IDC_LM_PROP1", 3, 0x43},
                          {"IDC_LM_PROP2", 4, 0x44}, {"IDC_LM_PROP3", 5, 0x45}, {"IDC_LM_PROP4", 6, 0x46},
                          {"IDC_LM_PROP5", 7, 0x47}};
    for (const Case& c : cases) {
        this->PickRadio(c.radio);
        EXPECT_EQ(this->Commands(), (std::vector<Sent>{{3, {c.code}}})) << c.radio;
        EXPECT_EQ(this->page->UnitControls().GetModellingLightMode(), c.mode);
        EXPECT_TRUE(this->Checked(c.radio));
    }
    // A radio's report of being cleared sends nothing.
    this->PickRadio("IDC_LM_FULL", false);
    EXPECT_TRUE(this->Commands().empty());
    // The radios stay enabled whatever the aux bars, the preset or the unit.
    this->Deliver(1, Status(100, kAllOn, 100, 100, 1));
    for (const Case& c : cases)
        EXPECT_TRUE(this->page->FindWindow(XRCID(c.radio))->IsEnabled()) << c.radio;
    // Mode 0 of a Nuvek shows no radio.
    this->Deliver(1, Status(100, kAllOn, 100, 100, 0));
    for (const Case& c : cases)
        EXPECT_FALSE(this->Checked(c.radio)) << c.radio;
}

TYPED_TEST(PowerPackPageTest, LampButtonTogglesTheModellingLamp)
{
    this->Click("IDC_LM_LIGHT");
    EXPECT_TRUE(SamePicture(this->template Find<wxBitmapButton>("IDC_LM_LIGHT")->GetBitmapLabel(), LampPicture(true)));
    this->Click("IDC_LM_LIGHT");
    EXPECT_TRUE(SamePicture(this->template Find<wxBitmapButton>("IDC_LM_LIGHT")->GetBitmapLabel(), LampPicture(false)));
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{3, {0x81}}, {3, {0x80}}}));
}

TYPED_TEST(PowerPackPageTest, PowerButtonSwitchesTheUnitAndTheBars)
{
    this->Click("IDC_POWER");
    EXPECT_TRUE(this->page->UnitControls().IsPowerOn());
    EXPECT_TRUE(this->Shown("IDC_LED"));
    EXPECT_EQ(this->page->LightBars().Main()->GetFace().textColour, wxColour(0, 255, 0));
    this->Click("IDC_POWER");
    EXPECT_FALSE(this->Shown("IDC_LED"));
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{28, {}}, {27, {}}}));
}

TYPED_TEST(PowerPackPageTest, UsersNotebookChangeReportsTheSelectionsOnce)
{
    this->Deliver(3, RecordData(10, {{5, 0x01}, {6, 2}, {7, 5}, {8, 7}, {9, 9}}));
    this->Commands();
    this->SelectTab("IDC_OPTIONSTAB", 1);
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{this->Selections(0x03, 2, 5, 7, 9)}));
}

TYPED_TEST(PowerPackPageTest, SelectionsBeforeTheFirstReportCarryNoLampRoles)
{
    // Until the unit reports its roles, 255 tells it "no value" for each.
    this->SelectTab("IDC_OPTIONSTAB", 1);
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{this->Selections(0x03, 0, 255, 255, 255)}));
}

TYPED_TEST(PowerPackPageTest, SettingPagesSendThroughTheFamilysBuilder)
{
    this->Deliver(3, RecordData(10, {{5, 0x01}, {6, 0}, {7, 1}, {8, 2}, {9, 3}}));
    this->Commands();
    // The memory page's radio: the selections, then that memory's record.
    this->PickRadio("IDC_ME_MEMORY3");
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{this->Selections(0x01, 2, 1, 2, 3), {2, {0, 103}}}));
    // Store and recall carry the chosen memory.
    this->Click("IDC_ME_STORE");
    this->Click("IDC_ME_REC");
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{12, {2}}, {13, {2}}}));
}

TYPED_TEST(PowerPackPageTest, AuxBarCheckBoxSendsItsOutletsEnergy)
{
    // Aux 2 at 50 with both outlets on: 50, outlet 2, mask 1 + 2 + 4.
    this->Deliver(1, Status(40, kAllOn, 30, 50));
    this->Tick("IDC_AUX_CHECK2", true);
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{1, {0x32, 0x02, 0x07}}}));
}

TYPED_TEST(PowerPackPageTest, ShortSpinClickSendsOneTenthOnRelease)
{
    this->Deliver(1, Status(50, kAllOn, 30, 100));
    struct Case {
        const char* spin;
        bool up;
        std::vector<uint8_t> data;
    };
    const Case cases[] = {
        {"IDC_SPIN_MAIN", true, {51, 0, 7}},
        {"IDC_SPIN_AUX1", false, {29, 1, 7}},
        // Up at 100 lays 101: the unit limits it.
        {"IDC_SPIN_AUX2", true, {101, 2, 7}},
    };
    for (const Case& c : cases) {
        this->SpinLine(c.spin, c.up);
        EXPECT_TRUE(this->Commands().empty()) << c.spin;
        EXPECT_EQ(this->page->UnitControls().GetLedState(), 0);
        this->SpinRelease(c.spin);
        EXPECT_EQ(this->Commands(), (std::vector<Sent>{{1, c.data}})) << c.spin;
        EXPECT_EQ(this->page->UnitControls().GetLedState(), 1);
        this->page->UnitControls().SetLedState(kLedNone);
    }
}

TYPED_TEST(PowerPackPageTest, StepDownFromZeroLaysZeroNotFullPower)
{
    this->Deliver(1, Status(0, kAllOn));
    this->SpinLine("IDC_SPIN_MAIN", false);
    this->SpinRelease("IDC_SPIN_MAIN");
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{1, {0, 0, 7}}}));
}

TYPED_TEST(PowerPackPageTest, HeldSpinSendsWholeStopsEveryFifthRepeat)
{
    this->Deliver(1, Status(60, kAllOn, 30, 100));
    // Press, then eleven repeats: steps at the first and the sixth and the
    // eleventh event after the press.
    for (int event = 0; event < 12; ++event)
        this->SpinLine("IDC_SPIN_MAIN", false);
    this->SpinRelease("IDC_SPIN_MAIN");
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{1, {50, 0, 7}}, {1, {50, 0, 7}}, {1, {50, 0, 7}}}));

    // Held up at 100, or down at 33 and below, sends no step.
    struct Case {
        const char* spin;
        bool up;
    };
    this->Deliver(1, Status(33, kAllOn, 30, 100));
    for (const Case& c : {Case{"IDC_SPIN_MAIN", false}, Case{"IDC_SPIN_AUX1", false}, Case{"IDC_SPIN_AUX2", true}}) {
        this->SpinLine(c.spin, c.up);
        this->SpinLine(c.spin, c.up);
        this->SpinRelease(c.spin);
        EXPECT_TRUE(this->Commands().empty()) << c.spin;
    }
    this->Deliver(1, Status(34, kAllOn));
    this->SpinLine("IDC_SPIN_MAIN", false);
    this->SpinLine("IDC_SPIN_MAIN", false);
    this->SpinRelease("IDC_SPIN_MAIN");
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{1, {24, 0, 7}}}));
}

TYPED_TEST(PowerPackPageTest, ThirdSpinAndOtherReleasesSendNothing)
{
    this->Deliver(1, Status(50, kAllOn, 50, 50));
    this->SpinLine("IDC_SPIN_AUX3", true);
    this->SpinLine("IDC_SPIN_AUX3", true);
    this->SpinRelease("IDC_SPIN_AUX3");
    EXPECT_TRUE(this->Commands().empty());
    // A release elsewhere disarms a click: the next press only arms again.
    this->SpinLine("IDC_SPIN_MAIN", true);
    this->SpinRelease("IDC_ST_SET");
    EXPECT_TRUE(this->Commands().empty());
    this->SpinLine("IDC_SPIN_MAIN", true);
    EXPECT_TRUE(this->Commands().empty());
    this->SpinRelease("IDC_SPIN_MAIN");
    EXPECT_EQ(this->Commands(), (std::vector<Sent>{{1, {51, 0, 7}}}));
}

TYPED_TEST(PowerPackPageTest, StatusSetButtonRebuildsTheRows)
{
    this->page->SettingBooks().GetAuxPage()->SetSequence(4, true);
    this->Click("IDC_ST_SET");
    // The sequence row follows whatever rows the family shows first.
    bool found = false;
    for (const char* row : {"IDC_ST_FLASH", "IDC_ST_SEQUENCE"}) {
        if (this->Label(row) == "4")
            found = true;
    }
    EXPECT_TRUE(found);
    EXPECT_TRUE(this->Commands().empty());
}

TYPED_TEST(PowerPackPageTest, RadioUnitShowsNoLedAndServiceLevelZero)
{
    // A second unit with radio release on the same bus.
    this->page->Destroy();
    this->page = nullptr;
    this->unit.reset();
    this->unit = std::make_unique<typename TypeParam::Unit>(this->port, 0);
    this->unit->SetAddress(this->kAddress);
    this->unit->SetRFStat(1);
    this->page = static_cast<CFamilyDevicePage*>(this->unit->CreatePage(this->Frame()));
    this->page->Show();
    this->Commands();
    EXPECT_TRUE(this->Shown("IDC_FL_RF"));
    this->Click("IDC_FL_TEST");
    EXPECT_EQ(this->page->UnitControls().GetLedState(), 0);
    this->Deliver(100, RecordData(12, {{5, 0x80}, {6, 2}}));
    EXPECT_EQ(this->page->UnitControls().GetLedState(), 0);
    EXPECT_FALSE(this->Shown("IDC_OP_RESET_TOTAL"));
    EXPECT_FALSE(this->Shown("IDC_IN_SER"));
    EXPECT_EQ(this->page->StatusPanel().Alarms().serviceLevel, 2);
}

}  // namespace
