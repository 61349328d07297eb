#include "pages/lamp/LampPageZaritE.h"

namespace {

const LampPageTraits kTraits = {"DLG_LAMP_PAGE_ZARITE", 2};

}  // namespace

CLampPageZaritE::CLampPageZaritE(CFlashDevice* unit, CSettingPageHost* host) : CLampPageBase(unit, host, kTraits) {}
