// The GUI unit object of a Zarit power pack (type code 37).
#pragma once

#include "units/FamilyDevice.h"
#include "units/zarit/ZaritDevicePropertyPage.h"

class CZaritDevice : public TFamilyDevice<CZaritDevicePropertyPage> {
public:
    using TFamilyDevice::TFamilyDevice;
};
