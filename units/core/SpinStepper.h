// The stepping of a light's spin button, shared by the device pages: the
// first line event of a press only arms; the next one sends a whole stop
// (+10 or -10 tenths), and then every fifth repeat of the held button; a
// short click sends one tenth on release. The page sends command 1 for the
// light with each step this returns and sets its LED red for any step.
#pragma once

#include <optional>

// The energy a step command lays for a bar at value: never below 0 (a step
// down from 0 must not wrap to full power); above 100 it goes out as it is
// and the unit limits it.
int SteppedEnergy(int value, int step);

class SpinStepper {
public:
    // How a short click's step of one tenth is turned into the step that
    // lands on a family's grid (the third-stop scale), from the bar's value.
    using Landing = int (*)(int value, int step);

    // A line event (up or down) of a light's spin button; value is that
    // bar's value. A repeated down step is sent only while the value is
    // above downLimit, a repeated up step while it is below 100. Returns
    // the step to send now.
    std::optional<int> Line(bool up, int value, int downLimit);

    // A thumb release of any control; light says whether it is a light's
    // spin button, value its bar's value. After a short click returns the
    // single step for that light (through landing, when given). Always
    // disarms.
    std::optional<int> Release(bool light, int value, Landing landing = nullptr);

    bool Armed() const { return m_armed; }

private:
    bool m_armed = false;
    int m_counter = 0;
    int m_step = 0;
};
