#include "controls/VeskAuxCtlZaritE.h"

namespace {

const CAuxLightBar::Style kStyle = {{83, 197, 255}, 3200, false, false, 7};

}  // namespace

CVeskAuxCtlZaritE::CVeskAuxCtlZaritE(CLightBarPage* page, int16_t channel) : CAuxLightBar(page, channel, kStyle) {}
