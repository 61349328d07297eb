// The options page of the Tiko family, on "DLG_OPTIONS_PAGE" as the QuirelA1 page:
// only the Trovalex unit (type 18) has the lists; the others show the
// photocell box instead, except the Hexor units (26).
#pragma once

#include "pages/options/OptionsPageBase.h"

class COptionsPageTiko : public COptionsPageBase {
public:
    COptionsPageTiko(CFlashDevice* unit, CSettingPageHost* host);
};
