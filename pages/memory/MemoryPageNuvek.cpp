#include "pages/memory/MemoryPageNuvek.h"

namespace {

// Two lamps on lines 1 and 2; the decoder uses line 3 with a label of its own.
const MemoryPageTraits kTraits = {
    "DLG_MEMORY_PAGE_NUVEK",
    {{
        {MemoryLampLabel::Lamp, " 1"},
        {MemoryLampLabel::Lamp, " 2"},
        {MemoryLampLabel::Hidden, ""},
        {MemoryLampLabel::Untouched, ""},
    }},
};

}  // namespace

CMemoryPageNuvek::CMemoryPageNuvek(CFlashDevice* unit, CSettingPageHost* host) : CMemoryPageBase(unit, host, kTraits) {}
