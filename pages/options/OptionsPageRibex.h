// The options page of the Ribex family: fast recycling, a dim ready signal and a
// sensitive photocell besides the common options; the total counter.
#pragma once

#include "pages/options/OptionsPageBase.h"

class COptionsPageRibex : public COptionsPageBase {
public:
    COptionsPageRibex(CFlashDevice* unit, CSettingPageHost* host);
};
