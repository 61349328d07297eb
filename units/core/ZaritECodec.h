// The ZaritE power pack (type code 137), the cut-down Zarit: two aux
// outlets, no memories, no infrared, toggles or power display. Its commands
// and selections are the Zarit's with the family row ZaritCodec::kZaritE; its
// counters, alarms, dates, owner and service status are the Zarit's records
// (ZaritCodec), its other records its own. The page gathers its controls'
// state, calls these and moves the results into its controls; text ids are
// English ids to which the page adds its language offset.
//
// Rules the page takes from the shared pieces: the modelling-light radios
// from ModellingLight::EnabledRadios over the two aux bars, the spin stepping
// from SpinStepper with kSpinDownLimit, the status panel from
// PlanStatusPanel with kAlarmTitleOrder, the caption from
// UnitInfoText::Caption and the energy texts from FormatEnergyTextZaritE. Its
// OK button takes nothing over: it only redraws the status rows.
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
#include "units/core/ZaritCodec.h"

namespace ZaritECodec {

// ---- Commands ----

// The lights of command 1: its outlet names the light.
enum Light { kMainLight = 0, kAuxLight1 = 1, kAuxLight2 = 2 };

// Its commands and their state are the Zarit's (ZaritCodec::BuildCommand
// with ZaritCodec::kZaritE): the page gathers aux bars 1 and 2, the options
// notebook's page, the aux page's field (0 sequence, 1 T0.1), the lamp page's
// two roles, IDC_OP_SLOW and the buzzer box (volume 2 when checked); the
// owner and the serial come with their commands.
using ZaritCodec::CommandState;

// ---- Records ----

// Record 1, status: GeneratorRecords::DecodeStatus with the two aux outlets
// of ZaritCodec::kZaritE (bytes 17 to 20 and byte 21 bits 6 and 7 belong to a
// third outlet that the ZaritE lacks).

// Record 2, aux functions (read to byte 20), in the order the page takes
// them: sequence (from the unit), T0.1 value, T0.1 mode, lights inhibited
// (SetLightsInhibited), flags. It also ends the pending steps and the busy
// state.
struct AuxFunctions {
    int sequence = 0;
    // Empty while the unit suggests a T0.1 value (flags 0x04): the aux page
    // keeps its own, it has no slot for a suggestion.
    std::optional<int> t01Value;
    int t01Mode = 0;
    bool lightsInhibited = false;  // the strobe runs
    int flags = 0;                 // aux status flags
};
std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record);

// Record 3, selections: ZaritCodec::DecodeSelections with
// ZaritCodec::kZaritE.

// Record 4, unit information (read to byte 17): the Zarit's, with the model
// "Zarit Z4" or "Zarit Z2" for a voltage variant, else "Zarit 3200E" or
// "Zarit 1600E" when byte 5 is 137, "Zarit 3200S" or "Zarit 1600S" when not.
using ZaritCodec::UnitInfo;
std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record);

// Record 5, options (read to byte 6).
struct Options : UnitRecords::FlashBoxes {  // no infrared trigger
    bool slow = false;
    int buzzerVolume = 0;  // 0 to 3: ID_OP_BUZZER_VOL checked from 1 on
};
std::optional<Options> DecodeOptions(const RecordView& record);

// Records 6, 7, 8, 10 and 100 are the Zarit's; 98 carries nothing to decode
// (the aux bars go back to the last record 1's values, the LED red); 9 and
// the memory records 101 to 104 are ignored.
using ZaritCodec::Alarms;
using ZaritCodec::Counters;
using ZaritCodec::Dates;
using ZaritCodec::DecodeAlarms;
using ZaritCodec::DecodeCounters;
using ZaritCodec::DecodeDates;
using ZaritCodec::DecodeOwner;
using ZaritCodec::DecodeServiceStatus;

// ---- Status panel ----

// The status rows from the aux page's T0.1 mode and value and its sequence,
// and the panel request from the aux status flags: the T0.1 row (with flags
// 0x04 "flash duration", red, with empty value and red text), then the
// sequence when it is not 0. The page writes rows 0 and 1 and their red
// texts only: the interval and delay rows keep the layout's texts.
StatusRows BuildStatusRows(int t01Mode, int t01Value, int sequence, int flags);
const int kStatusRowsWritten = 2;

using ZaritCodec::kAlarmTitleOrder;
using ZaritCodec::kSpinDownLimit;
using ZaritCodec::PlanAlarmTexts;

}  // namespace ZaritECodec
