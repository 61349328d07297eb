// The device page of a ZaritE power pack (type code 137), the cut-down
// Zarit: a main light and two aux bars, no memories, no infrared box, no
// speed or user toggle and no power display; its OK button takes nothing
// over and only redraws the status rows.
#pragma once

#include <vector>

#include "units/GeneratorPage.h"

class CAuxPageZaritE;

class CZaritEDevicePropertyPage : public CGeneratorPage {
public:
    explicit CZaritEDevicePropertyPage(CFlashDevice* unit);

    // The decoders of records 1 to 8, 10, 98 and 100.
    static std::vector<RecordRoute> Records();

    // The ZaritE's energy text: the energy as it is.
    wxString GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel) override;

protected:
    std::optional<CommandBytes> BuildCommand(const Command& command) override;
    void UpdateAuxStatusTexts() override;

private:
    CAuxPageZaritE* ZaritEAuxPage() const;

    void DecodeAuxFunctions(const RecordView& record);
    void DecodeSelections(const RecordView& record);
    void DecodeOptions(const RecordView& record);
};
