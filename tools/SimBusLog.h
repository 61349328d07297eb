// What crossed the simulated bus, one line a frame, for a person following
// what reached a unit and what it said:
//
//   10:15:02.125 <- address 3 studio 1 command 1 data 78 00 01, changes record 1
//   10:15:02.126 -> address 3 studio 1 record 100 data 80 00
//
// "<-" is what the program sent, "->" what the bus sent back; the time is
// local wall-clock time, data bytes are hexadecimal. Writes nothing without
// a stream; every line is flushed, so a log file can be followed as it grows.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "comm/FrameCodec.h"

class SimBusLog {
public:
    void SetStream(std::ostream* out) { m_out = out; }

    // A command the program sent; changed are the records it changed in a
    // unit of a known family, unit false when no unit has its address.
    void Command(const CommandFrame& frame, bool unit, const std::vector<uint16_t>& changed);
    // A received text that is no command frame.
    void Unreadable(const std::string& text);
    // Text the bus put on the line, a frame at a time (up to a carriage
    // return); a text that is no record frame is shown as it is.
    void Sent(const std::string& text);
    // Characters that did not fit into the line.
    void Lost(std::size_t count);

private:
    void Line(const std::string& text);

    std::ostream* m_out = nullptr;
};
