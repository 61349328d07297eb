// The Zarit page's auxiliary-light bar: light blue text, joules up to 3200.
#pragma once

#include "controls/AuxLightBar.h"

class CVeskAuxCtlZarit : public CAuxLightBar {
public:
    // channel: the outlet number, 1 to 3.
    CVeskAuxCtlZarit(CLightBarPage* page, int16_t channel);
};
