#include "pages/infos/InfosPageTiko.h"

namespace {

const InfosPageTraits kTraits = {
    "DLG_INFOS_PAGE",
    true,  // service fields
    7,  // date length
    4,  // serial length
    14,  // owner length
    kInfoCaptionsTiko,
    kServiceLevelsTiko,
    true,  // serial as number
    "255.255",  // widest version
};

}  // namespace

CInfosPageTiko::CInfosPageTiko(CFlashDevice* unit, CSettingPageHost* host)
    : CInfosPageBase(unit, host, kTraits)
{
}
