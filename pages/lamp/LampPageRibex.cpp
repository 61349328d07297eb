#include "pages/lamp/LampPageRibex.h"

namespace {

const LampPageTraits kTraits = {"DLG_LAMP_PAGE_RIBEX", 3};

}  // namespace

CLampPageRibex::CLampPageRibex(CFlashDevice* unit, CSettingPageHost* host) : CLampPageBase(unit, host, kTraits) {}
