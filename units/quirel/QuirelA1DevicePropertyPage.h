// The device page of a Quirel A1 power pack (type code 16): a main light and
// three aux bars, the modelling lamp limited by the switched-on outlets and
// any preset sequence, five power-display scales (the last in third stops,
// where a short spin click lands on the grid), the status panel whose OK
// takes over what the unit suggests, the T0.1 step with its busy cursor,
// alarms with their cooling time, and the memories.
#pragma once

#include "units/GeneratorPage.h"

class CQuirelA1DevicePropertyPage : public CGeneratorPage {
public:
    explicit CQuirelA1DevicePropertyPage(CFlashDevice* unit);

protected:
    std::optional<CommandBytes> BuildCommand(const Command& command) override;
    void UpdateAuxStatusTexts() override;
    SpinStepper::Landing SpinLanding() const override;

private:
    void DecodeAuxFunctions(const RecordView& record);
    void DecodeSelections(const RecordView& record);
    void DecodeOptions(const RecordView& record);
    void DecodeMemory(const RecordView& record);

    static const Traits& PageTraits();
};
