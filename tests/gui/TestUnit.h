// A unit object and device page of a made-up family, built the way every
// family builds its own: for tests of what the bases give the families.
#pragma once

#include <cstdint>
#include <vector>

#include <wx/xrc/xmlres.h>

#include "app/FlashDevice.h"
#include "app/FlashDevicePropertyPage.h"

namespace guitest {

class TestUnit;

class TestDevicePage : public CFlashDevicePropertyPage {
public:
    explicit TestDevicePage(TestUnit* unit);

    void SetFullView(bool full) override { m_full = full; }
    void SetLanguageOffset(uint16_t offset) override { m_languageOffset = offset; }
    bool InitControls() override;

    TestUnit* m_unit;
    bool m_full = true;
    uint16_t m_languageOffset = 0;
    // What the unit object answered while the page was being initialised.
    TestDevicePage* m_typedPageDuringInit = nullptr;
    CFlashDevicePropertyPage* m_basePageDuringInit = nullptr;
    bool m_destroyDuringInit = false;
};

class TestUnit : public CFlashDevice {
public:
    TestUnit(VESKCOMM_PORT port, uint16_t languageOffset) : CFlashDevice(port, languageOffset) {}

    void OnRecord(const uint8_t* bytes, uint8_t count) override { m_record.assign(bytes, bytes + count + 1); }

    // Typed page first, then the layout, then the base page.
    CFlashDevicePropertyPage* CreatePage(wxWindow* parent) override
    {
        m_propertyPage = new TestDevicePage(this);
        m_propertyPage->Create("DLG_DEVICE_PAGE", parent);
        SetPage(m_propertyPage);
        return m_propertyPage;
    }

    TestDevicePage* GetPropertyPage() const { return m_propertyPage; }

    std::vector<uint8_t> m_record;

private:
    TestDevicePage* m_propertyPage = nullptr;
};

inline TestDevicePage::TestDevicePage(TestUnit* unit)
    : CFlashDevicePropertyPage("DLG_DEVICE_PAGE", unit, nullptr), m_unit(unit)
{
}

inline bool TestDevicePage::InitControls()
{
    m_typedPageDuringInit = m_unit->GetPropertyPage();
    m_basePageDuringInit = m_unit->GetPage();
    if (m_destroyDuringInit)
        m_unit->DestroyPage();
    return true;
}

}  // namespace guitest
