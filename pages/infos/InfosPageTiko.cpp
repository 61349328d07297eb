#include "pages/infos/InfosPageTiko.h"

namespace {

// The Sorvant (25) and Hexor (26) lines: their serial is editable from
// service level 1 on, and they show no positive flash voltage.
bool IsSorvantOrHexor(uint16_t typeCode)
{
    return typeCode == 25 || typeCode == 26;
}

// clang-format off
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
    IsSorvantOrHexor,
};
// clang-format on

}  // namespace

CInfosPageTiko::CInfosPageTiko(CFlashDevice* unit, CSettingPageHost* host) : CInfosPageBase(unit, host, kTraits) {}
