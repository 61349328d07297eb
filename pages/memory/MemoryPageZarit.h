// The memory page of the Zarit family.
#pragma once

#include "pages/memory/MemoryPageBase.h"

class CMemoryPageZarit : public CMemoryPageBase {
public:
    CMemoryPageZarit(CFlashDevice* unit, CSettingPageHost* host);
};
