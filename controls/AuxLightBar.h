// The auxiliary-light bar that the device pages show for each outlet: the
// energy in large text, joules and percent below, an on/off check box at its
// left edge, and the outlet's spin button on the page enabled only while the
// setting can change. The family classes (CVeskAuxCtl and its sisters) give
// only their style.
#pragma once

#include <cstdint>

#include "controls/LightBar.h"

class wxCheckBox;

class CAuxLightBar : public CLightBar {
public:
    // Links the page's spin button spinId (beside the placeholder) and makes
    // the check box; the page calls it right after attaching bar and spin.
    // A click of the box switches the outlet here, then goes on to the bar's
    // parents as the box's event, for the page to send the outlet's energy
    // command.
    void CreateCheckBox(wxWindowID checkId, wxWindowID spinId);

    // The on and available state of the bar's outlet, from the unit.
    void SetState(bool on, bool available) { SetPair(0, on, available); }
    // Set while the unit's state locks the energies.
    void SetInhibit(bool inhibited);
    // Limits value to 0..100; repaints only on a change of value or warning.
    void SetValue(int16_t value, bool warning);
    void SetPercent(int16_t percent);
    void SetJoules(int16_t joules);

    // The outlet (the first pair of a two-outlet bar) is on and available.
    bool IsOn() const;

    BarFace GetFace() const override;

    // What sets a family's bar apart.
    struct Style {
        unsigned char colour[3];  // text while active
        int16_t joulesCap;
        bool hidesCheckBox;  // the unit's own switch replaces it
        bool indicators;     // one marker per outlet at the left edge
        int rowLeft;         // left edge of the joules
    };

protected:
    CAuxLightBar(CLightBarPage* page, int16_t channel, const Style& style);

    // Stores the on and available flags of outlet pair 0 or 1 and brings
    // check box and spin button in line with them.
    void SetPair(int pair, bool on, bool available);

private:
    void OnCheck(wxCommandEvent& event);
    void UpdateControls();
    void EnableSpin(bool enable);
    bool AnyOn() const { return m_on[0] || m_on[1]; }
    bool AnyAvailable() const { return m_available[0] || m_available[1]; }

    const Style& m_style;
    wxCheckBox* m_check = nullptr;
    wxWindow* m_spin = nullptr;  // the page's; absent in a layout without it
    bool m_on[2] = {false, false};
    bool m_available[2] = {false, false};
    bool m_inhibited = false;
    bool m_warning = false;
    int16_t m_joules = 0;
    int16_t m_percent = 0;
};
