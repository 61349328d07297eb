#include "app/FlashDevice.h"

CFlashDevice::CFlashDevice(VESKCOMM_PORT port, uint16_t languageOffset) : m_languageOffset(languageOffset), m_port(port)
{
}

CFlashDevice::~CFlashDevice() = default;

void CFlashDevice::DestroyPage()
{
    if (CFlashDevicePropertyPage* page = m_page.get()) {
        m_page = nullptr;
        page->Destroy();
    }
}

void CFlashDevice::SetTypeNames(const wxString& first, const wxString& second)
{
    m_firstTypeName = first;
    m_secondTypeName = second;
}
