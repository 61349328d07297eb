// The pop-up window as a link opens it: a frame of its own at the place the
// link gives, sized to its page, never larger than the display's work area
// nor off every display, a frameset page keeping the size asked for, and
// one pop-up at a time.
#include <wx/display.h>

#include "HtmlTestSupport.h"
#include "html/PopUpWindow.h"

using namespace htmltest;
using vhtml::PopUpWindow;

namespace {

class PopUpWindowTest : public HtmlTest {
protected:
    Viewer* Opener()
    {
        Viewer* viewer = MakeViewer();
        EXPECT_TRUE(viewer->LoadPage(folder.Write("index.htm", "index")));
        viewer->SetLauncher(launcher);
        return viewer;
    }
    static Viewer* ViewerOf(PopUpWindow* popup) { return dynamic_cast<Viewer*>(popup->GetViewer()); }
    static wxRect WorkArea() { return wxDisplay(0u).GetClientArea(); }

    std::shared_ptr<RecordingLauncher> launcher = std::make_shared<RecordingLauncher>();
};

std::string TallPage(int lines)
{
    std::string page = "<html><body>";
    for (int i = 0; i < lines; ++i)
        page += "line " + std::to_string(i) + "<br>";
    return page + "</body></html>";
}

TEST_F(PopUpWindowTest, TargetPopShowsThePageInAFrameOfItsOwnSizedToThePage)
{
    folder.Write("pop.htm", "<p>a short page</p>");
    Viewer* opener = Opener();
    opener->DispatchLink("pop.htm", "Pop");
    guitest::Yield();

    PopUpWindow* popup = PopUpWindow::GetCurrent();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetParent(), nullptr);
    EXPECT_TRUE(popup->IsShown());
    Viewer* viewer = ViewerOf(popup);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->GetOpenedPage().EndsWith("/pop.htm"));
    EXPECT_EQ(viewer->GetCellText(), "a short page");
    EXPECT_TRUE(viewer->messages.empty());
    const wxHtmlContainerCell* page = viewer->GetInternalRepresentation();
    EXPECT_EQ(popup->GetPosition(), wxPoint(10, 10));
    // The page was laid out to the width asked for, 400.
    EXPECT_EQ(popup->GetClientSize(), wxSize(400 + 16, page->GetHeight() + 16));
    // Its links go where the opener's go.
    viewer->DispatchLink("mailto:a@b.c", "");
    EXPECT_EQ(launcher->launches.size(), 1u);
}

TEST_F(PopUpWindowTest, ASecondPopUpReplacesTheFirst)
{
    folder.Write("one.htm", "one");
    folder.Write("two.htm", "two");
    Viewer* opener = Opener();
    opener->DispatchLink("one.htm", "pop");
    PopUpWindow* first = PopUpWindow::GetCurrent();
    // A link in the pop-up opens the next one, which closes the pop-up
    // whose link it is.
    ViewerOf(first)->DispatchLink("two.htm", "POP");
    PopUpWindow* second = PopUpWindow::GetCurrent();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    guitest::Yield();

    int popups = 0;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* popup = dynamic_cast<PopUpWindow*>(window)) {
            ++popups;
            EXPECT_EQ(popup, second);
        }
    }
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(ViewerOf(second)->GetCellText(), "two");
    second->Destroy();
    guitest::Yield();
    EXPECT_EQ(PopUpWindow::GetCurrent(), nullptr);
}

TEST_F(PopUpWindowTest, StaysOnTheDisplayAndWithinItsWorkArea)
{
    folder.Write("tall.htm", TallPage(400));
    folder.Write("wide.htm", "<table width=\"9000\"><tr><td>wide</td></tr></table>");
    const wxRect area = WorkArea();
    Viewer* opener = Opener();
    for (const char* href : {"javascript:DoPopup('tall.htm' 10,300,400)", "javascript:DoPopup('tall.htm' -5000,-7,-9)",
                             "javascript:DoPopup('wide.htm' 99999999,99999999,99999999)",
                             "javascript:DoPopup('tall.htm' 40,2147483647,-2147483648)"}) {
        SCOPED_TRACE(href);
        opener->DispatchLink(href, "");
        guitest::Yield();
        PopUpWindow* popup = PopUpWindow::GetCurrent();
        ASSERT_NE(popup, nullptr);
        const wxRect place = popup->GetRect();
        EXPECT_TRUE(area.Contains(place)) << place.x << "," << place.y << " " << place.width << "x" << place.height;
        EXPECT_GE(place.width, 1);
        EXPECT_GE(place.height, 1);
    }
    // The tall page takes the whole height there is.
    opener->DispatchLink("javascript:DoPopup('tall.htm' 0,300,400)", "");
    EXPECT_EQ(PopUpWindow::GetCurrent()->GetSize().y, area.height);
}

TEST_F(PopUpWindowTest, AFramesetPageKeepsTheSizeAskedFor)
{
    folder.Write("blank.htm", "blank");
    folder.Write("frames.htm",
                 "<frameset cols=\"50%,50%\"><frame src=\"blank.htm\"><frame src=\"blank.htm\"></frameset>");
    const wxRect area = WorkArea();
    Viewer* opener = Opener();

    opener->DispatchLink("javascript:DoPopup('frames.htm' 30,200,300)", "");
    PopUpWindow* popup = PopUpWindow::GetCurrent();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->GetViewer()->IsFramesetMode());
    EXPECT_EQ(popup->GetRect(), wxRect(30, 30, 300, 200));

    opener->DispatchLink("javascript:DoPopup('frames.htm' 30,-7,-9)", "");
    EXPECT_EQ(PopUpWindow::GetCurrent()->GetSize(), wxSize(1, 1));
    opener->DispatchLink("javascript:DoPopup('frames.htm' 0,99999999,99999999)", "");
    EXPECT_EQ(PopUpWindow::GetCurrent()->GetRect(), area);
}

}  // namespace
