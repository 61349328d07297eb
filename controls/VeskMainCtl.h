// The Quirel A1 page's main-light bar: marker "Pr", green text.
#pragma once

#include "controls/MainLightBar.h"

class CVeskMainCtl : public CMainLightBar {
public:
    explicit CVeskMainCtl(CLightBarPage* page);
};
