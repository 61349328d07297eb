// A unit object and device page that hold setting pages the way the family
// pages do, without a family: the page is the pages' host, records every
// command they send, notes every other call in a journal, and answers what
// the test sets. For tests of the setting pages on their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/notebook.h>
#include <wx/xrc/xmlres.h>

#include "GuiTestHarness.h"
#include "app/FlashDevice.h"
#include "app/FlashDevicePropertyPage.h"
#include "pages/SettingPageHost.h"

namespace guitest {

// "DLG_TEST_SETTING_HOST": the two notebooks of a device page.
inline bool LoadSettingHostLayout()
{
    static const char* const kXrc = R"(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxPanel" name="DLG_TEST_SETTING_HOST">
    <object class="wxBoxSizer">
      <orient>wxHORIZONTAL</orient>
      <object class="sizeritem">
        <option>1</option>
        <flag>wxEXPAND</flag>
        <object class="wxNotebook" name="IDC_LAMPMEMTAB">
          <size>320,260</size>
        </object>
      </object>
      <object class="sizeritem">
        <option>1</option>
        <flag>wxEXPAND</flag>
        <object class="wxNotebook" name="IDC_OPTIONSTAB">
          <size>420,300</size>
        </object>
      </object>
    </object>
  </object>
</resource>)";
    return LoadLayoutText("test-setting-host", kXrc);
}

class StandInUnit;

class StandInPage : public CFlashDevicePropertyPage, public CSettingPageHost {
public:
    explicit StandInPage(StandInUnit* unit);

    void SetFullView(bool) override {}
    void SetLanguageOffset(uint16_t offset) override { languageOffset = offset; }

    void SendCommand(int16_t code, int32_t value) override { commands.emplace_back(code, value); }
    void SendCommand(int16_t code, int32_t value, const wxString& text) override
    {
        commands.emplace_back(code, value);
        texts.push_back(text);
    }
    uint16_t GetLanguageOffset() override { return languageOffset; }
    bool IsIdle() override { return idle; }
    uint16_t GetProgramVersion() override { return programVersion; }
    int GetSelectedMemory() override { return selectedMemory; }
    bool IsStepPending() override { return stepPending; }
    bool IsSecondStepPending() override { return secondStepPending; }
    uint16_t GetModelCode() override { return modelCode; }
    void SetLightsInhibited(bool inhibit) override
    {
        journal.push_back(inhibit ? "SetLightsInhibited(1)" : "SetLightsInhibited(0)");
    }
    bool IsAuxLightOn(int outlet) override { return outlet >= 1 && outlet <= 3 && auxLightOn[outlet - 1]; }
    void SetPowerDisplay(int mode) override { journal.push_back("SetPowerDisplay(" + std::to_string(mode) + ")"); }
    void SetPowerDisplayMode(uint16_t mode) override
    {
        journal.push_back("SetPowerDisplayMode(" + std::to_string(mode) + ")");
    }

    wxNotebook* LampMemoryBook() const { return XRCCTRL(*this, "IDC_LAMPMEMTAB", wxNotebook); }
    wxNotebook* OptionsBook() const { return XRCCTRL(*this, "IDC_OPTIONSTAB", wxNotebook); }

    // Builds a setting page into a notebook as the family pages do: loaded
    // from its panel, shown (a GTK notebook hides hidden pages), then added.
    template <class Page>
    Page* Place(Page* page, const wxString& panel, wxNotebook* book, const wxString& tab = "page")
    {
        page->Create(panel, book);
        page->Show(true);
        book->AddPage(page, tab, true);
        return page;
    }

    // What the pages sent, in order, as (code, value).
    std::vector<std::pair<int16_t, int32_t>> commands;
    // The texts of the commands that carry one, in order.
    std::vector<wxString> texts;
    // Every other call the pages made of the host, in order.
    std::vector<std::string> journal;

    uint16_t languageOffset = 0;
    bool idle = true;
    uint16_t programVersion = 4;
    int selectedMemory = 0;
    bool stepPending = false;
    bool secondStepPending = false;
    uint16_t modelCode = 0;
    bool auxLightOn[3] = {false, false, false};

    StandInUnit* m_unit;
};

class StandInUnit : public CFlashDevice {
public:
    StandInUnit(VESKCOMM_PORT port = nullptr, uint16_t languageOffset = 0) : CFlashDevice(port, languageOffset) {}

    void OnRecord(const uint8_t*, uint8_t) override {}

    CFlashDevicePropertyPage* CreatePage(wxWindow* parent) override
    {
        m_propertyPage = new StandInPage(this);
        m_propertyPage->Create("DLG_TEST_SETTING_HOST", parent);
        m_propertyPage->Show(true);
        return m_propertyPage;
    }

    // The unit's page field: null until the test sets it, as while a family
    // page builds its setting pages.
    void SetPageField(bool set) { SetPage(set ? m_propertyPage : nullptr); }

    StandInPage* GetPropertyPage() const { return m_propertyPage; }

private:
    StandInPage* m_propertyPage = nullptr;
};

inline StandInPage::StandInPage(StandInUnit* unit)
    : CFlashDevicePropertyPage("DLG_TEST_SETTING_HOST", unit, nullptr), m_unit(unit)
{
}

// Fixture: a stand-in unit whose page fills the test frame.
class SettingPageTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(LoadSettingHostLayout());
        unit.reset(new StandInUnit());
        host = static_cast<StandInPage*>(unit->CreatePage(Frame()));
        Frame()->SetClientSize(800, 400);
        host->SetSize(Frame()->GetClientSize());
        host->Layout();
    }

    void TearDown() override
    {
        host->Destroy();
        Yield();
        unit.reset();
        GuiTest::TearDown();
    }

    std::unique_ptr<StandInUnit> unit;
    StandInPage* host = nullptr;
};

}  // namespace guitest
