#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestRecord.h"
#include "units/core/RibexCodec.h"

namespace {

using RibexCodec::AuxOutlet;

// A page as the builder finds it: aux 2 at 50 addressed, both aux bars on,
// memory page and information page shown, memory 3, lamp roles 5, 7 and 9,
// fast recycling and ready ticked, owner "Studio 4".
RibexCodec::CommandState PageState()
{
    RibexCodec::CommandState state;
    state.lightOutlet = 2;
    state.lightValue = 50;
    state.auxOn = {true, true};
    state.selections.lampMemoryPage = 1;
    state.selections.optionsPage = 2;
    state.selections.memory = 2;
    state.selections.lamps = {5, 7, 9};
    state.fast = true;
    state.ready = true;
    state.owner = "Studio 4";
    return state;
}

struct CommandCase {
    int16_t code;
    std::vector<uint8_t> data;
};

TEST(RibexCommands, LayEveryCodeWithItsExactDataCount)
{
    // The value 0x01020304 shows which of its bytes each layout takes.
    const CommandCase cases[] = {
        {0, {}},
        {1, Bytes({0x32, 0x02, 0x07})},
        {2, Bytes({0x00, 0x04})},
        {3, Bytes({0x04})},
        {4, Bytes({0x04})},
        {5, Bytes({0x04})},
        {6, Bytes({0x04})},
        {7, Bytes({0x03, 0x04})},
        {8, Bytes({0x03, 0x04})},
        {9, Bytes({0x04})},
        {10, Bytes({0x04})},
        {11, Bytes({0x05, 0x02, 0x05, 0x07, 0x09})},
        {12, Bytes({0x04})},
        {13, Bytes({0x04})},
        {14, {}},
        {15, {}},
        {16, Bytes({0x04})},
        {17, Bytes({0x12})},
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
        {200, {}},
        {-7, {}},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.code);
        const auto data = RibexCodec::BuildCommand(c.code, 0x01020304, PageState());
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->Bytes(), c.data);
    }
}

TEST(RibexCommands, LightCommandAddsTheSpinStepWithoutGoingBelowZero)
{
    RibexCodec::CommandState state;
    state.lightOutlet = 0;
    state.lightValue = 33;
    state.spinStep = -1;
    state.auxOn = {false, true};
    EXPECT_EQ(RibexCodec::BuildCommand(1, 0, state)->Bytes(), Bytes({32, 0, 0x05}));
    state.lightOutlet = 1;
    state.lightValue = 0;
    EXPECT_EQ(RibexCodec::BuildCommand(1, 0, state)->Bytes(), Bytes({0, 1, 0x05}));
    state.lightValue = 100;
    state.spinStep = 1;
    EXPECT_EQ(RibexCodec::BuildCommand(1, 0, state)->Bytes(), Bytes({101, 1, 0x05}));
}

TEST(RibexCommands, OptionsPackTheBoxes)
{
    struct Case {
        bool buzzer, fast, reduced, ready, cell;
        int byte;
    };
    const Case cases[] = {
        {false, false, false, false, false, 0x00}, {true, false, false, false, false, 0x01},
        {false, true, false, false, false, 0x02},  {false, false, true, false, false, 0x04},
        {false, false, false, true, false, 0x10},  {false, false, false, false, true, 0x20},
        {true, true, true, true, true, 0x37},
    };
    for (const Case& c : cases) {
        RibexCodec::CommandState state;
        state.buzzer = c.buzzer;
        state.fast = c.fast;
        state.reduced = c.reduced;
        state.ready = c.ready;
        state.cell = c.cell;
        EXPECT_EQ(RibexCodec::BuildCommand(17, 0, state)->Bytes(), Bytes({c.byte}));
    }
}

TEST(RibexRecords, StatusGivesEachOutletItsOwnPair)
{
    struct Case {
        int states;
        bool mainShown, power, on1, available1, on2, available2, on3, available3;
    };
    const Case cases[] = {
        {0x00, false, false, false, false, false, false, false, false},
        {0x01, false, true, false, false, false, false, false, false},
        {0x04, false, false, true, false, false, false, false, false},
        {0x08, true, false, false, true, false, false, false, false},
        {0x10, false, false, false, false, true, false, false, false},
        {0x20, true, false, false, false, false, true, false, false},
        {0x40, false, false, false, false, false, false, true, false},
        {0x80, false, false, false, false, false, false, false, true},
        {0xFF, true, true, true, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.states);
        const TestRecord record(1, 25,
                                {{5, 100}, {9, 40}, {10, 25}, {11, 0x01}, {12, 0x90}, {13, 70}, {14, 80}, {15, 0x04},
                                 {16, 0xB0}, {21, c.states}, {22, 0x08}, {24, 0x01}});
        const auto status = RibexCodec::DecodeStatus(record);
        ASSERT_TRUE(status.has_value());
        EXPECT_EQ(status->mainValue, 100);
        EXPECT_EQ(status->mainShown, c.mainShown);
        EXPECT_EQ(status->power, c.power);
        EXPECT_EQ(status->aux[0], (AuxOutlet{c.on1, c.available1, 40, true, 25, 400}));
        EXPECT_EQ(status->aux[1], (AuxOutlet{c.on2, c.available2, 70, false, 80, 1200}));
        EXPECT_EQ(status->outlet3On, c.on3);
        EXPECT_EQ(status->outlet3Available, c.available3);
        EXPECT_EQ(status->modellingLightMode, 0);
    }
}

TEST(RibexRecords, AuxFunctionsGiveTheSequence)
{
    EXPECT_EQ(RibexCodec::DecodeAuxFunctions(TestRecord(2, 6, {{5, 9}}))->sequence, 9);
}

TEST(RibexRecords, SelectionsKeepThreeLampRoles)
{
    const auto selections =
        RibexCodec::DecodeSelections(TestRecord(3, 10, {{5, 0x07}, {6, 1}, {7, 21}, {8, 20}, {9, 4}}));
    ASSERT_TRUE(selections.has_value());
    EXPECT_EQ(*selections, (Selections{1, 2, 0, 1, {0, 20, 4}}));
}

TEST(RibexRecords, UnitInfoGivesModelLockAndUnsignedSerial)
{
    struct Case {
        int model, lock;
        std::array<int, 4> serial;
        std::string name;
        bool locked;
        std::string serialText;
    };
    const Case cases[] = {
        {0x00, 0, {0, 0, 0x30, 0x39}, "Ribex R2", false, "12345"},
        {0x01, 1, {0, 1, 0, 0}, "Ribex R4", true, "65536"},
        {0xFE, 0x80, {0x80, 0, 0, 1}, "Ribex R8", true, "2147483649"},
        {0x03, 0, {0xFF, 0xFF, 0xFF, 0xFE}, "Ribex R8 E", false, "4294967294"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto info = RibexCodec::DecodeUnitInfo(TestRecord(
            4, 13,
            {{5, 3}, {6, 12}, {7, c.model}, {8, c.lock}, {9, c.serial[0]}, {10, c.serial[1]}, {11, c.serial[2]},
             {12, c.serial[3]}}));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->version, "3.12");
        EXPECT_EQ(info->versionMinor, 12);
        EXPECT_EQ(info->powerLocked, c.locked);
        EXPECT_EQ(info->model, c.name);
        EXPECT_EQ(info->voltage, "100...230 V");
        EXPECT_EQ(info->serial, c.serialText);
    }
}

TEST(RibexRecords, OptionsReadBothOptionBytes)
{
    struct Case {
        int bits, more;
        bool lamp, ir, cell, rf, buzzer, fast, reduced, ready, cellOption;
    };
    const Case cases[] = {
        {0x01, 0, true, false, false, false, false, false, false, false, false},
        {0x02, 0, false, true, false, false, false, false, false, false, false},
        {0x04, 0, false, false, true, false, false, false, false, false, false},
        {0x08, 0, false, false, false, false, true, false, false, false, false},
        {0x10, 0, false, false, false, false, false, true, false, false, false},
        {0x20, 0, false, false, false, false, false, false, true, false, false},
        {0x80, 0, false, false, false, true, false, false, false, false, false},
        {0x40, 0x01, false, false, false, false, false, false, false, true, false},
        {0x00, 0x02, false, false, false, false, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const auto options = RibexCodec::DecodeOptions(TestRecord(5, 10, {{5, c.bits}, {9, c.more}}));
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(options->modellingLightOn, c.lamp);
        EXPECT_EQ(options->ir, c.ir);
        EXPECT_EQ(options->cell, c.cell);
        EXPECT_EQ(options->rf, c.rf);
        EXPECT_EQ(options->buzzer, c.buzzer);
        EXPECT_EQ(options->fast, c.fast);
        EXPECT_EQ(options->reduced, c.reduced);
        EXPECT_EQ(options->ready, c.ready);
        EXPECT_EQ(options->cellOption, c.cellOption);
    }
}

TEST(RibexRecords, MemoryShowsTheFirstFourOfFiveEntries)
{
    const auto memory =
        RibexCodec::DecodeMemory(TestRecord(102, 16, {{5, 60}, {6, 0xC6}, {8, 0x45}, {10, 150}, {12, 25}, {14, 3}, {15, 0x09}}));
    ASSERT_TRUE(memory.has_value());
    EXPECT_EQ(memory->index, 1);
    EXPECT_FALSE(memory->empty);
    EXPECT_EQ(memory->energies[0].value, 0x46);
    EXPECT_TRUE(memory->energies[0].available && memory->energies[0].on);
    EXPECT_EQ(memory->energies[1].value, 60);
    EXPECT_FALSE(memory->energies[1].available || memory->energies[1].on);
    const std::pair<std::string, std::string> lines[] = {
        {"{2017}", "5"}, {"{2022}", "0.25s"}, {"{2023}", "1.50s"}, {"{2239}", "1"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Shown(memory->lines[i].label), lines[i].first) << i;
        EXPECT_EQ(Shown(memory->lines[i].value), lines[i].second) << i;
    }
}

TEST(RibexRecords, EmptyMemoryShowsNothing)
{
    const auto memory = RibexCodec::DecodeMemory(TestRecord(101, 16, {{5, 0xFF}, {8, 5}}));
    ASSERT_TRUE(memory.has_value());
    EXPECT_TRUE(memory->empty);
    EXPECT_EQ(memory->index, 0);
}

TEST(RibexStatusRows, FollowThePresetOrTheSequence)
{
    struct Case {
        std::string name;
        RibexCodec::AuxValues aux;
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
        const StatusRows rows = RibexCodec::BuildStatusRows(c.aux);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(rows.rows[i].label), c.labels[i]) << i;
            EXPECT_EQ(Shown(rows.rows[i].value), c.values[i]) << i;
        }
        EXPECT_EQ(rows.panel, PanelRequest());
    }
}

}  // namespace
