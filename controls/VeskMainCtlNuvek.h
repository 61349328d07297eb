// The Nuvek page's main-light bar: marker "Pr", green text, availability from the page.
#pragma once

#include "controls/MainLightBar.h"

class CVeskMainCtlNuvek : public CMainLightBar {
public:
    explicit CVeskMainCtlNuvek(CLightBarPage* page);
};
