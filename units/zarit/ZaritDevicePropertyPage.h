// The device page of a Zarit power pack (type code 37): a main light and
// three aux bars, the speed and user toggles, the speed display of the
// energies, the power display that shows them a stop lower, the colour
// temperature with its own step command, strobe that locks the lights,
// the alternation of packs and the four memories.
#pragma once

#include <cstdint>
#include <vector>

#include "units/GeneratorPage.h"

class CAuxPageZarit;
class COptionsPageZarit;
class wxCommandEvent;

class CZaritDevicePropertyPage : public CGeneratorPage {
public:
    explicit CZaritDevicePropertyPage(CFlashDevice* unit);

    // The decoders of records 1 to 8, 10, 98, 100 and 101 to 104.
    static std::vector<RecordRoute> Records();

    // The options page's power display: on a change the selected memory's
    // record is asked for again, whose energies read differently now; the
    // bars are redrawn either way.
    void SetPowerDisplayMode(uint16_t mode) override;
    int GetPowerDisplayMode() const { return GetPowerDisplay(); }

    // The unit's speed (record 5): "IDC_SPEED" follows it without sending,
    // and the energies that take the speed offset are redrawn.
    void SetSpeedFlag(bool on);
    bool GetSpeedFlag() const { return m_speedFlag; }

    // The Zarit's energy text: a stop lower in the power display, 0.4 stops
    // higher with the speed display for a light that runs at speed.
    wxString GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel) override;

protected:
    std::optional<CommandBytes> BuildCommand(const Command& command) override;
    void UpdateAuxStatusTexts() override;
    void TakeSuggestedColour() override;

private:
    CAuxPageZarit* ZaritAuxPage() const;
    COptionsPageZarit* ZaritOptionsPage() const;
    bool IsSpeedDisplayOn() const;

    void DecodeAuxFunctions(const RecordView& record);
    void DecodeSelections(const RecordView& record);
    void DecodeOptions(const RecordView& record);
    void DecodeMemory(const RecordView& record);

    void OnSpeedToggle(wxCommandEvent& event);
    void OnUserToggle(wxCommandEvent& event);

    bool m_speedFlag = false;
};
