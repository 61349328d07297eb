// The GUI unit object of a Nuvek power pack (type code 20).
#pragma once

#include "units/FamilyDevice.h"
#include "units/nuvek/NuvekDevicePropertyPage.h"

class CNuvekDevice : public TFamilyDevice<CNuvekDevicePropertyPage> {
public:
    using TFamilyDevice::TFamilyDevice;
};
