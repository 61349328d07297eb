// The Quirel A1 of the simulated bus: a main light and three outlets, the aux
// functions with the T0.1 flash duration, four memories, and the options,
// counters and dates it reports.
#pragma once

#include "tools/SimUnitFamily.h"

class SimQuirelA1 : public SimUnitFamily {
public:
    static constexpr uint16_t kTypeCode = 16;
    // Bits 7 and 6 of a Quirel A1's variant are 0 and 1; with energy class 0
    // it is a Quirel Q2. A unit of type 16 without them is no Quirel A1.
    static constexpr uint8_t kVariant = 0x40;

    SimQuirelA1();
};
