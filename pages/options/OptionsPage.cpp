#include "pages/options/OptionsPage.h"

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
    {"IDC_OP_BUZZER", "IDC_OP_REDUCED", "IDC_OP_SLOW"},
    // Inert boxes: the panel is shared with the Tiko page; this unit has no photocell option.
    {"IDC_OP_CELL"},
    // Power-display list: full power reads 10, 9, 8, 7 in tenths, or whole thirds of a stop.
    {{2085, " 10"}, {2085, "  9"}, {2085, "  8"}, {2085, "  7"}, {2086, ""}},
    // Infrared-address list.
    true,
    // Photocell box.
    "IDC_OP_CELL",
    // Hidden always.
    {"IDC_OP_CELL"},
    // Hidden with radio release.
    {"IDC_FLASH_TITEL", "IDC_OP_RESET", "IDC_OP_RESET_TOTAL", "IDC_OP_COUNTER_LB", "IDC_OP_TOTALCOUNTER_LB",
     "IDC_OP_COUNTER", "IDC_OP_TOTALCOUNTER"},
    // Lists only for type.
    0,
    // No photocell for type.
    0,
    // Total reset follows the service level.
    true,
};

}  // namespace

COptionsPage::COptionsPage(CFlashDevice* unit, CSettingPageHost* host) : COptionsPageBase(unit, host, kTraits) {}
