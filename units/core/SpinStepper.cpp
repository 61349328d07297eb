#include "units/core/SpinStepper.h"

#include <algorithm>

namespace {

const int kWholeStop = 10;
const int kTopValue = 100;
// Repeats of a held button between two whole-stop steps.
const int kRepeatCycle = 3;

}  // namespace

int SteppedEnergy(int value, int step)
{
    return std::max(0, value + step);
}

std::optional<int> SpinStepper::Line(bool up, int value, int downLimit)
{
    if (!m_armed) {
        m_armed = true;
        m_counter = 0;
        m_step = up ? 1 : -1;
        return std::nullopt;
    }
    if (m_counter != 0) {
        m_counter = m_counter > kRepeatCycle ? 0 : m_counter + 1;
        return std::nullopt;
    }
    m_counter = 1;
    m_step = up ? kWholeStop : -kWholeStop;
    if (up ? value < kTopValue : value > downLimit)
        return m_step;
    return std::nullopt;
}

std::optional<int> SpinStepper::Release(bool light, int value, Landing landing)
{
    const bool click = m_step == 1 || m_step == -1;
    const int step = m_step;
    m_armed = false;
    m_counter = 0;
    m_step = 0;
    if (!click || !light)
        return std::nullopt;
    return landing ? landing(value, step) : step;
}
