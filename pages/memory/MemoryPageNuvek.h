// The memory page of the Nuvek family.
#pragma once

#include "pages/memory/MemoryPageBase.h"

class CMemoryPageNuvek : public CMemoryPageBase {
public:
    CMemoryPageNuvek(CFlashDevice* unit, CSettingPageHost* host);
};
