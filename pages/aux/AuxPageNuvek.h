// The Nuvek unit's "auxiliary flash functions" page: the flash sequence
// (0 to 8) alone, stepped with the spin button, with its help and reset.
#pragma once

#include "pages/aux/AuxPageBase.h"

class CAuxPageNuvek : public CAuxPageBase {
public:
    CAuxPageNuvek(CFlashDevice* unit, CSettingPageHost* host);
};
