// The Tiko page's auxiliary-light bar. It looks like the other auxiliary bars
// but has no check box and no switch states, and works out its joules and
// percent from its setting with two fixed tables. Its setting stays within
// 50..100 or 60..100, as the page's energy-range box says.
#pragma once

#include <cstdint>

#include <wx/window.h>

#include "controls/BarFace.h"

class CLightBarPage;

class CVeskAuxCtlTiko : public wxWindow {
public:
    // Creates no window: AttachControl does, in the page's placeholder.
    explicit CVeskAuxCtlTiko(CLightBarPage* page);

    // Limits value to lower..100, lower 50 while the page's energy-range box
    // is ticked, else 60; repaints only on a change of value or warning.
    void SetValue(int16_t value, bool warning);
    int16_t GetValue() const { return m_value; }
    // Percent of the stored setting, from the table.
    void UpdatePercent();
    // Joules of the stored setting for a unit of rating joules; a low-voltage
    // unit gives five sixths.
    void SetJoules(bool lowVoltage, int16_t rating);
    // The unit is powered.
    void SetFlag(bool active);

    // What the bar paints now.
    BarFace GetFace() const;

private:
    void OnPaint(wxPaintEvent& event);

    CLightBarPage* m_page;
    bool m_warning = false;
    int16_t m_joules = 0;
    int16_t m_percent = 0;
    int16_t m_value = 0;
    bool m_active = false;

    wxDECLARE_EVENT_TABLE();
};
