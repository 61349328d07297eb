// Number texts shown beside labels. They never follow the process locale: the
// pages show a point as the decimal separator, as they do for energies.
#pragma once

#include <string>

namespace ValueText {

// Hundredths of a second as seconds with two decimals and "s": 150 -> "1.50s".
std::string Seconds(unsigned hundredths);

}  // namespace ValueText
