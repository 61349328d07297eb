#include "app/UnitFamilies.h"

#include "units/nuvek/NuvekDevice.h"
#include "units/ribex/RibexDevice.h"
#include "units/zarit/ZaritDevice.h"
#include "units/zarite/ZaritEDevice.h"

UnitFamilies BuiltFamilies()
{
    return {
        {20, &CreateUnitOf<CNuvekDevice>},
        {32, &CreateUnitOf<CRibexDevice>},
        {37, &CreateUnitOf<CZaritDevice>},
        {137, &CreateUnitOf<CZaritEDevice>},
    };
}
