// The device panels of "VeskStudio.xrc" that the Quirel A1, Tiko, Zarit and
// ZaritE pages load: each holds every control its page looks up, of the kind
// its use needs, and none that its unit lacks; it starts as the page expects
// before the unit's first record; its radio groups, memory boxes, pictures
// and fixed-width texts work as the page uses them; and it fits the full
// view with the texts of every language.
#include "GuiTestHarness.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dcmemory.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/tglbtn.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "text/TextTable.h"

using namespace guitest;

namespace {

const char* const kQuirelA1 = "DLG_DEVICE_PAGE";
const char* const kTiko = "DLG_DEVICE_TROVALEX_PAGE";
const char* const kZarit = "DLG_DEVICE_PAGE_ZARIT";
const char* const kZaritE = "DLG_DEVICE_PAGE_ZARITE";
const char* const kPanels[] = {kQuirelA1, kTiko, kZarit, kZaritE};

const int kLanguageOffsets[] = {0, 500, 1000, 1500};

struct Control {
    std::string name;
    wxClassInfo* kind;
};

Control Label(const std::string& name)
{
    return {name, wxCLASSINFO(wxStaticText)};
}
Control Box(const std::string& name)
{
    return {name, wxCLASSINFO(wxCheckBox)};
}
Control Radio(const std::string& name)
{
    return {name, wxCLASSINFO(wxRadioButton)};
}
Control Button(const std::string& name)
{
    return {name, wxCLASSINFO(wxButton)};
}
Control Notebook(const std::string& name)
{
    return {name, wxCLASSINFO(wxNotebook)};
}

const char* const kStatusRows[] = {"FLASH", "SEQUENCE", "INTERVAL", "DELAY"};
const char* const kRedRows[] = {"FLASH", "SEQUENCE", "INTERVAL"};
// The modelling-lamp radios in the order the panel shows them.
const char* const kModellingRadios[] = {"IDC_LM_FULL",  "IDC_LM_LOW",   "IDC_LM_PROP1", "IDC_LM_PROP2",
                                        "IDC_LM_PROP3", "IDC_LM_PROP4", "IDC_LM_PROP5", "IDC_LM_PROPMAX"};
const char* const kMemoryRadios[] = {"IDC_ME_MEMORY5", "IDC_ME_MEMORY6", "IDC_ME_MEMORY7", "IDC_ME_MEMORY8"};
// The cells of the Tiko memory table that its records write: line 1 left and
// right, line 2 right, line 3 left and right, each a label and a value.
const char* const kMemoryLabels[] = {"IDC_ME_LINE1L_LA", "IDC_ME_LINE1R_LA", "IDC_ME_LINE2R_LA", "IDC_ME_LINE3L_LA",
                                     "IDC_ME_LINE3R_LA"};
const char* const kMemoryValues[] = {"IDC_ME_LINE1L", "IDC_ME_LINE1R", "IDC_ME_LINE2R", "IDC_ME_LINE3L",
                                     "IDC_ME_LINE3R"};

// What every device page of the four looks up: pictures, flash controls,
// modelling lamp, status panel and the options notebook.
std::vector<Control> CommonControls()
{
    std::vector<Control> controls = {
        Notebook("IDC_OPTIONSTAB"),
        {"IDC_POWER", wxCLASSINFO(wxBitmapButton)},
        {"IDC_LM_LIGHT", wxCLASSINFO(wxBitmapButton)},
        {"IDC_LED", wxCLASSINFO(wxStaticBitmap)},
        Label("IDC_FLASH"),
        Box("IDC_FL_CELL"),
        Box("IDC_FL_RF"),
        Button("IDC_FL_TEST"),
        Label("IDC_MODELING"),
        Radio("IDC_LM_NONE"),
        Label("IDC_LM_OVER"),
        Label("IDC_STATUS"),
        Label("IDC_STATUS2"),
        Button("IDC_ST_SET"),
        Label("IDC_ST_ALARM"),
        Label("IDC_ST_ALARM1"),
        Label("IDC_ST_ALARM2"),
        Label("IDC_ST_ALARM3"),
    };
    for (const char* radio : kModellingRadios)
        controls.push_back(Radio(radio));
    for (const std::string row : kStatusRows) {
        for (const char* suffix : {"", "_LA", "2", "_LA2"})
            controls.push_back(Label("IDC_ST_" + row + suffix));
    }
    for (const std::string row : kRedRows)
        controls.push_back(Label("IDC_ST_" + row + "_RED"));
    return controls;
}

std::vector<Control> With(std::vector<Control> controls, const std::vector<Control>& more)
{
    controls.insert(controls.end(), more.begin(), more.end());
    return controls;
}

struct PanelRow {
    const char* panel;
    std::vector<Control> controls;
    // Places of the program's own lights and spin buttons.
    std::vector<std::string> places;
    // Names the page must not find: what its unit lacks, and what the page
    // makes itself.
    std::vector<std::string> absent;
};

const std::vector<PanelRow>& Panels()
{
    const std::vector<std::string> fourLights = {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", "IDC_AUX_LIGHT1", "IDC_SPIN_AUX1",
                                                 "IDC_AUX_LIGHT2", "IDC_SPIN_AUX2", "IDC_AUX_LIGHT3", "IDC_SPIN_AUX3"};
    const std::vector<std::string> madeByThePage = {"IDC_AUX_CHECK1", "IDC_AUX_CHECK2", "IDC_AUX_CHECK3"};
    const std::vector<std::string> tikoOnly = {"IDC_LA_LAMP4",   "IDC_ENERGIEBEREICH", "IDC_ME_FR_MEMORY",
                                               "IDC_ME_MEMORY5", "IDC_ME_REC2",        "IDC_ME_STORE2"};
    const auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };

    std::vector<Control> tiko = {
        Box("IDC_FL_IR"),
        Box("IDC_ENERGIEBEREICH"),
        {"IDC_LA_LAMP4", wxCLASSINFO(wxComboBox)},
        {"IDC_ME_FR_MEMORY", wxCLASSINFO(wxStaticBox)},
        {"IDC_ME_FR_INFO", wxCLASSINFO(wxStaticBox)},
        Radio("IDC_ME_MEMORY_UNSET"),
        Button("IDC_ME_REC2"),
        Button("IDC_ME_STORE2"),
    };
    for (const char* radio : kMemoryRadios)
        tiko.push_back(Radio(radio));
    for (const char* label : kMemoryLabels)
        tiko.push_back(Label(label));
    for (const char* value : kMemoryValues)
        tiko.push_back(Label(value));

    static const std::vector<PanelRow> rows = {
        {kQuirelA1, With(CommonControls(), {Notebook("IDC_LAMPMEMTAB"), Box("IDC_FL_IR")}), fourLights,
         join(join(madeByThePage, tikoOnly), {"IDC_SPEED", "IDC_USER"})},
        {kTiko,
         With(CommonControls(), tiko),
         {"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1"},
         join(madeByThePage,
              {"IDC_LAMPMEMTAB", "IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", "IDC_AUX_LIGHT2", "IDC_SPIN_AUX2", "IDC_AUX_LIGHT3",
               "IDC_SPIN_AUX3", "IDC_SPEED", "IDC_USER", "IDC_ME_MEMORY1", "IDC_ME_STORE", "IDC_ME_REC"})},
        {kZarit,
         With(CommonControls(), {Notebook("IDC_LAMPMEMTAB"),
                                 Box("IDC_FL_IR"),
                                 {"IDC_SPEED", wxCLASSINFO(wxToggleButton)},
                                 {"IDC_USER", wxCLASSINFO(wxToggleButton)}}),
         fourLights, join(madeByThePage, tikoOnly)},
        {kZaritE,
         With(CommonControls(), {Notebook("IDC_LAMPMEMTAB")}),
         {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", "IDC_AUX_LIGHT1", "IDC_SPIN_AUX1", "IDC_AUX_LIGHT2", "IDC_SPIN_AUX2"},
         join(join(madeByThePage, tikoOnly),
              {"IDC_FL_IR", "IDC_AUX_LIGHT3", "IDC_SPIN_AUX3", "IDC_SPEED", "IDC_USER"})},
    };
    return rows;
}

// Shown while the page shows the unit's own status: the first status group
// with its title. What the page shows only when the unit reports it starts
// hidden.
std::set<std::string> HiddenAtStart(const std::string& panel)
{
    std::set<std::string> hidden = {"IDC_STATUS2",   "IDC_ST_SET",  "IDC_ST_ALARM", "IDC_ST_ALARM1", "IDC_ST_ALARM2",
                                    "IDC_ST_ALARM3", "IDC_LM_OVER", "IDC_LED",      "IDC_FL_RF",     "IDC_LM_NONE"};
    for (const std::string row : kStatusRows) {
        hidden.insert("IDC_ST_" + row + "2");
        hidden.insert("IDC_ST_" + row + "_LA2");
    }
    for (const std::string row : kRedRows)
        hidden.insert("IDC_ST_" + row + "_RED");
    if (panel == kTiko)
        hidden.insert("IDC_ME_MEMORY_UNSET");
    return hidden;
}

wxString Text(int id, int offset)
{
    return GetString(id + offset);
}

template <class T>
T* Find(wxWindow* page, const std::string& name)
{
    return wxDynamicCast(page->FindWindow(XRCID(name.c_str())), T);
}

bool IsSet(wxWindow* page, const std::string& radio)
{
    auto* button = Find<wxRadioButton>(page, radio);
    return button && button->GetValue();
}

wxBitmap Picture(int width, int height)
{
    wxBitmap picture(width, height);
    wxMemoryDC dc(picture);
    dc.SetBackground(*wxGREEN_BRUSH);
    dc.Clear();
    dc.SelectObject(wxNullBitmap);
    return picture;
}

// A window's rectangle in the page's client coordinates; a static box's
// children lie in the box's client area.
wxRect RectInPage(wxWindow* page, wxWindow* window)
{
    const wxPoint origin = page->ScreenToClient(window->GetParent()->ClientToScreen(window->GetPosition()));
    return wxRect(origin, window->GetSize());
}

bool IsShownIn(wxWindow* page, wxWindow* window)
{
    for (wxWindow* w = window; w && w != page; w = w->GetParent()) {
        if (!w->IsShown())
            return false;
    }
    return true;
}

// The windows of the page that the user sees, the notebooks and the places
// of the program's own controls counted as one each.
void CollectShown(wxWindow* page, wxWindow* parent, std::vector<wxWindow*>& out)
{
    for (wxWindow* child : parent->GetChildren()) {
        if (!IsShownIn(page, child))
            continue;
        out.push_back(child);
        if (!wxDynamicCast(child, wxNotebook) && !child->GetName().EndsWith("_container"))
            CollectShown(page, child, out);
    }
}

bool IsAncestor(wxWindow* ancestor, wxWindow* window)
{
    for (wxWindow* w = window->GetParent(); w; w = w->GetParent()) {
        if (w == ancestor)
            return true;
    }
    return false;
}

// Every window the user sees lies inside the page, shows its text or
// picture whole, and no two of them cover each other (a static box holds its
// own controls).
void ExpectWholeInsideAndApart(wxWindow* page)
{
    std::vector<wxWindow*> shown;
    CollectShown(page, page, shown);
    ASSERT_FALSE(shown.empty());
    const wxRect area(page->GetClientSize());
    for (wxWindow* window : shown) {
        const wxRect rect = RectInPage(page, window);
        EXPECT_TRUE(area.Contains(rect)) << window->GetName() << " at " << rect.x << "," << rect.y << " " << rect.width
                                         << "x" << rect.height << " outside " << area.width << "x" << area.height;
        if (!wxDynamicCast(window, wxNotebook) && !wxDynamicCast(window, wxStaticBox) &&
            !window->GetName().EndsWith("_container")) {
            EXPECT_GE(rect.width, window->GetBestSize().x) << window->GetName() << " cut: " << window->GetLabel();
            EXPECT_GE(rect.height, window->GetBestSize().y) << window->GetName() << " cut: " << window->GetLabel();
        }
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        for (size_t j = i + 1; j < shown.size(); ++j) {
            wxWindow* a = shown[i];
            wxWindow* b = shown[j];
            if (IsAncestor(a, b) || IsAncestor(b, a))
                continue;
            EXPECT_FALSE(RectInPage(page, a).Intersects(RectInPage(page, b)))
                << a->GetName() << " covers " << b->GetName();
        }
    }
}

// The state of the status panel that the page shows.
enum class StatusView { Own, Suggested, Alarm };

const char* ToString(StatusView view)
{
    switch (view) {
    case StatusView::Own:
        return "the unit's status";
    case StatusView::Suggested:
        return "suggested settings";
    case StatusView::Alarm:
        return "alarm";
    }
    return "";
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

class DevicePanelResourceTest : public GuiTest {
protected:
    wxWindow* Load(const char* panel) { return wxXmlResource::Get()->LoadPanel(Frame(), panel); }

    // The panel as the main window holds it: a page of its unit notebook,
    // which fills a frame of the given outer size below the toolbar.
    wxWindow* LoadAsPage(const char* panel, const wxSize& frame)
    {
        const int toolbar = 42;
        Frame()->SetClientSize(frame.x, frame.y - toolbar);
        auto* units = new wxNotebook(Frame(), wxID_ANY, wxPoint(0, 0), Frame()->GetClientSize());
        wxWindow* page = wxXmlResource::Get()->LoadPanel(units, panel);
        if (!page)
            return nullptr;
        units->AddPage(page, "unit", true);
        EXPECT_TRUE(WaitForSettledLayout(page));
        return page;
    }

    // The labels the page sets when it starts, in one language, and the
    // pictures it gives its controls.
    static void SetPageTexts(wxWindow* page, int offset)
    {
        struct Row {
            const char* control;
            int text;
            const char* suffix;
        };
        const Row rows[] = {
            {"IDC_FLASH", 2071, ""},          {"IDC_MODELING", 2062, ""},     {"IDC_STATUS", 2124, ""},
            {"IDC_LM_FULL", 2063, ""},        {"IDC_LM_LOW", 2064, ""},       {"IDC_LM_PROP1", 2065, " 1"},
            {"IDC_LM_PROP2", 2065, " 2"},     {"IDC_LM_PROP3", 2065, " 3"},   {"IDC_LM_PROP4", 2065, " 4"},
            {"IDC_LM_PROP5", 2065, " 5"},     {"IDC_LM_PROPMAX", 2066, ""},   {"IDC_FL_CELL", 2067, ""},
            {"IDC_FL_IR", 2068, ""},          {"IDC_FL_RF", 2147, ""},        {"IDC_FL_TEST", 2069, ""},
            {"IDC_ST_SET", 2072, ""},         {"IDC_SPEED", 2231, ""},        {"IDC_USER", 2232, ""},
            {"IDC_ME_FR_MEMORY", 2016, ""},   {"IDC_ME_FR_INFO", 2092, ""},   {"IDC_ME_MEMORY5", 2016, " 1"},
            {"IDC_ME_MEMORY6", 2016, " 2"},   {"IDC_ME_MEMORY7", 2016, " 3"}, {"IDC_ME_MEMORY8", 2016, " 4"},
            {"IDC_ME_REC2", 2093, ""},        {"IDC_ME_STORE2", 2094, ""},    {"IDC_ME_LINE1L_LA", 2026, ""},
            {"IDC_ENERGIEBEREICH", 2200, ""},
        };
        for (const Row& row : rows)
            SetCtrlText(page, XRCID(row.control), Text(row.text, offset) + row.suffix);
        if (auto* lamp4 = Find<wxComboBox>(page, "IDC_LA_LAMP4")) {
            for (int id = 2126; id <= 2146; ++id)
                lamp4->Append(Text(id, offset));
            lamp4->SetSelection(0);
        }
        Find<wxBitmapButton>(page, "IDC_POWER")->SetBitmapLabel(Picture(42, 46));
        Find<wxBitmapButton>(page, "IDC_LM_LIGHT")->SetBitmapLabel(Picture(44, 18));
        Find<wxStaticBitmap>(page, "IDC_LED")->SetBitmap(Picture(15, 15));
    }

    // Fills the status panel with the longest texts the page writes there in
    // one language and shows it as the page does in that state; the LED and
    // the "set to prop" label show as well.
    static void ShowStatus(wxWindow* page, StatusView view, int offset)
    {
        const auto texts = [offset](std::initializer_list<int> ids) {
            std::vector<wxString> out;
            for (int id : ids)
                out.push_back(Text(id, offset));
            return out;
        };
        std::vector<wxString> labels = texts({2017, 2018, 2019, 2020, 2022, 2023, 2024, 2025, 2113, 2114, 2125, 2207});
        std::vector<wxString> values = texts({2028, 2116, 2208, 2226});
        for (const char* number : {"1/20000", "99.99s", "+1200", "-1200"})
            values.push_back(number);
        values.push_back(Text(2100, offset) + " 99");
        values.push_back(wxString::Format(Text(2227, offset), 9));
        std::vector<wxString> reds = texts({2028, 2115, 2117, 2208});
        for (const char* number : {"1/20000", "99.99s", "+1200"})
            reds.push_back(number);
        std::vector<wxString> titles = texts({2119, 2120, 2121, 2122, 2123, 2124});
        std::vector<wxString> alarms = texts({2108, 2109, 2111, 2112, 2235});
        alarms.push_back(Text(2110, offset) + " 60 " + Text(2236, offset));
        alarms.push_back(Text(2110, offset) + " 99 " + Text(2118, offset));

        wxWindow* sample = page->FindWindow(XRCID("IDC_STATUS"));
        for (const std::string row : kStatusRows) {
            for (const char* suffix : {"_LA", "_LA2"})
                SetCtrlText(page, XRCID(("IDC_ST_" + row + suffix).c_str()), Longest(sample, labels));
            for (const char* suffix : {"", "2"})
                SetCtrlText(page, XRCID(("IDC_ST_" + row + suffix).c_str()), Longest(sample, values));
        }
        for (const std::string row : kRedRows)
            SetCtrlText(page, XRCID(("IDC_ST_" + row + "_RED").c_str()), Longest(sample, reds));
        for (const char* title : {"IDC_STATUS", "IDC_STATUS2"})
            SetCtrlText(page, XRCID(title), Longest(sample, titles));
        for (const char* line : {"IDC_ST_ALARM1", "IDC_ST_ALARM2", "IDC_ST_ALARM3"})
            SetCtrlText(page, XRCID(line), Longest(sample, alarms));
        SetCtrlText(page, XRCID("IDC_LM_OVER"), Text(2061, offset) + "5");

        const bool suggested = view == StatusView::Suggested;
        const auto show = [page](const std::string& name, bool on) { ShowCtrl(page, XRCID(name.c_str()), on); };
        for (const std::string row : kStatusRows) {
            show("IDC_ST_" + row, view == StatusView::Own);
            show("IDC_ST_" + row + "_LA", view == StatusView::Own);
            show("IDC_ST_" + row + "2", suggested);
            show("IDC_ST_" + row + "_LA2", suggested);
        }
        show("IDC_STATUS", view == StatusView::Own);
        show("IDC_STATUS2", suggested);
        for (const std::string row : kRedRows)
            show("IDC_ST_" + row + "_RED", suggested);
        show("IDC_ST_SET", suggested);
        for (const char* name : {"IDC_ST_ALARM", "IDC_ST_ALARM1", "IDC_ST_ALARM2", "IDC_ST_ALARM3"})
            show(name, view == StatusView::Alarm);
        for (const char* name : {"IDC_FLASH", "IDC_FL_CELL", "IDC_FL_IR", "IDC_FL_RF", "IDC_FL_TEST", "IDC_LED"})
            show(name, !suggested);
        show("IDC_LM_OVER", true);
        page->Layout();
    }
};

TEST_F(DevicePanelResourceTest, PanelsHoldEveryControlTheirPagesLookUp)
{
    for (const PanelRow& row : Panels()) {
        SCOPED_TRACE(row.panel);
        wxWindow* panel = Load(row.panel);
        ASSERT_NE(panel, nullptr);
        for (const Control& looked : row.controls) {
            wxWindow* control = panel->FindWindow(XRCID(looked.name.c_str()));
            ASSERT_NE(control, nullptr) << looked.name;
            EXPECT_TRUE(control->IsKindOf(looked.kind))
                << looked.name << " is a " << control->GetClassInfo()->GetClassName();
            // Pages find some of them by name as well.
            EXPECT_EQ(panel->FindWindow(looked.name), control) << looked.name;
        }
        for (const std::string& place : row.places)
            EXPECT_NE(panel->FindWindow(place + "_container"), nullptr) << place;
        panel->Destroy();
    }
}

TEST_F(DevicePanelResourceTest, PanelsLackWhatTheirUnitsLackAndWhatThePagesMake)
{
    for (const PanelRow& row : Panels()) {
        SCOPED_TRACE(row.panel);
        wxWindow* panel = Load(row.panel);
        ASSERT_NE(panel, nullptr);
        for (const std::string& name : row.absent) {
            EXPECT_EQ(panel->FindWindow(XRCID(name.c_str())), nullptr) << name;
            EXPECT_EQ(panel->FindWindow(name), nullptr) << name;
            EXPECT_EQ(panel->FindWindow(name + "_container"), nullptr) << name;
        }
        panel->Destroy();
    }
}

TEST_F(DevicePanelResourceTest, BeforeTheFirstRecordOnlyTheUnitsOwnStatusShowsAndNoRadioIsSet)
{
    for (const PanelRow& row : Panels()) {
        SCOPED_TRACE(row.panel);
        wxWindow* panel = Load(row.panel);
        ASSERT_NE(panel, nullptr);
        const std::set<std::string> hidden = HiddenAtStart(row.panel);
        for (const Control& control : row.controls)
            EXPECT_EQ(panel->FindWindow(XRCID(control.name.c_str()))->IsShown(), hidden.count(control.name) == 0)
                << control.name;
        // The hidden first radio of each group holds its selection.
        EXPECT_TRUE(IsSet(panel, "IDC_LM_NONE"));
        for (const char* radio : kModellingRadios)
            EXPECT_FALSE(IsSet(panel, radio)) << radio;
        for (const char* radio : kMemoryRadios)
            EXPECT_FALSE(IsSet(panel, radio)) << radio;
        panel->Destroy();
    }
}

TEST_F(DevicePanelResourceTest, ModellingRadiosAreOneGroupThatItsHiddenRadioClears)
{
    for (const char* name : kPanels) {
        SCOPED_TRACE(name);
        wxWindow* panel = Load(name);
        ASSERT_NE(panel, nullptr);
        for (const char* chosen : kModellingRadios) {
            Find<wxRadioButton>(panel, chosen)->SetValue(true);
            for (const char* radio : kModellingRadios)
                EXPECT_EQ(IsSet(panel, radio), std::string(radio) == chosen) << chosen << " chosen, " << radio;
        }
        Find<wxRadioButton>(panel, "IDC_LM_NONE")->SetValue(true);
        for (const char* radio : kModellingRadios)
            EXPECT_FALSE(IsSet(panel, radio)) << radio;
        panel->Destroy();
    }
}

TEST_F(DevicePanelResourceTest, TikoMemoryRadiosAreTheirOwnGroup)
{
    wxWindow* panel = Load(kTiko);
    ASSERT_NE(panel, nullptr);
    Find<wxRadioButton>(panel, "IDC_LM_PROP3")->SetValue(true);
    for (const char* chosen : kMemoryRadios) {
        Find<wxRadioButton>(panel, chosen)->SetValue(true);
        for (const char* radio : kMemoryRadios)
            EXPECT_EQ(IsSet(panel, radio), std::string(radio) == chosen) << chosen << " chosen, " << radio;
        EXPECT_TRUE(IsSet(panel, "IDC_LM_PROP3")) << chosen;
    }
    Find<wxRadioButton>(panel, "IDC_ME_MEMORY_UNSET")->SetValue(true);
    for (const char* radio : kMemoryRadios)
        EXPECT_FALSE(IsSet(panel, radio)) << radio;
    EXPECT_TRUE(IsSet(panel, "IDC_LM_PROP3"));
    panel->Destroy();
}

// The sizer of the static box with the given id: the box's group, found
// from the page's own sizer as the Tiko page finds it for the full view.
wxStaticBoxSizer* BoxSizerOf(wxSizer* sizer, int boxId)
{
    if (auto* boxed = wxDynamicCast(sizer, wxStaticBoxSizer); boxed && boxed->GetStaticBox()->GetId() == boxId)
        return boxed;
    for (wxSizerItem* item : sizer->GetChildren()) {
        if (wxSizer* nested = item->GetSizer()) {
            if (wxStaticBoxSizer* found = BoxSizerOf(nested, boxId))
                return found;
        }
    }
    return nullptr;
}

bool SitsIn(wxSizer* group, wxWindow* control)
{
    if (group->GetItem(control))
        return true;
    for (wxSizerItem* item : group->GetChildren()) {
        if (item->GetSizer() && SitsIn(item->GetSizer(), control))
            return true;
    }
    return false;
}

TEST_F(DevicePanelResourceTest, TikoMemoryGroupsHoldTheirControlsForTheFullView)
{
    wxWindow* panel = Load(kTiko);
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(panel->GetSizer(), nullptr);
    struct Group {
        const char* box;
        std::vector<std::string> controls;
    };
    Group memory{"IDC_ME_FR_MEMORY", {"IDC_ME_MEMORY_UNSET", "IDC_ME_REC2", "IDC_ME_STORE2"}};
    memory.controls.insert(memory.controls.end(), std::begin(kMemoryRadios), std::end(kMemoryRadios));
    Group info{"IDC_ME_FR_INFO", {}};
    info.controls.insert(info.controls.end(), std::begin(kMemoryLabels), std::end(kMemoryLabels));
    info.controls.insert(info.controls.end(), std::begin(kMemoryValues), std::end(kMemoryValues));

    for (const Group& group : {memory, info}) {
        SCOPED_TRACE(group.box);
        wxStaticBoxSizer* sizer = BoxSizerOf(panel->GetSizer(), XRCID(group.box));
        ASSERT_NE(sizer, nullptr);
        EXPECT_EQ(sizer->GetStaticBox(), panel->FindWindow(XRCID(group.box)));
        for (const std::string& name : group.controls)
            EXPECT_TRUE(SitsIn(sizer, panel->FindWindow(XRCID(name.c_str())))) << name;
        // What the compact view does with the group.
        sizer->ShowItems(false);
        EXPECT_FALSE(sizer->GetStaticBox()->IsShown());
        for (const std::string& name : group.controls)
            EXPECT_FALSE(panel->FindWindow(XRCID(name.c_str()))->IsShown()) << name;
    }
    panel->Destroy();
}

TEST_F(DevicePanelResourceTest, PicturesShowWholeOnTheirControls)
{
    for (const char* name : kPanels) {
        SCOPED_TRACE(name);
        wxWindow* page = LoadAsPage(name, wxSize(705, 632));
        ASSERT_NE(page, nullptr);
        SetPageTexts(page, 0);
        ShowCtrl(page, XRCID("IDC_LED"), true);
        page->Layout();
        ASSERT_TRUE(WaitForSettledLayout(page));
        struct Shown {
            const char* control;
            wxSize picture;
        };
        for (const Shown& shown : {Shown{"IDC_POWER", {42, 46}}, Shown{"IDC_LM_LIGHT", {44, 18}}}) {
            wxWindow* button = page->FindWindow(XRCID(shown.control));
            const wxSize size = button->GetSize();
            // The button's own frame around the picture would cut it off.
            EXPECT_GE(size.x, button->GetBestSize().x) << shown.control;
            EXPECT_GE(size.y, button->GetBestSize().y) << shown.control;
            EXPECT_GE(size.x, shown.picture.x) << shown.control;
            EXPECT_GE(size.y, shown.picture.y) << shown.control;
        }
        EXPECT_EQ(page->FindWindow(XRCID("IDC_LED"))->GetSize(), wxSize(15, 15));
        Frame()->DestroyChildren();
    }
}

TEST_F(DevicePanelResourceTest, FixedWidthTextsHoldWhatThePagesWriteInEveryLanguage)
{
    for (const char* name : kPanels) {
        SCOPED_TRACE(name);
        wxWindow* panel = Load(name);
        ASSERT_NE(panel, nullptr);
        wxWindow* over = panel->FindWindow(XRCID("IDC_LM_OVER"));
        for (int offset : kLanguageOffsets) {
            for (int level = 1; level <= 5; ++level) {
                const wxString text = Text(2061, offset) + wxString::Format("%d", level);
                EXPECT_LE(over->GetTextExtent(text).x, over->GetSize().x) << text;
            }
        }
        panel->Destroy();
    }

    wxWindow* panel = Load(kTiko);
    ASSERT_NE(panel, nullptr);
    for (int offset : kLanguageOffsets) {
        for (const char* label : kMemoryLabels) {
            wxWindow* cell = panel->FindWindow(XRCID(label));
            for (int id : {2017, 2023, 2026})
                EXPECT_LE(cell->GetTextExtent(Text(id, offset)).x, cell->GetSize().x) << label << " " << id;
        }
        for (const char* value : kMemoryValues) {
            wxWindow* cell = panel->FindWindow(XRCID(value));
            for (const char* text : {"50", "9.9s", "10", "5.5"})
                EXPECT_LE(cell->GetTextExtent(text).x, cell->GetSize().x) << value << " " << text;
        }
        // The lamp functions: a read-only list wide enough for each.
        auto* lamp4 = Find<wxComboBox>(panel, "IDC_LA_LAMP4");
        EXPECT_TRUE(lamp4->HasFlag(wxCB_READONLY));
        lamp4->Clear();
        for (int id = 2126; id <= 2146; ++id)
            lamp4->Append(Text(id, offset));
        EXPECT_LE(lamp4->GetBestSize().x, lamp4->GetSize().x) << offset;
    }
    panel->Destroy();
}

TEST_F(DevicePanelResourceTest, PanelsFitTheFullViewInEveryLanguageAndState)
{
    struct View {
        wxSize frame;
        std::vector<int> offsets;
    };
    // The full view as wide as the toolbar makes it, and at its nominal width
    // in English.
    const View views[] = {{wxSize(705, 632), {0, 500, 1000, 1500}}, {wxSize(544, 632), {0}}};
    for (const View& view : views) {
        for (const char* name : kPanels) {
            for (int offset : view.offsets) {
                for (StatusView state : {StatusView::Own, StatusView::Suggested, StatusView::Alarm}) {
                    SCOPED_TRACE(std::string(name) + ", frame " + std::to_string(view.frame.x) + ", language offset " +
                                 std::to_string(offset) + ", " + ToString(state));
                    wxWindow* page = LoadAsPage(name, view.frame);
                    ASSERT_NE(page, nullptr);
                    SetPageTexts(page, offset);
                    ShowStatus(page, state, offset);
                    ASSERT_TRUE(WaitForSettledLayout(page));
                    ExpectWholeInsideAndApart(page);
                    // The notebooks keep the larger part of the page.
                    for (const char* book : {"IDC_LAMPMEMTAB", "IDC_OPTIONSTAB"}) {
                        if (wxWindow* notebook = page->FindWindow(XRCID(book))) {
                            EXPECT_GE(notebook->GetSize().y, page->GetClientSize().y / 2) << book;
                        }
                    }
                    Frame()->DestroyChildren();
                    if (HasFailure())
                        return;
                }
            }
        }
    }
}

// The page shows the LED and the "set to prop" label without laying itself
// out again: they appear where a layout would put them, clear of the rest.
TEST_F(DevicePanelResourceTest, LedAndOverLabelShowInTheirPlaceWithoutANewLayout)
{
    for (const char* name : kPanels) {
        SCOPED_TRACE(name);
        wxWindow* page = LoadAsPage(name, wxSize(705, 632));
        ASSERT_NE(page, nullptr);
        SetPageTexts(page, 0);
        SetCtrlText(page, XRCID("IDC_LM_OVER"), Text(2061, 0) + "5");
        page->Layout();
        Yield();
        wxWindow* led = page->FindWindow(XRCID("IDC_LED"));
        wxWindow* over = page->FindWindow(XRCID("IDC_LM_OVER"));
        ASSERT_FALSE(led->IsShown());
        ASSERT_FALSE(over->IsShown());
        led->Show();
        over->Show();
        ASSERT_TRUE(WaitForSettledLayout(page));
        ExpectWholeInsideAndApart(page);
        const wxRect ledPlace = RectInPage(page, led);
        const wxRect overPlace = RectInPage(page, over);
        page->Layout();
        EXPECT_EQ(RectInPage(page, led), ledPlace);
        EXPECT_EQ(RectInPage(page, over), overPlace);
        Frame()->DestroyChildren();
    }
}

}  // namespace
