// The information page of the Tiko family: the QuirelA1 panel, with rows by type code.
#pragma once

#include "pages/infos/InfosPageBase.h"

class CInfosPageTiko : public CInfosPageBase {
public:
    CInfosPageTiko(CFlashDevice* unit, CSettingPageHost* host);
};
