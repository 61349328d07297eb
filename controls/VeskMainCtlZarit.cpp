#include "controls/VeskMainCtlZarit.h"

namespace {

const CMainLightBar::Style kStyle = {2209, {83, 197, 255}, false};

}  // namespace

CVeskMainCtlZarit::CVeskMainCtlZarit(CLightBarPage* page) : CMainLightBar(page, kStyle) {}
