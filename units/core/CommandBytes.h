// The data bytes of a command as a family's builder lays them: the page
// copies them into the command buffer from byte 6 on and sends their count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CommandBytes {
public:
    CommandBytes& Byte(unsigned value)
    {
        m_bytes.push_back(static_cast<uint8_t>(value));
        return *this;
    }
    // High byte first.
    CommandBytes& Be16(unsigned value) { return Byte(value >> 8).Byte(value); }
    CommandBytes& Be32(uint32_t value) { return Be16(value >> 16).Be16(value & 0xFFFF); }
    // Exactly width bytes: the text's first characters, then zeros.
    CommandBytes& Text(const std::string& text, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            Byte(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
        return *this;
    }

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    std::size_t Size() const { return m_bytes.size(); }
    bool operator==(const std::vector<uint8_t>& bytes) const { return m_bytes == bytes; }

private:
    std::vector<uint8_t> m_bytes;
};
