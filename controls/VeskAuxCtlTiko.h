// The Tiko page's auxiliary-light bar, the light of outlet 1. It looks like
// the other auxiliary bars but has no check box and no switch states, and
// works out its joules and percent from its setting with two fixed tables.
// Its setting stays within 50..100 or 60..100, as the page's energy-range box
// says, which the page tells it.
#pragma once

#include <cstdint>

#include "controls/LightBar.h"

class CVeskAuxCtlTiko : public CLightBar {
public:
    explicit CVeskAuxCtlTiko(CLightBarPage* page);

    // Limits value to lower..100 (SetEnergyRange); repaints only on a change
    // of value or warning.
    void SetValue(int16_t value, bool warning);
    // The energy-range box: the lower limit is 50 while it is ticked, else
    // 60, for the values to come.
    void SetEnergyRange(bool ticked) { m_lower = ticked ? kLowerInRange : kLower; }
    // Percent of the stored setting, from the table.
    void UpdatePercent();
    // Joules of the stored setting for a unit of rating joules; a low-voltage
    // unit gives five sixths.
    void SetJoules(bool lowVoltage, int16_t rating);
    // The unit is powered.
    void SetFlag(bool active) { SetActive(active); }

    BarFace GetFace() const override;

private:
    static constexpr int16_t kLower = 60;
    static constexpr int16_t kLowerInRange = 50;

    int16_t m_lower = kLower;
    bool m_warning = false;
    int16_t m_joules = 0;
    int16_t m_percent = 0;
};
