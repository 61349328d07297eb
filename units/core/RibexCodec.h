// The Ribex family (type code 32): its records as the device page shows them
// and its commands as the unit takes them. Its second aux bar also shows the
// third outlet. Text ids are English ids: the page adds its language offset
// (PageText::Compose). Each decoder is empty for a record too short for the
// bytes it reads; the page then ignores the record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "units/core/CommandBytes.h"
#include "units/core/PowerPackRecords.h"
#include "units/core/RecordView.h"
#include "units/core/Selections.h"
#include "units/core/StatusPlan.h"

namespace RibexCodec {

using PowerPackRecords::AuxOutlet;

// Record 1 (read to byte 24).
struct Status {
    int mainValue = 0;       // main bar's value (byte 5)
    bool mainShown = false;  // the main bar shows its text (byte 21 bit 3 or 5)
    bool power = false;      // byte 21 bit 0: SetPowerState
    // Outlets 1 and 2 (byte 21 bits 2-3 and 4-5): the first state pair of
    // bars 1 and 2 (SetState1); the lamp page's SetLampChoice of outlets 1
    // and 2 takes their availability.
    std::array<AuxOutlet, 2> aux;
    // Outlet 3 (byte 21 bits 6-7): bar 2's second pair (SetState2) and the
    // lamp page's choice of outlet 3.
    bool outlet3On = false;
    bool outlet3Available = false;
    int modellingLightMode = 0;  // byte 22 & 7: 0 "P", 1 full, 2 low, 3..7 prop 1..5
};
std::optional<Status> DecodeStatus(const RecordView& record);

// Record 2 (read to byte 5): the aux page's sequence, from the unit.
struct AuxFunctions {
    int sequence = 0;
};
std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record);

// Record 3 (read to byte 9): the notebooks are selected by the page only
// where they differ; lamp roles of outlets 1 to 3.
std::optional<Selections> DecodeSelections(const RecordView& record);

// Record 4 (read to byte 12). The unit's caption is
// UnitInfoText::Caption(address, model, serial).
struct UnitInfo {
    std::string version;   // "2.07"
    int versionMinor = 0;  // kept for the aux page (GetProgramVersion)
    // byte 8 not 0: the power button is disabled and shows the locked
    // picture; else it is enabled and shows the picture of the power flag.
    bool powerLocked = false;
    std::string model;    // "Ribex R2", "Ribex R4", "Ribex R8", "Ribex R8 E"
    std::string voltage;  // "100...230 V"
    std::string serial;   // unsigned
};
std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record);

// Record 5 (read to byte 9).
struct Options {
    bool modellingLightOn = false;  // "IDC_LM_LIGHT" (SetModellingLightOn)
    bool ir = false;                // "IDC_FL_IR"
    bool cell = false;              // "IDC_FL_CELL"
    bool rf = false;                // "IDC_FL_RF"
    bool buzzer = false;            // options page
    bool fast = false;
    bool reduced = false;
    bool ready = false;             // byte 9 bit 0
    bool cellOption = false;        // byte 9 bit 1: the options page's cell box
};
std::optional<Options> DecodeOptions(const RecordView& record);

// Records 6, 7, 8, 100 and 101 to 104 as on the Nuvek.
using PowerPackRecords::Counters;
using PowerPackRecords::DecodeCounters;
using PowerPackRecords::Alarms;
using PowerPackRecords::DecodeAlarms;
using PowerPackRecords::kAlarmTitleOrder;
using PowerPackRecords::DecodeDeliveryDate;
using PowerPackRecords::DecodeServiceStatus;
using PowerPackRecords::Memory;
// The memory's lines are its timing entries.
std::optional<Memory> DecodeMemory(const RecordView& record);

// Record 98 (the test flash is over) carries nothing to decode: the page sets
// the aux bars back to the values of the last record 1 (0 before the first),
// without warning.

// What the status rows take from the aux page (its getters).
struct AuxValues {
    int preset = 0;
    int delay = 0;  // hundredths of a second
    int t01MaxPreset = 0;
    int sequence = 0;
    int interval = 0;  // hundredths of a second
    int alternate = 0;
};
// The status rows: with a preset sequence its number, delay and t0.1 maximum;
// otherwise sequence, interval, delay and alternate; each only when not 0.
// No red texts, the plain status view.
StatusRows BuildStatusRows(const AuxValues& aux);

// What the builder gathers from the page and its setting pages.
struct CommandState {
    // Command 1, whose value names a light bar: the page gives that light's
    // outlet (0 main, 1 and 2 the aux bars), the bar's value, the step of the
    // spin button being sent (0 otherwise) and whether aux bars 1 and 2 are
    // on (IsOn: the first pair).
    int lightOutlet = 0;
    int lightValue = 0;
    int spinStep = 0;
    std::array<bool, 2> auxOn{};
    // Command 11: the notebooks' selections, the aux page's field, the memory
    // page's memory and the lamp page's roles 1 to 3.
    Selections selections;
    // Command 17: the options page's boxes.
    bool buzzer = false;
    bool fast = false;
    bool reduced = false;
    bool ready = false;
    bool cell = false;
    // Command 22: the information page's "IDC_IN_OWNER_SERVICE", in the local
    // code page.
    std::string owner;
};

// The data bytes of a command, exactly as many as it has. Every code goes
// out: one without data (14, 15, 18, 24, 27, 28, 29, 30, 102, any code
// outside 1 to 102) gives no bytes, never an empty result. A command 1 with a
// spin step turns the LED red and 6 starts the busy state: both are the
// page's part.
std::optional<CommandBytes> BuildCommand(int16_t code, int32_t value, const CommandState& state);

}  // namespace RibexCodec
