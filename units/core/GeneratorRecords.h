// The status record (1) of the generators whose modelling lamp draws on the
// supply of their aux outlets (Quirel A1, Zarit, ZaritE). They lay it alike
// but for the number of aux outlets, which each family's row gives.
#pragma once

#include <optional>
#include <vector>

#include "units/core/PageText.h"
#include "units/core/PowerPackRecords.h"
#include "units/core/RecordView.h"

namespace GeneratorRecords {

// Record 1 (read to byte 24). The outlets' availability also enables the
// lamp page's box of the outlet; the page keeps their values as the last aux
// values for record 98.
struct Status {
    int mainValue = 0;  // byte 5; the bar clamps it to 0..100
    bool powerOn = false;
    // Aux outlets 1 to the family's count: on and available by byte 21 bits
    // 2n and 2n + 1.
    std::vector<PowerPackRecords::AuxOutlet> outlets;
    int modellingLightMode = 0;  // radio index: 0 PROPMAX, 1 FULL, 2 LOW, 3 to 7 PROP1 to PROP5
    bool lmOverShown = false;    // IDC_LM_OVER shown: it is shown or hidden only on a change
    PageText lmOverText;         // IDC_LM_OVER: "set to prop" and the level
};
// auxOutlets: the family's aux outlets, 2 or 3.
std::optional<Status> DecodeStatus(const RecordView& record, int auxOutlets);

}  // namespace GeneratorRecords
