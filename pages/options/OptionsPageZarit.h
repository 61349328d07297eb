// The options page of the Zarit family: the ready buzzer by volume and mode
// and the display brightness go out together (command 19); the power
// display is a check box that switches the device page's display mode; the
// speed display, the ready-signal brightness and the photocell sensitivity
// join the recycling options (command 17). No infrared address, and the
// total reset does not follow the service level.
#pragma once

#include "pages/options/OptionsPageBase.h"

class COptionsPageZarit : public COptionsPageBase {
public:
    COptionsPageZarit(CFlashDevice* unit, CSettingPageHost* host);

    bool InitControls() override;

    bool IsSpeedDisplayChecked() const;
    bool IsReadinessChecked() const;
    bool IsSensitivityChecked() const;
    // 0 off, 1 low, 2 medium, 3 high.
    int GetBuzzerVolume() const;
    // 0 standard, 1 address specific.
    int GetBuzzerMode() const;
    // 1 low, 2 medium, 3 high, 0 ambient.
    int GetBrightness() const;

    // From the unit: sets the box, then the device page's display mode.
    void SetPowerDisplay(bool on);
    // From the unit: a change asks for the selected memory's record again,
    // whose energies read differently now.
    void SetSpeedDisplay(bool on);
    void SetBuzzerVolume(int volume);
    void SetBuzzerMode(int mode);
    void SetBrightness(int value);
    void SetReadiness(bool on);
    void SetSensitivity(bool on);

private:
    void OnBuzzerOption(wxCommandEvent& event);
    void OnPowerDisplay(wxCommandEvent& event);
    void OnSpeedDisplay(wxCommandEvent& event);
};
