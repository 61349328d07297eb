// What a power pack's status record tells of one auxiliary outlet, for its
// light bar.
#pragma once

struct AuxOutlet {
    bool on = false;         // switched on (bar's SetState)
    bool available = false;  // a lamp is plugged in; also the lamp page's choice of the outlet
    int value = 0;           // energy (bar's SetValue); the page keeps it for the test flash's end
    bool warning = false;    // draw the energy red
    int percent = 0;         // share of full energy
    int joules = 0;

    bool operator==(const AuxOutlet& other) const
    {
        return on == other.on && available == other.available && value == other.value &&
               warning == other.warning && percent == other.percent && joules == other.joules;
    }
};
