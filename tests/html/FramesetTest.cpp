// Frameset pages as the user meets them: the frames' places for the
// FRAMESET attributes, following the window's size, names, titles, nested
// framesets, links routed between frames, pages that frame themselves, and
// attribute values past any screen.
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's count; its own allocator leaves malloc's figures
// empty.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "HtmlTestSupport.h"
#include "html/HtmlFrameset.h"
#include "html/HtmlFramesetParser.h"

using namespace htmltest;
using vhtml::HtmlFrameset;

namespace {

class FramesetTest : public HtmlTest {
protected:
    // A frameset page of the given start tag and that many frames, each
    // showing a blank page of the folder, with the extra text after them.
    wxString FramesetPage(const std::string& start, int frames, const std::string& after = "")
    {
        const std::string blank = folder.Write("blank.htm", "blank").utf8_string();
        std::string page = "<html>" + start;
        for (int i = 0; i < frames; ++i)
            page += "<frame src=\"" + blank + "\">";
        return wxString::FromUTF8(page + after + "</frameset></html>");
    }
    static std::vector<wxRect> FrameRects(const Viewer* viewer)
    {
        std::vector<wxRect> rects;
        for (const HtmlFrameset::Frame& frame : viewer->GetFrameset()->GetFrames())
            rects.push_back(frame.window ? frame.window->GetRect() : wxRect());
        return rects;
    }
    static Viewer* FrameViewer(const Viewer* viewer, size_t index)
    {
        const auto& frames = viewer->GetFrameset()->GetFrames();
        return index < frames.size() ? dynamic_cast<Viewer*>(frames[index].window) : nullptr;
    }
};

TEST_F(FramesetTest, FramesArePlacedByColumnsRowsAndSpacing)
{
    struct Case {
        const char* start;
        int frames;
        wxSize client;
        std::vector<wxRect> rects;
    };
    const Case cases[] = {
        {"<frameset cols=\"200,*\">", 2, {805, 300}, {{0, 0, 200, 300}, {205, 0, 600, 300}}},
        {"<FRAMESET COLS=\"25%,75%\" BORDER=\"NO\">", 2, {405, 300}, {{0, 0, 101, 300}, {101, 0, 303, 300}}},
        {"<frameset rows=\"50,*,*\">", 3, {400, 410}, {{0, 0, 400, 50}, {0, 55, 400, 175}, {0, 235, 400, 175}}},
        {"<frameset cols=\"100,*\" border=\"10\">", 2, {300, 100}, {{0, 0, 100, 100}, {110, 0, 190, 100}}},
        {"<frameset cols=\"100,*\" framespacing=\"0\" border=\"10\">",
         2,
         {300, 100},
         {{0, 0, 100, 100}, {100, 0, 200, 100}}},
        {"<frameset cols=\"100,*\" border=\"false\">", 2, {300, 100}, {{0, 0, 100, 100}, {100, 0, 200, 100}}},
        // A third frame starts a second row; the rows share the height.
        {"<frameset cols=\"50%,50%\">", 3, {405, 205}, {{0, 0, 200, 100}, {205, 0, 200, 100}, {0, 105, 200, 100}}},
        // Only rows: one column, the frames go down.
        {"<frameset rows=\"30%,*\">", 2, {200, 405}, {{0, 0, 200, 120}, {0, 125, 200, 280}}},
        {"<frameset>", 1, {300, 200}, {{0, 0, 300, 200}}},
        // "2*" is two pixels; FRAMEBORDER changes nothing.
        {"<frameset cols=\"2*,*\" frameborder=\"1\">", 2, {207, 100}, {{0, 0, 2, 100}, {7, 0, 200, 100}}},
        // Fewer frames than places: the others stay empty.
        {"<frameset cols=\"*,*\" rows=\"*,*\">", 1, {205, 205}, {{0, 0, 100, 100}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        Viewer* viewer = MakeViewer(c.client);
        viewer->SetPage(FramesetPage(c.start, c.frames));
        ASSERT_TRUE(viewer->IsFramesetMode());
        ASSERT_NE(viewer->GetFrameset(), nullptr);
        EXPECT_EQ(viewer->GetInternalRepresentation(), nullptr);
        const std::vector<wxRect> rects = FrameRects(viewer);
        EXPECT_EQ(rects, c.rects);
        for (size_t i = 0; i < rects.size(); ++i) {
            EXPECT_EQ(FrameViewer(viewer, i)->GetCellText(), "blank");
            EXPECT_EQ(FrameViewer(viewer, i)->GetParent(), viewer);
        }
        EXPECT_TRUE(viewer->messages.empty());
        viewer->Destroy();
    }
}

TEST_F(FramesetTest, AResizeMovesTheFramesAndMakesNone)
{
    Viewer* viewer = MakeViewer(wxSize(805, 300));
    viewer->SetPage(FramesetPage("<frameset cols=\"200,*\" rows=\"*,100\">", 4));
    std::vector<vhtml::HtmlWindow*> windows;
    for (const HtmlFrameset::Frame& frame : viewer->GetFrameset()->GetFrames())
        windows.push_back(frame.window);
    const size_t children = viewer->GetChildren().size();

    viewer->SetClientSize(605, 405);
    guitest::Yield();
    EXPECT_EQ(FrameRects(viewer),
              (std::vector<wxRect>{{0, 0, 200, 300}, {205, 0, 400, 300}, {0, 305, 200, 100}, {205, 305, 400, 100}}));
    std::vector<vhtml::HtmlWindow*> after;
    for (const HtmlFrameset::Frame& frame : viewer->GetFrameset()->GetFrames())
        after.push_back(frame.window);
    EXPECT_EQ(after, windows);
    EXPECT_EQ(viewer->GetChildren().size(), children);
}

TEST_F(FramesetTest, ScrollingNamesAndTitle)
{
    const std::string blank = folder.Write("blank.htm", "blank").utf8_string();
    Viewer* viewer = MakeViewer();
    viewer->SetPage(
        wxString::FromUTF8("<title>A &amp; B</title><frameset rows=\"*,*,*,*\">"
                           "<frame src=\"" +
                           blank +
                           "\" scrolling=\"no\" name=\"Main\">"
                           "<frame src=\"" +
                           blank +
                           "\" scrolling=\"YES\" name=\"left\" noresize>"
                           "<frame src=\"" +
                           blank +
                           "\" scrolling=\"No\">"
                           "<frame src=\"" +
                           blank +
                           "\" scrolling=\"maybe\">"
                           "</frameset><title>late</title>"));
    const HtmlFrameset* frameset = viewer->GetFrameset();
    ASSERT_NE(frameset, nullptr);
    const auto& frames = frameset->GetFrames();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].window->GetScrollStyle(), wxHW_SCROLLBAR_NEVER);
    EXPECT_EQ(frames[1].window->GetScrollStyle(), wxHW_SCROLLBAR_AUTO);
    EXPECT_EQ(frames[2].window->GetScrollStyle(), wxHW_SCROLLBAR_NEVER);
    EXPECT_EQ(frames[3].window->GetScrollStyle(), wxHW_SCROLLBAR_AUTO);
    EXPECT_EQ(frameset->FindFrameWindow("main"), frames[0].window);
    EXPECT_EQ(frameset->FindFrameWindow("MAIN"), frames[0].window);
    EXPECT_EQ(frameset->FindFrameWindow("Left"), frames[1].window);
    EXPECT_EQ(frameset->FindFrameWindow("right"), nullptr);
    // The title as written, before the frameset only: the window's own label.
    EXPECT_EQ(viewer->GetLabel(), "A &amp; B");
}

TEST_F(FramesetTest, TheInnerOfNestedFramesetsIsShownWithItsOwnFrames)
{
    const wxString a = folder.Write("a.htm", "pa");
    const wxString b = folder.Write("b.htm", "pb");
    const wxString c = folder.Write("c.htm", "pc");
    Viewer* viewer = MakeViewer(wxSize(400, 205));
    viewer->SetPage("<frameset cols=\"50%,50%\"><frame src=\"" + a + "\"><frameset rows=\"*,*\"><frame src=\"" + b +
                    "\"><frame src=\"" + c + "\"></frameset><frame src=\"" + a + "\"></frameset>");
    ASSERT_EQ(viewer->GetFrameset()->GetFrames().size(), 2u);
    EXPECT_EQ(FrameViewer(viewer, 0)->GetCellText(), "pb");
    EXPECT_EQ(FrameViewer(viewer, 1)->GetCellText(), "pc");
    EXPECT_EQ(FrameRects(viewer), (std::vector<wxRect>{{0, 0, 400, 100}, {0, 105, 400, 100}}));
    EXPECT_EQ(viewer->CountFrameWindows(), 2);
}

// The bytes the program holds from the heap.
long long HeldBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long long>(mallinfo2().uordblks);
#endif
}

TEST_F(FramesetTest, FramesetsThatAreNotShownAreFreed)
{
    // Each FRAMESET start tag makes the one before it a frameset not shown.
    std::string page;
    for (int i = 0; i < 500; ++i)
        page +=
            "<frameset cols=\"*,*\" rows=\"10%,*\"><frame src=\"a.htm\" name=\"a\"><frame src=\"b.htm\"></frameset>";
    const wxString source = wxString::FromUTF8(page);
    Viewer* viewer = MakeViewer();
    vhtml::HtmlFramesetParser parser(viewer);
    delete static_cast<HtmlFrameset*>(parser.Parse(source));
    const long long before = HeldBytes();
    for (int run = 0; run < 3; ++run) {
        std::unique_ptr<HtmlFrameset> shown(static_cast<HtmlFrameset*>(parser.Parse(source)));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->GetFrames().size(), 2u);
    }
    // Kept, the others would hold some megabytes.
    EXPECT_LT(HeldBytes() - before, 64 * 1024);
}

TEST_F(FramesetTest, AFrameWithoutSourceShowsTheFailureBox)
{
    Viewer* viewer = MakeViewer();
    viewer->SetPage("<frameset cols=\"*,*\"><frame name=\"x\"><noframes>no frames here</noframes></frameset>");
    Viewer* frame = FrameViewer(viewer, 0);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->messages.size(), 1u);
    EXPECT_EQ(frame->messages[0].text, "The browser is unable to open requested location :\n\n");
    EXPECT_EQ(viewer->GetFrameset()->GetFrames().size(), 1u);
}

TEST_F(FramesetTest, FramesetInACommentMakesAnEmptyFrameset)
{
    Viewer* viewer = MakeViewer();
    viewer->SetPage("<p>text</p><!-- <frameset> -->");
    EXPECT_TRUE(viewer->IsFramesetMode());
    EXPECT_EQ(viewer->GetFrameset(), nullptr);
    EXPECT_EQ(viewer->GetCellText(), "");
    EXPECT_EQ(viewer->GetTextToCopy(), "");
}

TEST_F(FramesetTest, APageAfterAFramesetScrollsAgain)
{
    std::string tall = "<html><body>";
    for (int i = 0; i < 200; ++i)
        tall += "line<br>";
    tall += "</body></html>";
    Viewer* viewer = MakeViewer();
    viewer->SetPage(FramesetPage("<frameset cols=\"*,*\">", 2));
    EXPECT_EQ(viewer->GetScrollStyle(), wxHW_SCROLLBAR_NEVER);
    const size_t children = viewer->GetChildren().size();
    EXPECT_EQ(children, 2u);

    viewer->SetPage(tall);
    EXPECT_FALSE(viewer->IsFramesetMode());
    EXPECT_EQ(viewer->GetChildren().size(), 0u);
    EXPECT_EQ(viewer->GetScrollStyle(), wxHW_SCROLLBAR_AUTO);
    EXPECT_GT(viewer->GetVirtualSize().y, viewer->GetClientSize().y);
    viewer->Scroll(-1, 5);
    EXPECT_EQ(viewer->GetViewStart().y, 5);
}

TEST_F(FramesetTest, PagesThatFrameThemselvesStopAtEmptyFrames)
{
    // A page framing itself; two pages framing each other; a chain of pages
    // each framing the next.
    folder.Write("self.htm", "<frameset cols=\"*,*\"><frame src=\"self.htm\"><frame src=\"other.htm\"></frameset>");
    folder.Write("other.htm", "other");
    folder.Write("a.htm", "<frameset><frame src=\"b.htm\"></frameset>");
    folder.Write("b.htm", "<frameset rows=\"*,*\"><frame src=\"sub/../a.htm#x\"><frame src=\"other.htm\"></frameset>");
    for (int i = 0; i < 8; ++i) {
        folder.Write("chain" + std::to_string(i) + ".htm",
                     "<frameset><frame src=\"chain" + std::to_string(i + 1) + ".htm\"></frameset>");
    }
    struct Case {
        const char* page;
        int windows;
    };
    for (const Case& c : {Case{"self.htm", 2}, Case{"a.htm", 3}, Case{"chain0.htm", 5}}) {
        SCOPED_TRACE(c.page);
        Viewer* viewer = MakeViewer();
        ASSERT_TRUE(viewer->LoadPage(folder.Path(c.page)));
        EXPECT_EQ(viewer->CountFrameWindows(), c.windows);
        EXPECT_TRUE(viewer->messages.empty());
        viewer->Destroy();
    }
    Viewer* viewer = MakeViewer();
    ASSERT_TRUE(viewer->LoadPage(folder.Path("self.htm")));
    Viewer* inner = FrameViewer(viewer, 0);
    EXPECT_FALSE(inner->IsFramesetMode());
    EXPECT_EQ(inner->GetCellText(), "");
    EXPECT_TRUE(inner->messages.empty());
    EXPECT_EQ(FrameViewer(viewer, 1)->GetCellText(), "other");
}

TEST_F(FramesetTest, HugeGridsAndSizesPastAnyScreen)
{
    std::string many;
    for (int i = 0; i < 5000; ++i)
        many += i ? ",*" : "*";
    struct Case {
        std::string start;
        int frames;
    };
    const Case cases[] = {
        {"<frameset cols=\"" + many + "\" rows=\"" + many + "\">", 3},
        {"<frameset cols=\"99999999%,*\" rows=\"99999999999999999999999,*\">", 4},
        {"<frameset cols=\"500,500,*\" rows=\"-50,-5%,*\">", 9},
        {"<frameset cols=\"*,*\" framespacing=\"-99999999\" border=\"99999999\">", 2},
        {"<frameset cols=\"*,*\" framespacing=\"99999999\">", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.substr(0, 60));
        ProcessorWatch watch;
        Viewer* viewer = MakeViewer(wxSize(400, 300));
        viewer->SetPage(FramesetPage(c.start, c.frames));
        viewer->SetClientSize(300, 200);
        guitest::Yield();
        EXPECT_LT(watch.Time(), 3000);
        ASSERT_EQ(viewer->GetFrameset()->GetFrames().size(), static_cast<size_t>(c.frames));
        for (const wxRect& rect : FrameRects(viewer)) {
            EXPECT_GE(rect.x, 0);
            EXPECT_GE(rect.y, 0);
            EXPECT_GE(rect.width, 0);
            EXPECT_GE(rect.height, 0);
            EXPECT_LE(rect.x, HtmlFrameset::kMaxExtent);
            EXPECT_LE(rect.width, HtmlFrameset::kMaxExtent);
        }
        viewer->Destroy();
    }
    std::vector<HtmlFrameset::Extent> columns(3);
    columns[0] = {-50, HtmlFrameset::kPixels};
    columns[1] = {40, HtmlFrameset::kPercent};
    HtmlFrameset::LayOutAxis(columns, 210, 5);
    EXPECT_EQ(columns[0].size, 0);
    EXPECT_EQ(columns[1].size, 80);
    EXPECT_EQ(columns[2].size, 120);
    EXPECT_EQ(columns[2].position, 90);
}

TEST_F(FramesetTest, FrameWindowsUnderOneViewerAreBounded)
{
    Viewer* viewer = MakeViewer();
    viewer->SetPage(FramesetPage("<frameset cols=\"*,*,*,*\">", HtmlFrameset::kMaxFrameWindows + 40));
    EXPECT_EQ(viewer->CountFrameWindows(), HtmlFrameset::kMaxFrameWindows);
}

// Left frame links into the Main frame, itself and the whole window.
class FrameLinkTest : public FramesetTest {
protected:
    void SetUp() override
    {
        FramesetTest::SetUp();
        outer = folder.Write("outer.htm",
                             "<frameset cols=\"150,*\"><frame name=\"Left\" src=\"left.htm\">"
                             "<frame name=\"Main\" src=\"main.htm\"></frameset>");
        folder.Write("left.htm",
                     "<a href=\"two.htm\" target=\"main\">tomain</a><br>"
                     "<a href=\"two.htm\" target=\"_Self\">toself</a><br>"
                     "<a href=\"two.htm\" target=\"_top\">totop</a><br>"
                     "<a href=\"two.htm\" target=\"_parent\">toparent</a>");
        folder.Write("main.htm", "main page");
        folder.Write("two.htm", "page two");
        viewer = MakeViewer(wxSize(500, 300));
        ASSERT_TRUE(viewer->LoadPage(outer));
        left = FrameViewer(viewer, 0);
        ASSERT_NE(left, nullptr);
    }

    wxString outer;
    Viewer* viewer = nullptr;
    Viewer* left = nullptr;
};

TEST_F(FrameLinkTest, ANamedTargetLoadsIntoThatFrameAfterTheClick)
{
    Click(left, CentreOf(left, "tomain"));
    EXPECT_EQ(FrameViewer(viewer, 1)->GetCellText(), "main page");
    guitest::Yield();
    EXPECT_EQ(FrameViewer(viewer, 1)->GetCellText(), "page two");
    EXPECT_TRUE(FrameViewer(viewer, 1)->GetOpenedPage().EndsWith("/two.htm"));
    EXPECT_TRUE(viewer->IsFramesetMode());
    // Frames keep no history; the outer window has its one page.
    EXPECT_TRUE(FrameViewer(viewer, 1)->GetHistory().empty());
    EXPECT_EQ(viewer->GetHistory().size(), 1u);
}

TEST_F(FrameLinkTest, SelfLoadsIntoTheClickedFrame)
{
    Click(left, CentreOf(left, "toself"));
    EXPECT_EQ(left->GetCellText(), "page two");
    EXPECT_EQ(FrameViewer(viewer, 1)->GetCellText(), "main page");
    EXPECT_TRUE(viewer->IsFramesetMode());
}

TEST_F(FrameLinkTest, TopAndParentReplaceTheFramesetAfterTheClick)
{
    for (const char* word : {"totop", "toparent"}) {
        SCOPED_TRACE(word);
        ASSERT_TRUE(viewer->LoadPage(outer));
        left = FrameViewer(viewer, 0);
        Click(left, CentreOf(left, word));
        EXPECT_TRUE(viewer->IsFramesetMode());
        guitest::Yield();
        EXPECT_FALSE(viewer->IsFramesetMode());
        EXPECT_EQ(viewer->GetCellText(), "page two");
        EXPECT_EQ(viewer->GetChildren().size(), 0u);
    }
}

}  // namespace
