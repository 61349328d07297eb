#include "pages/options/OptionsPageTiko.h"

namespace {

const COptionsPageBase::Traits kTraits = {
    "DLG_OPTIONS_PAGE",
    // Captions.
    {{"IDC_RECYCLING_TITEL", 2044},
     {"IDC_FLASH_TITEL", 2045},
     {"IDC_OP_REDUCED", 2046},
     {"IDC_OP_SLOW", 2047},
     {"IDC_OP_BUZZER", 2048},
     {"IDC_OP_RESET", 2029},
     {"IDC_OP_RESET_TOTAL", 2029},
     {"IDC_OP_COUNTER_LB", 2049},
     {"IDC_OP_TOTALCOUNTER_LB", 2050},
     {"IDC_OP_POWERDISPLAY_LA", 2051},
     {"IDC_OP_IRADDRESS_LA", 2052},
     {"IDC_OP_CELL", 2148}},
    // Option boxes.
    {"IDC_OP_BUZZER", "IDC_OP_REDUCED", "IDC_OP_SLOW", "IDC_OP_CELL"},
    // Inert boxes.
    {},
    // Power-display list: full power reads 10, 9.6, 8.6, 7.6.
    {{2085, " 10"}, {2085, "  9.6"}, {2085, "  8.6"}, {2085, "  7.6"}},
    // Infrared-address list.
    true,
    // Photocell box.
    "IDC_OP_CELL",
    // Hidden always: these units count only the total of their flashes.
    {"IDC_OP_RESET", "IDC_OP_COUNTER", "IDC_OP_COUNTER_LB"},
    // Hidden with radio release.
    {},
    // Lists only for type.
    18,
    // No photocell for type.
    26,
    // Total reset follows the service level.
    true,
};

}  // namespace

COptionsPageTiko::COptionsPageTiko(CFlashDevice* unit, CSettingPageHost* host) : COptionsPageBase(unit, host, kTraits)
{
}
