// The information page of the Zarit family; the serial number is text, sent as such.
#pragma once

#include "pages/infos/InfosPageBase.h"

class CInfosPageZarit : public CInfosPageBase {
public:
    CInfosPageZarit(CFlashDevice* unit, CSettingPageHost* host);
};
