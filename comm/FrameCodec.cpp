#include "comm/FrameCodec.h"

#include <cstring>

#include "comm/BigEndian.h"

namespace {

constexpr uint8_t kMinLength = 5;  // length, studio, address, two code bytes
constexpr uint8_t kMaxLength = kRecordSize - 1;
constexpr uint8_t kHeadAnswer = 0x32;
constexpr uint8_t kHeadBroadcast = 0x34;

char NibbleChar(unsigned nibble)
{
    return static_cast<char>(0x30 + (nibble & 0x0F));
}

}  // namespace

uint8_t DecodePair(char high, char low)
{
    return static_cast<uint8_t>((static_cast<uint8_t>(high) - 0x30) * 16 + (static_cast<uint8_t>(low) - 0x30));
}

uint8_t Checksum(const uint8_t* bytes, std::size_t count)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum);
}

std::string EncodeFrameText(uint8_t head, const uint8_t* bytes, std::size_t count)
{
    std::string text;
    text.reserve(2 + 2 * count + 1);
    text += static_cast<char>(0x50 + (head >> 4));
    text += NibbleChar(head);
    for (std::size_t i = 0; i < count; ++i) {
        text += NibbleChar(bytes[i] >> 4);
        text += NibbleChar(bytes[i]);
    }
    return text;
}

std::string EncodeCommand(uint8_t* buffer, int length, uint8_t studio, uint8_t address, uint16_t command,
                          bool rangeMark)
{
    if (!buffer || length < 0 || length > kMaxCommandData)
        return {};
    const uint8_t frameLength = static_cast<uint8_t>(length + 5);
    const uint8_t headDigit = command == kCommandNoAnswer ? 0 : 1;
    buffer[0] = headDigit;
    buffer[1] = frameLength;
    buffer[2] = studio;
    buffer[3] = address;
    WriteBe16(buffer + 4, command);
    buffer[frameLength + 1] = Checksum(buffer + 1, frameLength);

    // "S" is head 0x3_, "P" is head 0x0_.
    const uint8_t headHigh = (command == kCommandIdentify && rangeMark) ? 0x00 : 0x30;
    std::string text = EncodeFrameText(headHigh | headDigit, buffer + 1, frameLength + 1u);
    text += '\r';
    return text;
}

bool DecodeCommand(std::string_view text, CommandFrame& frame)
{
    if (text.size() % 2 != 0 || text.size() < 2 || (text[0] != 'S' && text[0] != 'P'))
        return false;
    // Head, then the length byte L and L more bytes.
    const std::size_t pairs = text.size() / 2 - 1;
    if (pairs < kMinLength + 1u)
        return false;
    std::vector<uint8_t> bytes(pairs);
    for (std::size_t i = 0; i < pairs; ++i)
        bytes[i] = DecodePair(text[2 + 2 * i], text[3 + 2 * i]);
    const std::size_t length = bytes[0];
    if (length + 1 != pairs || bytes[length] != Checksum(bytes.data(), length))
        return false;
    frame.rangeMark = text[0] == 'P';
    frame.answerWanted = text[1] != '0';
    frame.studio = bytes[1];
    frame.address = bytes[2];
    frame.command = ReadBe16(&bytes[3]);
    frame.data.assign(bytes.begin() + kMinLength, bytes.begin() + static_cast<std::ptrdiff_t>(length));
    return true;
}

std::string EncodeRecord(FrameHead head, uint8_t studio, uint8_t address, uint16_t record, const uint8_t* data,
                         std::size_t count)
{
    if (count > kMaxRecordData)
        return {};
    std::vector<uint8_t> bytes{static_cast<uint8_t>(kMinLength + count), studio, address};
    AppendBe16(bytes, record);
    bytes.insert(bytes.end(), data, data + count);
    bytes.push_back(Checksum(bytes.data(), bytes.size()));
    return EncodeFrameText(head == FrameHead::Broadcast ? kHeadBroadcast : kHeadAnswer, bytes.data(), bytes.size());
}

FrameHead DecodeFrame(std::string_view text, uint8_t (&record)[kRecordSize])
{
    if (text.size() % 2 != 0 || text.size() < 2)
        return FrameHead::Rejected;
    FrameHead head;
    if (text.substr(0, 2) == "S2")
        head = FrameHead::Answer;
    else if (text.substr(0, 2) == "S4")
        head = FrameHead::Broadcast;
    else
        return FrameHead::Rejected;

    // Length byte L, then L more bytes: the text holds L + 1 pairs.
    const std::size_t n = text.size() / 2 - 2;
    if (n < kMinLength || n > kMaxLength)
        return FrameHead::Rejected;
    uint8_t decoded[kRecordSize];
    for (std::size_t i = 0; i <= n; ++i)
        decoded[i] = DecodePair(text[2 + 2 * i], text[3 + 2 * i]);
    if (decoded[0] != n || decoded[n] != Checksum(decoded, n))
        return FrameHead::Rejected;
    std::memcpy(record, decoded, n + 1);
    return head;
}
