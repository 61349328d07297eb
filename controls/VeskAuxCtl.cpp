#include "controls/VeskAuxCtl.h"

namespace {

const CAuxLightBar::Style kStyle = {{0, 255, 0}, 3200, false, false, 7};

}  // namespace

CVeskAuxCtl::CVeskAuxCtl(CLightBarPage* page, int16_t channel) : CAuxLightBar(page, channel, kStyle) {}
