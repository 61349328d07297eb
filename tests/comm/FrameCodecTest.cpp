// Frame text encoding, assembly of received characters and decoding.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "comm/BigEndian.h"
#include "comm/FrameAssembler.h"
#include "comm/FrameCodec.h"

namespace {

struct EncodeCase {
    const char* name;
    std::vector<uint8_t> data;
    uint8_t studio;
    uint8_t address;
    uint16_t command;
    bool rangeMark;
    const char* text;  // without the carriage return
};

void PrintTo(const EncodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class EncodeTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTest, BuildsHeaderChecksumAndText)
{
    const EncodeCase& c = GetParam();
    uint8_t buffer[300];
    std::memset(buffer, 0xEE, sizeof buffer);
    std::copy(c.data.begin(), c.data.end(), buffer + 6);
    const std::string text =
        EncodeCommand(buffer, static_cast<int>(c.data.size()), c.studio, c.address, c.command, c.rangeMark);
    EXPECT_EQ(text, std::string(c.text) + "\r");

    const std::size_t n = c.data.size();
    EXPECT_EQ(buffer[0], c.command == kCommandNoAnswer ? 0 : 1);
    EXPECT_EQ(buffer[1], n + 5);
    EXPECT_EQ(buffer[2], c.studio);
    EXPECT_EQ(buffer[3], c.address);
    EXPECT_EQ(ReadBe16(buffer + 4), c.command);
    EXPECT_EQ(buffer[6 + n], Checksum(buffer + 1, n + 5));
    EXPECT_EQ(buffer[7 + n], 0xEE) << "nothing is written behind the checksum";
    EXPECT_EQ(text.size(), 2 * n + 15);
}

INSTANTIATE_TEST_SUITE_P(Frames, EncodeTest,
                         testing::Values(EncodeCase{"StatusPoll", {}, 1, 3, 100, false, "S105010300646="},
                                         EncodeCase{"Identify", {0}, 1, 2, 101, false, "S10601020065006>"},
                                         EncodeCase{
                                             "IdentifyAfterRangeChange", {0}, 1, 2, 101, true, "P10601020065006>"},
                                         EncodeCase{"RangeMarkOnlyOnIdentify", {}, 1, 3, 100, true, "S105010300646="},
                                         EncodeCase{"NoAnswerHeadS0", {7}, 1, 5, 102, false, "S006010500660779"},
                                         // 10 to 15 are ":" to "?", never hexadecimal letters.
                                         EncodeCase{"HighNibbles",
                                                    {0xAB, 0xFF},
                                                    20,
                                                    0xC3,
                                                    0x1E2F,
                                                    false,
                                                    "S10714<31>2?:;?"
                                                    "?=5"}),
                         [](const testing::TestParamInfo<EncodeCase>& info) { return std::string(info.param.name); });

TEST(EncodeCommandTest, RefusesWhatCannotBeFramed)
{
    uint8_t buffer[300] = {};
    EXPECT_TRUE(EncodeCommand(nullptr, 0, 1, 1, 100, false).empty());
    EXPECT_TRUE(EncodeCommand(buffer, 250, 1, 1, 100, false).empty());
    EXPECT_EQ(buffer[1], 0) << "a refused command leaves the buffer alone";
    const std::string longest = EncodeCommand(buffer, 249, 1, 1, 100, false);
    EXPECT_EQ(longest.size(), 2u * 249 + 15);
    EXPECT_EQ(buffer[1], 254);
}

struct DecodeCase {
    const char* name;
    std::string text;
    FrameHead head;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, AcceptsOnlyWellFormedAnswersAndBroadcasts)
{
    const DecodeCase& c = GetParam();
    uint8_t record[kRecordSize];
    std::memset(record, 0xEE, sizeof record);
    EXPECT_EQ(DecodeFrame(c.text, record), c.head);
    if (c.head == FrameHead::Rejected) {
        EXPECT_EQ(record[0], 0xEE) << "a rejected frame leaves the record alone";
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, DecodeTest,
                         testing::Values(DecodeCase{"Answer", "S2060102006481>>", FrameHead::Answer},
                                         DecodeCase{"Broadcast", "S4060102006481>>", FrameHead::Broadcast},
                                         DecodeCase{"NoData", "S205010300646=", FrameHead::Answer},
                                         DecodeCase{"CommandHeadS1", "S1060102006481>>", FrameHead::Rejected},
                                         DecodeCase{"HeadP2", "P2060102006481>>", FrameHead::Rejected},
                                         DecodeCase{"OddLength", "S2060102006481>>0", FrameHead::Rejected},
                                         DecodeCase{"OnePairMore", "S206010200648100>>", FrameHead::Rejected},
                                         DecodeCase{"OnePairLess", "S20601020064>>", FrameHead::Rejected},
                                         DecodeCase{"WrongChecksum", "S2060102006481>=", FrameHead::Rejected},
                                         // "A" decodes as 17: not refused, but the checksum no longer fits.
                                         DecodeCase{"HexLetter", "S206010200648A>>", FrameHead::Rejected},
                                         DecodeCase{"Empty", "", FrameHead::Rejected},
                                         DecodeCase{"HeadOnly", "S2", FrameHead::Rejected},
                                         // Length bytes below 5 would take the header from stale bytes.
                                         DecodeCase{"LengthFour", "S20401020007", FrameHead::Rejected},
                                         DecodeCase{"LengthZero", "S20000", FrameHead::Rejected}),
                         [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

// A frame text of an answer with the given data bytes.
std::string AnswerText(uint8_t length, const std::vector<uint8_t>& bytesAfterLength)
{
    std::vector<uint8_t> bytes{length};
    bytes.insert(bytes.end(), bytesAfterLength.begin(), bytesAfterLength.end());
    bytes.push_back(Checksum(bytes.data(), bytes.size()));
    return EncodeFrameText(0x32, bytes.data(), bytes.size());
}

TEST(DecodeFrameTest, FillsTheRecordFromLengthToChecksum)
{
    uint8_t record[kRecordSize] = {};
    ASSERT_EQ(DecodeFrame("S2060102006481>>", record), FrameHead::Answer);
    const uint8_t expected[] = {0x06, 0x01, 0x02, 0x00, 0x64, 0x81, 0xEE};
    EXPECT_EQ(std::memcmp(record, expected, sizeof expected), 0);
}

TEST(DecodeFrameTest, LargestRecordFitsAndLargerIsRefused)
{
    std::vector<uint8_t> body(80, 0x5A);  // studio .. last data byte
    uint8_t record[kRecordSize] = {};
    ASSERT_EQ(DecodeFrame(AnswerText(81, body), record), FrameHead::Answer);
    EXPECT_EQ(record[0], 81);
    EXPECT_EQ(record[80], 0x5A);

    body.push_back(0x5A);
    std::memset(record, 0, sizeof record);
    EXPECT_EQ(DecodeFrame(AnswerText(82, body), record), FrameHead::Rejected);
    EXPECT_EQ(record[0], 0);
}

struct CommandCase {
    const char* name;
    std::string text;
    bool accepted;
    CommandFrame frame;
};

void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << c.name;
}

class DecodeCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(DecodeCommandTest, ReadsCommandsAsAUnitDoes)
{
    const CommandCase& c = GetParam();
    CommandFrame frame;
    frame.studio = 0xEE;
    ASSERT_EQ(DecodeCommand(c.text, frame), c.accepted);
    if (!c.accepted) {
        EXPECT_EQ(frame.studio, 0xEE) << "a refused text leaves the frame alone";
        return;
    }
    EXPECT_EQ(frame.rangeMark, c.frame.rangeMark);
    EXPECT_EQ(frame.answerWanted, c.frame.answerWanted);
    EXPECT_EQ(frame.studio, c.frame.studio);
    EXPECT_EQ(frame.address, c.frame.address);
    EXPECT_EQ(frame.command, c.frame.command);
    EXPECT_EQ(frame.data, c.frame.data);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, DecodeCommandTest,
    testing::Values(CommandCase{"StatusPoll", "S105010300646=", true, {false, true, 1, 3, 100, {}}},
                    CommandCase{"IdentifyAfterRangeChange", "P10601020065006>", true, {true, true, 1, 2, 101, {0}}},
                    CommandCase{"NoAnswerWanted", "S006010500660779", true, {false, false, 1, 5, 102, {7}}},
                    CommandCase{"HighNibbles",
                                "S10714<31>2?:;?"
                                "?=5",
                                true,
                                {false, true, 20, 0xC3, 0x1E2F, {0xAB, 0xFF}}},
                    CommandCase{"HeadT", "T105010300646=", false, {}},
                    CommandCase{"OddLength", "S105010300646=0", false, {}},
                    CommandCase{"WrongChecksum", "S105010300646>", false, {}},
                    CommandCase{"OnePairMore", "S10501030064006=", false, {}},
                    CommandCase{"LengthFour", "S10401030008", false, {}}, CommandCase{"HeadOnly", "S1", false, {}},
                    CommandCase{"Empty", "", false, {}}),
    [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST(DecodeCommandTest, ReadsBackWhatTheEncoderWrote)
{
    for (int length : {0, 1, 2, 76, 249}) {
        std::vector<uint8_t> buffer(length + 7);
        for (int i = 0; i < length; ++i)
            buffer[6 + i] = static_cast<uint8_t>(i * 37);
        const std::string text = EncodeCommand(buffer.data(), length, 9, 200, 0x0107, false);
        CommandFrame frame;
        ASSERT_TRUE(DecodeCommand(std::string_view(text).substr(0, text.size() - 1), frame)) << length;
        EXPECT_EQ(frame.studio, 9);
        EXPECT_EQ(frame.address, 200);
        EXPECT_EQ(frame.command, 0x0107);
        EXPECT_EQ(frame.data, std::vector<uint8_t>(buffer.begin() + 6, buffer.begin() + 6 + length));
    }
}

TEST(EncodeRecordTest, AnswersAndBroadcastsDecodeAsRecords)
{
    EXPECT_EQ(EncodeRecord(FrameHead::Answer, 1, 2, 100, std::vector<uint8_t>{0x81}.data(), 1), "S2060102006481>>");
    EXPECT_EQ(EncodeRecord(FrameHead::Broadcast, 1, 2, 100, std::vector<uint8_t>{0x81}.data(), 1), "S4060102006481>>");
    EXPECT_EQ(EncodeRecord(FrameHead::Answer, 1, 3, 100, nullptr, 0), "S205010300646=");

    // The largest record the port takes, and one byte more, which it refuses.
    const std::vector<uint8_t> data(kRecordSize - 6, 0xC5);
    uint8_t record[kRecordSize] = {};
    ASSERT_EQ(DecodeFrame(EncodeRecord(FrameHead::Answer, 7, 8, 0x0203, data.data(), data.size()), record),
              FrameHead::Answer);
    EXPECT_EQ(record[0], kRecordSize - 1);
    EXPECT_EQ(ReadBe16(record + 3), 0x0203);
    EXPECT_EQ(record[kRecordSize - 2], 0xC5);
    const std::vector<uint8_t> longer(kRecordSize - 5, 0xC5);
    EXPECT_EQ(DecodeFrame(EncodeRecord(FrameHead::Answer, 7, 8, 1, longer.data(), longer.size()), record),
              FrameHead::Rejected);

    // A length byte counts at most kMaxRecordData data bytes.
    const std::vector<uint8_t> most(kMaxRecordData, 1);
    EXPECT_EQ(EncodeRecord(FrameHead::Answer, 1, 1, 1, most.data(), most.size()).size(), 2 + 2 * (most.size() + 6));
    const std::vector<uint8_t> tooMany(kMaxRecordData + 1, 1);
    EXPECT_TRUE(EncodeRecord(FrameHead::Answer, 1, 1, 1, tooMany.data(), tooMany.size()).empty());
}

TEST(BigEndianTest, HighByteFirst)
{
    uint8_t bytes[3] = {0, 0, 0xEE};
    WriteBe16(bytes, 0x1234);
    EXPECT_EQ(bytes[0], 0x12);
    EXPECT_EQ(bytes[1], 0x34);
    EXPECT_EQ(bytes[2], 0xEE);
    EXPECT_EQ(ReadBe16(bytes), 0x1234);
    const uint8_t top[2] = {0xFF, 0x01};
    EXPECT_EQ(ReadBe16(top), 0xFF01);
    std::vector<uint8_t> appended{7};
    AppendBe16(appended, 0xABCD);
    EXPECT_EQ(appended, (std::vector<uint8_t>{7, 0xAB, 0xCD}));
}

// Feeds text and returns every text that a carriage return completed.
std::vector<std::string> Assemble(FrameAssembler& assembler, const std::string& received)
{
    std::vector<std::string> texts;
    for (char c : received) {
        if (assembler.Feed(c))
            texts.push_back(assembler.Text());
    }
    return texts;
}

TEST(FrameAssemblerTest, HandsOnTextsAtCarriageReturns)
{
    struct Case {
        const char* received;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"S2060102006481>>\r", {"S2060102006481>>"}},
        {"\r", {""}},
        // A start character restarts: a broken answer then a whole one.
        {"S20601020S2060102006481>>\r", {"S2060102006481>>"}},
        // Characters before any start character stay until a carriage return.
        {"abc\r", {"abc"}},
        {"abcS205010300646=\r", {"S205010300646="}},
        {"S205\rS206\r", {"S205", "S206"}},
        {"S2", {}},
    };
    for (const Case& c : cases) {
        FrameAssembler assembler;
        EXPECT_EQ(Assemble(assembler, c.received), c.texts) << c.received;
    }
}

TEST(FrameAssemblerTest, CollectionIsBoundedAndRecoversAtTheNextStart)
{
    FrameAssembler assembler;
    const std::string longest = "S2" + std::string(2 * kRecordSize, '0');
    EXPECT_EQ(Assemble(assembler, longest + "\r"), std::vector<std::string>{longest});

    // One character too many: everything up to the next start is dropped.
    const std::vector<std::string> texts =
        Assemble(assembler, longest + "0" + std::string(5000, '1') + "\rS205010300646=\r");
    EXPECT_EQ(texts, std::vector<std::string>{"S205010300646="});
    EXPECT_LE(assembler.Text().size(), kMaxFrameText);
}

}  // namespace
