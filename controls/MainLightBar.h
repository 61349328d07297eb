// The main-light bar that the device pages show beside "IDC_SPIN_MAIN": the
// energy in large text, coloured while the unit is powered, or the page's
// marker text while the lights are inhibited. The family classes
// (CVeskMainCtl and its sisters) give only their marker, colour and setter.
#pragma once

#include <cstdint>

#include <wx/window.h>

#include "controls/BarFace.h"

class CLightBarPage;

class CMainLightBar : public wxWindow {
public:
    int16_t GetValue() const { return m_value; }
    // The unit is powered: the text takes the family's colour.
    void SetActive(bool active);
    // While inhibited the bar shows the marker and the page's main spin
    // button is disabled.
    void SetPresetMode(bool inhibited);

    // What the bar paints now.
    BarFace GetFace() const;

    // What sets a family's bar apart.
    struct Style {
        int markerText;           // English text id of the marker
        unsigned char colour[3];  // text while active
        bool showsAvailability;   // the page reports the light's availability
    };

protected:
    // Creates no window: AttachControl does, in the page's placeholder.
    CMainLightBar(CLightBarPage* page, const Style& style);

    // Limits value to 0..100; repaints only on a change.
    void StoreValue(int16_t value, bool available);

private:
    void OnPaint(wxPaintEvent& event);

    CLightBarPage* m_page;
    const Style& m_style;
    int16_t m_value = 0;
    bool m_inhibited = false;
    bool m_active = false;
    // Families that do not report it always have the light available.
    bool m_available;

    wxDECLARE_EVENT_TABLE();
};
