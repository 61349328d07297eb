// The Nuvek and Ribex power packs of the simulated bus: a main light and two
// outlets, four memories, and the options each model reports.
#pragma once

#include "tools/SimUnitFamily.h"

class SimPowerPack : public SimUnitFamily {
public:
    enum Model : uint16_t { kNuvek = 20, kRibex = 32 };

    explicit SimPowerPack(Model model);
};
