// The constant tables of the simulated generator of demo mode and the
// functions that read nothing else. The stateful half of the model lives in
// CDemoUnitState.
#pragma once

#include <cstdint>

#include "text/EnergyTables.h"

namespace DemoGeneratorModel {

// Energy codes are tenths of an f-stop; 0 means none.
constexpr int kLowestCode = EnergyTables::kLowestCode;
constexpr int kHighestCode = EnergyTables::kHighestCode;
// J(100): the most a generator holds, in tenths of a joule at class 0.
constexpr uint32_t kJoulesLimit = EnergyTables::kFullEnergy;
constexpr int kStepPositions = 8;
// Periods and pulse widths become rates per this many ticks.
constexpr uint32_t kRateClock = 2000000;

// J: the energy of a code in tenths of a joule at energy class 0; 0 for a
// code without an entry (text/EnergyTables.h).
uint32_t Joules(int code);
// P: the display percentage of a code (tenths of a percent up to code 66,
// whole percent above); 0 for a code without an entry.
uint8_t Percent(int code);
// L: energy steps, ascending, index 0 to 255.
uint32_t EnergyStep(int index);
// The largest index whose energy step is at most x (0 when there is none).
uint8_t EnergyStepIndex(uint32_t x);
// A and B: the time factor and offset of an index div 4 (0 to 63).
uint32_t TimeFactor(int quarterIndex);
uint32_t TimeOffset(int quarterIndex);
// C0 and C1: the correction of a short time, index 0 to 31.
uint32_t ShortTimeCorrection(int energyClass, int index);
// D: durations, index 0 to 64.
uint32_t Duration(int index);
// S: the duration target of a step position 0 to 7.
uint32_t StepTarget(int position);
// R0: the ratio base of a code 33 to 70.
uint32_t RatioBase(int code);
// X0: the time base of a code 70 to 110.
uint8_t TimeBase(int code);

// The code of a total energy: the largest code from 34 whose predecessor's
// energy the total exceeds by 2, else 33; 0 for no energy.
uint8_t CodeFromJoules(uint32_t total);
// The recycling value of an energy-step index.
uint32_t RecycleFromIndex(int index);
// The table duration at or below duration (D[0] when none lies below) and
// its index, 0 to 63.
uint32_t FindDurationStep(uint32_t duration, uint8_t& index);

// ln(numerator / denominator), the quotient in single precision as the
// units compute it.
double LogRatio(double numerator, double denominator);

// The flash duration (as a rate) from the two result times of a
// computation over channelCount channels, the total energy and the two
// bounded energy differences g and h.
struct DurationInputs {
    int energyClass;
    int channelCount;     // 2 or 3
    uint32_t timeFactor;  // A of the energy-step index
    uint32_t resultTime1;
    uint32_t resultTime2;
    uint32_t total;
    double g;
    double h;
};
uint32_t DurationFromTimes(const DurationInputs& in);

// A flash-sequence program 1 to 16: its step count and step values.
struct SequenceProgram {
    uint8_t stepCount;
    uint32_t steps[4];
};
const SequenceProgram& SequenceProgramOf(int program);
// The first period of a program 1 to 16.
uint32_t SequencePeriod(int energyClass, bool outlets1And2Active, int program);

}  // namespace DemoGeneratorModel
