// The options page of the ZaritE family: slow recycling and a ready buzzer
// that is on or off; it never shows the counters or their resets.
#pragma once

#include "pages/options/OptionsPageBase.h"

class COptionsPageZaritE : public COptionsPageBase {
public:
    COptionsPageZaritE(CFlashDevice* unit, CSettingPageHost* host);

    // The volume the buzzer command carries: 2 when the buzzer is on, else 0.
    int IsBuzzerVolumeChecked() const;
    // From the unit: any volume above 0 turns the buzzer on.
    void SetBuzzerVolume(int volume);

private:
    void OnBuzzerOption(wxCommandEvent& event);
};
