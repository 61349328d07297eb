// The commands a demo unit knows: what each does to the unit's state and
// which record answers it.
#pragma once

#include <cstdint>

#include "comm/DemoUnitState.h"
#include "comm/FrameCodec.h"

class CDemoCommandTable {
public:
    // Carries out the command (an unknown one changes nothing but the
    // power) and returns the record that answers it.
    static uint16_t Run(const CommandFrame& frame, CDemoUnitState& unit);
};
