// The five options panels of "VeskStudio.xrc": they hold every control the
// options pages look up, each of the kind its use needs, with the radio
// groups and items the Zarit page relies on.
#include "GuiTestHarness.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/panel.h>
#include <wx/radiobox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

using namespace guitest;

namespace {

struct LookedUp {
    const char* control;
    wxClassInfo* kind;
};

struct PanelRows {
    const char* panel;
    std::vector<LookedUp> controls;
};

LookedUp Box(const char* name)
{
    return {name, wxCLASSINFO(wxCheckBox)};
}
LookedUp Label(const char* name)
{
    return {name, wxCLASSINFO(wxStaticText)};
}
LookedUp Title(const char* name)
{
    return {name, wxCLASSINFO(wxStaticBox)};
}
LookedUp Radio(const char* name)
{
    return {name, wxCLASSINFO(wxRadioButton)};
}
LookedUp List(const char* name)
{
    return {name, wxCLASSINFO(wxComboBox)};
}

std::vector<LookedUp> With(std::vector<LookedUp> controls, const std::vector<LookedUp>& more)
{
    controls.insert(controls.end(), more.begin(), more.end());
    return controls;
}

const std::vector<PanelRows>& Panels()
{
    const std::vector<LookedUp> totalCounter = {
        Title("IDC_FLASH_TITEL"),
        Label("IDC_OP_TOTALCOUNTER_LB"),
        {"IDC_OP_TOTALCOUNTER", wxCLASSINFO(wxTextCtrl)},
        {"IDC_OP_RESET_TOTAL", wxCLASSINFO(wxButton)},
    };
    const std::vector<LookedUp> flashInfos = With(totalCounter, {
                                                                    Label("IDC_OP_COUNTER_LB"),
                                                                    {"IDC_OP_COUNTER", wxCLASSINFO(wxTextCtrl)},
                                                                    {"IDC_OP_RESET", wxCLASSINFO(wxButton)},
                                                                });
    static const std::vector<PanelRows> rows = {
        {"DLG_OPTIONS_PAGE", With(
                                 {
                                     Title("IDC_RECYCLING_TITEL"),
                                     Box("IDC_OP_REDUCED"),
                                     Box("IDC_OP_SLOW"),
                                     Box("IDC_OP_BUZZER"),
                                     Box("IDC_OP_CELL"),
                                     List("IDC_OP_POWERDISPLAY"),
                                     Label("IDC_OP_POWERDISPLAY_LA"),
                                     List("IDC_OP_IRADDRESS"),
                                     Label("IDC_OP_IRADDRESS_LA"),
                                 },
                                 flashInfos)},
        {"DLG_OPTIONS_PAGE_NUVEK", With(
                                       {
                                           Title("IDC_RECYCLING_TITEL"),
                                           Box("IDC_OP_REDUCED"),
                                           Box("IDC_OP_SLOW"),
                                           Box("IDC_OP_BUZZER"),
                                       },
                                       totalCounter)},
        {"DLG_OPTIONS_PAGE_RIBEX", With(
                                       {
                                           Title("IDC_RECYCLING_TITEL"),
                                           Box("IDC_OP_REDUCED"),
                                           Box("IDC_OP_FAST"),
                                           Box("IDC_OP_BUZZER"),
                                           Box("IDC_OP_READY"),
                                           Box("IDC_OP_CELL_RIBEX"),
                                       },
                                       totalCounter)},
        {"DLG_OPTIONS_PAGE_ZARIT", With(
                                       {
                                           Title("IDC_RECYCLING_TITEL"),
                                           Box("IDC_OP_REDUCED"),
                                           Box("IDC_OP_SLOW"),
                                           Box("IDC_OP_BUZZER"),
                                           Box("IDC_OP_CELL"),
                                           Box("IDC_OP_POWERDISPLAY"),
                                           Label("IDC_OP_POWERDISPLAY_LA"),
                                           Box("ID_OP_SPEEDDISPLAY"),
                                           Box("ID_OP_READINESS"),
                                           Box("ID_OP_SENSITIVITY"),
                                           Title("wxID_OP_BUZZER_BOX"),
                                           Label("wxID_OP_BUZZER_LA_VOL"),
                                           Radio("ID_OP_BUZZER_VOL_0"),
                                           Radio("ID_OP_BUZZER_VOL_1"),
                                           Radio("ID_OP_BUZZER_VOL_2"),
                                           Radio("ID_OP_BUZZER_VOL_3"),
                                           Label("wxID_OP_BUZZER_LA_MODE"),
                                           Radio("ID_OP_BUZZER_MODE_0"),
                                           Radio("ID_OP_BUZZER_MODE_1"),
                                           {"ID_OP_BRIGHTNESS", wxCLASSINFO(wxRadioBox)},
                                       },
                                       flashInfos)},
        {"DLG_OPTIONS_PAGE_ZARITE", With(
                                        {
                                            Box("IDC_OP_SLOW"),
                                            Box("IDC_OP_BUZZER"),
                                            Box("IDC_OP_CELL"),
                                            Box("ID_OP_BUZZER_VOL"),
                                            Label("IDC_OP_BUZZER_VOL"),
                                            Label("IDC_OP_POWERDISPLAY_LA"),
                                        },
                                        flashInfos)},
    };
    return rows;
}

class OptionsPageResourceTest : public GuiTest {
protected:
    wxWindow* Load(const char* panel) { return wxXmlResource::Get()->LoadPanel(Frame(), panel); }
};

TEST_F(OptionsPageResourceTest, PanelsHoldTheControlsThePagesLookUp)
{
    for (const PanelRows& row : Panels()) {
        SCOPED_TRACE(row.panel);
        wxWindow* panel = Load(row.panel);
        ASSERT_NE(panel, nullptr);
        for (const LookedUp& looked : row.controls) {
            wxWindow* control = panel->FindWindow(XRCID(looked.control));
            ASSERT_NE(control, nullptr) << looked.control;
            EXPECT_TRUE(control->IsKindOf(looked.kind))
                << looked.control << " is a " << control->GetClassInfo()->GetClassName();
            // The pages also find the radio buttons by name.
            EXPECT_EQ(panel->FindWindow(looked.control), control) << looked.control;
        }
        panel->Destroy();
    }
}

TEST_F(OptionsPageResourceTest, ListsOnlyOfferTheirEntries)
{
    wxWindow* panel = Load("DLG_OPTIONS_PAGE");
    ASSERT_NE(panel, nullptr);
    for (const char* name : {"IDC_OP_POWERDISPLAY", "IDC_OP_IRADDRESS"})
        EXPECT_TRUE(panel->FindWindow(XRCID(name))->HasFlag(wxCB_READONLY)) << name;
    // The Trovalex page keeps the photocell box as the panel declares it.
    EXPECT_TRUE(panel->FindWindow(XRCID("IDC_OP_CELL"))->IsShown());
    panel->Destroy();
}

TEST_F(OptionsPageResourceTest, ZaritVolumeAndModeAreSeparateGroupsAndBrightnessHasFourItems)
{
    wxWindow* panel = Load("DLG_OPTIONS_PAGE_ZARIT");
    ASSERT_NE(panel, nullptr);
    const auto radio = [panel](const char* name) {
        return wxDynamicCast(panel->FindWindow(XRCID(name)), wxRadioButton);
    };
    radio("ID_OP_BUZZER_VOL_2")->SetValue(true);
    radio("ID_OP_BUZZER_MODE_1")->SetValue(true);
    radio("ID_OP_BUZZER_VOL_3")->SetValue(true);
    EXPECT_FALSE(radio("ID_OP_BUZZER_VOL_0")->GetValue());
    EXPECT_FALSE(radio("ID_OP_BUZZER_VOL_2")->GetValue());
    EXPECT_TRUE(radio("ID_OP_BUZZER_VOL_3")->GetValue());
    EXPECT_TRUE(radio("ID_OP_BUZZER_MODE_1")->GetValue());
    EXPECT_FALSE(radio("ID_OP_BUZZER_MODE_0")->GetValue());
    radio("ID_OP_BUZZER_MODE_0")->SetValue(true);
    EXPECT_TRUE(radio("ID_OP_BUZZER_VOL_3")->GetValue());
    EXPECT_FALSE(radio("ID_OP_BUZZER_MODE_1")->GetValue());

    auto* brightness = wxDynamicCast(panel->FindWindow(XRCID("ID_OP_BRIGHTNESS")), wxRadioBox);
    ASSERT_NE(brightness, nullptr);
    EXPECT_EQ(brightness->GetCount(), 4u);
    panel->Destroy();
}

}  // namespace
