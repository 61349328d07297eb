// The families' pages in the running program: a Nuvek, Quirel A1 or Trovalex unit on
// the bus, or a demo-model Zarit or ZaritE, gets its page, which shows the
// unit's identity and then every record it asked for, and the unit follows
// what the user does on it.
#include "ProgramFixture.h"

#include <wx/checkbox.h>
#include <wx/notebook.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "controls/AuxLightBar.h"
#include "controls/MainLightBar.h"
#include "controls/SpinButton.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/options/OptionsPageZarit.h"
#include "units/nuvek/NuvekDevice.h"
#include "units/quirel/QuirelA1Device.h"
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include "controls/VeskAuxCtlTiko.h"
#include "units/tiko/TikoDevice.h"
#include "units/zarit/ZaritDevice.h"
#include "units/zarite/ZaritEDevice.h"

using namespace programtest;

namespace {

class FamilyProgramTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        families = BuiltFamilies();
    }

    static wxString TextOf(wxWindow* page, const char* name)
    {
        wxString text("(missing)");
        GetCtrlText(page, XRCID(name), text);
        return text;
    }
};

TEST_F(FamilyProgramTest, NuvekPageShowsItsUnitAndTheUnitFollowsThePage)
{
    bus.AddUnit(2, 1, 20, 1);
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=1\nEnd=4\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    auto* page = dynamic_cast<CNuvekDevicePropertyPage*>(DevicePage(0));
    ASSERT_NE(page, nullptr);

    // The identity answer that made the page is its first unit information.
    EXPECT_EQ(TextOf(page, "IDC_IN_TYPE"), "Nuvek N4");
    EXPECT_EQ(TextOf(page, "IDC_IN_SER_STAT"), "80001");

    // The records the page asked for arrive on the polls.
    ASSERT_TRUE(RunUntil([&] { return TextOf(page, "IDC_ME_LINE1L") == "5.0"; }));
    EXPECT_TRUE(page->UnitControls().IsPowerOn());
    EXPECT_EQ(page->LightBars().Main()->GetFace().large, "5.0");
    EXPECT_EQ(TextOf(page, "IDC_OP_TOTALCOUNTER"), "12345");
    EXPECT_EQ(TextOf(page, "IDC_IN_DELIVERY_STAT"), "3.2012");
    EXPECT_EQ(page->UnitControls().GetLedState(), 2);

    // A click on the main light's up arrow: the unit takes 5.1, and the bar
    // shows what the unit then reports.
    wxWindow* spin = page->FindWindow(XRCID("IDC_SPIN_MAIN"));
    ASSERT_NE(spin, nullptr);
    wxSpinEvent press(wxEVT_SPIN_UP, spin->GetId());
    press.SetEventObject(spin);
    spin->ProcessWindowEvent(press);
    wxScrollEvent release(wxEVT_SCROLL_THUMBRELEASE, spin->GetId(), 0, 0);
    release.SetEventObject(spin);
    spin->ProcessWindowEvent(release);
    EXPECT_TRUE(RunUntil([&] { return page->LightBars().Main()->GetValue() == 51; }));
    EXPECT_EQ(page->LightBars().Main()->GetFace().large, "5.1");
}

TEST_F(FamilyProgramTest, QuirelPageShowsItsUnitAndTheUnitFollowsThePage)
{
    bus.AddUnit(2, 1, 16, 0x41);
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=1\nEnd=4\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    auto* page = dynamic_cast<CQuirelA1DevicePropertyPage*>(DevicePage(0));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(TextOf(page, "IDC_IN_TYPE"), "Quirel Q4");

    // The records arrive on the polls: three outlets, the third there but
    // off, and memory 1 with the first outlet at the bottom.
    ASSERT_TRUE(RunUntil([&] { return TextOf(page, "IDC_ME_LINE4L") == "5.0"; }));
    EXPECT_EQ(page->LightBars().Main()->GetFace().large, "5.0");
    EXPECT_EQ(page->LightBars().Aux(3)->GetValue(), 30);
    EXPECT_FALSE(page->LightBars().Aux(3)->IsOn());
    EXPECT_EQ(TextOf(page, "IDC_ST_FLASH"), "1/500");
    EXPECT_EQ(TextOf(page, "IDC_OP_TOTALCOUNTER"), "12345");
    EXPECT_EQ(TextOf(page, "IDC_IN_DATE_SERVICE"), "6.2014");

    // A T0.1 step: busy until the unit's answer shows the shorter flash.
    page->SendCommand(6, 1);
    EXPECT_TRUE(page->IsBusy());
    EXPECT_TRUE(RunUntil([&] { return TextOf(page, "IDC_ST_FLASH") == "1/1000"; }));
    EXPECT_FALSE(page->IsStepPending());
    EXPECT_FALSE(wxIsBusy());

    // Outlet 3 switched on by its box: the unit reports it on.
    wxWindow* box = page->FindWindow(XRCID("IDC_AUX_CHECK3"));
    ASSERT_NE(box, nullptr);
    wxCommandEvent ticked(wxEVT_CHECKBOX, box->GetId());
    ticked.SetEventObject(box);
    ticked.SetInt(1);
    box->ProcessWindowEvent(ticked);
    EXPECT_TRUE(RunUntil(
        [&] { return page->LightBars().Aux(3)->IsOn() && page->LightBars().Aux(3)->GetFace().large == "3.0"; }));
}

TEST_F(FamilyProgramTest, TrovalexPageShowsItsUnitAndTheUnitFollowsThePage)
{
    // Variant 8: the 117V-230V model.
    bus.AddUnit(4, 1, 18, 8);
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=1\nEnd=4\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    auto* page = dynamic_cast<CTikoDevicePropertyPage*>(DevicePage(0));
    ASSERT_NE(page, nullptr);

    EXPECT_EQ(TextOf(page, "IDC_IN_TYPE"), "Trovalex T160");
    EXPECT_EQ(TextOf(page, "IDC_IN_VVERSION"), "117V-230V");
    EXPECT_EQ(TextOf(page, "IDC_IN_SER_STAT"), "80001");

    // The records the page asked for arrive on the polls.
    ASSERT_TRUE(RunUntil([&] { return TextOf(page, "IDC_ME_LINE1L") == "6.0"; }));
    EXPECT_EQ(TextOf(page, "IDC_ME_LINE1R"), "2");
    EXPECT_EQ(TextOf(page, "IDC_ME_LINE2R"), "1.5s");
    EXPECT_TRUE(page->UnitControls().IsPowerOn());
    EXPECT_EQ(page->GetAuxCtl(1)->GetFace().large, "7.0");
    EXPECT_EQ(page->GetAuxCtl(1)->GetFace().joules, "150J");
    EXPECT_EQ(TextOf(page, "IDC_OP_TOTALCOUNTER"), "12345");
    EXPECT_EQ(TextOf(page, "IDC_IN_OWNER"), "Studio A");
    EXPECT_EQ(TextOf(page, "IDC_IN_DELIVERY_STAT"), "3.2012");
    auto* lamps = dynamic_cast<wxComboBox*>(page->FindWindow(XRCID("IDC_LA_LAMP4")));
    ASSERT_NE(lamps, nullptr);
    EXPECT_EQ(lamps->GetStringSelection(), "main light");
    EXPECT_EQ(page->UnitControls().GetLedState(), 2);

    // A click on the bar's up arrow: the unit takes 7.1, and the bar shows
    // what the unit then reports.
    wxWindow* spin = page->FindWindow(XRCID("IDC_SPIN_AUX1"));
    ASSERT_NE(spin, nullptr);
    wxSpinEvent press(wxEVT_SPIN_UP, spin->GetId());
    press.SetEventObject(spin);
    spin->ProcessWindowEvent(press);
    wxScrollEvent release(wxEVT_SCROLL_THUMBRELEASE, spin->GetId(), 0, 0);
    release.SetEventObject(spin);
    spin->ProcessWindowEvent(release);
    EXPECT_TRUE(RunUntil([&] { return page->GetAuxCtl(1)->GetValue() == 71; }));
    EXPECT_EQ(page->GetAuxCtl(1)->GetFace().large, "7.1");

    // The sixth memory: empty on the unit, which then stores 7.1 into it.
    auto* memory = dynamic_cast<wxRadioButton*>(page->FindWindow(XRCID("IDC_ME_MEMORY6")));
    ASSERT_NE(memory, nullptr);
    memory->SetValue(true);
    wxCommandEvent chosen(wxEVT_RADIOBUTTON, memory->GetId());
    chosen.SetEventObject(memory);
    chosen.SetInt(1);
    memory->ProcessWindowEvent(chosen);
    EXPECT_TRUE(RunUntil([&] { return TextOf(page, "IDC_ME_LINE1L") == "7.1"; }));
}

TEST_F(FamilyProgramTest, ZaritModelUnitsPageShowsEveryRecordAndFollowsThePage)
{
    bus.AddModelUnit(1, 1, 37);
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=1\nEnd=2\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    auto* page = dynamic_cast<CZaritDevicePropertyPage*>(DevicePage(0));
    ASSERT_NE(page, nullptr);

    // Every record the model sends reaches its controls; the memories come
    // last.
    ASSERT_TRUE(RunUntil([&] { return TextOf(page, "IDC_ME_LINE1R_LA") != ""; }));
    EXPECT_EQ(TextOf(page, "IDC_IN_OWNER"), "strahlkon");
    EXPECT_EQ(TextOf(page, "IDC_IN_TYPE"), "Zarit Z2S");
    EXPECT_EQ(TextOf(page, "IDC_IN_SER_STAT"), "C123456");
    EXPECT_EQ(TextOf(page, "IDC_OP_COUNTER"), "25");
    EXPECT_EQ(TextOf(page, "IDC_OP_TOTALCOUNTER"), "1300");
    EXPECT_EQ(TextOf(page, "IDC_IN_DELIVERY_STAT"), "11.2008");
    EXPECT_EQ(TextOf(page, "IDC_ST_FLASH_LA"), "flash duration t0.1 opt.");
    EXPECT_EQ(TextOf(page, "IDC_ST_FLASH"), "1/85");
    auto* options = static_cast<COptionsPageZarit*>(page->SettingBooks().GetOptionsPage());
    EXPECT_TRUE(options->IsReadinessChecked());
    EXPECT_TRUE(options->IsSensitivityChecked());
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp1(), 1);
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp2(), 2);
    EXPECT_EQ(TextOf(page, "IDC_STATUS"), "status");
    EXPECT_NE(page->LightBars().Main()->GetFace().large, "");
    // The model reports radio release: the page shows its box and no LED.
    EXPECT_TRUE(page->FindWindow(XRCID("IDC_FL_RF"))->IsShown());
    EXPECT_EQ(page->UnitControls().GetLedState(), 0);

    // A click on aux 1's check box switches the outlet on the unit, and the
    // bar shows what the unit then reports.
    const bool wasOn = page->LightBars().Aux(1)->IsOn();
    wxCheckBox* check = dynamic_cast<wxCheckBox*>(page->FindWindow(XRCID("IDC_AUX_CHECK1")));
    ASSERT_NE(check, nullptr);
    check->SetValue(!wasOn);
    wxCommandEvent click(wxEVT_CHECKBOX, check->GetId());
    click.SetEventObject(check);
    click.SetInt(!wasOn);
    check->ProcessWindowEvent(click);
    const int main = page->LightBars().Main()->GetValue();
    wxWindow* spin = page->FindWindow(XRCID("IDC_SPIN_MAIN"));
    wxSpinEvent press(main < 100 ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, spin->GetId());
    press.SetEventObject(spin);
    spin->ProcessWindowEvent(press);
    wxScrollEvent release(wxEVT_SCROLL_THUMBRELEASE, spin->GetId(), 0, 0);
    release.SetEventObject(spin);
    spin->ProcessWindowEvent(release);
    EXPECT_TRUE(RunUntil([&] { return page->LightBars().Main()->GetValue() == (main < 100 ? main + 1 : main - 1); }));
}

TEST_F(FamilyProgramTest, ZaritEModelUnitsPageShowsItsRecordsAndFollowsThePage)
{
    bus.AddModelUnit(2, 1, 137);
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStart=1\nEnd=2\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    auto* page = dynamic_cast<CZaritEDevicePropertyPage*>(DevicePage(0));
    ASSERT_NE(page, nullptr);

    // The model's last record asked for is its owner (none on a ZaritE).
    ASSERT_TRUE(RunUntil([&] { return TextOf(page, "IDC_IN_DATE_TOVR_STAT") != ""; }));
    // Energy class 1: the larger model.
    EXPECT_EQ(TextOf(page, "IDC_IN_TYPE"), "Zarit 3200E");
    EXPECT_EQ(TextOf(page, "IDC_IN_SER_STAT"), "C123456");
    EXPECT_EQ(TextOf(page, "IDC_STATUS"), "status");
    EXPECT_NE(page->LightBars().Main()->GetFace().large, "");
    EXPECT_NE(TextOf(page, "IDC_ST_FLASH_LA"), "");
    EXPECT_TRUE(page->FindWindow(XRCID("IDC_FL_RF"))->IsShown());

    // A click on aux 2's arrow: the unit takes the step, and the bar shows
    // what the unit then reports.
    const int value = page->LightBars().Aux(2)->GetValue();
    const bool up = value < 100;
    wxWindow* spin = page->FindWindow(XRCID("IDC_SPIN_AUX2"));
    wxSpinEvent press(up ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, spin->GetId());
    press.SetEventObject(spin);
    spin->ProcessWindowEvent(press);
    wxScrollEvent release(wxEVT_SCROLL_THUMBRELEASE, spin->GetId(), 0, 0);
    release.SetEventObject(spin);
    spin->ProcessWindowEvent(release);
    EXPECT_TRUE(RunUntil([&] { return page->LightBars().Aux(2)->GetValue() != value; }));
}

}  // namespace
