#include "pages/infos/InfosPage.h"

namespace {

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

}  // namespace

CInfosPage::CInfosPage(CFlashDevice* unit, CSettingPageHost* host)
    : CInfosPageBase(unit, host, kTraits)
{
}
