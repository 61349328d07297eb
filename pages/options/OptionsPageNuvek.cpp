#include "pages/options/OptionsPageNuvek.h"

namespace {

const COptionsPageBase::Traits kTraits = {
    "DLG_OPTIONS_PAGE_NUVEK",
    {{"IDC_RECYCLING_TITEL", 2044},
     {"IDC_FLASH_TITEL", 2045},
     {"IDC_OP_REDUCED", 2046},
     {"IDC_OP_SLOW", 2047},
     {"IDC_OP_BUZZER", 2048},
     {"IDC_OP_RESET_TOTAL", 2029},
     {"IDC_OP_TOTALCOUNTER_LB", 2050}},
    {"IDC_OP_BUZZER", "IDC_OP_REDUCED", "IDC_OP_SLOW"},
    {},
    {},
    false,
    "IDC_OP_CELL",
    {},
    // The total reset of such a unit stays hidden too: its device page
    // passes service level 0.
    {"IDC_FLASH_TITEL", "IDC_OP_TOTALCOUNTER_LB", "IDC_OP_TOTALCOUNTER"},
    0,
    0,
    true,
};

}  // namespace

COptionsPageNuvek::COptionsPageNuvek(CFlashDevice* unit, CSettingPageHost* host) : COptionsPageBase(unit, host, kTraits)
{
}
