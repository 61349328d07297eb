// One made-up family for the tests: its unit object and device page, built
// the way a test needs them. The unit notes its records and its end in a
// journal; the page keeps what the main window, the bases and the setting
// pages ask of a family page, records every command the setting pages send,
// notes their other calls, and answers what the test sets.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <wx/notebook.h>
#include <wx/xrc/xmlres.h>

#include "app/FlashDevice.h"
#include "app/FlashDevicePropertyPage.h"
#include "app/UnitFamilies.h"
#include "pages/SettingPageHost.h"

class wxTextCtrl;

namespace guitest {

class StandInUnit;

class StandInPage : public CFlashDevicePropertyPage, public CSettingPageHost {
public:
    explicit StandInPage(StandInUnit* unit);

    // A plain panel under parent with one text field, hidden, as the main
    // window meets a family's page.
    void CreatePlain(wxWindow* parent);

    void SetFullView(bool full) override { fullView = full; }
    void SetLanguageOffset(uint16_t offset) override { languageOffset = offset; }
    bool InitControls() override;

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

    bool fullView = true;
    // The plain panel's field.
    wxTextCtrl* field = nullptr;

    // What the unit object answered while the page was being initialised;
    // with destroyDuringInit set, the page asks the unit to destroy it then.
    StandInPage* typedPageDuringInit = nullptr;
    CFlashDevicePropertyPage* basePageDuringInit = nullptr;
    bool destroyDuringInit = false;

    // What the setting pages sent, in order, as (code, value).
    std::vector<std::pair<int16_t, int32_t>> commands;
    // The texts of the commands that carry one, in order.
    std::vector<wxString> texts;
    // Every other call the setting pages made of the host, in order.
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
    // How CreatePage builds the page.
    enum class Build {
        // A plain panel (StandInPage::CreatePlain), the unit's page at once:
        // what the main window's tests need.
        Plain,
        // "DLG_DEVICE_PAGE" as every family builds its own: the typed page
        // first, then the layout, then the base page.
        DevicePage,
        // "DLG_TEST_SETTING_HOST", shown; the unit's page stays null until
        // the test sets it (SetPageField), as while a family page builds its
        // setting pages.
        SettingHost,
    };

    StandInUnit(VESKCOMM_PORT port, uint16_t languageOffset, Build build = Build::Plain)
        : CFlashDevice(port, languageOffset), m_build(build)
    {
    }
    ~StandInUnit() override;

    void OnRecord(const uint8_t* bytes, uint8_t count) override;
    CFlashDevicePropertyPage* CreatePage(wxWindow* parent) override;

    // The unit's page field, for a test of a setting host.
    void SetPageField(bool set) { SetPage(set ? m_propertyPage : nullptr); }

    StandInPage* GetPropertyPage() const { return m_propertyPage; }

    // "deleted <address>" and "record <address> <number>", in order.
    static std::vector<std::string>& Journal();
    // The journal's entries that begin with prefix.
    static std::vector<std::string> JournalOf(const std::string& prefix);

private:
    Build m_build;
    StandInPage* m_propertyPage = nullptr;
};

// Type codes 20 (Nuvek), 32, 37 (Zarit) and 137 (ZaritE) are stand-ins;
// any other stays without a page.
UnitFamilies StandInFamilies();

}  // namespace guitest
