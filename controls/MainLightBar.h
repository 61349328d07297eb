// The main-light bar that the device pages show beside "IDC_SPIN_MAIN": the
// energy in large text, coloured while the unit is powered, or the page's
// marker text while the lights are inhibited. The family classes
// (CVeskMainCtl and its sisters) give only their marker and colour.
#pragma once

#include <cstdint>

#include "controls/LightBar.h"

class CMainLightBar : public CLightBar {
public:
    // Limits value to 0..100; repaints only on a change. available false
    // (from a page that reports it) empties the text.
    void SetValue(int16_t value, bool available = true);
    // While inhibited the bar shows the marker and the page's main spin
    // button is disabled.
    void SetPresetMode(bool inhibited);

    BarFace GetFace() const override;

    // What sets a family's bar apart.
    struct Style {
        int markerText;           // English text id of the marker
        unsigned char colour[3];  // text while active
        bool showsAvailability;   // the page reports the light's availability
    };

protected:
    CMainLightBar(CLightBarPage* page, const Style& style);

private:
    const Style& m_style;
    bool m_inhibited = false;
    // Families that do not report it always have the light available.
    bool m_available;
};
