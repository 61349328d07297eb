// The records that every family lays out alike but for where their fields
// stand: counters and owner (6), alarms (7), dates (8) and the owner record
// of the Zarit packs (10). A family states its layout of each as a row, and
// one decoder reads a record by the row, as the service status does with its
// factors. Each decoder is empty for a record too short for the bytes its
// row names.
#pragma once

#include <cstddef>
#include <optional>

#include "units/core/StatusPlan.h"
#include "units/core/UnitRecords.h"

class RecordView;

namespace FamilyRecords {

// A number of count bytes from index on, high byte first; with baseHundred
// each byte is a digit of base 100 instead.
struct Number {
    std::size_t index;
    std::size_t count;
    bool baseHundred = false;
};

// The owner text of count bytes from index on. It ends at a zero byte and
// drops the blanks at its end (UnitInfoText::Owner); with blanksFirst the
// blanks at the end of the whole field go before the zero byte ends it
// (UnitInfoText::OwnerTrimmedFirst).
struct OwnerRow {
    std::size_t index;
    std::size_t count;
    bool blanksFirst;
    UnitRecords::OwnerField field;
};

// Record 6: the options page's counter where the family shows one, the total
// counter and the owner where the record carries it.
struct CountersRow {
    std::optional<Number> counter;
    Number total;
    std::optional<OwnerRow> owner;
};
std::optional<UnitRecords::Counters> DecodeCounters(const RecordView& record, const CountersRow& row);

// Record 7: the charge alarm in byte 5 and the thermal alarm in byte 6, then
// the cooling time in coolingCount bytes from byte 7 where the family
// reports it (none: 0), from which the family's lines word the alarms.
struct AlarmsRow {
    bool bitZeroOnly;  // each alarm is bit 0 of its byte, else the whole byte
    std::size_t coolingCount;
    AlarmLines (*lines)(const AlarmState& alarms, std::optional<int> cooling);
};
std::optional<UnitRecords::Alarms> DecodeAlarms(const RecordView& record, const AlarmsRow& row);

// Record 8: dates of a year byte and a month byte each, from byte 6 on: the
// delivery date, then the service and the factory date where the family
// reports them.
struct DatesRow {
    bool serviceAndFactory;
    bool bytesAbove99AsZero;  // a year or month byte above 99 reads as 0
};
std::optional<UnitRecords::Dates> DecodeDates(const RecordView& record, const DatesRow& row);

// A record of the owner alone: the bytes of the row that the record has.
// Empty only for a record without its five header bytes.
std::optional<UnitRecords::Owner> DecodeOwner(const RecordView& record, const OwnerRow& row);

}  // namespace FamilyRecords
