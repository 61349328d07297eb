#include "pages/lamp/LampPageNuvek.h"

namespace {

const LampPageTraits kTraits = {"DLG_LAMP_PAGE_NUVEK", 2};

}  // namespace

CLampPageNuvek::CLampPageNuvek(CFlashDevice* unit, CSettingPageHost* host) : CLampPageBase(unit, host, kTraits) {}
