#include "units/core/LightCommand.h"

#include <algorithm>

namespace LightCommand {

int Energy(int value, int delta)
{
    return std::max(0, value + delta);
}

CommandBytes Lay(int value, int delta, int outlet, std::initializer_list<bool> auxOn)
{
    unsigned mask = 1;
    unsigned bit = 2;
    for (bool on : auxOn) {
        if (on)
            mask |= bit;
        bit <<= 1;
    }
    CommandBytes data;
    data.Byte(Energy(value, delta)).Byte(outlet).Byte(mask);
    return data;
}

}  // namespace LightCommand
