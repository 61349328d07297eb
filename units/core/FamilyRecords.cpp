#include "units/core/FamilyRecords.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "units/core/RecordView.h"
#include "units/core/UnitInfoText.h"
#include "units/core/ValueText.h"

namespace FamilyRecords {

namespace {

// The bytes before a record's data.
const std::size_t kHeaderBytes = 5;

const std::size_t kChargeByte = 5;
const std::size_t kThermoByte = 6;
const std::size_t kCoolingByte = 7;
const std::size_t kFirstDateByte = 6;
const int kHighestDateByte = 99;
// A digit of a base-100 number.
const int kBase = 100;

std::size_t LastByte(std::size_t index, std::size_t count)
{
    return index + count - 1;
}

uint32_t ValueOf(const RecordView& record, const Number& number)
{
    uint32_t value = 0;
    for (std::size_t n = 0; n < number.count; ++n) {
        const uint8_t byte = record.Byte(number.index + n);
        value = number.baseHundred ? value * kBase + byte : value << 8 | byte;
    }
    return value;
}

UnitRecords::Owner OwnerOf(const RecordView& record, const OwnerRow& row)
{
    if (row.blanksFirst)
        return {UnitInfoText::OwnerTrimmedFirst(record, row.index, row.count), row.field};
    return {UnitInfoText::Owner(record, row.index, row.count), row.field};
}

int DateByte(const RecordView& record, std::size_t index, const DatesRow& row)
{
    const int value = record.Byte(index);
    return row.bytesAbove99AsZero && value > kHighestDateByte ? 0 : value;
}

// The date of the year byte at index and the month byte after it.
std::string DateAt(const RecordView& record, std::size_t index, const DatesRow& row)
{
    return UnitInfoText::Date(DateByte(record, index, row), DateByte(record, index + 1, row));
}

}  // namespace

std::optional<UnitRecords::Counters> DecodeCounters(const RecordView& record, const CountersRow& row)
{
    std::size_t last = LastByte(row.total.index, row.total.count);
    if (row.counter)
        last = std::max(last, LastByte(row.counter->index, row.counter->count));
    if (row.owner)
        last = std::max(last, LastByte(row.owner->index, row.owner->count));
    if (!record.Has(last))
        return std::nullopt;
    UnitRecords::Counters counters;
    if (row.counter)
        counters.counter = ValueText::Unsigned(ValueOf(record, *row.counter));
    counters.totalCounter = ValueText::Unsigned(ValueOf(record, row.total));
    if (row.owner)
        counters.owner = OwnerOf(record, *row.owner);
    return counters;
}

std::optional<UnitRecords::Alarms> DecodeAlarms(const RecordView& record, const AlarmsRow& row)
{
    if (!record.Has(row.coolingCount ? LastByte(kCoolingByte, row.coolingCount) : kThermoByte))
        return std::nullopt;
    const int mask = row.bitZeroOnly ? 0x01 : 0xFF;
    UnitRecords::Alarms alarms;
    alarms.charge = record.Byte(kChargeByte) & mask;
    alarms.thermo = record.Byte(kThermoByte) & mask;
    std::optional<int> cooling;
    if (row.coolingCount)
        cooling = static_cast<int>(ValueOf(record, Number{kCoolingByte, row.coolingCount}));
    alarms.lines = row.lines({alarms.charge, alarms.thermo, 0}, cooling);
    return alarms;
}

std::optional<UnitRecords::Dates> DecodeDates(const RecordView& record, const DatesRow& row)
{
    const std::size_t dates = row.serviceAndFactory ? 3 : 1;
    if (!record.Has(LastByte(kFirstDateByte, 2 * dates)))
        return std::nullopt;
    UnitRecords::Dates result;
    result.delivery = DateAt(record, kFirstDateByte, row);
    if (row.serviceAndFactory) {
        result.service = DateAt(record, kFirstDateByte + 2, row);
        result.factory = DateAt(record, kFirstDateByte + 4, row);
    }
    return result;
}

std::optional<UnitRecords::Owner> DecodeOwner(const RecordView& record, const OwnerRow& row)
{
    if (!record.Has(kHeaderBytes - 1))
        return std::nullopt;
    return OwnerOf(record, row);
}

}  // namespace FamilyRecords
