// The library's millisecond clock: monotonic, 32 bits, wrapping.
#pragma once

#include <cstdint>

uint32_t ClockMs();
