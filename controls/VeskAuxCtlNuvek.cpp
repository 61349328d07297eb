#include "controls/VeskAuxCtlNuvek.h"

namespace {

const CAuxLightBar::Style kStyle = {{0, 255, 0}, 6100, true, false, 7};

}  // namespace

CVeskAuxCtlNuvek::CVeskAuxCtlNuvek(CLightBarPage* page, int16_t channel) : CAuxLightBar(page, channel, kStyle) {}
