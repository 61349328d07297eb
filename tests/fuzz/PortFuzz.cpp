// Arbitrary bytes on the line of an open port, through the assembler, the
// decoder, the unit records and the callbacks, as the exported functions
// drive them. Input: options, studio, lowest and highest address, then
// ticks, each a head byte (bit 7: a second passes instead of 100 ms; bits 0
// to 5: how many bytes follow) and the bytes that arrive before it. Every
// callback must name a live record, every record handed over must be
// well-formed, and closing must leave no record behind.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>

#include "comm/FrameCodec.h"
#include "comm/TestClock.h"
#include "comm/VeskComm.h"
#include "tests/fuzz/FuzzLine.h"

namespace {

enum Options : uint8_t {
    kDemo = 0x01,
    kFocusOnFound = 0x02,
    kTransmitOnData = 0x04,  // the data callback queues commands 7 and 8
};

struct Session {
    VESKCOMM_PORT port = nullptr;
    uint8_t options = 0;
    std::set<VESKCOMM_DEVICE> live;
    VESKCOMM_DEVICE focus = nullptr;
};

Session g_session;

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void* Partner(VESKCOMM_DEVICE device)
{
    return reinterpret_cast<void*>(reinterpret_cast<uintptr_t>(device) ^ 0x5A5A);
}

void* OnFound(void* context, VESKCOMM_DEVICE device)
{
    Check(context == &g_session && device && g_session.live.insert(device).second);
    char name[16];
    VeskCommDeviceGetGeraetetyp(device, name, sizeof name);
    VeskCommDeviceGetGeraetetypKurz(device, name, sizeof name);
    if (g_session.options & kFocusOnFound)
        g_session.focus = device;
    return Partner(device);
}

void OnLost(void* context, VESKCOMM_DEVICE device, void* partner)
{
    Check(context == &g_session && g_session.live.erase(device) == 1 && partner == Partner(device));
    if (g_session.focus == device)
        g_session.focus = nullptr;
}

VESKCOMM_DEVICE OnGetFocus(void* context)
{
    Check(context == &g_session);
    return g_session.focus;
}

void OnData(void* context, VESKCOMM_DEVICE device, void* partner, const unsigned char* record, int count)
{
    Check(context == &g_session && g_session.live.count(device) == 1 && partner == Partner(device));
    Check(count >= 5 && count < static_cast<int>(kRecordSize) && record[0] == count &&
          record[count] == Checksum(record, static_cast<std::size_t>(count)));
    if (g_session.options & kTransmitOnData) {
        unsigned char buffer[16] = {};
        buffer[6] = record[count - 1];
        buffer[7] = record[1];
        VeskCommPortTransmit(g_session.port, buffer, 2, VeskCommDeviceGetAdresse(device),
                             record[count - 1] & 1 ? kCommandInterval : kCommandDelay);
    }
}

CommCallbacks g_callbacks = {OnLost, OnFound, OnGetFocus, OnData, &g_session};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("VESKCOMM_PORTS", "/fuzz/line", 1);
    VeskCommInitialize(nullptr, &g_callbacks);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    g_session = Session{};
    g_session.options = data[0];
    FuzzLine::Clear();
    uint32_t now = 1000;
    TestClockSet(now);
    g_session.port = VeskCommPortOpen(" /fuzz/line", data[1], data[2], data[3]);
    Check(VeskCommPortIsOpen(g_session.port));
    if (g_session.options & kDemo)
        VeskCommPortSetDemo(g_session.port);

    for (std::size_t i = 4; i < size;) {
        const uint8_t head = data[i++];
        const std::size_t count = std::min<std::size_t>(head & 0x3F, size - i);
        FuzzLine::Deliver(data + i, count);
        i += count;
        now += head & 0x80 ? 1000 : 100;
        TestClockSet(now);
        VeskCommPortIdle(g_session.port);
    }
    VeskCommPortClose(g_session.port);
    Check(g_session.live.empty());
    TestClockRelease();
    return 0;
}
