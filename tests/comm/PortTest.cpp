// The bus master through the exported functions, against a simulated bus.
#include "BusFixture.h"

#include <algorithm>

#include "comm/FrameCodec.h"

namespace {

using testing::ElementsAre;

// Frame texts as the port writes them (studio 1 unless given).
std::string Frame(uint8_t address, uint16_t command, std::vector<uint8_t> data = {}, uint8_t studio = 1,
                  bool rangeMark = false)
{
    std::vector<uint8_t> buffer(7 + data.size());
    std::copy(data.begin(), data.end(), buffer.begin() + 6);
    std::string text = EncodeCommand(buffer.data(), static_cast<int>(data.size()), studio, address, command, rangeMark);
    text.pop_back();  // the bus hands frames on without their carriage return
    return text;
}

std::string Identify(uint8_t address)
{
    return Frame(address, 101, {0});
}
std::string Poll(uint8_t address)
{
    return Frame(address, 100);
}

class PortTest : public BusFixture {
protected:
    int CountSent(const std::string& text) const
    {
        const std::vector<std::string> texts = SentTexts();
        return static_cast<int>(std::count(texts.begin(), texts.end(), text));
    }

    // Ticks of the frames with this text.
    std::vector<int> TicksOf(const std::string& text) const
    {
        std::vector<int> ticks;
        for (const Sent& s : sent) {
            if (s.text == text)
                ticks.push_back(s.tick);
        }
        return ticks;
    }

    // Opens on 1..4 and runs until the unit at the address is found, the
    // focus following every unit found.
    void FindUnit(uint8_t address)
    {
        onFound = [this](VESKCOMM_DEVICE device) { focus = device; };
        if (!port)
            Open(1, 1, 4);
        ASSERT_TRUE(RunUntil([&] { return Device(address) != nullptr; }));
    }
};

TEST_F(PortTest, BurstThenSearchStepsWithExactTextsAndTicks)
{
    Open(1, 1, 4);
    Run(20);
    // Five identify frames to lowest - 1, the first marked "P"; 150 ms each,
    // noticed at the second tick after the send; then the search from 1.
    EXPECT_THAT(sent,
                ElementsAre(Sent{1, "P10601000065006<"}, Sent{3, "S10601000065006<"}, Sent{5, "S10601000065006<"},
                            Sent{7, "S10601000065006<"}, Sent{9, "S10601000065006<"}, Sent{11, "S10601010065006="},
                            Sent{13, "S10601020065006>"}, Sent{15, "S10601030065006?"}, Sent{17, "S106010400650070"},
                            Sent{19, "S10601010065006="}));
    EXPECT_TRUE(events.empty());
}

TEST_F(PortTest, RangeChangedBeforeFirstIdleMovesTheBurstNotItsLength)
{
    Open(1, 1, 4);
    VeskCommPortSetRange(port, 5, 6);
    Run(13);
    EXPECT_THAT(SentTexts(), ElementsAre(Frame(4, 101, {0}, 1, true), Identify(4), Identify(4), Identify(4),
                                         Identify(4), Identify(5), Identify(6)));
}

TEST_F(PortTest, UnitFoundWithCallbacksInOrderAndFocusPollsAlternateWithSearch)
{
    bus.AddUnit(2, 1, 37, 0x01).radio = 1;
    onFound = [this](VESKCOMM_DEVICE device) {
        char shortName[16];
        VeskCommDeviceGetGeraetetypKurz(device, shortName, sizeof shortName);
        EXPECT_STREQ(shortName, "-  Z32S");
        EXPECT_EQ(VeskCommDeviceGetVersion(device), 37);
        EXPECT_EQ(VeskCommDeviceGetEnergietyp(device), 1);
        EXPECT_EQ(VeskCommDeviceGetRF_Stat(device), 1);
        EXPECT_EQ(VeskCommDeviceGetPCKennwort(device), 0);
        focus = device;
    };
    Open(1, 1, 4);
    Run(22);
    EXPECT_THAT(events,
                ElementsAre("found 2 Zarit 3200S", "focus?", "data 2 4", "data 2 100", "data 2 100", "data 2 100"));
    // The identity answer came at tick 14; from then on a focus poll and a
    // search step take turns whenever the queue runs empty.
    const std::vector<Sent> after(std::find_if(sent.begin(), sent.end(), [](const Sent& s) { return s.tick >= 14; }),
                                  sent.end());
    EXPECT_THAT(after, ElementsAre(Sent{14, Poll(2)}, Sent{15, Identify(3)}, Sent{17, Poll(2)}, Sent{18, Identify(4)},
                                   Sent{20, Poll(2)}, Sent{21, Identify(1)}));
}

TEST_F(PortTest, WithoutFocusOnlySearchStepsAndKnownUnitsGetStatusPolls)
{
    bus.AddUnit(2, 1, 20, 1);
    Open(1, 1, 2);
    ASSERT_TRUE(RunUntil([&] { return Has("found 2 Nuvek N4"); }));
    sent.clear();
    Run(8);
    // Search steps only: the known unit at its turn gets a status poll.
    EXPECT_THAT(SentTexts(), ElementsAre(Poll(2), Identify(1), Poll(2), Identify(1), Poll(2)));
}

TEST_F(PortTest, SilentUnitIsLostAfterThreeRepeatsOfOneSecond)
{
    SimBus::Unit& unit = bus.AddUnit(2, 1, 37);
    FindUnit(2);
    unit.silent = true;
    sent.clear();
    int lostAt = 0;
    onLost = [&](VESKCOMM_DEVICE) { lostAt = tick; };
    ASSERT_TRUE(RunUntil([&] { return lostAt != 0; }, 100));
    const std::vector<int> polls = TicksOf(Poll(2));
    ASSERT_EQ(polls.size(), 4u);
    EXPECT_EQ(polls[1] - polls[0], 11);  // 1000 ms, noticed at the first tick beyond
    EXPECT_EQ(polls[2] - polls[1], 11);
    EXPECT_EQ(polls[3] - polls[2], 11);
    EXPECT_EQ(lostAt - polls[3], 11);
    EXPECT_EQ(events.back(), "lost 2");
    EXPECT_EQ(Device(2), nullptr);
    // The search goes on and finds it again once it answers.
    unit.silent = false;
    ASSERT_TRUE(RunUntil([&] { return Device(2) != nullptr; }));
}

TEST_F(PortTest, UnitsFallingSilentTogetherAreEachLostAfterTheirOwnRepeats)
{
    SimBus::Unit& two = bus.AddUnit(2, 1, 37);
    SimBus::Unit& three = bus.AddUnit(3, 1, 37);
    FindUnit(2);
    ASSERT_TRUE(RunUntil([&] { return Device(3) != nullptr; }));
    Run(5);
    two.silent = true;
    three.silent = true;
    sent.clear();
    ASSERT_TRUE(RunUntil([&] { return Has("lost 2") && Has("lost 3"); }, 300));
    // The first loss must not leave its repeats counted against the other:
    // each unit's poll goes out four times, a second apart.
    for (uint8_t address : {2, 3}) {
        const std::vector<int> polls = TicksOf(Poll(address));
        ASSERT_EQ(polls.size(), 4u) << "unit " << int(address);
        for (std::size_t i = 1; i < polls.size(); ++i)
            EXPECT_EQ(polls[i] - polls[i - 1], 11) << "unit " << int(address);
    }
}

TEST_F(PortTest, UnitKnownDuringTheBurstIsLostAtItsFirstMiss)
{
    bus.AddUnit(0, 1, 37);
    Open(1, 1, 4);
    Tick();
    // The burst goes to address 0; widening the range makes its answers count.
    VeskCommPortSetRange(port, 0, 4);
    int lostAt = 0;
    onFound = [this](VESKCOMM_DEVICE) { bus.FindUnit(0)->silent = true; };
    onLost = [&](VESKCOMM_DEVICE) { lostAt = tick; };
    Run(6);
    ASSERT_TRUE(Has("found 0 Zarit 1600S"));
    EXPECT_EQ(TicksOf(Identify(0)).front(), 2);
    EXPECT_EQ(lostAt, 4) << "one miss of 150 ms while the burst runs";
}

TEST_F(PortTest, LostUnitsLeaveTheFocusToTheCallbackOrToNobody)
{
    bus.AddUnit(2, 1, 37);
    SimBus::Unit& three = bus.AddUnit(3, 1, 37);
    FindUnit(2);
    ASSERT_TRUE(RunUntil([&] { return Device(3) != nullptr; }));
    events.clear();
    focus = Device(3);
    VeskCommPortSetFocusedDevice(port, Device(3));
    three.silent = true;
    ASSERT_TRUE(RunUntil([&] { return Has("lost 3"); }));
    // Records remain: the port asks for its focus, and the answer must be
    // one of its records (the test's focus was reset to null on loss).
    EXPECT_THAT(events, testing::Contains("focus?"));
    EXPECT_EQ(events.back(), "focus?");
}

TEST_F(PortTest, CommandsSevenAndEightReplaceWaitingFramesButNotTheFirst)
{
    SimBus::Unit& unit = bus.AddUnit(2, 1, 37);
    FindUnit(2);
    unit.answerDelay = 1000;  // keep a frame on the bus while commands queue up
    ASSERT_TRUE(RunUntil([&] { return !unit.commands.empty() && unit.commands.back().code == 100; }));
    sent.clear();
    unsigned char buffer[16] = {};
    auto send = [&](uint16_t command, uint8_t value, uint8_t address = 2) {
        buffer[6] = value;
        buffer[7] = 0;
        VeskCommPortTransmit(port, buffer, 2, address, command);
    };
    send(8, 1);  // appended: fewer than two waiting
    send(8, 2);  // replaces 8/1
    send(7, 1);  // appended behind
    send(5, 1);
    send(8, 3);     // replaces 8/2 in its place
    send(7, 2);     // replaces 7/1
    send(8, 4, 3);  // another unit: appended
    unit.answerDelay = 0;
    Run(40);
    std::vector<std::string> commands;  // all but polls and identify frames
    for (const std::string& text : SentTexts()) {
        const std::string code = text.substr(8, 4);
        if (code != "0064" && code != "0065")
            commands.push_back(text);
    }
    EXPECT_THAT(commands, testing::IsSupersetOf(
                              {Frame(2, 8, {3, 0}), Frame(2, 7, {2, 0}), Frame(2, 5, {1, 0}), Frame(3, 8, {4, 0})}));
    const auto position = [&](const std::string& text) {
        return std::find(commands.begin(), commands.end(), text) - commands.begin();
    };
    EXPECT_LT(position(Frame(2, 8, {3, 0})), position(Frame(2, 7, {2, 0})));
    EXPECT_LT(position(Frame(2, 7, {2, 0})), position(Frame(2, 5, {1, 0})));
    EXPECT_LT(position(Frame(2, 5, {1, 0})), position(Frame(3, 8, {4, 0})));
    EXPECT_EQ(CountSent(Frame(2, 8, {1, 0})), 0);
    EXPECT_EQ(CountSent(Frame(2, 8, {2, 0})), 0);
    EXPECT_EQ(CountSent(Frame(2, 7, {1, 0})), 0);
}

TEST_F(PortTest, NoAnswerFrameIsSentOnceAndNeverCostsAUnit)
{
    SimBus::Unit& unit = bus.AddUnit(2, 1, 37);
    FindUnit(2);
    unsigned char buffer[8] = {};
    buffer[6] = 9;
    VeskCommPortTransmit(port, buffer, 1, 2, 102);
    VeskCommPortTransmit(port, buffer, 1, 7, 102);  // no unit there at all
    Run(30);
    EXPECT_EQ(CountSent(Frame(2, 102, {9})), 1);
    EXPECT_EQ(Frame(2, 102, {9}).substr(0, 2), "S0");
    EXPECT_EQ(CountSent(Frame(7, 102, {9})), 1);
    EXPECT_FALSE(Has("lost 2"));
    EXPECT_TRUE(std::any_of(unit.commands.begin(), unit.commands.end(), [](const auto& c) { return c.code == 102; }));
}

TEST_F(PortTest, AnswerFromAnotherUnitSendsTheFrameOnTheBusAgainWithoutARepeat)
{
    SimBus::Unit& silent = bus.AddUnit(2, 1, 37);
    FindUnit(2);
    silent.silent = true;
    Tick();  // takes the last answer
    ASSERT_TRUE(RunUntil([&] { return !sent.empty() && sent.back().tick == tick && sent.back().text == Poll(2); }));
    const int before = CountSent(Poll(2));
    bus.SendRecord(1, 4, 100, {0x80, 0});  // unasked, from an address in range
    Tick();
    EXPECT_EQ(CountSent(Poll(2)), before + 1) << "sent again at once";
    // The wait restarted without counting a repeat: four more misses to lose it.
    const int lostFrom = tick;
    ASSERT_TRUE(RunUntil([&] { return Has("lost 2"); }));
    EXPECT_GE(tick - lostFrom, 44);
}

// Answers from another address while a frame to a silent known unit is on
// the bus: 'S' one such answer, 'T' a wait until the frame goes out again
// after its time-out. Each answer sends the frame again at once and starts
// its repeats afresh; the third in a row gives it up, time-outs between
// them or not.
struct StrayCase {
    const char* events;
    bool givenUp;
};

void PrintTo(const StrayCase& c, std::ostream* os)
{
    *os << c.events;
}

class StrayAnswerTest : public PortTest, public testing::WithParamInterface<StrayCase> {};

TEST_P(StrayAnswerTest, FrameIsSentAgainUntilTheThirdStrayAnswerInARow)
{
    SimBus::Unit& silent = bus.AddUnit(2, 1, 37);
    FindUnit(2);
    silent.silent = true;
    Tick();  // takes the last answer
    const auto pollSentNow = [&] { return !sent.empty() && sent.back().tick == tick && sent.back().text == Poll(2); };
    ASSERT_TRUE(RunUntil(pollSentNow));
    int lostAt = 0;
    onLost = [&](VESKCOMM_DEVICE) { lostAt = tick; };

    const std::string events = GetParam().events;
    int strays = 0;
    for (const char event : events) {
        const int before = CountSent(Poll(2));
        if (event == 'T') {
            Tick();
            ASSERT_TRUE(RunUntil(pollSentNow, 12)) << "a repeat after the time-out";
            continue;
        }
        bus.SendRecord(1, 4, 100, {0x80, 0});
        Tick();
        ++strays;
        if (strays < 3) {
            EXPECT_EQ(CountSent(Poll(2)), before + 1) << "stray answer " << strays << " sends the frame again at once";
            EXPECT_EQ(lostAt, 0);
        } else {
            EXPECT_EQ(CountSent(Poll(2)), before) << "given up, not sent again";
            EXPECT_EQ(lostAt, tick) << "given up like its last repeat's time-out: the unit is lost";
        }
    }
    if (GetParam().givenUp) {
        EXPECT_NE(lostAt, 0);
        return;
    }
    // The repeats started afresh: four more misses of a second to lose it.
    const int lastStray = tick;
    ASSERT_TRUE(RunUntil([&] { return lostAt != 0; }, 60));
    EXPECT_EQ(lostAt - lastStray, 44);
}

INSTANTIATE_TEST_SUITE_P(Cases, StrayAnswerTest,
                         testing::Values(StrayCase{"S", false}, StrayCase{"SS", false}, StrayCase{"TSTS", false},
                                         StrayCase{"SSS", true}, StrayCase{"STSTS", true}));

TEST_F(PortTest, UnitAnsweringForAnotherAddressDoesNotHoldTheBus)
{
    SimBus::Unit& healthy = bus.AddUnit(2, 1, 37);
    // Unit 3 answers every frame to it, but with address 4.
    const auto tick = [&] {
        for (const std::string& text : Tick()) {
            CommandFrame frame;
            if (DecodeCommand(text, frame) && frame.address == 3)
                bus.SendRecord(1, 4, 100, {0x80, 0});
        }
    };
    onFound = [this](VESKCOMM_DEVICE device) { focus = device; };
    Open(1, 1, 4);
    for (int i = 0; i < 40 && !Device(2); ++i)
        tick();
    ASSERT_NE(Device(2), nullptr);

    unsigned char buffer[8] = {};
    VeskCommPortTransmit(port, buffer, 0, 2, 14);
    const auto commandArrived = [&] {
        return std::any_of(healthy.commands.begin(), healthy.commands.end(),
                           [](const SimBus::Unit::Command& c) { return c.code == 14; });
    };
    for (int i = 0; i < 20 && !commandArrived(); ++i)
        tick();
    EXPECT_TRUE(commandArrived()) << "within two seconds";

    // The search goes on past address 3, whose identify request goes out
    // three times in a row each round: once, and again for two answers.
    sent.clear();
    for (int i = 0; i < 60; ++i)
        tick();
    EXPECT_GE(CountSent(Identify(4)), 3);
    EXPECT_GE(CountSent(Identify(1)), 3);
    const std::vector<std::string> texts = SentTexts();
    std::vector<int> runs;  // whole runs of identify requests to 3
    int run = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == Identify(3)) {
            ++run;
        } else {
            if (run > 0 && i > static_cast<std::size_t>(run))
                runs.push_back(run);
            run = 0;
        }
    }
    ASSERT_GE(runs.size(), 3u);
    EXPECT_THAT(runs, testing::Each(3));
    EXPECT_FALSE(Has("lost 2"));
}

TEST_F(PortTest, StudioAndRangeFilterWhatIsAccepted)
{
    bus.AddUnit(2, 2, 37);  // another studio at a searched address
    bus.AddUnit(7, 1, 37);  // outside the range
    Open(1, 1, 4);
    Run(25);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(CountSent(Identify(7)), 0) << "the search stays in its range";

    // Answers from outside the range end no wait and reach nobody.
    bus.AddUnit(3, 1, 37);
    ASSERT_TRUE(RunUntil([&] { return Device(3) != nullptr; }));
    events.clear();
    bus.SendRecord(1, 9, 100, {0x80, 0});
    bus.SendBroadcast(2, 3, 7, {1});
    Run(2);
    for (const std::string& e : events)
        EXPECT_EQ(e.find("data 9"), std::string::npos);
    EXPECT_FALSE(Has("data 3 7")) << "a broadcast of another studio";
}

TEST_F(PortTest, LowestAboveHighestAcceptsOnlyTheLowest)
{
    bus.AddUnit(4, 1, 37);
    bus.AddUnit(5, 1, 37);
    Open(1, 5, 3);
    ASSERT_TRUE(RunUntil([&] { return Has("found 5 Zarit 1600S"); }));
    Run(20);
    EXPECT_FALSE(Has("found 4 Zarit 1600S"));
    EXPECT_EQ(CountSent(Identify(4)), 0);
}

TEST_F(PortTest, BroadcastReachesEveryRecordInOrder)
{
    bus.AddUnit(2, 1, 37);
    bus.AddUnit(3, 1, 20);
    FindUnit(2);
    ASSERT_TRUE(RunUntil([&] { return Device(3) != nullptr; }));
    events.clear();
    bus.SendBroadcast(1, 9, 7, {1, 2, 3});
    Tick();
    std::vector<std::string> reports;
    std::copy_if(events.begin(), events.end(), std::back_inserter(reports),
                 [](const std::string& e) { return e.substr(e.size() - 2) == " 7"; });
    EXPECT_THAT(reports, ElementsAre("data 2 7", "data 3 7"));
}

TEST_F(PortTest, SetRangeMarksTheNextIdentifyAndMovesTheSearch)
{
    bus.AddUnit(6, 1, 32, 2);
    Open(1, 1, 2);
    Run(14);
    VeskCommPortSetRange(port, 5, 6);
    ASSERT_TRUE(RunUntil([&] { return Has("found 6 Ribex R8"); }));
    const auto firstMarked =
        std::find_if(sent.begin(), sent.end(), [](const Sent& s) { return s.tick > 14 && s.text[0] == 'P'; });
    ASSERT_NE(firstMarked, sent.end());
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const Sent& s) { return s.text[0] == 'P'; }), 2);
}

TEST_F(PortTest, CloseReportsEveryUnitLostInOrderWithoutAskingForFocus)
{
    bus.AddUnit(2, 1, 37);
    bus.AddUnit(3, 1, 137, 2);
    FindUnit(2);
    ASSERT_TRUE(RunUntil([&] { return Device(3) != nullptr; }));
    events.clear();
    Close();
    EXPECT_THAT(events, ElementsAre("lost 2", "lost 3"));
}

TEST_F(PortTest, BytesThatKeepComingPostponeTheTimeout)
{
    SimBus::Unit& unit = bus.AddUnit(2, 1, 37);
    FindUnit(2);
    unit.silent = true;
    for (int i = 0; i < 80; ++i) {
        bus.SendRaw("x");
        Tick();
    }
    EXPECT_FALSE(Has("lost 2"));
    ASSERT_TRUE(RunUntil([&] { return Has("lost 2"); }));
}

TEST_F(PortTest, NoiseAroundAnswersIsIgnored)
{
    SimBus::Unit& unit = bus.AddUnit(2, 1, 37);
    unit.noise = "S2060\r??\rxyz";
    FindUnit(2);
    Run(30);
    EXPECT_FALSE(Has("lost 2"));
}

TEST_F(PortTest, SendAtClockZeroStillTimesOut)
{
    now = 0xFFFFFF9Cu;  // the first frame goes out at clock 0
    Open(1, 1, 1);
    Run(8);
    EXPECT_THAT(SentTexts(), ElementsAre(Frame(0, 101, {0}, 1, true), Identify(0), Identify(1), Identify(1)));
}

TEST_F(PortTest, ShortIdentityRecordCreatesNoUnit)
{
    Open(1, 1, 4);
    Tick();
    // A Zarit's radio flag is data byte 13; this record ends at byte 12.
    bus.SendRecord(1, 2, 4, {37, 16, 216, 0, 0, 'C', '1', '2', '3', '4', '5', '6', 0});
    bus.SendRecord(1, 3, 4, {20, 7, 1});
    Run(3);
    EXPECT_TRUE(events.empty());
}

TEST_F(PortTest, FocusMustBeOneOfThePortsRecords)
{
    bus.AddUnit(2, 1, 37);
    FindUnit(2);
    // A handle that is no record of this port leaves the port without focus:
    // only the search steps reach the unit.
    VeskCommPortSetFocusedDevice(port, reinterpret_cast<VESKCOMM_DEVICE>(&callbacks));
    sent.clear();
    Run(20);
    EXPECT_LE(CountSent(Poll(2)), 3);

    VeskCommPortSetFocusedDevice(port, Device(2));
    sent.clear();
    Run(20);
    EXPECT_GE(CountSent(Poll(2)), 6);
}

TEST_F(PortTest, LostFocusIsForgottenWithoutAFocusCallback)
{
    SimBus::Unit& two = bus.AddUnit(2, 1, 37);
    bus.AddUnit(3, 1, 37);
    FindUnit(2);
    ASSERT_TRUE(RunUntil([&] { return Device(3) != nullptr; }));
    callbacks.pfnGetFocusedDevice = nullptr;
    VeskCommPortSetFocusedDevice(port, Device(2));
    two.silent = true;
    ASSERT_TRUE(RunUntil([&] { return Has("lost 2"); }));
    // The record is gone and the port has no focus: every request is a
    // search step, the addresses in turn, each sent as soon as the last was
    // answered or timed out. A poll through a stale focus would add a frame
    // or a wait.
    sent.clear();
    Run(20);
    CommandFrame first;
    ASSERT_FALSE(sent.empty());
    ASSERT_TRUE(DecodeCommand(sent.front().text, first));
    std::vector<Sent> expected;
    for (int tick = sent.front().tick, address = first.address; expected.size() < sent.size();
         address = address % 4 + 1) {
        const bool known = address == 3;
        expected.push_back({tick, known ? Poll(3) : Identify(static_cast<uint8_t>(address))});
        tick += known ? 1 : 2;  // an answer at the next tick, a time-out of 150 ms at the second
    }
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(CountSent(Poll(2)), 0);
}

TEST_F(PortTest, CloseFromInsideACallbackHappensWhenIdleReturns)
{
    bus.AddUnit(2, 1, 37);
    bool closed = false;
    onData = [&](VESKCOMM_DEVICE, const unsigned char*, int) {
        if (!closed) {
            closed = true;
            VeskCommPortIdle(port);   // nested: ignored
            VeskCommPortClose(port);  // carried out when the outer Idle returns
            unsigned char buffer[8] = {};
            VeskCommPortTransmit(port, buffer, 0, 2, 14);  // the port still exists here
        }
    };
    Open(1, 1, 4);
    ASSERT_TRUE(RunUntil([&] { return closed; }));
    EXPECT_THAT(events, ElementsAre("found 2 Zarit 1600S", "focus?", "data 2 4", "lost 2"));
    port = nullptr;  // closed by the library
    EXPECT_EQ(CountSent(Frame(2, 14)), 0) << "nothing goes out once the port is closing";
}

TEST_F(PortTest, CallbacksMayTransmitAndRefocus)
{
    bus.AddUnit(2, 1, 37);
    onFound = [this](VESKCOMM_DEVICE device) {
        unsigned char buffer[8] = {};
        VeskCommPortTransmit(port, buffer, 0, 2, 14);
        VeskCommPortSetFocusedDevice(port, device);
        VeskCommPortSetRange(port, 1, 4);
    };
    Open(1, 1, 4);
    ASSERT_TRUE(RunUntil([&] { return CountSent(Frame(2, 14)) == 1; }));
    EXPECT_FALSE(Has("lost 2"));
}

}  // namespace
