#include "pages/options/OptionsPageNuvek.h"

namespace {

const COptionsPageBase::Traits kTraits = {
    "DLG_OPTIONS_PAGE_NUVEK",
    // Captions.
    {{"IDC_RECYCLING_TITEL", 2044},
     {"IDC_FLASH_TITEL", 2045},
     {"IDC_OP_REDUCED", 2046},
     {"IDC_OP_SLOW", 2047},
     {"IDC_OP_BUZZER", 2048},
     {"IDC_OP_RESET_TOTAL", 2029},
     {"IDC_OP_TOTALCOUNTER_LB", 2050}},
    // Option boxes.
    {"IDC_OP_BUZZER", "IDC_OP_REDUCED", "IDC_OP_SLOW"},
    // Inert boxes.
    {},
    // Power-display list.
    {},
    // Infrared-address list.
    false,
    // Photocell box.
    "IDC_OP_CELL",
    // Hidden always.
    {},
    // Hidden with radio release; the total reset stays hidden as well, for
    // the device page passes such a unit's service level as 0.
    {"IDC_FLASH_TITEL", "IDC_OP_TOTALCOUNTER_LB", "IDC_OP_TOTALCOUNTER"},
    // Lists only for type.
    0,
    // No photocell for type.
    0,
    // Total reset follows the service level.
    true,
};

}  // namespace

COptionsPageNuvek::COptionsPageNuvek(CFlashDevice* unit, CSettingPageHost* host) : COptionsPageBase(unit, host, kTraits)
{
}
