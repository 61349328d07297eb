#include "units/core/ModellingLight.h"

#include <algorithm>

#include "units/core/ValueText.h"

namespace ModellingLight {

namespace {

const int kTextSetToProp = 2061;
const int kRadios = 8;
const int kFirstProportional = 3;
// The levels of a generator with no aux outlet switched on, in tenths.
const int kFullLevels = 150;

}  // namespace

std::array<bool, 8> EnabledRadios(std::initializer_list<AuxBar> bars, int energyClass)
{
    int highest = 0;
    for (const AuxBar& bar : bars)
        if (bar.on)
            highest = std::max(highest, bar.value);
    const int levels = (kFullLevels - highest) / 10 - energyClass;
    std::array<bool, 8> enabled{};
    for (int radio = 0; radio < kRadios; ++radio)
        enabled[radio] = levels > (radio < kFirstProportional ? 0 : radio - 1);
    return enabled;
}

PageText OverText(int level)
{
    return PageText::Id(kTextSetToProp).Add(ValueText::Count(level - 2));
}

}  // namespace ModellingLight
