#include "StandInFamily.h"

#include <gtest/gtest.h>

#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace guitest {

StandInPage::StandInPage(StandInUnit* unit) : CFlashDevicePropertyPage("", unit, nullptr), m_unit(unit) {}

void StandInPage::CreatePlain(wxWindow* parent)
{
    wxPanel::Create(parent, wxID_ANY);
    field = new wxTextCtrl(this, wxID_ANY);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(field, 0, wxALL, 4);
    SetSizer(sizer);
    Show(false);
}

bool StandInPage::InitControls()
{
    typedPageDuringInit = m_unit->GetPropertyPage();
    basePageDuringInit = m_unit->GetPage();
    if (destroyDuringInit)
        m_unit->DestroyPage();
    return true;
}

StandInUnit::~StandInUnit()
{
    Journal().push_back("deleted " + std::to_string(GetAddress()));
}

void StandInUnit::OnRecord(const uint8_t* bytes, uint8_t count)
{
    EXPECT_EQ(bytes[0], count);
    EXPECT_EQ(bytes[2], GetAddress());
    Journal().push_back("record " + std::to_string(GetAddress()) + " " + std::to_string(bytes[3] * 256 + bytes[4]));
}

CFlashDevicePropertyPage* StandInUnit::CreatePage(wxWindow* parent)
{
    m_propertyPage = new StandInPage(this);
    switch (m_build) {
    case Build::Plain:
        m_propertyPage->CreatePlain(parent);
        SetPage(m_propertyPage);
        break;
    case Build::DevicePage:
        m_propertyPage->Create("DLG_DEVICE_PAGE", parent);
        SetPage(m_propertyPage);
        break;
    case Build::SettingHost:
        m_propertyPage->Create("DLG_TEST_SETTING_HOST", parent);
        m_propertyPage->Show(true);
        break;
    }
    return m_propertyPage;
}

std::vector<std::string>& StandInUnit::Journal()
{
    static std::vector<std::string> journal;
    return journal;
}

std::vector<std::string> StandInUnit::JournalOf(const std::string& prefix)
{
    std::vector<std::string> entries;
    for (const std::string& entry : Journal()) {
        if (entry.rfind(prefix, 0) == 0)
            entries.push_back(entry);
    }
    return entries;
}

UnitFamilies StandInFamilies()
{
    return {{20, &CreateUnitOf<StandInUnit>},
            {32, &CreateUnitOf<StandInUnit>},
            {37, &CreateUnitOf<StandInUnit>},
            {137, &CreateUnitOf<StandInUnit>}};
}

}  // namespace guitest
