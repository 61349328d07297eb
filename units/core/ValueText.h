// The number formats of the status rows, memory tables and information
// fields. They always write a decimal point, whatever the user's locale.
#pragma once

#include <cstdint>
#include <string>

namespace ValueText {

// A count: "5", "-4".
std::string Count(long value);
// An unsigned number such as a serial number: "2147483648".
std::string Unsigned(uint32_t value);
// A time in hundredths of a second: 150 -> "1.50s".
std::string Hundredths(unsigned value);
// A time in tenths of a second: 25 -> "2.5s".
std::string Tenths(unsigned value);
// A flash duration by its denominator: 500 -> "1/500".
std::string FlashDuration(unsigned denominator);

}  // namespace ValueText
