// What only the Ribex page does: the "P" modelling-light mode, the power
// button the unit can lock, the third outlet on the second bar, its own
// options, and status rows and memories without a distribution.
#include "FamilyPageFixture.h"

#include <wx/image.h>

#include "pages/aux/AuxPageBase.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/memory/MemoryPageBase.h"
#include "pages/options/OptionsPageBase.h"
#include "units/DevicePictures.h"
#include "units/ribex/RibexDevice.h"

using namespace guitest;

namespace {

class RibexPageTest : public FamilyPageTest<CRibexDevice> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        Open(32);
    }

    bool PowerShows(PowerFace face)
    {
        const wxImage shown = Find<wxBitmapButton>("IDC_POWER")->GetBitmapLabel().ConvertToImage();
        const wxImage wanted = wxBitmap(PowerPicture(face)).ConvertToImage();
        return shown.GetSize() == wanted.GetSize() &&
               std::equal(shown.GetData(), shown.GetData() + shown.GetWidth() * shown.GetHeight() * 3,
                          wanted.GetData());
    }

    std::vector<uint8_t> UnitInfo(int lock) { return RecordData(13, {{5, 1}, {6, 4}, {7, 2}, {8, lock}, {12, 9}}); }
    std::vector<uint8_t> Status(int states) { return RecordData(25, {{5, 50}, {21, states}}); }
};

TEST_F(RibexPageTest, PModeIsARadioOfItsOwn)
{
    PickRadio("IDC_LM_P");
    EXPECT_EQ(Commands(), (std::vector<Sent>{{3, {0x40}}}));
    for (const char* other : {"IDC_LM_FULL", "IDC_LM_LOW", "IDC_LM_PROP1", "IDC_LM_PROP5"})
        EXPECT_FALSE(Checked(other)) << other;
    EXPECT_TRUE(Checked("IDC_LM_P"));
    Deliver(1, RecordData(25, {{22, 2}}));
    EXPECT_TRUE(Checked("IDC_LM_LOW"));
    Deliver(1, RecordData(25, {{22, 0x08}}));
    EXPECT_TRUE(Checked("IDC_LM_P"));
}

TEST_F(RibexPageTest, LockedPowerButtonKeepsItsPictureUntilUnlocked)
{
    Deliver(4, UnitInfo(1));
    EXPECT_FALSE(Find<wxWindow>("IDC_POWER")->IsEnabled());
    EXPECT_TRUE(PowerShows(PowerFace::Locked));
    // A new power state moves bars and LED, not the locked picture.
    Deliver(1, Status(0x01 | 0x08));
    EXPECT_TRUE(page->UnitControls().IsPowerOn());
    EXPECT_TRUE(Shown("IDC_LED"));
    EXPECT_TRUE(PowerShows(PowerFace::Locked));
    // Unlocked, the button shows the unit's power state again.
    Deliver(4, UnitInfo(0));
    EXPECT_TRUE(Find<wxWindow>("IDC_POWER")->IsEnabled());
    EXPECT_TRUE(PowerShows(PowerFace::On));
    EXPECT_EQ(Label("IDC_IN_TYPE"), "Ribex R8");
}

TEST_F(RibexPageTest, ThirdOutletRidesOnTheSecondBar)
{
    // Outlet 2 off and away, outlet 3 on and there.
    Deliver(1, RecordData(25, {{5, 50}, {13, 60}, {21, 0x01 | 0x08 | 0x40 | 0x80}}));
    EXPECT_FALSE(page->LightBars().Aux(2)->IsOn());
    EXPECT_EQ(AuxText(2), "6.0");
    EXPECT_FALSE(Find<wxWindow>("IDC_LA_LAMP2")->IsEnabled());
    EXPECT_TRUE(Find<wxWindow>("IDC_LA_LAMP3")->IsEnabled());
    EXPECT_TRUE(Find<wxWindow>("IDC_SPIN_AUX2")->IsEnabled());
    Deliver(1, RecordData(25, {{5, 50}, {13, 60}, {21, 0x01 | 0x08}}));
    EXPECT_FALSE(Find<wxWindow>("IDC_LA_LAMP3")->IsEnabled());
    EXPECT_EQ(AuxText(2), "");
}

TEST_F(RibexPageTest, OptionsOfTheRibexComeAndGo)
{
    // Fast (bit 4) and the ready and cell options of byte 9.
    Deliver(5, RecordData(10, {{5, 0x10}, {9, 0x03}}));
    EXPECT_TRUE(page->SettingBooks().GetOptionsPage()->IsFastChecked());
    EXPECT_TRUE(page->SettingBooks().GetOptionsPage()->IsReadyChecked());
    EXPECT_TRUE(page->SettingBooks().GetOptionsPage()->IsCellChecked());
    // Fast 2, ready 16, cell 32; the buzzer box now ticked adds 1.
    Tick("IDC_OP_BUZZER", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x33}}}));
    Deliver(5, RecordData(10, {{5, 0x20}, {9, 0}}));
    EXPECT_FALSE(page->SettingBooks().GetOptionsPage()->IsReadyChecked());
    EXPECT_TRUE(page->SettingBooks().GetOptionsPage()->IsReducedChecked());
    Tick("IDC_OP_FAST", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x06}}}));
}

TEST_F(RibexPageTest, StatusRowsStartWithTheSequence)
{
    Deliver(2, RecordData(6, {{5, 3}}));
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "sequence");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "3");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE"), "");
}

TEST_F(RibexPageTest, MemoryTableShowsTheFirstFourTimingEntries)
{
    page->SettingBooks().GetMemoryPage()->SelectMemory(3);
    Deliver(104, RecordData(16, {{5, 40}, {6, 50}, {8, 0x45}, {10, 200}, {12, 100}, {14, 2}, {15, 0x1B}}));
    EXPECT_EQ(Label("IDC_ME_LINE1R_LA"), "sequence");
    EXPECT_EQ(Label("IDC_ME_LINE1R"), "5");
    EXPECT_EQ(Label("IDC_ME_LINE2R_LA"), "interval");
    EXPECT_EQ(Label("IDC_ME_LINE3R_LA"), "delay");
    EXPECT_EQ(Label("IDC_ME_LINE3L_LA"), "alternate");
    EXPECT_EQ(Label("IDC_ME_LINE3L"), "1");
}

TEST_F(RibexPageTest, SelectionsCarryThreeLampRoles)
{
    Deliver(3, RecordData(10, {{5, 0x03}, {6, 1}, {7, 4}, {8, 5}, {9, 6}}));
    EXPECT_EQ(page->SettingBooks().GetLampPage()->GetLamp3(), 6);
    Commands();
    SelectTab("IDC_OPTIONSTAB", 2);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{11, {0x05, 0x01, 0x04, 0x05, 0x06}}}));
}

}  // namespace
