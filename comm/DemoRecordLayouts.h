// The layouts of a demo unit's records: which data bytes each record number
// carries, read from the unit's state.
#pragma once

#include <cstdint>
#include <vector>

#include "comm/DemoUnitState.h"

class CDemoRecordLayouts {
public:
    // The data bytes of the record; none for a record without a layout.
    // Reading record 3 marks the selected memory's record pending.
    static std::vector<uint8_t> Data(uint16_t record, CDemoUnitState& unit);
};
