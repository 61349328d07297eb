// The focus helper: a page sees the kill-focus of its text controls under
// their ids, and the helpers go with the page.
#include "GuiTestHarness.h"
#include "TestLayouts.h"

#include <wx/frame.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "app/Panel.h"
#include "controls/FocusHelper.h"

using namespace guitest;

namespace {

int g_helpersDeleted = 0;

class CountedFocusHelper : public CFocusHelper {
public:
    ~CountedFocusHelper() override { ++g_helpersDeleted; }
};

// A page with a table entry for the edit's kill-focus, as the setting pages
// have for their fields.
class FocusPage : public CPanel {
public:
    FocusPage() : CPanel("ignored", nullptr) {}

    void OnEditKillFocus(wxFocusEvent& event) { m_editIds.push_back(event.GetId()); }

    std::vector<int> m_editIds;

private:
    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(FocusPage, CPanel)
    wx__DECLARE_EVT1(wxEVT_KILL_FOCUS, XRCID("IDC_T_EDIT"), wxFocusEventHandler(FocusPage::OnEditKillFocus))
        wx__DECLARE_EVT1(wxEVT_KILL_FOCUS, XRCID("IDC_T_EDIT2"), wxFocusEventHandler(FocusPage::OnEditKillFocus))
            wx__DECLARE_EVT1(wxEVT_KILL_FOCUS, XRCID("IDC_T_BOXED_EDIT"),
                             wxFocusEventHandler(FocusPage::OnEditKillFocus))
wxEND_EVENT_TABLE()

// Delivers a kill-focus to a control as the toolkit does.
void LoseFocus(wxWindow* control)
{
    wxFocusEvent event(wxEVT_KILL_FOCUS, control->GetId());
    event.SetEventObject(control);
    control->HandleWindowEvent(event);
}

class FocusHelperTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(LoadTestLayouts());
        g_helpersDeleted = 0;
    }

    FocusPage* MakePage(wxWindow* parent)
    {
        auto* page = new FocusPage;
        page->Create("DLG_TEST_CONTROLS", parent);
        return page;
    }
};

TEST_F(FocusHelperTest, ThePageSeesTheKillFocusOfAHelpedControlUnderItsId)
{
    FocusPage* page = MakePage(Frame());
    wxWindow* edit = page->FindWindow(XRCID("IDC_T_EDIT"));
    wxWindow* unhelped = page->FindWindow(XRCID("IDC_T_EDIT2"));
    edit->PushEventHandler(new CFocusHelper);
    int seenByEdit = 0;
    edit->Bind(wxEVT_KILL_FOCUS, [&seenByEdit](wxFocusEvent& event) {
        ++seenByEdit;
        event.Skip();
    });

    LoseFocus(edit);
    ASSERT_EQ(page->m_editIds.size(), 1u);
    EXPECT_EQ(page->m_editIds[0], XRCID("IDC_T_EDIT"));
    // The control itself still gets it.
    EXPECT_EQ(seenByEdit, 1);

    // Without a helper the toolkit keeps the event at the control.
    LoseFocus(unhelped);
    EXPECT_EQ(page->m_editIds.size(), 1u);
}

TEST_F(FocusHelperTest, AStaticBoxBetweenControlAndPageIsPassedOver)
{
    FocusPage* page = MakePage(Frame());
    wxWindow* boxed = page->FindWindow(XRCID("IDC_T_BOXED_EDIT"));
    ASSERT_NE(wxDynamicCast(boxed->GetParent(), wxStaticBox), nullptr);
    boxed->PushEventHandler(new CFocusHelper);
    LoseFocus(boxed);
    ASSERT_EQ(page->m_editIds.size(), 1u);
    EXPECT_EQ(page->m_editIds[0], XRCID("IDC_T_BOXED_EDIT"));
}

TEST_F(FocusHelperTest, HelpersStillPushedGoWithThePage)
{
    FocusPage* page = MakePage(Frame());
    for (const char* name : {"IDC_T_EDIT", "IDC_T_EDIT2", "IDC_T_BOXED_EDIT"})
        page->FindWindow(XRCID(name))->PushEventHandler(new CountedFocusHelper);
    page->Destroy();
    Yield();
    EXPECT_EQ(g_helpersDeleted, 3);
}

// A page that pops its helper in its own destructor.
class SelfPoppingPage : public FocusPage {
public:
    ~SelfPoppingPage() override { FindWindow(XRCID("IDC_T_EDIT"))->PopEventHandler(true); }
};

TEST_F(FocusHelperTest, APageThatPopsItsOwnHelpersIsFineAlsoInsideAnotherPage)
{
    FocusPage* outer = MakePage(Frame());
    outer->FindWindow(XRCID("IDC_T_EDIT"))->PushEventHandler(new CountedFocusHelper);
    auto* inner = new SelfPoppingPage;
    inner->Create("DLG_TEST_CONTROLS", outer);
    inner->FindWindow(XRCID("IDC_T_EDIT"))->PushEventHandler(new CountedFocusHelper);

    outer->Destroy();
    Yield();
    EXPECT_EQ(g_helpersDeleted, 2);
}

}  // namespace
