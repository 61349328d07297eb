// The information page of the Nuvek family: no service group; delivery date and serial number editable.
#pragma once

#include "pages/infos/InfosPageBase.h"

class CInfosPageNuvek : public CInfosPageBase {
public:
    CInfosPageNuvek(CFlashDevice* unit, CSettingPageHost* host);
};
