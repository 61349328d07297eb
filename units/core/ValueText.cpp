#include "units/core/ValueText.h"

namespace ValueText {

std::string Count(long value)
{
    return std::to_string(value);
}

std::string Unsigned(uint32_t value)
{
    return std::to_string(value);
}

std::string Hundredths(unsigned value)
{
    const unsigned cents = value % 100;
    return std::to_string(value / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents) + "s";
}

std::string Tenths(unsigned value)
{
    return std::to_string(value / 10) + "." + std::to_string(value % 10) + "s";
}

std::string FlashDuration(unsigned denominator)
{
    return "1/" + std::to_string(denominator);
}

}  // namespace ValueText
