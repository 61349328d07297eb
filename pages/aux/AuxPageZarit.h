// The Zarit power pack's "auxiliary flash functions" page: sequence, flash
// duration t0.1, colour temperature, interval, delay, this pack's place in
// an alternating release and the number of packs that alternate, with the
// strobo toggle. Interval and delay have a second pair of arrows beside the
// scroll bar. While the unit runs strobo, only colour and delay stay
// editable.
#pragma once

#include <cstdint>

#include "pages/aux/AuxPageBase.h"

class wxCommandEvent;
class wxSpinEvent;

class CAuxPageZarit : public CAuxPageBase {
public:
    // The fields, in the order the mouse tests them.
    enum { SEQUENCE, T01, COLOR, INTERVAL, DELAY, ALTERNATE, NO_ALTERNATE };

    CAuxPageZarit(CFlashDevice* unit, CSettingPageHost* host);

    // The number of packs that alternate, 2..4. The second argument of
    // these two is the decoders' and changes nothing.
    void SetNoAlternate(int value, bool = false);
    // This pack's place among them, 0 (off) to the number of packs; set the
    // number first.
    void SetAlternate(int value, bool = false);
    // The colour temperature step as the unit reports it: 4 is the optimum,
    // each step 200 K away from it.
    void SetColour(int16_t index);
    void SetColourAlt(int16_t index);
    // The unit's strobo state: moves the selection to the colour unless
    // colour or delay is picked, and locks the fields but those two.
    void SetStrobo(int state);

    // The device page's status texts read the place as the preset.
    int16_t GetPreset() const override { return GetAlternate(); }
    int16_t GetColour() const { return m_colour; }
    int16_t GetColourAlt() const { return m_colourAlt; }

protected:
    void StepField(int field, int delta) override;
    bool IsHelpLocked() const override { return m_strobo != 0; }
    void InitFamilyControls() override;

private:
    // The place and the number of packs go out together at every step.
    void SendAlternation();
    // Keeps the second arrows away from their ends: GTK raises nothing at
    // an end, and wrapping would turn the direction round.
    void CentreSpinScroll();

    void OnSpinScroll(wxSpinEvent& event);
    void OnSpinScrollMoved(wxSpinEvent& event);
    void OnStrobo(wxCommandEvent& event);

    int16_t m_packs = 2;
    int16_t m_colour = 4;
    int16_t m_colourAlt = 4;
    int16_t m_strobo = 0;

    wxDECLARE_EVENT_TABLE();
};
