// One USB serial adapter, opened by its description at 9600 8N1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "comm/SerialLine.h"

class CUsbPort {
public:
    explicit CUsbPort(std::string portName);

    // The description to open is the port name without its first character
    // (the list's leading blank). The empty name opens nothing. When the
    // line settings cannot be set the result is false, yet the adapter
    // stays open with the settings it had.
    bool Open();
    bool IsOpen() const { return m_line.IsOpen(); }
    // One received byte; false and 0 when none is waiting.
    bool ReadByte(uint8_t* byte);
    bool Write(const std::string& text);
    bool Close();

private:
    std::string m_portName;
    SerialLine m_line;
    // Bytes already taken from the line, handed out one at a time.
    uint8_t m_received[256];
    std::size_t m_receivedBegin = 0;
    std::size_t m_receivedEnd = 0;
};
