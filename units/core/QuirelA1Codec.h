// The Quirel A1 power pack (type code 16): the data of its commands, its
// records as the device page shows them, its status rows, the modelling-light
// limit and the third-stop grid of its power display. The page gathers its
// controls' state, calls these and moves the results into its controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "units/core/Command.h"
#include "units/core/CommandBytes.h"
#include "units/core/MemoryDetail.h"
#include "units/core/PageText.h"
#include "units/core/PowerPackRecords.h"
#include "units/core/RecordView.h"
#include "units/core/Selections.h"
#include "units/core/ServiceStatus.h"
#include "units/core/StatusPlan.h"
#include "units/core/UnitRecords.h"

namespace QuirelA1Codec {

// ---- Commands ----

// The lights of command 1: its outlet names the light.
enum Light { kMainLight = 0, kAuxLight1 = 1, kAuxLight2 = 2, kAuxLight3 = 3 };

// What the builder gathers from the page and its setting pages.
struct CommandState {
    std::array<bool, 3> auxOn{};  // aux bars switched on (IsOn)
    // Command 11: both notebooks' pages, the aux page's field (0 sequence,
    // 1 T0.1, 2 interval, 3 alternate, 4 delay, 5 preset), the memory page's
    // memory and the lamp page's three roles.
    Selections selections;
    bool buzzer = false;  // options page check boxes
    bool slow = false;
    bool reduced = false;
};

// The data bytes of the command, exactly as many as the unit expects; a code
// without data of its own goes out with none. Command 1's outlet is a Light
// (anything else sends nothing at all), its value that light's and its step
// the spin click's; 22
// lays the owner's text. 1 with a spin step turns the LED red and 6 starts
// the busy handshake: both are the page's part.
std::optional<CommandBytes> BuildCommand(const Command& command, const CommandState& state);

// ---- Records ----

// Record 1, status: GeneratorRecords::DecodeStatus with the three aux
// outlets.

// Record 2, aux functions (read to byte 22), in the order the aux page takes
// them: sequence, delay, preset, alternate, T0.1 value, T0.1 mode, shortest
// interval, interval, preset times, T0.1 maximum, flags. It also ends a
// pending step and the busy state.
struct AuxFunctions {
    int sequence = 0;
    int t01Mode = 0;
    int interval = 0;                // hundredths of a second
    bool intervalSuggested = false;  // the interval is the suggested one (SetIntervalAlt)
    int delay = 0;                   // hundredths of a second
    int preset = 0;
    int alternate = 0;
    int t01Value = 0;
    bool t01Suggested = false;  // the T0.1 value is the suggested one (SetT01ValueAlt)
    std::array<int, 3> presetTimes{};
    int t01MaxPreset = 0;
    int flags = 0;  // aux status flags
    int minInterval = 0;
};
std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record);

// Record 3, selections (read to byte 9): the state command 11 sends, with
// the lamp roles of all three outlets. The notebooks change only when they
// show another page.
const int kLampsUsed = 3;
std::optional<Selections> DecodeSelections(const RecordView& record);

// Record 4, unit information (read to byte 12): the version "3.07", the
// model ("Quirel Q4", "Quirel Q2", "Quirel 4", "Quirel 2"), the voltage
// ("117V", "100V", "230V"), the supply and the serial number (unsigned).
using UnitInfo = UnitRecords::UnitInfo;
std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record);

// Record 5, options (read to byte 7); nothing is sent back.
struct Options : UnitRecords::FlashBoxes {
    bool buzzer = false;
    bool slow = false;
    bool reduced = false;
    bool store = false;    // aux page's IDC_AU_STORE
    int powerDisplay = 0;  // 0 to 4
    int irAddress = -1;    // IDC_OP_IRADDRESS entry 0 to 2, -1 none
};
std::optional<Options> DecodeOptions(const RecordView& record);

// Records 6, 7 and 8 in the layout every family shares (FamilyRecords),
// over this family's rows.
// Record 6, counters and owner (read to byte 23): the counter (bytes 5-6),
// the total counter (bytes 7-9) and the owner (bytes 10-23) for the owner
// display and edit field.
using Counters = UnitRecords::Counters;
std::optional<Counters> DecodeCounters(const RecordView& record);

// Record 7, alarms (read to byte 7), with the alarm lines of PlanAlarmTexts
// over the cooling minutes of byte 7; the page then updates the status rows.
using Alarms = UnitRecords::Alarms;
std::optional<Alarms> DecodeAlarms(const RecordView& record);

// Record 8, dates (read to byte 11): delivery, service and factory date.
using Dates = UnitRecords::Dates;
std::optional<Dates> DecodeDates(const RecordView& record);

// Record 100, service status: the shared layout with this family's factors.
std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record);

// Records 101 to 104, memories 1 to 4 (read to byte 15). The page shows a
// memory only while its radio is checked; an empty one it answers with
// command 12 and the index, leaving the table as it is.
struct Memory {
    int index = 0;  // 0 to 3
    bool empty = false;
    // Left column, lines 4, 3, 2: outlets 1, 2, 3.
    std::array<MemoryEnergy, 3> outlets;
    // Right column, lines 1 to 5; empty lines have empty texts.
    std::array<MemoryLine, 5> right;
    // Line 5 of the left column: the sixth entry, if any.
    MemoryLine left5;
};
std::optional<Memory> DecodeMemory(const RecordView& record);

// ---- Status panel and light rules ----

// The aux page's values that the status rows show.
struct AuxValues {
    int preset = 0;
    int t01Value = 0;
    int t01ValueSuggested = 0;
    int t01Mode = 0;
    int interval = 0;  // hundredths of a second
    int intervalSuggested = 0;
    int sequence = 0;
    int delay = 0;  // hundredths of a second
    int alternate = 0;
    int t01MaxPreset = 0;
};

// The status rows, red texts and panel request from the aux page and the aux
// status flags; a preset sequence shows itself and keeps the normal view.
StatusRows BuildStatusRows(const AuxValues& aux, int flags);

// The charge error names the title first.
const AlarmTitleOrder kAlarmTitleOrder = AlarmTitleOrder::ChargeFirst;

// The modelling-light radios enabled, by radio index (0 PROPMAX, 1 FULL,
// 2 LOW, 3 to 7 PROP1 to PROP5): no level while a preset runs, else
// (150 - the highest value of a switched-on aux bar) / 10 minus the unit's
// energy class levels; PROPn needs more than n + 1 levels, the others one.
std::array<bool, 8> EnabledModellingRadios(bool presetActive, const std::array<int, 3>& auxValue,
                                           const std::array<bool, 3>& auxOn, int energyClass);

// The step of a short spin click in power-display mode 4: to the next point
// of the third-stop grid (…, 50, 53, 57, 60, …), between 33 and 100. A
// SpinStepper landing.
int ThirdStopStep(int value, int step);

// A repeated down step of the spin goes on while the bar is above this.
int SpinDownLimit(Light light);

}  // namespace QuirelA1Codec
