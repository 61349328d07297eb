// The panels of the auxiliary-function pages in "VeskStudio.xrc": the
// controls the pages look up, with the kind their use needs, and what the
// pages rely on of the layout.
#include "GuiTestHarness.h"

#include <vector>

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/checkbox.h>
#include <wx/scrolbar.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

using namespace guitest;

namespace {

struct Row {
    const char* control;
    wxClassInfo* kind;
};

// clang-format off
const Row kCommon[] = {
    {"IDC_AU_SEQUENCE", wxCLASSINFO(wxStaticText)},   {"IDC_AU_LA_SEQUENCE", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_HELPGROUP", wxCLASSINFO(wxStaticBox)},   {"IDC_AU_HELPTEXT", wxCLASSINFO(wxTextCtrl)},
    {"IDC_AU_RESET", wxCLASSINFO(wxButton)},
};
// clang-format on

const Row kQuirelA1[] = {
    {"IDC_AU_T01", wxCLASSINFO(wxStaticText)},          {"IDC_AU_INTERVAL", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_DELAY", wxCLASSINFO(wxStaticText)},        {"IDC_AU_PRESET", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_ALTERNATE", wxCLASSINFO(wxStaticText)},    {"IDC_AU_LA_T01", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_LA_INTERVAL", wxCLASSINFO(wxStaticText)},  {"IDC_AU_LA_DELAY", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_LA_PRESET", wxCLASSINFO(wxStaticText)},    {"IDC_AU_LA_ALTERNATE", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_SCROLL", wxCLASSINFO(wxScrollBar)},        {"IDC_AU_HELPIMAGE", wxCLASSINFO(wxStaticBitmap)},
    {"IDC_AU_PRESET_GROUP", wxCLASSINFO(wxStaticBox)},  {"IDC_AU_PRESET_LA_T1", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_PRESET_LA_T2", wxCLASSINFO(wxStaticText)}, {"IDC_AU_PRESET_LA_T3", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_PRESET_T1", wxCLASSINFO(wxStaticText)},    {"IDC_AU_PRESET_T2", wxCLASSINFO(wxStaticText)},
    {"IDC_AU_PRESET_T3", wxCLASSINFO(wxStaticText)},    {"IDC_AU_PRESET_T_SPIN", wxCLASSINFO(wxWindow)},
    {"IDC_AU_STORE", wxCLASSINFO(wxCheckBox)},
};

struct Panel {
    const char* name;
    std::vector<Row> own;
    std::vector<const char*> fields;
};

const std::vector<Panel>& Panels()
{
    static const std::vector<Panel> panels = {
        {"DLG_AUX_PAGE",
         {std::begin(kQuirelA1), std::end(kQuirelA1)},
         {"IDC_AU_SEQUENCE", "IDC_AU_T01", "IDC_AU_INTERVAL", "IDC_AU_DELAY", "IDC_AU_PRESET", "IDC_AU_ALTERNATE"}},
        {"DLG_AUX_PAGE_NUVEK", {}, {"IDC_AU_SEQUENCE"}},
        {"DLG_AUX_PAGE_RIBEX", {}, {"IDC_AU_SEQUENCE"}},
    };
    return panels;
}

class AuxPageResourceTest : public GuiTest {};

TEST_F(AuxPageResourceTest, PanelsHoldTheControlsThePagesLookUp)
{
    for (const Panel& panel : Panels()) {
        wxWindow* page = wxXmlResource::Get()->LoadPanel(Frame(), panel.name);
        ASSERT_NE(page, nullptr) << panel.name;
        std::vector<Row> rows(std::begin(kCommon), std::end(kCommon));
        rows.insert(rows.end(), panel.own.begin(), panel.own.end());
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(panel.name) + " / " + row.control);
            wxWindow* control = page->FindWindow(XRCID(row.control));
            ASSERT_NE(control, nullptr);
            EXPECT_TRUE(control->IsKindOf(row.kind)) << control->GetClassInfo()->GetClassName();
        }
        page->Destroy();
    }
}

// The page finds the field under a click by the fields' rectangles in its
// own coordinates, and a click on a field reaches it as on the page.
TEST_F(AuxPageResourceTest, ValueFieldsAreDirectChildrenThatDoNotOverlap)
{
    for (const Panel& panel : Panels()) {
        SCOPED_TRACE(panel.name);
        wxWindow* page = wxXmlResource::Get()->LoadPanel(Frame(), panel.name);
        ASSERT_NE(page, nullptr);
        page->SetSize(page->GetBestSize());
        page->Layout();
        std::vector<wxRect> rects;
        for (const char* name : panel.fields) {
            wxWindow* field = page->FindWindow(XRCID(name));
            ASSERT_NE(field, nullptr) << name;
            EXPECT_EQ(field->GetParent(), page) << name;
            EXPECT_FALSE(field->GetRect().IsEmpty()) << name;
            for (const wxRect& other : rects)
                EXPECT_FALSE(other.Intersects(field->GetRect())) << name;
            rects.push_back(field->GetRect());
        }
        page->Destroy();
    }
}

TEST_F(AuxPageResourceTest, SpinPlaceIsSizedAndShownAndTheScrollBarHiddenAtStart)
{
    for (const Panel& panel : Panels()) {
        SCOPED_TRACE(panel.name);
        wxWindow* page = wxXmlResource::Get()->LoadPanel(Frame(), panel.name);
        ASSERT_NE(page, nullptr);
        wxWindow* place = page->FindWindow("IDC_AU_SPIN_container");
        ASSERT_NE(place, nullptr);
        EXPECT_TRUE(place->IsShown());
        EXPECT_NE(place->GetSize(), wxSize(20, 20));
        EXPECT_GE(place->GetSize().y, 2 * 16);
        if (wxWindow* bar = page->FindWindow(XRCID("IDC_AU_SCROLL"))) {
            EXPECT_FALSE(bar->IsShown());
            EXPECT_TRUE(static_cast<wxScrollBar*>(bar)->IsVertical());
        }
        // The help wraps within its panel and stays the program's to write.
        auto* help = wxDynamicCast(page->FindWindow(XRCID("IDC_AU_HELPTEXT")), wxTextCtrl);
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->IsMultiLine());
        EXPECT_FALSE(help->IsEditable());
        if (wxWindow* image = page->FindWindow(XRCID("IDC_AU_HELPIMAGE"))) {
            EXPECT_EQ(image->GetSize(), wxSize(252, 98));
            EXPECT_FALSE(image->IsShown());
        }
        page->Destroy();
    }
}

}  // namespace
