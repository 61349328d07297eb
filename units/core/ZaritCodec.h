// The Zarit power pack (type code 37): the data of its commands, its records
// as the device page shows them, its status rows and alarm texts. The ZaritE
// (ZaritECodec) takes its counters, dates, owner, alarms and service status
// from here. The page gathers its controls' state, calls these and moves the
// results into its controls; text ids are English ids to which the page adds
// its language offset (PageText::Compose).
//
// Rules the page takes from the shared pieces: the modelling-light radios
// from ModellingLight::EnabledRadios over the three aux bars (no preset
// test; the radio handlers and SetLightsInhibited recompute them, record 1
// does not), the spin stepping from SpinStepper with kSpinDownLimit, the
// status panel from PlanStatusPanel with kAlarmTitleOrder, the OK button from
// PlanStatusSet(flags, true, true), the caption from UnitInfoText::Caption and
// the energy texts from FormatEnergyTextZarit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

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

namespace ZaritCodec {

// ---- The family rows ----

// What sets the Zarit (type code 37) and the cut-down ZaritE (137) apart in
// the commands and selections they share.
struct Family {
    // Aux outlets 1 to auxOutlets: the lights of command 1 after the main
    // light, and the lamp roles that record 3 and command 11 carry.
    int auxOutlets;
    // The lamp notebook also holds a memory page; without it command 11
    // reports the lamp page and no memory whatever the page holds.
    bool memories;
};
extern const Family kZarit;
extern const Family kZaritE;

// ---- Commands ----

// The lights of command 1: its outlet names the light.
enum Light { kMainLight = 0, kAuxLight1 = 1, kAuxLight2 = 2, kAuxLight3 = 3 };

// What the builder gathers from the page and its setting pages.
struct CommandState {
    std::array<bool, 3> auxOn{};  // aux bars switched on (IsOn)
    // Command 11: both notebooks' pages, the aux page's field (Zarit: 0
    // sequence, 1 T0.1, 2 interval, 3 alternate, 4 delay, 5 colour, 6 number
    // of packs; ZaritE: 0 sequence, 1 T0.1), the memory page's memory and the
    // lamp page's roles.
    Selections selections;
    // Command 17: the page's power-display mode and the options page's boxes.
    int powerDisplayMode = 0;
    bool slow = false;
    bool reduced = false;
    bool speedDisplay = false;  // ID_OP_SPEEDDISPLAY
    bool readiness = false;     // ID_OP_READINESS
    bool sensitivity = false;   // ID_OP_SENSITIVITY
    // Command 19: GetBuzzerVolume (0 to 3; the ZaritE's box stands for 2),
    // GetBuzzerMode (0, 1), GetBrightness (0 to 3).
    int buzzerVolume = 0;
    int buzzerMode = 0;
    int brightness = 0;
};

// The data bytes of the command for a unit of the family, exactly as many as
// the unit expects; a code without data of its own goes out with none.
// Command 1's outlet is a Light of the family (anything else sends nothing
// at all), its value that light's and its step the spin click's; command 10's value is the number of
// packs x 256 + this unit's place; 22 and 25 lay the owner's and the
// serial's text. The ZaritE lays the codes that none of its controls
// send (7 to 10, 12, 13, 16, 20, 29, 30) as the Zarit does. Side effects are
// the page's part: 1 with a spin step turns the LED red, 6 and 20 start the
// busy handshake (step pending, second step pending).
std::optional<CommandBytes> BuildCommand(const Family& family, const Command& command, const CommandState& state);

// ---- Records ----

// Record 1, status: GeneratorRecords::DecodeStatus with the family's aux
// outlets.

// Record 2, aux functions (read to byte 22), in the order the aux page takes
// them: sequence (from the unit), delay, number of packs, place, T0.1 value
// (the suggested slot when t01Suggested), colour (the suggested slot when
// colourSuggested), T0.1 mode, shortest interval, interval (the suggested
// slot when intervalSuggested), strobe (SetStrobo, then the page's
// SetLightsInhibited), flags. It also ends both pending steps and the busy
// state.
struct AuxFunctions {
    int sequence = 0;
    int delay = 0;  // hundredths of a second
    int packs = 0;  // number of alternating packs
    int place = 0;  // this unit's place in the alternation
    int t01Value = 0;
    bool t01Suggested = false;
    int colour = 0;  // colour step, 4 the optimum
    bool colourSuggested = false;
    int t01Mode = 0;
    int minInterval = 0;
    int interval = 0;  // hundredths of a second
    bool intervalSuggested = false;
    bool strobe = false;
    int flags = 0;  // aux status flags
};
std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record);

// Record 3, selections (read to byte 6 + the family's aux outlets: 9 on the
// Zarit, 8 on the ZaritE): the state command 11 sends, with a lamp role for
// each aux outlet. The notebooks change only when they show another page;
// the Zarit's aux page takes field indexes above 6 as 6. The ZaritE page
// uses the options notebook's page, the aux page's field (0 the sequence,
// any other the T0.1 field) and the two lamp roles.
std::optional<Selections> DecodeSelections(const RecordView& record, const Family& family);

// Record 4, unit information (read to byte 17): the version "37.05 /
// 38.12", the model ("Zarit Z4S", "Zarit Z2S", "Zarit Z4", "Zarit Z2"), the
// voltage ("100-230V", "230V", "117V", "100V"), the supply and the serial
// number (eight characters, up to a 0).
using UnitInfo = UnitRecords::UnitInfo;
std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record);

// Record 5, options (read to byte 7), in the order the setters take them;
// nothing is sent back by them except as the setters say (SetPowerDisplay,
// SetSpeedDisplay).
struct Options : UnitRecords::FlashBoxes {
    bool slow = false;
    bool reduced = false;
    bool store = false;         // aux page's IDC_AU_STORE
    bool powerDisplay = false;  // IDC_OP_POWERDISPLAY, then SetPowerDisplayMode
    bool speedDisplay = false;
    int buzzerVolume = 0;  // 0 to 3
    int buzzerMode = 0;    // 0 or 1
    int brightness = 0;    // 0 to 3
    bool readiness = false;
    bool sensitivity = false;
    bool speedFlag = false;  // SetSpeedFlag: IDC_SPEED and the bars' speed offset
    bool user = false;       // IDC_USER, set without an event
};
std::optional<Options> DecodeOptions(const RecordView& record);

// Records 6, 7, 8 and 10 in the layout every family shares (FamilyRecords),
// over this family's rows.
// Record 6, counters (read to byte 11): the counter (24 bits) and the total
// counter (32 bits, unsigned); no owner.
using Counters = UnitRecords::Counters;
std::optional<Counters> DecodeCounters(const RecordView& record);

// Record 7, alarms (read to byte 8), with the alarm lines of PlanAlarmTexts
// over the cooling time in seconds (bytes 7-8, unsigned); the page then
// updates the status rows.
using Alarms = UnitRecords::Alarms;
std::optional<Alarms> DecodeAlarms(const RecordView& record);

// Record 8, dates (read to byte 11): delivery, service and factory date.
using Dates = UnitRecords::Dates;
std::optional<Dates> DecodeDates(const RecordView& record);

// Record 10, the owner: the bytes from byte 5 to byte 24, as far as the record
// has them, up to a 0 byte, without blanks at the end (the blanks inside stay),
// for the owner display and edit field. Empty only for a record without its
// five header bytes.
std::optional<UnitRecords::Owner> DecodeOwner(const RecordView& record);

// Record 98 carries nothing to decode: the page sets the aux bars back to the
// values of the last record 1 (0 before one came), without warning, and the
// LED red.

// Record 100, service status: the voltages from service level 2 on, each
// flash voltage the byte x 14200 / 5000, no nominal voltage (read to byte 6,
// with the voltages to byte 10). The LED is green (2) when ready, else red
// (1); a changed level goes to the info page and redraws the status rows.
std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record);

// Records 101 to 104, memories 1 to 4 (read to byte 15). The page shows a
// memory only while its radio is checked; an empty one it answers with
// command 12 and the index, leaving the table as it is.
struct MemoryOutlet {
    // FormatEnergyTextZarit(value, available, on, flags, channel, ...): flags
    // bit 0 the memory's strobe, bit 1 its speed.
    int value = 0;
    bool available = false;
    bool on = false;
    int flags = 0;
    int channel = 0;
};
struct Memory {
    int index = 0;  // 0 to 3
    bool empty = false;
    // Left column, lines 2, 3, 4: outlets 1, 2, 3.
    std::array<MemoryOutlet, 3> outlets;
    // Right column, lines 1 to 5; empty lines have empty texts.
    std::array<MemoryLine, 5> right;
    // Line 5 of the left column: the sixth entry, if any.
    MemoryLine left5;
};
// The strobe entry reads "strobo" "on", at the German language offset (500)
// "Strobo" "ein".
std::optional<Memory> DecodeMemory(const RecordView& record, int languageOffset);

// ---- Status panel and light rules ----

// The aux page's values that the status rows show.
struct AuxValues {
    int colour = 4;           // GetColour
    int colourSuggested = 4;  // GetColourAlt
    int t01Mode = 0;
    int t01Value = 0;
    int t01ValueSuggested = 0;
    int sequence = 0;
    int interval = 0;  // hundredths of a second
    int intervalSuggested = 0;
    int delay = 0;  // hundredths of a second
    int place = 0;  // this unit's place in the alternation
};

// The four status rows, red texts and panel request from the aux page and
// the aux status flags: first the colour, flash-duration or T0.1 row (always),
// then sequence, interval, delay and place (the place only while no flag of
// 0x9E is set); flags 0x9E ask for the suggested-settings view.
StatusRows BuildStatusRows(const AuxValues& aux, int flags);

// The alarm lines of record 7: a cooling break reads "approx. 45 sec" (60
// seconds or less) or "approx. 2 min" and "cool - break"; IDC_ST_ALARM is
// emptied whatever the alarm.
AlarmLines PlanAlarmTexts(const AlarmState& alarms, int coolingSeconds);

// The charge error names the title first.
const AlarmTitleOrder kAlarmTitleOrder = AlarmTitleOrder::ChargeFirst;

// A repeated down step of any light's spin goes on while the bar is above this.
const int kSpinDownLimit = 1;

}  // namespace ZaritCodec
