// The memory, lamp and information panels of the resource file: the controls
// those pages look up, of the kind their use needs; edit fields that commit
// on Enter; the service rows inside the service group; and the memory radios
// in one group behind a hidden radio that holds the selection while no
// memory is chosen.
#include "GuiTestHarness.h"

#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

using namespace guitest;

namespace {

int Id(const std::string& name)
{
    return XRCID(name.c_str());
}

struct Control {
    std::string name;
    wxClassInfo* kind;
};

const char* const kMemoryPanels[] = {"DLG_MEMORY_PAGE", "DLG_MEMORY_PAGE_ZARIT", "DLG_MEMORY_PAGE_NUVEK",
                                     "DLG_MEMORY_PAGE_RIBEX"};

std::vector<Control> MemoryControls()
{
    std::vector<Control> controls = {
        {"IDC_ME_FR_MEMORY", wxCLASSINFO(wxStaticBox)},
        {"IDC_ME_FR_INFO", wxCLASSINFO(wxStaticBox)},
        {"IDC_ME_MEMORY_UNSET", wxCLASSINFO(wxRadioButton)},
        {"IDC_ME_STORE", wxCLASSINFO(wxButton)},
        {"IDC_ME_REC", wxCLASSINFO(wxButton)},
    };
    for (int n = 1; n <= 4; ++n)
        controls.push_back({"IDC_ME_MEMORY" + std::to_string(n), wxCLASSINFO(wxRadioButton)});
    for (int line = 1; line <= 5; ++line) {
        for (const char* cell : {"L", "L_LA", "R", "R_LA"})
            controls.push_back({"IDC_ME_LINE" + std::to_string(line) + cell, wxCLASSINFO(wxStaticText)});
    }
    return controls;
}

const struct {
    const char* panel;
    int outlets;
} kLampPanels[] = {
    {"DLG_LAMP_PAGE", 3},       {"DLG_LAMP_PAGE_ZARIT", 3}, {"DLG_LAMP_PAGE_ZARITE", 2},
    {"DLG_LAMP_PAGE_NUVEK", 2}, {"DLG_LAMP_PAGE_RIBEX", 3},
};

const char* const kEditFields[] = {"IDC_IN_OWNER_SERVICE", "IDC_IN_DATE_TOVR", "IDC_IN_DATE_SERVICE", "IDC_IN_DELIVERY",
                                   "IDC_IN_SER"};
const char* const kServiceRows[] = {"IDC_IN_LINE_V",         "IDC_IN_LINE_V_LA",    "IDC_IN_LINE_F",
                                    "IDC_IN_LINE_F_LA",      "IDC_IN_SOLL_FLASH_V", "IDC_IN_POS_FLASH_V",
                                    "IDC_IN_POS_FLASH_V_LA", "IDC_IN_NEG_FLASH_V",  "IDC_IN_NEG_FLASH_V_LA"};

struct InfosPanel {
    const char* panel;
    // The edit fields the page's family has.
    std::vector<std::string> fields;
    std::vector<std::string> texts;
    bool serviceGroup;
    bool nominalFlashVoltage;
};

const std::vector<InfosPanel>& InfosPanels()
{
    static const std::vector<std::string> allFields(std::begin(kEditFields), std::end(kEditFields));
    static const std::vector<std::string> commonTexts = {
        "IDC_INF_LB_TYPE_1",   "IDC_INF_LB_VERSION_1", "IDC_INF_LB_DELIVERY_1", "IDC_INF_LB_VVERSION_1",
        "IDC_INF_LB_SERIAL_1", "IDC_IN_TYPE",          "IDC_IN_VERSION",        "IDC_IN_VVERSION",
        "IDC_IN_SER_STAT",     "IDC_IN_DELIVERY_STAT", "IDC_IN_OWNER",          "IDC_IN_OWNER_LA"};
    static std::vector<std::string> fullTexts = [] {
        std::vector<std::string> texts = commonTexts;
        for (const char* name : {"IDC_INF_LB_ACTUAL_1", "IDC_IN_VNOW", "IDC_IN_DATE_TOVR_STAT", "IDC_IN_DATE_TOVR_LA",
                                 "IDC_IN_DATE_SERVICE_LA", "IDC_IN_OWNER_SERVICE_LA"})
            texts.push_back(name);
        return texts;
    }();
    static const std::vector<InfosPanel> panels = {
        {"DLG_INFOS_PAGE", allFields, fullTexts, true, true},
        {"DLG_INFOS_PAGE_ZARIT", allFields, fullTexts, true, false},
        {"DLG_INFOS_PAGE_NUVEK", {"IDC_IN_DELIVERY", "IDC_IN_SER"}, commonTexts, false, false},
        {"DLG_INFOS_PAGE_RIBEX", {"IDC_IN_DELIVERY", "IDC_IN_SER"}, commonTexts, false, false},
    };
    return panels;
}

class SettingPanelsResourceTest : public GuiTest {
protected:
    wxWindow* Load(const char* panel)
    {
        wxWindow* window = wxXmlResource::Get()->LoadPanel(Frame(), panel);
        EXPECT_NE(window, nullptr) << panel;
        return window;
    }

    static void ExpectControl(wxWindow* panel, const std::string& name, wxClassInfo* kind)
    {
        wxWindow* control = panel->FindWindow(Id(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_TRUE(control->IsKindOf(kind)) << name << " is " << control->GetClassInfo()->GetClassName();
    }
};

TEST_F(SettingPanelsResourceTest, MemoryPanelsHoldTheChoiceAndTheTable)
{
    for (const char* name : kMemoryPanels) {
        SCOPED_TRACE(name);
        wxWindow* panel = Load(name);
        ASSERT_NE(panel, nullptr);
        for (const Control& control : MemoryControls())
            ExpectControl(panel, control.name, control.kind);
        panel->Destroy();
    }
}

TEST_F(SettingPanelsResourceTest, TheMemoryRadiosAreOneGroupBehindAHiddenRadio)
{
    for (const char* name : kMemoryPanels) {
        SCOPED_TRACE(name);
        wxWindow* panel = Load(name);
        ASSERT_NE(panel, nullptr);
        auto* unset = wxDynamicCast(panel->FindWindow(XRCID("IDC_ME_MEMORY_UNSET")), wxRadioButton);
        ASSERT_NE(unset, nullptr);
        EXPECT_FALSE(unset->IsShown());
        EXPECT_TRUE(unset->HasFlag(wxRB_GROUP));
        EXPECT_TRUE(unset->GetValue());
        const wxWindowList& siblings = unset->GetParent()->GetChildren();
        int before = siblings.IndexOf(unset);
        for (int n = 1; n <= 4; ++n) {
            auto* radio = wxDynamicCast(panel->FindWindow(Id("IDC_ME_MEMORY" + std::to_string(n))), wxRadioButton);
            ASSERT_NE(radio, nullptr);
            EXPECT_EQ(radio->GetParent(), unset->GetParent());
            EXPECT_FALSE(radio->HasFlag(wxRB_GROUP));
            EXPECT_FALSE(radio->GetValue());
            EXPECT_GT(siblings.IndexOf(radio), before);
            before = siblings.IndexOf(radio);
        }
        panel->Destroy();
    }
}

TEST_F(SettingPanelsResourceTest, LampPanelsHoldOneReadOnlyRoleListPerOutlet)
{
    for (const auto& row : kLampPanels) {
        SCOPED_TRACE(row.panel);
        wxWindow* panel = Load(row.panel);
        ASSERT_NE(panel, nullptr);
        for (int outlet = 1; outlet <= 3; ++outlet) {
            const std::string n = std::to_string(outlet);
            if (outlet > row.outlets) {
                EXPECT_EQ(panel->FindWindow(Id("IDC_LA_LAMP" + n)), nullptr);
                continue;
            }
            ExpectControl(panel, "IDC_LA_LAMP" + n, wxCLASSINFO(wxComboBox));
            ExpectControl(panel, "IDC_LA_LA_LAMP" + n, wxCLASSINFO(wxStaticText));
            EXPECT_TRUE(panel->FindWindow(Id("IDC_LA_LAMP" + n))->HasFlag(wxCB_READONLY));
        }
        panel->Destroy();
    }
}

TEST_F(SettingPanelsResourceTest, InfosPanelsHoldTheirFieldsAndTexts)
{
    for (const InfosPanel& row : InfosPanels()) {
        SCOPED_TRACE(row.panel);
        wxWindow* panel = Load(row.panel);
        ASSERT_NE(panel, nullptr);
        ExpectControl(panel, "IDC_IN_GROUP", wxCLASSINFO(wxStaticBox));
        for (const std::string& text : row.texts)
            ExpectControl(panel, text, wxCLASSINFO(wxStaticText));
        for (const std::string& field : row.fields) {
            ExpectControl(panel, field, wxCLASSINFO(wxTextCtrl));
            // Enter commits.
            EXPECT_TRUE(panel->FindWindow(Id(field))->HasFlag(wxTE_PROCESS_ENTER)) << field;
        }
        if (row.fields.size() < std::size(kEditFields)) {
            for (const char* field : {"IDC_IN_OWNER_SERVICE", "IDC_IN_DATE_TOVR", "IDC_IN_DATE_SERVICE"})
                EXPECT_EQ(panel->FindWindow(Id(field)), nullptr) << field;
        }
        wxWindow* group = panel->FindWindow(XRCID("IDC_IN_SERVICE_GROUP"));
        EXPECT_EQ(group != nullptr, row.serviceGroup);
        if (group) {
            EXPECT_TRUE(group->IsKindOf(wxCLASSINFO(wxStaticBox)));
            // The rows go with the group when it hides.
            for (const char* name : kServiceRows) {
                wxWindow* control = panel->FindWindow(Id(name));
                if (!control) {
                    EXPECT_FALSE(row.nominalFlashVoltage) << name;
                    continue;
                }
                EXPECT_TRUE(control->IsKindOf(wxCLASSINFO(wxStaticText))) << name;
                EXPECT_EQ(control->GetParent(), group) << name;
            }
        }
        panel->Destroy();
    }
}

}  // namespace
