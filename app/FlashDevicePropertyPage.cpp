#include "app/FlashDevicePropertyPage.h"

#include "app/FlashDevice.h"

wxDEFINE_EVENT(VESK_EVT_PAGE_NEEDS_ROOM, wxCommandEvent);

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

void CFlashDevicePropertyPage::AskForRoom(const wxSize& size)
{
    if (size.x <= m_askedRoom.x && size.y <= m_askedRoom.y)
        return;
    m_askedRoom.IncTo(size);
    wxCommandEvent event(VESK_EVT_PAGE_NEEDS_ROOM, GetId());
    event.SetEventObject(this);
    // Command events rise to the parents; the main window takes it.
    ProcessWindowEvent(event);
}
