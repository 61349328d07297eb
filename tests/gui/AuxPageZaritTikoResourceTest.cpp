// The Zarit, ZaritE and Tiko auxiliary-function panels in "VeskStudio.xrc":
// the controls the pages look up, with the kind their use needs, and what
// the pages rely on of the layout.
#include "GuiTestHarness.h"

#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/scrolbar.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/xrc/xmlres.h>

using namespace guitest;

namespace {

struct Row {
    const char* control;
    wxClassInfo* kind;
};

struct Panel {
    const char* name;
    std::vector<Row> rows;
    std::vector<const char*> fields;
};

const std::vector<Panel>& Panels()
{
    static const std::vector<Panel> panels = {
        {"DLG_AUX_PAGE_ZARIT",
         {
             {"IDC_AU_LA_SEQUENCE", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_T01", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_COLOR", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_INTERVAL", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_DELAY", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_ALTERNATE", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_NO_ALTERNATE", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_SCROLL", wxCLASSINFO(wxScrollBar)},
             {"IDC_AU_SPINSCROLL", wxCLASSINFO(wxSpinButton)},
             {"IDC_AU_HELPGROUP", wxCLASSINFO(wxStaticBox)},
             {"IDC_AU_HELPTEXT", wxCLASSINFO(wxTextCtrl)},
             {"IDC_AU_STROBO", wxCLASSINFO(wxToggleButton)},
             {"IDC_AU_STORE", wxCLASSINFO(wxCheckBox)},
             {"IDC_AU_RESET", wxCLASSINFO(wxButton)},
         },
         {"IDC_AU_SEQUENCE", "IDC_AU_T01", "IDC_AU_COLOR", "IDC_AU_INTERVAL", "IDC_AU_DELAY", "IDC_AU_ALTERNATE",
          "IDC_AU_NO_ALTERNATE"}},
        {"DLG_AUX_PAGE_ZARITE",
         {
             {"IDC_AU_LA_SEQUENCE", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_T01", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_SCROLL", wxCLASSINFO(wxScrollBar)},
             {"IDC_AU_HELPGROUP", wxCLASSINFO(wxStaticBox)},
             {"IDC_AU_HELPTEXT", wxCLASSINFO(wxTextCtrl)},
             {"IDC_AU_RESET", wxCLASSINFO(wxButton)},
         },
         {"IDC_AU_SEQUENCE", "IDC_AU_T01"}},
        {"DLG_AUX_PAGES_TIKO",
         {
             {"IDC_AU_LA_SEQUENCE", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_INTERVAL", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_DELAY", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_LA_ALTERNATE", wxCLASSINFO(wxStaticText)},
             {"IDC_AU_SCROLL", wxCLASSINFO(wxScrollBar)},
             {"IDC_AU_HELPGROUP", wxCLASSINFO(wxStaticBox)},
             {"IDC_AU_HELPTEXT", wxCLASSINFO(wxTextCtrl)},
             {"IDC_AU_STORE", wxCLASSINFO(wxCheckBox)},
             {"IDC_AU_RESET", wxCLASSINFO(wxButton)},
         },
         {"IDC_AU_SEQUENCE", "IDC_AU_INTERVAL", "IDC_AU_DELAY", "IDC_AU_ALTERNATE"}},
    };
    return panels;
}

class AuxPageZaritTikoResourceTest : public GuiTest {};

TEST_F(AuxPageZaritTikoResourceTest, PanelsHoldTheControlsThePagesLookUp)
{
    for (const Panel& panel : Panels()) {
        wxWindow* page = wxXmlResource::Get()->LoadPanel(Frame(), panel.name);
        ASSERT_NE(page, nullptr) << panel.name;
        std::vector<Row> rows = panel.rows;
        for (const char* field : panel.fields)
            rows.push_back({field, wxCLASSINFO(wxStaticText)});
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
// own coordinates; a click on a field reaches it as on the page.
TEST_F(AuxPageZaritTikoResourceTest, ValueFieldsAreDirectChildrenThatDoNotOverlap)
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

TEST_F(AuxPageZaritTikoResourceTest, SpinPlaceIsSizedAndShownAndTheScrollBarHiddenAtStart)
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
        auto* bar = wxDynamicCast(page->FindWindow(XRCID("IDC_AU_SCROLL")), wxScrollBar);
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(bar->IsShown());
        EXPECT_TRUE(bar->IsVertical());
        auto* help = wxDynamicCast(page->FindWindow(XRCID("IDC_AU_HELPTEXT")), wxTextCtrl);
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->IsMultiLine());
        EXPECT_FALSE(help->IsEditable());
        page->Destroy();
    }
}

// The second arrows must not wrap: at a wrap GTK would report a step the
// wrong way round.
TEST_F(AuxPageZaritTikoResourceTest, SecondArrowsDoNotWrapAndTheStroboStartsReleased)
{
    wxWindow* page = wxXmlResource::Get()->LoadPanel(Frame(), "DLG_AUX_PAGE_ZARIT");
    ASSERT_NE(page, nullptr);
    auto* arrows = wxDynamicCast(page->FindWindow(XRCID("IDC_AU_SPINSCROLL")), wxSpinButton);
    ASSERT_NE(arrows, nullptr);
    EXPECT_FALSE(arrows->HasFlag(wxSP_WRAP));
    EXPECT_TRUE(arrows->IsShown());
    auto* strobo = wxDynamicCast(page->FindWindow(XRCID("IDC_AU_STROBO")), wxToggleButton);
    ASSERT_NE(strobo, nullptr);
    EXPECT_FALSE(strobo->GetValue());
    page->Destroy();
}

// A hidden field keeps its place on the Tiko page, so that what the unit
// lacks leaves an empty area rather than moving the other controls over it.
TEST_F(AuxPageZaritTikoResourceTest, TikoFieldsKeepTheirPlaceWhenHidden)
{
    wxWindow* page = wxXmlResource::Get()->LoadPanel(Frame(), "DLG_AUX_PAGES_TIKO");
    ASSERT_NE(page, nullptr);
    page->SetSize(page->GetBestSize());
    page->Layout();
    const char* const names[] = {"IDC_AU_SEQUENCE", "IDC_AU_DELAY",     "IDC_AU_LA_DELAY",
                                 "IDC_AU_INTERVAL", "IDC_AU_ALTERNATE", "IDC_AU_SPIN_container"};
    std::vector<wxRect> before;
    for (const char* name : names)
        before.push_back(page->FindWindow(name)->GetRect());
    for (const char* name : {"IDC_AU_DELAY", "IDC_AU_LA_DELAY", "IDC_AU_INTERVAL", "IDC_AU_LA_INTERVAL",
                             "IDC_AU_ALTERNATE", "IDC_AU_LA_ALTERNATE"})
        page->FindWindow(name)->Hide();
    page->Layout();
    for (size_t n = 0; n < before.size(); ++n)
        EXPECT_EQ(page->FindWindow(names[n])->GetRect(), before[n]) << names[n];
    page->Destroy();
}

}  // namespace
