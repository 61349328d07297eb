// The auxiliary-light bar that the device pages show for each outlet: the
// energy in large text, joules and percent below, an on/off check box at its
// left edge, and the outlet's spin button on the page enabled only while the
// setting can change. The family classes (CVeskAuxCtl and its sisters) give
// only their style and their state setters.
#pragma once

#include <cstdint>

#include <wx/window.h>

#include "controls/BarFace.h"

class CLightBarPage;
class wxCheckBox;

class CAuxLightBar : public wxWindow {
public:
    // Links the page's spin button spinId (beside the placeholder) and makes
    // the check box; the page calls it right after attaching bar and spin.
    void CreateCheckBox(wxWindowID checkId, wxWindowID spinId);

    // Set while the unit's state locks the energies.
    void SetInhibit(bool inhibited);
    // Limits value to 0..100; repaints only on a change of value or warning.
    void SetValue(int16_t value, bool warning);
    void SetPercent(int16_t percent);
    void SetJoules(int16_t joules);
    void SetActive(bool active);

    // The outlet (the first pair of a two-outlet bar) is on and available.
    bool IsOn() const;
    int16_t GetValue() const { return m_value; }

    // What the bar paints now.
    BarFace GetFace() const;

    // What sets a family's bar apart.
    struct Style {
        unsigned char colour[3];  // text while active
        int16_t joulesCap;
        bool hidesCheckBox;  // the unit's own switch replaces it
        bool indicators;     // one marker per outlet at the left edge
        int rowLeft;         // left edge of the joules
    };

protected:
    // Creates no window: AttachControl does, in the page's placeholder.
    CAuxLightBar(CLightBarPage* page, int16_t channel, const Style& style);

    // Stores the on and available flags of outlet pair 0 or 1 and brings
    // check box and spin button in line with them.
    void SetPair(int pair, bool on, bool available);

private:
    void OnCheck(wxCommandEvent& event);
    void OnPaint(wxPaintEvent& event);
    void UpdateControls();
    void EnableSpin(bool enable);
    bool AnyOn() const { return m_on[0] || m_on[1]; }
    bool AnyAvailable() const { return m_available[0] || m_available[1]; }

    CLightBarPage* m_page;
    const Style& m_style;
    wxCheckBox* m_check = nullptr;
    wxWindow* m_spin = nullptr;  // the page's; absent in a layout without it
    int16_t m_channel;
    bool m_on[2] = {false, false};
    bool m_available[2] = {false, false};
    bool m_inhibited = false;
    bool m_warning = false;
    int16_t m_joules = 0;
    int16_t m_percent = 0;
    int16_t m_value = 0;
    bool m_active = false;

    wxDECLARE_EVENT_TABLE();
};
