// A Nuvek or Ribex record shorter than the highest byte its decoder reads is
// ignored whole; one that reaches that byte is decoded.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "TestRecord.h"
#include "units/core/NuvekCodec.h"
#include "units/core/RibexCodec.h"

namespace {

struct ShortCase {
    std::string name;
    int number;
    std::size_t highestByte;
    bool (*decodes)(const RecordView&);
};

void PrintTo(const ShortCase& c, std::ostream* out)
{
    *out << c.name;
}

#define DECODES(call) [](const RecordView& record) { return call(record).has_value(); }

const ShortCase kCases[] = {
    {"NuvekStatus", 1, 24, DECODES(NuvekCodec::DecodeStatus)},
    {"NuvekAuxFunctions", 2, 6, DECODES(NuvekCodec::DecodeAuxFunctions)},
    {"NuvekSelections", 3, 8, DECODES(NuvekCodec::DecodeSelections)},
    {"NuvekUnitInfo", 4, 12, DECODES(NuvekCodec::DecodeUnitInfo)},
    {"NuvekOptions", 5, 5, DECODES(NuvekCodec::DecodeOptions)},
    {"NuvekCounters", 6, 23, DECODES(NuvekCodec::DecodeCounters)},
    {"NuvekAlarms", 7, 6, DECODES(NuvekCodec::DecodeAlarms)},
    {"NuvekDates", 8, 7, DECODES(NuvekCodec::DecodeDeliveryDate)},
    {"NuvekServiceStatus", 100, 6, DECODES(NuvekCodec::DecodeServiceStatus)},
    {"NuvekMemory1", 101, 15, DECODES(NuvekCodec::DecodeMemory)},
    {"NuvekMemory4", 104, 15, DECODES(NuvekCodec::DecodeMemory)},
    {"RibexStatus", 1, 24, DECODES(RibexCodec::DecodeStatus)},
    {"RibexAuxFunctions", 2, 5, DECODES(RibexCodec::DecodeAuxFunctions)},
    {"RibexSelections", 3, 9, DECODES(RibexCodec::DecodeSelections)},
    {"RibexUnitInfo", 4, 12, DECODES(RibexCodec::DecodeUnitInfo)},
    {"RibexOptions", 5, 9, DECODES(RibexCodec::DecodeOptions)},
    {"RibexCounters", 6, 23, DECODES(RibexCodec::DecodeCounters)},
    {"RibexAlarms", 7, 6, DECODES(RibexCodec::DecodeAlarms)},
    {"RibexDates", 8, 7, DECODES(RibexCodec::DecodeDeliveryDate)},
    {"RibexServiceStatus", 100, 6, DECODES(RibexCodec::DecodeServiceStatus)},
    {"RibexMemory2", 102, 15, DECODES(RibexCodec::DecodeMemory)},
    {"RibexMemory3", 103, 15, DECODES(RibexCodec::DecodeMemory)},
};

#undef DECODES

class PowerPackShortRecord : public testing::TestWithParam<ShortCase> {};

TEST_P(PowerPackShortRecord, IgnoredUntilItReachesItsHighestByte)
{
    const ShortCase& c = GetParam();
    const TestRecord record(c.number, c.highestByte + 1);
    EXPECT_TRUE(c.decodes(record.View()));
    EXPECT_FALSE(c.decodes(record.View(c.highestByte)));
    EXPECT_FALSE(c.decodes(record.View(5)));
    EXPECT_FALSE(c.decodes(RecordView(nullptr, 0)));
}

// The length byte may claim more than arrived: what counts is what is there.
TEST_P(PowerPackShortRecord, ALengthByteClaimingMoreDoesNotLengthenIt)
{
    const ShortCase& c = GetParam();
    TestRecord record(c.number, c.highestByte + 1);
    record.Set(0, 40);
    EXPECT_FALSE(c.decodes(record.View(c.highestByte)));
}

// In service mode the voltages are read too: a record that ends before them
// is ignored whole.
TEST(PowerPackShortRecord, ServiceStatusInServiceModeNeedsTheVoltages)
{
    const TestRecord record(100, 11, {{6, 1}});
    EXPECT_TRUE(NuvekCodec::DecodeServiceStatus(record.View(11)).has_value());
    EXPECT_FALSE(NuvekCodec::DecodeServiceStatus(record.View(10)).has_value());
    EXPECT_FALSE(RibexCodec::DecodeServiceStatus(record.View(10)).has_value());
}

INSTANTIATE_TEST_SUITE_P(Families, PowerPackShortRecord, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ShortCase>& info) { return info.param.name; });

}  // namespace
