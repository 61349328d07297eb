// The device page of a Ribex power pack (type code 32): a main light and two
// aux bars, the second of which also shows the third outlet, the "P"
// modelling-light mode, a power button the unit can lock, and the Ribex
// setting pages.
#pragma once

#include "units/PowerPackPage.h"

class CRibexDevicePropertyPage : public CPowerPackPage {
public:
    explicit CRibexDevicePropertyPage(CFlashDevice* unit);

protected:
    std::optional<CommandBytes> BuildCommand(const Command& command) override;
    void DecodeUnitInfo(const RecordView& record) override;
    void DecodeOptions(const RecordView& record) override;
    StatusRows BuildStatusRows() override;
};
