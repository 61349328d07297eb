// The Nuvek page's auxiliary-light bar: green text, joules up to 6100; its
// check box stays hidden.
#pragma once

#include "controls/AuxLightBar.h"

class CVeskAuxCtlNuvek : public CAuxLightBar {
public:
    // channel: the outlet number, 1 to 3.
    CVeskAuxCtlNuvek(CLightBarPage* page, int16_t channel);
};
