// The GUI unit object of a ZaritE power pack (type code 137).
#pragma once

#include "units/FamilyDevice.h"
#include "units/zarite/ZaritEDevicePropertyPage.h"

class CZaritEDevice : public TFamilyDevice<CZaritEDevicePropertyPage> {
public:
    using TFamilyDevice::TFamilyDevice;
};
