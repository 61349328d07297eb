// The options page of the Nuvek family: recycling options and the total counter.
#pragma once

#include "pages/options/OptionsPageBase.h"

class COptionsPageNuvek : public COptionsPageBase {
public:
    COptionsPageNuvek(CFlashDevice* unit, CSettingPageHost* host);
};
