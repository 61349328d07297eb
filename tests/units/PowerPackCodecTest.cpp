// The Nuvek and Ribex codec over both family rows.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "TestRecord.h"
#include "units/core/PowerPackCodec.h"
#include "units/core/SpinStepper.h"

namespace {

using PowerPackCodec::AuxOutlet;
using PowerPackCodec::CommandState;
using PowerPackCodec::Family;

struct FamilyRow {
    const char* name;
    const Family* family;
};

const FamilyRow kNuvek = {"Nuvek", &PowerPackCodec::kNuvek};
const FamilyRow kRibex = {"Ribex", &PowerPackCodec::kRibex};
const FamilyRow* const kFamilies[] = {&kNuvek, &kRibex};

std::optional<CommandBytes> Build(const FamilyRow& row, const Command& command, const CommandState& state)
{
    return PowerPackCodec::BuildCommand(*row.family, command, state);
}

// A command of code as the page hands it: the value 0x01020304, which shows
// which of its bytes each layout takes, the owner "Studio 4", and a light
// (the Nuvek's main light, the Ribex's aux 2), whose value command 1 carries
// instead (the Nuvek's main light at 60, the Ribex's aux 2 at 50).
Command PageCommand(const FamilyRow& row, int16_t code)
{
    const bool nuvek = &row == &kNuvek;
    return {code, code == 1 ? (nuvek ? 60 : 50) : 0x01020304, nuvek ? 0 : 2, 0, "Studio 4"};
}

// The pages as the builder finds them, memory page and information page
// shown, memory 3, lamp roles 5, 7 and 9. The Nuvek's: aux 1 on, aux 2 off,
// buzzer and energy range ticked. The Ribex's: both aux bars on, fast
// recycling and ready ticked.
CommandState PageState(const FamilyRow& row)
{
    CommandState state;
    state.selections.lampMemoryPage = 1;
    state.selections.optionsPage = 2;
    state.selections.memory = 2;
    state.selections.lamps = {5, 7, 9};
    if (&row == &kNuvek) {
        state.auxOn = {true, false};
        state.buzzer = true;
        state.energyRange = true;
    } else {
        state.auxOn = {true, true};
        state.recycling = true;
        state.ready = true;
    }
    return state;
}

TEST(PowerPackCommands, LayEveryCodeWithItsExactDataCount)
{
    struct Case {
        int16_t code;
        std::vector<uint8_t> nuvek;
        std::vector<uint8_t> ribex;
    };
    const std::vector<uint8_t> owner = Bytes({'S', 't', 'u', 'd', 'i', 'o', ' ', '4', 0, 0, 0, 0, 0, 0});
    const Case cases[] = {
        {0, {}, {}},
        {1, Bytes({60, 0, 0x03}), Bytes({0x32, 0x02, 0x07})},
        {2, Bytes({0x00, 0x04}), Bytes({0x00, 0x04})},
        {3, Bytes({0x04}), Bytes({0x04})},
        {4, Bytes({0x04}), Bytes({0x04})},
        {5, Bytes({0x04}), Bytes({0x04})},
        {6, Bytes({0x04}), Bytes({0x04})},
        {7, Bytes({0x03, 0x04}), Bytes({0x03, 0x04})},
        {8, Bytes({0x03, 0x04}), Bytes({0x03, 0x04})},
        {9, Bytes({0x04}), Bytes({0x04})},
        {10, Bytes({0x04}), Bytes({0x04})},
        {11, Bytes({0x05, 0x02, 0x05, 0x07, 0x00}), Bytes({0x05, 0x02, 0x05, 0x07, 0x09})},
        {12, Bytes({0x04}), Bytes({0x04})},
        {13, Bytes({0x04}), Bytes({0x04})},
        {14, {}, {}},
        {15, {}, {}},
        {16, Bytes({0x04}), Bytes({0x04})},
        {17, Bytes({0x09}), Bytes({0x12})},
        {18, {}, {}},
        {19, Bytes({0x04}), Bytes({0x04})},
        {20, Bytes({0x04}), Bytes({0x04})},
        {21, Bytes({0x03, 0x04}), Bytes({0x03, 0x04})},
        {22, owner, owner},
        {23, Bytes({0x03, 0x04}), Bytes({0x03, 0x04})},
        {24, {}, {}},
        {25, Bytes({0x01, 0x02, 0x03, 0x04}), Bytes({0x01, 0x02, 0x03, 0x04})},
        {26, Bytes({0x03, 0x04}), Bytes({0x03, 0x04})},
        {27, {}, {}},
        {28, {}, {}},
        {29, {}, {}},
        {30, {}, {}},
        {102, {}, {}},
        {103, {}, {}},
        {200, {}, {}},
        {-1, {}, {}},
        {-7, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        for (const FamilyRow* row : kFamilies) {
            SCOPED_TRACE(row->name);
            const auto data = Build(*row, PageCommand(*row, c.code), PageState(*row));
            ASSERT_TRUE(data.has_value());
            EXPECT_EQ(data->Bytes(), row == &kNuvek ? c.nuvek : c.ribex);
        }
    }
}

TEST(PowerPackCommands, LightCommandLaysSteppedEnergyOutletAndOutletsOn)
{
    struct Case {
        const FamilyRow* row;
        std::string name;
        int outlet, value, step;
        std::array<bool, 2> auxOn;
        std::vector<uint8_t> data;
    };
    const Case cases[] = {
        {&kNuvek, "main light, no step", 0, 60, 0, {false, false}, Bytes({60, 0, 0x01})},
        {&kNuvek, "aux 2 at 50, both on", 2, 50, 0, {true, true}, Bytes({0x32, 0x02, 0x07})},
        {&kNuvek, "aux 1 only on", 1, 40, 0, {true, false}, Bytes({40, 1, 0x03})},
        {&kNuvek, "whole stop up beyond 100", 0, 95, 10, {false, true}, Bytes({105, 0, 0x05})},
        {&kNuvek, "tenth up at 100", 1, 100, 1, {false, false}, Bytes({101, 1, 0x01})},
        {&kNuvek, "tenth down at 0 stays 0", 2, 0, -1, {false, false}, Bytes({0, 2, 0x01})},
        {&kNuvek, "whole stop down at 5 stays 0", 0, 5, -10, {false, false}, Bytes({0, 0, 0x01})},
        {&kRibex, "main light a tenth down", 0, 33, -1, {false, true}, Bytes({32, 0, 0x05})},
        {&kRibex, "tenth down at 0 stays 0", 1, 0, -1, {false, true}, Bytes({0, 1, 0x05})},
        {&kRibex, "tenth up at 100", 1, 100, 1, {false, true}, Bytes({101, 1, 0x05})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row->name << ": " << c.name);
        CommandState state;
        state.auxOn = c.auxOn;
        EXPECT_EQ(Build(*c.row, {1, c.value, c.outlet, c.step}, state)->Bytes(), c.data);
    }
}

TEST(PowerPackCommands, OptionsPackTheBoxesTheFamilyHas)
{
    struct Case {
        const FamilyRow* row;
        bool buzzer, recycling, reduced, energyRange, ready, cell;
        int byte;
    };
    const Case cases[] = {
        {&kNuvek, false, false, false, false, false, false, 0x00},
        {&kNuvek, true, false, false, false, false, false, 0x01},
        {&kNuvek, false, true, false, false, false, false, 0x02},
        {&kNuvek, false, false, true, false, false, false, 0x04},
        {&kNuvek, false, false, false, true, false, false, 0x08},
        {&kNuvek, true, true, true, true, false, false, 0x0F},
        {&kRibex, false, false, false, false, false, false, 0x00},
        {&kRibex, true, false, false, false, false, false, 0x01},
        {&kRibex, false, true, false, false, false, false, 0x02},
        {&kRibex, false, false, true, false, false, false, 0x04},
        {&kRibex, false, false, false, false, true, false, 0x10},
        {&kRibex, false, false, false, false, false, true, 0x20},
        {&kRibex, true, true, true, false, true, true, 0x37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row->name << " " << c.byte);
        CommandState state;
        state.buzzer = c.buzzer;
        state.recycling = c.recycling;
        state.reduced = c.reduced;
        state.energyRange = c.energyRange;
        state.ready = c.ready;
        state.cell = c.cell;
        EXPECT_EQ(Build(*c.row, {17, 0}, state)->Bytes(), Bytes({c.byte}));
    }
}

TEST(PowerPackCommands, SelectionsBeforeTheFirstRecordCarryNoValueRoles)
{
    struct Case {
        const FamilyRow* row;
        std::vector<uint8_t> data;
    };
    const Case cases[] = {
        {&kNuvek, Bytes({0, 0, 0xFF, 0xFF, 0})},
        {&kRibex, Bytes({0, 0, 0xFF, 0xFF, 0xFF})},
    };
    for (const Case& c : cases) {
        CommandState state;
        state.selections.lamps = {255, 255, 255};
        EXPECT_EQ(Build(*c.row, {11, 0}, state)->Bytes(), c.data) << c.row->name;
    }
}

TEST(PowerPackCommands, OwnerIsCutOrPaddedToFourteenBytes)
{
    for (const FamilyRow* row : kFamilies) {
        SCOPED_TRACE(row->name);
        CommandState state;
        EXPECT_EQ(Build(*row, {22, 0}, state)->Bytes(), std::vector<uint8_t>(14, 0));
        EXPECT_EQ(Build(*row, {22, 0, 0, 0, "Studio Nord-Ost Berlin"}, state)->Bytes(),
                  Bytes({'S', 't', 'u', 'd', 'i', 'o', ' ', 'N', 'o', 'r', 'd', '-', 'O', 's'}));
    }
}

TEST(PowerPackCommands, NumbersKeepTheirBits)
{
    for (const FamilyRow* row : kFamilies) {
        SCOPED_TRACE(row->name);
        const CommandState state;
        EXPECT_EQ(Build(*row, {2, 0x165}, state)->Bytes(), Bytes({0x00, 0x65}));
        EXPECT_EQ(Build(*row, {25, 123456}, state)->Bytes(), Bytes({0x00, 0x01, 0xE2, 0x40}));
        // A serial above 2^31 that the information page hands on as a negative value.
        EXPECT_EQ(Build(*row, {25, -1}, state)->Bytes(), Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
        EXPECT_EQ(Build(*row, {21, 0x0C03}, state)->Bytes(), Bytes({0x0C, 0x03}));
    }
}

// What a spin button of the page sends: the stepper's steps laid by the
// builder for the light at value.
std::vector<std::vector<uint8_t>> SpinSends(const FamilyRow& row, bool up, int value, int lineEvents)
{
    SpinStepper stepper;
    const CommandState state;
    std::vector<std::vector<uint8_t>> sent;
    for (int i = 0; i < lineEvents; ++i)
        if (const auto step = stepper.Line(up, value, 33))
            sent.push_back(Build(row, {1, value, 1, *step}, state)->Bytes());
    if (const auto step = stepper.Release(true, value))
        sent.push_back(Build(row, {1, value, 1, *step}, state)->Bytes());
    return sent;
}

TEST(PowerPackCommands, SpinClicksAndHeldSpinsLayTheirSteps)
{
    using Sends = std::vector<std::vector<uint8_t>>;
    for (const FamilyRow* row : kFamilies) {
        SCOPED_TRACE(row->name);
        EXPECT_EQ(SpinSends(*row, true, 100, 1), (Sends{Bytes({101, 1, 1})}));
        EXPECT_EQ(SpinSends(*row, false, 33, 1), (Sends{Bytes({32, 1, 1})}));
        EXPECT_EQ(SpinSends(*row, false, 0, 1), (Sends{Bytes({0, 1, 1})}));
        EXPECT_EQ(SpinSends(*row, false, 33, 7), Sends{});
        EXPECT_EQ(SpinSends(*row, false, 34, 2), (Sends{Bytes({24, 1, 1})}));
        EXPECT_EQ(SpinSends(*row, true, 95, 7), (Sends{Bytes({105, 1, 1}), Bytes({105, 1, 1})}));
    }
}

TEST(PowerPackRecords, StatusGivesBarsPowerAndModellingLightByTheFamilysBits)
{
    struct StateCase {
        int states;
        bool mainShown, power, on1, available1, on2, available2, on3, available3;
    };
    struct Case {
        const FamilyRow* row;
        int mainValue, modeByte, mode, warnings;
        std::array<bool, 2> warning;
        std::vector<StateCase> states;
    };
    const Case cases[] = {
        {&kNuvek,
         55,
         0xFB,
         3,
         0x02,
         {false, true},
         {
             {0x00, false, false, false, false, false, false, false, false},
             {0x01, false, true, false, false, false, false, false, false},
             {0x0C, true, false, true, true, false, false, false, false},
             {0x10, false, false, false, false, true, false, false, false},
             {0x40, false, false, false, false, true, false, false, false},
             {0x20, true, false, false, false, false, true, false, false},
             {0x80, false, false, false, false, false, true, false, false},
             {0xFF, true, true, true, true, true, true, false, false},
         }},
        {&kRibex,
         100,
         0x08,
         0,
         0x01,
         {true, false},
         {
             {0x00, false, false, false, false, false, false, false, false},
             {0x01, false, true, false, false, false, false, false, false},
             {0x04, false, false, true, false, false, false, false, false},
             {0x08, true, false, false, true, false, false, false, false},
             {0x10, false, false, false, false, true, false, false, false},
             {0x20, true, false, false, false, false, true, false, false},
             {0x40, false, false, false, false, false, false, true, false},
             {0x80, false, false, false, false, false, false, false, true},
             {0xFF, true, true, true, true, true, true, true, true},
         }},
    };
    for (const Case& c : cases) {
        for (const StateCase& s : c.states) {
            SCOPED_TRACE(testing::Message() << c.row->name << " " << s.states);
            const TestRecord record(1, 25,
                                    {{5, c.mainValue},
                                     {9, 40},
                                     {10, 25},
                                     {11, 0x01},
                                     {12, 0x90},
                                     {13, 70},
                                     {14, 80},
                                     {15, 0x04},
                                     {16, 0xB0},
                                     {21, s.states},
                                     {22, c.modeByte},
                                     {24, c.warnings}});
            const auto status = PowerPackCodec::DecodeStatus(record, *c.row->family);
            ASSERT_TRUE(status.has_value());
            EXPECT_EQ(status->mainValue, c.mainValue);
            EXPECT_EQ(status->mainShown, s.mainShown);
            EXPECT_EQ(status->power, s.power);
            EXPECT_EQ(status->aux[0], (AuxOutlet{s.on1, s.available1, 40, c.warning[0], 25, 400}));
            EXPECT_EQ(status->aux[1], (AuxOutlet{s.on2, s.available2, 70, c.warning[1], 80, 1200}));
            EXPECT_EQ(status->outlet3On, s.on3);
            EXPECT_EQ(status->outlet3Available, s.available3);
            EXPECT_EQ(status->modellingLightMode, c.mode);
        }
    }
}

TEST(PowerPackRecords, AuxFunctionsGiveSequenceAndTheNuveksEnergyRange)
{
    struct Case {
        const FamilyRow* row;
        TestRecord record;
        int sequence;
        bool energyRange;
    };
    const Case cases[] = {
        {&kNuvek, TestRecord(2, 7, {{5, 12}}), 12, false},
        {&kNuvek, TestRecord(2, 7, {{6, 2}}), 0, true},
        {&kRibex, TestRecord(2, 6, {{5, 9}}), 9, false},
        {&kRibex, TestRecord(2, 7, {{6, 2}}), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row->name);
        const auto functions = PowerPackCodec::DecodeAuxFunctions(c.record, *c.row->family);
        ASSERT_TRUE(functions.has_value());
        EXPECT_EQ(functions->sequence, c.sequence);
        EXPECT_EQ(functions->energyRange, c.energyRange);
    }
}

TEST(PowerPackRecords, SelectionsKeepTheFamilysLampRolesAndPackLikeTheirCommand)
{
    struct Case {
        const FamilyRow* row;
        int tabs, memory, lamp1, lamp2, lamp3;
        Selections expected;
    };
    const Case cases[] = {
        {&kNuvek, 0x06, 0x00, 1, 2, 4, {0, 2, 0, 0, {1, 2, 0}}},
        {&kNuvek, 0x1B, 0x06, 20, 21, 4, {1, 1, 3, 2, {20, 0, 0}}},
        {&kNuvek, 0x05, 0xFF, 0, 255, 4, {1, 2, 0, 3, {0, 0, 0}}},
        {&kRibex, 0x07, 0x01, 21, 20, 4, {1, 2, 0, 1, {0, 20, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row->name << " " << c.tabs);
        const Family& family = *c.row->family;
        const auto selections = PowerPackCodec::DecodeSelections(
            TestRecord(3, 10, {{5, c.tabs}, {6, c.memory}, {7, c.lamp1}, {8, c.lamp2}, {9, c.lamp3}}), family);
        ASSERT_TRUE(selections.has_value());
        EXPECT_EQ(*selections, c.expected);
        CommandState state;
        state.selections = *selections;
        TestRecord echo(3, 7 + family.lampsUsed);
        echo.Set(5, Build(*c.row, {11, 0}, state)->Bytes()[0]).Set(6, c.memory & 3);
        for (int i = 0; i < family.lampsUsed; ++i)
            echo.Set(7 + i, selections->lamps[i]);
        EXPECT_EQ(PowerPackCodec::DecodeSelections(echo, family), selections);
    }
}

TEST(PowerPackRecords, UnitInfoGivesModelSymmetryLockAndUnsignedSerial)
{
    struct Case {
        const FamilyRow* row;
        int major, minor, model, lock;
        std::array<int, 4> serial;
        std::string version, name, symmetry;
        bool locked;
        std::string serialText;
    };
    const Case cases[] = {
        {&kNuvek, 2, 7, 0x00, 0, {0, 0, 0x04, 0xD2}, "2.07", "Nuvek N2", "sym", false, "1234"},
        {&kNuvek, 2, 7, 0x01, 0, {0, 1, 0, 0}, "2.07", "Nuvek N4", "sym", false, "65536"},
        {&kNuvek, 2, 7, 0x42, 0, {0x80, 0, 0, 0}, "2.07", "Nuvek N8", "asym", false, "2147483648"},
        {&kNuvek, 2, 7, 0x43, 0, {0xFF, 0xFF, 0xFF, 0xFF}, "2.07", "Nuvek N8 E", "asym", false, "4294967295"},
        // The Nuvek's power button has no lock.
        {&kNuvek, 2, 7, 0x00, 1, {0, 0, 0x04, 0xD2}, "2.07", "Nuvek N2", "sym", false, "1234"},
        {&kRibex, 3, 12, 0x00, 0, {0, 0, 0x30, 0x39}, "3.12", "Ribex R2", "", false, "12345"},
        {&kRibex, 3, 12, 0x01, 1, {0, 1, 0, 0}, "3.12", "Ribex R4", "", true, "65536"},
        {&kRibex, 3, 12, 0xFE, 0x80, {0x80, 0, 0, 1}, "3.12", "Ribex R8", "", true, "2147483649"},
        {&kRibex, 3, 12, 0x03, 0, {0xFF, 0xFF, 0xFF, 0xFE}, "3.12", "Ribex R8 E", "", false, "4294967294"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto info = PowerPackCodec::DecodeUnitInfo(TestRecord(4, 13,
                                                                    {{5, c.major},
                                                                     {6, c.minor},
                                                                     {7, c.model},
                                                                     {8, c.lock},
                                                                     {9, c.serial[0]},
                                                                     {10, c.serial[1]},
                                                                     {11, c.serial[2]},
                                                                     {12, c.serial[3]}}),
                                                         *c.row->family);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->version, c.version);
        EXPECT_EQ(info->versionMinor, c.minor);
        EXPECT_EQ(info->powerLocked, c.locked);
        EXPECT_EQ(info->model, c.name);
        EXPECT_EQ(info->voltage, "100...230 V");
        // The power packs report no supply: the information page keeps its text.
        EXPECT_FALSE(info->supplyTextId.has_value());
        EXPECT_EQ(info->symmetry, c.symmetry);
        EXPECT_EQ(info->serial, c.serialText);
    }
}

TEST(PowerPackRecords, OptionsGiveEachBitItsBox)
{
    struct Case {
        const FamilyRow* row;
        int bits, more;
        bool lamp, ir, cell, rf, buzzer, recycling, reduced, ready, cellOption;
    };
    const Case cases[] = {
        {&kNuvek, 0x01, 0, true, false, false, false, false, false, false, false, false},
        {&kNuvek, 0x02, 0, false, true, false, false, false, false, false, false, false},
        {&kNuvek, 0x04, 0, false, false, true, false, false, false, false, false, false},
        {&kNuvek, 0x08, 0, false, false, false, false, true, false, false, false, false},
        {&kNuvek, 0x10, 0, false, false, false, false, false, true, false, false, false},
        {&kNuvek, 0x20, 0, false, false, false, false, false, false, true, false, false},
        {&kNuvek, 0x40, 0, false, false, false, false, false, false, false, false, false},
        {&kNuvek, 0x80, 0, false, false, false, true, false, false, false, false, false},
        {&kRibex, 0x01, 0, true, false, false, false, false, false, false, false, false},
        {&kRibex, 0x02, 0, false, true, false, false, false, false, false, false, false},
        {&kRibex, 0x04, 0, false, false, true, false, false, false, false, false, false},
        {&kRibex, 0x08, 0, false, false, false, false, true, false, false, false, false},
        {&kRibex, 0x10, 0, false, false, false, false, false, true, false, false, false},
        {&kRibex, 0x20, 0, false, false, false, false, false, false, true, false, false},
        {&kRibex, 0x80, 0, false, false, false, true, false, false, false, false, false},
        {&kRibex, 0x40, 0x01, false, false, false, false, false, false, false, true, false},
        {&kRibex, 0x00, 0x02, false, false, false, false, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row->name << " " << c.bits << "/" << c.more);
        const Family& family = *c.row->family;
        const std::size_t size = family.readyAndCell ? 10 : 6;
        const auto options = PowerPackCodec::DecodeOptions(TestRecord(5, size, {{5, c.bits}, {9, c.more}}), family);
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(options->modellingLightOn, c.lamp);
        EXPECT_EQ(options->ir, c.ir);
        EXPECT_EQ(options->cell, c.cell);
        EXPECT_EQ(options->rf, c.rf);
        EXPECT_EQ(options->buzzer, c.buzzer);
        EXPECT_EQ(options->recycling, c.recycling);
        EXPECT_EQ(options->reduced, c.reduced);
        EXPECT_EQ(options->ready, c.ready);
        EXPECT_EQ(options->cellOption, c.cellOption);
    }
}

TEST(PowerPackRecords, MemoryLinesStartWithTheDistributionWhereTheFamilyHasIt)
{
    struct Case {
        const FamilyRow* row;
        std::string what;
        TestRecord record;
        int index;
        std::array<std::pair<std::string, std::string>, 4> lines;
    };
    const Case cases[] = {
        // Sequence 5, alternate 2, delay 1.50 s, interval 0.25 s, preset 3,
        // asymmetric: the distribution and at most four lines.
        {&kNuvek,
         "all entries",
         TestRecord(103, 16, {{5, 0xB2}, {6, 0x40}, {8, 0x85}, {10, 150}, {12, 25}, {14, 3}, {15, 0x5A}}),
         2,
         {{{"{2203}", "asym"}, {"{2017}", "5"}, {"{2022}", "0.25s"}, {"{2023}", "1.50s"}}}},
        {&kNuvek,
         "places without entries stay empty",
         TestRecord(101, 16, {{8, 0xC0}, {14, 12}}),
         0,
         {{{"{2203}", "sym"}, {"{2239}", "3"}, {"{2099}", "{2100}12"}, {"", ""}}}},
        // Alternate 1 and the rest as above: the first four of five entries.
        {&kRibex,
         "all entries",
         TestRecord(102, 16, {{5, 60}, {6, 0xC6}, {8, 0x45}, {10, 150}, {12, 25}, {14, 3}, {15, 0x09}}),
         1,
         {{{"{2017}", "5"}, {"{2022}", "0.25s"}, {"{2023}", "1.50s"}, {"{2239}", "1"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row->name << ": " << c.what);
        const auto memory = PowerPackCodec::DecodeMemory(c.record, *c.row->family);
        ASSERT_TRUE(memory.has_value());
        EXPECT_EQ(memory->index, c.index);
        EXPECT_FALSE(memory->empty);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(memory->lines[i].label), c.lines[i].first) << i;
            EXPECT_EQ(Shown(memory->lines[i].value), c.lines[i].second) << i;
        }
    }
}

TEST(PowerPackRecords, MemoryGivesTheEnergiesOfOutletsOneAndTwo)
{
    struct Case {
        const FamilyRow* row;
        TestRecord record;
        std::array<MemoryEnergy, 2> energies;
    };
    const Case cases[] = {
        // Outlet 2 available and on, outlet 1 available and off, a preset.
        {&kNuvek,
         TestRecord(103, 16, {{5, 0xB2}, {6, 0x40}, {8, 0x85}, {10, 150}, {12, 25}, {14, 3}, {15, 0x5A}}),
         {{{0x40, true, false, true, 1}, {0x32, true, true, true, 2}}}},
        // Outlet 1 available and on, outlet 2 neither.
        {&kRibex,
         TestRecord(102, 16, {{5, 60}, {6, 0xC6}, {8, 0x45}, {10, 150}, {12, 25}, {14, 3}, {15, 0x09}}),
         {{{0x46, true, true, true, 1}, {60, false, false, true, 2}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row->name);
        const auto memory = PowerPackCodec::DecodeMemory(c.record, *c.row->family);
        ASSERT_TRUE(memory.has_value());
        for (std::size_t i = 0; i < 2; ++i) {
            SCOPED_TRACE(i + 1);
            const MemoryEnergy& energy = memory->energies[i];
            EXPECT_EQ(energy.value, c.energies[i].value);
            EXPECT_EQ(energy.available, c.energies[i].available);
            EXPECT_EQ(energy.on, c.energies[i].on);
            EXPECT_EQ(energy.inhibited, c.energies[i].inhibited);
            EXPECT_EQ(energy.channel, c.energies[i].channel);
        }
    }
}

TEST(PowerPackRecords, MemoryWithAnEmptyByteIsAnEmptyMemory)
{
    struct Case {
        const FamilyRow* row;
        TestRecord record;
        bool empty;
        int index;
    };
    const Case cases[] = {
        {&kNuvek, TestRecord(104, 16, {{5, 0xFF}}), true, 3},
        {&kNuvek, TestRecord(104, 16, {{6, 0xFF}}), true, 3},
        {&kNuvek, TestRecord(104, 16, {{7, 0xFF}}), true, 3},
        {&kNuvek, TestRecord(104, 16, {{8, 0xFF}}), true, 3},
        {&kNuvek, TestRecord(104, 16, {{9, 0xFF}, {15, 0xFF}}), false, 3},
        {&kRibex, TestRecord(101, 16, {{5, 0xFF}, {8, 5}}), true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row->name);
        const auto memory = PowerPackCodec::DecodeMemory(c.record, *c.row->family);
        ASSERT_TRUE(memory.has_value());
        EXPECT_EQ(memory->empty, c.empty);
        EXPECT_EQ(memory->index, c.index);
    }
}

TEST(NuvekStatusRows, DistributionThenSequence)
{
    struct Case {
        std::string symmetry;
        int sequence;
        std::array<std::string, 4> labels, values;
    };
    const Case cases[] = {
        {"asym", 0, {"{2203}", "", "", ""}, {"asym", "", "", ""}},
        {"sym", 12, {"{2203}", "{2017}", "", ""}, {"sym", "12", "", ""}},
        {"", 0, {"{2203}", "", "", ""}, {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        const StatusRows rows = PowerPackCodec::NuvekStatusRows(c.symmetry, c.sequence);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(rows.rows[i].label), c.labels[i]) << c.sequence << " row " << i;
            EXPECT_EQ(Shown(rows.rows[i].value), c.values[i]) << c.sequence << " row " << i;
        }
        for (const PageText& red : rows.red)
            EXPECT_TRUE(red.Empty());
        EXPECT_EQ(rows.panel, PanelRequest());
    }
}

TEST(RibexStatusRows, FollowThePresetOrTheSequence)
{
    struct Case {
        std::string name;
        PowerPackCodec::AuxValues aux;
        std::array<std::string, 4> labels, values;
    };
    const Case cases[] = {
        {"nothing set", {}, {"", "", "", ""}, {"", "", "", ""}},
        {"sequence only", {0, 0, 0, 4, 0, 0}, {"{2017}", "", "", ""}, {"4", "", "", ""}},
        {"all without preset",
         {0, 205, 500, 4, 7, 2},
         {"{2017}", "{2022}", "{2023}", "{2025}"},
         {"4", "0.07s", "2.05s", "2"}},
        {"preset with delay and t0.1",
         {3, 150, 500, 4, 7, 2},
         {"{2024}", "{2023}", "{2125}", ""},
         {"{2100} 3", "1.50s", "1/500", ""}},
        {"preset alone", {1, 0, 0, 4, 0, 0}, {"{2024}", "", "", ""}, {"{2100} 1", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StatusRows rows = PowerPackCodec::RibexStatusRows(c.aux);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(rows.rows[i].label), c.labels[i]) << i;
            EXPECT_EQ(Shown(rows.rows[i].value), c.values[i]) << i;
        }
        EXPECT_EQ(rows.panel, PanelRequest());
    }
}

}  // namespace
