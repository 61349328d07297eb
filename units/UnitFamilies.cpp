#include "app/UnitFamilies.h"

#include "units/nuvek/NuvekDevice.h"
#include "units/ribex/RibexDevice.h"
#include "units/tiko/TikoDevice.h"

UnitFamilies BuiltFamilies()
{
    return {
        {18, &CreateUnitOf<CTikoDevice>},
        {20, &CreateUnitOf<CNuvekDevice>},
        {25, &CreateUnitOf<CTikoDevice>},
        {26, &CreateUnitOf<CTikoDevice>},
        {32, &CreateUnitOf<CRibexDevice>},
    };
}
