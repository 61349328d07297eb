#include "comm/DemoDevice.h"

CDemoDevice::CDemoDevice(uint16_t address, uint16_t energyClass)
    : m_address(address), m_energyClass(energyClass)
{
}

void CDemoDevice::Receive(const std::string&, std::string&) {}
