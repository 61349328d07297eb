// The panel base and the control helpers as a page meets them: a layout
// loaded by name, its controls found, shown, labelled and given their own
// controls, and the faults of a missing layout or placeholder handled.
#include "GuiTestHarness.h"
#include "TestLayouts.h"

#include <functional>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/Panel.h"

using namespace guitest;

// A label that counts how often its label is set.
class CountingLabel : public wxStaticText {
public:
    void SetLabel(const wxString& label) override
    {
        ++m_sets;
        wxStaticText::SetLabel(label);
    }
    int m_sets = 0;

private:
    wxDECLARE_DYNAMIC_CLASS(CountingLabel);
};
wxIMPLEMENT_DYNAMIC_CLASS(CountingLabel, wxStaticText);

namespace {

class TestPage : public CPanel {
public:
    explicit TestPage(bool result = true) : CPanel("ignored", nullptr), m_result(result) {}

    bool InitControls() override
    {
        ++m_runs;
        m_sawLabel = FindWindow(XRCID("IDC_T_LABEL")) != nullptr;
        m_wasShown = IsShown();
        return m_result;
    }

    bool m_result;
    int m_runs = 0;
    bool m_sawLabel = false;
    bool m_wasShown = true;
};

class PanelTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(LoadTestLayouts());
    }

    TestPage* MakePage(const wxString& name = "DLG_TEST_CONTROLS", bool result = true)
    {
        auto* page = new TestPage(result);
        m_created = page->Create(name, Frame());
        return page;
    }

    template <class T>
    T* Find(wxWindow* page, const char* name)
    {
        return dynamic_cast<T*>(page->FindWindow(XRCID(name)));
    }

    bool m_created = false;
};

TEST_F(PanelTest, CreateLoadsTheNamedLayoutHiddenAndAnswersWhatInitControlsAnswers)
{
    for (bool result : {true, false}) {
        SCOPED_TRACE(result);
        TestPage* page = MakePage("DLG_TEST_CONTROLS", result);
        EXPECT_EQ(m_created, result);
        EXPECT_EQ(page->m_runs, 1);
        EXPECT_TRUE(page->m_sawLabel);
        EXPECT_FALSE(page->m_wasShown);
        EXPECT_FALSE(page->IsShown());
        EXPECT_EQ(page->GetParent(), Frame());
        EXPECT_EQ(page->GetName(), "DLG_TEST_CONTROLS");
        page->Destroy();
    }
}

TEST_F(PanelTest, InitControlsRunsOnceWhateverAsksForItAgain)
{
    TestPage* page = MakePage();
    page->InitDialog();
    wxInitDialogEvent again(page->GetId());
    again.SetEventObject(page);
    page->HandleWindowEvent(again);
    Yield();
    EXPECT_EQ(page->m_runs, 1);
}

TEST_F(PanelTest, AnUnknownLayoutNameLeavesAnEmptyPageThatTheNextStepsCanUse)
{
    ExpectToolkitErrors expected;
    TestPage* page = MakePage("DLG_NOT_IN_THE_FILE");
    EXPECT_TRUE(expected.Saw("DLG_NOT_IN_THE_FILE"));

    ASSERT_NE(page->GetHandle(), nullptr);
    EXPECT_EQ(page->GetParent(), Frame());
    EXPECT_EQ(page->m_runs, 1);
    EXPECT_FALSE(page->m_sawLabel);
    EXPECT_TRUE(page->GetChildren().empty());

    // Lookups find nothing, and the page goes into a notebook like any other.
    wxString text = "kept";
    GetCtrlText(page, XRCID("IDC_T_LABEL"), text);
    EXPECT_EQ(text, "kept");
    auto* notebook = new wxNotebook(Frame(), wxID_ANY, wxDefaultPosition, wxSize(500, 400));
    page->Reparent(notebook);
    page->Show(true);
    EXPECT_TRUE(notebook->AddPage(page, "unit"));
    EXPECT_EQ(notebook->GetPage(0), page);
}

TEST_F(PanelTest, IsKnownToTheToolkitUnderItsClassName)
{
    wxObject* made = wxCreateDynamicObject("CPanel");
    ASSERT_NE(made, nullptr);
    EXPECT_NE(dynamic_cast<CPanel*>(made), nullptr);
    EXPECT_TRUE(wxClassInfo::FindClass("CPanel")->IsKindOf(wxCLASSINFO(wxPanel)));
    delete made;
}

TEST_F(PanelTest, SetAndGetCtrlTextUseTheValueOfEditsAndTheLabelOfOtherControls)
{
    TestPage* page = MakePage();
    struct Case {
        const char* control;
        const char* before;
    };
    for (const Case& c : {Case{"IDC_T_LABEL", "first"}, Case{"IDC_T_EDIT", "typed"}, Case{"IDC_T_BUTTON", "press"}}) {
        SCOPED_TRACE(c.control);
        const int id = XRCID(c.control);
        wxString text;
        GetCtrlText(page, id, text);
        EXPECT_EQ(text, c.before);
        SetCtrlText(page, id, "zweite Zeile äß");
        GetCtrlText(page, id, text);
        EXPECT_EQ(text, "zweite Zeile äß");
    }
    EXPECT_EQ(Find<wxTextCtrl>(page, "IDC_T_EDIT")->GetValue(), "zweite Zeile äß");
    EXPECT_EQ(Find<wxButton>(page, "IDC_T_BUTTON")->GetLabel(), "zweite Zeile äß");
}

TEST_F(PanelTest, SetCtrlTextLeavesAnUnchangedLabelAlone)
{
    TestPage* page = MakePage();
    auto* label = Find<CountingLabel>(page, "IDC_T_LABEL");
    ASSERT_NE(label, nullptr);
    label->m_sets = 0;
    SetCtrlText(page, XRCID("IDC_T_LABEL"), "first");
    EXPECT_EQ(label->m_sets, 0);
    SetCtrlText(page, XRCID("IDC_T_LABEL"), "firsT");
    SetCtrlText(page, XRCID("IDC_T_LABEL"), "firsT ");
    EXPECT_EQ(label->m_sets, 2);
    EXPECT_EQ(label->GetLabel(), "firsT ");
}

TEST_F(PanelTest, SetCtrlTextOnAnEditRaisesNoTextEvent)
{
    TestPage* page = MakePage();
    int textEvents = 0;
    page->Bind(
        wxEVT_TEXT, [&textEvents](wxCommandEvent&) { ++textEvents; }, XRCID("IDC_T_EDIT"));
    SetCtrlText(page, XRCID("IDC_T_EDIT"), "from the unit");
    SetCtrlText(page, XRCID("IDC_T_EDIT"), "from the unit");
    Yield();
    EXPECT_EQ(textEvents, 0);
    EXPECT_EQ(Find<wxTextCtrl>(page, "IDC_T_EDIT")->GetValue(), "from the unit");
    // What the user types does raise it.
    Find<wxTextCtrl>(page, "IDC_T_EDIT")->SetValue("from the user");
    Yield();
    EXPECT_EQ(textEvents, 1);
}

// Check and radio buttons laid out for a short label, then given the longer
// label of another language: each grows in its place to what its label
// needs (GTK reports a button allocated less), and never shrinks.
TEST_F(PanelTest, SetCtrlTextWidensACheckOrRadioButtonInItsPlaceToItsNewLabel)
{
    ASSERT_TRUE(LoadLayoutText("test-buttons", R"(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxPanel" name="DLG_TEST_BUTTONS">
    <object class="wxBoxSizer">
      <orient>wxHORIZONTAL</orient>
      <object class="sizeritem"><object class="wxCheckBox" name="IDC_T_CHECK"><label>cell</label></object></object>
      <object class="sizeritem"><object class="wxRadioButton" name="IDC_T_RADIO"><label>low</label></object></object>
      <object class="sizeritem"><object class="wxStaticText" name="IDC_T_AFTER"><label>after</label></object></object>
    </object>
  </object>
</resource>)"));
    TestPage* page = MakePage("DLG_TEST_BUTTONS");
    page->Show();
    Yield();
    for (const char* name : {"IDC_T_CHECK", "IDC_T_RADIO"}) {
        SCOPED_TRACE(name);
        wxWindow* button = page->FindWindow(XRCID(name));
        ASSERT_NE(button, nullptr);
        const wxRect before = button->GetRect();
        SetCtrlText(page, XRCID(name), "Fotozelle mit reduzierter Empfindlichkeit");
        EXPECT_GE(button->GetSize().x, button->GetBestSize().x);
        EXPECT_GT(button->GetSize().x, before.width);
        EXPECT_EQ(button->GetPosition(), before.GetPosition());
        Yield();
        const int wide = button->GetSize().x;
        SetCtrlText(page, XRCID(name), "aus");
        EXPECT_EQ(button->GetSize().x, wide);
        Yield();
    }
    // A label that is no check or radio button keeps its layout's width.
    wxWindow* after = page->FindWindow(XRCID("IDC_T_AFTER"));
    ASSERT_NE(after, nullptr);
    after->SetWindowStyle(after->GetWindowStyle() | wxST_NO_AUTORESIZE);
    const wxSize fixed = after->GetSize();
    SetCtrlText(page, XRCID("IDC_T_AFTER"), "a much longer text than the layout gave room for");
    EXPECT_EQ(after->GetSize(), fixed);
}

TEST_F(PanelTest, ShowCtrlShowsAndHidesTheControl)
{
    TestPage* page = MakePage();
    wxWindow* button = page->FindWindow(XRCID("IDC_T_BUTTON"));
    ShowCtrl(page, XRCID("IDC_T_BUTTON"), false);
    EXPECT_FALSE(button->IsShown());
    ShowCtrl(page, XRCID("IDC_T_BUTTON"), true);
    EXPECT_TRUE(button->IsShown());
}

// A page lays itself out again only after a change below it: a control that
// ShowCtrl shows or hides, or a label set anew, also where the toolkit
// measured the page in between. A show or a text that changes nothing leaves
// the page as it was laid out.
TEST_F(PanelTest, LayoutIfChangedLaysOutOnlyAfterAShowOrATextThatChanged)
{
    TestPage* page = MakePage();
    page->Show();
    page->Layout();
    ASSERT_FALSE(page->LayoutIfChanged());
    wxWindow* below = page->FindWindow("IDC_T_PLACE_container");
    ASSERT_NE(below, nullptr);
    const int laidOut = below->GetPosition().y;
    struct Step {
        const char* what;
        std::function<void()> change;
        bool laysOut;
        // The place below the button stands higher, in the button's room.
        bool placeUp;
    };
    const Step steps[] = {
        {"nothing", [] {}, false, false},
        {"the button hidden", [&] { ShowCtrl(page, XRCID("IDC_T_BUTTON"), false); }, true, true},
        {"the button hidden again", [&] { ShowCtrl(page, XRCID("IDC_T_BUTTON"), false); }, false, true},
        {"the label given its own text", [&] { SetCtrlText(page, XRCID("IDC_T_LABEL"), "first"); }, false, true},
        {"the label given a longer text", [&] { SetCtrlText(page, XRCID("IDC_T_LABEL"), "first and more"); }, true,
         true},
        {"a longer text, measured before the page looks",
         [&] {
             SetCtrlText(page, XRCID("IDC_T_LABEL"), "first and more and more");
             page->GetBestSize();
         },
         true, true},
        {"the button shown", [&] { ShowCtrl(page, XRCID("IDC_T_BUTTON"), true); }, true, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        EXPECT_EQ(page->LayoutIfChanged(), step.laysOut);
        EXPECT_FALSE(page->LayoutIfChanged());
        EXPECT_EQ(below->GetPosition().y < laidOut, step.placeUp);
    }
}

TEST_F(PanelTest, HelpersIgnoreAControlTheLayoutLacks)
{
    TestPage* page = MakePage();
    const int missing = XRCID("IDC_T_NOT_IN_LAYOUT");
    wxString text = "kept";
    GetCtrlText(page, missing, text);
    EXPECT_EQ(text, "kept");
    SetCtrlText(page, missing, "lost");
    ShowCtrl(page, missing, false);
    EXPECT_EQ(page->FindWindow("lost"), nullptr);
    for (wxWindow* child : page->GetChildren())
        EXPECT_TRUE(child->IsShown()) << child->GetName().utf8_string();
}

TEST_F(PanelTest, HelpersTakeTheFirstMatchInChildOrder)
{
    TestPage* first = MakePage();
    TestPage* second = MakePage();
    SetCtrlText(Frame(), XRCID("IDC_T_BUTTON"), "only the first");
    EXPECT_EQ(Find<wxButton>(first, "IDC_T_BUTTON")->GetLabel(), "only the first");
    EXPECT_EQ(Find<wxButton>(second, "IDC_T_BUTTON")->GetLabel(), "press");
}

// AttachControl: the own control takes the place's id, name and size.
struct AttachCase {
    const char* layout;
    const char* name;
    wxSize placeSize;
    bool createFirst;  // a control that already has its window
    bool passParent;   // parent given, else the control's own parent
};

TEST_F(PanelTest, AttachControlPutsTheOwnControlInItsPlace)
{
    const AttachCase cases[] = {
        {"DLG_TEST_CONTROLS", "IDC_T_PLACE", wxSize(90, 40), false, true},
        {"DLG_TEST_CONTROLS", "IDC_T_PLACE", wxSize(90, 40), true, false},
        {"DLG_DEVICE_PAGE", "IDC_MAIN_LIGHT", wxSize(80, 60), false, true},
        {"DLG_DEVICE_PAGE_ZARIT", "IDC_SPIN_AUX3", wxSize(12, 60), true, true},
    };
    for (const AttachCase& c : cases) {
        SCOPED_TRACE(std::string(c.layout) + " / " + c.name + (c.createFirst ? " created" : " uncreated"));
        TestPage* page = MakePage(c.layout);
        wxWindow* place = page->FindWindow(wxString(c.name) + "_container");
        ASSERT_NE(place, nullptr);

        auto* control = new wxWindow;
        if (c.createFirst)
            control->Create(page, wxID_ANY, wxDefaultPosition, wxSize(5, 5), 0, "own");
        ASSERT_TRUE(AttachControl(c.name, control, c.passParent ? page : nullptr));

        EXPECT_NE(control->GetHandle(), nullptr);
        EXPECT_EQ(control->GetParent(), place);
        EXPECT_EQ(control->GetName(), c.name);
        EXPECT_EQ(control->GetId(), XRCID(c.name));
        EXPECT_EQ(control->GetMinSize(), c.placeSize);
        EXPECT_EQ(control->GetMaxSize(), wxDefaultSize);
        page->Show(true);
        page->Layout();
        Yield();
        EXPECT_EQ(place->GetSize(), c.placeSize);
        EXPECT_EQ(control->GetSize(), place->GetClientSize());
        EXPECT_EQ(control->GetPosition(), wxPoint(0, 0));

        // The page tells the control's events by the place's name.
        int seen = 0;
        page->Bind(
            wxEVT_BUTTON, [&seen](wxCommandEvent&) { ++seen; }, XRCID(c.name));
        wxCommandEvent click(wxEVT_BUTTON, control->GetId());
        click.SetEventObject(control);
        control->HandleWindowEvent(click);
        EXPECT_EQ(seen, 1);
        page->Destroy();
    }
}

TEST_F(PanelTest, AttachControlWithoutAPlaceLeavesTheControlAlone)
{
    TestPage* page = MakePage();

    auto* uncreated = new wxWindow;
    EXPECT_FALSE(AttachControl("IDC_T_NO_PLACE", uncreated, page));
    EXPECT_EQ(uncreated->GetHandle(), nullptr);
    delete uncreated;

    auto* created = new wxWindow(page, wxID_ANY, wxPoint(3, 4), wxSize(7, 8), 0, "own");
    const int id = created->GetId();
    const wxSize minSize = created->GetMinSize();
    EXPECT_FALSE(AttachControl("IDC_T_NO_PLACE", created));
    EXPECT_EQ(created->GetParent(), page);
    EXPECT_EQ(created->GetName(), "own");
    EXPECT_EQ(created->GetId(), id);
    EXPECT_EQ(created->GetSize(), wxSize(7, 8));
    EXPECT_EQ(created->GetMinSize(), minSize);

    EXPECT_FALSE(AttachControl("IDC_T_PLACE", nullptr, page));
    auto* orphan = new wxWindow;
    EXPECT_FALSE(AttachControl("IDC_T_PLACE", orphan));
    delete orphan;
}

}  // namespace
