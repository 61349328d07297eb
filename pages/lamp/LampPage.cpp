#include "pages/lamp/LampPage.h"

namespace {

const LampPageTraits kTraits = {"DLG_LAMP_PAGE", 3};

}  // namespace

CLampPage::CLampPage(CFlashDevice* unit, CSettingPageHost* host) : CLampPageBase(unit, host, kTraits) {}
