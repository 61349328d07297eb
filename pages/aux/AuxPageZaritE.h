// The ZaritE power pack's "auxiliary flash functions" page: the flash
// sequence and the flash duration t0.1, with their help and reset. The
// scroll bar of the layout edits nothing here.
#pragma once

#include <cstdint>

#include <wx/string.h>

#include "pages/aux/AuxPageBase.h"

class CAuxPageZaritE : public CAuxPageBase {
public:
    // The fields, in the order the mouse tests them.
    enum { SEQUENCE, T01 };

    CAuxPageZaritE(CFlashDevice* unit, CSettingPageHost* host);

    // The device page reads the T0.1 words in the places of delay and
    // preset.
    int16_t GetDelay() const override { return GetT01Mode(); }
    int16_t GetPreset() const override { return GetT01Value(); }

    // The T0.1 help without its closing sentence: up to the last full stop
    // before the final character. A text without such a stop stays whole.
    static wxString WithoutClosingSentence(const wxString& text);

protected:
    wxString HelpText(int text) const override;
};
