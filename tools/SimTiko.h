// The compact Tiko units of the simulated bus (Trovalex, Sorvant, Hexor): one
// light with its energy range, the aux functions, four memories, and the
// options, counters and dates they report.
#pragma once

#include "tools/SimUnitFamily.h"

class SimTiko : public SimUnitFamily {
public:
    enum Model : uint16_t { kTrovalex = 18, kSorvant = 25, kHexor = 26 };

    explicit SimTiko(Model model);
};
