// Frames on the bus: a head of two characters, then every byte from the
// length through the checksum as two characters (0x30 + nibble, high nibble
// first), then a carriage return. The codec knows nothing of the line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The decoded record of a received frame: bytes 0 (length L) through L
// (checksum); L is at most 81.
constexpr std::size_t kRecordSize = 82;
// A command's data bytes: the length byte and checksum index are 8-bit.
constexpr int kMaxCommandData = 249;
// Longest text that can carry a record: head plus two characters a byte.
constexpr std::size_t kMaxFrameText = 2 + 2 * kRecordSize;

// Codes the library itself sends or reads.
enum : uint16_t {
    kRecordIdentity = 4,     // answer to kCommandIdentify
    kCommandStatusPoll = 100,
    kCommandIdentify = 101,  // one data byte 0
    kCommandNoAnswer = 102,  // head S0: the units do not answer it
};

enum class FrameHead { Rejected, Answer, Broadcast };  // S2 and S4

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
std::string EncodeCommand(uint8_t* buffer, int length, uint8_t studio, uint8_t address,
                          uint16_t command, bool rangeMark);

// Decodes a received text (without its carriage return) into record. Only an
// answer or broadcast with a matching length byte between 5 and 81 and a
// right checksum is accepted; record is untouched otherwise.
FrameHead DecodeFrame(std::string_view text, uint8_t (&record)[kRecordSize]);
