// A demo unit as the port meets it: frame texts in, answer texts out.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "comm/BigEndian.h"
#include "comm/DemoDevice.h"
#include "comm/FrameCodec.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Answer {
    uint16_t record;
    Bytes data;
};

// The frame text of a command, carriage return included.
std::string CommandText(uint8_t address, uint16_t command, const Bytes& data, uint8_t studio = 1)
{
    std::vector<uint8_t> buffer(7 + data.size());
    std::copy(data.begin(), data.end(), buffer.begin() + 6);
    return EncodeCommand(buffer.data(), static_cast<int>(data.size()), studio, address, command, false);
}

// Checked: a record too short fails the test instead of being read past.
uint16_t At16(const Bytes& data, std::size_t i)
{
    return ReadBe16(Bytes{data.at(i), data.at(i + 1)}.data());
}

class DemoDeviceTest : public testing::Test {
protected:
    // Hands the unit a text; the decoded answer, if the unit left one.
    std::optional<Answer> SendText(CDemoDevice& unit, uint8_t address, const std::string& text)
    {
        std::string answer;
        unit.Receive(text, answer);
        if (answer.empty())
            return std::nullopt;
        uint8_t record[kRecordSize];
        EXPECT_EQ(DecodeFrame(answer, record), FrameHead::Answer) << answer;
        EXPECT_EQ(record[1], 1) << "studio";
        EXPECT_EQ(record[2], address);
        return Answer{ReadBe16(record + 3), Bytes(record + 5, record + record[0])};
    }

    std::optional<Answer> Send(CDemoDevice& unit, uint8_t address, uint16_t command, const Bytes& data = {})
    {
        return SendText(unit, address, CommandText(address, command, data));
    }

    // The answer of a command that must be answered.
    Answer Ask(uint16_t command, const Bytes& data = {}, CDemoDevice* unit = nullptr)
    {
        CDemoDevice& target = unit ? *unit : zarit;
        const std::optional<Answer> answer = Send(target, &target == &zarit ? 100 : 101, command, data);
        EXPECT_TRUE(answer.has_value()) << "command " << command;
        return answer.value_or(Answer{0, {}});
    }

    Answer Poll(CDemoDevice* unit = nullptr) { return Ask(100, {}, unit); }
    Answer Record(uint16_t record, CDemoDevice* unit = nullptr)
    {
        return Ask(2, {static_cast<uint8_t>(record >> 8), static_cast<uint8_t>(record)}, unit);
    }

    // Polls until the unit has nothing pending.
    void Drain(CDemoDevice* unit = nullptr)
    {
        for (int i = 0; i < 20 && Poll(unit).record != 100; ++i) {
        }
    }

    static Bytes Energies(const Answer& record1)
    {
        return {record1.data[0], record1.data[4], record1.data[8], record1.data[12]};
    }

    CDemoDevice zarit{100, 0};
    CDemoDevice zaritE{101, 1};
};

TEST_F(DemoDeviceTest, IdentityNamesTheModelAndEnergyClass)
{
    const Bytes serialText = {'C', '1', '2', '3', '4', '5', '6', 0};
    Bytes expected = {37, 16, 216, 0x40, 0};
    expected.insert(expected.end(), serialText.begin(), serialText.end());
    expected.push_back(1);
    const Answer zaritIdentity = Ask(101, {0});
    EXPECT_EQ(zaritIdentity.record, 4);
    EXPECT_EQ(zaritIdentity.data, expected);

    expected[0] = 137;
    expected[3] = 0x41;
    const Answer zaritEIdentity = Ask(101, {0}, &zaritE);
    EXPECT_EQ(zaritEIdentity.record, 4);
    EXPECT_EQ(zaritEIdentity.data, expected);
}

TEST_F(DemoDeviceTest, FreshUnitReportsItsBalancedEnergiesThenItsTimesThenStatus)
{
    const Answer first = Poll();
    ASSERT_EQ(first.record, 1);
    // Energy, percentage and joules (tenths of a joule / 10) per channel.
    const Bytes record1 = {72, 15, 0, 229, 60, 62, 0, 100, 33, 9, 0, 15, 60, 62, 0, 100, 0xFF, 4, 0, 0};
    EXPECT_EQ(first.data, record1);

    const Answer second = Poll();
    ASSERT_EQ(second.record, 2);
    // Three outlets: the duration stays the table's lowest, the derived
    // time is time base 10 + 1 + recycling 37.
    const Bytes record2 = {0, 0, 0, 0, 0, 0, 2, 0, 0, 85, 4, 0, 0, 0, 0, 0, 0, 48, 0};
    EXPECT_EQ(second.data, record2);

    const Answer status = Poll();
    EXPECT_EQ(status.record, 100);
    EXPECT_EQ(status.data, (Bytes{228, 0}));
    EXPECT_EQ(Poll().record, 100);

    // Class 1 reports joules in fifths.
    const Answer e = Poll(&zaritE);
    ASSERT_EQ(e.record, 1);
    EXPECT_EQ(At16(e.data, 2), 459);
    EXPECT_EQ(At16(e.data, 6), 200);
    EXPECT_EQ(At16(e.data, 10), 30);
}

struct EnergyCase {
    const char* name;
    Bytes command;  // energy, channel, switch bits
    Bytes energies;
};

void PrintTo(const EnergyCase& c, std::ostream* os)
{
    *os << c.name;
}

class DemoEnergyTest : public DemoDeviceTest, public testing::WithParamInterface<EnergyCase> {};

TEST_P(DemoEnergyTest, CommandOneBalancesTheOutletsWithinTheGenerator)
{
    const EnergyCase& c = GetParam();
    const Answer answer = Ask(1, c.command);
    ASSERT_EQ(answer.record, 1);
    EXPECT_EQ(Energies(answer), c.energies);
    // The answer was record 1; its change is reported once, not again.
    Drain();
    EXPECT_EQ(Energies(Record(1)), c.energies);
    for (int i = 0; i < 4; ++i) {
        const uint8_t energy = c.energies[static_cast<std::size_t>(i)];
        EXPECT_TRUE(energy == 0 || (energy >= 33 && energy <= 100)) << "channel " << i << ": " << int(energy);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FreshUnit, DemoEnergyTest,
    testing::Values(EnergyCase{"TotalShiftsEveryOutlet", {100, 0, 0x0F}, {100, 88, 61, 88}},
                    EnergyCase{"Outlet3FillsWhatTheOthersLeave", {100, 3, 0x0F}, {100, 60, 33, 98}},
                    EnergyCase{"Outlet1StaysAtOutlet3sEnergy", {80, 1, 0x0F}, {72, 60, 33, 60}},
                    EnergyCase{"Outlet2StaysAtOutlet3sEnergy", {90, 2, 0x0F}, {76, 60, 60, 60}},
                    EnergyCase{"WithoutOutlet3Outlet1TakesTheRest", {100, 1, 0x07}, {100, 99, 33, 60}},
                    // Outlet 2 off: its energy is shifted too, but not below the lowest
                    // code; the shift of -12 starts beyond the limit loop.
                    EnergyCase{"Outlet3KeepsTheTotalAtCode60", {20, 0, 0x0B}, {61, 48, 33, 52}},
                    EnergyCase{"BelowLowestCodeIsRaised", {10, 1, 0x0F}, {64, 33, 33, 60}},
                    // Channels 4 and up do not exist: the switch bits apply, no energy changes.
                    EnergyCase{"ChannelAboveThreeOnlySwitches", {100, 4, 0x07}, {72, 60, 33, 60}}),
    [](const testing::TestParamInfo<EnergyCase>& info) { return std::string(info.param.name); });

TEST_F(DemoDeviceTest, TotalFarBelowTheOutletsBringsThemToTheLowestCodeAndCountsThem)
{
    // Outlets 1 and 2 at 60 without outlet 3: a total of 33 asks for a
    // shift of -27, beyond the limit loop's start.
    Ask(1, {60, 2, 0x07});
    const Answer answer = Ask(1, {0, 0, 0x07});
    EXPECT_EQ(Energies(answer), (Bytes{43, 33, 33, 33}));
    EXPECT_EQ(At16(answer.data, 2), 30) << "the total's joules";
}

TEST_F(DemoDeviceTest, OutletSetFarFromTheOthersWarnsAndLampModeFollowsTheEnergy)
{
    // Mode 7 allows up to code 80 at class 0.
    Answer answer = Ask(3, {0x47});
    EXPECT_EQ(answer.data[17], 7);
    EXPECT_EQ(answer.data[18], 0);

    // Outlet 3 at 98 is more than 30 above outlet 1's 60, and above mode
    // 7's limit; outlet 2's short time is warned of as well.
    answer = Ask(1, {100, 3, 0x0F});
    EXPECT_EQ(answer.data[12], 98);
    EXPECT_EQ(answer.data[17], 7) << "without lamp follow the mode stays";
    EXPECT_EQ(answer.data[18], 0x12);

    // With lamp follow the effective mode drops to 5, the first that allows 98.
    answer = Ask(3, {0x81});
    EXPECT_EQ(answer.data[17], 7 + 16 * 5);
    EXPECT_EQ(answer.data[18], 0x13);
    EXPECT_EQ(Record(5).data[0] & 1, 1) << "lamp follow in record 5";

    // A mode that is not allowed is not taken.
    answer = Ask(3, {0x46});
    EXPECT_EQ(answer.data[17] & 0x0F, 7);
}

TEST_F(DemoDeviceTest, EqualOutletsKeepTheirTimesFinite)
{
    // Three equal outlets.
    Ask(1, {60, 2, 0x0F});
    Drain();
    Answer timing = Record(2);
    EXPECT_EQ(timing.data[15] & 0x02, 0) << "no short result time";
    EXPECT_EQ(At16(timing.data, 16), 56) << "time base 10 + 1 + recycling 45";

    // Two equal outlets that fill the generator.
    Ask(1, {90, 1, 0x07});
    const Answer full = Ask(1, {90, 2, 0x07});
    EXPECT_EQ(Energies(full), (Bytes{100, 90, 90, 60}));
    timing = Record(2);
    EXPECT_EQ(At16(timing.data, 8), 535) << "computed duration";
    EXPECT_EQ(timing.data[15], 0) << "no warning";
    EXPECT_EQ(At16(timing.data, 16), 143) << "derived time";
}

TEST_F(DemoDeviceTest, SequenceProgramIsLimitedAndReportedWithItsSteps)
{
    Drain(&zaritE);
    EXPECT_EQ(Ask(9, {20}, &zaritE).record, 100);
    Answer timing = Poll(&zaritE);
    ASSERT_EQ(timing.record, 2);
    EXPECT_EQ(timing.data[6], 16);
    EXPECT_EQ(Bytes(timing.data.begin() + 10, timing.data.begin() + 13), (Bytes{16, 32, 64}));
    EXPECT_EQ(At16(timing.data, 13), 2000000 / 3628);

    // Program 0 keeps the steps of the last program.
    Ask(9, {0}, &zaritE);
    timing = Poll(&zaritE);
    EXPECT_EQ(timing.data[6], 0);
    EXPECT_EQ(Bytes(timing.data.begin() + 10, timing.data.begin() + 15), (Bytes{16, 32, 64, 2, 39}));

    Ask(9, {2}, &zaritE);
    timing = Poll(&zaritE);
    EXPECT_EQ(Bytes(timing.data.begin() + 10, timing.data.begin() + 15), (Bytes{4, 0, 0, 3, 230}))
        << "two steps: one value, padded; 2000000 / 2004";

    // Type 37 reports the program within 2 to 4 and no steps.
    Ask(9, {20});
    timing = Record(2);
    EXPECT_EQ(timing.data[6], 4);
    EXPECT_EQ(Bytes(timing.data.begin() + 10, timing.data.begin() + 15), (Bytes{4, 0, 0, 0, 0}));
}

TEST_F(DemoDeviceTest, UnprogrammedUnitReportsNoSequenceRate)
{
    const Answer timing = Record(2, &zaritE);
    EXPECT_EQ(Bytes(timing.data.begin() + 10, timing.data.begin() + 15), (Bytes{0, 0, 0, 0, 0}));
}

TEST_F(DemoDeviceTest, EveryRecordOnceInOrderAfterCommandFourteen)
{
    struct Expected {
        uint16_t record;
        std::size_t zaritSize;
        std::size_t zaritESize;
    };
    const std::vector<Expected> order = {
        {1, 20, 20}, {2, 19, 19}, {3, 5, 5},     {4, 14, 14},   {5, 4, 4},     {6, 7, 19},    {7, 4, 4},   {8, 7, 7},
        {9, 9, 9},   {10, 14, 0}, {101, 11, 11}, {102, 11, 11}, {103, 11, 11}, {104, 11, 11}, {100, 2, 2},
    };
    for (CDemoDevice* unit : {&zarit, &zaritE}) {
        EXPECT_EQ(Ask(14, {}, unit).record, 100);
        for (const Expected& e : order) {
            const Answer answer = Poll(unit);
            EXPECT_EQ(answer.record, e.record);
            EXPECT_EQ(answer.data.size(), unit == &zarit ? e.zaritSize : e.zaritESize) << "record " << e.record;
        }
    }
    EXPECT_EQ(Record(6).data, (Bytes{0, 0, 25, 0, 0, 5, 20}));
    const Bytes name = {'s', 't', 'r', 'a', 'h', 'l', 'k', 'o', 'n', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(Record(10).data, name);
    Bytes info = {1, 5, 0, 200, 0};
    info.insert(info.end(), name.begin(), name.end());
    EXPECT_EQ(Record(6, &zaritE).data, info);
    EXPECT_EQ(Record(8).data, (Bytes{0, 8, 11, 8, 11, 8, 11}));
    EXPECT_EQ(Record(8, &zaritE).data, (Bytes{0, 98, 1, 98, 1, 98, 1}));
    EXPECT_TRUE(Record(105).data.empty());
    EXPECT_EQ(Record(105).record, 105);
}

TEST_F(DemoDeviceTest, SettingsCommandsShowInTheirRecords)
{
    Drain();
    EXPECT_EQ(Ask(5, {60}).record, 100);
    EXPECT_EQ(Ask(8, {0x12, 0x34}).record, 100);
    EXPECT_EQ(Ask(10, {9}).record, 100);
    const Answer timing = Poll();
    ASSERT_EQ(timing.record, 2);
    EXPECT_EQ(timing.data[0], 100) << "value A from 51 on reads 100";
    EXPECT_EQ(At16(timing.data, 4), 0x1234);
    EXPECT_EQ(timing.data[7], 4) << "value C at most 4 on type 37";

    Ask(4, {0x41});   // switch flag 2
    Ask(4, {0x21});   // switch flag 7
    Ask(4, {0x81});   // switch flag 1
    Ask(16, {1});     // switch flag 6
    Ask(17, {0x05});  // switch flags 3 and 5
    Ask(19, {0x5A});
    EXPECT_EQ(Record(5).data, (Bytes{0x02 | 0x04 | 0x08 | 0x20 | 0x40 | 0x80, 0x5A, 3, 0}));

    Ask(11, {2, 3, 7, 0xFF, 9});
    EXPECT_EQ(Record(3).data, (Bytes{2, 3, 7, 2, 9}));
    EXPECT_EQ(Poll().record, 104) << "record 3 marks the selected memory's record";

    Ask(21, {120, 13});
    Ask(26, {5, 6});
    EXPECT_EQ(Record(8).data, (Bytes{0, 99, 12, 8, 11, 5, 6}));
}

TEST_F(DemoDeviceTest, PowerIsSwitchedOnByEveryCommandButTheNeutralOnes)
{
    Drain();
    // Off: the command itself runs after the power was set.
    Ask(27);
    EXPECT_EQ(Poll().record, 100);
    Ask(27);
    const Answer off = Poll();
    ASSERT_EQ(off.record, 1) << "switched on and off again: record 1 stays pending";
    EXPECT_EQ(off.data[16] & 0x03, 0x02);

    for (uint16_t neutral : {11, 100, 101})
        Ask(neutral, {0});
    EXPECT_FALSE(Send(zarit, 100, 102, {0}).has_value());
    Ask(14);
    const Answer still = Poll();
    ASSERT_EQ(still.record, 1);
    EXPECT_EQ(still.data[16] & 0x01, 0) << "still off";
    Drain();

    // Command 3 answers record 1 and switches the power on.
    const Answer on = Ask(3, {0});
    EXPECT_EQ(on.record, 1);
    EXPECT_EQ(on.data[16] & 0x03, 0x03);
    Ask(27);
    Ask(28);
    const Answer back = Poll();
    ASSERT_EQ(back.record, 1);
    EXPECT_EQ(back.data[16] & 0x01, 1);
}

TEST_F(DemoDeviceTest, MemoriesHoldTheirPresetsAndRecallKeepsTheUnitsOwnSwitches)
{
    struct Memory {
        uint16_t record;
        Bytes data;
    };
    // Outlet energies, A + 64 C, B, timed value, step + 16 lamp mode + 8 flag,
    // program, 0x38 + outlet switch bits.
    const std::vector<Memory> presets = {
        {101, {60, 33, 60, 0, 0, 0, 0, 0, 64, 0, 0x3B}},
        {102, {40, 33, 60, 0, 0, 0, 0, 0, 64, 4, 0x39}},
        {103, {39, 33, 60, 0, 0, 10, 0, 40, 72, 0, 0x39}},
        {104, {60, 33, 60, 3, 0, 0, 0, 0, 64, 0, 0x3F}},
    };
    for (const Memory& m : presets)
        EXPECT_EQ(Record(m.record).data, m.data) << "record " << m.record;

    // Storing takes the settings as they are.
    Ask(5, {2});
    Ask(10, {1});
    const Answer stored = Ask(12, {1});
    EXPECT_EQ(stored.record, 102);
    EXPECT_EQ(stored.data, (Bytes{60, 33, 60, 2 + 64, 0, 0, 0, 0, 64, 0, 0x3F}));

    // Recall brings the memory back but not switch flags 3 to 6 or the option byte.
    Ask(4, {0x81});
    Ask(17, {0x07});
    Ask(16, {1});
    Ask(19, {0x42});
    Drain();
    EXPECT_EQ(Ask(13, {2}).record, 100);
    const std::vector<uint16_t> pending = {1, 2, 3, 5, 101, 100};
    for (uint16_t record : pending) {
        const Answer answer = Poll();
        ASSERT_EQ(answer.record, record);
        if (record == 1) {
            EXPECT_EQ(Energies(answer), (Bytes{72, 39, 33, 60}));
            EXPECT_EQ(answer.data[16], 0xAF) << "outlets 2 and 3 off";
        }
        if (record == 2) {
            EXPECT_EQ(At16(answer.data, 4), 10) << "value B";
            EXPECT_GE(At16(answer.data, 2), 40) << "timed value";
        }
        if (record == 5) {
            EXPECT_EQ(answer.data, (Bytes{0x08 | 0x10 | 0x20 | 0x40, 0x42, 3, answer.data[3]}));
        }
    }
    // Memories out of range change nothing.
    EXPECT_EQ(Ask(13, {4}).record, 100);
    EXPECT_EQ(Poll().record, 100);
    EXPECT_TRUE(Ask(12, {4}).data.empty());
}

TEST_F(DemoDeviceTest, ResetClearsTheTimingValues)
{
    Ask(5, {7});
    Ask(8, {0, 50});
    Ask(10, {2});
    Ask(3, {0x47});
    Ask(1, {100, 3, 0x0F});
    Ask(3, {0x81});
    Drain();
    Ask(15);
    const Answer timing = Poll();
    ASSERT_EQ(timing.record, 2);
    EXPECT_EQ(timing.data[0], 0);
    EXPECT_EQ(At16(timing.data, 4), 0);
    EXPECT_EQ(timing.data[7], 0);
    EXPECT_EQ(timing.data[15], 0x13) << "the lamp and spread warnings stay, the short time is found again";
}

TEST_F(DemoDeviceTest, StepsMoveThePositionUnlessOutlet3IsActive)
{
    Drain();
    Ask(6, {1});
    Answer timing = Poll();
    ASSERT_EQ(timing.record, 2);
    EXPECT_EQ(timing.data[1], 0) << "outlet 3 active: no step";

    Ask(1, {60, 1, 0x07});
    Drain();
    Ask(6, {0});
    timing = Poll();
    ASSERT_EQ(timing.record, 2);
    EXPECT_EQ(timing.data[1], 0x80) << "down from position 0 sets the flag";
    Ask(6, {1});
    EXPECT_EQ(Poll().data[1], 0) << "up from position 0 with the flag clears it";

    // While a sequence program runs the position does not move.
    Ask(9, {1});
    Ask(6, {0});
    EXPECT_EQ(Record(2).data[1], 0);
}

TEST_F(DemoDeviceTest, StepsRunThroughEveryPositionAndMeetTheirDurations)
{
    // Outlets 1 and 2 at 60 and 50, outlet 3 off: every position is reachable.
    Ask(1, {60, 1, 0x07});
    Ask(1, {50, 2, 0x07});
    struct Step {
        uint8_t position;  // + 0x80 with the flag
        uint16_t duration;
    };
    const std::vector<Step> up = {{1, 125},  {2, 250},  {3, 500},     {4, 1000}, {5, 2000},
                                  {6, 4000}, {7, 5600}, {0x80, 4600}, {0, 2450}};
    for (const Step& step : up) {
        Ask(6, {1});
        const Answer timing = Record(2);
        EXPECT_EQ(timing.data[1], step.position);
        EXPECT_EQ(At16(timing.data, 8), step.duration) << "position " << int(step.position);
    }
    const std::vector<uint8_t> down = {0x80, 0x87, 0x86, 0x85, 0x84, 0x83, 0x82, 0x81, 0};
    for (uint8_t position : down) {
        Ask(6, {0});
        EXPECT_EQ(Record(2).data[1], position);
    }
}

TEST_F(DemoDeviceTest, TimedValueIsSetAndKeptWithinItsLimit)
{
    Drain();
    Ask(7, {0x01, 0x2C});
    EXPECT_EQ(At16(Poll().data, 2), 300);
    // The next recalculation keeps it at most 5000.
    Ask(7, {0x27, 0x10});
    Ask(1, {60, 1, 0x0F});
    EXPECT_EQ(At16(Record(2).data, 2), 5000);
}

TEST_F(DemoDeviceTest, FramesTheUnitMustIgnore)
{
    const std::string poll = CommandText(100, 100, {});
    std::string corrupted = poll;
    corrupted[corrupted.size() - 2] = corrupted[corrupted.size() - 2] == '0' ? '1' : '0';
    std::string longer = CommandText(100, 100, {});
    longer.insert(longer.size() - 1, "00");
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"other studio", CommandText(100, 100, {}, 2)},
        {"other address", CommandText(101, 100, {})},
        {"wrong checksum", corrupted},
        {"length byte not matching", longer},
        {"odd length", poll.substr(0, poll.size() - 2) + "\r"},
        {"head P", "P" + poll.substr(1)},
        {"too short for a header", "S1030101\r"},
        {"empty", ""},
        {"bare carriage return", "\r"},
    };
    for (const auto& [name, text] : cases) {
        std::string answer = "untouched";
        zarit.Receive(text, answer);
        EXPECT_EQ(answer, "untouched") << name;
    }
    EXPECT_EQ(Poll().record, 1) << "nothing was consumed";
}

TEST_F(DemoDeviceTest, HeadZeroFramesRunForAnyAddressWithoutAnAnswer)
{
    Drain();
    std::string text = CommandText(7, 5, {9});
    text[1] = '0';
    std::string answer;
    zarit.Receive(text, answer);
    EXPECT_TRUE(answer.empty());
    const Answer timing = Poll();
    ASSERT_EQ(timing.record, 2);
    EXPECT_EQ(timing.data[0], 9);

    // A poll without answer delivers nothing and keeps the record pending.
    Ask(5, {3});
    text = CommandText(100, 100, {});
    text[1] = '0';
    zarit.Receive(text, answer);
    EXPECT_TRUE(answer.empty());
    EXPECT_EQ(Poll().record, 2);
    EXPECT_FALSE(Send(zarit, 100, 102, {1}).has_value());
}

TEST_F(DemoDeviceTest, MissingDataBytesReadAsZero)
{
    // Command 1 without its switch byte switches every channel off.
    const Answer answer = Ask(1, {100, 0});
    EXPECT_EQ(answer.data[16], 0xAA);
    EXPECT_EQ(answer.data[0], 0) << "no outlet on: no total";
    // Command 2 without data asks for record 0, which has none.
    const Answer none = Ask(2);
    EXPECT_EQ(none.record, 0);
    EXPECT_TRUE(none.data.empty());
}

}  // namespace
