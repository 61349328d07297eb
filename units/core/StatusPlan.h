// The status panel of a device page as data: the four status rows, the
// suggested-settings view with its red texts and OK button, the alarm group
// and its title, and what the OK button takes over. Pages of every family
// move these into their controls.
#pragma once

#include <array>
#include <optional>

#include "units/core/PageText.h"

// The aux status flags that a unit's record 2 reports. Bit 4 differs by
// family: more than three stops apart, or (Zarit) a suggested colour.
enum AuxStatusFlag {
    kFlagAsymmetry = 0x02,
    kFlagSuggestedT01 = 0x04,
    kFlagSuggestedInterval = 0x08,
    kFlagOverThreeStops = 0x10,
    kFlagSuggestedColour = 0x10,
    kFlagInactiveOnSlow = 0x80,
};

// The flags that ask for the suggested-settings view, by default and on the
// families whose suggested colour asks for it too.
const int kSuggestionFlags = 0x8E;
const int kSuggestionFlagsWithColour = 0x9E;

// What the page passes to its panel switch: whether the suggested-settings
// view (group 2) is asked for, its title id (0: "status"), which red texts
// and whether the OK button show there.
struct PanelRequest {
    bool auxActive = false;
    int titleId = 0;
    bool flashRed = false;
    bool sequenceRed = false;
    bool intervalRed = false;
    bool setShown = false;
    bool operator==(const PanelRequest& other) const;
};

// The texts of the status rows, in the order of the rows FLASH, SEQUENCE,
// INTERVAL, DELAY (filled in that order whatever the entries are), the red
// texts of the first three rows, and the panel request.
struct StatusRows {
    struct Row {
        PageText label;
        PageText value;
    };
    std::array<Row, 4> rows;
    std::array<PageText, 3> red;
    std::array<bool, 3> redShown{};  // which of the first three rows has its red text
    PanelRequest panel;

    // Fills the next free row; returns its index, or nothing when all four
    // are taken.
    std::optional<int> Append(PageText label, PageText value);
    // The same with a red text beside the row, which only the first three
    // rows have.
    std::optional<int> AppendRed(PageText label, PageText value, PageText redText);
    int Used() const { return m_used; }

private:
    int m_used = 0;
};

// The values and labels of the generators' status rows: a flash duration
// "1/500", a time in hundredths "1.50s", each "off" at 0; the T0.1 row's
// label by the T0.1 mode: 0 "flash duration t0.1 opt.", a step in bits 0-3
// "flash duration t0.1", else "flash duration t0.1 min.".
PageText FlashDurationText(int denominator);
PageText HundredthsText(int hundredths);
int T01LabelId(int t01Mode);

// The suggested-settings view that the aux status flags ask for: flags & mask
// of 0x02 (asymmetry alone) show it without the OK button, any other bit of
// the mask with it, none keeps the normal view. red gives the red-text rows.
PanelRequest SuggestedSettingsPanel(int flags, const std::array<bool, 3>& red, int mask = kSuggestionFlags);

// The alarm words of record 7 and the service level of record 100.
struct AlarmState {
    int charge = 0;
    int thermo = 0;
    int serviceLevel = 0;
};

// Which alarm names the panel's title when both words are set.
enum class AlarmTitleOrder { ChargeFirst, ThermoFirst };

// What the panel shows: title id for IDC_STATUS and IDC_STATUS2, the alarm
// group, the normal group 1, the suggested-settings group 2 (auxView); while
// auxView, the red texts and OK button by the request. When auxView differs
// from the page's last one, the flash-control group shows exactly when
// auxView is false (IDC_FL_RF only for radio units) and IDC_LED when power
// is on and auxView is false; leaving the aux view hides the reds and OK.
struct PanelPlan {
    int titleId = 0;
    bool alarmShown = false;
    bool auxView = false;
    bool group1Shown = false;
    bool group2Shown = false;
    bool flashRedShown = false;
    bool sequenceRedShown = false;
    bool intervalRedShown = false;
    bool setShown = false;
};

// An alarm shows only at service level 0; at a higher level the title names
// it in its service-mode wording and the rows stay.
PanelPlan PlanStatusPanel(const PanelRequest& request, const AlarmState& alarms, AlarmTitleOrder order);

// The alarm lines: set ones replace the control's text, empty optionals keep
// it; clearTitle empties IDC_ST_ALARM (no alarm: the panel hides the lines).
struct AlarmLines {
    bool clearTitle = false;
    std::optional<PageText> line1;
    std::optional<PageText> line2;
    std::optional<PageText> line3;
};

// Over-temperature wins over a charge error; coolingMinutes, where the family
// reports it, reads "approx. 5 min" on the first line, else that line is empty.
AlarmLines PlanAlarmTexts(const AlarmState& alarms, std::optional<int> coolingMinutes);

// What the OK button (IDC_ST_SET) takes over, and the flags left after it.
struct StatusSet {
    int flags = 0;
    bool intervalOff = false;        // interval set to 0, then command 7 with the aux page's interval
    bool intervalSuggested = false;  // interval set to the suggested one, then command 7
    bool t01Suggested = false;       // T0.1 value set to the suggested one, redrawn, then command 6 with 1
    bool colourSuggested = false;    // colour set to the suggested one, then command 20 with 2
};

// takesT01: the family's button also takes over a suggested flash duration;
// takesColour: a suggested colour (flag 0x10), after the flash duration.
StatusSet PlanStatusSet(int flags, bool takesT01, bool takesColour = false);
