// The GUI unit object of a Quirel A1 power pack (type code 16).
#pragma once

#include "units/FamilyDevice.h"
#include "units/quirel/QuirelA1DevicePropertyPage.h"

class CQuirelA1Device : public TFamilyDevice<CQuirelA1DevicePropertyPage> {
public:
    using TFamilyDevice::TFamilyDevice;
};
