// The Ribex page's auxiliary-light bar: green text, joules up to 6100, its
// check box hidden. It shows two outlets (bar 2 also outlet 3), each with a
// marker at its left edge.
#pragma once

#include "controls/AuxLightBar.h"

class CVeskAuxCtlRibex : public CAuxLightBar {
public:
    // channel: the outlet number, 1 to 3.
    CVeskAuxCtlRibex(CLightBarPage* page, int16_t channel);
    // Pair 1 is the bar's own outlet, pair 2 the second outlet it shows.
    void SetState1(bool on, bool available) { SetPair(0, on, available); }
    void SetState2(bool on, bool available) { SetPair(1, on, available); }
};
