#include "units/core/PowerPackRecords.h"

#include <vector>

#include "units/core/FamilyRecords.h"
#include "units/core/ValueText.h"

namespace PowerPackRecords {

namespace {

const int kTextDistribution = 2203;
const ServiceFactors kServiceFactors = {14200, 14200, 14200};

const FamilyRecords::CountersRow kCounters = {
    std::nullopt,
    {7, 3},
    FamilyRecords::OwnerRow{10, 14, true, UnitRecords::OwnerField::DisplayOnly},
};
const FamilyRecords::AlarmsRow kAlarms = {true, 0, PlanAlarmTexts};
const FamilyRecords::DatesRow kDates = {false, false};

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
    return FamilyRecords::DecodeCounters(record, kCounters);
}

std::optional<Alarms> DecodeAlarms(const RecordView& record)
{
    return FamilyRecords::DecodeAlarms(record, kAlarms);
}

std::optional<UnitRecords::Dates> DecodeDates(const RecordView& record)
{
    return FamilyRecords::DecodeDates(record, kDates);
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
