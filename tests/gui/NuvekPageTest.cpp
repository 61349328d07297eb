// What only the Nuvek page does: the energy-range box, the distribution
// of its outlets in the status panel and the memories, the slow recycling
// option, and the second outlet on either of its two state bits.
#include "FamilyPageFixture.h"

#include "pages/aux/AuxPageBase.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/memory/MemoryPageBase.h"
#include "pages/options/OptionsPageBase.h"
#include "text/TextTable.h"
#include "units/nuvek/NuvekDevice.h"

using namespace guitest;

namespace {

class NuvekPageTest : public FamilyPageTest<CNuvekDevice> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        Open(20);
    }
};

TEST_F(NuvekPageTest, EnergyRangeBoxFollowsTheUnitAndSendsTheOptions)
{
    EXPECT_EQ(Label("IDC_ENERGIEBEREICH"), "energy range over 4 stops");
    Deliver(2, RecordData(7, {{5, 0}, {6, 1}}));
    EXPECT_TRUE(Checked("IDC_ENERGIEBEREICH"));
    Deliver(2, RecordData(7, {{5, 0}, {6, 0}}));
    EXPECT_FALSE(Checked("IDC_ENERGIEBEREICH"));

    // Buzzer on, slow off, reduced on: 1 + 4, and the box's 8.
    Deliver(5, RecordData(6, {{5, 0x08 | 0x20}}));
    Tick("IDC_ENERGIEBEREICH", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x0D}}}));
    Tick("IDC_OP_SLOW", true);
    EXPECT_EQ(Commands(), (std::vector<Sent>{{17, {0x0F}}}));
    Deliver(5, RecordData(6, {{5, 0x10}}));
    EXPECT_TRUE(page->SettingBooks().GetOptionsPage()->IsSlowChecked());
    EXPECT_FALSE(page->SettingBooks().GetOptionsPage()->IsBuzzerChecked());
}

TEST_F(NuvekPageTest, CompactViewAlsoHidesTheEnergyRangeBox)
{
    page->SetFullView(false);
    EXPECT_FALSE(Shown("IDC_ENERGIEBEREICH"));
    page->SetFullView(true);
    EXPECT_TRUE(Shown("IDC_ENERGIEBEREICH"));
}

TEST_F(NuvekPageTest, StatusRowsShowTheDistributionThenTheSequence)
{
    // Byte 7 0x43: model 3 with asymmetric distribution.
    Deliver(4, RecordData(13, {{5, 1}, {6, 2}, {7, 0x43}, {12, 5}}));
    EXPECT_EQ(Label("IDC_IN_TYPE"), "Nuvek N8 E");
    EXPECT_EQ(Label("IDC_ST_FLASH_LA"), "distribution");
    EXPECT_EQ(Label("IDC_ST_FLASH"), "asym");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE"), "");
    Deliver(2, RecordData(7, {{5, 6}}));
    EXPECT_EQ(page->SettingBooks().GetAuxPage()->GetSequence(), 6);
    EXPECT_EQ(Label("IDC_ST_SEQUENCE_LA"), "sequence");
    EXPECT_EQ(Label("IDC_ST_SEQUENCE"), "6");
    EXPECT_EQ(Label("IDC_ST_FLASH2"), "asym");
    EXPECT_FALSE(Shown("IDC_ST_FLASH2"));
    Deliver(4, RecordData(13, {{7, 0x01}}));
    EXPECT_EQ(Label("IDC_ST_FLASH"), "sym");
}

TEST_F(NuvekPageTest, SecondOutletIsOnByEitherOfItsBits)
{
    Deliver(1, RecordData(25, {{5, 50}, {13, 70}, {21, 0x01 | 0x40 | 0x80}}));
    EXPECT_TRUE(page->LightBars().Aux(2)->IsOn());
    EXPECT_FALSE(page->LightBars().Aux(1)->IsOn());
    EXPECT_EQ(AuxText(2), "7.0");
    // Neither bit 3 nor bit 5: the main light shows no text.
    EXPECT_EQ(MainText(), "");
}

TEST_F(NuvekPageTest, MemoryTableStartsWithTheDistributionAndPutsTheFourthOnLineThreeLeft)
{
    page->SettingBooks().GetMemoryPage()->SelectMemory(0);
    // Sequence 5, alternate 1 (byte 8), delay 2.00 s, interval 1.00 s,
    // preset 2, asymmetric: the preset is the fifth and is dropped.
    Deliver(101,
            RecordData(
                16, {{5, 40}, {6, 50}, {8, 0x45}, {9, 0}, {10, 200}, {11, 0}, {12, 100}, {14, 2}, {15, 0x40 | 0x1B}}));
    EXPECT_EQ(Label("IDC_ME_LINE1R_LA"), "distribution");
    EXPECT_EQ(Label("IDC_ME_LINE1R"), "asym");
    EXPECT_EQ(Label("IDC_ME_LINE2R_LA"), "sequence");
    EXPECT_EQ(Label("IDC_ME_LINE2R"), "5");
    EXPECT_EQ(Label("IDC_ME_LINE3R_LA"), "interval");
    EXPECT_EQ(Label("IDC_ME_LINE3R"), "1.00s");
    EXPECT_EQ(Label("IDC_ME_LINE3L_LA"), "delay");
    EXPECT_EQ(Label("IDC_ME_LINE3L"), "2.00s");
    // A preset stored with the memory: outlets read "on".
    EXPECT_EQ(Label("IDC_ME_LINE1L"), "on");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(NuvekPageTest, SelectionsCarryTwoLampRolesAndAZero)
{
    // The memory page in the first notebook, the information page in the
    // second, memory 3, roles 5 and 7.
    Deliver(3, RecordData(9, {{5, 0x05}, {6, 2}, {7, 5}, {8, 7}}));
    Commands();
    SelectTab("IDC_LAMPMEMTAB", 0);
    SelectTab("IDC_LAMPMEMTAB", 1);
    EXPECT_EQ(Commands(),
              (std::vector<Sent>{{11, {0x04, 0x02, 0x05, 0x07, 0x00}}, {11, {0x05, 0x02, 0x05, 0x07, 0x00}}}));
}

// A page made in German takes every text in German.
class NuvekGermanPageTest : public FamilyPageTest<CNuvekDevice> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        Open(20, 0, 500);
    }
};

TEST_F(NuvekGermanPageTest, TextsComeInThePagesLanguage)
{
    EXPECT_EQ(Label("IDC_STATUS"), "Status");
    EXPECT_EQ(Label("IDC_FLASH"), "Blitzkontrolle");
    EXPECT_EQ(Label("IDC_LM_PROP2"), GetString(2565) + " 2");
    EXPECT_EQ(Label("IDC_ENERGIEBEREICH"), wxString::FromUTF8("Energiebereich über 4 Blenden"));
    EXPECT_EQ(Find<wxNotebook>("IDC_OPTIONSTAB")->GetPageText(1), "Optionen");
    EXPECT_EQ(page->FindWindow(XRCID("IDC_SPIN_MAIN"))->GetToolTipText(), "Energie");
    Deliver(4, RecordData(13, {{7, 1}, {12, 7}}));
    EXPECT_EQ(unit->GetCaption(), wxString::FromUTF8("Gerät 3 Nuvek N4 (Serie Nr. 7)"));
    Deliver(7, RecordData(7, {{5, 1}}));
    EXPECT_EQ(Label("IDC_ST_ALARM2"), wxString::FromUTF8("Gerät ausschalten"));
}

}  // namespace
