#include "pages/memory/MemoryPageZarit.h"

namespace {

// Lamps counted upwards: the decoder writes lamp 1 on line 2, lamp 3 on line 4.
const MemoryPageTraits kTraits = {
    "DLG_MEMORY_PAGE_ZARIT",
    {{
        {MemoryLampLabel::Hidden, ""},
        {MemoryLampLabel::Lamp, " 1"},
        {MemoryLampLabel::Lamp, " 2"},
        {MemoryLampLabel::Lamp, " 3"},
    }},
};

}  // namespace

CMemoryPageZarit::CMemoryPageZarit(CFlashDevice* unit, CSettingPageHost* host) : CMemoryPageBase(unit, host, kTraits) {}
