// The options page of the QuirelA1 family, on "DLG_OPTIONS_PAGE".
#pragma once

#include "pages/options/OptionsPageBase.h"

class COptionsPage : public COptionsPageBase {
public:
    COptionsPage(CFlashDevice* unit, CSettingPageHost* host);
};
