#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestRecord.h"
#include "units/core/NuvekCodec.h"
#include "units/core/SpinStepper.h"

namespace {

using NuvekCodec::AuxOutlet;

// A page as the builder finds it: main light at 60, aux 1 on, aux 2 off,
// memory page and information page shown, memory 3, lamp roles 5 and 7,
// buzzer and energy range ticked, owner "Studio 4".
NuvekCodec::CommandState PageState()
{
    NuvekCodec::CommandState state;
    state.lightOutlet = 0;
    state.lightValue = 60;
    state.auxOn = {true, false};
    state.selections.lampMemoryPage = 1;
    state.selections.optionsPage = 2;
    state.selections.memory = 2;
    state.selections.lamps = {5, 7, 9};
    state.buzzer = true;
    state.energyRange = true;
    state.owner = "Studio 4";
    return state;
}

struct CommandCase {
    int16_t code;
    std::vector<uint8_t> data;
};

TEST(NuvekCommands, LayEveryCodeWithItsExactDataCount)
{
    // The value 0x01020304 shows which of its bytes each layout takes.
    const CommandCase cases[] = {
        {0, {}},
        {1, Bytes({60, 0, 0x03})},
        {2, Bytes({0x00, 0x04})},
        {3, Bytes({0x04})},
        {4, Bytes({0x04})},
        {5, Bytes({0x04})},
        {6, Bytes({0x04})},
        {7, Bytes({0x03, 0x04})},
        {8, Bytes({0x03, 0x04})},
        {9, Bytes({0x04})},
        {10, Bytes({0x04})},
        {11, Bytes({0x05, 0x02, 0x05, 0x07, 0x00})},
        {12, Bytes({0x04})},
        {13, Bytes({0x04})},
        {14, {}},
        {15, {}},
        {16, Bytes({0x04})},
        {17, Bytes({0x09})},
        {18, {}},
        {19, Bytes({0x04})},
        {20, Bytes({0x04})},
        {21, Bytes({0x03, 0x04})},
        {22, Bytes({'S', 't', 'u', 'd', 'i', 'o', ' ', '4', 0, 0, 0, 0, 0, 0})},
        {23, Bytes({0x03, 0x04})},
        {24, {}},
        {25, Bytes({0x01, 0x02, 0x03, 0x04})},
        {26, Bytes({0x03, 0x04})},
        {27, {}},
        {28, {}},
        {29, {}},
        {30, {}},
        {102, {}},
        {103, {}},
        {-1, {}},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.code);
        const auto data = NuvekCodec::BuildCommand(c.code, 0x01020304, PageState());
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->Bytes(), c.data);
    }
}

TEST(NuvekCommands, LightCommandLaysSteppedEnergyOutletAndOutletsOn)
{
    struct Case {
        std::string name;
        int outlet, value, step;
        std::array<bool, 2> auxOn;
        std::vector<uint8_t> data;
    };
    const Case cases[] = {
        {"main light, no step", 0, 60, 0, {false, false}, Bytes({60, 0, 0x01})},
        {"aux 2 at 50, both on", 2, 50, 0, {true, true}, Bytes({0x32, 0x02, 0x07})},
        {"aux 1 only on", 1, 40, 0, {true, false}, Bytes({40, 1, 0x03})},
        {"whole stop up beyond 100", 0, 95, 10, {false, true}, Bytes({105, 0, 0x05})},
        {"tenth up at 100", 1, 100, 1, {false, false}, Bytes({101, 1, 0x01})},
        {"tenth down at 0 stays 0", 2, 0, -1, {false, false}, Bytes({0, 2, 0x01})},
        {"whole stop down at 5 stays 0", 0, 5, -10, {false, false}, Bytes({0, 0, 0x01})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NuvekCodec::CommandState state;
        state.lightOutlet = c.outlet;
        state.lightValue = c.value;
        state.spinStep = c.step;
        state.auxOn = c.auxOn;
        EXPECT_EQ(NuvekCodec::BuildCommand(1, 0, state)->Bytes(), c.data);
    }
}

TEST(NuvekCommands, OptionsPackTheBoxesAndTheEnergyRange)
{
    struct Case {
        bool buzzer, slow, reduced, energyRange;
        int byte;
    };
    const Case cases[] = {
        {false, false, false, false, 0x00}, {true, false, false, false, 0x01}, {false, true, false, false, 0x02},
        {false, false, true, false, 0x04},  {false, false, false, true, 0x08}, {true, true, true, true, 0x0F},
    };
    for (const Case& c : cases) {
        NuvekCodec::CommandState state;
        state.buzzer = c.buzzer;
        state.slow = c.slow;
        state.reduced = c.reduced;
        state.energyRange = c.energyRange;
        EXPECT_EQ(NuvekCodec::BuildCommand(17, 0, state)->Bytes(), Bytes({c.byte}));
    }
}

TEST(NuvekCommands, SelectionsBeforeTheFirstRecordCarryNoValueRoles)
{
    NuvekCodec::CommandState state;
    state.selections.lamps = {255, 255, 255};
    EXPECT_EQ(NuvekCodec::BuildCommand(11, 0, state)->Bytes(), Bytes({0, 0, 0xFF, 0xFF, 0}));
}

TEST(NuvekCommands, OwnerIsCutOrPaddedToFourteenBytes)
{
    NuvekCodec::CommandState state;
    EXPECT_EQ(NuvekCodec::BuildCommand(22, 0, state)->Bytes(), std::vector<uint8_t>(14, 0));
    state.owner = "Studio Nord-Ost Berlin";
    EXPECT_EQ(NuvekCodec::BuildCommand(22, 0, state)->Bytes(),
              Bytes({'S', 't', 'u', 'd', 'i', 'o', ' ', 'N', 'o', 'r', 'd', '-', 'O', 's'}));
}

TEST(NuvekCommands, NumbersKeepTheirBits)
{
    const NuvekCodec::CommandState state;
    EXPECT_EQ(NuvekCodec::BuildCommand(2, 0x165, state)->Bytes(), Bytes({0x00, 0x65}));
    EXPECT_EQ(NuvekCodec::BuildCommand(25, 123456, state)->Bytes(), Bytes({0x00, 0x01, 0xE2, 0x40}));
    // A serial above 2^31 that the information page hands on as a negative value.
    EXPECT_EQ(NuvekCodec::BuildCommand(25, -1, state)->Bytes(), Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(NuvekCodec::BuildCommand(21, 0x0C03, state)->Bytes(), Bytes({0x0C, 0x03}));
}

// What a spin button of the page sends: the stepper's steps laid by the
// builder for the light at value.
std::vector<std::vector<uint8_t>> SpinSends(bool up, int value, int lineEvents)
{
    SpinStepper stepper;
    NuvekCodec::CommandState state;
    state.lightOutlet = 1;
    state.lightValue = value;
    std::vector<std::vector<uint8_t>> sent;
    for (int i = 0; i < lineEvents; ++i)
        if (const auto step = stepper.Line(up, value, 33)) {
            state.spinStep = *step;
            sent.push_back(NuvekCodec::BuildCommand(1, 0, state)->Bytes());
        }
    if (const auto step = stepper.Release(true, value)) {
        state.spinStep = *step;
        sent.push_back(NuvekCodec::BuildCommand(1, 0, state)->Bytes());
    }
    return sent;
}

TEST(NuvekCommands, SpinClicksAndHeldSpinsLayTheirSteps)
{
    using Sends = std::vector<std::vector<uint8_t>>;
    EXPECT_EQ(SpinSends(true, 100, 1), (Sends{Bytes({101, 1, 1})}));
    EXPECT_EQ(SpinSends(false, 33, 1), (Sends{Bytes({32, 1, 1})}));
    EXPECT_EQ(SpinSends(false, 0, 1), (Sends{Bytes({0, 1, 1})}));
    EXPECT_EQ(SpinSends(false, 33, 7), Sends{});
    EXPECT_EQ(SpinSends(false, 34, 2), (Sends{Bytes({24, 1, 1})}));
    EXPECT_EQ(SpinSends(true, 95, 7), (Sends{Bytes({105, 1, 1}), Bytes({105, 1, 1})}));
}

TEST(NuvekRecords, StatusGivesBarsPowerAndModellingLight)
{
    struct Case {
        int states;
        bool mainShown, power, on1, available1, on2, available2;
    };
    const Case cases[] = {
        {0x00, false, false, false, false, false, false},
        {0x01, false, true, false, false, false, false},
        {0x0C, true, false, true, true, false, false},
        {0x10, false, false, false, false, true, false},
        {0x40, false, false, false, false, true, false},
        {0x20, true, false, false, false, false, true},
        {0x80, false, false, false, false, false, true},
        {0xFF, true, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.states);
        const TestRecord record(1, 25,
                                {{5, 55}, {9, 40}, {10, 25}, {11, 0x01}, {12, 0x90}, {13, 70}, {14, 80}, {15, 0x04},
                                 {16, 0xB0}, {21, c.states}, {22, 0xFB}, {24, 0x02}});
        const auto status = NuvekCodec::DecodeStatus(record);
        ASSERT_TRUE(status.has_value());
        EXPECT_EQ(status->mainValue, 55);
        EXPECT_EQ(status->mainShown, c.mainShown);
        EXPECT_EQ(status->power, c.power);
        EXPECT_EQ(status->aux[0], (AuxOutlet{c.on1, c.available1, 40, false, 25, 400}));
        EXPECT_EQ(status->aux[1], (AuxOutlet{c.on2, c.available2, 70, true, 80, 1200}));
        EXPECT_EQ(status->modellingLightMode, 3);
    }
}

TEST(NuvekRecords, AuxFunctionsGiveSequenceAndEnergyRange)
{
    const auto off = NuvekCodec::DecodeAuxFunctions(TestRecord(2, 7, {{5, 12}}));
    ASSERT_TRUE(off.has_value());
    EXPECT_EQ(off->sequence, 12);
    EXPECT_FALSE(off->energyRange);
    EXPECT_TRUE(NuvekCodec::DecodeAuxFunctions(TestRecord(2, 7, {{6, 2}}))->energyRange);
}

TEST(NuvekRecords, SelectionsPackLikeTheirCommand)
{
    struct Case {
        int tabs, memory, lamp1, lamp2;
        Selections expected;
    };
    const Case cases[] = {
        {0x06, 0x00, 1, 2, {0, 2, 0, 0, {1, 2, 0}}},
        {0x1B, 0x06, 20, 21, {1, 1, 3, 2, {20, 0, 0}}},
        {0x05, 0xFF, 0, 255, {1, 2, 0, 3, {0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tabs);
        const auto selections = NuvekCodec::DecodeSelections(
            TestRecord(3, 10, {{5, c.tabs}, {6, c.memory}, {7, c.lamp1}, {8, c.lamp2}, {9, 4}}));
        ASSERT_TRUE(selections.has_value());
        EXPECT_EQ(*selections, c.expected);
        NuvekCodec::CommandState state;
        state.selections = *selections;
        EXPECT_EQ(NuvekCodec::DecodeSelections(TestRecord(3, 9)
                                                   .Set(5, NuvekCodec::BuildCommand(11, 0, state)->Bytes()[0])
                                                   .Set(6, c.memory & 3)
                                                   .Set(7, selections->lamps[0])
                                                   .Set(8, selections->lamps[1])),
                  selections);
    }
}

TEST(NuvekRecords, UnitInfoGivesModelSymmetryAndUnsignedSerial)
{
    struct Case {
        int model;
        std::array<int, 4> serial;
        std::string name, symmetry, serialText;
    };
    const Case cases[] = {
        {0x00, {0, 0, 0x04, 0xD2}, "Nuvek N2", "sym", "1234"},
        {0x01, {0, 1, 0, 0}, "Nuvek N4", "sym", "65536"},
        {0x42, {0x80, 0, 0, 0}, "Nuvek N8", "asym", "2147483648"},
        {0x43, {0xFF, 0xFF, 0xFF, 0xFF}, "Nuvek N8 E", "asym", "4294967295"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto info = NuvekCodec::DecodeUnitInfo(TestRecord(
            4, 13,
            {{5, 2}, {6, 7}, {7, c.model}, {9, c.serial[0]}, {10, c.serial[1]}, {11, c.serial[2]}, {12, c.serial[3]}}));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->version, "2.07");
        EXPECT_EQ(info->versionMinor, 7);
        EXPECT_EQ(info->model, c.name);
        EXPECT_EQ(info->voltage, "100...230 V");
        EXPECT_EQ(info->symmetry, c.symmetry);
        EXPECT_EQ(info->serial, c.serialText);
    }
}

TEST(NuvekRecords, OptionsGiveEachBitItsBox)
{
    struct Case {
        int bits;
        bool lamp, ir, cell, rf, buzzer, slow, reduced;
    };
    const Case cases[] = {
        {0x01, true, false, false, false, false, false, false},
        {0x02, false, true, false, false, false, false, false},
        {0x04, false, false, true, false, false, false, false},
        {0x08, false, false, false, false, true, false, false},
        {0x10, false, false, false, false, false, true, false},
        {0x20, false, false, false, false, false, false, true},
        {0x40, false, false, false, false, false, false, false},
        {0x80, false, false, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const auto options = NuvekCodec::DecodeOptions(TestRecord(5, 6, {{5, c.bits}}));
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(options->modellingLightOn, c.lamp);
        EXPECT_EQ(options->ir, c.ir);
        EXPECT_EQ(options->cell, c.cell);
        EXPECT_EQ(options->rf, c.rf);
        EXPECT_EQ(options->buzzer, c.buzzer);
        EXPECT_EQ(options->slow, c.slow);
        EXPECT_EQ(options->reduced, c.reduced);
    }
}

TEST(NuvekRecords, MemoryShowsDistributionFirstAndAtMostFourLines)
{
    // Sequence 5, alternate 2, delay 1.50 s, interval 0.25 s, preset 3;
    // outlet 2 available and on, outlet 1 available and off, asymmetric.
    const TestRecord record(
        103, 16, {{5, 0xB2}, {6, 0x40}, {8, 0x85}, {10, 150}, {12, 25}, {14, 3}, {15, 0x5A}});
    const auto memory = NuvekCodec::DecodeMemory(record);
    ASSERT_TRUE(memory.has_value());
    EXPECT_EQ(memory->index, 2);
    EXPECT_FALSE(memory->empty);
    EXPECT_EQ(memory->energies[0].value, 0x40);
    EXPECT_TRUE(memory->energies[0].available);
    EXPECT_FALSE(memory->energies[0].on);
    EXPECT_TRUE(memory->energies[0].inhibited);
    EXPECT_EQ(memory->energies[0].channel, 1);
    EXPECT_EQ(memory->energies[1].value, 0x32);
    EXPECT_TRUE(memory->energies[1].available);
    EXPECT_TRUE(memory->energies[1].on);
    EXPECT_EQ(memory->energies[1].channel, 2);
    const std::pair<std::string, std::string> lines[] = {
        {"{2203}", "asym"}, {"{2017}", "5"}, {"{2022}", "0.25s"}, {"{2023}", "1.50s"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Shown(memory->lines[i].label), lines[i].first) << i;
        EXPECT_EQ(Shown(memory->lines[i].value), lines[i].second) << i;
    }
}

TEST(NuvekRecords, MemoryLeavesPlacesWithoutEntriesEmpty)
{
    const auto memory = NuvekCodec::DecodeMemory(TestRecord(101, 16, {{8, 0xC0}, {14, 12}}));
    ASSERT_TRUE(memory.has_value());
    EXPECT_EQ(memory->index, 0);
    const std::pair<std::string, std::string> lines[] = {
        {"{2203}", "sym"}, {"{2239}", "3"}, {"{2099}", "{2100}12"}, {"", ""}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Shown(memory->lines[i].label), lines[i].first) << i;
        EXPECT_EQ(Shown(memory->lines[i].value), lines[i].second) << i;
    }
}

TEST(NuvekRecords, MemoryWithAnEmptyByteIsAnEmptyMemory)
{
    for (int position = 5; position <= 8; ++position) {
        const auto memory = NuvekCodec::DecodeMemory(TestRecord(104, 16, {{position, 0xFF}}));
        ASSERT_TRUE(memory.has_value());
        EXPECT_TRUE(memory->empty) << position;
        EXPECT_EQ(memory->index, 3);
    }
    EXPECT_FALSE(NuvekCodec::DecodeMemory(TestRecord(104, 16, {{9, 0xFF}, {15, 0xFF}}))->empty);
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
        const StatusRows rows = NuvekCodec::BuildStatusRows(c.symmetry, c.sequence);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(rows.rows[i].label), c.labels[i]) << c.sequence << " row " << i;
            EXPECT_EQ(Shown(rows.rows[i].value), c.values[i]) << c.sequence << " row " << i;
        }
        for (const PageText& red : rows.red)
            EXPECT_TRUE(red.Empty());
        EXPECT_EQ(rows.panel, PanelRequest());
    }
}

}  // namespace
