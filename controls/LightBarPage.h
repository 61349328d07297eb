// What a light bar needs of the device page that holds it. A family page
// derives from this beside CFlashDevicePropertyPage, builds its bars with
// `this` and answers from its own operations.
#pragma once

#include <cstdint>

#include <wx/string.h>

class CLightBarPage {
public:
    // The large text of a bar: the family's FormatEnergyText for this light.
    // inhibited is the bar's own lock; a page whose lights take more flags
    // (the Zarit speed display) adds them. The Tiko page uses only value.
    virtual wxString GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel) = 0;
    // Added to the ids of the texts a bar fetches itself.
    virtual uint16_t GetLanguageOffset() = 0;

protected:
    ~CLightBarPage() = default;
};
