#include "pages/SettingPage.h"

#include "pages/SettingPageHost.h"
#include "text/TextTable.h"

wxString CSettingPage::Text(int id) const
{
    return GetString(id + m_host->GetLanguageOffset());
}

void CSettingPage::SendCommand(int16_t code, int32_t value)
{
    m_host->SendCommand(code, value);
}

void CSettingPage::SendCommand(int16_t code, int32_t value, const wxString& text)
{
    m_host->SendCommand(code, value, text);
}
