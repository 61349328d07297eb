// The record kinds that every family's page shows in the same way, as the
// families' decoders read them: unit information, the flash boxes of the
// options, counters, alarms, dates and owner (the service status has its own
// header). A field that a
// family's record does not carry stays empty, and the page leaves its
// control as it is.
#pragma once

#include <optional>
#include <string>

#include "units/core/StatusPlan.h"

namespace UnitRecords {

// Record 4: the information page's fields, the minor program version that
// the aux pages compare, and the unit's notebook caption
// (UnitInfoText::Caption(address, model, serial)).
struct UnitInfo {
    std::string version;
    int versionMinor = 0;
    std::string model;
    std::string voltage;
    std::optional<int> supplyTextId;  // where the unit reports its supply
    std::string serial;
};

// Record 5's part that every family has: the modelling lamp and the flash
// controls' trigger boxes. A family's options add their own fields.
struct FlashBoxes {
    bool modellingLightOn = false;
    std::optional<bool> ir;  // IDC_FL_IR, where the unit has the infrared trigger
    bool cell = false;       // IDC_FL_CELL
    bool rf = false;         // IDC_FL_RF
};

// Where the information page shows an owner text.
enum class OwnerField {
    DisplayAndEdit,  // the owner display and the owner's edit field
    DisplayOnly,
};

struct Owner {
    std::string text;
    OwnerField field = OwnerField::DisplayAndEdit;
};

// Record 6: the options page's counters, and the owner where the record
// carries it.
struct Counters {
    std::optional<std::string> counter;
    std::string totalCounter;
    std::optional<Owner> owner;
};

// Record 7: the alarm words, as the status plan's AlarmState takes them,
// and the alarm lines in the family's wording.
struct Alarms {
    int charge = 0;
    int thermo = 0;
    AlarmLines lines;
};

// Record 8: the information page's dates, "3.2012".
struct Dates {
    std::string delivery;
    std::optional<std::string> service;
    std::optional<std::string> factory;
};

}  // namespace UnitRecords
