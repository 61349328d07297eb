#include "comm/Clock.h"

#include <chrono>

#include "comm/TestClock.h"

namespace {
bool g_testClockOn = false;
uint32_t g_testClockMs = 0;
}

uint32_t ClockMs()
{
    if (g_testClockOn)
        return g_testClockMs;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void TestClockSet(uint32_t ms)
{
    g_testClockOn = true;
    g_testClockMs = ms;
}

void TestClockRelease()
{
    g_testClockOn = false;
}
