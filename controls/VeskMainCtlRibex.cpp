#include "controls/VeskMainCtlRibex.h"

namespace {

const CMainLightBar::Style kStyle = {2021, {0, 255, 0}, true};

}  // namespace

CVeskMainCtlRibex::CVeskMainCtlRibex(CLightBarPage* page) : CMainLightBar(page, kStyle) {}
