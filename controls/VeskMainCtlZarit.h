// The Zarit page's main-light bar: marker "St" (strobe), light blue text.
#pragma once

#include "controls/MainLightBar.h"

class CVeskMainCtlZarit : public CMainLightBar {
public:
    explicit CVeskMainCtlZarit(CLightBarPage* page);
};
