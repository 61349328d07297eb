// Frames on the bus: a head of two characters, then every byte from the
// length through the checksum as two characters (0x30 + nibble, high nibble
// first), then a carriage return. The codec knows nothing of the line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The decoded record of a received frame: bytes 0 (length L) through L
// (checksum); L is at most 81.
constexpr std::size_t kRecordSize = 82;
// A command's data bytes: the length byte and checksum index are 8-bit.
constexpr int kMaxCommandData = 249;
// Longest text that can carry a record: head plus two characters a byte.
constexpr std::size_t kMaxFrameText = 2 + 2 * kRecordSize;

// A record frame's data bytes: its length byte counts them and five more.
constexpr std::size_t kMaxRecordData = 250;

// Codes the library and the units it simulates send or read.
enum : uint16_t {
    kCommandRequestRecord = 2,  // two data bytes: the record number
    // Settings of which only the newest waiting one matters.
    kCommandInterval = 7,
    kCommandDelay = 8,
    kRecordIdentity = 4,       // answer to kCommandIdentify
    kRecordStatus = 100,       // answer to a status poll with nothing pending
    kFirstMemoryRecord = 101,  // the unit's memories, one record each
    kCommandStatusPoll = 100,
    kCommandIdentify = 101,  // one data byte 0
    kCommandNoAnswer = 102,  // head S0: the units do not answer it
};

enum class FrameHead { Rejected, Answer, Broadcast };  // S2 and S4

// A command frame as a unit reads it.
struct CommandFrame {
    bool rangeMark = false;    // head letter "P"
    bool answerWanted = true;  // head digit not 0
    uint8_t studio = 0;
    uint8_t address = 0;
    uint16_t command = 0;
    std::vector<uint8_t> data;
};

uint8_t Checksum(const uint8_t* bytes, std::size_t count);

// Two characters of a frame text as one byte. Characters are not validated:
// a pair decodes modulo 256.
uint8_t DecodePair(char high, char low);

// Text of the frame with the given head byte followed by count bytes: the
// head's high nibble as 0x50 + nibble, every other nibble as 0x30 + nibble.
// No carriage return.
std::string EncodeFrameText(uint8_t head, const uint8_t* bytes, std::size_t count);

// Fills the header of a command buffer (bytes 0 to 5: head digit, length,
// studio, address, code high, code low) and the checksum behind the length
// data bytes at 6 onward, and returns the frame text with its carriage
// return. The head letter is "P" for an identify frame when rangeMark is set.
// A null buffer or more than kMaxCommandData bytes yields an empty text and
// leaves the buffer alone.
std::string EncodeCommand(uint8_t* buffer, int length, uint8_t studio, uint8_t address, uint16_t command,
                          bool rangeMark);

// Decodes a command text (without its carriage return): head "S" or "P",
// a length byte of at least 5 that matches the text, a right checksum.
// Returns false, leaving frame alone, for anything else.
bool DecodeCommand(std::string_view text, CommandFrame& frame);

// Text of a unit's record frame, head S2 (or S4 for a broadcast), without a
// carriage return. More than kMaxRecordData data bytes yield an empty text.
std::string EncodeRecord(FrameHead head, uint8_t studio, uint8_t address, uint16_t record, const uint8_t* data,
                         std::size_t count);

// Decodes a received text (without its carriage return) into record. Only an
// answer or broadcast with a matching length byte between 5 and 81 and a
// right checksum is accepted; record is untouched otherwise.
FrameHead DecodeFrame(std::string_view text, uint8_t (&record)[kRecordSize]);
