// The Quirel A1 unit's "auxiliary flash functions" page: sequence, flash
// duration t0.1, interval, delay, preset sequence with its times, and the
// alternate number. While a preset sequence runs only delay and preset stay
// editable, the light bars are locked, and the help shows the sequence as a
// drawing with its times.
#pragma once

#include <cstdint>

#include "pages/aux/AuxPageBase.h"

class CAuxPage : public CAuxPageBase {
public:
    // The fields, in the order the mouse tests them.
    enum { SEQUENCE, T01, INTERVAL, DELAY, PRESET, ALTERNATE };

    CAuxPage(CFlashDevice* unit, CSettingPageHost* host);

    // Through the echo queue when fromUser is false; entering or leaving a
    // preset sequence locks or frees the other fields and the light bars.
    void SetPreset(int value, bool fromUser);
    void SetAlternate(int value, bool fromUser);
    void SetPresetTimes(uint16_t t1, uint16_t t2, uint16_t t3);
    void SetT01MaxPreset(uint16_t value);

    // The key of the drawing the help panel shows, 0 while it shows text.
    int16_t GetShownDrawingKey() const { return m_shownKey; }

protected:
    void StepField(int field, int delta) override;
    int FieldForIndex(int16_t index) const override;
    bool IsHelpLocked() const override { return GetPreset() != 0; }
    void ShowHelpDrawing() override;
    void HideHelpDrawing() override;

private:
    int16_t CurrentDrawingKey() const;
    void ShowDrawing(int16_t key);
    // Shows the drawing of the running preset when it differs from the one
    // this last showed; a preset below 2 leaves the panel alone.
    void RefreshPresetImage();

    int16_t m_times[3] = {};
    int16_t m_imageKey = 0;  // last shown by RefreshPresetImage
    int16_t m_shownKey = 0;
};
