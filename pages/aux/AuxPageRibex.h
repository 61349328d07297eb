// The Ribex unit's "auxiliary flash functions" page: the flash sequence
// (0 to 50) alone, stepped with the spin button, with its help and reset.
#pragma once

#include "pages/aux/AuxPageBase.h"

class CAuxPageRibex : public CAuxPageBase {
public:
    CAuxPageRibex(CFlashDevice* unit, CSettingPageHost* host);
};
