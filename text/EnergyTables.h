// The energy codes of the units, tenths of an f-stop from 33 to 100, with
// the energy and the display percentage of each: the numbers a unit's bar
// shows and the simulated generator computes with. Header only, standard
// library only, for the library and the program alike.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace EnergyTables {

constexpr int kLowestCode = 33;
constexpr int kHighestCode = 100;
constexpr int kCodeCount = kHighestCode - kLowestCode + 1;

// Energy in 1/16000 of the full energy of code 100 (tenths of a joule of a
// 1600 J unit): the nearest integer to 1000 * 2^((code - 60) / 10), but for
// codes 36, 49, 67 and 99, which the real units round differently.
// clang-format off
inline constexpr std::array<uint16_t, kCodeCount> kJoules = {
    154,  165,   177,   190,   203,   218,   233,   250,   268,   287,   308,  330,
    354,  379,   406,   435,   466,   500,   536,   574,   616,   660,   707,  758,
    812,  871,   933,   1000,  1072,  1149,  1231,  1320,  1414,  1516,  1624, 1741,
    1866, 2000,  2144,  2297,  2462,  2639,  2828,  3031,  3249,  3482,  3732, 4000,
    4287, 4595,  4925,  5278,  5657,  6063,  6498,  6964,  7464,  8000,  8574, 9190,
    9849, 10556, 11314, 12126, 12996, 13929, 14928, 16000,
};
// clang-format on

// Tenths of a percent up to code 66, whole percent from code 67 on.
// clang-format off
inline constexpr std::array<uint8_t, kCodeCount> kPercent = {
    9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 25, 27, 29,
    31, 33, 36, 39, 42, 45, 48, 51, 54, 58, 62, 67, 72, 77, 82, 88, 95,
    10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 25, 27, 29, 31,
    33, 35, 38, 41, 44, 47, 50, 54, 58, 62, 66, 71, 76, 81, 87, 93, 100,
};
// clang-format on

// The energy of code 100, the most there is.
constexpr uint32_t kFullEnergy = 16000;

constexpr bool HasEntry(int code)
{
    return code >= kLowestCode && code <= kHighestCode;
}

// The energy of a code; 0 for a code without an entry.
constexpr uint32_t Joules(int code)
{
    return HasEntry(code) ? kJoules[static_cast<std::size_t>(code - kLowestCode)] : 0;
}

// The display percentage of a code; 0 for a code without an entry.
constexpr uint8_t Percent(int code)
{
    return HasEntry(code) ? kPercent[static_cast<std::size_t>(code - kLowestCode)] : 0;
}

static_assert(Joules(kHighestCode) == kFullEnergy);

}  // namespace EnergyTables
