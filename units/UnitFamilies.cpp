#include "app/UnitFamilies.h"

#include "units/nuvek/NuvekDevice.h"
#include "units/quirel/QuirelA1Device.h"
#include "units/ribex/RibexDevice.h"

UnitFamilies BuiltFamilies()
{
    return {
        {16, &CreateUnitOf<CQuirelA1Device>},
        {20, &CreateUnitOf<CNuvekDevice>},
        {32, &CreateUnitOf<CRibexDevice>},
    };
}
