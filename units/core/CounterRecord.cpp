#include "units/core/CounterRecord.h"

#include "units/core/UnitInfoText.h"

namespace CounterRecord {

std::optional<Counters> Decode(const RecordView& record)
{
    if (!record.Has(23))
        return std::nullopt;
    Counters counters;
    counters.counter = std::to_string(record.Be16(5));
    counters.total = std::to_string(record.Be24(7));
    counters.owner = UnitInfoText::Owner(record, 10, 14);
    return counters;
}

}  // namespace CounterRecord
