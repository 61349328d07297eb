// The memory page of the Ribex family.
#pragma once

#include "pages/memory/MemoryPageBase.h"

class CMemoryPageRibex : public CMemoryPageBase {
public:
    CMemoryPageRibex(CFlashDevice* unit, CSettingPageHost* host);
};
