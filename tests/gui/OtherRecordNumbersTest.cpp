// Every family's device page reads only the record numbers it knows: a status
// record under any other number leaves the page as it was and sends nothing.
// One table over the families as the unit factory makes them.
#include "FamilyPageFixture.h"

#include <functional>
#include <ostream>

#include "units/UnitFamilies.h"
#include "units/tiko/TikoDevicePropertyPage.h"
#include "controls/VeskAuxCtlTiko.h"

using namespace guitest;

namespace {

class OtherRecordNumbersTest;

struct FamilyRow {
    const char* name;
    uint16_t type;
    std::vector<uint16_t> numbers;
    // A status record that would light the main bar and turn the power on.
    std::vector<uint8_t> status;
    std::function<int(OtherRecordNumbersTest&)> mainBar;
};

void PrintTo(const FamilyRow& row, std::ostream* out)
{
    *out << row.name;
}

class OtherRecordNumbersTest : public FamilyPageTest<CFlashDevice>, public ::testing::WithParamInterface<FamilyRow> {
public:
    using FamilyPageTest::page;

protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        Open(BuiltFamilies().at(GetParam().type), GetParam().type);
    }
};

int SharedMainBar(OtherRecordNumbersTest& test)
{
    return test.page->LightBars().Main()->GetValue();
}

// Power on, outlets 1 and 2 on and available, main light shown; aux values
// and modelling-light mode as a power pack reports them.
FamilyRow PowerPack(const char* name, uint16_t type)
{
    const int allOn = 0x01 | 0x04 | 0x08 | 0x10 | 0x20;
    return {name,
            type,
            {0, 9, 10, 97, 99, 105, 0xFFFF},
            RecordData(25, {{5, 55},
                            {9, 60},
                            {10, 40},
                            {11, 0x01},
                            {12, 0x2C},
                            {13, 60},
                            {14, 80},
                            {15, 0x06},
                            {16, 0x40},
                            {21, allOn},
                            {22, 3},
                            {24, 0}}),
            &SharedMainBar};
}

FamilyRow Trovalex()
{
    return {"Trovalex",
            18,
            {0, 9, 10, 97, 99, 105, 0xFFFF},
            RecordData(10, {{5, 70}, {6, 0x01}, {7, 0}, {9, 0}}),
            [](OtherRecordNumbersTest& t) {
                return static_cast<CTikoDevicePropertyPage*>(t.page)->GetAuxCtl(1)->GetValue();
            }};
}

// Power on, outlets 1 to 3 on and available, three aux values and the
// modelling-light level.
FamilyRow Zarit()
{
    const int allOn = 0x01 | 0x0C | 0x30 | 0xC0;
    return {"Zarit",
            37,
            {0, 9, 11, 97, 99, 105, 0xFFFF},
            RecordData(25, {{5, 55},
                            {9, 60},
                            {10, 30},
                            {11, 0x01},
                            {12, 0x2C},
                            {13, 60},
                            {17, 60},
                            {21, allOn},
                            {22, 3},
                            {23, 0},
                            {24, 0}}),
            &SharedMainBar};
}

TEST_P(OtherRecordNumbersTest, ChangeNothing)
{
    for (uint16_t number : GetParam().numbers) {
        Deliver(number, GetParam().status);
        EXPECT_EQ(GetParam().mainBar(*this), 0) << number;
        EXPECT_FALSE(page->UnitControls().IsPowerOn()) << number;
        EXPECT_TRUE(page->IsIdle()) << number;
    }
    EXPECT_TRUE(Commands().empty());
}

INSTANTIATE_TEST_SUITE_P(Families, OtherRecordNumbersTest,
                         ::testing::Values(PowerPack("Nuvek", 20), PowerPack("Ribex", 32), Trovalex(), Zarit()),
                         [](const ::testing::TestParamInfo<FamilyRow>& info) { return std::string(info.param.name); });

}  // namespace
