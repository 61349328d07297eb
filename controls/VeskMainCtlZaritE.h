// The ZaritE page's main-light bar: marker "St" (strobe), light blue text.
#pragma once

#include "controls/MainLightBar.h"

class CVeskMainCtlZaritE : public CMainLightBar {
public:
    explicit CVeskMainCtlZaritE(CLightBarPage* page);
};
