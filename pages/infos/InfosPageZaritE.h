// The information page of the ZaritE family, on the Zarit panel.
#pragma once

#include "pages/infos/InfosPageBase.h"

class CInfosPageZaritE : public CInfosPageBase {
public:
    CInfosPageZaritE(CFlashDevice* unit, CSettingPageHost* host);
};
