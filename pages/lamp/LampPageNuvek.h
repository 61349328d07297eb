// The lamp page of the Nuvek family: 2 outlets.
#pragma once

#include "pages/lamp/LampPageBase.h"

class CLampPageNuvek : public CLampPageBase {
public:
    CLampPageNuvek(CFlashDevice* unit, CSettingPageHost* host);
};
