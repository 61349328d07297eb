// What the unit and the page keep in step about the page's selections: the
// notebook pages, the aux page's field, the memory and the outlets' lamp
// roles. Record 3 reports them, command 11 sends them, in the same packing:
// byte 1 = lamp/memory page (0 or 1) + 2 x options page + 8 x aux field,
// byte 2 = memory, bytes 3 to 5 = lamp roles of outlets 1 to 3.
#pragma once

#include <array>
#include <optional>

#include "units/core/CommandBytes.h"
#include "units/core/RecordView.h"

struct Selections {
    int lampMemoryPage = 0;      // "IDC_LAMPMEMTAB": 0 lamp page, 1 memory page
    int optionsPage = 0;         // "IDC_OPTIONSTAB": 0 aux, 1 options, 2 information page
    int auxField = 0;            // the aux page's selected field
    int memory = 0;              // the memory page's selected memory, 0 to 3
    std::array<int, 3> lamps{};  // lamp roles of outlets 1 to 3

    bool operator==(const Selections& other) const
    {
        return lampMemoryPage == other.lampMemoryPage && optionsPage == other.optionsPage &&
               auxField == other.auxField && memory == other.memory && lamps == other.lamps;
    }
};

namespace SelectionCodec {

// Record 3 of a unit with lampsUsed outlets (bytes 7 to 6 + lampsUsed): an
// options page of 3 counts as 2, a lamp role above 20 as 0, the roles of
// outlets the unit lacks are 0. Empty when the record ends before the last
// lamp role.
std::optional<Selections> Decode(const RecordView& record, int lampsUsed);

// Command 11: the five bytes, 0 for the roles of outlets past lampsUsed.
CommandBytes Lay(const Selections& selections, int lampsUsed);

}  // namespace SelectionCodec
