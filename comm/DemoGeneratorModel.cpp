#include "comm/DemoGeneratorModel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace DemoGeneratorModel {

namespace {

// Flat at 23 up to index 62, then rising with the square of the index:
// max(23, round(((i - 24.1) / 7.915)^2)).
// clang-format off
constexpr std::array<uint16_t, 256> kEnergySteps = {
    23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,
    23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,
    23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,
    23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  23,  24,
    25,  27,  28,  29,  31,  32,  34,  35,  37,  38,  40,  41,  43,  45,  46,  48,
    50,  52,  54,  55,  57,  59,  61,  63,  65,  67,  69,  71,  74,  76,  78,  80,
    83,  85,  87,  90,  92,  94,  97,  99,  102, 104, 107, 110, 112, 115, 118, 121,
    123, 126, 129, 132, 135, 138, 141, 144, 147, 150, 153, 156, 159, 163, 166, 169,
    172, 176, 179, 182, 186, 189, 193, 196, 200, 203, 207, 211, 214, 218, 222, 226,
    229, 233, 237, 241, 245, 249, 253, 257, 261, 265, 269, 274, 278, 282, 286, 290,
    295, 299, 304, 308, 312, 317, 321, 326, 331, 335, 340, 344, 349, 354, 359, 363,
    368, 373, 378, 383, 388, 393, 398, 403, 408, 413, 418, 424, 429, 434, 439, 445,
    450, 455, 461, 466, 472, 477, 483, 488, 494, 500, 505, 511, 517, 522, 528, 534,
    540, 546, 552, 558, 564, 570, 576, 582, 588, 594, 600, 606, 613, 619, 625, 631,
    638, 644, 651, 657, 664, 670, 677, 683, 690, 697, 703, 710, 717, 724, 730, 737,
    744, 751, 758, 765, 772, 779, 786, 793, 800, 807, 815, 822, 829, 836, 844, 851,
};
// clang-format on

// clang-format off
constexpr std::array<uint8_t, 64> kTimeFactors = {
    68,  68,  67,  67,  66,  65,  65,  65,  65,  64,  64,  64,  64,  64,  64,  214,
    209, 202, 198, 193, 188, 184, 181, 177, 173, 170, 167, 165, 162, 159, 157, 154,
    152, 150, 148, 146, 143, 141, 140, 138, 136, 135, 133, 132, 128, 124, 120, 117,
    116, 114, 113, 112, 111, 110, 109, 107, 106, 105, 104, 103, 102, 101, 100, 99,
};
// clang-format on

// clang-format off
constexpr std::array<uint8_t, 64> kTimeOffsets = {
    144, 144, 148, 148, 152, 152, 156, 156, 160, 160, 164, 164, 168, 168, 172, 230,
    220, 210, 200, 190, 180, 170, 160, 150, 140, 130, 120, 116, 112, 108, 104, 100,
    96,  92,  88,  84,  80,  76,  72,  68,  64,  60,  56,  52,  50,  48,  46,  46,
    44,  44,  44,  44,  42,  42,  42,  42,  40,  40,  40,  40,  40,  40,  40,  40,
};
// clang-format on

constexpr std::array<std::array<uint8_t, 32>, 2> kShortTimeCorrections = {{
    {86, 84, 83, 82, 81, 79, 78, 77, 76, 74, 73, 72, 72, 71, 70, 70,
     69, 68, 68, 67, 67, 66, 65, 65, 65, 65, 64, 64, 64, 64, 64, 64},
    {111, 108, 106, 103, 100, 98, 95, 93, 90, 88, 85, 83, 80, 77, 75, 73,
     72,  70,  69,  68,  67,  67, 66, 65, 65, 65, 64, 64, 64, 64, 64, 64},
}};

// clang-format off
constexpr std::array<uint16_t, 65> kDurations = {
    85,   100,  108,  115,  125,  132,  140,  150,  162,  175,  187,  200,  215,
    230,  250,  265,  285,  305,  325,  350,  375,  405,  435,  465,  500,  535,
    575,  615,  655,  700,  750,  810,  875,  935,  1000, 1070, 1150, 1230, 1310,
    1400, 1500, 1630, 1750, 1870, 2000, 2150, 2300, 2450, 2620, 2800, 3000, 3250,
    3500, 3750, 4000, 4300, 4600, 4900, 5250, 5600, 6000, 6500, 7000, 7500, 8000,
};
// clang-format on

constexpr std::array<uint16_t, kStepPositions> kStepTargets = {0, 125, 250, 500, 1000, 2000, 4000, 6000};

constexpr int kFirstRatioCode = 33;
// clang-format off
constexpr std::array<uint8_t, 38> kRatioBases = {
    84,  88,  92,  96,  100, 104, 108, 108, 112, 116, 116, 120, 120,
    124, 124, 128, 128, 132, 132, 136, 136, 140, 140, 144, 144, 148,
    148, 152, 152, 156, 156, 160, 160, 164, 164, 168, 168, 172,
};
// clang-format on

constexpr int kFirstTimeBaseCode = 70;
constexpr std::array<uint8_t, 41> kTimeBases = {
    10, 10, 11, 11, 12, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16, 17, 18, 18, 19, 20, 20,
    21, 22, 23, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 35, 36, 37, 38, 39, 40,
};

// Recycling rises in straight segments over the energy-step index:
// (index - first) * slope / 256 + base.
struct RecycleSegment {
    int first;
    uint32_t slope;
    uint32_t base;
};
constexpr std::array<RecycleSegment, 5> kRecycleSegments = {{
    {1, 0, 20},
    {72, 131, 20},
    {136, 173, 53},
    {181, 155, 84},
    {219, 314, 108},
}};

constexpr std::array<SequenceProgram, 16> kSequencePrograms = {{
    {2, {2, 2}},
    {2, {4, 4}},
    {2, {8, 8}},
    {2, {16, 16}},
    {3, {2, 2, 2}},
    {3, {4, 4, 4}},
    {3, {8, 8, 8}},
    {3, {16, 16, 16}},
    {4, {2, 2, 2, 2}},
    {4, {4, 4, 4, 4}},
    {4, {8, 8, 8, 8}},
    {4, {16, 16, 16, 16}},
    {4, {8, 8, 4, 2}},
    {4, {16, 16, 8, 4}},
    {4, {32, 32, 16, 8}},
    {4, {64, 64, 32, 16}},
}};

// [energy class][outlets 1 and 2 both active][program above 8]
constexpr uint16_t kSequencePeriods[2][2][2] = {
    {{1882, 1882}, {960, 960}},
    {{3628, 3628}, {2004, 3628}},
};

}  // namespace

uint32_t Joules(int code)
{
    return EnergyTables::Joules(code);
}

uint8_t Percent(int code)
{
    return EnergyTables::Percent(code);
}

uint32_t EnergyStep(int index)
{
    return kEnergySteps[index];
}

uint8_t EnergyStepIndex(uint32_t x)
{
    int index = 0;
    for (int step = 128; step >= 1; step /= 2) {
        if (kEnergySteps[index + step] <= x)
            index += step;
    }
    return static_cast<uint8_t>(index);
}

uint32_t TimeFactor(int quarterIndex)
{
    return kTimeFactors[quarterIndex];
}

uint32_t TimeOffset(int quarterIndex)
{
    return kTimeOffsets[quarterIndex];
}

uint32_t ShortTimeCorrection(int energyClass, int index)
{
    return kShortTimeCorrections[energyClass != 0][index];
}

uint32_t Duration(int index)
{
    return kDurations[index];
}

uint32_t StepTarget(int position)
{
    return kStepTargets[position];
}

uint32_t RatioBase(int code)
{
    return kRatioBases[code - kFirstRatioCode];
}

uint8_t TimeBase(int code)
{
    return kTimeBases[code - kFirstTimeBaseCode];
}

uint8_t CodeFromJoules(uint32_t total)
{
    if (total == 0)
        return 0;
    for (int code = kHighestCode; code > kLowestCode; --code) {
        if (total >= Joules(code - 1) + 2)
            return static_cast<uint8_t>(code);
    }
    return kLowestCode;
}

uint32_t RecycleFromIndex(int index)
{
    for (auto it = kRecycleSegments.rbegin(); it != kRecycleSegments.rend(); ++it) {
        if (index >= it->first)
            return (index - it->first) * it->slope / 256 + it->base;
    }
    return 0;
}

uint32_t FindDurationStep(uint32_t duration, uint8_t& index)
{
    int k = 0;
    for (int step = 32; step >= 1; step /= 2) {
        if (kDurations[k + step] <= duration)
            k += step;
    }
    index = static_cast<uint8_t>(k);
    return kDurations[k];
}

double LogRatio(double numerator, double denominator)
{
    return std::log(static_cast<float>(numerator) / static_cast<float>(denominator));
}

uint32_t DurationFromTimes(const DurationInputs& in)
{
    const int64_t k0 = in.energyClass != 0 ? 308 : 154;
    const double m = in.energyClass != 0 ? 2 : 1;
    const int n = in.channelCount;
    const int64_t a = in.timeFactor;
    const int64_t r1 = in.resultTime1;
    const int64_t r2 = in.resultTime2;
    const double ln10 = std::log(10.0);
    int64_t w = (a * k0 / 100 * 46) / n;
    if (w > r1) {
        w = static_cast<int64_t>(ln10 * (0.2 * a * k0 / (n - 1)) - m * LogRatio(in.total, in.g) + r1);
        if (w <= r1 || w > r2)
            w = n == 3 ? static_cast<int64_t>(ln10 * 0.2 * a * k0 - m * LogRatio(in.total, in.h) + r2) : r2 + 60;
    }
    // The formulas do not keep the width above 0.
    return static_cast<uint32_t>(kRateClock / std::max<int64_t>(w, 1));
}

const SequenceProgram& SequenceProgramOf(int program)
{
    return kSequencePrograms[program - 1];
}

uint32_t SequencePeriod(int energyClass, bool outlets1And2Active, int program)
{
    return kSequencePeriods[energyClass != 0][outlets1And2Active][program > 8];
}

}  // namespace DemoGeneratorModel
