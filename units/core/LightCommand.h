// Command 1 of the power packs: the energy of one light, the light's outlet
// and which auxiliary outlets are switched on.
#pragma once

#include <initializer_list>

#include "units/core/CommandBytes.h"

namespace LightCommand {

// [SteppedEnergy(value, step), outlet (0 main light, n aux outlet n),
// 1 + 2 x (aux 1 on) + 4 x (aux 2 on) + 8 x (aux 3 on)...]; auxOn lists the
// aux outlets from 1 on.
CommandBytes Lay(int value, int step, int outlet, std::initializer_list<bool> auxOn);

}  // namespace LightCommand
