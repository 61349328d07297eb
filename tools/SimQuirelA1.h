// The Quirel A1 of the simulated bus: a main light and three outlets, the aux
// functions with the T0.1 flash duration, four memories, and the options,
// counters and dates it reports.
#pragma once

#include "tools/SimUnitFamily.h"

class SimQuirelA1 : public SimUnitFamily {
public:
    static constexpr uint16_t kTypeCode = 16;

    SimQuirelA1();
};
