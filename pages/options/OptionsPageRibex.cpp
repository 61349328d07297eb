#include "pages/options/OptionsPageRibex.h"

namespace {

const COptionsPageBase::Traits kTraits = {
    "DLG_OPTIONS_PAGE_RIBEX",
    // Captions.
    {{"IDC_RECYCLING_TITEL", 2044},
     {"IDC_FLASH_TITEL", 2045},
     {"IDC_OP_REDUCED", 2046},
     {"IDC_OP_FAST", 2204},
     {"IDC_OP_READY", 2205},
     {"IDC_OP_CELL_RIBEX", 2206},
     {"IDC_OP_BUZZER", 2048},
     {"IDC_OP_RESET_TOTAL", 2029},
     {"IDC_OP_TOTALCOUNTER_LB", 2050}},
    // Option boxes.
    {"IDC_OP_BUZZER", "IDC_OP_REDUCED", "IDC_OP_FAST", "IDC_OP_READY", "IDC_OP_CELL_RIBEX"},
    // Inert boxes.
    {},
    // Power-display list.
    {},
    // Infrared-address list.
    false,
    // Photocell box.
    "IDC_OP_CELL_RIBEX",
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

COptionsPageRibex::COptionsPageRibex(CFlashDevice* unit, CSettingPageHost* host) : COptionsPageBase(unit, host, kTraits)
{
}
