// The information page of the Ribex family: no service group; delivery date and serial number editable.
#pragma once

#include "pages/infos/InfosPageBase.h"

class CInfosPageRibex : public CInfosPageBase {
public:
    CInfosPageRibex(CFlashDevice* unit, CSettingPageHost* host);
};
