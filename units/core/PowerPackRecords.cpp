#include "units/core/PowerPackRecords.h"

#include <vector>

#include "units/core/UnitInfoText.h"
#include "units/core/ValueText.h"

namespace PowerPackRecords {

namespace {

const int kTextDistribution = 2203;
const ServiceFactors kServiceFactors = {14200, 14200, 14200};

int MemoryIndex(const RecordView& record)
{
    switch (record.Byte(4)) {
    case 102:
        return 1;
    case 103:
        return 2;
    case 104:
        return 3;
    default:
        return 0;
    }
}

}  // namespace

AuxOutlet Outlet(const RecordView& record, int outlet, bool on, bool available)
{
    const std::size_t first = 9 + 4 * static_cast<std::size_t>(outlet - 1);
    AuxOutlet state;
    state.on = on;
    state.available = available;
    state.value = record.Byte(first);
    state.warning = (record.Byte(24) >> (outlet - 1)) & 1;
    state.percent = record.Byte(first + 1);
    state.joules = record.Be16(first + 2);
    return state;
}

std::optional<Counters> DecodeCounters(const RecordView& record)
{
    if (!record.Has(23))
        return std::nullopt;
    Counters counters;
    counters.totalCounter = ValueText::Count(record.Be24(7));
    counters.owner =
        UnitRecords::Owner{UnitInfoText::OwnerTrimmedFirst(record, 10, 14), UnitRecords::OwnerField::DisplayOnly};
    return counters;
}

std::optional<Alarms> DecodeAlarms(const RecordView& record)
{
    if (!record.Has(6))
        return std::nullopt;
    Alarms alarms;
    alarms.charge = record.Byte(5) & 1;
    alarms.thermo = record.Byte(6) & 1;
    alarms.lines = PlanAlarmTexts({alarms.charge, alarms.thermo, 0}, std::nullopt);
    return alarms;
}

std::optional<UnitRecords::Dates> DecodeDates(const RecordView& record)
{
    if (!record.Has(7))
        return std::nullopt;
    UnitRecords::Dates dates;
    dates.delivery = UnitInfoText::Date(record.Byte(6), record.Byte(7));
    return dates;
}

std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record)
{
    return ::DecodeServiceStatus(record, kServiceFactors);
}

std::optional<Memory> DecodeMemory(const RecordView& record, bool withDistribution)
{
    if (!record.Has(15))
        return std::nullopt;
    Memory memory;
    memory.index = MemoryIndex(record);
    memory.empty = IsEmptyMemory(record);
    memory.energies = {OutletEnergy(record, 6, 1), OutletEnergy(record, 5, 2)};
    std::vector<MemoryLine> lines;
    if (withDistribution)
        lines.push_back({PageText::Id(kTextDistribution), (record.Byte(15) & 0x40) ? "asym" : "sym"});
    AppendTimingLines(record, lines);
    for (std::size_t i = 0; i < lines.size() && i < memory.lines.size(); ++i)
        memory.lines[i] = lines[i];
    return memory;
}

}  // namespace PowerPackRecords
