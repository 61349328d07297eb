// The GUI unit object of a compact Tiko unit (type codes 18, 25 and 26).
#pragma once

#include "units/FamilyDevice.h"
#include "units/tiko/TikoDevicePropertyPage.h"

class CTikoDevice : public TFamilyDevice<CTikoDevicePropertyPage> {
public:
    using TFamilyDevice::TFamilyDevice;
};
