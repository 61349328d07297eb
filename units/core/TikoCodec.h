// The compact Tiko units (type codes 18 Trovalex, 25 Sorvant, 26 Hexor): the
// data of their commands, their records as the device page shows them, the
// status rows, and the limit of the Trovalex's two highest modelling-light
// levels. The page gathers its controls' state, calls these and moves the
// results into its controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "units/core/Command.h"
#include "units/core/CommandBytes.h"
#include "units/core/MemoryDetail.h"
#include "units/core/PageText.h"
#include "units/core/RecordView.h"
#include "units/core/ServiceStatus.h"
#include "units/core/StatusPlan.h"
#include "units/core/UnitRecords.h"

namespace TikoCodec {

// The model codes that record 4 reports; the page starts with the unit's
// type code until then.
enum ModelCode { kTrovalex = 18, kSorvant = 25, kHexor = 26 };

// ---- The model rows ----

// A model's name and energy rating in joules.
struct ModelName {
    const char* name;  // none: the page keeps its rating
    int rating;
};

// What sets the three lines apart.
struct ModelRow {
    int code;
    // By bits 0-2 of record 4 byte 7.
    std::array<ModelName, 8> names;
    // The voltage text by bits 3-5 of record 4 byte 7.
    std::array<const char*, 8> voltages;
    // Command 25 carries the serial number in 32 bits; else only its last
    // four decimal digits, as two base-100 digits.
    bool binarySerial;
    // Record 6 counts in 24 bits; else in three base-100 digits.
    bool binaryCounter;
    // The unit has infrared release ("IDC_FL_IR") and the energy range
    // ("IDC_ENERGIEBEREICH", command 29).
    bool infrared;
    bool energyRange;
    // PROP4 and PROP5 are refused at high bar values (LimitModellingLight).
    bool limitsTopLevels;
};

// The row of a model code: 18 the Trovalex, 25 the Sorvant, any other the
// Hexor's.
const ModelRow& ModelOf(int modelCode);

// ---- Commands ----

// What the builder gathers from the page and its setting pages.
struct CommandState {
    int modelCode = 0;    // the page's model code: the serial's layout
    int optionsTab = 0;   // IDC_OPTIONSTAB page: 0 aux, 1 options, 2 infos
    int auxField = 0;     // aux page field: 0 sequence, 1 interval, 2 alternate, 3 delay
    int memory = 0;       // selected memory radio 0 to 3 (memories 5 to 8)
    int lamp = 0;         // IDC_LA_LAMP4 entry 0 to 20
    bool buzzer = false;  // options page check boxes
    bool slow = false;
    bool reduced = false;
    bool cell = false;  // IDC_OP_CELL
};

// The data bytes of the command, exactly as many as the unit expects; a code
// without data in the table (6, 9, 30 and codes it does not know) goes out
// with none. Command 1 lays its value, the energy of outlet 1, the unit's
// only light, stepped by the command's step; for another outlet it lays
// nothing. With a spin step the page also turns its LED red. Commands 22 and 23 go out as the code alone.
std::optional<CommandBytes> BuildCommand(const Command& command, const CommandState& state);

// ---- Records ----

// Record 1, status (read to byte 9).
struct Status {
    bool powerOn = false;
    bool energyRange = false;  // IDC_ENERGIEBEREICH: set before the bar's value, which it limits
    int value = 0;             // the bar's value
    bool warning = false;
    int modellingLightMode = 0;  // radio index: 0 FULL, 1 LOW, 2 to 6 PROP1 to PROP5, 7 PROPMAX
};
std::optional<Status> DecodeStatus(const RecordView& record);

// Record 2, aux functions (read to byte 13), in the order the aux page takes
// them: sequence, delay, alternate, shortest interval, interval, flags.
struct AuxFunctions {
    int sequence = 0;
    int delay = 0;  // tenths of a second
    int alternate = 0;
    int minInterval = 0;
    int interval = 0;
    bool intervalSuggested = false;  // the interval is the suggested one (SetIntervalAlt)
    int flags = 0;                   // aux status flags
};
std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record);

// Record 3, selections (read to byte 7): the state command 11 sends. The
// notebook changes only when it shows another page.
struct Selections {
    int optionsTab = 0;  // 0 aux, 1 options, 2 infos
    int auxField = 0;    // to SelectFieldByIndex
    int memory = 0;      // radio 0 to 3
    int lamp = 0;        // IDC_LA_LAMP4 entry 0 to 20
};
std::optional<Selections> DecodeSelections(const RecordView& record);

// Record 4, unit information (read to byte 12), for the info page and the
// page's model code, low-voltage flag and rating; the caption is
// UnitInfoText::Caption(address, model, serial).
// The version is the model code, ".", byte 6 with two digits ("18.05"), the
// model "Trovalex T160", "Sorvant 80", ..., empty for an unknown Hexor, the
// serial number unsigned.
struct UnitInfo : UnitRecords::UnitInfo {
    int modelCode = 0;
    std::optional<int> rating;  // joules 300, 600, 1200; none keeps the page's rating
    bool lowVoltage = false;    // the 100 V variants: the bar's joules use it
};
std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record);

// Record 5, options (read to byte 8); nothing is sent back.
struct Options : UnitRecords::FlashBoxes {
    bool buzzer = false;
    bool optionCell = false;  // options page IDC_OP_CELL
    bool slow = false;
    bool reduced = false;
    bool store = false;    // aux page's IDC_AU_STORE
    int powerDisplay = 0;  // 0 to 4
    int irAddress = -1;    // IDC_OP_IRADDRESS entry 0 to 2, -1 none
};
std::optional<Options> DecodeOptions(const RecordView& record);

// Records 6, 7 and 8 in the layout every family shares (FamilyRecords),
// over this family's rows.
// Record 6, counters and owner (read to byte 21): the total counter in the
// form of the model's row and the owner (bytes 8-21) for the owner display
// and edit field; no counter.
using Counters = UnitRecords::Counters;
std::optional<Counters> DecodeCounters(const RecordView& record, int modelCode);

// Record 7, alarms (read to byte 6), with the alarm lines of PlanAlarmTexts
// without cooling time; the page then updates the status rows.
using Alarms = UnitRecords::Alarms;
std::optional<Alarms> DecodeAlarms(const RecordView& record);

// Record 8, dates (read to byte 11): delivery, service and factory date;
// bytes above 99 count as 0.
using Dates = UnitRecords::Dates;
std::optional<Dates> DecodeDates(const RecordView& record);

// Record 100, service status: the shared layout with this family's factors.
std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record);

// Records 101 to 104, memories 5 to 8 (read to byte 8). The page shows a
// memory only while its radio is checked; an empty one it answers with
// command 12 and the index, leaving the table as it is.
struct Memory {
    int index = 0;  // radio 0 to 3
    bool empty = false;
    int energy = 0;  // line 1 left: FormatEnergyTextTiko(energy, mode)
    // Lines 1 and 2 of the right column; empty lines have empty texts. Line
    // 3 (both columns) is emptied.
    std::array<MemoryLine, 2> right;
};
std::optional<Memory> DecodeMemory(const RecordView& record);

// ---- Status panel and light rules ----

// The status rows from the aux page's sequence and delay (tenths of a
// second), and the panel request from the aux status flags; no red texts.
StatusRows BuildStatusRows(int sequence, int delay, int flags);

// Over-temperature names the title first.
const AlarmTitleOrder kAlarmTitleOrder = AlarmTitleOrder::ThermoFirst;

// The limit of the two highest modelling-light levels by the bar's value,
// where the model's row has it (the Trovalex): PROP4 is refused from 95 on,
// PROP5 from 85 on; a selected level above the limit runs at the level
// below, which IDC_LM_OVER reports.
struct ModellingLimit {
    bool prop4Enabled = true;
    bool prop5Enabled = true;
    // IDC_LM_OVER: "set to prop" and the level in use, shown while the
    // selected one is lowered. Other models leave it as it is (none).
    struct Over {
        bool shown = false;
        PageText text;
    };
    std::optional<Over> over;
};
ModellingLimit LimitModellingLight(int modelCode, int mode, int barValue);

// A repeated down step of the spin goes on while the bar is above this.
const int kSpinDownLimit = 33;

}  // namespace TikoCodec
