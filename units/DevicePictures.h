// The pictures of the device pages' own controls, compiled in as XPM data:
// the readiness LED, the power button and the modelling-lamp button.
#pragma once

#include "units/LedState.h"

// One picture's XPM data.
using PictureData = const char* const*;

// 15 x 15: transparent for kLedNone.
PictureData LedPicture(LedState state);

// 42 x 46, each lettered alike; OnBlue is the Zarit packs' on picture.
enum class PowerFace { Off, On, OnBlue, Locked };
PictureData PowerPicture(PowerFace face);

// 44 x 18: dark lamp when off, yellow when on.
PictureData LampPicture(bool on);
