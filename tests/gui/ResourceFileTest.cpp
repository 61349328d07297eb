// The resource file "VeskStudio.xrc": every window the program loads by name
// loads without a toolkit error and holds the controls the code looks up,
// the places for the program's own controls are usable, and the main
// window's names stay unique across the pages.
#include "GuiTestHarness.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/xml/xml.h>
#include <wx/xrc/xmlres.h>

using namespace guitest;

namespace {

enum class Kind { Frame, Dialog, Panel };

struct Resource {
    const char* name;
    Kind kind;
};

const Resource kResources[] = {
    {"DLG_STRAHLKONSTUDIO_DIALOG", Kind::Frame},
    {"DLG_ABOUT", Kind::Dialog},
    {"DLG_DEVICE_PAGE", Kind::Panel},
    {"DLG_DEVICE_TROVALEX_PAGE", Kind::Panel},
    {"DLG_DEVICE_PAGE_ZARIT", Kind::Panel},
    {"DLG_DEVICE_PAGE_ZARITE", Kind::Panel},
    {"DLG_DEVICE_PAGE_NUVEK", Kind::Panel},
    {"DLG_DEVICE_PAGE_RIBEX", Kind::Panel},
    {"DLG_AUX_PAGE", Kind::Panel},
    {"DLG_AUX_PAGES_TIKO", Kind::Panel},
    {"DLG_AUX_PAGE_ZARIT", Kind::Panel},
    {"DLG_AUX_PAGE_ZARITE", Kind::Panel},
    {"DLG_AUX_PAGE_NUVEK", Kind::Panel},
    {"DLG_AUX_PAGE_RIBEX", Kind::Panel},
    {"DLG_INFOS_PAGE", Kind::Panel},
    {"DLG_INFOS_PAGE_ZARIT", Kind::Panel},
    {"DLG_INFOS_PAGE_NUVEK", Kind::Panel},
    {"DLG_INFOS_PAGE_RIBEX", Kind::Panel},
    {"DLG_LAMP_PAGE", Kind::Panel},
    {"DLG_LAMP_PAGE_ZARIT", Kind::Panel},
    {"DLG_LAMP_PAGE_ZARITE", Kind::Panel},
    {"DLG_LAMP_PAGE_NUVEK", Kind::Panel},
    {"DLG_LAMP_PAGE_RIBEX", Kind::Panel},
    {"DLG_MEMORY_PAGE", Kind::Panel},
    {"DLG_MEMORY_PAGE_ZARIT", Kind::Panel},
    {"DLG_MEMORY_PAGE_NUVEK", Kind::Panel},
    {"DLG_MEMORY_PAGE_RIBEX", Kind::Panel},
    {"DLG_OPTIONS_PAGE", Kind::Panel},
    {"DLG_OPTIONS_PAGE_ZARIT", Kind::Panel},
    {"DLG_OPTIONS_PAGE_ZARITE", Kind::Panel},
    {"DLG_OPTIONS_PAGE_NUVEK", Kind::Panel},
    {"DLG_OPTIONS_PAGE_RIBEX", Kind::Panel},
};

// The controls that the code finds by the XRC id of their name, with the
// kind its use needs. Pages add their rows as their code comes.
struct LookedUp {
    const char* resource;
    const char* control;
    wxClassInfo* kind;
};

const std::vector<LookedUp>& LookedUpControls()
{
    static const std::vector<LookedUp> rows = {
        {"DLG_STRAHLKONSTUDIO_DIALOG", "IDC_DEVICETAB", wxCLASSINFO(wxNotebook)},
        {"DLG_STRAHLKONSTUDIO_DIALOG", "IDC_DEMO", wxCLASSINFO(wxButton)},
        {"DLG_STRAHLKONSTUDIO_DIALOG", "IDC_NOTFOUND", wxCLASSINFO(wxStaticText)},
        {"DLG_STRAHLKONSTUDIO_DIALOG", "IDC_NOTFOUND1", wxCLASSINFO(wxStaticText)},
        {"DLG_STRAHLKONSTUDIO_DIALOG", "IDC_NOTFOUND2", wxCLASSINFO(wxStaticText)},
        {"DLG_STRAHLKONSTUDIO_DIALOG", "IDC_NOTFOUND3", wxCLASSINFO(wxStaticText)},
        {"DLG_STRAHLKONSTUDIO_DIALOG", "IDC_NOTFOUND4", wxCLASSINFO(wxStaticText)},
        {"DLG_STRAHLKONSTUDIO_DIALOG", "IDC_NOTFOUND5", wxCLASSINFO(wxStaticText)},
        {"DLG_ABOUT", "IDC_ABOUTIMAGE", wxCLASSINFO(wxStaticBitmap)},
        {"DLG_ABOUT", "IDC_VERSION", wxCLASSINFO(wxStaticText)},
        {"DLG_ABOUT", "wxID_OK", wxCLASSINFO(wxButton)},
        {"DLG_DEVICE_PAGE", "IDC_LAMPMEMTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE", "IDC_OPTIONSTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_TROVALEX_PAGE", "IDC_OPTIONSTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE_ZARIT", "IDC_LAMPMEMTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE_ZARIT", "IDC_OPTIONSTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE_ZARITE", "IDC_LAMPMEMTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE_ZARITE", "IDC_OPTIONSTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE_NUVEK", "IDC_LAMPMEMTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE_NUVEK", "IDC_OPTIONSTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE_RIBEX", "IDC_LAMPMEMTAB", wxCLASSINFO(wxNotebook)},
        {"DLG_DEVICE_PAGE_RIBEX", "IDC_OPTIONSTAB", wxCLASSINFO(wxNotebook)},
    };
    return rows;
}

// The places of the program's own controls: each light bar with the spin
// button beside it, and the aux pages' spin button.
struct Places {
    const char* resource;
    std::vector<std::pair<const char*, const char*>> barsAndSpins;
    std::vector<const char*> single;
};

const std::vector<Places>& PlacesOfOwnControls()
{
    static const std::pair<const char*, const char*> main{"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN"};
    static const std::pair<const char*, const char*> aux1{"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1"};
    static const std::pair<const char*, const char*> aux2{"IDC_AUX_LIGHT2", "IDC_SPIN_AUX2"};
    static const std::pair<const char*, const char*> aux3{"IDC_AUX_LIGHT3", "IDC_SPIN_AUX3"};
    static const std::vector<Places> rows = {
        {"DLG_DEVICE_PAGE", {main, aux1, aux2, aux3}, {}},
        {"DLG_DEVICE_TROVALEX_PAGE", {aux1}, {}},
        {"DLG_DEVICE_PAGE_ZARIT", {main, aux1, aux2, aux3}, {}},
        {"DLG_DEVICE_PAGE_ZARITE", {main, aux1, aux2}, {}},
        {"DLG_DEVICE_PAGE_NUVEK", {main, aux1, aux2}, {}},
        {"DLG_DEVICE_PAGE_RIBEX", {main, aux1, aux2}, {}},
        {"DLG_AUX_PAGE", {}, {"IDC_AU_SPIN"}},
        {"DLG_AUX_PAGES_TIKO", {}, {"IDC_AU_SPIN"}},
        {"DLG_AUX_PAGE_ZARIT", {}, {"IDC_AU_SPIN"}},
        {"DLG_AUX_PAGE_ZARITE", {}, {"IDC_AU_SPIN"}},
        {"DLG_AUX_PAGE_NUVEK", {}, {"IDC_AU_SPIN"}},
        {"DLG_AUX_PAGE_RIBEX", {}, {"IDC_AU_SPIN"}},
    };
    return rows;
}

// Names of the main window, its toolbar included: the main window finds its
// controls by id below itself, so a page must not hold one of them.
// clang-format off
const char* const kMainWindowNames[] = {
    "IDC_DEVICETAB", "IDC_DEMO", "IDC_NOTFOUND", "IDC_NOTFOUND1", "IDC_NOTFOUND2", "IDC_NOTFOUND3",
    "IDC_NOTFOUND4", "IDC_NOTFOUND5", "IDC_EXIT", "IDC_COMSELECT", "IDC_STUDIO_LA", "IDC_STUDIOSELECT",
    "IDC_ZOOM", "IDC_HELPGENERAL", "IDC_LANGUAGE", "IDC_ADDRESS", "IDC_ADDRESSFROM", "IDC_TO", "IDC_ADDRESSTO",
};
// clang-format on

const Resource& FindResource(const wxString& name)
{
    for (const Resource& resource : kResources) {
        if (name == resource.name)
            return resource;
    }
    ADD_FAILURE() << "not in the table: " << name.utf8_string();
    return kResources[0];
}

class ResourceFileTest : public GuiTest {
protected:
    // The named window, created by the resource loader as the program does;
    // panels go into the test frame.
    wxWindow* Load(const Resource& resource)
    {
        wxXmlResource& xrc = *wxXmlResource::Get();
        switch (resource.kind) {
        case Kind::Frame: {
            auto* frame = new wxFrame;
            if (xrc.LoadFrame(frame, nullptr, resource.name))
                return frame;
            delete frame;
            return nullptr;
        }
        case Kind::Dialog: {
            auto* dialog = new wxDialog;
            if (xrc.LoadDialog(dialog, nullptr, resource.name))
                return dialog;
            delete dialog;
            return nullptr;
        }
        case Kind::Panel:
            return xrc.LoadPanel(Frame(), resource.name);
        }
        return nullptr;
    }
    wxWindow* Load(const wxString& name) { return Load(FindResource(name)); }
};

TEST_F(ResourceFileTest, HoldsExactlyTheNamedWindowsUnderTheCurrentFormatVersion)
{
    wxXmlDocument doc;
    ASSERT_TRUE(doc.Load(wxFileName(wxGetCwd(), "VeskStudio.xrc").GetFullPath()));
    wxXmlNode* root = doc.GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetName(), "resource");
    EXPECT_EQ(root->GetAttribute("version"), "2.5.3.0");

    std::multiset<std::string> inFile;
    for (wxXmlNode* node = root->GetChildren(); node; node = node->GetNext()) {
        if (node->GetType() == wxXML_ELEMENT_NODE && node->GetName() == "object")
            inFile.insert(node->GetAttribute("name").utf8_string());
    }
    std::multiset<std::string> named;
    for (const Resource& resource : kResources)
        named.insert(resource.name);
    EXPECT_EQ(inFile, named);
}

TEST_F(ResourceFileTest, EveryNamedWindowLoadsWithoutError)
{
    for (const Resource& resource : kResources) {
        SCOPED_TRACE(resource.name);
        wxWindow* window = Load(resource);
        ASSERT_NE(window, nullptr);
        EXPECT_NE(window->GetHandle(), nullptr);
        EXPECT_EQ(window->GetName(), resource.name);
        switch (resource.kind) {
        case Kind::Frame:
            EXPECT_TRUE(window->IsKindOf(wxCLASSINFO(wxFrame)));
            break;
        case Kind::Dialog:
            EXPECT_TRUE(window->IsKindOf(wxCLASSINFO(wxDialog)));
            break;
        case Kind::Panel:
            EXPECT_TRUE(window->IsKindOf(wxCLASSINFO(wxPanel)));
            EXPECT_EQ(window->GetParent(), Frame());
            break;
        }
        window->Destroy();
    }
}

TEST_F(ResourceFileTest, ControlsTheCodeLooksUpExistWithTheirKind)
{
    for (const LookedUp& row : LookedUpControls()) {
        SCOPED_TRACE(std::string(row.resource) + " / " + row.control);
        wxWindow* window = Load(row.resource);
        ASSERT_NE(window, nullptr);
        wxWindow* control = window->FindWindow(XRCID(row.control));
        ASSERT_NE(control, nullptr);
        EXPECT_NE(control, window);
        EXPECT_TRUE(control->IsKindOf(row.kind)) << control->GetClassInfo()->GetClassName();
        window->Destroy();
    }
}

TEST_F(ResourceFileTest, PlacesOfOwnControlsAreSizedAndEachBarSitsBesideItsSpin)
{
    const wxSize toolkitDefault(20, 20);
    for (const Places& row : PlacesOfOwnControls()) {
        SCOPED_TRACE(row.resource);
        wxWindow* page = Load(row.resource);
        ASSERT_NE(page, nullptr);
        const auto place = [page](const char* name) { return page->FindWindow(wxString(name) + "_container"); };
        for (const auto& [bar, spin] : row.barsAndSpins) {
            SCOPED_TRACE(bar);
            wxWindow* barPlace = place(bar);
            wxWindow* spinPlace = place(spin);
            ASSERT_NE(barPlace, nullptr);
            ASSERT_NE(spinPlace, nullptr);
            EXPECT_NE(barPlace->GetSize(), toolkitDefault);
            EXPECT_NE(spinPlace->GetSize(), toolkitDefault);
            EXPECT_EQ(barPlace->GetSize().y, spinPlace->GetSize().y);
            // A bar and its spin find each other through their common parent.
            EXPECT_EQ(barPlace->GetParent(), spinPlace->GetParent());
        }
        for (const char* name : row.single) {
            SCOPED_TRACE(name);
            wxWindow* single = place(name);
            ASSERT_NE(single, nullptr);
            EXPECT_NE(single->GetSize(), toolkitDefault);
        }
        page->Destroy();
    }
}

TEST_F(ResourceFileTest, NoPageHoldsANameOfTheMainWindow)
{
    for (const Resource& resource : kResources) {
        if (resource.kind != Kind::Panel)
            continue;
        SCOPED_TRACE(resource.name);
        wxWindow* page = Load(resource);
        ASSERT_NE(page, nullptr);
        for (const char* name : kMainWindowNames) {
            EXPECT_EQ(page->FindWindow(XRCID(name)), nullptr) << name;
            EXPECT_EQ(page->FindWindow(name), nullptr) << name;
        }
        page->Destroy();
    }
}

TEST_F(ResourceFileTest, MainWindowStartsWithoutUnitsAndFitsBothViews)
{
    wxWindow* window = Load("DLG_STRAHLKONSTUDIO_DIALOG");
    ASSERT_NE(window, nullptr);
    auto* frame = static_cast<wxFrame*>(window);
    EXPECT_FALSE(frame->FindWindow(XRCID("IDC_DEVICETAB"))->IsShown());
    for (const char* name : {"IDC_NOTFOUND", "IDC_NOTFOUND1", "IDC_NOTFOUND2", "IDC_NOTFOUND3", "IDC_NOTFOUND4",
                             "IDC_NOTFOUND5", "IDC_DEMO"})
        EXPECT_TRUE(frame->FindWindow(XRCID(name))->IsShown()) << name;
    // What shows before any language is applied: the English texts.
    wxString text = static_cast<wxStaticText*>(frame->FindWindow(XRCID("IDC_NOTFOUND4")))->GetLabel();
    EXPECT_EQ(text, "check the cable connection");
    text = static_cast<wxStaticText*>(frame->FindWindow(XRCID("IDC_NOTFOUND5")))->GetLabel();
    EXPECT_EQ(text, "check the address range");

    ASSERT_EQ(frame->GetChildren().size(), 1u);
    wxSizer* layout = frame->GetChildren().front()->GetSizer();
    ASSERT_NE(layout, nullptr);
    for (const wxSize& outer : {wxSize(544, 632), wxSize(292, 368)}) {
        frame->SetSize(outer);
        const wxSize client = frame->GetClientSize();
        EXPECT_LE(layout->GetMinSize().x, client.x) << outer.x;
        EXPECT_LE(layout->GetMinSize().y, client.y) << outer.y;
    }
    frame->Destroy();
}

TEST_F(ResourceFileTest, AboutBoxHoldsThePictureAtItsSize)
{
    wxWindow* about = Load("DLG_ABOUT");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->FindWindow(XRCID("IDC_ABOUTIMAGE"))->GetSize(), wxSize(150, 150));
    // The stock id lets the box's modal loop end on the button.
    EXPECT_EQ(XRCID("wxID_OK"), wxID_OK);
    about->Destroy();
}

}  // namespace
