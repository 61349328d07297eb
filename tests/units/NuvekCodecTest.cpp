#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordBytes.h"
#include "units/core/NuvekCodec.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A page as the builder finds it: main light at 60, aux 1 at 40 and on, aux 2
// at 50 and off, memory page and information page shown, memory 3, lamp
// roles 5 and 7, buzzer and energy range ticked, owner "Studio 4".
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
    Bytes data;
};

// Every code with the value 0x01020304, so that each layout shows which of
// the value's bytes it takes.
const CommandCase kCommands[] = {
    {0, {}},
    {1, {60, 0, 0x03}},
    {2, {0x00, 0x04}},
    {3, {0x04}},
    {4, {0x04}},
    {5, {0x04}},
    {6, {0x04}},
    {7, {0x03, 0x04}},
    {8, {0x03, 0x04}},
    {9, {0x04}},
    {10, {0x04}},
    {11, {0x05, 0x02, 0x05, 0x07, 0x00}},
    {12, {0x04}},
    {13, {0x04}},
    {14, {}},
    {15, {}},
    {16, {0x04}},
    {17, {0x09}},
    {18, {}},
    {19, {0x04}},
    {20, {0x04}},
    {21, {0x03, 0x04}},
    {22, {'S', 't', 'u', 'd', 'i', 'o', ' ', '4', 0, 0, 0, 0, 0, 0}},
    {23, {0x03, 0x04}},
    {24, {}},
    {25, {0x01, 0x02, 0x03, 0x04}},
    {26, {0x03, 0x04}},
    {27, {}},
    {28, {}},
    {29, {}},
    {30, {}},
    {102, {}},
    {103, {}},
    {-1, {}},
};

TEST(NuvekCodecTest, LaysEveryCommandWithItsExactDataCount)
{
    for (const CommandCase& c : kCommands) {
        SCOPED_TRACE(c.code);
        const auto data = NuvekCodec::BuildCommand(c.code, 0x01020304, PageState());
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->Bytes(), c.data);
    }
}

struct LightCase {
    std::string name;
    int outlet;
    int value;
    int delta;
    std::array<bool, 2> auxOn;
    Bytes data;
};

TEST(NuvekCodecTest, LightCommandLaysSteppedEnergyOutletAndOutletsOn)
{
    const LightCase cases[] = {
        {"main light, no step", 0, 60, 0, {false, false}, {60, 0, 0x01}},
        {"aux 2 at 50, both on", 2, 50, 0, {true, true}, {0x32, 0x02, 0x07}},
        {"aux 1 only on", 1, 40, 0, {true, false}, {40, 1, 0x03}},
        {"whole stop up beyond 100", 0, 95, 10, {false, true}, {105, 0, 0x05}},
        {"tenth up at 100", 1, 100, 1, {false, false}, {101, 1, 0x01}},
        {"tenth down at 0 stays 0", 2, 0, -1, {false, false}, {0, 2, 0x01}},
        {"whole stop down at 5 stays 0", 0, 5, -10, {false, false}, {0, 0, 0x01}},
    };
    for (const LightCase& c : cases) {
        SCOPED_TRACE(c.name);
        NuvekCodec::CommandState state;
        state.lightOutlet = c.outlet;
        state.lightValue = c.value;
        state.spinDelta = c.delta;
        state.auxOn = c.auxOn;
        EXPECT_EQ(NuvekCodec::BuildCommand(1, 0, state)->Bytes(), c.data);
    }
}

TEST(NuvekCodecTest, OptionsCommandPacksTheBoxes)
{
    struct Case {
        bool buzzer, slow, reduced, energyRange;
        uint8_t byte;
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
        EXPECT_EQ(NuvekCodec::BuildCommand(17, 0, state)->Bytes(), Bytes{c.byte});
    }
}

TEST(NuvekCodecTest, SelectionsCommandBeforeTheFirstRecordCarriesNoValueRoles)
{
    NuvekCodec::CommandState state;
    state.selections.lamps = {255, 255, 255};
    EXPECT_EQ(NuvekCodec::BuildCommand(11, 0, state)->Bytes(), (Bytes{0, 0, 0xFF, 0xFF, 0}));
}

TEST(NuvekCodecTest, OwnerCommandCutsToFourteenBytes)
{
    NuvekCodec::CommandState state;
    EXPECT_EQ(NuvekCodec::BuildCommand(22, 0, state)->Bytes(), Bytes(14, 0));
    state.owner = "Studio Nord-Ost Berlin";
    EXPECT_EQ(NuvekCodec::BuildCommand(22, 0, state)->Bytes(),
              (Bytes{'S', 't', 'u', 'd', 'i', 'o', ' ', 'N', 'o', 'r', 'd', '-', 'O', 's'}));
}

TEST(NuvekCodecTest, SerialCommandKeepsEveryBitOfAnUnsignedSerial)
{
    const NuvekCodec::CommandState state;
    EXPECT_EQ(NuvekCodec::BuildCommand(25, 123456, state)->Bytes(), (Bytes{0x00, 0x01, 0xE2, 0x40}));
    EXPECT_EQ(NuvekCodec::BuildCommand(25, -1, state)->Bytes(), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(NuvekCodec::BuildCommand(2, 0x165, state)->Bytes(), (Bytes{0x00, 0x65}));
}

TEST(NuvekCodecTest, OnlyTheStepCommandStartsTheBusyState)
{
    for (int16_t code = -1; code <= 110; ++code)
        EXPECT_EQ(NuvekCodec::StartsBusy(code), code == 6) << code;
}

struct StatusCase {
    uint8_t states;
    bool mainShown, power, on1, available1, on2, available2;
};

TEST(NuvekCodecTest, StatusRecordGivesBarsPowerAndModellingLight)
{
    const StatusCase cases[] = {
        {0x00, false, false, false, false, false, false},
        {0x01, false, true, false, false, false, false},
        {0x0C, true, false, true, true, false, false},
        {0x10, false, false, false, false, true, false},
        {0x40, false, false, false, false, true, false},
        {0x20, true, false, false, false, false, true},
        {0x80, false, false, false, false, false, true},
        {0xFF, true, true, true, true, true, true},
    };
    for (const StatusCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.states));
        const auto record = MakeRecord(1, 25,
                                       {{5, 55}, {9, 40}, {10, 25}, {11, 0x01}, {12, 0x90}, {13, 70}, {14, 80},
                                        {15, 0x04}, {16, 0xB0}, {21, c.states}, {22, 0xFB}, {24, 0x02}});
        const auto status = NuvekCodec::DecodeStatus(View(record));
        ASSERT_TRUE(status.has_value());
        EXPECT_EQ(status->mainValue, 55);
        EXPECT_EQ(status->mainShown, c.mainShown);
        EXPECT_EQ(status->power, c.power);
        EXPECT_EQ(status->aux[0], (AuxOutlet{c.on1, c.available1, 40, false, 25, 400}));
        EXPECT_EQ(status->aux[1], (AuxOutlet{c.on2, c.available2, 70, true, 80, 1200}));
        EXPECT_EQ(status->modellingLightMode, 3);
    }
}

TEST(NuvekCodecTest, AuxFunctionsRecordGivesSequenceAndEnergyRange)
{
    const auto off = NuvekCodec::DecodeAuxFunctions(View(MakeRecord(2, 7, {{5, 12}})));
    ASSERT_TRUE(off.has_value());
    EXPECT_EQ(off->sequence, 12);
    EXPECT_FALSE(off->energyRange);
    EXPECT_TRUE(NuvekCodec::DecodeAuxFunctions(View(MakeRecord(2, 7, {{6, 2}})))->energyRange);
}

TEST(NuvekCodecTest, SelectionsRecordPacksLikeItsCommand)
{
    struct Case {
        uint8_t tabs, memory, lamp1, lamp2;
        Selections expected;
    };
    const Case cases[] = {
        {0x06, 0x00, 1, 2, {0, 2, 0, 0, {1, 2, 0}}},
        {0x1B, 0x06, 20, 21, {1, 1, 3, 2, {20, 0, 0}}},
        {0x05, 0xFF, 0, 255, {1, 2, 0, 3, {0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tabs));
        const auto selections = NuvekCodec::DecodeSelections(
            View(MakeRecord(3, 10, {{5, c.tabs}, {6, c.memory}, {7, c.lamp1}, {8, c.lamp2}, {9, 4}})));
        ASSERT_TRUE(selections.has_value());
        EXPECT_EQ(*selections, c.expected);
    }
}

TEST(NuvekCodecTest, UnitInfoRecordGivesModelSymmetryAndUnsignedSerial)
{
    struct Case {
        uint8_t model;
        Bytes serial;
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
        const auto info = NuvekCodec::DecodeUnitInfo(View(MakeRecord(
            4, 13,
            {{5, 2}, {6, 7}, {7, c.model}, {9, c.serial[0]}, {10, c.serial[1]}, {11, c.serial[2]}, {12, c.serial[3]}})));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->programVersion, "2.07");
        EXPECT_EQ(info->programMinor, 7);
        EXPECT_EQ(info->model, c.name);
        EXPECT_EQ(info->voltage, "100...230 V");
        EXPECT_EQ(info->symmetry, c.symmetry);
        EXPECT_EQ(info->serial, c.serialText);
    }
}

TEST(NuvekCodecTest, OptionsRecordGivesEachBitItsBox)
{
    struct Case {
        uint8_t bits;
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
        SCOPED_TRACE(static_cast<int>(c.bits));
        const auto options = NuvekCodec::DecodeOptions(View(MakeRecord(5, 6, {{5, c.bits}})));
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(options->modellingLightOn, c.lamp);
        EXPECT_EQ(options->flashIr, c.ir);
        EXPECT_EQ(options->flashCell, c.cell);
        EXPECT_EQ(options->flashRf, c.rf);
        EXPECT_EQ(options->buzzer, c.buzzer);
        EXPECT_EQ(options->slow, c.slow);
        EXPECT_EQ(options->reduced, c.reduced);
    }
}

TEST(NuvekCodecTest, ServiceStatusShowsVoltagesFromLevelOne)
{
    const auto level0 = NuvekCodec::DecodeServiceStatus(View(MakeRecord(100, 12, {{6, 0}, {7, 100}})));
    ASSERT_TRUE(level0.has_value());
    EXPECT_FALSE(level0->voltages.has_value());
    const auto level1 = NuvekCodec::DecodeServiceStatus(View(MakeRecord(100, 12, {{6, 1}, {7, 100}})));
    ASSERT_TRUE(level1->voltages.has_value());
    EXPECT_EQ(level1->voltages->positiveFlash, "142");
}

LabelledValue Line(int labelId, std::string value, int valueId = 0)
{
    return {labelId, "", valueId, std::move(value)};
}

TEST(NuvekCodecTest, MemoryRecordShowsDistributionFirstAndAtMostFourLines)
{
    // Sequence 5, alternate 2, delay 1.50 s, interval 0.25 s, preset 3;
    // outlet 2 available and on, outlet 1 off, asymmetric.
    const auto record = MakeRecord(103, 16,
                                   {{5, 0xB2}, {6, 0x40}, {7, 0}, {8, 0x85}, {9, 0x00}, {10, 150}, {11, 0x00},
                                    {12, 25}, {14, 3}, {15, 0x5A}});
    const auto memory = NuvekCodec::DecodeMemory(View(record));
    ASSERT_TRUE(memory.has_value());
    EXPECT_EQ(memory->index, 2);
    EXPECT_FALSE(memory->empty);
    EXPECT_EQ(memory->lights, (std::vector<MemoryDetail::Light>{{0x40, true, false, true, 1}, {0x32, true, true, true, 2}}));
    EXPECT_EQ(memory->lines, (std::vector<LabelledValue>{Line(2203, "asym"), Line(2017, "5"), Line(2022, "0.25s"),
                                                         Line(2023, "1.50s")}));
}

TEST(NuvekCodecTest, MemoryRecordLeavesPlacesWithoutSettingsEmpty)
{
    const auto memory = NuvekCodec::DecodeMemory(View(MakeRecord(101, 16, {{8, 0xC0}, {14, 12}})));
    ASSERT_TRUE(memory.has_value());
    EXPECT_EQ(memory->index, 0);
    EXPECT_EQ(memory->lines, (std::vector<LabelledValue>{Line(2203, "sym"), Line(2239, "3"), Line(2099, "12", 2100),
                                                         LabelledValue{}}));
}

TEST(NuvekCodecTest, MemoryRecordWithAnEmptyByteIsAnEmptyMemory)
{
    for (std::size_t position = 5; position <= 8; ++position) {
        const auto memory = NuvekCodec::DecodeMemory(View(MakeRecord(104, 16, {{position, 0xFF}})));
        ASSERT_TRUE(memory.has_value());
        EXPECT_TRUE(memory->empty) << position;
        EXPECT_EQ(memory->index, 3);
    }
    EXPECT_FALSE(NuvekCodec::DecodeMemory(View(MakeRecord(104, 16, {{9, 0xFF}, {15, 0xFF}})))->empty);
}

TEST(NuvekCodecTest, StatusRowsShowDistributionThenSequence)
{
    EXPECT_EQ(NuvekCodec::StatusRows("asym", 0), (StatusPlan::Rows{Line(2203, "asym"), {}, {}, {}}));
    EXPECT_EQ(NuvekCodec::StatusRows("sym", 12), (StatusPlan::Rows{Line(2203, "sym"), Line(2017, "12"), {}, {}}));
    EXPECT_EQ(NuvekCodec::StatusRows("", 0), (StatusPlan::Rows{Line(2203, ""), {}, {}, {}}));
}

}  // namespace
