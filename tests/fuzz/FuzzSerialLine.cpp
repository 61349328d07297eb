// SerialLine for the port fuzzer: any path opens; reads take the delivered
// bytes; every write must be one whole, well-formed command frame.
#include <deque>
#include <string_view>

#include "comm/FrameCodec.h"
#include "comm/SerialLine.h"
#include "tests/fuzz/FuzzLine.h"

// The stand-in keeps no descriptor: the real line's field goes unused here.
#pragma clang diagnostic ignored "-Wunused-private-field"

namespace {
std::deque<uint8_t> g_received;
}  // namespace

void FuzzLine::Deliver(const uint8_t* data, std::size_t size)
{
    g_received.insert(g_received.end(), data, data + size);
}

void FuzzLine::Clear()
{
    g_received.clear();
}

SerialLine::~SerialLine() = default;

bool SerialLine::Open(const std::string&)
{
    m_state = State::Open;
    return true;
}

bool SerialLine::Configure()
{
    return IsOpen();
}

std::size_t SerialLine::BytesWaiting() const
{
    return IsOpen() ? g_received.size() : 0;
}

std::size_t SerialLine::Read(uint8_t* data, std::size_t size)
{
    std::size_t count = 0;
    for (; IsOpen() && count < size && !g_received.empty(); ++count) {
        data[count] = g_received.front();
        g_received.pop_front();
    }
    return count;
}

bool SerialLine::Write(const char* data, std::size_t size)
{
    const std::string_view text(data, size);
    CommandFrame frame;
    if (!IsOpen() || text.empty() || text.back() != '\r' || !DecodeCommand(text.substr(0, size - 1), frame))
        __builtin_trap();
    return true;
}

bool SerialLine::Close()
{
    const bool wasOpen = IsOpen();
    m_state = State::NotOpened;
    return wasOpen;
}
