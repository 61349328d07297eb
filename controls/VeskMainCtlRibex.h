// The Ribex page's main-light bar: marker "Pr", green text, availability from the page.
#pragma once

#include "controls/MainLightBar.h"

class CVeskMainCtlRibex : public CMainLightBar {
public:
    explicit CVeskMainCtlRibex(CLightBarPage* page);
};
