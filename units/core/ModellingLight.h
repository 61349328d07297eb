// The modelling lamp of the power packs whose lamp draws on the generator
// with the aux outlets (Quirel A1, Zarit, ZaritE): which mode radios the
// outlets leave it, and the text that says which level the unit runs.
#pragma once

#include <array>
#include <initializer_list>

#include "units/core/PageText.h"

namespace ModellingLight {

struct AuxBar {
    int value;  // the bar's value
    bool on;    // the bar is switched on (IsOn)
};

// The mode radios enabled, by radio index (0 PROPMAX, 1 FULL, 2 LOW, 3 to 7
// PROP1 to PROP5): (150 - the highest value of a switched-on aux bar) / 10
// minus the unit's energy class levels are left; PROPn needs more than
// n + 1 of them, the others one.
std::array<bool, 8> EnabledRadios(std::initializer_list<AuxBar> bars, int energyClass);

// IDC_LM_OVER: "set to prop" and the level the unit runs instead of the
// selected one, from record 1 byte 22 bits 4-6 (that number minus 2).
PageText OverText(int level);

}  // namespace ModellingLight
