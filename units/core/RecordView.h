// A record from a unit as its decoders read it: byte 0 is the length, then
// studio, address, record number (two bytes) and the data from byte 5 on.
// Every read is bounds-checked; a decoder first asks Has() for the highest
// byte it reads and ignores a record too short for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class RecordView {
public:
    // count bytes from bytes[0] on (the record's length byte included).
    RecordView(const uint8_t* bytes, std::size_t count) : m_bytes(bytes), m_count(bytes ? count : 0) {}

    std::size_t Size() const { return m_count; }
    // Whether byte index is present.
    bool Has(std::size_t index) const { return index < m_count; }
    uint16_t Number() const { return Be16(3); }

    // Absent bytes read as 0.
    uint8_t Byte(std::size_t index) const { return Has(index) ? m_bytes[index] : 0; }
    // High byte first.
    uint16_t Be16(std::size_t index) const { return static_cast<uint16_t>(Byte(index) << 8 | Byte(index + 1)); }
    uint32_t Be24(std::size_t index) const { return static_cast<uint32_t>(Byte(index)) << 16 | Be16(index + 1); }
    uint32_t Be32(std::size_t index) const { return static_cast<uint32_t>(Be16(index)) << 16 | Be16(index + 2); }
    // Up to count characters from index on, ending early at a 0 byte or at
    // the end of the record.
    std::string Text(std::size_t index, std::size_t count) const;

private:
    const uint8_t* m_bytes;
    std::size_t m_count;
};
