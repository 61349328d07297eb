// The information page of the QuirelA1 family.
#pragma once

#include "pages/infos/InfosPageBase.h"

class CInfosPage : public CInfosPageBase {
public:
    CInfosPage(CFlashDevice* unit, CSettingPageHost* host);
};
