// The lamp page of the QuirelA1 family: 3 outlets.
#pragma once

#include "pages/lamp/LampPageBase.h"

class CLampPage : public CLampPageBase {
public:
    CLampPage(CFlashDevice* unit, CSettingPageHost* host);
};
