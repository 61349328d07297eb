#include "units/core/LightCommand.h"

#include "units/core/SpinStepper.h"

namespace LightCommand {

CommandBytes Lay(int value, int step, int outlet, std::initializer_list<bool> auxOn)
{
    unsigned mask = 1;
    unsigned bit = 2;
    for (bool on : auxOn) {
        if (on)
            mask |= bit;
        bit <<= 1;
    }
    CommandBytes data;
    data.Byte(SteppedEnergy(value, step)).Byte(outlet).Byte(mask);
    return data;
}

}  // namespace LightCommand
