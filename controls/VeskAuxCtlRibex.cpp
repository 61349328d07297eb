#include "controls/VeskAuxCtlRibex.h"

namespace {

const CAuxLightBar::Style kStyle = {{0, 255, 0}, 6100, true, true, 11};

}  // namespace

CVeskAuxCtlRibex::CVeskAuxCtlRibex(CLightBarPage* page, int16_t channel) : CAuxLightBar(page, channel, kStyle) {}
