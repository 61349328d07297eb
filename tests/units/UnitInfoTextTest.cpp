#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordBytes.h"
#include "units/core/CounterRecord.h"
#include "units/core/UnitInfoText.h"

namespace {

TEST(UnitInfoTextTest, ProgramVersionHasATwoDigitMinor)
{
    EXPECT_EQ(UnitInfoText::ProgramVersion(2, 7), "2.07");
    EXPECT_EQ(UnitInfoText::ProgramVersion(3, 12), "3.12");
    EXPECT_EQ(UnitInfoText::ProgramVersion(0, 0), "0.00");
}

TEST(UnitInfoTextTest, SerialIsUnsigned)
{
    EXPECT_EQ(UnitInfoText::Serial(0), "0");
    EXPECT_EQ(UnitInfoText::Serial(2147483647u), "2147483647");
    EXPECT_EQ(UnitInfoText::Serial(2147483648u), "2147483648");
    EXPECT_EQ(UnitInfoText::Serial(4294967295u), "4294967295");
}

TEST(UnitInfoTextTest, DateTakesItsCenturyFromTheTwoDigitYear)
{
    EXPECT_EQ(UnitInfoText::Date(3, 12), "3.2012");
    EXPECT_EQ(UnitInfoText::Date(12, 0), "12.2000");
    EXPECT_EQ(UnitInfoText::Date(1, 50), "1.2050");
    EXPECT_EQ(UnitInfoText::Date(5, 51), "5.1951");
    EXPECT_EQ(UnitInfoText::Date(11, 99), "11.1999");
}

TEST(UnitInfoTextTest, DeliveryDateReadsYearThenMonth)
{
    EXPECT_EQ(UnitInfoText::DecodeDeliveryDate(View(MakeRecord(8, 8, {{6, 9}, {7, 10}}))), "10.2009");
}

// The owner field of record 6, bytes 10 to 23.
std::vector<uint8_t> OwnerRecord(const std::string& field)
{
    auto record = MakeRecord(6, 24);
    for (std::size_t i = 0; i < field.size() && i < 14; ++i)
        record[10 + i] = static_cast<uint8_t>(field[i]);
    return record;
}

TEST(UnitInfoTextTest, OwnerDropsTheFieldsTrailingBlanksAndEndsAtAZero)
{
    struct Case {
        std::string field;
        std::string owner;
    };
    const Case cases[] = {
        {"ABC           ", "ABC"},
        {"A B           ", "A B"},
        {"              ", ""},
        {std::string("AB\0CD         ", 14), "AB"},
        {std::string("\0BCD          ", 14), ""},
        {"Studio Nord 14", "Studio Nord 14"},
        {" Leading      ", " Leading"},
        {std::string(14, '\0'), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owner);
        EXPECT_EQ(UnitInfoText::Owner(View(OwnerRecord(c.field)), 10, 14), c.owner);
    }
}

TEST(CounterRecordTest, ReadsCountersAndOwner)
{
    auto record = OwnerRecord("ABC           ");
    record[5] = 0x01;
    record[6] = 0x02;
    record[7] = 0x01;
    const auto counters = CounterRecord::Decode(View(record));
    ASSERT_TRUE(counters.has_value());
    EXPECT_EQ(counters->counter, "258");
    EXPECT_EQ(counters->total, "65536");
    EXPECT_EQ(counters->owner, "ABC");

    record[7] = 0xFF;
    record[8] = 0xFF;
    record[9] = 0xFF;
    EXPECT_EQ(CounterRecord::Decode(View(record))->total, "16777215");
}

}  // namespace
