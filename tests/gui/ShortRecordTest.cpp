// Every family's device page ignores a record shorter than the last byte it
// reads, whole, and shows the same record once that byte is there. One table
// over the families as the unit factory makes them.
#include "FamilyPageFixture.h"

#include <functional>
#include <ostream>

#include <wx/textctrl.h>
#include <wx/utils.h>

#include "pages/aux/AuxPageBase.h"
#include "pages/aux/AuxPageTiko.h"
#include "pages/memory/MemoryPageBase.h"
#include "units/UnitFamilies.h"
#include "units/tiko/TikoDevicePropertyPage.h"

using namespace guitest;

namespace {

class ShortRecordTest;

struct ShortCase {
    uint16_t number;
    std::size_t length;  // the shortest record read whole
    std::vector<std::pair<int, int>> bytes;
    std::function<bool(ShortRecordTest&)> changed;
    // Puts the page where the record shows, before it arrives.
    std::function<void(ShortRecordTest&)> before = nullptr;
};

struct FamilyRow {
    const char* name;
    uint16_t type;
    std::function<void(ShortRecordTest&)> prepare;
    std::vector<ShortCase> cases;
};

void PrintTo(const FamilyRow& row, std::ostream* out)
{
    *out << row.name;
}

class ShortRecordTest : public FamilyPageTest<CFlashDevice>, public ::testing::WithParamInterface<FamilyRow> {
public:
    using FamilyPageTest::Commands;
    using FamilyPageTest::Find;
    using FamilyPageTest::Label;
    using FamilyPageTest::page;

    CTikoDevicePropertyPage* Tiko() const { return static_cast<CTikoDevicePropertyPage*>(page); }

protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        // No cursor of an earlier test is left.
        ASSERT_FALSE(wxIsBusy());
        Open(BuiltFamilies().at(GetParam().type), GetParam().type);
    }
    void TearDown() override
    {
        FamilyPageTest::TearDown();
        EXPECT_FALSE(wxIsBusy());
        while (wxIsBusy())
            wxEndBusyCursor();
    }
};

void FirstMemory(ShortRecordTest& test)
{
    test.page->SettingBooks().GetMemoryPage()->SelectMemory(0);
}

// Nuvek and Ribex differ in the lengths of the records they read.
FamilyRow PowerPack(const char* name, uint16_t type, std::size_t selectionsLength, std::size_t auxFunctionsLength,
                    std::size_t optionsLength)
{
    // Power on, outlets 1 and 2 on and available, main light shown.
    const int allOn = 0x01 | 0x04 | 0x08 | 0x10 | 0x20;
    return {
        name,
        type,
        &FirstMemory,
        {
            {1, 25, {{5, 55}, {21, allOn}}, [](ShortRecordTest& t) { return t.page->UnitControls().IsPowerOn(); }},
            {3,
             selectionsLength,
             {{5, 0x04}},
             [](ShortRecordTest& t) { return t.page->SettingBooks().GetOptionsSelection() == 2; }},
            {4, 13, {{5, 2}, {6, 9}}, [](ShortRecordTest& t) { return t.page->GetProgramVersion() == 9; }},
            {6,
             24,
             {{9, 5}},
             [](ShortRecordTest& t) { return t.Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue() == "5"; }},
            {7, 7, {{6, 1}}, [](ShortRecordTest& t) { return t.page->StatusPanel().Alarms().thermo != 0; }},
            {8, 8, {{6, 12}, {7, 3}}, [](ShortRecordTest& t) { return t.Label("IDC_IN_DELIVERY_STAT") == "3.2012"; }},
            {100, 7, {{5, 0x80}}, [](ShortRecordTest& t) { return t.page->UnitControls().GetLedState() == 2; }},
            {2,
             auxFunctionsLength,
             {{5, 3}},
             [](ShortRecordTest& t) { return t.page->SettingBooks().GetAuxPage()->GetSequence() == 3; }},
            {5,
             optionsLength,
             {{5, 0x04}},
             [](ShortRecordTest& t) { return t.page->UnitControls().IsBoxChecked("IDC_FL_CELL"); }},
            {101,
             16,
             {{5, 20}, {6, 30}, {15, 0x09}},
             [](ShortRecordTest& t) { return t.Label("IDC_ME_LINE1L") == "3.0"; }},
        }};
}

FamilyRow QuirelA1()
{
    const int power = 0x01;
    return {
        "QuirelA1",
        16,
        &FirstMemory,
        {
            {1, 25, {{5, 55}, {21, power}}, [](ShortRecordTest& t) { return t.page->UnitControls().IsPowerOn(); }},
            {2,
             23,
             {{5, 3}},
             [](ShortRecordTest& t) { return t.page->SettingBooks().GetAuxPage()->GetSequence() == 3; }},
            {3, 10, {{5, 0x04}}, [](ShortRecordTest& t) { return t.page->SettingBooks().GetOptionsSelection() == 2; }},
            {4, 13, {{5, 2}, {6, 9}}, [](ShortRecordTest& t) { return t.page->GetProgramVersion() == 9; }},
            {5, 8, {{5, 0x04}}, [](ShortRecordTest& t) { return t.page->UnitControls().IsBoxChecked("IDC_FL_CELL"); }},
            {6,
             24,
             {{9, 5}},
             [](ShortRecordTest& t) { return t.Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue() == "5"; }},
            {7, 8, {{6, 1}}, [](ShortRecordTest& t) { return t.page->StatusPanel().Alarms().thermo != 0; }},
            {8, 12, {{6, 12}, {7, 3}}, [](ShortRecordTest& t) { return t.Label("IDC_IN_DELIVERY_STAT") == "3.2012"; }},
            {100, 7, {{5, 0x80}}, [](ShortRecordTest& t) { return t.page->UnitControls().GetLedState() == 2; }},
            {100, 11, {{6, 1}, {10, 50}}, [](ShortRecordTest& t) { return t.Label("IDC_IN_LINE_F") == "50"; }},
            {101, 16, {{5, 20}, {15, 0x09}}, [](ShortRecordTest& t) { return t.Label("IDC_ME_LINE4L") == "2.0"; }},
        }};
}

FamilyRow Trovalex()
{
    return {
        "Trovalex",
        18,
        [](ShortRecordTest& t) { t.Tiko()->SelectMemory(0); },
        {
            {1, 10, {{5, 70}, {6, 1}, {9, 1}}, [](ShortRecordTest& t) { return t.Tiko()->UnitControls().IsPowerOn(); }},
            {2,
             14,
             {{5, 3}, {13, 1}},
             [](ShortRecordTest& t) { return t.Tiko()->GetOptionsOrTikoAuxPage()->GetSequence() == 3; }},
            {3,
             8,
             {{5, 0x02}, {7, 4}},
             [](ShortRecordTest& t) { return t.Tiko()->SettingBooks().GetOptionsSelection() == 2; }},
            {4, 13, {{5, 25}, {6, 9}}, [](ShortRecordTest& t) { return t.Tiko()->GetProgramVersion() == 9; }},
            {5,
             9,
             {{5, 0x04}, {8, 1}},
             [](ShortRecordTest& t) { return t.Tiko()->UnitControls().IsBoxChecked("IDC_FL_CELL"); }},
            {6,
             22,
             {{7, 5}},
             [](ShortRecordTest& t) { return t.Find<wxTextCtrl>("IDC_OP_TOTALCOUNTER")->GetValue() == "5"; }},
            {7, 7, {{6, 1}}, [](ShortRecordTest& t) { return t.Tiko()->StatusPanel().Alarms().thermo != 0; }},
            {8, 12, {{6, 12}, {7, 3}}, [](ShortRecordTest& t) { return t.Label("IDC_IN_DELIVERY_STAT") == "3.2012"; }},
            {100, 7, {{5, 0x80}}, [](ShortRecordTest& t) { return t.Tiko()->UnitControls().GetLedState() == 2; }},
            {101, 9, {{5, 30}, {8, 1}}, [](ShortRecordTest& t) { return t.Label("IDC_ME_LINE1L") == "3.0"; }},
            // An empty record of the chosen memory is filled with what the unit holds now.
            {104,
             9,
             {{5, 0xFF}, {6, 0xFF}, {7, 0xFF}, {8, 0xFF}},
             [](ShortRecordTest& t) { return !t.Commands().empty(); },
             [](ShortRecordTest& t) {
                 t.Tiko()->SelectMemory(3);
                 t.Commands();
             }},
        }};
}

FamilyRow ZaritE()
{
    const int allOn = 0x01 | 0x0C | 0x30;
    return {
        "ZaritE",
        137,
        [](ShortRecordTest&) {},
        {
            {1, 25, {{5, 55}, {21, allOn}}, [](ShortRecordTest& t) { return t.page->UnitControls().IsPowerOn(); }},
            {2,
             21,
             {{5, 3}},
             [](ShortRecordTest& t) { return t.page->SettingBooks().GetAuxPage()->GetSequence() == 3; }},
            {3, 9, {{5, 0x04}}, [](ShortRecordTest& t) { return t.page->SettingBooks().GetOptionsSelection() == 2; }},
            {4, 18, {{6, 9}}, [](ShortRecordTest& t) { return t.page->GetProgramVersion() == 9; }},
            {5, 7, {{5, 0x04}}, [](ShortRecordTest& t) { return t.page->UnitControls().IsBoxChecked("IDC_FL_CELL"); }},
            {6, 12, {{11, 5}}, [](ShortRecordTest& t) { return t.Label("IDC_OP_TOTALCOUNTER") == "5"; }},
            {7, 9, {{6, 1}}, [](ShortRecordTest& t) { return t.page->StatusPanel().Alarms().thermo != 0; }},
            {8, 12, {{6, 12}, {7, 3}}, [](ShortRecordTest& t) { return t.Label("IDC_IN_DELIVERY_STAT") == "3.2012"; }},
            {100, 7, {{5, 0x80}}, [](ShortRecordTest& t) { return t.page->UnitControls().GetLedState() == 2; }},
        }};
}

FamilyRow Zarit()
{
    const int allOn = 0x01 | 0x0C | 0x30 | 0xC0;
    return {
        "Zarit",
        37,
        &FirstMemory,
        {
            {1, 25, {{5, 55}, {21, allOn}}, [](ShortRecordTest& t) { return t.page->UnitControls().IsPowerOn(); }},
            {2,
             23,
             {{5, 3}},
             [](ShortRecordTest& t) { return t.page->SettingBooks().GetAuxPage()->GetSequence() == 3; }},
            {3, 10, {{5, 0x04}}, [](ShortRecordTest& t) { return t.page->SettingBooks().GetOptionsSelection() == 2; }},
            {4, 18, {{6, 9}}, [](ShortRecordTest& t) { return t.page->GetProgramVersion() == 9; }},
            {5, 8, {{5, 0x04}}, [](ShortRecordTest& t) { return t.page->UnitControls().IsBoxChecked("IDC_FL_CELL"); }},
            {6, 12, {{11, 5}}, [](ShortRecordTest& t) { return t.Label("IDC_OP_TOTALCOUNTER") == "5"; }},
            {7, 9, {{6, 1}}, [](ShortRecordTest& t) { return t.page->StatusPanel().Alarms().thermo != 0; }},
            {8, 12, {{6, 12}, {7, 3}}, [](ShortRecordTest& t) { return t.Label("IDC_IN_DELIVERY_STAT") == "3.2012"; }},
            {100, 7, {{5, 0x80}}, [](ShortRecordTest& t) { return t.page->UnitControls().GetLedState() == 2; }},
            {100, 11, {{6, 2}, {10, 50}}, [](ShortRecordTest& t) { return t.Label("IDC_IN_LINE_F") == "50"; }},
            {101,
             16,
             {{5, 20}, {6, 30}, {15, 0x11}},
             [](ShortRecordTest& t) { return t.Label("IDC_ME_LINE2L") == "2.0"; }},
        }};
}

TEST_P(ShortRecordTest, RecordsShorterThanTheirLastByteAreIgnoredWhole)
{
    GetParam().prepare(*this);
    for (const ShortCase& c : GetParam().cases) {
        SCOPED_TRACE(c.number);
        if (c.before)
            c.before(*this);
        std::vector<uint8_t> data(c.length - 6, 0);
        for (const auto& [index, value] : c.bytes) {
            if (static_cast<std::size_t>(index) < c.length - 1)
                data[index - 5] = static_cast<uint8_t>(value);
        }
        Deliver(c.number, data);
        EXPECT_FALSE(c.changed(*this));
        std::vector<uint8_t> whole = data;
        whole.push_back(0);
        for (const auto& [index, value] : c.bytes)
            whole[index - 5] = static_cast<uint8_t>(value);
        Deliver(c.number, whole);
        EXPECT_TRUE(c.changed(*this));
    }
    Commands();
}

INSTANTIATE_TEST_SUITE_P(Families, ShortRecordTest,
                         ::testing::Values(PowerPack("Nuvek", 20, 9, 7, 6), PowerPack("Ribex", 32, 10, 6, 10),
                                           QuirelA1(), Trovalex(), ZaritE(), Zarit()),
                         [](const ::testing::TestParamInfo<FamilyRow>& info) { return std::string(info.param.name); });

}  // namespace
