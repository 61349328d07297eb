#include "controls/VeskMainCtl.h"

namespace {

const CMainLightBar::Style kStyle = {2021, {0, 255, 0}, false};

}  // namespace

CVeskMainCtl::CVeskMainCtl(CLightBarPage* page) : CMainLightBar(page, kStyle) {}
