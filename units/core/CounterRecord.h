// Record 6 of the power packs: flash counters and the owner text.
#pragma once

#include <optional>
#include <string>

#include "units/core/RecordView.h"

namespace CounterRecord {

struct Counters {
    std::string counter;  // bytes 5-6; the Nuvek and Ribex pages do not show it
    std::string total;    // bytes 7-9 (24 bits): the options page's total counter
    std::string owner;    // bytes 10-23, trimmed (UnitInfoText::Owner): the information page's owner
};

// Empty when the record ends before byte 23.
std::optional<Counters> Decode(const RecordView& record);

}  // namespace CounterRecord
