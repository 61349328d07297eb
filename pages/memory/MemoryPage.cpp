#include "pages/memory/MemoryPage.h"

namespace {

// Lamps counted downwards: the decoder writes lamp 3 on line 2, lamp 1 on line 4.
const MemoryPageTraits kTraits = {
    "DLG_MEMORY_PAGE",
    {{
        {MemoryLampLabel::Hidden, ""},
        {MemoryLampLabel::Lamp, " 3"},
        {MemoryLampLabel::Lamp, " 2"},
        {MemoryLampLabel::Lamp, " 1"},
    }},
};

}  // namespace

CMemoryPage::CMemoryPage(CFlashDevice* unit, CSettingPageHost* host) : CMemoryPageBase(unit, host, kTraits) {}
