// The unit factory's table: which family's GUI unit object a unit found on
// the bus gets, by the type code of its identity. The families themselves
// live above the application and fill the table (units/UnitFamilies.h); the
// program's start hands it to the application.
#pragma once

#include <cstdint>
#include <map>

#include "comm/VeskComm.h"

class CFlashDevice;

// Makes the GUI unit object of one family for a unit on the port, in the
// language whose text offset is given.
using UnitCreator = CFlashDevice* (*)(VESKCOMM_PORT port, uint16_t textOffset);
// The families by the type code of the unit's identity.
using UnitFamilies = std::map<int, UnitCreator>;

template <class Unit>
CFlashDevice* CreateUnitOf(VESKCOMM_PORT port, uint16_t textOffset)
{
    return new Unit(port, textOffset);
}
