// A record shorter than the highest byte its decoder reads is ignored whole;
// one that reaches that byte is decoded. One table over every family's
// decoders.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "TestRecord.h"
#include "units/core/GeneratorRecords.h"
#include "units/core/PowerPackCodec.h"
#include "units/core/QuirelA1Codec.h"
#include "units/core/TikoCodec.h"
#include "units/core/ZaritCodec.h"
#include "units/core/ZaritECodec.h"

namespace {

using Decodes = bool (*)(const RecordView&);

struct ShortCase {
    std::string name;
    int number;
    std::size_t highestByte;
    Decodes decodes;
};

void PrintTo(const ShortCase& c, std::ostream* out)
{
    *out << c.name;
}

#define DECODES(call) [](const RecordView& record) { return call(record).has_value(); }
#define DECODES_WITH(call, ...) [](const RecordView& record) { return call(record, __VA_ARGS__).has_value(); }

const ShortCase kCases[] = {
    {"NuvekStatus", 1, 24, DECODES_WITH(PowerPackCodec::DecodeStatus, PowerPackCodec::kNuvek)},
    {"NuvekAuxFunctions", 2, 6, DECODES_WITH(PowerPackCodec::DecodeAuxFunctions, PowerPackCodec::kNuvek)},
    {"NuvekSelections", 3, 8, DECODES_WITH(PowerPackCodec::DecodeSelections, PowerPackCodec::kNuvek)},
    {"NuvekUnitInfo", 4, 12, DECODES_WITH(PowerPackCodec::DecodeUnitInfo, PowerPackCodec::kNuvek)},
    {"NuvekOptions", 5, 5, DECODES_WITH(PowerPackCodec::DecodeOptions, PowerPackCodec::kNuvek)},
    {"NuvekCounters", 6, 23, DECODES(PowerPackRecords::DecodeCounters)},
    {"NuvekAlarms", 7, 6, DECODES(PowerPackRecords::DecodeAlarms)},
    {"NuvekDates", 8, 7, DECODES(PowerPackRecords::DecodeDates)},
    {"NuvekServiceStatus", 100, 6, DECODES(PowerPackRecords::DecodeServiceStatus)},
    {"NuvekMemory1", 101, 15, DECODES_WITH(PowerPackCodec::DecodeMemory, PowerPackCodec::kNuvek)},
    {"NuvekMemory4", 104, 15, DECODES_WITH(PowerPackCodec::DecodeMemory, PowerPackCodec::kNuvek)},
    {"RibexStatus", 1, 24, DECODES_WITH(PowerPackCodec::DecodeStatus, PowerPackCodec::kRibex)},
    {"RibexAuxFunctions", 2, 5, DECODES_WITH(PowerPackCodec::DecodeAuxFunctions, PowerPackCodec::kRibex)},
    {"RibexSelections", 3, 9, DECODES_WITH(PowerPackCodec::DecodeSelections, PowerPackCodec::kRibex)},
    {"RibexUnitInfo", 4, 12, DECODES_WITH(PowerPackCodec::DecodeUnitInfo, PowerPackCodec::kRibex)},
    {"RibexOptions", 5, 9, DECODES_WITH(PowerPackCodec::DecodeOptions, PowerPackCodec::kRibex)},
    {"RibexCounters", 6, 23, DECODES(PowerPackRecords::DecodeCounters)},
    {"RibexAlarms", 7, 6, DECODES(PowerPackRecords::DecodeAlarms)},
    {"RibexDates", 8, 7, DECODES(PowerPackRecords::DecodeDates)},
    {"RibexServiceStatus", 100, 6, DECODES(PowerPackRecords::DecodeServiceStatus)},
    {"RibexMemory2", 102, 15, DECODES_WITH(PowerPackCodec::DecodeMemory, PowerPackCodec::kRibex)},
    {"RibexMemory3", 103, 15, DECODES_WITH(PowerPackCodec::DecodeMemory, PowerPackCodec::kRibex)},
    {"QuirelA1Status", 1, 24, DECODES_WITH(GeneratorRecords::DecodeStatus, 3)},
    {"QuirelA1AuxFunctions", 2, 22, DECODES(QuirelA1Codec::DecodeAuxFunctions)},
    {"QuirelA1Selections", 3, 9, DECODES(QuirelA1Codec::DecodeSelections)},
    {"QuirelA1UnitInfo", 4, 12, DECODES(QuirelA1Codec::DecodeUnitInfo)},
    {"QuirelA1Options", 5, 7, DECODES(QuirelA1Codec::DecodeOptions)},
    {"QuirelA1Counters", 6, 23, DECODES(QuirelA1Codec::DecodeCounters)},
    {"QuirelA1Alarms", 7, 7, DECODES(QuirelA1Codec::DecodeAlarms)},
    {"QuirelA1Dates", 8, 11, DECODES(QuirelA1Codec::DecodeDates)},
    {"QuirelA1ServiceStatus", 100, 6, DECODES(QuirelA1Codec::DecodeServiceStatus)},
    {"QuirelA1Memory1", 101, 15, DECODES(QuirelA1Codec::DecodeMemory)},
    {"QuirelA1Memory4", 104, 15, DECODES(QuirelA1Codec::DecodeMemory)},
    {"TikoStatus", 1, 9, DECODES(TikoCodec::DecodeStatus)},
    {"TikoAuxFunctions", 2, 13, DECODES(TikoCodec::DecodeAuxFunctions)},
    {"TikoSelections", 3, 7, DECODES(TikoCodec::DecodeSelections)},
    {"TikoUnitInfo", 4, 12, DECODES(TikoCodec::DecodeUnitInfo)},
    {"TikoOptions", 5, 8, DECODES(TikoCodec::DecodeOptions)},
    {"TikoCounters", 6, 21, DECODES_WITH(TikoCodec::DecodeCounters, TikoCodec::kTrovalex)},
    {"TikoAlarms", 7, 6, DECODES(TikoCodec::DecodeAlarms)},
    {"TikoDates", 8, 11, DECODES(TikoCodec::DecodeDates)},
    {"TikoServiceStatus", 100, 6, DECODES(TikoCodec::DecodeServiceStatus)},
    {"TikoMemory5", 101, 8, DECODES(TikoCodec::DecodeMemory)},
    {"TikoMemory8", 104, 8, DECODES(TikoCodec::DecodeMemory)},
    {"ZaritStatus", 1, 24, DECODES_WITH(GeneratorRecords::DecodeStatus, ZaritCodec::kZarit.auxOutlets)},
    {"ZaritAuxFunctions", 2, 22, DECODES(ZaritCodec::DecodeAuxFunctions)},
    {"ZaritSelections", 3, 9, DECODES_WITH(ZaritCodec::DecodeSelections, ZaritCodec::kZarit)},
    {"ZaritUnitInfo", 4, 17, DECODES(ZaritCodec::DecodeUnitInfo)},
    {"ZaritOptions", 5, 7, DECODES(ZaritCodec::DecodeOptions)},
    {"ZaritCounters", 6, 11, DECODES(ZaritCodec::DecodeCounters)},
    {"ZaritAlarms", 7, 8, DECODES(ZaritCodec::DecodeAlarms)},
    {"ZaritDates", 8, 11, DECODES(ZaritCodec::DecodeDates)},
    // The owner needs the header alone.
    {"ZaritOwner", 10, 4, DECODES(ZaritCodec::DecodeOwner)},
    {"ZaritServiceStatus", 100, 6, DECODES(ZaritCodec::DecodeServiceStatus)},
    {"ZaritMemory1", 101, 15, DECODES_WITH(ZaritCodec::DecodeMemory, 0)},
    {"ZaritMemory4", 104, 15, DECODES_WITH(ZaritCodec::DecodeMemory, 0)},
    {"ZaritEStatus", 1, 24, DECODES_WITH(GeneratorRecords::DecodeStatus, ZaritCodec::kZaritE.auxOutlets)},
    {"ZaritEAuxFunctions", 2, 20, DECODES(ZaritECodec::DecodeAuxFunctions)},
    {"ZaritESelections", 3, 8, DECODES_WITH(ZaritCodec::DecodeSelections, ZaritCodec::kZaritE)},
    {"ZaritEUnitInfo", 4, 17, DECODES(ZaritECodec::DecodeUnitInfo)},
    {"ZaritEOptions", 5, 6, DECODES(ZaritECodec::DecodeOptions)},
    {"ZaritECounters", 6, 11, DECODES(ZaritECodec::DecodeCounters)},
    {"ZaritEAlarms", 7, 8, DECODES(ZaritECodec::DecodeAlarms)},
    {"ZaritEDates", 8, 11, DECODES(ZaritECodec::DecodeDates)},
    {"ZaritEOwner", 10, 4, DECODES(ZaritECodec::DecodeOwner)},
    {"ZaritEServiceStatus", 100, 6, DECODES(ZaritECodec::DecodeServiceStatus)},
};

class ShortRecord : public testing::TestWithParam<ShortCase> {};

TEST_P(ShortRecord, IgnoredUntilItReachesItsHighestByte)
{
    const ShortCase& c = GetParam();
    const TestRecord record(c.number, c.highestByte + 1);
    EXPECT_TRUE(c.decodes(record.View()));
    EXPECT_FALSE(c.decodes(record.View(c.highestByte)));
    // Cut inside the header, and after it.
    for (std::size_t count : {std::size_t(3), std::size_t(5)}) {
        if (count <= c.highestByte) {
            EXPECT_FALSE(c.decodes(record.View(count))) << count;
        }
    }
    EXPECT_FALSE(c.decodes(RecordView(nullptr, 0)));
}

// The length byte may claim more than arrived: what counts is what is there.
TEST_P(ShortRecord, ALengthByteClaimingMoreDoesNotLengthenIt)
{
    const ShortCase& c = GetParam();
    TestRecord record(c.number, c.highestByte + 1);
    record.Set(0, 40);
    EXPECT_FALSE(c.decodes(record.View(c.highestByte)));
}

INSTANTIATE_TEST_SUITE_P(Families, ShortRecord, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ShortCase>& info) { return info.param.name; });

// In service mode the voltages are read too, and where the family has it and
// the length byte counts past 11, the nominal voltage: a record that ends
// before them is ignored whole. Below service mode the voltages are not read,
// whatever the length byte promises.
TEST(ShortServiceRecord, InServiceModeNeedsTheVoltagesItShows)
{
    struct Case {
        std::string name;
        Decodes decodes;
        std::size_t lengthByte;
        int level;
        std::size_t arrived;  // the shortest part of it read whole
    };
    const Case cases[] = {
        {"Nuvek", DECODES(PowerPackRecords::DecodeServiceStatus), 11, 1, 11},
        {"Ribex", DECODES(PowerPackRecords::DecodeServiceStatus), 11, 1, 11},
        {"Nuvek and Ribex, with the nominal voltage", DECODES(PowerPackRecords::DecodeServiceStatus), 12, 1, 12},
        {"QuirelA1", DECODES(QuirelA1Codec::DecodeServiceStatus), 11, 2, 11},
        {"QuirelA1, with the nominal voltage", DECODES(QuirelA1Codec::DecodeServiceStatus), 12, 2, 12},
        {"QuirelA1 below service mode", DECODES(QuirelA1Codec::DecodeServiceStatus), 12, 0, 7},
        {"Tiko, with the nominal voltage", DECODES(TikoCodec::DecodeServiceStatus), 12, 1, 12},
        {"Tiko", DECODES(TikoCodec::DecodeServiceStatus), 11, 1, 11},
        {"Zarit, from level 2 on", DECODES(ZaritCodec::DecodeServiceStatus), 11, 3, 11},
        {"ZaritE, from level 2 on", DECODES(ZaritECodec::DecodeServiceStatus), 11, 2, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TestRecord record(100, c.lengthByte, {{6, c.level}});
        EXPECT_TRUE(c.decodes(record.View(c.arrived)));
        EXPECT_FALSE(c.decodes(record.View(c.arrived - 1)));
    }
}

// A memory decoder that reads the memory's number from the record ignores a
// record past the four memories.
TEST(ShortMemoryRecord, PastTheFourMemoriesIsIgnored)
{
    EXPECT_FALSE(ZaritCodec::DecodeMemory(TestRecord(105, 16), 0).has_value());
    EXPECT_FALSE(QuirelA1Codec::DecodeMemory(TestRecord(105, 16)).has_value());
}

#undef DECODES
#undef DECODES_WITH

}  // namespace
