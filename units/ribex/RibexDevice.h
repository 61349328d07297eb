// The GUI unit object of a Ribex power pack (type code 32).
#pragma once

#include "units/FamilyDevice.h"
#include "units/ribex/RibexDevicePropertyPage.h"

class CRibexDevice : public TFamilyDevice<CRibexDevicePropertyPage> {
public:
    using TFamilyDevice::TFamilyDevice;
};
