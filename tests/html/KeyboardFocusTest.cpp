// The keyboard reaching a viewer through the display: in a dialog, Tab and
// Shift+Tab move the focus on to the next control and back, while the keys
// of the viewer's own keep scrolling it and every other key does nothing.
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/uiaction.h>

#include "HtmlTestSupport.h"
#include "KeyReleases.h"

using namespace htmltest;

namespace {

class ViewerKeyboardTest : public HtmlTest {
protected:
    void SetUp() override
    {
        HtmlTest::SetUp();
        dialog = new wxDialog(Frame(), wxID_ANY, "viewer", wxPoint(40, 40), wxSize(420, 320));
        viewer = new Viewer(dialog, wxID_ANY, wxDefaultPosition, wxSize(400, 160));
        button = new wxButton(dialog, wxID_ANY, "next");
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(viewer, 1, wxEXPAND);
        sizer->Add(button, 0, wxALL, 4);
        dialog->SetSizer(sizer);
        dialog->Layout();
        dialog->Show();
        // Higher and wider than the window: scrolling is possible either way.
        std::string page = "<html><body>" + std::string(300, 'w');
        for (int i = 0; i < 200; ++i)
            page += "<br>line " + std::to_string(i);
        page += "</body></html>";
        viewer->SetPage(page);
        // The keys go to the window under the pointer while no window
        // manager gives the focus.
        wxUIActionSimulator().MouseMove(dialog->GetScreenRect().GetLeftTop() + wxPoint(20, 20));
        guitest::Yield();
        viewer->SetFocus();
        ASSERT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == viewer; }));
    }

    // A key pressed and let go on the keyboard, once the window with the
    // focus has handled its release.
    void Press(int key, int modifiers = wxMOD_NONE)
    {
        guitest::KeyReleases releases;
        wxUIActionSimulator().Char(key, modifiers);
        ASSERT_TRUE(guitest::WaitFor([&] { return releases.Saw(key); }));
        guitest::Yield();
    }

    wxDialog* dialog = nullptr;
    Viewer* viewer = nullptr;
    wxButton* button = nullptr;
};

TEST_F(ViewerKeyboardTest, TabMovesTheFocusOnAndShiftTabBack)
{
    Press(WXK_TAB);
    EXPECT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == button; }));
    Press(WXK_TAB, wxMOD_SHIFT);
    EXPECT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == viewer; }));
    // Back from the viewer: round to the last control.
    Press(WXK_TAB, wxMOD_SHIFT);
    EXPECT_TRUE(guitest::WaitFor([&] { return wxWindow::FindFocus() == button; }));
    EXPECT_EQ(viewer->GetViewStart(), wxPoint(0, 0));
}

TEST_F(ViewerKeyboardTest, OtherKeysStayWithTheViewer)
{
    Press(WXK_DOWN);
    EXPECT_TRUE(guitest::WaitFor([&] { return viewer->GetViewStart().y == 1; }));
    Press(WXK_PAGEDOWN);
    const int page = viewer->GetClientSize().y / 16;
    EXPECT_TRUE(guitest::WaitFor([&] { return viewer->GetViewStart().y == 1 + page; }));
    // Keys outside the viewer's table neither scroll nor leave it.
    ASSERT_GT(viewer->GetVirtualSize().x, viewer->GetClientSize().x);
    for (int key : {int(WXK_RIGHT), int('a'), int(WXK_RETURN)}) {
        SCOPED_TRACE(key);
        Press(key);
        EXPECT_EQ(viewer->GetViewStart(), wxPoint(0, 1 + page));
        EXPECT_EQ(wxWindow::FindFocus(), viewer);
    }
    Press(WXK_HOME);
    EXPECT_TRUE(guitest::WaitFor([&] { return viewer->GetViewStart().y == 0; }));
    EXPECT_EQ(wxWindow::FindFocus(), viewer);
}

}  // namespace
