#include "pages/infos/InfosPageNuvek.h"

namespace {

// clang-format off
const InfosPageTraits kTraits = {
    "DLG_INFOS_PAGE_NUVEK",
    false,  // service fields
    7,  // date length
    5,  // serial length
    0,  // no owner field
    kInfoCaptionsNuvek,
    kServiceLevelsNuvek,
    true,  // serial as number
    "255.255",  // widest version
};
// clang-format on

}  // namespace

CInfosPageNuvek::CInfosPageNuvek(CFlashDevice* unit, CSettingPageHost* host) : CInfosPageBase(unit, host, kTraits) {}
