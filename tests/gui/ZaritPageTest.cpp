// The Zarit device page as its user meets it: the unit's records shown in
// bars, radios, toggles, status panel and setting pages, and each action
// sent as the exact command.
#include "FamilyPageFixture.h"

#include <array>
#include <chrono>

#include <wx/image.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/utils.h>

#include "pages/aux/AuxPageZarit.h"
#include "pages/infos/InfosPageBase.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/memory/MemoryPageBase.h"
#include "pages/options/OptionsPageZarit.h"
#include "units/DevicePictures.h"
#include "units/zarit/ZaritDevice.h"

using namespace guitest;

namespace {

const char* const kRadios[] = {"IDC_LM_PROPMAX", "IDC_LM_FULL",  "IDC_LM_LOW",   "IDC_LM_PROP1",
                               "IDC_LM_PROP2",   "IDC_LM_PROP3", "IDC_LM_PROP4", "IDC_LM_PROP5"};

// Power on; outlets 1 to 3 on and available.
const int kAllOn = 0x01 | 0x0C | 0x30 | 0xC0;

// Record 1: main light, the three outlets' values, the switches (byte 21),
// modelling-light mode and level (byte 22), "IDC_LM_OVER" (byte 23) and the
// warnings (byte 24).
std::vector<uint8_t> Status(int main, int switches, int aux1 = 0, int aux2 = 0, int aux3 = 0, int lamp = 0,
                            int over = 0, int warnings = 0)
{
    return RecordData(25, {{5, main},
                           {9, aux1},
                           {10, 30},
                           {11, 0x01},
                           {12, 0x2C},
                           {13, aux2},
                           {17, aux3},
                           {21, switches},
                           {22, lamp},
                           {23, over},
                           {24, warnings}});
}

// Record 2 read whole (to byte 22).
struct AuxRecord {
    int sequence = 0;
    int t01Mode = 0;
    int interval = 0;
    int delay = 0;
    int packs = 2;
    int place = 0;
    int t01Value = 0;
    int colour = 4;
    int strobe = 0;
    int flags = 0;
    int minInterval = 0;

    std::vector<uint8_t> Data() const
    {
        return RecordData(23, {{5, sequence},
                               {6, t01Mode},
                               {7, interval >> 8},
                               {8, interval & 0xFF},
                               {9, delay >> 8},
                               {10, delay & 0xFF},
                               {11, packs},
                               {12, place},
                               {13, t01Value >> 8},
                               {14, t01Value & 0xFF},
                               {15, colour},
                               {16, strobe},
                               {20, flags},
                               {21, minInterval >> 8},
                               {22, minInterval & 0xFF}});
    }
};

bool SamePicture(const wxBitmap& shown, PictureData picture)
{
    const wxImage a = shown.ConvertToImage();
    const wxImage b = wxBitmap(picture).ConvertToImage();
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

class ZaritPageTest : public FamilyPageTest<CZaritDevice> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        ASSERT_FALSE(wxIsBusy());
        Open(37);
    }
    void TearDown() override
    {
        FamilyPageTest::TearDown();
        EXPECT_FALSE(wxIsBusy());
        while (wxIsBusy())
            wxEndBusyCursor();
    }

    CZaritDevicePropertyPage* Zarit() const { return static_cast<CZaritDevicePropertyPage*>(page); }
    CAuxPageZarit* Aux() const { return static_cast<CAuxPageZarit*>(page->SettingBooks().GetAuxPage()); }
    COptionsPageZarit* Options() const
    {
        return static_cast<COptionsPageZarit*>(page->SettingBooks().GetOptionsPage());
    }

    void Toggle(const char* name, bool on)
    {
        auto* toggle = Find<wxToggleButton>(name);
        ASSERT_NE(toggle, nullptr) << name;
        toggle->SetValue(on);
        wxCommandEvent event(wxEVT_TOGGLEBUTTON, toggle->GetId());
        event.SetEventObject(toggle);
        event.SetInt(on);
        toggle->ProcessWindowEvent(event);
    }
    bool Pressed(const char* name) const
    {
        auto* toggle = Find<wxToggleButton>(name);
        return toggle && toggle->GetValue();
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

TEST_F(ZaritPageTest, AsksForAllRecordsAndHoldsTheZaritSettingPages)
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
    EXPECT_NE(dynamic_cast<CAuxPageZarit*>(page->SettingBooks().GetAuxPage()), nullptr);
    EXPECT_NE(dynamic_cast<COptionsPageZarit*>(page->SettingBooks().GetOptionsPage()), nullptr);
    EXPECT_EQ(page->SettingBooks().GetInfosPage()->GetPanelName(), std::string("DLG_INFOS_PAGE_ZARIT"));
    ASSERT_NE(page->LightBars().Aux(3), nullptr);
}

TEST_F(ZaritPageTest, LabelsAndToolTipsIncludeTheTogglesAndTheThirdOutletsHint)
{
    const std::pair<const char*, const char*> labels[] = {
        {"IDC_FLASH", "flash control"}, {"IDC_LM_PROPMAX", "p. max"}, {"IDC_LM_PROP3", "prop  3"}, {"IDC_FL_IR", "ir"},
        {"IDC_ST_SET", "ok"},           {"IDC_SPEED", "speed"},       {"IDC_USER", "user"},
    };
    for (const auto& [name, text] : labels)
        EXPECT_EQ(Label(name), text) << name;
    const std::pair<const char*, const char*> tips[] = {
        {"IDC_MAIN_LIGHT", "energy"},
        {"IDC_AUX_CHECK1", "lamp 1"},
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
}

TEST_F(ZaritPageTest, GermanLabelsOfTheToggles)
{
    page->Destroy();
    unit = std::make_unique<CZaritDevice>(port, 500);
    unit->SetAddress(kAddress);
    page = static_cast<CFamilyDevicePage*>(unit->CreatePage(Frame()));
    EXPECT_EQ(Label("IDC_SPEED"), "Geschwindigkeit");
    EXPECT_EQ(Label("IDC_USER"), "Benutzer");
    Commands();
}

// ---- Records in ----

TEST_F(ZaritPageTest, StatusShowsBarsPowerRadiosAndTheModellingLevel)
{
    // Mode PROP2 (4), the unit runs level 5, "IDC_LM_OVER" shown; warning
    // on outlet 2.
    Deliver(1, Status(75, kAllOn, 60, 40, 20, 0x04 | 0x50, 0x01, 0x02));
    EXPECT_EQ(MainText(), "7.5");
    EXPECT_EQ(AuxText(1), "6.0");
    EXPECT_EQ(AuxText(2), "4.0");
    EXPECT_EQ(AuxText(3), "2.0");
    EXPECT_EQ(page->LightBars().Aux(2)->GetFace().textColour, wxColour(255, 0, 0));
    EXPECT_TRUE(page->UnitControls().IsPowerOn());
    EXPECT_TRUE(SamePicture(Find<wxBitmapButton>("IDC_POWER")->GetBitmapLabel(), PowerPicture(PowerFace::OnBlue)));
    EXPECT_TRUE(Checked("IDC_LM_PROP2"));
    EXPECT_TRUE(Shown("IDC_LM_OVER"));
    EXPECT_EQ(Label("IDC_LM_OVER"), "set to prop3");
    EXPECT_TRUE(Find<wxWindow>("IDC_LA_LAMP3")->IsEnabled());
    EXPECT_TRUE(Commands().empty());

    // Outlet 3 not available: its lamp box is disabled and its bar empty.
    Deliver(1, Status(75, 0x01 | 0x0C | 0x30, 60, 40, 20));
    EXPECT_FALSE(Find<wxWindow>("IDC_LA_LAMP3")->IsEnabled());
    EXPECT_EQ(AuxText(3), "");
    EXPECT_FALSE(Shown("IDC_LM_OVER"));
}

TEST_F(ZaritPageTest, RadioLimitFollowsTheRadiosAndTheStrobeButNotTheStatusRecord)
{
    unit->SetEnergyType(2);
    Deliver(1, Status(50, kAllOn, 100, 30, 20));
    // The status record leaves the radios as they were.
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, true));
    // A pick works them out: (150 - 100) / 10 - 2 = 3 levels.
    PickRadio("IDC_LM_FULL");
    EXPECT_EQ(EnabledRadios(), (std::vector<bool>{true, true, true, true, false, false, false, false}));
    EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {0x41}}}));

    // Outlet 1 off: the record changes nothing, the strobe's end does.
    Deliver(1, Status(50, kAllOn & ~0x04, 100, 30, 20));
    EXPECT_EQ(EnabledRadios(), (std::vector<bool>{true, true, true, true, false, false, false, false}));
    Deliver(2, AuxRecord().Data());
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, true));
    Commands();
}

TEST_F(ZaritPageTest, PlaceInTheAlternationLeavesTheRadiosToTheOutlets)
{
    // The aux page's preset slot holds this pack's place: unlike a Quirel
    // A1 preset sequence, it takes no level from the modelling lamp.
    unit->SetEnergyType(2);
    Deliver(1, Status(50, kAllOn, 30, 30, 20));
    AuxRecord placed;
    placed.packs = 3;
    placed.place = 2;
    Deliver(2, placed.Data());
    ASSERT_EQ(Aux()->GetPreset(), 2);
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, true));
    PickRadio("IDC_LM_PROP5");
    EXPECT_EQ(EnabledRadios(), std::vector<bool>(8, true));

    // Outlet 1 at 100: (150 - 100) / 10 - 2 = 3 levels, place or not.
    Deliver(1, Status(50, kAllOn, 100, 30, 20));
    PickRadio("IDC_LM_FULL");
    EXPECT_EQ(EnabledRadios(), (std::vector<bool>{true, true, true, true, false, false, false, false}));
    // At 70 the record of the aux functions works out 6 levels.
    Deliver(1, Status(50, kAllOn, 70, 30, 20));
    Deliver(2, placed.Data());
    EXPECT_EQ(Aux()->GetPreset(), 2);
    EXPECT_EQ(EnabledRadios(), (std::vector<bool>{true, true, true, true, true, true, true, false}));
    EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {0x47}}, {3, {0x41}}}));
}

TEST_F(ZaritPageTest, StrobeLocksTheLightsAndSelectsTheColourFieldAfterTheRecord)
{
    Deliver(3, RecordData(10, {{5, 0x01}, {7, 1}, {8, 2}, {9, 3}}));
    Deliver(1, Status(50, kAllOn, 60, 40, 20));
    EXPECT_TRUE(Commands().empty());
    AuxRecord strobe;
    strobe.strobe = 1;
    Deliver(2, strobe.Data());
    EXPECT_EQ(MainText(), "St");
    EXPECT_EQ(AuxText(1), "on");
    EXPECT_EQ(AuxText(3), "off");
    EXPECT_FALSE(Find<wxWindow>("IDC_SPIN_MAIN")->IsEnabled());
    EXPECT_EQ(Aux()->GetSelectedFieldIndex(), 5);
    // The aux page's selection of its colour field goes out after the
    // record, with the field it selected: 8 x 5 and the memory page.
    EXPECT_EQ(Commands(), (std::vector<Sent>{{11, {0x29, 0, 1, 2, 3}}}));

    Deliver(2, AuxRecord().Data());
    EXPECT_EQ(MainText(), "5.0");
    EXPECT_TRUE(Find<wxWindow>("IDC_SPIN_MAIN")->IsEnabled());
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ZaritPageTest, AuxFunctionsGoToTheAuxPageAndItsSuggestionsToTheirSlots)
{
    AuxRecord record;
    record.sequence = 5;
    record.t01Mode = 0x81;
    record.interval = 150;
    record.delay = 200;
    record.packs = 3;
    record.place = 2;
    record.t01Value = 1000;
    record.colour = 6;
    Deliver(2, record.Data());
    EXPECT_EQ(Aux()->GetSequence(), 5);
    EXPECT_EQ(Aux()->GetT01Value(), 1000);
    EXPECT_EQ(Aux()->GetT01Mode(), 0x81);
    EXPECT_EQ(Aux()->GetColour(), 6);
    EXPECT_EQ(Aux()->GetInterval(), 150);
    EXPECT_EQ(Aux()->GetDelay(), 200);
    EXPECT_EQ(Aux()->GetPreset(), 2);
    // Four rows; the place has no row left.
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "flash duration t0.1");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "1/1000");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE"), "5");
    EXPECT_EQ(Label("IDC_ST_INTERVAL_LA"), "interval");
    EXPECT_EQ(Label("IDC_ST_INTERVAL"), "1.50s");
    EXPECT_EQ(Label("IDC_ST_DELAY_LA"), "delay");
    EXPECT_EQ(Label("IDC_ST_DELAY"), "2.00s");
    EXPECT_TRUE(Shown("IDC_ST_FLASH"));
    EXPECT_FALSE(Shown("IDC_ST_SET"));

    // With the flags the values are the unit's suggestions; the aux page
    // keeps its own.
    record.flags = 0x04 | 0x08 | 0x10;
    record.t01Value = 2000;
    record.colour = 2;
    record.interval = 300;
    Deliver(2, record.Data());
    EXPECT_EQ(Aux()->GetT01Value(), 1000);
    EXPECT_EQ(Aux()->GetT01ValueAlt(), 2000);
    EXPECT_EQ(Aux()->GetColour(), 6);
    EXPECT_EQ(Aux()->GetColourAlt(), 2);
    EXPECT_EQ(Aux()->GetInterval(), 150);
    EXPECT_EQ(Aux()->GetIntervalAlt(), 300);
    EXPECT_EQ(Label("IDC_STATUS2"), "suggested settings");
    EXPECT_EQ(Label("IDC_ST_FLASH_LA2"), "color temperature");
    EXPECT_EQ(Label("IDC_ST_FLASH2"), "+400");
    EXPECT_EQ(Label("IDC_ST_FLASH_RED"), "-400");
    EXPECT_EQ(Label("IDC_ST_INTERVAL_RED"), "3.00s");
    EXPECT_TRUE(Shown("IDC_ST_SET"));
    EXPECT_FALSE(Shown("IDC_FLASH"));
    Commands();
}

TEST_F(ZaritPageTest, SuggestedViewWithoutSuggestionAndThePlaceRow)
{
    AuxRecord record;
    record.sequence = 5;
    record.packs = 3;
    record.place = 3;
    Deliver(2, record.Data());
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "flash duration t0.1 opt.");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "off");
    EXPECT_EQ(Label("IDC_ST_INTERVAL_LA"), "alternate the order");
    EXPECT_EQ(Label("IDC_ST_INTERVAL"), "wait 2");
    // Flag 0x02 shows the suggested settings with nothing suggested, and no
    // place row.
    record.flags = 0x02;
    Deliver(2, record.Data());
    EXPECT_EQ(Label("IDC_STATUS2"), "suggested settings");
    EXPECT_TRUE(Shown("IDC_ST_SEQUENCE2"));
    EXPECT_FALSE(Shown("IDC_ST_SET"));
    EXPECT_EQ(Label("IDC_ST_INTERVAL_LA2"), "");
}

TEST_F(ZaritPageTest, OkTakesOverIntervalFlashDurationAndColourInThisOrder)
{
    AuxRecord record;
    record.interval = 150;
    record.t01Mode = 0x81;
    record.t01Value = 500;
    record.colour = 6;
    Deliver(2, record.Data());
    record.flags = 0x94;
    record.t01Value = 2000;
    record.colour = 3;
    Deliver(2, record.Data());
    // No sequence: the interval takes the second row.
    EXPECT_EQ(Label("IDC_ST_SEQUENCE_LA2"), "interval");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE_RED"), "inactive on slow");
    EXPECT_TRUE(Shown("IDC_ST_SEQUENCE_RED"));
    Commands();

    Click("IDC_ST_SET");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{7, {0, 0}}, {6, {1}}, {20, {2}}}));
    EXPECT_EQ(Zarit()->GetAuxFlags(), 0);
    EXPECT_EQ(Aux()->GetInterval(), 0);
    EXPECT_EQ(Aux()->GetT01Value(), 2000);
    EXPECT_EQ(Aux()->GetColour(), 3);
    EXPECT_FALSE(Shown("IDC_ST_SET"));
    EXPECT_TRUE(Shown("IDC_FLASH"));
    EXPECT_TRUE(page->IsStepPending());
    EXPECT_TRUE(page->IsSecondStepPending());

    Deliver(2, AuxRecord().Data());
    EXPECT_FALSE(page->IsStepPending());
    EXPECT_FALSE(page->IsSecondStepPending());
    EXPECT_FALSE(wxIsBusy());
}

TEST_F(ZaritPageTest, ColourStepWhileAFlashDurationStepIsBusyKeepsOneCursor)
{
    page->SendCommand(6, 1);
    EXPECT_TRUE(page->IsBusy());
    EXPECT_TRUE(page->IsStepPending());
    EXPECT_FALSE(page->IsSecondStepPending());
    page->SendCommand(20, 0);
    EXPECT_TRUE(page->IsSecondStepPending());
    EXPECT_EQ(Commands(), (std::vector<Sent>{{6, {1}}, {20, {0}}}));
    // One record 2 ends the one cursor: none is left behind.
    Deliver(2, AuxRecord().Data());
    EXPECT_FALSE(page->IsBusy());
    EXPECT_FALSE(wxIsBusy());
    EXPECT_FALSE(page->IsSecondStepPending());
}

TEST_F(ZaritPageTest, StepWhileBusyStartsTheSecondsWaitAfresh)
{
    AuxRecord record;
    record.t01Mode = 0x81;
    record.t01Value = 250;
    record.colour = 5;
    Deliver(2, record.Data());
    using Clock = std::chrono::steady_clock;
    // A click on a field of the aux page, then a press of the spin button's
    // upper arrow, as the button reports them.
    const auto step = [this](const char* field) {
        wxWindow* clicked = Aux()->FindWindow(XRCID(field));
        wxWindow* spin = Aux()->FindWindow(XRCID("IDC_AU_SPIN"));
        ASSERT_TRUE(clicked && spin);
        wxMouseEvent click(wxEVT_LEFT_UP);
        click.SetEventObject(clicked);
        click.SetPosition(wxPoint(2, 2));
        clicked->GetEventHandler()->ProcessEvent(click);
        wxSpinEvent up(wxEVT_SPIN_UP, spin->GetId());
        up.SetEventObject(spin);
        spin->GetEventHandler()->ProcessEvent(up);
        wxScrollEvent release(wxEVT_SCROLL_THUMBRELEASE, spin->GetId(), 0, 0);
        release.SetEventObject(spin);
        spin->GetEventHandler()->ProcessEvent(release);
    };

    step("IDC_AU_T01");
    const Clock::time_point first = Clock::now();
    ASSERT_TRUE(page->IsBusy());
    Pump(500);
    // Half way through the wait the colour step goes out.
    ASSERT_TRUE(page->IsBusy());
    ASSERT_TRUE(wxIsBusy());
    step("IDC_AU_COLOR");
    const Clock::time_point second = Clock::now();
    ASSERT_LT(second - first, std::chrono::milliseconds(1000));
    ASSERT_TRUE(WaitFor([&] { return !page->IsBusy(); }, 4000));
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - second);
    // A timer never ticks early: the cursor lasts a whole second after the
    // second step, not merely the rest of the first one's.
    EXPECT_GE(waited.count(), 980);
    EXPECT_FALSE(wxIsBusy());
    EXPECT_TRUE(page->IsStepPending());
    EXPECT_TRUE(page->IsSecondStepPending());
    const std::vector<Sent> sent = Commands();
    const std::vector<uint16_t> steps = [&] {
        std::vector<uint16_t> codes;
        for (const Sent& each : sent) {
            if (each.code == 6 || each.code == 20)
                codes.push_back(each.code);
        }
        return codes;
    }();
    EXPECT_EQ(steps, (std::vector<uint16_t>{6, 20}));
}

TEST_F(ZaritPageTest, PageDestroyedWhileBusyLeavesNoCursor)
{
    page->SendCommand(20, 1);
    EXPECT_TRUE(wxIsBusy());
    page->Destroy();
    page = nullptr;
    Yield();
    EXPECT_FALSE(wxIsBusy());
}

TEST_F(ZaritPageTest, SelectionsAreShownAndReportedAfterTheRecord)
{
    // Memory page, information page, field 7 (taken as 6), memory 3, roles
    // 5, 7 and 25 (taken as 0).
    Deliver(3, RecordData(10, {{5, 0x01 | 0x04 | 0x38}, {6, 2}, {7, 5}, {8, 7}, {9, 25}}));
    EXPECT_EQ(Find<wxNotebook>("IDC_LAMPMEMTAB")->GetSelection(), 1);
    EXPECT_EQ(Find<wxNotebook>("IDC_OPTIONSTAB")->GetSelection(), 2);
    EXPECT_EQ(Aux()->GetSelectedFieldIndex(), 6);
    EXPECT_EQ(page->GetSelectedMemory(), 2);
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp3(), 0);
    // The options notebook and the aux field changed: two reports of the
    // state the whole record left.
    const Sent report{11, {0x01 | 0x04 | 0x30, 2, 5, 7, 0}};
    EXPECT_EQ(Commands(), (std::vector<Sent>{report, report}));
}

TEST_F(ZaritPageTest, UnitInformationNamesTheModelAndTheCaption)
{
    std::vector<uint8_t> data = RecordData(18, {{6, 5}, {7, 12}, {8, 0x0A}, {9, 2}});
    const std::string serial = "A1234567";
    std::copy(serial.begin(), serial.end(), data.begin() + 5);
    Deliver(4, data);
    EXPECT_EQ(Label("IDC_IN_VERSION"), "37.05 / 38.12");
    EXPECT_EQ(Label("IDC_IN_TYPE"), "Zarit Z4");
    EXPECT_EQ(Label("IDC_IN_VVERSION"), "230V");
    EXPECT_EQ(Label("IDC_IN_VNOW"), "batterie");
    EXPECT_EQ(Label("IDC_IN_SER_STAT"), "A1234567");
    EXPECT_EQ(unit->GetCaption(), "unit 3 Zarit Z4 (ser. nr. A1234567)");
    EXPECT_EQ(page->GetProgramVersion(), 5);
}

TEST_F(ZaritPageTest, OptionsSetBoxesTogglesAndTheSpeedFlag)
{
    // Lamp, cell, reduced, store, radio; speed display, volume 2, mode 1,
    // brightness 3; readiness, speed, user.
    Deliver(5,
            RecordData(
                8, {{5, 0x01 | 0x04 | 0x20 | 0x40 | 0x80}, {6, 0x02 | 0x08 | 0x10 | 0x60}, {7, 0x01 | 0x04 | 0x08}}));
    EXPECT_TRUE(page->UnitControls().IsModellingLightOn());
    EXPECT_FALSE(Checked("IDC_FL_IR"));
    EXPECT_TRUE(Checked("IDC_FL_CELL"));
    EXPECT_TRUE(Checked("IDC_FL_RF"));
    EXPECT_FALSE(Options()->IsSlowChecked());
    EXPECT_TRUE(Options()->IsReducedChecked());
    EXPECT_TRUE(page->SettingBooks().GetAuxPage()->IsStoreChecked());
    EXPECT_TRUE(Options()->IsSpeedDisplayChecked());
    EXPECT_EQ(Options()->GetBuzzerVolume(), 2);
    EXPECT_EQ(Options()->GetBuzzerMode(), 1);
    EXPECT_EQ(Options()->GetBrightness(), 3);
    EXPECT_TRUE(Options()->IsReadinessChecked());
    EXPECT_FALSE(Options()->IsSensitivityChecked());
    EXPECT_TRUE(Zarit()->GetSpeedFlag());
    EXPECT_TRUE(Pressed("IDC_SPEED"));
    EXPECT_TRUE(Pressed("IDC_USER"));
    // The speed display changed: the selected memory is asked for again.
    EXPECT_EQ(Commands(), (std::vector<Sent>{{2, {0, 101}}}));

    Deliver(5, RecordData(8, {{6, 0x02}}));
    EXPECT_FALSE(Zarit()->GetSpeedFlag());
    EXPECT_FALSE(Pressed("IDC_SPEED"));
    EXPECT_FALSE(Pressed("IDC_USER"));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ZaritPageTest, PowerAndSpeedDisplayChangedTogetherAskForTheMemoryTwice)
{
    page->SettingBooks().GetMemoryPage()->SelectMemory(2);
    Deliver(5, RecordData(8, {{6, 0x03}}));
    EXPECT_EQ(Zarit()->GetPowerDisplayMode(), 1);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{2, {0, 103}}, {2, {0, 103}}}));
    // Unchanged, nothing is asked for.
    Deliver(5, RecordData(8, {{6, 0x03}}));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ZaritPageTest, EnergyTextsFollowPowerDisplaySpeedDisplayAndTheSpeedFlag)
{
    Deliver(1, Status(75, kAllOn, 75, 5, 100));
    Zarit()->SetPowerDisplayMode(1);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{2, {0, 101}}}));
    EXPECT_EQ(MainText(), "6.5");
    EXPECT_EQ(AuxText(2), "0");
    EXPECT_EQ(AuxText(3), "9.0");
    // The same mode again only redraws.
    Zarit()->SetPowerDisplayMode(1);
    EXPECT_TRUE(Commands().empty());

    Zarit()->SetPowerDisplayMode(0);
    Commands();
    // The speed flag alone changes nothing; with the speed display 0.4 stops
    // more.
    Zarit()->SetSpeedFlag(true);
    EXPECT_EQ(MainText(), "7.5");
    Options()->SetSpeedDisplay(true);
    Zarit()->SetSpeedFlag(true);
    EXPECT_EQ(MainText(), "7.9");
    EXPECT_EQ(AuxText(1), "7.9");
    EXPECT_EQ(AuxText(3), "10");
    Commands();
}

TEST_F(ZaritPageTest, TogglesSendTheirCommandsAndTheSpeedFollowsTheUnitOnly)
{
    Toggle("IDC_SPEED", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{9, {1}}, {2, {0, 5}}}));
    EXPECT_FALSE(Zarit()->GetSpeedFlag());
    Toggle("IDC_SPEED", false);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{9, {0}}, {2, {0, 5}}}));
    Toggle("IDC_USER", true);
    Toggle("IDC_USER", false);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{30, {1}}, {30, {0}}}));
}

TEST_F(ZaritPageTest, OptionsPageActionsGoThroughTheZaritBuilder)
{
    page->SettingBooks().GetMemoryPage()->SelectMemory(1);
    Tick("IDC_OP_POWERDISPLAY", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{2, {0, 102}}, {17, {0x01}}}));
    EXPECT_EQ(Zarit()->GetPowerDisplayMode(), 1);
    Tick("IDC_OP_SLOW", true);
    Tick("ID_OP_SENSITIVITY", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x03}}, {17, {0x23}}}));
    Options()->SetBuzzerVolume(3);
    Options()->SetBuzzerMode(1);
    Options()->SetBrightness(2);
    Tick("IDC_OP_BUZZER", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{19, {75}}}));
}

TEST_F(ZaritPageTest, CountersShowTheTotalUnsigned)
{
    Deliver(6, RecordData(12, {{5, 0x01}, {6, 0x00}, {7, 0x02}, {8, 0x80}}));
    EXPECT_EQ(Find<wxTextCtrl>("IDC_OP_COUNTER")->GetValue(), "65538");
    EXPECT_EQ(Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue(), "2147483648");
}

TEST_F(ZaritPageTest, AlarmsNameTheChargeErrorFirstAndTheCoolingTime)
{
    Deliver(7, RecordData(9, {{6, 1}, {8, 45}}));
    EXPECT_EQ(Label("IDC_STATUS"), " thermo ");
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "approx. 45 sec");
    EXPECT_EQ(Label("IDC_ST_ALARM2"), "cool - break");
    EXPECT_EQ(Label("IDC_ST_ALARM3"), "");
    EXPECT_TRUE(Shown("IDC_ST_ALARM1"));
    EXPECT_FALSE(Shown("IDC_ST_FLASH"));
    Deliver(7, RecordData(9, {{5, 1}, {6, 1}, {7, 0}, {8, 150}}));
    EXPECT_EQ(Label("IDC_STATUS"), " charge error ");
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "approx. 2 min");
    Deliver(7, RecordData(9, {{5, 1}}));
    EXPECT_EQ(Label("IDC_ST_ALARM1"), "charge error");
    EXPECT_EQ(Label("IDC_ST_ALARM2"), "switch unit off");
    Deliver(7, RecordData(9, {}));
    EXPECT_EQ(Label("IDC_STATUS"), "status");
    EXPECT_FALSE(Shown("IDC_ST_ALARM1"));
    EXPECT_TRUE(Shown("IDC_ST_FLASH"));
}

TEST_F(ZaritPageTest, DatesAndOwnerGoToTheInformationPage)
{
    // Year bytes up to 50 are this century's.
    Deliver(8, RecordData(12, {{6, 12}, {7, 3}, {8, 51}, {9, 11}, {10, 50}, {11, 1}}));
    EXPECT_EQ(Label("IDC_IN_DELIVERY_STAT"), "3.2012");
    EXPECT_EQ(Label("IDC_IN_DATE_SERVICE"), "11.1951");
    EXPECT_EQ(Label("IDC_IN_DATE_TOVR_STAT"), "1.2050");

    // The owner keeps its inner blank; blanks at the end go.
    std::vector<uint8_t> owner(20, ' ');
    const std::string name = "Anna Smith";
    std::copy(name.begin(), name.end(), owner.begin());
    Deliver(10, owner);
    EXPECT_EQ(Label("IDC_IN_OWNER"), "Anna Smith");
    // A record of 14 owner bytes, as the demo unit sends it, is taken whole.
    Deliver(10, std::vector<uint8_t>{'S', 't', 'u', 'd', 'i', 'o', ' ', 'N', 'o', 'r', 'd', 0, 0, 0});
    EXPECT_EQ(Label("IDC_IN_OWNER_SERVICE"), "Studio Nord");
    // The page's own owner is no edit of the user's: nothing goes out.
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ZaritPageTest, TestFlashEndRestoresTheThreeBarsFromZeroOnward)
{
    Click("IDC_FL_TEST");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{102, {}}}));
    page->LightBars().Aux(3)->SetValue(90, true);
    Deliver(98, {});
    EXPECT_EQ(page->LightBars().Aux(3)->GetValue(), 0);

    Deliver(1, Status(50, kAllOn, 60, 70, 80, 0, 0, 0x07));
    for (int outlet = 1; outlet <= 3; ++outlet)
        page->LightBars().Aux(outlet)->SetValue(10, true);
    Deliver(100, RecordData(7, {{5, 0x80}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 2);
    Deliver(98, {});
    EXPECT_EQ(page->LightBars().Aux(1)->GetValue(), 60);
    EXPECT_EQ(page->LightBars().Aux(2)->GetValue(), 70);
    EXPECT_EQ(page->LightBars().Aux(3)->GetValue(), 80);
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);
}

TEST_F(ZaritPageTest, ServiceVoltagesOnlyFromLevelTwoAndTheLevelOnlyToTheInformationPage)
{
    Deliver(100, RecordData(11, {{5, 0x80}, {6, 1}, {7, 100}, {8, 50}, {9, 220}, {10, 50}}));
    EXPECT_EQ(page->StatusPanel().Alarms().serviceLevel, 1);
    EXPECT_EQ(Label("IDC_IN_POS_FLASH_V"), "");
    Deliver(100, RecordData(11, {{5, 0x80}, {6, 2}, {7, 100}, {8, 50}, {9, 220}, {10, 50}}));
    EXPECT_EQ(Label("IDC_IN_POS_FLASH_V"), "284");
    EXPECT_EQ(Label("IDC_IN_NEG_FLASH_V"), "142");
    EXPECT_EQ(Label("IDC_IN_LINE_V"), "230");
    EXPECT_EQ(Label("IDC_IN_LINE_F"), "50");
    EXPECT_TRUE(Shown("IDC_IN_SER"));
}

TEST_F(ZaritPageTest, RadioUnitStillTakesTheServiceLevel)
{
    page->Destroy();
    unit = std::make_unique<CZaritDevice>(port, 0);
    unit->SetAddress(kAddress);
    unit->SetRFStat(1);
    page = static_cast<CFamilyDevicePage*>(unit->CreatePage(Frame()));
    page->Show();
    Commands();
    EXPECT_TRUE(Shown("IDC_FL_RF"));
    Deliver(100, RecordData(11, {{5, 0x80}, {6, 2}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 0);
    EXPECT_TRUE(Shown("IDC_IN_SER"));
}

TEST_F(ZaritPageTest, MemoryShowsItsOutletsAndSixRowsForTheChosenMemoryOnly)
{
    page->SettingBooks().GetMemoryPage()->SelectMemory(0);
    // Outlets 1 to 3 available, 1 and 3 on; duration index 1 (1/85),
    // sequence 5 with alternate, delay 2.00 s, interval 1.50 s, strobe.
    const std::vector<uint8_t> memory = RecordData(16, {{5, 0x80 | 60},
                                                        {6, 50},
                                                        {7, 40},
                                                        {8, 0x40 | 5},
                                                        {9, 0},
                                                        {10, 200},
                                                        {11, 0},
                                                        {12, 150},
                                                        {13, 0x81},
                                                        {14, 0x00},
                                                        {15, 0x07 | 0x10 | 0x40}});
    Deliver(102, memory);
    EXPECT_EQ(Label("IDC_ME_LINE2L"), "");
    Deliver(101, memory);
    EXPECT_EQ(Label("IDC_ME_LINE2L"), "6.0");
    EXPECT_EQ(Label("IDC_ME_LINE3L"), "off");
    EXPECT_EQ(Label("IDC_ME_LINE4L"), "4.0");
    const std::pair<const char*, const char*> lines[] = {
        {"IDC_ME_LINE1R_LA", "flash duration t0.1"},
        {"IDC_ME_LINE1R", "1/85"},
        {"IDC_ME_LINE2R_LA", "sequence"},
        {"IDC_ME_LINE2R", "5"},
        {"IDC_ME_LINE3R_LA", "interval"},
        {"IDC_ME_LINE3R", "1.50s"},
        {"IDC_ME_LINE4R_LA", "delay"},
        {"IDC_ME_LINE4R", "2.00s"},
        {"IDC_ME_LINE5R_LA", "alternate"},
        {"IDC_ME_LINE5R", ""},
        {"IDC_ME_LINE5L_LA", ""},
        {"IDC_ME_LINE5L", ""},
    };
    for (const auto& [name, text] : lines)
        EXPECT_EQ(Label(name), text) << name;
    EXPECT_TRUE(Commands().empty());

    // An empty memory is filled with the unit's settings.
    Deliver(101, RecordData(16, {{7, 0xFF}}));
    EXPECT_EQ(Commands(), (std::vector<Sent>{{12, {0}}}));
    EXPECT_EQ(Label("IDC_ME_LINE3R"), "1.50s");
}

TEST_F(ZaritPageTest, MemoryWithStrobeAndSpeedInGerman)
{
    page->Destroy();
    unit = std::make_unique<CZaritDevice>(port, 500);
    unit->SetAddress(kAddress);
    page = static_cast<CFamilyDevicePage*>(unit->CreatePage(Frame()));
    page->Show();
    Commands();
    page->SettingBooks().GetMemoryPage()->SelectMemory(3);
    Options()->SetSpeedDisplay(true);
    Commands();
    // Sequence 2, interval, delay, alternate and strobe: the strobe is the
    // sixth row, on line 5 left. Speed and strobe stored.
    Deliver(
        104,
        RecordData(
            16, {{5, 60}, {6, 50}, {7, 40}, {8, 0x40 | 2}, {10, 100}, {12, 100}, {13, 0x03}, {14, 0x03}, {15, 0x77}}));
    EXPECT_EQ(Label("IDC_ME_LINE1R_LA"), "Blitzdauer t0.1");
    EXPECT_EQ(Label("IDC_ME_LINE1R"), "1/500");
    EXPECT_EQ(Label("IDC_ME_LINE5L_LA"), "Strobo");
    EXPECT_EQ(Label("IDC_ME_LINE5L"), "ein");
    EXPECT_EQ(Label("IDC_ME_LINE2L"), "ein");
    EXPECT_EQ(Label("IDC_ME_LINE4L"), "aus");

    // Without strobe the stored speed adds 0.4 stops with the speed display.
    Deliver(104, RecordData(16, {{5, 60}, {6, 50}, {7, 40}, {14, 0x02}, {15, 0x77}}));
    EXPECT_EQ(Label("IDC_ME_LINE2L"), "6.4");
    EXPECT_EQ(Label("IDC_ME_LINE5L_LA"), "");
}

// ---- The user's actions ----

TEST_F(ZaritPageTest, FlashBoxesSendTheirCodes)
{
    Tick("IDC_FL_CELL", true);
    Tick("IDC_FL_IR", true);
    Tick("IDC_FL_IR", false);
    Tick("IDC_FL_RF", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{4, {0x41}}, {4, {0x81}}, {4, {0x80}}, {4, {0x21}}}));
}

TEST_F(ZaritPageTest, PowerLampAndRadiosSendTheirCodes)
{
    Click("IDC_POWER");
    EXPECT_TRUE(SamePicture(Find<wxBitmapButton>("IDC_POWER")->GetBitmapLabel(), PowerPicture(PowerFace::OnBlue)));
    Click("IDC_POWER");
    Click("IDC_LM_LIGHT");
    PickRadio("IDC_LM_PROPMAX");
    PickRadio("IDC_LM_PROP5");
    PickRadio("IDC_LM_LOW", false);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{28, {}}, {27, {}}, {3, {0x81}}, {3, {0x40}}, {3, {0x47}}}));
    EXPECT_EQ(page->UnitControls().GetModellingLightMode(), 7);
}

TEST_F(ZaritPageTest, LightCommandsCarryEveryOutletThatIsOn)
{
    Deliver(1, Status(70, 0x01 | 0x0C | 0xC0, 40, 60, 5));
    Tick("IDC_AUX_CHECK1", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {40, 1, 0x0B}}}));
    SpinLine("IDC_SPIN_MAIN", true);
    SpinRelease("IDC_SPIN_MAIN");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {71, 0, 0x0B}}}));
    EXPECT_EQ(page->UnitControls().GetLedState(), 1);
}

TEST_F(ZaritPageTest, HeldDownArrowGoesOnToOneAndLaysZeroNotAWrappedByte)
{
    Deliver(1, Status(50, kAllOn, 40, 60, 5));
    // Held at 5: the whole-stop step lays 0, not 251.
    SpinLine("IDC_SPIN_AUX3", false);
    SpinLine("IDC_SPIN_AUX3", false);
    SpinRelease("IDC_SPIN_AUX3");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{1, {0, 3, 0x0F}}}));
    // Every light's held arrow still steps at 2 and stops at 1, where a
    // click sends 0.
    const char* const spins[] = {"IDC_SPIN_MAIN", "IDC_SPIN_AUX1", "IDC_SPIN_AUX2", "IDC_SPIN_AUX3"};
    for (uint8_t light = 0; light < 4; ++light) {
        SCOPED_TRACE(spins[light]);
        const std::vector<Sent> zero = {{1, {0, light, 0x0F}}};
        for (int value : {2, 1}) {
            std::array<int, 4> values = {50, 50, 50, 50};
            values[light] = value;
            Deliver(1, Status(values[0], kAllOn, values[1], values[2], values[3]));
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

TEST_F(ZaritPageTest, NotebookChangeReportsTabsFieldMemoryAndThreeRoles)
{
    Deliver(3, RecordData(10, {{5, 0x01 | 0x10}, {6, 3}, {7, 1}, {8, 2}, {9, 3}}));
    Commands();
    SelectTab("IDC_OPTIONSTAB", 1);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{11, {0x01 | 0x02 | 0x10, 3, 1, 2, 3}}}));
}

TEST_F(ZaritPageTest, InformationEditsSendOwnerAndSerialTexts)
{
    Deliver(100, RecordData(11, {{6, 2}}));
    Commands();
    auto* owner = Find<wxTextCtrl>("IDC_IN_OWNER_SERVICE");
    ASSERT_NE(owner, nullptr);
    owner->SetValue("Nordl");
    wxCommandEvent enter(wxEVT_TEXT_ENTER, owner->GetId());
    enter.SetEventObject(owner);
    owner->ProcessWindowEvent(enter);
    auto* serial = Find<wxTextCtrl>("IDC_IN_SER");
    serial->SetValue("AB1234");
    wxCommandEvent enterSerial(wxEVT_TEXT_ENTER, serial->GetId());
    enterSerial.SetEventObject(serial);
    serial->ProcessWindowEvent(enterSerial);
    std::vector<uint8_t> ownerBytes(20, 0);
    std::copy_n("Nordl", 5, ownerBytes.begin());
    EXPECT_EQ(Commands(), (std::vector<Sent>{{22, ownerBytes}, {25, {'A', 'B', '1', '2', '3', '4', 0, 0}}}));
}

}  // namespace
