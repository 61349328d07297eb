// What the readiness LED of a device page shows: red while the unit is not
// ready (charging, or a flash or a step of its energy under way), green once
// it is; none before the first report and on a unit with radio release,
// which shows its readiness itself.
#pragma once

enum LedState { kLedNone = 0, kLedRed = 1, kLedGreen = 2 };
