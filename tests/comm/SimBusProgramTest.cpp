// The vesk-simbus program as a user meets it: started with arguments, spoken
// to through its terminal as the library would, stopped with a signal.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <regex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "SimBusProgram.h"
#include "comm/BigEndian.h"
#include "comm/DeviceTypeTable.h"
#include "comm/FrameAssembler.h"
#include "comm/FrameCodec.h"
#include "tools/SimBus.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

class SimBusProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "simbus-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }

    void TearDown() override
    {
        if (line >= 0)
            ::close(line);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    // Opens the program's terminal as the library's serial layer does.
    void OpenLine(const std::string& path)
    {
        line = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(line, 0) << path;
    }

    void SendCommand(uint8_t address, uint16_t code, const std::vector<uint8_t>& data, uint8_t studio = 1)
    {
        std::vector<uint8_t> buffer(data.size() + 7, 0);
        std::copy(data.begin(), data.end(), buffer.begin() + 6);
        const std::string text =
            EncodeCommand(buffer.data(), static_cast<int>(data.size()), studio, address, code, false);
        ASSERT_EQ(::write(line, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // The next record frame from the line, read as soon as any of it is
    // there; false when none is complete within limitMs.
    bool Receive(uint8_t (&record)[kRecordSize], int limitMs)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
        while (Clock::now() < deadline) {
            pollfd fd{line, POLLIN, 0};
            if (::poll(&fd, 1, 10) <= 0)
                continue;
            char c;
            while (::read(line, &c, 1) == 1) {
                if (assembler.Feed(c) && DecodeFrame(assembler.Text(), record) != FrameHead::Rejected)
                    return true;
            }
        }
        return false;
    }

    static std::string ReadFile(const fs::path& path)
    {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string one; std::getline(in, one);)
            lines.push_back(one);
        return lines;
    }

    fs::path folder;
    int line = -1;
    FrameAssembler assembler;
};

TEST_F(SimBusProgramTest, AnswersEveryCommandAtOnceWhileTheProgramReadsAsFastAsItCan)
{
    SimBusProgram program({"3:1:20:1"});
    OpenLine(program.DevicePath());
    // A program that reads each answer as it arrives and sends the next
    // command at once, as during a held energy spin.
    long slowest = 0;
    for (int round = 0; round < 20; ++round) {
        const auto sent = Clock::now();
        SendCommand(3, 1, {static_cast<uint8_t>(40 + round), 0, 1});
        uint8_t record[kRecordSize];
        ASSERT_TRUE(Receive(record, 3000)) << "round " << round;
        EXPECT_EQ(record[2], 3);
        slowest =
            std::max<long>(slowest, std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent).count());
    }
    EXPECT_LT(slowest, 400);
}

TEST_F(SimBusProgramTest, BadArgumentsAreRejectedNamingTheArgumentAndWhy)
{
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"1:1:99"}, "\"1:1:99\": type 99 is none the bus simulates (16, 18, 20, 25, 26, 32, 37, 137)"},
        {{"3:1:20:1", "4:1:32:1", "3:1:32:1"}, "\"3:1:32:1\": address 3 of studio 1 already holds \"3:1:20:1\""},
        {{"1:1"}, "\"1:1\": a unit is ADDRESS:STUDIO:TYPE"},
        {{"1:1:20:1:2"}, "\"1:1:20:1:2\": a unit is ADDRESS:STUDIO:TYPE"},
        {{"256:1:20"}, "\"256:1:20\": the address \"256\" is not a number from 0 to 255"},
        {{"1: 1:20"}, "\"1: 1:20\": the studio \" 1\" is not a number from 0 to 255"},
        {{"1:1:+20"}, "\"1:1:+20\": the type \"+20\" is not a number from 0 to 255"},
        {{"1:1:20:x"}, "\"1:1:20:x\": the variant \"x\" is neither a number from 0 to 255 nor \"model\""},
        {{"1:1:20:model"}, "\"1:1:20:model\": only types 37 and 137 answer through the model"},
        {{"1:1:20", "--link"}, "\"--link\": needs a path"},
        {{"--log", ""}, "\"--log\": needs a file, or - for standard error"},
        {{"--log", "--link", "1:1:20"}, "\"--log\": needs a file, or - for standard error, not \"--link\""},
        {{"--link", "--log", "-", "1:1:20"}, "\"--link\": needs a path, not \"--log\""},
        {{"--link", "-v", "1:1:20"}, "\"--link\": needs a path, not \"-v\""},
        {{"--link", "a", "--link", "b"}, "\"--link\": given twice"},
        {{"--verbose", "1:1:20"}, "\"--verbose\": no such option"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        SimBusProgram program(c.arguments);
        EXPECT_EQ(program.Wait(), 2);
        const std::vector<std::string> lines = Lines(program.Errors());
        ASSERT_EQ(lines.size(), 2u) << program.Errors();
        EXPECT_EQ(lines[0].rfind("vesk-simbus: " + c.message, 0), 0u) << lines[0];
        EXPECT_EQ(lines[1].rfind("usage: vesk-simbus", 0), 0u) << lines[1];
        EXPECT_EQ(program.Output(), "");
    }
}

TEST_F(SimBusProgramTest, UnitsOfOneAddressInTwoStudiosAndEveryTypeAreAccepted)
{
    SimBusProgram program({"3:1:20:1", "3:2:32:1", "4:1:37:model", "5:1:137", "6:1:16:65", "7:1:18", "8:1:25:255",
                           "9:1:26:0", "0:0:137:model"});
    OpenLine(program.DevicePath());
    const struct {
        uint8_t studio;
        uint8_t address;
        uint8_t type;
    } units[] = {{1, 3, 20}, {2, 3, 32}, {1, 4, 37}, {1, 6, 16}, {1, 8, 25}};
    for (const auto& unit : units) {
        SendCommand(unit.address, kCommandIdentify, {0}, unit.studio);
        uint8_t record[kRecordSize];
        ASSERT_TRUE(Receive(record, 3000)) << int(unit.address);
        EXPECT_EQ(record[1], unit.studio);
        EXPECT_EQ(record[2], unit.address);
        EXPECT_EQ(ReadBe16(record + 3), kRecordIdentity);
        EXPECT_EQ(record[5], unit.type);
    }
    EXPECT_EQ(program.Stop(), 0);
}

TEST_F(SimBusProgramTest, LinkReplacesOnlyALinkToATerminalThatAnEarlierBusLeft)
{
    const fs::path path = folder / "bus";
    const fs::path mine = folder / "mine.txt";
    std::ofstream(mine) << "the user's words";
    const struct {
        const char* name;
        void (*make)(const fs::path& path, const fs::path& mine);
        const char* why;
    } taken[] = {
        {"a file", [](const fs::path& p, const fs::path&) { std::ofstream(p) << "the user's words"; },
         ": a file is there"},
        {"a folder", [](const fs::path& p, const fs::path&) { fs::create_directory(p); }, ": a folder is there"},
        {"a link to a file", [](const fs::path& p, const fs::path& m) { fs::create_symlink(m, p); }, ": a link to \""},
        {"a link to a device", [](const fs::path& p, const fs::path&) { fs::create_symlink("/dev/null", p); },
         ": a link to \"/dev/null\""},
    };
    for (const auto& thing : taken) {
        SCOPED_TRACE(thing.name);
        fs::remove_all(path);
        thing.make(path, mine);
        const fs::file_status before = fs::symlink_status(path);
        const std::string target = fs::is_symlink(before) ? fs::read_symlink(path).string() : "";

        SimBusProgram program({"--link", path.string(), "3:1:20:1"});
        EXPECT_EQ(program.Wait(), 1);
        EXPECT_NE(program.Errors().find("vesk-simbus: --link " + path.string() + thing.why), std::string::npos)
            << program.Errors();
        EXPECT_EQ(program.Output(), "");
        ASSERT_EQ(fs::symlink_status(path).type(), before.type());
        if (fs::is_symlink(before)) {
            EXPECT_EQ(fs::read_symlink(path).string(), target);
        }
        if (fs::is_regular_file(before)) {
            EXPECT_EQ(ReadFile(path), "the user's words");
        }
        EXPECT_EQ(ReadFile(mine), "the user's words");
    }

    // A link an earlier bus left, its terminal long gone, and no link at all.
    for (const bool left : {true, false}) {
        SCOPED_TRACE(left ? "left link" : "nothing there");
        fs::remove_all(path);
        if (left)
            fs::create_symlink("/dev/pts/999999", path);
        SimBusProgram program({"--link", path.string(), "3:1:20:1"});
        const std::string device = program.DevicePath();
        ASSERT_FALSE(device.empty()) << program.Errors();
        EXPECT_EQ(fs::read_symlink(path).string(), device);
        OpenLine(path.string());
        SendCommand(3, kCommandIdentify, {0});
        uint8_t record[kRecordSize];
        EXPECT_TRUE(Receive(record, 3000));
        ::close(line);
        line = -1;
        EXPECT_EQ(program.Stop(), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
    }
}

TEST_F(SimBusProgramTest, WhatTheUserPutsInPlaceOfTheLinkStaysWhenTheBusEnds)
{
    const fs::path path = folder / "bus";
    SimBusProgram program({"--link", path.string(), "3:1:20:1"});
    ASSERT_FALSE(program.DevicePath().empty());
    fs::remove(path);
    std::ofstream(path) << "the user's words";
    EXPECT_EQ(program.Stop(), 0);
    EXPECT_EQ(ReadFile(path), "the user's words");
}

TEST_F(SimBusProgramTest, LogShowsEveryFrameWithItsTimeAddressCodeDataAndTheRecordsChanged)
{
    const fs::path log = folder / "bus.log";
    for (const bool toFile : {true, false}) {
        SCOPED_TRACE(toFile ? "file" : "standard error");
        SimBusProgram program({"--log", toFile ? log.string() : "-", "3:1:20:1"});
        OpenLine(program.DevicePath());
        uint8_t record[kRecordSize];
        // The main light to 6.0 with both outlets on: the status record
        // answers, the changed record 1 comes on the next poll.
        SendCommand(3, 1, {60, 0, 6});
        ASSERT_TRUE(Receive(record, 3000));
        SendCommand(3, kCommandStatusPoll, {});
        ASSERT_TRUE(Receive(record, 3000));
        // A command for an address without a unit, and one that is no frame.
        SendCommand(9, kCommandStatusPoll, {});
        ASSERT_EQ(::write(line, "S9x\r", 4), 4);
        // The bus has taken both once a later command is answered.
        SendCommand(3, kCommandStatusPoll, {});
        ASSERT_TRUE(Receive(record, 3000));
        ::close(line);
        line = -1;
        EXPECT_EQ(program.Stop(), 0);

        const std::vector<std::string> lines = Lines(toFile ? ReadFile(log) : program.Errors());
        const std::string time = "[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\\.[0-9]{3} ";
        const std::vector<std::string> expected = {
            "<- address 3 studio 1 command 1 data 3C 00 06, changes record 1",
            "-> address 3 studio 1 record 100 data 80 00",
            "<- address 3 studio 1 command 100",
            "-> address 3 studio 1 record 1 data 3C 00 00 00 28 32 01 2C 28 32 01 2C 00 00 00 00 3D 01 00 00",
            "<- address 9 studio 1 command 100, no unit there",
            "<- unreadable \"S9x\"",
            "<- address 3 studio 1 command 100",
            "-> address 3 studio 1 record 100 data 80 00",
        };
        ASSERT_EQ(lines.size(), expected.size()) << (toFile ? ReadFile(log) : program.Errors());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(std::regex_match(lines[i], std::regex(time + ".*"))) << lines[i];
            EXPECT_EQ(lines[i].substr(13), expected[i]);
        }
    }
}

TEST_F(SimBusProgramTest, LogThatCannotBeWrittenStopsTheStartNamingTheFile)
{
    const fs::path log = folder / "missing" / "bus.log";
    const fs::path link = folder / "bus";
    SimBusProgram program({"--log", log.string(), "--link", link.string(), "3:1:20:1"});
    EXPECT_EQ(program.Wait(), 1);
    EXPECT_NE(program.Errors().find("vesk-simbus: --log " + log.string() + ": "), std::string::npos)
        << program.Errors();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST_F(SimBusProgramTest, ATypeWithoutAVariantIdentifiesAsAUnitTheLibraryKnows)
{
    std::vector<std::string> arguments;
    const std::vector<uint16_t> types = SimBus::KnownTypes();
    for (std::size_t i = 0; i < types.size(); ++i)
        arguments.push_back(std::to_string(i + 1) + ":1:" + std::to_string(types[i]));
    SimBusProgram program(arguments);
    OpenLine(program.DevicePath());
    for (std::size_t i = 0; i < types.size(); ++i) {
        SCOPED_TRACE(arguments[i]);
        SendCommand(static_cast<uint8_t>(i + 1), kCommandIdentify, {0});
        uint8_t record[kRecordSize];
        ASSERT_TRUE(Receive(record, 3000));
        EXPECT_EQ(record[5], types[i]);
        EXPECT_NE(CreateDeviceFromIdentity(record), nullptr);
    }
    EXPECT_EQ(program.Stop(), 0);
}

TEST_F(SimBusProgramTest, EveryStopSignalEndsTheBusAndTakesItsLinkAlong)
{
    const fs::path path = folder / "bus";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2}) {
        SCOPED_TRACE(strsignal(signal));
        SimBusProgram program({"--link", path.string(), "3:1:20:1"});
        ASSERT_FALSE(program.DevicePath().empty()) << program.Errors();
        ASSERT_TRUE(fs::is_symlink(fs::symlink_status(path)));
        EXPECT_EQ(program.Stop(signal), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
    }
}

TEST_F(SimBusProgramTest, AClosedOutputNeitherEndsTheBusNorLeavesItsLink)
{
    const fs::path path = folder / "bus";
    const struct {
        const char* name;
        SimBusProgram::Closed closed;
        std::vector<std::string> arguments;
    } cases[] = {
        {"standard output", SimBusProgram::Closed::Output, {"--link", path.string(), "3:1:20:1"}},
        {"standard error with the log",
         SimBusProgram::Closed::Errors,
         {"--log", "-", "--link", path.string(), "3:1:20:1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimBusProgram program(c.arguments, c.closed);
        ASSERT_TRUE(program.WaitUntil([&] { return fs::is_symlink(fs::symlink_status(path)); })) << program.Errors();
        // Answers keep coming after the terminal's path went nowhere, and
        // after log lines did.
        OpenLine(path.string());
        for (int round = 0; round < 2; ++round) {
            SendCommand(3, kCommandIdentify, {0});
            uint8_t record[kRecordSize];
            EXPECT_TRUE(Receive(record, 3000)) << "round " << round;
        }
        ::close(line);
        line = -1;
        EXPECT_EQ(program.Stop(), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
        fs::remove(path);
    }
}

TEST_F(SimBusProgramTest, TheLogFileIsEmptiedOnlyOnceTheBusCanStart)
{
    const fs::path link = folder / "bus";
    std::ofstream(link) << "the link's place is taken";
    const fs::path log = folder / "bus.log";
    for (const bool there : {true, false}) {
        SCOPED_TRACE(there ? "a log file" : "no log file");
        fs::remove(log);
        if (there)
            std::ofstream(log) << "the user's words";
        SimBusProgram program({"--log", log.string(), "--link", link.string(), "3:1:20:1"});
        EXPECT_EQ(program.Wait(), 1);
        EXPECT_NE(program.Errors().find("vesk-simbus: --link " + link.string() + ": a file is there"),
                  std::string::npos)
            << program.Errors();
        ASSERT_EQ(fs::exists(log), there);
        if (there) {
            EXPECT_EQ(ReadFile(log), "the user's words");
        }
    }

    // With the link's place free the bus starts on an empty log.
    fs::remove(link);
    std::ofstream(log) << "the user's words";
    SimBusProgram program({"--log", log.string(), "--link", link.string(), "3:1:20:1"});
    ASSERT_FALSE(program.DevicePath().empty()) << program.Errors();
    EXPECT_TRUE(fs::is_regular_file(log));
    EXPECT_EQ(ReadFile(log), "");
    EXPECT_EQ(program.Stop(), 0);
}

TEST_F(SimBusProgramTest, ALogPathThatIsNoFileIsRefusedWithoutWaitingForAReader)
{
    const fs::path link = folder / "bus";
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path sub = folder / "sub";
    fs::create_directory(sub);
    const struct {
        fs::path path;
        const char* what;
    } cases[] = {
        {pipe, "a named pipe"},
        {sub, "a folder"},
        {"/dev/null", "a device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SimBusProgram program({"--log", c.path.string(), "--link", link.string(), "3:1:20:1"});
        EXPECT_EQ(program.Wait(), 1);
        EXPECT_NE(program.Errors().find("vesk-simbus: --log " + c.path.string() + ": " + c.what +
                                        " is there; the log is a regular file, or - for standard error"),
                  std::string::npos)
            << program.Errors();
        EXPECT_EQ(program.Output(), "");
        EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_empty(sub));
}

}  // namespace
