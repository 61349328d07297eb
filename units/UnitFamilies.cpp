#include "app/UnitFamilies.h"

UnitFamilies BuiltFamilies()
{
    return {};
}
