#include "comm/TestClock.h"

#include "comm/Clock.h"

namespace {
bool g_testClockOn = false;
uint32_t g_testClockMs = 0;
}  // namespace

uint32_t ClockMs()
{
    return g_testClockOn ? g_testClockMs : SteadyClockMs();
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
