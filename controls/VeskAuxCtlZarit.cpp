#include "controls/VeskAuxCtlZarit.h"

namespace {

const CAuxLightBar::Style kStyle = {{83, 197, 255}, 3200, false, false, 7};

}  // namespace

CVeskAuxCtlZarit::CVeskAuxCtlZarit(CLightBarPage* page, int16_t channel) : CAuxLightBar(page, channel, kStyle) {}
