#include "controls/VeskMainCtlZaritE.h"

namespace {

const CMainLightBar::Style kStyle = {2209, {83, 197, 255}, false};

}  // namespace

CVeskMainCtlZaritE::CVeskMainCtlZaritE(CLightBarPage* page) : CMainLightBar(page, kStyle) {}
