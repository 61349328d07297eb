// The Nuvek and Ribex panels of "VeskStudio.xrc": every control their pages
// look up, of the kind the page uses, and the page with its setting pages in
// the main window's full view, in every language and status, its own
// controls whole, inside and apart, its notebooks large enough for their
// pages.
#include "FamilyPageFixture.h"

#include <string>
#include <type_traits>
#include <vector>

#include <wx/bmpbuttn.h>
#include <wx/sizer.h>
#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>

#include "text/TextTable.h"
#include "units/nuvek/NuvekDevice.h"
#include "units/ribex/RibexDevice.h"

using namespace guitest;

namespace {

struct Control {
    std::string name;
    wxClassInfo* kind;
};

std::vector<Control> PanelControls(bool ribex)
{
    std::vector<Control> controls = {
        {"IDC_LED", wxCLASSINFO(wxStaticBitmap)},      {"IDC_POWER", wxCLASSINFO(wxBitmapButton)},
        {"IDC_LM_LIGHT", wxCLASSINFO(wxBitmapButton)}, {"IDC_LAMPMEMTAB", wxCLASSINFO(wxNotebook)},
        {"IDC_OPTIONSTAB", wxCLASSINFO(wxNotebook)},   {"IDC_FLASH", wxCLASSINFO(wxStaticText)},
        {"IDC_MODELING", wxCLASSINFO(wxStaticText)},   {"IDC_LM_OVER", wxCLASSINFO(wxStaticText)},
        {"IDC_FL_CELL", wxCLASSINFO(wxCheckBox)},      {"IDC_FL_IR", wxCLASSINFO(wxCheckBox)},
        {"IDC_FL_RF", wxCLASSINFO(wxCheckBox)},        {"IDC_FL_TEST", wxCLASSINFO(wxButton)},
        {"IDC_ST_SET", wxCLASSINFO(wxButton)},         {"IDC_STATUS", wxCLASSINFO(wxStaticText)},
        {"IDC_STATUS2", wxCLASSINFO(wxStaticText)},    {"IDC_LM_NONE", wxCLASSINFO(wxRadioButton)},
    };
    for (const char* radio :
         {"IDC_LM_FULL", "IDC_LM_LOW", "IDC_LM_PROP1", "IDC_LM_PROP2", "IDC_LM_PROP3", "IDC_LM_PROP4", "IDC_LM_PROP5"})
        controls.push_back({radio, wxCLASSINFO(wxRadioButton)});
    for (const std::string row : {"FLASH", "SEQUENCE", "INTERVAL", "DELAY"}) {
        for (const char* suffix : {"", "_LA", "2", "_LA2"})
            controls.push_back({"IDC_ST_" + row + suffix, wxCLASSINFO(wxStaticText)});
    }
    for (const std::string row : {"FLASH", "SEQUENCE", "INTERVAL"})
        controls.push_back({"IDC_ST_" + row + "_RED", wxCLASSINFO(wxStaticText)});
    for (const char* alarm : {"IDC_ST_ALARM", "IDC_ST_ALARM1", "IDC_ST_ALARM2", "IDC_ST_ALARM3"})
        controls.push_back({alarm, wxCLASSINFO(wxStaticText)});
    if (ribex)
        controls.push_back({"IDC_LM_P", wxCLASSINFO(wxRadioButton)});
    else
        controls.push_back({"IDC_ENERGIEBEREICH", wxCLASSINFO(wxCheckBox)});
    return controls;
}

const char* const kPlaces[] = {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN",  "IDC_AUX_LIGHT1",
                               "IDC_SPIN_AUX1",  "IDC_AUX_LIGHT2", "IDC_SPIN_AUX2"};

wxRect RectInPage(wxWindow* page, wxWindow* window)
{
    return wxRect(page->ScreenToClient(window->GetParent()->ClientToScreen(window->GetPosition())), window->GetSize());
}

bool ShownIn(wxWindow* page, wxWindow* window)
{
    for (wxWindow* w = window; w && w != page; w = w->GetParent()) {
        if (!w->IsShown())
            return false;
    }
    return true;
}

// The page's own windows the user sees: the notebooks and the light bars
// and spin buttons count as one window each.
std::vector<wxWindow*> ShownControls(wxWindow* page)
{
    std::vector<wxWindow*> shown;
    for (wxWindow* child : page->GetChildren()) {
        if (ShownIn(page, child))
            shown.push_back(child);
    }
    return shown;
}

wxString Longest(wxWindow* window, const std::vector<wxString>& texts)
{
    wxString longest;
    for (const wxString& text : texts) {
        if (window->GetTextExtent(text).x > window->GetTextExtent(longest).x)
            longest = text;
    }
    return longest;
}

std::vector<wxString> Texts(std::initializer_list<int> ids, int offset)
{
    std::vector<wxString> texts;
    for (int id : ids)
        texts.push_back(GetString(id + offset));
    return texts;
}

template <class Unit>
class PowerPackPanelTest : public FamilyPageTest<Unit> {
protected:
    static constexpr bool kRibex = std::is_same<Unit, CRibexDevice>::value;

    // The page as the main window holds it: in the full view at least as
    // wide as the toolbar makes it, and as large as the page asks for.
    void OpenInMainWindow(uint16_t languageOffset)
    {
        const int toolbar = 42;
        this->Frame()->SetClientSize(705, 632 - toolbar);
        book = new wxNotebook(this->Frame(), wxID_ANY, wxPoint(0, 0), this->Frame()->GetClientSize());
        this->bus.AddUnit(this->kAddress, this->kStudio, kRibex ? 32 : 20);
        this->port = VeskCommPortOpen(this->bus.PortName().c_str(), this->kStudio, this->kAddress, this->kAddress);
        this->unit = std::make_unique<Unit>(this->port, languageOffset);
        this->unit->SetAddress(this->kAddress);
        this->page = static_cast<CFamilyDevicePage*>(this->unit->CreatePage(book));
        this->page->Show();
        book->AddPage(this->page, "unit", true);
        GiveRoom();
    }

    // As the main window does when a page asks for room.
    void GiveRoom()
    {
        wxSize room(705, 632 - 42);
        room.IncTo(book->CalcSizeFromPage(this->page->GetSizer()->GetMinSize()));
        this->Frame()->SetClientSize(room);
        book->SetSize(room);
        Yield();
    }

    // The longest texts the page writes into its status panel, in the
    // panel's state: its own status, an alarm, or the unit's suggestions.
    void FillStatus(int offset, int state)
    {
        wxWindow* sample = this->page->FindWindow(XRCID("IDC_STATUS"));
        const wxString label = Longest(sample, Texts({2203, 2017, 2022, 2023, 2024, 2025, 2125}, offset));
        const wxString value = Longest(sample, {"asym", "99.99s", "1/20000", "99", GetString(2100 + offset) + " 99"});
        for (const std::string row : {"FLASH", "SEQUENCE", "INTERVAL", "DELAY"}) {
            for (const char* suffix : {"_LA", "_LA2"})
                SetCtrlText(this->page, XRCID(("IDC_ST_" + row + suffix).c_str()), label);
            for (const char* suffix : {"", "2"})
                SetCtrlText(this->page, XRCID(("IDC_ST_" + row + suffix).c_str()), value);
        }
        if (state == 1)
            this->Deliver(7, RecordData(7, {{5, 1}, {6, 1}}));
        const wxString alarm = Longest(sample, Texts({2108, 2109, 2111, 2112}, offset));
        for (const char* line : {"IDC_ST_ALARM1", "IDC_ST_ALARM2", "IDC_ST_ALARM3"})
            SetCtrlText(this->page, XRCID(line), alarm);
        SetCtrlText(this->page, XRCID("IDC_STATUS"), Longest(sample, Texts({2119, 2120, 2121, 2122, 2124}, offset)));
        if (state == 2)
            this->page->StatusPanel().Update({true, 2123, true, true, true, true});
        this->page->UnitControls().ShowLmOver(true);
        this->page->Layout();
        GiveRoom();
    }

    wxNotebook* book = nullptr;
};

using Units = ::testing::Types<CNuvekDevice, CRibexDevice>;
class UnitNames {
public:
    template <class T>
    static std::string GetName(int)
    {
        return std::is_same<T, CRibexDevice>::value ? "Ribex" : "Nuvek";
    }
};
TYPED_TEST_SUITE(PowerPackPanelTest, Units, UnitNames);

TYPED_TEST(PowerPackPanelTest, PanelHoldsEveryControlItsPageLooksUp)
{
    wxWindow* panel = wxXmlResource::Get()->LoadPanel(this->Frame(),
                                                      this->kRibex ? "DLG_DEVICE_PAGE_RIBEX" : "DLG_DEVICE_PAGE_NUVEK");
    ASSERT_NE(panel, nullptr);
    for (const Control& control : PanelControls(this->kRibex)) {
        wxWindow* window = panel->FindWindow(XRCID(control.name.c_str()));
        ASSERT_NE(window, nullptr) << control.name;
        EXPECT_TRUE(window->IsKindOf(control.kind))
            << control.name << " is a " << window->GetClassInfo()->GetClassName();
    }
    for (const char* place : kPlaces)
        EXPECT_NE(panel->FindWindow(wxString(place) + "_container"), nullptr) << place;
    // The page makes these itself.
    for (const char* made : {"IDC_AUX_CHECK1", "IDC_AUX_CHECK2", "IDC_AUX_LIGHT3", "IDC_SPIN_AUX3"})
        EXPECT_EQ(panel->FindWindow(XRCID(made)), nullptr) << made;
    // The hidden radio holds the group's choice while no mode shows.
    auto* none = dynamic_cast<wxRadioButton*>(panel->FindWindow(XRCID("IDC_LM_NONE")));
    EXPECT_FALSE(none->IsShown());
    EXPECT_TRUE(none->GetValue());
    panel->Destroy();
}

TYPED_TEST(PowerPackPanelTest, PageFitsTheFullViewInEveryLanguageAndState)
{
    for (int offset : {0, 500, 1000, 1500}) {
        for (int state : {0, 1, 2}) {
            SCOPED_TRACE("language offset " + std::to_string(offset) + ", status " + std::to_string(state));
            this->OpenInMainWindow(static_cast<uint16_t>(offset));
            this->FillStatus(offset, state);
            const wxRect area(this->page->GetClientSize());
            const std::vector<wxWindow*> shown = ShownControls(this->page);
            for (wxWindow* window : shown) {
                const wxRect rect = RectInPage(this->page, window);
                EXPECT_TRUE(area.Contains(rect)) << window->GetName() << " outside";
                if (!wxDynamicCast(window, wxStaticBox)) {
                    EXPECT_GE(rect.width, window->GetBestSize().x) << window->GetName() << " cut";
                    EXPECT_GE(rect.height, window->GetBestSize().y) << window->GetName() << " cut";
                }
                for (wxWindow* other : shown) {
                    if (other != window) {
                        EXPECT_FALSE(rect.Intersects(RectInPage(this->page, other)))
                            << window->GetName() << " covers " << other->GetName();
                    }
                }
            }
            this->page = nullptr;
            this->book->Destroy();
            this->unit.reset();
            VeskCommPortClose(this->port);
            this->port = nullptr;
            this->bus.RemoveUnit(this->kAddress, this->kStudio);
            if (this->HasFailure())
                return;
        }
    }
}

}  // namespace
