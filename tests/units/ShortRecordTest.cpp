// A Nuvek or Ribex record shorter than the highest byte its decoder reads is
// ignored whole; one that reaches that byte is decoded.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "TestRecord.h"
#include "units/core/PowerPackCodec.h"

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
#define DECODES_OF(call, family) \
    [](const RecordView& record) { return PowerPackCodec::call(record, PowerPackCodec::family).has_value(); }

const ShortCase kCases[] = {
    {"NuvekStatus", 1, 24, DECODES_OF(DecodeStatus, kNuvek)},
    {"NuvekAuxFunctions", 2, 6, DECODES_OF(DecodeAuxFunctions, kNuvek)},
    {"NuvekSelections", 3, 8, DECODES_OF(DecodeSelections, kNuvek)},
    {"NuvekUnitInfo", 4, 12, DECODES_OF(DecodeUnitInfo, kNuvek)},
    {"NuvekOptions", 5, 5, DECODES_OF(DecodeOptions, kNuvek)},
    {"NuvekCounters", 6, 23, DECODES(PowerPackRecords::DecodeCounters)},
    {"NuvekAlarms", 7, 6, DECODES(PowerPackRecords::DecodeAlarms)},
    {"NuvekDates", 8, 7, DECODES(PowerPackRecords::DecodeDeliveryDate)},
    {"NuvekServiceStatus", 100, 6, DECODES(PowerPackRecords::DecodeServiceStatus)},
    {"NuvekMemory1", 101, 15, DECODES_OF(DecodeMemory, kNuvek)},
    {"NuvekMemory4", 104, 15, DECODES_OF(DecodeMemory, kNuvek)},
    {"RibexStatus", 1, 24, DECODES_OF(DecodeStatus, kRibex)},
    {"RibexAuxFunctions", 2, 5, DECODES_OF(DecodeAuxFunctions, kRibex)},
    {"RibexSelections", 3, 9, DECODES_OF(DecodeSelections, kRibex)},
    {"RibexUnitInfo", 4, 12, DECODES_OF(DecodeUnitInfo, kRibex)},
    {"RibexOptions", 5, 9, DECODES_OF(DecodeOptions, kRibex)},
    {"RibexCounters", 6, 23, DECODES(PowerPackRecords::DecodeCounters)},
    {"RibexAlarms", 7, 6, DECODES(PowerPackRecords::DecodeAlarms)},
    {"RibexDates", 8, 7, DECODES(PowerPackRecords::DecodeDeliveryDate)},
    {"RibexServiceStatus", 100, 6, DECODES(PowerPackRecords::DecodeServiceStatus)},
    {"RibexMemory2", 102, 15, DECODES_OF(DecodeMemory, kRibex)},
    {"RibexMemory3", 103, 15, DECODES_OF(DecodeMemory, kRibex)},
};

#undef DECODES
#undef DECODES_OF

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
    EXPECT_TRUE(PowerPackRecords::DecodeServiceStatus(record.View(11)).has_value());
    EXPECT_FALSE(PowerPackRecords::DecodeServiceStatus(record.View(10)).has_value());
    EXPECT_FALSE(PowerPackRecords::DecodeServiceStatus(record.View(10)).has_value());
}

INSTANTIATE_TEST_SUITE_P(Families, PowerPackShortRecord, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ShortCase>& info) { return info.param.name; });

}  // namespace
