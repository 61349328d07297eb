// The commands and selections that the Zarit and the ZaritE share, and the
// demo model's units of both, over both family rows.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DemoUnit.h"
#include "TestRecord.h"
#include "units/core/GeneratorRecords.h"
#include "units/core/ZaritCodec.h"
#include "units/core/ZaritECodec.h"

using namespace ZaritCodec;

namespace {

struct FamilyRow {
    const char* name;
    const Family* family;
};

const FamilyRow kZaritRow = {"Zarit", &kZarit};
const FamilyRow kZaritERow = {"ZaritE", &kZaritE};

}  // namespace

TEST(ZaritFamilyCommands, LayTheirDataExactly)
{
    struct Case {
        // Built by a constructor: in a table of aggregates, GCC 12 at -O3
        // takes the command's text for maybe uninitialized.
        Case(const FamilyRow* row, const char* what, Command command, std::function<void(CommandState&)> gather,
             std::vector<uint8_t> data)
            : row(row), what(what), command(std::move(command)), gather(std::move(gather)), data(std::move(data))
        {
        }
        const FamilyRow* row;
        const char* what;
        Command command;
        std::function<void(CommandState&)> gather;
        std::vector<uint8_t> data;
    };
    const std::vector<Case> cases = {
        {&kZaritRow,
         "aux 3 held down at 5 goes to 0, not 251",
         {1, 5, kAuxLight3, -10},
         [](CommandState& s) {
             s.auxOn = {false, false, true};
         },
         Bytes({0x00, 0x03, 0x09})},
        {&kZaritRow,
         "aux 2 stepped up, bars 1 and 3 on",
         {1, 60, kAuxLight2, 10},
         [](CommandState& s) {
             s.auxOn = {true, false, true};
         },
         Bytes({70, 0x02, 0x0B})},
        {&kZaritRow,
         "main light with every bar on",
         {1, 70, kMainLight},
         [](CommandState& s) {
             s.auxOn = {true, true, true};
         },
         Bytes({70, 0x00, 0x0F})},
        {&kZaritRow,
         "a single click up from 100 goes out, the unit limits it",
         {1, 100, kMainLight, 1},
         [](CommandState&) {},
         Bytes({101, 0x00, 0x01})},
        {&kZaritRow, "record request", {2, 105}, [](CommandState&) {}, Bytes({0x00, 0x69})},
        {&kZaritRow, "modelling light", {3, 0x47}, [](CommandState&) {}, Bytes({0x47})},
        {&kZaritRow, "flash control", {4, 0x81}, [](CommandState&) {}, Bytes({0x81})},
        {&kZaritRow, "sequence", {5, 12}, [](CommandState&) {}, Bytes({12})},
        {&kZaritRow, "T0.1 step", {6, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritRow, "interval", {7, 300}, [](CommandState&) {}, Bytes({0x01, 0x2C})},
        {&kZaritRow, "delay", {8, 5000}, [](CommandState&) {}, Bytes({0x13, 0x88})},
        {&kZaritRow, "speed", {9, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritRow, "alternation of 3 packs, place 2", {10, 770}, [](CommandState&) {}, Bytes({0x03, 0x02})},
        {&kZaritRow,
         "selections: memory page, infos, number of packs",
         {11, 0},
         [](CommandState& s) {
             s.selections = {1, 2, 6, 3, {5, 7, 20}};
         },
         Bytes({0x35, 0x03, 0x05, 0x07, 0x14})},
        {&kZaritRow,
         "selections: lamp page, aux page, sequence",
         {11, 0},
         [](CommandState& s) {
             s.selections.lamps = {1, 2, 0};
         },
         Bytes({0x00, 0x00, 0x01, 0x02, 0x00})},
        {&kZaritRow, "store", {12, 3}, [](CommandState&) {}, Bytes({0x03})},
        {&kZaritRow, "recall", {13, 2}, [](CommandState&) {}, Bytes({0x02})},
        {&kZaritRow, "store flag", {16, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritRow,
         "options: power display, slow, sensitivity",
         {17, 0},
         [](CommandState& s) {
             s.powerDisplayMode = 1;
             s.slow = s.sensitivity = true;
         },
         Bytes({0x23})},
        {&kZaritRow,
         "options: reduced, speed display, readiness",
         {17, 0},
         [](CommandState& s) { s.reduced = s.speedDisplay = s.readiness = true; },
         Bytes({0x1C})},
        {&kZaritRow, "options: none", {17, 0}, [](CommandState&) {}, Bytes({0x00})},
        {&kZaritRow,
         "buzzer volume 3, mode 1, brightness 2",
         {19, 0},
         [](CommandState& s) {
             s.buzzerVolume = 3;
             s.buzzerMode = 1;
             s.brightness = 2;
         },
         Bytes({75})},
        {&kZaritRow, "brightness 3 alone", {19, 0}, [](CommandState& s) { s.brightness = 3; }, Bytes({96})},
        {&kZaritRow, "colour takes the suggestion", {20, 2}, [](CommandState&) {}, Bytes({0x02})},
        {&kZaritRow, "delivery date", {21, 12 * 256 + 3}, [](CommandState&) {}, Bytes({0x0C, 0x03})},
        {&kZaritRow,
         "owner of five characters",
         {22, 0, 0, 0, "Nordl"},
         [](CommandState&) {},
         Bytes({'N', 'o', 'r', 'd', 'l', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {&kZaritRow,
         "owner cut after 20 characters",
         {22, 0, 0, 0, "Studio Nord Hamburg West"},
         [](CommandState&) {},
         Bytes({'S', 't', 'u', 'd', 'i', 'o', ' ', 'N', 'o', 'r', 'd', ' ', 'H', 'a', 'm', 'b', 'u', 'r', 'g', ' '})},
        {&kZaritRow, "service date", {23, 0x3205}, [](CommandState&) {}, Bytes({0x32, 0x05})},
        {&kZaritRow,
         "serial of five digits",
         {25, 0, 0, 0, "12345"},
         [](CommandState&) {},
         Bytes({'1', '2', '3', '4', '5', 0, 0, 0})},
        {&kZaritRow,
         "serial of ten characters sends its first eight",
         {25, 0, 0, 0, "AB12345678"},
         [](CommandState&) {},
         Bytes({'A', 'B', '1', '2', '3', '4', '5', '6'})},
        {&kZaritRow, "factory date", {26, 0x0B0C}, [](CommandState&) {}, Bytes({0x0B, 0x0C})},
        {&kZaritRow, "strobe", {29, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritRow, "user", {30, 0}, [](CommandState&) {}, Bytes({0x00})},
        {&kZaritRow, "initial request", {14, 0}, [](CommandState&) {}, {}},
        {&kZaritRow, "aux reset", {15, 0}, [](CommandState&) {}, {}},
        {&kZaritRow, "reset", {18, 0}, [](CommandState&) {}, {}},
        {&kZaritRow, "reset total", {24, 0}, [](CommandState&) {}, {}},
        {&kZaritRow, "power off", {27, 0}, [](CommandState&) {}, {}},
        {&kZaritRow, "power on", {28, 0}, [](CommandState&) {}, {}},
        {&kZaritRow, "test flash", {102, 0}, [](CommandState&) {}, {}},
        {&kZaritERow,
         "aux 2 stepped up, only bar 2 on",
         {1, 40, kAuxLight2, 10},
         [](CommandState& s) {
             s.auxOn = {false, true};
         },
         Bytes({0x32, 0x02, 0x05})},
        {&kZaritERow,
         "main light, both bars on",
         {1, 70, kMainLight},
         [](CommandState& s) {
             s.auxOn = {true, true};
         },
         Bytes({70, 0x00, 0x07})},
        {&kZaritERow,
         "aux 2 held down at 5 goes to 0, not 251",
         {1, 5, kAuxLight2, -10},
         [](CommandState&) {},
         Bytes({0x00, 0x02, 0x01})},
        {&kZaritERow,
         "aux 1, a single click down",
         {1, 60, kAuxLight1, -1},
         [](CommandState& s) {
             s.auxOn = {true, false};
         },
         Bytes({59, 0x01, 0x03})},
        {&kZaritERow,
         "selections: infos page, T0.1 field; no lamp notebook page, no memory",
         {11, 0},
         [](CommandState& s) {
             s.selections = {1, 2, 1, 3, {3, 4, 9}};
         },
         Bytes({0x0C, 0x00, 0x03, 0x04, 0x00})},
        {&kZaritERow,
         "selections: aux page, sequence",
         {11, 0},
         [](CommandState& s) {
             s.selections.lamps = {20, 0, 0};
         },
         Bytes({0x00, 0x00, 0x14, 0x00, 0x00})},
        {&kZaritERow, "options: slow", {17, 0}, [](CommandState& s) { s.slow = true; }, Bytes({0x02})},
        {&kZaritERow, "options: not slow", {17, 0}, [](CommandState&) {}, Bytes({0x00})},
        {&kZaritERow,
         "buzzer box checked: volume 2",
         {19, 0},
         [](CommandState& s) { s.buzzerVolume = 2; },
         Bytes({0x02})},
        {&kZaritERow, "buzzer volume unchecked", {19, 0}, [](CommandState&) {}, Bytes({0x00})},
        {&kZaritERow,
         "owner of five characters",
         {22, 0, 0, 0, "Nordl"},
         [](CommandState&) {},
         Bytes({'N', 'o', 'r', 'd', 'l', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {&kZaritERow,
         "serial of ten characters sends its first eight",
         {25, 0, 0, 0, "AB12345678"},
         [](CommandState&) {},
         Bytes({'A', 'B', '1', '2', '3', '4', '5', '6'})},
        {&kZaritERow, "record request", {2, 4}, [](CommandState&) {}, Bytes({0x00, 0x04})},
        {&kZaritERow, "modelling light", {3, 0x81}, [](CommandState&) {}, Bytes({0x81})},
        {&kZaritERow, "flash control", {4, 0x21}, [](CommandState&) {}, Bytes({0x21})},
        {&kZaritERow, "sequence", {5, 7}, [](CommandState&) {}, Bytes({7})},
        {&kZaritERow, "T0.1 step", {6, 0}, [](CommandState&) {}, Bytes({0x00})},
        {&kZaritERow, "delivery date", {21, 12 * 256 + 3}, [](CommandState&) {}, Bytes({0x0C, 0x03})},
        {&kZaritERow, "service date", {23, 0x3205}, [](CommandState&) {}, Bytes({0x32, 0x05})},
        {&kZaritERow, "factory date", {26, 0x0B0C}, [](CommandState&) {}, Bytes({0x0B, 0x0C})},
        {&kZaritERow, "interval, which no control sends", {7, 300}, [](CommandState&) {}, Bytes({0x01, 0x2C})},
        {&kZaritERow, "delay, which no control sends", {8, 150}, [](CommandState&) {}, Bytes({0x00, 0x96})},
        {&kZaritERow, "speed, which no control sends", {9, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritERow, "alternation, which no control sends", {10, 770}, [](CommandState&) {}, Bytes({0x03, 0x02})},
        {&kZaritERow, "store, which no control sends", {12, 3}, [](CommandState&) {}, Bytes({0x03})},
        {&kZaritERow, "recall, which no control sends", {13, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritERow, "store flag, which no control sends", {16, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritERow, "second step, which no control sends", {20, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritERow, "strobe, which no control sends", {29, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritERow, "user, which no control sends", {30, 1}, [](CommandState&) {}, Bytes({0x01})},
        {&kZaritERow, "initial request", {14, 0}, [](CommandState&) {}, {}},
        {&kZaritERow, "aux reset", {15, 0}, [](CommandState&) {}, {}},
        {&kZaritERow, "reset", {18, 0}, [](CommandState&) {}, {}},
        {&kZaritERow, "reset total", {24, 0}, [](CommandState&) {}, {}},
        {&kZaritERow, "power off", {27, 0}, [](CommandState&) {}, {}},
        {&kZaritERow, "power on", {28, 0}, [](CommandState&) {}, {}},
        {&kZaritERow, "test flash", {102, 0}, [](CommandState&) {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row->name << ": " << c.what);
        CommandState state;
        c.gather(state);
        const std::optional<CommandBytes> data = BuildCommand(*c.row->family, c.command, state);
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->Bytes(), c.data);
    }
}

TEST(ZaritFamilyCommands, OtherCodesGoOutWithoutDataButCommandOneNeedsALight)
{
    struct Case {
        const FamilyRow* row;
        int32_t firstPastTheLights;
    };
    const Case cases[] = {{&kZaritRow, 4}, {&kZaritERow, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row->name);
        for (int16_t code : {0, 31, 100, 101, 103}) {
            SCOPED_TRACE(code);
            const std::optional<CommandBytes> data = BuildCommand(*c.row->family, {code, 7}, CommandState());
            ASSERT_TRUE(data.has_value());
            EXPECT_EQ(data->Size(), 0u);
        }
        EXPECT_FALSE(BuildCommand(*c.row->family, {1, 0, c.firstPastTheLights}, CommandState()).has_value());
        EXPECT_FALSE(BuildCommand(*c.row->family, {1, 0, -1}, CommandState()).has_value());
    }
}

TEST(ZaritFamilyRecords, SelectionsBringOutOfRangeValuesInAndKeepALampRoleForEachOutlet)
{
    struct Case {
        const FamilyRow* row;
        TestRecord record;
        Selections selections;
    };
    const Case cases[] = {
        {&kZaritRow, TestRecord(3, 10, {{5, 0x37}, {6, 0x07}, {7, 20}, {8, 21}, {9, 255}}), {1, 2, 6, 3, {20, 0, 0}}},
        // The options notebook and two lamp roles are what the ZaritE page uses.
        {&kZaritERow, TestRecord(3, 10, {{5, 0x0E}, {6, 2}, {7, 25}, {8, 4}, {9, 7}}), {0, 2, 1, 2, {0, 4, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row->name);
        const std::optional<Selections> selections = DecodeSelections(c.record, *c.row->family);
        ASSERT_TRUE(selections.has_value());
        EXPECT_EQ(*selections, c.selections);
    }
}

// The demo model's unit of each family answers every record request with a
// record that the family's decoders read.
TEST(ZaritFamilyDemoUnit, EveryRecordItSendsDecodes)
{
    using Decodes = std::function<bool(const RecordView&)>;
    struct Case {
        const FamilyRow* row;
        uint8_t address;
        uint16_t energyClass;
        // The records that each family decodes its own way.
        Decodes status;
        Decodes auxFunctions;
        std::function<std::optional<UnitInfo>(const RecordView&)> unitInfo;
        Decodes options;
        const char* model;
        // Counter and total counter, where the model's are checked.
        std::optional<std::pair<std::string, std::string>> counters;
        const char* owner;
        int memories;
    };
    const Case cases[] = {
        {&kZaritRow, 100, 0,
         [](const RecordView& r) { return GeneratorRecords::DecodeStatus(r, kZarit.auxOutlets).has_value(); },
         [](const RecordView& r) { return ZaritCodec::DecodeAuxFunctions(r).has_value(); }, &ZaritCodec::DecodeUnitInfo,
         [](const RecordView& r) { return ZaritCodec::DecodeOptions(r).has_value(); }, "Zarit Z2S",
         std::make_pair(std::string("25"), std::string("1300")), "strahlkon", 4},
        {&kZaritERow, 101, 1,
         [](const RecordView& r) { return GeneratorRecords::DecodeStatus(r, kZaritE.auxOutlets).has_value(); },
         [](const RecordView& r) { return ZaritECodec::DecodeAuxFunctions(r).has_value(); },
         &ZaritECodec::DecodeUnitInfo, [](const RecordView& r) { return ZaritECodec::DecodeOptions(r).has_value(); },
         "Zarit 3200E", std::nullopt, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row->name);
        DemoUnit unit(c.address, c.energyClass);
        CommandState state;
        const auto ask = [&](int number) {
            const std::optional<std::vector<uint8_t>> record =
                unit.Send(2, *BuildCommand(*c.row->family, {2, number}, state));
            EXPECT_TRUE(record.has_value()) << number;
            return record.value_or(std::vector<uint8_t>());
        };
        EXPECT_TRUE(c.status(ViewOf(ask(1))));
        EXPECT_TRUE(c.auxFunctions(ViewOf(ask(2))));
        EXPECT_TRUE(DecodeSelections(ViewOf(ask(3)), *c.row->family).has_value());
        const std::optional<UnitInfo> info = c.unitInfo(ViewOf(ask(4)));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->model, c.model);
        EXPECT_EQ(info->serial, "C123456");
        EXPECT_TRUE(c.options(ViewOf(ask(5))));
        const std::optional<Counters> counters = DecodeCounters(ViewOf(ask(6)));
        ASSERT_TRUE(counters.has_value());
        if (c.counters) {
            EXPECT_EQ(counters->counter, c.counters->first);
            EXPECT_EQ(counters->totalCounter, c.counters->second);
        }
        EXPECT_TRUE(DecodeAlarms(ViewOf(ask(7))).has_value());
        EXPECT_TRUE(DecodeDates(ViewOf(ask(8))).has_value());
        EXPECT_EQ(DecodeOwner(ViewOf(ask(10))).value().text, c.owner);
        EXPECT_TRUE(DecodeServiceStatus(ViewOf(ask(100))).has_value());
        for (int number = 101; number < 101 + c.memories; ++number) {
            const std::optional<Memory> memory = DecodeMemory(ViewOf(ask(number)), 0);
            ASSERT_TRUE(memory.has_value()) << number;
            EXPECT_EQ(memory->index, number - 101);
        }
    }
}
