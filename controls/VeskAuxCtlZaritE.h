// The ZaritE page's auxiliary-light bar: light blue text, joules up to 3200.
#pragma once

#include "controls/AuxLightBar.h"

class CVeskAuxCtlZaritE : public CAuxLightBar {
public:
    // channel: the outlet number, 1 to 3.
    CVeskAuxCtlZaritE(CLightBarPage* page, int16_t channel);
};
