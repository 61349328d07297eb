#include "pages/lamp/LampPageZarit.h"

namespace {

const LampPageTraits kTraits = {"DLG_LAMP_PAGE_ZARIT", 3};

}  // namespace

CLampPageZarit::CLampPageZarit(CFlashDevice* unit, CSettingPageHost* host) : CLampPageBase(unit, host, kTraits) {}
