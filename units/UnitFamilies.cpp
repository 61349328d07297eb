#include "units/UnitFamilies.h"

#include "units/nuvek/NuvekDevice.h"
#include "units/quirel/QuirelA1Device.h"
#include "units/ribex/RibexDevice.h"
#include "units/tiko/TikoDevice.h"
#include "units/zarit/ZaritDevice.h"
#include "units/zarite/ZaritEDevice.h"

UnitFamilies BuiltFamilies()
{
    return {
        {16, &CreateUnitOf<CQuirelA1Device>}, {18, &CreateUnitOf<CTikoDevice>},    {20, &CreateUnitOf<CNuvekDevice>},
        {25, &CreateUnitOf<CTikoDevice>},     {26, &CreateUnitOf<CTikoDevice>},    {32, &CreateUnitOf<CRibexDevice>},
        {37, &CreateUnitOf<CZaritDevice>},    {137, &CreateUnitOf<CZaritEDevice>},
    };
}
