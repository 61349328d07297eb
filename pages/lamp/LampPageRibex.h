// The lamp page of the Ribex family: 3 outlets.
#pragma once

#include "pages/lamp/LampPageBase.h"

class CLampPageRibex : public CLampPageBase {
public:
    CLampPageRibex(CFlashDevice* unit, CSettingPageHost* host);
};
