#include "units/DevicePictures.h"

namespace {

#include "units/images/LampOff.xpm"
#include "units/images/LampOn.xpm"
#include "units/images/LedBlank.xpm"
#include "units/images/LedGreen.xpm"
#include "units/images/LedRed.xpm"
#include "units/images/PowerLocked.xpm"
#include "units/images/PowerOff.xpm"
#include "units/images/PowerOn.xpm"
#include "units/images/PowerOnBlue.xpm"

}  // namespace

PictureData LedPicture(LedState state)
{
    switch (state) {
    case kLedRed:
        return led_red_xpm;
    case kLedGreen:
        return led_green_xpm;
    default:
        return led_blank_xpm;
    }
}

PictureData PowerPicture(PowerFace face)
{
    switch (face) {
    case PowerFace::On:
        return power_on_xpm;
    case PowerFace::OnBlue:
        return power_on_blue_xpm;
    case PowerFace::Locked:
        return power_locked_xpm;
    default:
        return power_off_xpm;
    }
}

PictureData LampPicture(bool on)
{
    return on ? lamp_on_xpm : lamp_off_xpm;
}
