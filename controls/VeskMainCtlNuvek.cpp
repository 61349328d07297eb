#include "controls/VeskMainCtlNuvek.h"

namespace {

const CMainLightBar::Style kStyle = {2021, {0, 255, 0}, true};

}  // namespace

CVeskMainCtlNuvek::CVeskMainCtlNuvek(CLightBarPage* page) : CMainLightBar(page, kStyle) {}
