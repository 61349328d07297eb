// The device page of a Nuvek power pack (type code 20): a main light and two
// aux outlets, the energy-range box, and the Nuvek setting pages.
#pragma once

#include <string>

#include "units/PowerPackPage.h"

class CNuvekDevicePropertyPage : public CPowerPackPage {
public:
    explicit CNuvekDevicePropertyPage(CFlashDevice* unit);

protected:
    std::optional<CommandBytes> BuildCommand(const Command& command) override;
    void DecodeUnitInfo(const RecordView& record) override;
    void DecodeOptions(const RecordView& record) override;
    StatusRows BuildStatusRows() override;

private:
    // "asym" or "sym" from the unit information: the first status row.
    std::string m_symmetry;
};
