// The simulated bus's log: one line a frame, in the order the frames crossed
// the line, with what a person needs to follow a unit.
#include "BusFixture.h"

#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <regex>
#include <sstream>
#include <unistd.h>

#include "tools/SimBusLog.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string one; std::getline(in, one);)
        lines.push_back(one);
    return lines;
}

// The lines without their times, each checked to begin with one.
std::vector<std::string> Untimed(const std::string& text)
{
    static const std::regex kTime("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\\.[0-9]{3} ");
    std::vector<std::string> lines;
    for (const std::string& line : Lines(text)) {
        EXPECT_TRUE(std::regex_match(line.substr(0, 13), kTime)) << line.substr(0, 80);
        lines.push_back(line.size() > 13 ? line.substr(13) : line);
    }
    return lines;
}

CommandFrame Command(uint8_t address, uint16_t code, std::vector<uint8_t> data, bool answerWanted = true)
{
    CommandFrame frame;
    frame.studio = 1;
    frame.address = address;
    frame.command = code;
    frame.data = std::move(data);
    frame.answerWanted = answerWanted;
    return frame;
}

TEST(SimBusLogTest, EachFrameIsOneLineWithItsAddressCodeAndData)
{
    const struct {
        void (*write)(SimBusLog& log);
        std::vector<std::string> lines;
    } cases[] = {
        {[](SimBusLog& log) { log.Command(Command(3, 12, {2}), true, {103}); },
         {"<- address 3 studio 1 command 12 data 02, changes record 103"}},
        {[](SimBusLog& log) {
             log.Command(Command(3, 13, {0}), true, {1, 2});
         },
         {"<- address 3 studio 1 command 13 data 00, changes records 1, 2"}},
        {[](SimBusLog& log) { log.Command(Command(200, 102, {}, false), false, {}); },
         {"<- address 200 studio 1 command 102, no answer wanted, no unit there"}},
        {[](SimBusLog& log) { log.Unreadable("S1\x01\""); }, {"<- unreadable \"S1\\x01\\\"\""}},
        {[](SimBusLog& log) {
             log.Sent(SimBus::RecordText(FrameHead::Broadcast, 2, 5, 1, {0x0A, 0xFF}) +
                      SimBus::RecordText(FrameHead::Answer, 1, 5, 300, {}));
         },
         {"-> address 5 studio 2 broadcast record 1 data 0A FF", "-> address 5 studio 1 record 300"}},
        {[](SimBusLog& log) { log.Lost(17); }, {"-> 17 characters lost: the program does not read the line"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.front());
        std::ostringstream out;
        SimBusLog log;
        log.SetStream(&out);
        c.write(log);
        EXPECT_EQ(Untimed(out.str()), c.lines);
    }
}

TEST(SimBusLogTest, TextThatIsNoRecordFrameIsShownAsItIsAPieceALine)
{
    // Noise, a frame spoilt by one character, a frame without its end.
    std::string spoilt = SimBus::RecordText(FrameHead::Answer, 1, 5, 1, {7});
    spoilt[6] = static_cast<char>(spoilt[6] ^ 1);
    std::ostringstream out;
    SimBusLog log;
    log.SetStream(&out);
    log.Sent("x\\y\x7F\r" + spoilt + "S2");
    const std::vector<std::string> expected = {
        "-> text \"x\\\\y\\x7F\\r\"",
        "-> text \"" + spoilt.substr(0, spoilt.size() - 1) + "\\r\"",
        "-> text \"S2\"",
    };
    EXPECT_EQ(Untimed(out.str()), expected);
}

TEST(SimBusLogTest, WhatDoesNotFitIntoALineNobodyReadsIsLostAndLoggedWithoutWaiting)
{
    SimBus bus(SimBus::Reader::OtherProcess);
    ASSERT_TRUE(bus.IsOpen());
    const int line = ::open(bus.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(line, 0);
    std::ostringstream out;
    bus.SetLog(&out);
    const std::size_t sent = 1 << 20;
    bus.SendRaw(std::string(sent, 'x'));
    bus.SetLog(nullptr);
    const std::vector<std::string> lines = Untimed(out.str());
    ASSERT_EQ(lines.size(), 2u);
    std::size_t lost = 0;
    ASSERT_EQ(std::sscanf(lines[1].c_str(), "-> %zu characters lost", &lost), 1) << lines[1];
    EXPECT_GT(lost, 0u);
    // Whatever was not lost arrives, in full.
    std::size_t received = 0;
    char chunk[4096];
    for (pollfd fd{line, POLLIN, 0}; ::poll(&fd, 1, 200) > 0; fd.revents = 0) {
        const ssize_t got = ::read(line, chunk, sizeof chunk);
        if (got <= 0)
            break;
        received += static_cast<std::size_t>(got);
    }
    ::close(line);
    EXPECT_EQ(received + lost, sent);
}

class SimBusLogBusTest : public BusFixture {};

TEST_F(SimBusLogBusTest, DelayedAnswersAreLoggedWhenTheyGoOutTheirNoiseApart)
{
    std::ostringstream out;
    bus.SetLog(&out);
    SimBus::Unit& unit = bus.AddUnit(2, 1, 37);
    unit.answerDelay = 2;
    unit.noise = "zz";
    Open(1, 2, 2);
    std::size_t seen = 0;
    // Until the first answer: the identify request, then on the second pump
    // after it the noise and the identity record.
    std::vector<std::string> lines;
    ASSERT_TRUE(RunUntil([&] {
        lines = Untimed(out.str());
        for (; seen < lines.size(); ++seen) {
            if (lines[seen].rfind("-> ", 0) == 0)
                return true;
        }
        return false;
    }));
    ASSERT_GE(seen, 1u);
    EXPECT_EQ(lines[seen - 1], "<- address 2 studio 1 command 101 data 00");
    EXPECT_EQ(lines[seen], "-> text \"zz\"");
    ASSERT_GT(lines.size(), seen + 1);
    EXPECT_EQ(lines[seen + 1].rfind("-> address 2 studio 1 record 4 data 25", 0), 0u) << lines[seen + 1];
    bus.SetLog(nullptr);
}

}  // namespace
