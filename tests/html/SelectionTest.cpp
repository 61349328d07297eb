// Selecting words with the mouse and copying them, driven by the mouse and
// key events the toolkit delivers: clicks and drags, the band drawn while
// dragging, the highlight under selected words, what a copy takes, the
// commands' enabled states, the loss of focus and of the mouse, and one
// copy through the real clipboard.
#include <wx/clipbrd.h>

#include "HtmlTestSupport.h"
#include "html/HtmlFrameset.h"

using namespace htmltest;

namespace {

const wxColour kSelection(128, 255, 255);

bool SameImage(const wxImage& a, const wxImage& b)
{
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}
const char* const kTwoParagraphs = "<p>alpha beta gamma</p><p>delta epsilon</p>";

class SelectionTest : public HtmlTest {
protected:
    Viewer* Page(const wxString& source)
    {
        Viewer* viewer = ShowPage(source);
        viewer->SetLauncher(launcher);
        return viewer;
    }
    static wxRect Box(const Viewer* viewer, const wxString& word)
    {
        return WordNamed(viewer->GetInternalRepresentation(), word).box;
    }
    static const wxHtmlCell* Cell(const Viewer* viewer, const wxString& word)
    {
        return FindCell(viewer->GetInternalRepresentation(), [&](const wxHtmlCell& cell) {
            const auto* w = wxDynamicCast(const_cast<wxHtmlCell*>(&cell), wxHtmlWordCell);
            return w && w->ConvertToText(nullptr).Trim() == word;
        });
    }
    static bool IsSelected(const Viewer* viewer, const wxString& word)
    {
        return viewer->GetSelectedCells().count(Cell(viewer, word)) != 0;
    }
    // Drags between two points of the page.
    static void DragPage(Viewer* viewer, const wxPoint& from, const wxPoint& to)
    {
        Drag(viewer, ClientPoint(viewer, from), ClientPoint(viewer, to));
    }
    static bool Enabled(Viewer* viewer, int id)
    {
        wxUpdateUIEvent event(id);
        event.SetEventObject(viewer);
        viewer->HandleWindowEvent(event);
        EXPECT_TRUE(event.GetSetEnabled());
        return event.GetEnabled();
    }
    static void Key(Viewer* viewer, int code, int modifiers)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.SetEventObject(viewer);
        event.m_keyCode = code;
        event.SetControlDown(modifiers & wxMOD_CONTROL);
        event.SetShiftDown(modifiers & wxMOD_SHIFT);
        viewer->HandleWindowEvent(event);
    }

    std::shared_ptr<RecordingLauncher> launcher = std::make_shared<RecordingLauncher>();
};

TEST_F(SelectionTest, APressAndReleaseAtMostOnePixelApartIsAClick)
{
    struct Case {
        wxPoint move;
        bool click;
    };
    const Case cases[] = {
        {{0, 0}, true},  {{1, 1}, true},  {{-1, -1}, true}, {{1, -1}, true},
        {{2, 0}, false}, {{0, 2}, false}, {{-2, 1}, false},
    };
    Viewer* viewer = Page("<a href=\"http://h/\">link</a> word");
    const wxRect link = Box(viewer, "link");
    const wxPoint at(link.x + link.width / 2, link.y + link.height / 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.move));
        launcher->launches.clear();
        DragPage(viewer, at, at + c.move);
        EXPECT_EQ(launcher->launches.size(), c.click ? 1u : 0u);
        EXPECT_EQ(IsSelected(viewer, "link"), !c.click);
        EXPECT_FALSE(IsSelected(viewer, "word"));
        EXPECT_FALSE(viewer->IsBandActive());
        EXPECT_FALSE(viewer->HasCapture());
    }
}

TEST_F(SelectionTest, ABandSelectsTheWordsItMeetsWhicheverWayItIsDrawn)
{
    Viewer* viewer = Page(kTwoParagraphs);
    const wxRect alpha = Box(viewer, "alpha");
    const wxRect delta = Box(viewer, "delta");
    const wxPoint from(alpha.x + 2, alpha.y + 2);
    const wxPoint to(alpha.x + 5, delta.y + 2);

    DragPage(viewer, from, to);
    const vhtml::CellSet forward = viewer->GetSelectedCells();
    EXPECT_TRUE(IsSelected(viewer, "alpha"));
    EXPECT_TRUE(IsSelected(viewer, "delta"));
    EXPECT_FALSE(IsSelected(viewer, "beta"));
    EXPECT_FALSE(IsSelected(viewer, "epsilon"));
    DragPage(viewer, to, from);
    EXPECT_EQ(viewer->GetSelectedCells(), forward);
    DragPage(viewer, wxPoint(to.x, from.y), wxPoint(from.x, to.y));
    EXPECT_EQ(viewer->GetSelectedCells(), forward);

    // A press alone clears the selection.
    SendMouse(viewer, wxEVT_LEFT_DOWN, ClientPoint(viewer, from), true);
    EXPECT_TRUE(viewer->GetSelectedCells().empty());
    SendMouse(viewer, wxEVT_LEFT_UP, ClientPoint(viewer, from));
}

TEST_F(SelectionTest, ABandThatOnlyTouchesAWordLeavesIt)
{
    Viewer* viewer = Page(kTwoParagraphs);
    const wxRect alpha = Box(viewer, "alpha");
    const int y = alpha.y + alpha.height / 2;
    // Its right edge is the first column after it.
    DragPage(viewer, wxPoint(alpha.x + alpha.width, y), wxPoint(alpha.x + alpha.width + 4, y + 2));
    EXPECT_FALSE(IsSelected(viewer, "alpha"));
    EXPECT_TRUE(IsSelected(viewer, "beta"));
    DragPage(viewer, wxPoint(alpha.x + alpha.width - 1, y), wxPoint(alpha.x + alpha.width + 4, y + 2));
    EXPECT_TRUE(IsSelected(viewer, "alpha"));
    // From just below the line.
    DragPage(viewer, wxPoint(alpha.x, alpha.y + alpha.height), wxPoint(alpha.GetRight(), alpha.y + alpha.height + 3));
    EXPECT_FALSE(IsSelected(viewer, "alpha"));
}

TEST_F(SelectionTest, ACopyTakesTheSelectedWordsElseTheWholeText)
{
    Viewer* viewer = Page(kTwoParagraphs);
    const wxString whole = "alpha beta gamma\ndelta epsilon";
    EXPECT_EQ(viewer->GetCellText(), whole);
    EXPECT_EQ(viewer->GetTextToCopy(), whole);

    const wxRect alpha = Box(viewer, "alpha");
    const wxRect beta = Box(viewer, "beta");
    const wxRect delta = Box(viewer, "delta");
    DragPage(viewer, wxPoint(alpha.x + 2, alpha.y + 2), wxPoint(beta.x + 2, beta.y + 4));
    EXPECT_EQ(viewer->GetTextToCopy(), "alpha beta ");
    // One word of each paragraph: a line each.
    DragPage(viewer, wxPoint(alpha.x + 2, alpha.y + 2), wxPoint(delta.x + 2, delta.y + 2));
    EXPECT_EQ(viewer->GetTextToCopy(), "alpha \ndelta ");
    viewer->ClearSelection();
    EXPECT_EQ(viewer->GetTextToCopy(), whole);

    // A new page starts without a selection.
    DragPage(viewer, wxPoint(0, 0), wxPoint(399, 299));
    ASSERT_TRUE(viewer->HasSelectedText());
    viewer->SetPage(kTwoParagraphs);
    EXPECT_TRUE(viewer->GetSelectedCells().empty());
    EXPECT_EQ(viewer->GetTextToCopy(), whole);
}

// With nothing selected a copy takes the page's whole text: every block on
// a line of its own (a heading, a list item, a table cell), and nothing of
// preformatted text and rules.
TEST_F(SelectionTest, ACopyWithNothingSelectedTakesEveryBlockOfThePage)
{
    Viewer* viewer = Page(
        "<h2>Title</h2><p>one <b>bold</b> <a href=\"x.htm\">link</a> two</p>"
        "<ul><li>first<li>second</ul>"
        "<table border=1><tr><td>a b</td><td>c</td></tr><tr><td colspan=2>d</td></tr></table>"
        "<pre>pre text</pre><hr><p>end &amp; more</p>");
    ASSERT_FALSE(viewer->HasSelectedText());
    Key(viewer, 'C', wxMOD_CONTROL);
    EXPECT_EQ(viewer->copies,
              (std::vector<wxString>{"Title\none bold link two\nfirst\nsecond\na b\nc\nd\nend & more"}));
}

TEST_F(SelectionTest, PreformattedTextImagesAndRulesAreNeverSelected)
{
    const wxString image = folder.Write("dot.xpm",
                                        "/* XPM */\nstatic const char* d[] = {\"2 2 1 1\", \". c #FF0000\", "
                                        "\"..\", \"..\"};\n");
    Viewer* viewer = Page("<p>top</p><pre>pre text</pre><hr><img src=\"" + image + "\"><p>end</p>");
    DragPage(viewer, wxPoint(0, 0), wxPoint(399, 299));
    for (const wxHtmlCell* cell : viewer->GetSelectedCells())
        EXPECT_NE(wxDynamicCast(const_cast<wxHtmlCell*>(cell), wxHtmlWordCell), nullptr);
    EXPECT_TRUE(IsSelected(viewer, "top"));
    EXPECT_TRUE(IsSelected(viewer, "end"));
    EXPECT_EQ(viewer->GetTextToCopy(), "top\nend");
}

TEST_F(SelectionTest, SelectedWordsAreDrawnOnLightCyanUnderTheirText)
{
    Viewer* viewer = Page("<p>beta alpha</p><table><tr><td bgcolor=\"#FFFF00\">inside</td></tr></table>");
    EXPECT_FALSE(HasPixel(viewer->Render(wxSize(400, 300)), kSelection));
    const wxRect beta = Box(viewer, "beta");
    const wxRect inside = Box(viewer, "inside");
    DragPage(viewer, wxPoint(beta.x + 2, beta.y + 2), wxPoint(inside.x + 2, inside.y + 2));
    ASSERT_TRUE(IsSelected(viewer, "beta"));
    ASSERT_TRUE(IsSelected(viewer, "inside"));
    ASSERT_FALSE(IsSelected(viewer, "alpha"));

    const wxImage page = viewer->Render(wxSize(400, 300));
    for (const wxRect& box : {beta, inside}) {
        SCOPED_TRACE(::testing::PrintToString(box));
        const wxImage word = page.GetSubImage(box);
        EXPECT_TRUE(HasPixel(word, kSelection));
        EXPECT_TRUE(HasPixel(word, *wxBLACK));
    }
    EXPECT_FALSE(HasPixel(page.GetSubImage(Box(viewer, "alpha")), kSelection));
    // The table cell's own colour stays around its word.
    EXPECT_TRUE(HasPixel(page, wxColour(255, 255, 0)));
}

TEST_F(SelectionTest, TheBandIsDrawnWhileTheButtonIsHeld)
{
    Viewer* viewer = Page("alpha");
    const wxRect band(150, 150, 101, 81);
    // Its top edge, dots in a dark grey on the page's white.
    const auto bandDrawn = [&] {
        const wxImage edge = viewer->Render(wxSize(400, 300)).GetSubImage(wxRect(band.x, band.y, band.width, 1));
        for (int x = 0; x < edge.GetWidth(); ++x) {
            if (edge.GetRed(x, 0) < 64 && edge.GetGreen(x, 0) < 64 && edge.GetBlue(x, 0) < 64)
                return true;
        }
        return false;
    };
    SendMouse(viewer, wxEVT_LEFT_DOWN, band.GetTopLeft(), true);
    EXPECT_FALSE(bandDrawn());
    SendMouse(viewer, wxEVT_MOTION, band.GetBottomRight(), true);
    EXPECT_TRUE(viewer->IsBandActive());
    EXPECT_TRUE(bandDrawn());
    SendMouse(viewer, wxEVT_LEFT_UP, band.GetBottomRight());
    EXPECT_FALSE(bandDrawn());
}

TEST_F(SelectionTest, LosingTheMouseEndsTheBandWithNothingSelected)
{
    Viewer* viewer = Page(kTwoParagraphs);
    const wxRect alpha = Box(viewer, "alpha");
    const wxRect delta = Box(viewer, "delta");
    const wxImage before = viewer->Render(wxSize(400, 300));
    SendMouse(viewer, wxEVT_LEFT_DOWN, ClientPoint(viewer, alpha.GetTopLeft()), true);
    SendMouse(viewer, wxEVT_MOTION, ClientPoint(viewer, delta.GetBottomRight() + wxPoint(20, 20)), true);
    ASSERT_TRUE(viewer->HasCapture());
    EXPECT_FALSE(SameImage(viewer->Render(wxSize(400, 300)), before));
    viewer->LoseCapture();
    EXPECT_FALSE(viewer->IsBandActive());
    EXPECT_TRUE(viewer->GetSelectedCells().empty());
    EXPECT_TRUE(SameImage(viewer->Render(wxSize(400, 300)), before));
    // The release that follows neither selects nor clicks.
    SendMouse(viewer, wxEVT_LEFT_UP, ClientPoint(viewer, delta.GetBottomRight()));
    EXPECT_TRUE(viewer->GetSelectedCells().empty());
}

TEST_F(SelectionTest, LosingTheFocusClearsTheSelection)
{
    Viewer* viewer = Page(kTwoParagraphs);
    DragPage(viewer, wxPoint(0, 0), wxPoint(399, 299));
    ASSERT_TRUE(viewer->HasSelectedText());
    wxFocusEvent event(wxEVT_KILL_FOCUS, viewer->GetId());
    event.SetEventObject(viewer);
    viewer->HandleWindowEvent(event);
    EXPECT_FALSE(viewer->HasSelectedText());
    EXPECT_FALSE(HasPixel(viewer->Render(wxSize(400, 300)), kSelection));
}

TEST_F(SelectionTest, CommandsAndTheirStates)
{
    Viewer* viewer = Page(kTwoParagraphs);
    for (int id : {wxID_CUT, wxID_COPY, wxID_PASTE, wxID_UNDO, wxID_REDO})
        EXPECT_FALSE(Enabled(viewer, id)) << id;
    const wxRect beta = Box(viewer, "beta");
    DragPage(viewer, beta.GetTopLeft(), beta.GetBottomRight());
    EXPECT_TRUE(Enabled(viewer, wxID_CUT));
    EXPECT_TRUE(Enabled(viewer, wxID_COPY));
    EXPECT_TRUE(viewer->CanCut());
    for (int id : {wxID_PASTE, wxID_UNDO, wxID_REDO})
        EXPECT_FALSE(Enabled(viewer, id)) << id;

    for (int id : {wxID_COPY, wxID_CUT, wxID_PASTE, wxID_UNDO, wxID_REDO}) {
        wxCommandEvent command(wxEVT_MENU, id);
        command.SetEventObject(viewer);
        viewer->HandleWindowEvent(command);
    }
    // Cut copies and takes nothing away.
    EXPECT_EQ(viewer->copies, (std::vector<wxString>{"beta ", "beta "}));
    EXPECT_EQ(viewer->GetCellText(), "alpha beta gamma\ndelta epsilon");
}

TEST_F(SelectionTest, ControlCAndControlInsertCopy)
{
    Viewer* viewer = Page(kTwoParagraphs);
    Key(viewer, 'C', wxMOD_CONTROL);
    const wxRect beta = Box(viewer, "beta");
    DragPage(viewer, beta.GetTopLeft(), beta.GetBottomRight());
    Key(viewer, WXK_INSERT, wxMOD_CONTROL);
    Key(viewer, 'C', wxMOD_NONE);
    Key(viewer, WXK_INSERT, wxMOD_NONE);
    Key(viewer, 'C', wxMOD_CONTROL | wxMOD_SHIFT);
    EXPECT_EQ(viewer->copies, (std::vector<wxString>{"alpha beta gamma\ndelta epsilon", "beta "}));
}

TEST_F(SelectionTest, AFramesetCopiesItsFramesColumnByColumn)
{
    std::string page = "<frameset cols=\"*,*\" rows=\"*,*\">";
    for (const char* name : {"tl", "tr", "bl", "br"})
        page += "<frame src=\"" + folder.Write(std::string(name) + ".htm", name).utf8_string() + "\">";
    Viewer* viewer = Page(wxString::FromUTF8(page + "</frameset>"));
    EXPECT_EQ(viewer->GetTextToCopy(), "tlbltrbr");
    EXPECT_FALSE(viewer->HasSelectedText());
    Key(viewer, 'C', wxMOD_CONTROL);
    EXPECT_EQ(viewer->copies, (std::vector<wxString>{"tlbltrbr"}));

    // A selection in one frame is what the owner copies, though the owner
    // itself has none.
    auto* bottomLeft = dynamic_cast<Viewer*>(viewer->GetFrameset()->GetFrames()[2].window);
    const wxRect bl = Box(bottomLeft, "bl");
    Drag(bottomLeft, ClientPoint(bottomLeft, bl.GetTopLeft()), ClientPoint(bottomLeft, bl.GetBottomRight()));
    EXPECT_EQ(viewer->GetTextToCopy(), "bl");
    EXPECT_FALSE(viewer->HasSelectedText());
    EXPECT_FALSE(Enabled(viewer, wxID_COPY));
}

TEST_F(SelectionTest, TheWheelIsLeftToTheToolkit)
{
    Viewer* viewer = Page(kTwoParagraphs);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.SetEventObject(viewer);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    wheel.m_linesPerAction = 3;
    viewer->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_TRUE(wheel.GetSkipped());
}

TEST_F(SelectionTest, TheClipboardGetsTheCopyAndIsLeftOpenWhenItWasOpen)
{
    Viewer* viewer = Page(kTwoParagraphs);
    viewer->useClipboard = true;
    const wxRect alpha = Box(viewer, "alpha");
    const wxRect beta = Box(viewer, "beta");
    DragPage(viewer, alpha.GetTopLeft(), beta.GetBottomRight());
    const auto clipboardText = [] {
        wxTextDataObject data;
        EXPECT_TRUE(wxTheClipboard->GetData(data));
        return data.GetText();
    };

    Key(viewer, 'C', wxMOD_CONTROL);
    EXPECT_FALSE(wxTheClipboard->IsOpened());
    ASSERT_TRUE(wxTheClipboard->Open());
    EXPECT_EQ(clipboardText(), "alpha beta ");

    // Already open: the copy goes in, and the clipboard stays open.
    viewer->ClearSelection();
    viewer->CopyTextToClipboard();
    EXPECT_TRUE(wxTheClipboard->IsOpened());
    EXPECT_EQ(clipboardText(), "alpha beta gamma\ndelta epsilon");
    wxTheClipboard->Clear();
    wxTheClipboard->Close();
}

}  // namespace
