#include "units/core/ValueText.h"

namespace ValueText {

std::string Seconds(unsigned hundredths)
{
    const unsigned fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + (fraction < 10 ? ".0" : ".") + std::to_string(fraction) + "s";
}

}  // namespace ValueText
