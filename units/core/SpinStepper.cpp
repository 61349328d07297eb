#include "units/core/SpinStepper.h"

#include <algorithm>

namespace {

// Whole steps go out at the first repeat and then at every fifth.
const int kRepeatsPerStep = 5;
const int kWholeStop = 10;

}  // namespace

int SpinStepper::TenthStep(int, int delta)
{
    return delta;
}

int SpinStepper::ThirdStopGridStep(int value, int delta)
{
    const int target = value + (delta > 0 ? 3 : -3);
    const int rest = ((target % 10) + 10) % 10;
    int point = target - rest;
    if (rest >= 2 && rest <= 4)
        point += 3;
    else if (rest >= 5 && rest <= 8)
        point += 7;
    else if (rest == 9)
        point += 10;
    return std::clamp(point, kLowerLimit, kUpperLimit) - value;
}

bool SpinStepper::Line(Direction direction, int value, int lowerLimit)
{
    const bool up = direction == Direction::Up;
    if (!m_armed) {
        m_armed = true;
        m_repeats = 0;
        m_delta = up ? 1 : -1;
        return false;
    }
    if (m_repeats != 0) {
        m_repeats = (m_repeats + 1) % kRepeatsPerStep;
        return false;
    }
    m_repeats = 1;
    m_delta = up ? kWholeStop : -kWholeStop;
    return up ? value < kUpperLimit : value > lowerLimit;
}

bool SpinStepper::SingleStep(int value, SingleStepRule rule)
{
    if (m_delta != 1 && m_delta != -1)
        return false;
    m_delta = rule(value, m_delta);
    return true;
}

void SpinStepper::Disarm()
{
    m_armed = false;
    m_delta = 0;
}
