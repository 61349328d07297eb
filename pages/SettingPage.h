// The base of every setting page: a panel of the resource file that belongs
// to one unit and reaches its device page only through the host seam.
#pragma once

#include <cstdint>

#include <wx/string.h>

#include "app/Panel.h"

class CFlashDevice;
class CSettingPageHost;

class CSettingPage : public CPanel {
public:
    CSettingPage(CFlashDevice* unit, CSettingPageHost* host) : m_unit(unit), m_host(host) {}

    CFlashDevice* GetDevice() const { return m_unit; }
    CSettingPageHost* GetHost() const { return m_host; }

protected:
    // The text of id in the device page's language.
    wxString Text(int id) const;
    void SendCommand(int16_t code, int32_t value);
    void SendCommand(int16_t code, int32_t value, const wxString& text);

private:
    CFlashDevice* m_unit;
    CSettingPageHost* m_host;
};
