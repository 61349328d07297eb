// The Nuvek (type code 20) and Ribex (type code 32) power packs: their
// records as the device page shows them and their commands as the unit takes
// them, in one codec over a row per family. The records both send in the
// same layout (counters, alarms, delivery date, service status, memories)
// are PowerPackRecords. Text ids are English ids: the page adds its language
// offset (PageText::Compose). Each decoder is empty for a record too short
// for the bytes it reads; the page then ignores the record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "units/core/Command.h"
#include "units/core/CommandBytes.h"
#include "units/core/PowerPackRecords.h"
#include "units/core/RecordView.h"
#include "units/core/Selections.h"
#include "units/core/StatusPlan.h"
#include "units/core/UnitRecords.h"

namespace PowerPackCodec {

// ---- The family rows ----

struct Family {
    // Record 4 byte 7 bits 0-1.
    std::array<const char*, 4> models;
    // Lamp roles that record 3 and command 11 carry (outlets 1 to lampsUsed).
    int lampsUsed;
    // Record 1 byte 21: the bits of outlet 2's on and available state, and
    // those of a third outlet that aux bar 2 also shows (0 without one).
    int outlet2On;
    int outlet2Available;
    int outlet3On;
    int outlet3Available;
    bool HasThirdOutlet() const { return outlet3On != 0; }
    // Record 2 byte 6 carries "IDC_ENERGIEBEREICH".
    bool energyRange;
    // Record 5 byte 9 carries the options page's ready and cell boxes.
    bool readyAndCell;
    // Record 4 byte 8 locks the power button.
    bool powerLock;
    // The distribution, "asym" or "sym": record 4 byte 7 bit 6 gives it to
    // the first status row, and each memory's lines start with its own.
    bool distribution;
};
extern const Family kNuvek;
extern const Family kRibex;

using PowerPackRecords::AuxOutlet;

// ---- Records ----

// Record 1 (read to byte 24).
struct Status {
    int mainValue = 0;       // main bar's value (byte 5)
    bool mainShown = false;  // the main bar shows its text (byte 21 & 0x28)
    bool power = false;      // byte 21 bit 0: SetPowerState
    // Outlet 1 by byte 21 bits 2 and 3, outlet 2 by the family's bits: aux
    // bars 1 and 2 (the Ribex's first state pair); their availability also
    // goes to the lamp page.
    std::array<AuxOutlet, 2> aux;
    // The third outlet: aux bar 2's second pair and the lamp page's choice
    // of outlet 3. False where the family has none.
    bool outlet3On = false;
    bool outlet3Available = false;
    int modellingLightMode = 0;  // byte 22 & 7: 0 none or "P", 1 full, 2 low, 3..7 prop 1..5
};
std::optional<Status> DecodeStatus(const RecordView& record, const Family& family);

// Record 2 (read to byte 6 where the family has the energy range, else 5).
struct AuxFunctions {
    int sequence = 0;          // aux page's sequence, from the unit
    bool energyRange = false;  // "IDC_ENERGIEBEREICH"
};
std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record, const Family& family);

// Record 3 (read to byte 6 + the family's lamps): the notebooks are selected
// by the page only where they differ.
std::optional<Selections> DecodeSelections(const RecordView& record, const Family& family);

// Record 4 (read to byte 12): the version "2.07", the model ("Nuvek N2" ...
// "Nuvek N8 E", "Ribex R2" ... "Ribex R8 E"), the voltage "100...230 V" and
// the serial number (unsigned); no supply.
struct UnitInfo : UnitRecords::UnitInfo {
    // Where the family has the lock, byte 8 not 0: the power button is
    // disabled and shows the locked picture; else it is enabled and shows
    // the picture of the power flag.
    bool powerLocked = false;
    std::string symmetry;  // "asym" or "sym" where the family has the distribution
};
std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record, const Family& family);

// Record 5 (read to byte 9 where the family has the ready and cell boxes,
// else 5).
struct Options : UnitRecords::FlashBoxes {
    bool buzzer = false;     // options page
    bool recycling = false;  // bit 4: the Nuvek's slow box, the Ribex's fast box
    bool reduced = false;
    bool ready = false;       // byte 9 bit 0
    bool cellOption = false;  // byte 9 bit 1: the options page's cell box
};
std::optional<Options> DecodeOptions(const RecordView& record, const Family& family);

// Records 101 to 104 (read to byte 15), with the family's distribution.
std::optional<PowerPackRecords::Memory> DecodeMemory(const RecordView& record, const Family& family);

// Records 6, 7, 8 and 100 are PowerPackRecords'. Record 98 (the test flash
// is over) carries nothing to decode: the page sets the aux bars back to the
// values of the last record 1 (0 before the first), without warning.

// ---- Status rows ----

// The Nuvek's: the distribution (the symmetry of record 4), then the aux
// page's sequence when it is not 0; no red texts, the plain status view.
StatusRows NuvekStatusRows(const std::string& symmetry, int sequence);

// What the Ribex's status rows take from the aux page (its getters).
struct AuxValues {
    int preset = 0;
    int delay = 0;  // hundredths of a second
    int t01MaxPreset = 0;
    int sequence = 0;
    int interval = 0;  // hundredths of a second
    int alternate = 0;
};
// The Ribex's: with a preset sequence its number, delay and t0.1 maximum;
// otherwise sequence, interval, delay and alternate; each only when not 0.
// No red texts, the plain status view.
StatusRows RibexStatusRows(const AuxValues& aux);

// ---- Commands ----

// What the builder gathers from the page and its setting pages.
struct CommandState {
    // Command 1: whether aux bars 1 and 2 are on (IsOn; the Ribex's first
    // pair).
    std::array<bool, 2> auxOn{};
    // Command 11: the notebooks' selections, the aux page's field, the memory
    // page's memory and the lamp page's roles.
    Selections selections;
    // Command 17: the options page's boxes the family has (the Nuvek's slow
    // or the Ribex's fast box as recycling) and the Nuvek's
    // "IDC_ENERGIEBEREICH".
    bool buzzer = false;
    bool recycling = false;
    bool reduced = false;
    bool energyRange = false;
    bool ready = false;
    bool cell = false;
};

// The data bytes of a command for a unit of the family, exactly as many as
// it has. Every code goes out: one without data (14, 15, 18, 24, 27 to 30,
// 102, any code outside 1 to 102) gives no bytes, never an empty result.
// Command 1 lays its value for its outlet's light (0 main, 1 and 2 the aux
// bars) with its step, 22 the owner's text. A
// command 1 with a spin step turns the LED red and 6 starts the busy state:
// both are the page's part.
std::optional<CommandBytes> BuildCommand(const Family& family, const Command& command, const CommandState& state);

}  // namespace PowerPackCodec
