// For the tests only: drives the library's clock, so that time-outs are
// counted in exact ticks instead of slept through. Built into the static
// test archive in place of Clock.cpp; the shared library has no such switch.
#pragma once

#include <cstdint>

// From now on ClockMs() returns ms, until TestClockRelease().
void TestClockSet(uint32_t ms);
void TestClockRelease();
