#include "pages/infos/InfosPage.h"

namespace {

// clang-format off
const InfosPageTraits kTraits = {
    "DLG_INFOS_PAGE",
    true,  // service fields
    7,  // date length
    5,  // serial length
    14,  // owner length
    kInfoCaptions,
    kServiceLevelsQuirelA1,
    true,  // serial as number
    "255.255",  // widest version
};
// clang-format on

}  // namespace

CInfosPage::CInfosPage(CFlashDevice* unit, CSettingPageHost* host) : CInfosPageBase(unit, host, kTraits) {}
