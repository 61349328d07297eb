#include "app/UnitFamilies.h"

#include "units/nuvek/NuvekDevice.h"
#include "units/quirel/QuirelA1Device.h"
#include "units/ribex/RibexDevice.h"
#include "units/zarit/ZaritDevice.h"
#include "units/zarite/ZaritEDevice.h"

UnitFamilies BuiltFamilies()
{
    return {
        {16, &CreateUnitOf<CQuirelA1Device>},
        {20, &CreateUnitOf<CNuvekDevice>},
        {32, &CreateUnitOf<CRibexDevice>},
        {37, &CreateUnitOf<CZaritDevice>},
        {137, &CreateUnitOf<CZaritEDevice>},
    };
}
