// The Nuvek family (type code 20): its records as the device page shows them
// and its commands as the unit takes them. Text ids are English ids: the page
// adds its language offset (PageText::Compose). Each decoder is empty for a
// record too short for the bytes it reads; the page then ignores the record.
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

namespace NuvekCodec {

using PowerPackRecords::AuxOutlet;

// Record 1 (read to byte 24).
struct Status {
    int mainValue = 0;       // main bar's value (byte 5)
    bool mainShown = false;  // the main bar shows its text (byte 21 & 0x28)
    bool power = false;      // byte 21 bit 0: SetPowerState
    // Bars 1 and 2: outlet 1 on and available by byte 21 bits 2 and 3,
    // outlet 2 by bits 4 or 6 and 5 or 7; each one's availability also goes
    // to the lamp page (SetLampChoice2 of that outlet).
    std::array<AuxOutlet, 2> aux;
    int modellingLightMode = 0;  // byte 22 & 7: 0 none, 1 full, 2 low, 3..7 prop 1..5
};
std::optional<Status> DecodeStatus(const RecordView& record);

// Record 2 (read to byte 6).
struct AuxFunctions {
    int sequence = 0;          // aux page's sequence, from the unit
    bool energyRange = false;  // "IDC_ENERGIEBEREICH"
};
std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record);

// Record 3 (read to byte 8): the notebooks are selected by the page only
// where they differ; lamp roles of outlets 1 and 2 (the third is 0).
std::optional<Selections> DecodeSelections(const RecordView& record);

// Record 4 (read to byte 12). The unit's caption is
// UnitInfoText::Caption(address, model, serial).
struct UnitInfo {
    std::string version;   // "2.07"
    int versionMinor = 0;  // kept for the aux page (GetProgramVersion)
    std::string model;     // "Nuvek N2", "Nuvek N4", "Nuvek N8", "Nuvek N8 E"
    std::string voltage;   // "100...230 V"
    std::string symmetry;  // "asym" or "sym": the first status row
    std::string serial;    // unsigned
};
std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record);

// Record 5 (read to byte 5).
struct Options {
    bool modellingLightOn = false;  // "IDC_LM_LIGHT" (SetModellingLightOn)
    bool ir = false;                // "IDC_FL_IR"
    bool cell = false;              // "IDC_FL_CELL"
    bool rf = false;                // "IDC_FL_RF"
    bool buzzer = false;            // options page
    bool slow = false;
    bool reduced = false;
};
std::optional<Options> DecodeOptions(const RecordView& record);

// Records 6, 7, 8, 100 and 101 to 104 as on the Ribex.
using PowerPackRecords::Counters;
using PowerPackRecords::DecodeCounters;
using PowerPackRecords::Alarms;
using PowerPackRecords::DecodeAlarms;
using PowerPackRecords::kAlarmTitleOrder;
using PowerPackRecords::DecodeDeliveryDate;
using PowerPackRecords::DecodeServiceStatus;
using PowerPackRecords::Memory;
// The memory's lines start with its distribution.
std::optional<Memory> DecodeMemory(const RecordView& record);

// Record 98 (the test flash is over) carries nothing to decode: the page sets
// the aux bars back to the values of the last record 1, without warning.

// The status rows: the distribution (the symmetry of record 4), then the aux
// page's sequence when it is not 0; no red texts, the plain status view.
StatusRows BuildStatusRows(const std::string& symmetry, int sequence);

// What the builder gathers from the page and its setting pages.
struct CommandState {
    // Command 1, whose value names a light bar: the page gives that light's
    // outlet (0 main, 1 and 2 the aux bars), the bar's value, the step of the
    // spin button being sent (0 otherwise) and whether aux bars 1 and 2 are
    // on (IsOn).
    int lightOutlet = 0;
    int lightValue = 0;
    int spinStep = 0;
    std::array<bool, 2> auxOn{};
    // Command 11: the notebooks' selections, the aux page's field, the memory
    // page's memory and the lamp page's roles 1 and 2.
    Selections selections;
    // Command 17: the options page's boxes and "IDC_ENERGIEBEREICH".
    bool buzzer = false;
    bool slow = false;
    bool reduced = false;
    bool energyRange = false;
    // Command 22: the information page's "IDC_IN_OWNER_SERVICE", in the local
    // code page.
    std::string owner;
};

// The data bytes of a command, exactly as many as it has. Every code goes
// out: one without data (14, 15, 18, 24, 27, 28, 102, any code outside 1 to
// 102) gives no bytes, never an empty result. A command 1 with a spin step
// turns the LED red and 6 starts the busy state: both are the page's part.
std::optional<CommandBytes> BuildCommand(int16_t code, int32_t value, const CommandState& state);

}  // namespace NuvekCodec
