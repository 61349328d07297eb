// The lamp page of the Zarit family: 3 outlets.
#pragma once

#include "pages/lamp/LampPageBase.h"

class CLampPageZarit : public CLampPageBase {
public:
    CLampPageZarit(CFlashDevice* unit, CSettingPageHost* host);
};
