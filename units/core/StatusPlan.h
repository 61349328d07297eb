// The status panel of a device page: its title, which of its groups shows,
// the alarm lines and the four status rows. The page keeps the alarms, its
// service level, its aux-view state and its power flag, and applies the plan
// to its controls.
#pragma once

#include <array>
#include <optional>

#include "units/core/LabelledValue.h"
#include "units/core/RecordView.h"

namespace StatusPlan {

// Record 7: charge error (byte 5 bit 0) and thermal alarm (byte 6 bit 0).
struct Alarms {
    bool charge = false;
    bool thermo = false;
};

// Empty when the record ends before byte 6.
std::optional<Alarms> DecodeAlarms(const RecordView& record);

// Texts of "IDC_ST_ALARM" and "IDC_ST_ALARM1" to "IDC_ST_ALARM3": a text id,
// 0 for an empty text, nothing to leave the control as it is.
struct AlarmTexts {
    std::optional<int> alarm;
    std::array<std::optional<int>, 3> lines;
};

AlarmTexts PlanAlarmTexts(const Alarms& alarms);

// What the page asks the panel to show. The Nuvek and Ribex pages ask for
// the plain status view (all members 0).
struct Request {
    bool auxActive = false;  // the auxiliary-function view (group 2)
    int titleId = 0;         // title when no alarm decides it; 0 for "status"
    bool flashRed = false;   // red markers of the aux view
    bool sequenceRed = false;
    bool intervalRed = false;
    bool setShown = false;   // "IDC_ST_SET" in the aux view
};

struct Panel {
    int titleId = 0;          // "IDC_STATUS" and "IDC_STATUS2"
    bool alarmGroup = false;  // "IDC_ST_ALARM", "IDC_ST_ALARM1" to "IDC_ST_ALARM3"
    bool group1 = false;      // "IDC_STATUS" and the rows without "2"
    bool group2 = false;      // "IDC_STATUS2" and the rows ending in "2"
    bool auxView = false;     // the page keeps it for the next plan and for its power button
    // Set only when the aux view changes: "IDC_FLASH", "IDC_FL_CELL",
    // "IDC_FL_IR", "IDC_FL_RF", "IDC_FL_TEST" shown or hidden, and "IDC_LED".
    std::optional<bool> flashControls;
    std::optional<bool> led;
    // "IDC_ST_FLASH_RED", "IDC_ST_SEQUENCE_RED", "IDC_ST_INTERVAL_RED" and
    // "IDC_ST_SET": shown only in the aux view, by the request.
    bool flashRed = false;
    bool sequenceRed = false;
    bool intervalRed = false;
    bool setShown = false;
};

// A thermal alarm, else a charge error, titles the panel (in service mode
// with their service-mode titles) and, outside service mode, shows the alarm
// group instead of the rows. auxView is the page's state from the last plan.
Panel Plan(const Request& request, const Alarms& alarms, int serviceLevel, bool auxView, bool powerOn);

// The service level that the information and options pages get: 0 for a unit
// with radio release, the unit's level otherwise.
int SettingPagesServiceLevel(int level, bool radio);

// The four status rows: the flash, sequence, interval and delay rows, each
// written into both groups; the red texts are cleared with them.
using Rows = std::array<LabelledValue, 4>;

}  // namespace StatusPlan
