// The memory page of the QuirelA1 family.
#pragma once

#include "pages/memory/MemoryPageBase.h"

class CMemoryPage : public CMemoryPageBase {
public:
    CMemoryPage(CFlashDevice* unit, CSettingPageHost* host);
};
