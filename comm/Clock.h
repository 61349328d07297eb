// The library's millisecond clock: monotonic, 32 bits, wrapping.
#pragma once

#include <chrono>
#include <cstdint>

uint32_t ClockMs();

// The time source of ClockMs: the steady clock in milliseconds, cut to 32 bits.
inline uint32_t SteadyClockMs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
