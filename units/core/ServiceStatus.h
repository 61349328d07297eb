// Record 100, the unit's answer to the status poll: readiness, service level
// and, in service mode, its voltages.
#pragma once

#include <optional>
#include <string>

#include "units/core/RecordView.h"

namespace ServiceStatus {

// The information page's service values, as it shows them.
struct Voltages {
    std::string positiveFlash;  // byte 7 x 1.42
    std::string negativeFlash;  // byte 8 x 1.42
    std::string line;           // byte 9 x 1.0472
    std::string frequency;      // byte 10
    // byte 11 x 1.42; only while the length byte counts past byte 11.
    std::optional<std::string> nominalFlash;
};

struct Status {
    bool ready = false;  // byte 5 bit 7: LED green, else red
    int level = 0;       // byte 6; the page acts on it only when it differs from the last one
    // Present when the level is at least the family's lowest service level
    // with voltages and the record holds bytes 7 to 10.
    std::optional<Voltages> voltages;
};

// Empty when the record ends before byte 6. lowestLevel: the service level
// from which on the family shows the voltages (1 on most pages).
std::optional<Status> Decode(const RecordView& record, int lowestLevel);

}  // namespace ServiceStatus
