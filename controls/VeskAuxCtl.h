// The Quirel A1 page's auxiliary-light bar: green text, joules up to 3200.
#pragma once

#include "controls/AuxLightBar.h"

class CVeskAuxCtl : public CAuxLightBar {
public:
    // channel: the outlet number, 1 to 3.
    CVeskAuxCtl(CLightBarPage* page, int16_t channel);
};
