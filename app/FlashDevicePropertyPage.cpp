#include "app/FlashDevicePropertyPage.h"

#include "app/FlashDevice.h"

CFlashDevicePropertyPage::CFlashDevicePropertyPage(const wxString& name, CFlashDevice* unit, wxWindow* parent)
    : CPanel(name, parent), m_port(unit ? unit->GetPort() : nullptr)
{
}

void CFlashDevicePropertyPage::Transmit(uint8_t* buffer, uint8_t length, uint8_t address, uint16_t command)
{
    VeskCommPortTransmit(m_port, buffer, length, address, command);
}

void CFlashDevicePropertyPage::SetBusy(uint8_t) {}

bool CFlashDevicePropertyPage::IsBusy() const
{
    return false;
}
