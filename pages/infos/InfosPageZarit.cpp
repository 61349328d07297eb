#include "pages/infos/InfosPageZarit.h"

namespace {

// clang-format off
const InfosPageTraits kTraits = {
    "DLG_INFOS_PAGE_ZARIT",
    true,  // service fields
    7,  // date length
    8,  // serial length
    20,  // owner length
    kInfoCaptions,
    kServiceLevelsZarit,
    false,  // serial as number
    "37.255 / 38.255",  // widest version
};
// clang-format on

}  // namespace

CInfosPageZarit::CInfosPageZarit(CFlashDevice* unit, CSettingPageHost* host) : CInfosPageBase(unit, host, kTraits) {}
