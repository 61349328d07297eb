// The stepping of a light's energy with its spin button, one per device
// page (all its light spins share it). A click steps one tenth of a stop when
// the button is let go; a held button steps a whole stop at its first repeat
// and at every fifth repeat after it, while the light is inside its limits.
// The step goes out as command 1 for the light, laying the light's value
// plus Delta(); the bar itself moves when the unit reports the new value.
#pragma once

class SpinStepper {
public:
    enum class Direction { Up, Down };

    // The step that a single click lays from a light at value, given the
    // tenth it stepped by (+1 or -1); the result becomes Delta().
    using SingleStepRule = int (*)(int value, int delta);
    // One tenth of a stop.
    static int TenthStep(int value, int delta);
    // The Quirel A1's third-stop display: the step to the next point of the
    // grid of thirds (…, 50, 53, 57, 60, …), kept within 33 to 100.
    static int ThirdStopGridStep(int value, int delta);

    // The highest value below which a held arrow still steps up.
    static constexpr int kUpperLimit = 100;
    // The value above which a held arrow still steps down, on most lights.
    static constexpr int kLowerLimit = 33;

    // A line event of a light's spin button, value being the light's bar
    // value and lowerLimit that light's lower limit for held steps. True when
    // the page sends command 1 for that light now.
    bool Line(Direction direction, int value, int lowerLimit = kLowerLimit);

    // The thumb release of a light's spin button, value being that light's
    // bar value. True when the press ended before any whole step: Delta() then
    // holds the single step and the page sends command 1 for the light. The
    // page calls Disarm() after it, and also on the release of any other
    // control.
    bool SingleStep(int value, SingleStepRule rule = TenthStep);
    void Disarm();

    // The step that command 1 adds to the light's value: 0 when no spin is at
    // work (a check box's command 1), else ±1, ±10 or the single step.
    int Delta() const { return m_delta; }
    bool IsArmed() const { return m_armed; }

private:
    bool m_armed = false;
    int m_repeats = 0;
    int m_delta = 0;
};
