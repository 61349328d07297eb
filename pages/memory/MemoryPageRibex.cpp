#include "pages/memory/MemoryPageRibex.h"

namespace {

// Outlets 2 and 3 share line 2; the decoder uses line 3 with a label of its own.
const MemoryPageTraits kTraits = {
    "DLG_MEMORY_PAGE_RIBEX",
    {{
        {MemoryLampLabel::Lamp, " 1"},
        {MemoryLampLabel::Lamp, " 2-3"},
        {MemoryLampLabel::Hidden, ""},
        {MemoryLampLabel::Untouched, ""},
    }},
};

}  // namespace

CMemoryPageRibex::CMemoryPageRibex(CFlashDevice* unit, CSettingPageHost* host) : CMemoryPageBase(unit, host, kTraits) {}
