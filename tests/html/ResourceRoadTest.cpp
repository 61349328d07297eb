// The resource file's road to the viewer: windows of class "wxHtmlWindow"
// with htmlcode, url, neither, borders and style become viewers, and the
// program's start-up is what makes them so.
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/sstream.h>
#include <wx/xml/xml.h>
#include <wx/xrc/xmlres.h>

#include "HtmlTestSupport.h"
#include "app/StrahlkonStudioApp.h"
#include "app/StrahlkonStudioDlg.h"
#include "html/HtmlFrameset.h"
#include "html/HtmlWinParser.h"

using namespace htmltest;

namespace {

wxString Resource(const wxString& objects)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<resource xmlns=\"http://www.wxwidgets.org/wxxrc\" version=\"2.5.3.0\">\n" +
           objects + "</resource>\n";
}

// A panel holding one viewer "IDC_HTML" declared with these parameters.
vhtml::HtmlWindow* LoadViewer(wxWindow* parent, const wxString& parameters)
{
    static int documents = 0;
    const wxString id = wxString::Format("%d", ++documents);
    const wxString xrc = Resource("<object class=\"wxPanel\" name=\"PNL_HTML" + id +
                                  "\"><size>420,320</size>"
                                  "<object class=\"wxHtmlWindow\" name=\"IDC_HTML\"><size>400,300</size>" +
                                  parameters + "</object></object>");
    EXPECT_TRUE(guitest::LoadLayoutText("html-road-" + id, xrc));
    wxPanel* panel = wxXmlResource::Get()->LoadPanel(parent, "PNL_HTML" + id);
    if (!panel)
        return nullptr;
    return dynamic_cast<vhtml::HtmlWindow*>(wxWindow::FindWindowByName("IDC_HTML", panel));
}

class ResourceRoadTest : public HtmlTest {};

TEST_F(ResourceRoadTest, DeclaredWindowsBecomeViewersOfTheirPage)
{
    const wxString page = folder.Write("page.htm", "<b>from</b> the file");
    struct Case {
        wxString parameters;
        wxString text;
        int margin;
        int scrollStyle;
        wxString opened;
    };
    const Case cases[] = {
        {"<htmlcode>&lt;b&gt;Hello&lt;/b&gt; world</htmlcode>", "Hello world", 8, wxHW_SCROLLBAR_AUTO, ""},
        {"<url>" + page + "</url>", "from the file", 8, wxHW_SCROLLBAR_AUTO, page},
        {"", "", 8, wxHW_SCROLLBAR_AUTO, ""},
        {"<borders>0</borders><htmlcode>x</htmlcode>", "x", 0, wxHW_SCROLLBAR_AUTO, ""},
        {"<style>wxHW_SCROLLBAR_NEVER</style><htmlcode>x</htmlcode>", "x", 8, wxHW_SCROLLBAR_NEVER, ""},
        {"<style>wxHW_SCROLLBAR_NEVER|wxBORDER_SIMPLE</style>", "", 8, wxHW_SCROLLBAR_NEVER, ""},
        {"<style>wxHW_SCROLLBAR_AUTO</style><borders>3</borders><htmlcode>y</htmlcode>", "y", 3, wxHW_SCROLLBAR_AUTO,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameters.utf8_string());
        vhtml::HtmlWindow* viewer = LoadViewer(Frame(), c.parameters);
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->GetCellText(), c.text);
        const wxHtmlContainerCell* root = viewer->GetInternalRepresentation();
        EXPECT_EQ(root->GetIndent(wxHTML_INDENT_LEFT), c.margin);
        EXPECT_EQ(root->GetIndent(wxHTML_INDENT_TOP), c.margin);
        EXPECT_EQ(root->GetIndent(wxHTML_INDENT_RIGHT), 0);
        EXPECT_EQ(viewer->GetScrollStyle(), c.scrollStyle);
        EXPECT_EQ(viewer->GetOpenedPage(), c.opened);
        EXPECT_NE(dynamic_cast<vhtml::HtmlWinParser*>(viewer->GetParser()), nullptr);
        viewer->GetParent()->Destroy();
    }
}

TEST_F(ResourceRoadTest, LongPageScrollsByUnitsOfSixteenPixelsUnlessNever)
{
    wxString code;
    for (int i = 0; i < 100; ++i)
        code += "line&lt;br&gt;";
    for (const bool never : {false, true}) {
        SCOPED_TRACE(never);
        vhtml::HtmlWindow* viewer = LoadViewer(Frame(), (never ? "<style>wxHW_SCROLLBAR_NEVER</style>" : "") +
                                                            wxString("<htmlcode>") + code + "</htmlcode>");
        ASSERT_NE(viewer, nullptr);
        int x = 0;
        int y = 0;
        viewer->GetScrollPixelsPerUnit(&x, &y);
        EXPECT_EQ(y, never ? 1 : 16);
        EXPECT_EQ(viewer->GetVirtualSize().y > viewer->GetClientSize().y, !never);
        viewer->GetParent()->Destroy();
    }
}

TEST_F(ResourceRoadTest, ADeclaredFramesetFollowsItsLinksAndSizeAndCopiesASelection)
{
    const wxString outer = folder.Write("outer.htm",
                                        "<frameset cols=\"150,*\"><frame name=\"Left\" src=\"left.htm\">"
                                        "<frame name=\"Main\" src=\"main.htm\"></frameset>");
    folder.Write("left.htm",
                 "<a href=\"mailto:a@b.c\">mail</a><br><a href=\"two.htm\" target=\"main\">next</a>"
                 "<br>some words");
    folder.Write("main.htm", "main");
    folder.Write("two.htm", "two");
    vhtml::HtmlWindow* viewer = LoadViewer(Frame(), "<url>" + outer + "</url>");
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(viewer->IsFramesetMode());
    auto launcher = std::make_shared<RecordingLauncher>();
    viewer->SetLauncher(launcher);
    const auto& frames = viewer->GetFrameset()->GetFrames();
    ASSERT_EQ(frames.size(), 2u);
    vhtml::HtmlWindow* left = frames[0].window;
    vhtml::HtmlWindow* main = frames[1].window;
    EXPECT_EQ(main->GetRect(), wxRect(155, 0, 245, 300));

    Click(left, CentreOf(left, "mail"));
    EXPECT_EQ(launcher->launches, (std::vector<RecordingLauncher::Launched>{{"", "mailto:a@b.c"}}));
    Click(left, CentreOf(left, "next"));
    guitest::Yield();
    EXPECT_EQ(main->GetCellText(), "two");

    viewer->SetSize(305, 200);
    guitest::Yield();
    EXPECT_EQ(main->GetRect(), wxRect(155, 0, 150, 200));

    const wxRect words = WordNamed(left->GetInternalRepresentation(), "words").box;
    Drag(left, ClientPoint(left, words.GetTopLeft()), ClientPoint(left, words.GetBottomRight()));
    EXPECT_EQ(left->GetCellText(true), "words");
    EXPECT_EQ(viewer->GetTextToCopy(), "words");
}

// The program's application object, stopping after the resource handlers
// are in and the resource file is loaded.
class StartUpProbe : public CStrahlkonStudioApp {
public:
    std::vector<wxString> messages;
    void ShowMessage(const wxString& text, const wxString&, long) override { messages.push_back(text); }

protected:
    CStrahlkonStudioDlg* CreateMainWindow() override { return nullptr; }
};

TEST_F(ResourceRoadTest, AfterTheProgramsStartUpADialogShowsItsDeclaredPage)
{
    const wxString about = folder.Write("about.htm", "<title>About</title>Vesk <i>Studio</i>");
    // A resource loader of its own, as the program has at start.
    wxXmlResource* harnessResources = wxXmlResource::Set(new wxXmlResource);
    {
        guitest::ScopedApp<StartUpProbe> app;
        EXPECT_FALSE(app->OnInit());
        ASSERT_EQ(app->messages.size(), 1u);
        const wxString xrc = Resource(
            "<object class=\"wxDialog\" name=\"DLG_ABOUT_PROBE\"><title>About</title>"
            "<object class=\"wxHtmlWindow\" name=\"IDC_ABOUTHTML\"><size>300,200</size>"
            "<url>" +
            about + "</url></object></object>");
        wxStringInputStream input(xrc);
        auto* document = new wxXmlDocument;
        ASSERT_TRUE(document->Load(input));
        ASSERT_TRUE(wxXmlResource::Get()->LoadDocument(document, "about-probe"));
        wxDialog dialog;
        ASSERT_TRUE(wxXmlResource::Get()->LoadDialog(&dialog, Frame(), "DLG_ABOUT_PROBE"));
        auto* viewer = dynamic_cast<vhtml::HtmlWindow*>(wxWindow::FindWindowByName("IDC_ABOUTHTML", &dialog));
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->GetCellText(), "Vesk Studio");
        EXPECT_EQ(viewer->GetOpenedPageTitle(), "About");
    }
    delete wxXmlResource::Set(harnessResources);
}

}  // namespace
