// What the options-page tests share: pages built into the stand-in device
// page as a family page builds them, a host that keeps every call of the
// pages in one list (so the order between commands and other calls shows),
// and the user's clicks as the toolkit delivers them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobox.h>
#include <wx/radiobut.h>
#include <wx/xrc/xmlres.h>

#include "SettingPageStandIn.h"

namespace guitest {

// Hands every call on to the stand-in page and notes it, commands as
// "(code,value)" and other calls by name, in the order they came.
class OrderedHost final : public CSettingPageHost {
public:
    explicit OrderedHost(StandInPage* page) : m_page(page) {}
    void SendCommand(int16_t code, int32_t value) override
    {
        calls.push_back("(" + std::to_string(code) + "," + std::to_string(value) + ")");
        m_page->SendCommand(code, value);
    }
    void SendCommand(int16_t code, int32_t value, const wxString& text) override
    {
        calls.push_back("(" + std::to_string(code) + "," + std::to_string(value) + "," + text.utf8_string() + ")");
        m_page->SendCommand(code, value, text);
    }
    uint16_t GetLanguageOffset() override { return m_page->GetLanguageOffset(); }
    bool IsIdle() override { return m_page->IsIdle(); }
    uint16_t GetProgramVersion() override { return m_page->GetProgramVersion(); }
    int GetSelectedMemory() override { return m_page->GetSelectedMemory(); }
    void SetPowerDisplay(int mode) override
    {
        calls.push_back("SetPowerDisplay(" + std::to_string(mode) + ")");
        m_page->SetPowerDisplay(mode);
    }
    void SetPowerDisplayMode(uint16_t mode) override
    {
        calls.push_back("SetPowerDisplayMode(" + std::to_string(mode) + ")");
        m_page->SetPowerDisplayMode(mode);
    }

    std::vector<std::string> calls;

private:
    StandInPage* m_page;
};

using Calls = std::vector<std::string>;

class OptionsPageTest : public SettingPageTest {
protected:
    void SetUp() override
    {
        SettingPageTest::SetUp();
        ordered = std::make_unique<OrderedHost>(host);
    }

    // The page of a unit with that type code, radio flag and energy class,
    // built from its own panel or from the one given.
    template <class Page>
    Page* Make(uint16_t type, uint8_t radio = 0, uint8_t energy = 0, const char* panel = nullptr)
    {
        unit->SetVersion(type);
        unit->SetRFStat(radio);
        unit->SetEnergyType(energy);
        auto* page = new Page(unit.get(), ordered.get());
        return host->Place(page, panel ? wxString(panel) : wxString(page->GetPanelName()), host->OptionsBook(),
                           "options");
    }

    // Removes a page the way its notebook allows, before the next one.
    void Drop(wxWindow* page)
    {
        wxNotebook* book = host->OptionsBook();
        book->DeletePage(book->FindPage(page));
        Yield();
    }

    static wxWindow* Control(wxWindow* page, const char* name) { return page->FindWindow(XRCID(name)); }
    template <class Kind>
    static Kind* Control(wxWindow* page, const char* name)
    {
        return wxDynamicCast(Control(page, name), Kind);
    }

    // The user ticks or clears a check box.
    static void Click(wxWindow* page, const char* name)
    {
        auto* box = Control<wxCheckBox>(page, name);
        ASSERT_NE(box, nullptr) << name;
        box->SetValue(!box->GetValue());
        wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(box->GetValue());
        box->ProcessWindowEvent(event);
    }

    // The user picks a radio button.
    static void Pick(wxWindow* page, const char* name)
    {
        auto* radio = Control<wxRadioButton>(page, name);
        ASSERT_NE(radio, nullptr) << name;
        radio->SetValue(true);
        wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
        event.SetEventObject(radio);
        event.SetInt(1);
        radio->ProcessWindowEvent(event);
    }

    // The user picks an item of a radio box.
    static void PickItem(wxWindow* page, const char* name, int item)
    {
        auto* box = Control<wxRadioBox>(page, name);
        ASSERT_NE(box, nullptr) << name;
        box->SetSelection(item);
        wxCommandEvent event(wxEVT_RADIOBOX, box->GetId());
        event.SetEventObject(box);
        event.SetInt(item);
        box->ProcessWindowEvent(event);
    }

    // The user chooses an entry of a list.
    static void Choose(wxWindow* page, const char* name, int entry)
    {
        auto* list = Control<wxComboBox>(page, name);
        ASSERT_NE(list, nullptr) << name;
        list->SetSelection(entry);
        wxCommandEvent event(wxEVT_COMBOBOX, list->GetId());
        event.SetEventObject(list);
        event.SetInt(entry);
        list->ProcessWindowEvent(event);
    }

    static void Press(wxWindow* page, const char* name)
    {
        wxWindow* button = Control(page, name);
        ASSERT_NE(button, nullptr) << name;
        wxCommandEvent event(wxEVT_BUTTON, button->GetId());
        event.SetEventObject(button);
        button->ProcessWindowEvent(event);
    }

    static std::vector<wxString> Entries(wxWindow* page, const char* name)
    {
        std::vector<wxString> entries;
        if (auto* list = Control<wxComboBox>(page, name)) {
            for (unsigned i = 0; i < list->GetCount(); ++i)
                entries.push_back(list->GetString(i));
        }
        return entries;
    }

    static int Selection(wxWindow* page, const char* name)
    {
        auto* list = Control<wxComboBox>(page, name);
        return list ? list->GetSelection() : -2;
    }

    static bool Checked(wxWindow* page, const char* name)
    {
        auto* box = Control<wxCheckBox>(page, name);
        return box && box->GetValue();
    }

    const Calls& CallsSoFar() const { return ordered->calls; }
    void ForgetCalls() { ordered->calls.clear(); }

    std::unique_ptr<OrderedHost> ordered;
};

}  // namespace guitest
