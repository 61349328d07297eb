// The lamp page of the ZaritE family: 2 outlets.
#pragma once

#include "pages/lamp/LampPageBase.h"

class CLampPageZaritE : public CLampPageBase {
public:
    CLampPageZaritE(CFlashDevice* unit, CSettingPageHost* host);
};
