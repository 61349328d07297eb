// Opening locations as the user meets it: files in a folder by absolute
// path, anchors in the page shown, locations written with backslashes and
// "%20", pages Debian types as XHTML, empty and missing files, the history,
// BASE, links, the keys, resizing and the title.
#include <wx/fileconf.h>
#include <wx/sstream.h>

#include "HtmlTestSupport.h"

using namespace htmltest;

namespace {

const char* const kErrorText = "The browser is unable to open requested location :\n\n";

// A page long enough to scroll, with anchor "x" far down and "y" near the end.
std::string LongPage(const std::string& title)
{
    std::string page = "<html><body>" + title;
    for (int i = 0; i < 120; ++i)
        page += "<br>line " + std::to_string(i);
    page += "<a name=\"x\"></a>at x";
    for (int i = 0; i < 60; ++i)
        page += "<br>more " + std::to_string(i);
    page += "<a name=\"y\"></a>at y";
    for (int i = 0; i < 60; ++i)
        page += "<br>last " + std::to_string(i);
    page += "</body></html>";
    return page;
}

class LoadPageTest : public HtmlTest {
protected:
    // The view start, in scroll units, that scrolling to the anchor gives.
    static int ViewOfAnchor(Viewer* viewer, const wxString& anchor)
    {
        const wxHtmlCell* cell = viewer->GetInternalRepresentation()->Find(wxHTML_COND_ISANCHOR, &anchor);
        EXPECT_NE(cell, nullptr);
        return cell ? std::max(0, cell->GetAbsPos().y / 16 - 1) : -1;
    }
};

TEST_F(LoadPageTest, SamePageWithAnchorOnlyScrollsAndWithoutOneIsReadAgain)
{
    const wxString page = folder.Write("page.htm", LongPage("first"));
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(page));
    EXPECT_TRUE(viewer->GetCellText().StartsWith("first"));
    folder.Write("page.htm", LongPage("second"));

    EXPECT_TRUE(viewer->LoadPage(page + "#x"));
    EXPECT_TRUE(viewer->GetCellText().StartsWith("first"));
    EXPECT_EQ(viewer->GetViewStart().y, ViewOfAnchor(viewer, "x"));
    EXPECT_GT(viewer->GetViewStart().y, 0);
    EXPECT_EQ(viewer->GetOpenedAnchor(), "x");

    EXPECT_TRUE(viewer->LoadPage(page));
    EXPECT_TRUE(viewer->GetCellText().StartsWith("second"));
    EXPECT_EQ(viewer->GetViewStart().y, 0);
}

TEST_F(LoadPageTest, AnchorAloneScrollsInThePageShownAndTheNextAnchorOfItReadsItAgain)
{
    const wxString page = folder.Write("page.htm", LongPage("first"));
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(page));
    folder.Write("page.htm", LongPage("second"));

    EXPECT_TRUE(viewer->LoadPage("#x"));
    EXPECT_EQ(viewer->GetViewStart().y, ViewOfAnchor(viewer, "x"));
    EXPECT_TRUE(viewer->GetCellText().StartsWith("first"));
    EXPECT_FALSE(viewer->LoadPage("#nosuch"));
    EXPECT_EQ(viewer->GetViewStart().y, ViewOfAnchor(viewer, "x"));

    EXPECT_TRUE(viewer->LoadPage(page + "#y"));
    EXPECT_TRUE(viewer->GetCellText().StartsWith("second"));
    EXPECT_EQ(viewer->GetViewStart().y, ViewOfAnchor(viewer, "y"));
}

TEST_F(LoadPageTest, BackslashesAndEncodedSpacesAreReadAsSlashesAndSpaces)
{
    const wxString index = folder.Write("index.htm", "index");
    folder.Write("a/b c.htm", "<b>the</b> page");
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(index));
    EXPECT_TRUE(viewer->LoadPage("a\\b%20c.htm"));
    EXPECT_EQ(viewer->GetCellText(), "the page");
    EXPECT_TRUE(viewer->GetOpenedPage().EndsWith("a/b c.htm"));
}

// A page opened by a location with backslashes is the page that the same
// location with slashes names: an anchor in it only scrolls.
TEST_F(LoadPageTest, PageOpenedWithBackslashesIsTheSamePageWithSlashes)
{
    const wxString index = folder.Write("index.htm", "index");
    folder.Write("a/b/long.htm", LongPage("first"));
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(index));
    ASSERT_TRUE(viewer->LoadPage("a\\b\\long.htm"));
    ASSERT_TRUE(viewer->GetCellText().StartsWith("first"));
    folder.Write("a/b/long.htm", LongPage("second"));

    EXPECT_TRUE(viewer->LoadPage("a/b/long.htm#x"));
    EXPECT_TRUE(viewer->messages.empty());
    EXPECT_TRUE(viewer->GetCellText().StartsWith("first")) << "scrolled, not read again";
    EXPECT_EQ(viewer->GetOpenedAnchor(), "x");
    EXPECT_EQ(viewer->GetViewStart().y, ViewOfAnchor(viewer, "x"));
    EXPECT_GT(viewer->GetViewStart().y, 0);
    EXPECT_TRUE(viewer->GetOpenedPage().EndsWith("a/b/long.htm"));
}

TEST_F(LoadPageTest, FilesNamedHtmOrHtmlAreShownAsPagesOthersAsText)
{
    struct Case {
        const char* name;
        const char* bytes;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"page.htm", "<b>bold</b> text", L"bold text"},
        {"page.html", "<i>it</i>", L"it"},
        {"PAGE.HTM", "<i>it</i>", L"it"},
        {"utf8.htm", "gr\xC3\xBC\xC3\x9F", L"gr\u00FC\u00DF"},
        {"latin1.htm", "gr\xFC\xDF", L"gr\u00FC\u00DF"},
        {"meta.htm", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-15\">\xA4", L"\u20AC"},
        {"empty.htm", "", L""},
        {"notes.txt", "<b>x</b>", L""},
    };
    Viewer* viewer = MakeViewer();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(viewer->LoadPage(folder.Write(c.name, c.bytes)));
        EXPECT_EQ(viewer->GetCellText(), wxString(c.text));
    }
    EXPECT_TRUE(viewer->messages.empty());
}

// Reads note files (".vsknote") as a page that names its filter; it would
// take "filter-order.htm" as well, were the HTML filter not asked first.
class NoteFilter : public wxHtmlFilter {
public:
    bool CanRead(const wxFSFile& file) const override
    {
        return file.GetLocation().EndsWith(".vsknote") || file.GetLocation().EndsWith("filter-order.htm");
    }
    wxString ReadFile(const wxFSFile& file) const override
    {
        wxString text;
        wxStringOutputStream out(&text);
        file.GetStream()->Read(out);
        return "<b>served</b> " + text;
    }
};

TEST_F(LoadPageTest, AddedFilterServesItsFileTypeAfterTheViewersOwn)
{
    vhtml::HtmlWindow::AddFilter(new NoteFilter);
    Viewer* viewer = MakeViewer();
    EXPECT_TRUE(viewer->LoadPage(folder.Write("plan.vsknote", "<i>three</i> lights")));
    EXPECT_EQ(viewer->GetCellText(), "served three lights");
    EXPECT_TRUE(viewer->LoadPage(folder.Write("filter-order.htm", "<i>page</i>")));
    EXPECT_EQ(viewer->GetCellText(), "page");
    EXPECT_TRUE(viewer->messages.empty());
}

TEST_F(LoadPageTest, MissingFileLeavesThePageAndAddsNoHistoryButCanBeOpenedLater)
{
    const wxString page = folder.Write("page.htm", "shown");
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(page));
    const wxString missing = folder.Path("later.htm");

    EXPECT_FALSE(viewer->LoadPage(missing));
    ASSERT_EQ(viewer->messages.size(), 1u);
    EXPECT_EQ(viewer->messages[0].text, kErrorText + missing);
    EXPECT_EQ(viewer->messages[0].caption, "Error");
    EXPECT_EQ(viewer->messages[0].style, wxOK | wxCENTRE);
    EXPECT_EQ(viewer->GetCellText(), "shown");
    EXPECT_EQ(viewer->GetHistory().size(), 1u);
    EXPECT_EQ(viewer->GetHistoryPosition(), 0);

    // Once it is there, the same page with an anchor opens it.
    folder.Write("later.htm", LongPage("later"));
    EXPECT_TRUE(viewer->LoadPage(missing + "#x"));
    EXPECT_TRUE(viewer->GetCellText().StartsWith("later"));
    EXPECT_EQ(viewer->GetViewStart().y, ViewOfAnchor(viewer, "x"));
    EXPECT_EQ(viewer->messages.size(), 1u);
}

TEST_F(LoadPageTest, HistoryKeepsEveryOpenedPageWithItsAnchorAndWhereItWasLeft)
{
    const wxString one = folder.Write("one.htm", LongPage("one"));
    const wxString two = folder.Write("two.htm", "two");
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(one));
    viewer->Scroll(-1, 7);
    ASSERT_TRUE(viewer->LoadPage(two));
    ASSERT_TRUE(viewer->LoadPage(one + "#y"));
    EXPECT_FALSE(viewer->LoadPage(folder.Path("none.htm")));

    const std::vector<vhtml::HtmlHistoryItem>& history = viewer->GetHistory();
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(viewer->GetHistoryPosition(), 2);
    EXPECT_EQ(history[0].page, viewer->GetOpenedPage());
    EXPECT_EQ(history[0].anchor, "");
    EXPECT_EQ(history[0].scrollPosition, 7);
    EXPECT_TRUE(history[1].page.EndsWith("two.htm"));
    EXPECT_EQ(history[2].anchor, "y");
    // The failed opening noted where the page shown was left.
    EXPECT_EQ(history[2].scrollPosition, viewer->GetViewStart().y);
    EXPECT_GT(history[2].scrollPosition, 0);
}

TEST_F(LoadPageTest, BaseSetsTheFolderOfImagesAndOfPagesOpenedAfterwards)
{
    folder.Write("docs/other.htm", "other page");
    folder.Write("img/x", "");
    wxImage(40, 30).SaveFile(folder.Path("docs/pic.png").utf8_string(), wxBITMAP_TYPE_PNG);
    wxImage(20, 10).SaveFile(folder.Path("img/pic.png").utf8_string(), wxBITMAP_TYPE_PNG);
    const auto imageOf = [](Viewer* viewer) {
        return FindCell(viewer->GetInternalRepresentation(),
                        [](const wxHtmlCell& cell) { return cell.GetWidth() == 40 || cell.GetWidth() == 20; });
    };

    const wxString docs = folder.Path("docs/index.htm");
    Viewer* viewer = ShowPage("<base href=\"" + docs + "\"><img src=\"pic.png\">");
    const wxHtmlCell* image = imageOf(viewer);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 40);
    EXPECT_EQ(image->GetHeight(), 30);
    EXPECT_TRUE(viewer->LoadPage("other.htm"));
    EXPECT_EQ(viewer->GetCellText(), "other page");

    // A second BASE replaces the folder.
    viewer->SetPage("<base href=\"" + docs + "\"><base href=\"" + folder.Path("img/page.htm") +
                    "\"><img src=\"pic.png\">");
    image = imageOf(viewer);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 20);
}

TEST_F(LoadPageTest, ClickOnALinkOpensItInTheSameWindow)
{
    folder.Write("two.htm", "second page");
    const wxString one = folder.Write("one.htm", "<a href=\"two.htm\">follow</a>");
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(one));
    const wxRect link = WordNamed(viewer->GetInternalRepresentation(), "follow").box;
    for (const wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
        wxMouseEvent event(type);
        event.SetPosition(link.GetPosition() + wxPoint(2, 2));
        event.SetEventObject(viewer);
        viewer->GetEventHandler()->ProcessEvent(event);
    }
    EXPECT_EQ(viewer->GetCellText(), "second page");
    EXPECT_EQ(viewer->GetHistory().size(), 2u);
}

TEST_F(LoadPageTest, PointerShowsAHandOverLinksAndAnArrowElsewhere)
{
    Viewer* viewer = ShowPage("plain words <a href=\"x.htm\">link</a>");
    const wxHtmlCell* root = viewer->GetInternalRepresentation();
    const wxCursor hand = viewer->GetHTMLCursor(wxHtmlWindowInterface::HTMLCursor_Link);
    const wxCursor arrow = viewer->GetHTMLCursor(wxHtmlWindowInterface::HTMLCursor_Default);
    // The idle handling with the pointer at a point of the page (moving the
    // display's real pointer would disturb other tests on the display).
    for (int round = 0; round < 2; ++round) {
        for (const char* word : {"link", "plain"}) {
            SCOPED_TRACE(word);
            viewer->HoverAt(WordNamed(root, word).box.GetPosition() + wxPoint(3, 3));
            EXPECT_TRUE(viewer->GetCursor().IsSameAs(wxString(word) == "link" ? hand : arrow));
        }
    }
}

TEST_F(LoadPageTest, KeysScrollByLinePageAndToTheEnds)
{
    Viewer* viewer = MakeViewer(wxSize(400, 160));
    viewer->SetPage(LongPage("keys"));
    const int page = 10;
    const int last = viewer->GetVirtualSize().y / 16 - page;
    ASSERT_GT(last, 2 * page);
    struct Step {
        int key;
        int view;
    };
    const Step steps[] = {
        {WXK_DOWN, 1}, {WXK_DOWN, 2},   {WXK_UP, 1},      {WXK_PAGEDOWN, 11}, {WXK_PAGEUP, 1},      {WXK_PAGEUP, 0},
        {WXK_UP, 0},   {WXK_END, last}, {WXK_LEFT, last}, {'a', last},        {WXK_PAGEDOWN, last}, {WXK_HOME, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key);
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = step.key;
        event.SetEventObject(viewer);
        viewer->GetEventHandler()->ProcessEvent(event);
        EXPECT_EQ(viewer->GetViewStart().y, step.view);
    }
}

TEST_F(LoadPageTest, ResizingReturnsToTheTop)
{
    Viewer* viewer = MakeViewer(wxSize(400, 160));
    viewer->SetPage(LongPage("resize"));
    viewer->Scroll(-1, 12);
    ASSERT_EQ(viewer->GetViewStart().y, 12);
    viewer->SetSize(wxSize(380, 200));
    guitest::Yield();
    EXPECT_EQ(viewer->GetViewStart().y, 0);
}

TEST_F(LoadPageTest, NeverScrollingWindowKeepsItsViewAtTheTop)
{
    Viewer* viewer = MakeViewer(wxSize(400, 160), wxHW_SCROLLBAR_NEVER);
    EXPECT_EQ(viewer->GetScrollStyle(), wxHW_SCROLLBAR_NEVER);
    viewer->SetPage(LongPage("never"));
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = WXK_END;
    viewer->GetEventHandler()->ProcessEvent(event);
    EXPECT_EQ(viewer->GetViewStart().y, 0);

    auto* unscrolled =
        new Viewer(Frame(), wxID_ANY, wxDefaultPosition, wxSize(200, 100), wxHW_SCROLLBAR_AUTO, "htmlWindow", false);
    EXPECT_EQ(unscrolled->GetScrollStyle(), wxHW_SCROLLBAR_NEVER);
}

TEST_F(LoadPageTest, TitleIsDecodedOnceAndShownInTheRelatedFrame)
{
    Viewer* viewer = MakeViewer();
    viewer->SetRelatedFrame(Frame(), "Help: %s");
    viewer->SetPage("<title>A &amp; B &amp;amp; C</title>text");
    EXPECT_EQ(viewer->GetOpenedPageTitle(), "A & B &amp; C");
    EXPECT_EQ(Frame()->GetTitle(), "Help: A & B &amp; C");
    viewer->SetPage("<title></title>text");
    EXPECT_EQ(Frame()->GetTitle(), "");
}

TEST_F(LoadPageTest, CustomizationRoundTripsAndShowsThePageAgainInTheNewSizes)
{
    const wxString page = folder.Write("page.htm", "x");
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(page));
    wxStringInputStream empty("");
    wxFileConfig config(empty);
    viewer->WriteCustomization(&config, "/Viewer");
    EXPECT_EQ(config.ReadLong("/Viewer/wxHtmlWindow/FontsSize2", 0), 12);
    EXPECT_EQ(config.ReadLong("/Viewer/wxHtmlWindow/ItalicModeNormal", 0), wxFONTSTYLE_SLANT);
    EXPECT_TRUE(config.Exists("/Viewer/wxHtmlWindow/FontFaceFixed"));

    config.Write("/Viewer/wxHtmlWindow/FontsSize2", 20L);
    config.SetPath("/Elsewhere");
    viewer->ReadCustomization(&config, "/Viewer");
    EXPECT_EQ(config.GetPath(), "/Elsewhere");
    EXPECT_EQ(viewer->GetCellText(), "x");
    EXPECT_EQ(WordNamed(viewer->GetInternalRepresentation(), "x").box.height, TextHeight(20));
}

}  // namespace
