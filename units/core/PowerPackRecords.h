// The records that the Nuvek and Ribex power packs send in the same layout:
// the aux outlets of record 1 (which the Zarit packs lay alike), counters and
// owner (6), alarms (7), delivery date (8), service status (100) and memories
// (101 to 104); counters, alarms and dates in the layout every family shares
// (FamilyRecords), over these families' rows. Each decoder is empty for a
// record too short for the bytes it reads.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "units/core/MemoryDetail.h"
#include "units/core/RecordView.h"
#include "units/core/ServiceStatus.h"
#include "units/core/StatusPlan.h"
#include "units/core/UnitRecords.h"

namespace PowerPackRecords {

// What record 1 tells of an aux outlet, for its light bar.
struct AuxOutlet {
    bool on = false;         // switched on
    bool available = false;  // a lamp is plugged in; also the lamp page's choice of the outlet
    int value = 0;           // energy; the page keeps it for the end of a test flash (record 98)
    bool warning = false;    // draw the energy red
    int percent = 0;         // share of full energy
    int joules = 0;

    bool operator==(const AuxOutlet& other) const
    {
        return on == other.on && available == other.available && value == other.value && warning == other.warning &&
               percent == other.percent && joules == other.joules;
    }
};

// Outlet n (1 to 3) of record 1 with its on and available flags: value,
// percent and joules from bytes 9 to 12 (outlet 1), 13 to 16 (outlet 2) or 17
// to 20 (outlet 3), warning from bit n - 1 of byte 24. The caller has checked
// the record's length.
AuxOutlet Outlet(const RecordView& record, int outlet, bool on, bool available);

// Record 6 (read to byte 23): the total counter (bytes 7-9) and, for the
// owner display only, the owner (bytes 10-23, the field's trailing blanks
// dropped, then cut at a zero byte); no counter.
using Counters = UnitRecords::Counters;
std::optional<Counters> DecodeCounters(const RecordView& record);

// Record 7 (read to byte 6): the charge alarm (byte 5 bit 0) and the thermal
// one (byte 6 bit 0), with the alarm lines of PlanAlarmTexts without cooling
// time.
using Alarms = UnitRecords::Alarms;
std::optional<Alarms> DecodeAlarms(const RecordView& record);

// The thermal alarm names the status panel's title first.
const AlarmTitleOrder kAlarmTitleOrder = AlarmTitleOrder::ThermoFirst;

// Record 8 (read to byte 7): the delivery date, "3.2012", and no other.
std::optional<UnitRecords::Dates> DecodeDates(const RecordView& record);

// Record 100: the shared layout, every flash voltage in units of 1.42 V.
std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record);

// Records 101 to 104 (read to byte 15).
struct Memory {
    int index = 0;  // 0 to 3 by the record number: the memory page shows it only while that radio is checked
    // The unit holds nothing there: the page sends command 12 with index
    // instead of showing it, and leaves the table as it is.
    bool empty = false;
    // "IDC_ME_LINE1L" (outlet 1, byte 6) and "IDC_ME_LINE2L" (outlet 2, byte 5).
    std::array<MemoryEnergy, 2> energies;
    // "IDC_ME_LINE1R", "IDC_ME_LINE2R", "IDC_ME_LINE3R" and "IDC_ME_LINE3L",
    // each a value and its label ("..._LA"); empty lines have empty texts.
    std::array<MemoryLine, 4> lines;
};
// withDistribution: the first line is the distribution, "asym" or "sym" by
// byte 15 bit 6; the timing entries follow (MemoryDetail).
std::optional<Memory> DecodeMemory(const RecordView& record, bool withDistribution);

}  // namespace PowerPackRecords
