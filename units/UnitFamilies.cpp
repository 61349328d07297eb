#include "app/UnitFamilies.h"

#include "units/nuvek/NuvekDevice.h"
#include "units/ribex/RibexDevice.h"

UnitFamilies BuiltFamilies()
{
    return {
        {20, &CreateUnitOf<CNuvekDevice>},
        {32, &CreateUnitOf<CRibexDevice>},
    };
}
