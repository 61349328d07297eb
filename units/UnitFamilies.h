// The families whose unit objects this program builds: one row a family.
#pragma once

#include "app/UnitFamilies.h"

UnitFamilies BuiltFamilies();
