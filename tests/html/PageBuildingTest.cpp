// Pages as the viewer lays them out: paragraphs, line breaks, font sizes and
// faces, the page's colours and margins, preformatted text and character
// references, measured against the height of a line of ordinary text.
#include <wx/html/htmlcell.h>

#include "HtmlTestSupport.h"
#include "html/CellText.h"
#include "html/PreCell.h"

using namespace htmltest;

namespace {

class PageTest : public HtmlTest {};

const vhtml::PreCell* PreCellOf(const wxHtmlCell* root)
{
    return static_cast<const vhtml::PreCell*>(
        FindCell(root, [](const wxHtmlCell& cell) { return dynamic_cast<const vhtml::PreCell*>(&cell) != nullptr; }));
}

TEST_F(PageTest, LinesAndParagraphGapsInCharacterHeights)
{
    // How far below word "a" word "b" stands, in lines and in gaps of one
    // character height.
    struct Case {
        const char* page;
        int lines;
        int gaps;
    };
    const Case cases[] = {
        {"a<p>b", 1, 1},
        {"a<br>b", 1, 0},
        {"a<br><br>b", 2, 0},
        {"<p>a<p>b", 1, 0},            // the page's first block holds no text
        {"<h1>T</h1><p>a<p>b", 1, 0},  // nor after a heading that opens the page
        {"x<p>a<p>b", 1, 1},
        {"<table><tr><td>a<p>b</td></tr></table>", 1, 1},
        {"<p><table><tr><td>a<p>b</td></tr></table>", 1, 1},  // the cell's content counts, not the page's
        {"a </p>b", 0, 0},                                    // a stray ending tag is ignored
        {"<font size=+1><br></font>a<br>b", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Viewer* viewer = ShowPage(c.page);
        const wxHtmlCell* root = viewer->GetInternalRepresentation();
        const Word a = WordNamed(root, "a");
        const Word b = WordNamed(root, "b");
        const int line = a.box.height;
        EXPECT_EQ(b.box.y - a.box.y, c.lines * line + c.gaps * viewer->CharHeight());
        viewer->Destroy();
    }
}

TEST_F(PageTest, TwoLineBreaksLeaveOneEmptyLineAndItsSpaceInTheText)
{
    Viewer* viewer = ShowPage("a<br><br>b");
    EXPECT_EQ(viewer->GetCellText(), "a \n \nb");
    const wxHtmlCell* root = viewer->GetInternalRepresentation();
    EXPECT_EQ(WordNamed(root, "b").box.y - WordNamed(root, "a").box.y, 2 * viewer->CharHeight());
}

TEST_F(PageTest, TextOfThePage)
{
    struct Case {
        const char* page;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"one two   three", L"one two three"},
        {"a<p>b", L"a\nb"},
        {"<table><tr><td>a</td><td>b</td></tr></table><p>c", L"a\nb\nc"},
        {"a<pre>code</pre>b", L"a\nb"},
        {"<script>var x = '<b>';</script>y", L"y"},
        {"<style>p { color: red }</style>y", L"y"},
        {"<title>T</title>y", L"y"},
        // Character references are decoded once, all of them.
        {"a&amp;b", L"a&b"},
        {"&amp;lt;", L"&lt;"},
        {"&reg; &aelig; &yen; &copy;", L"\u00AE \u00E6 \u00A5 \u00A9"},
        {"&#65;&#66;", L"AB"},
        {"&#321;", L"\u0141"},
        {"&#x41;&#X42;", L"AB"},
        {"&#", L"&#"},
        {"a &#12345678901234567890 b", L"a \uFFFD b"},
        {"&#1114112;&#xD800;&#x110000;", L"\uFFFD\uFFFD\uFFFD"},
        {"&nosuch;", L"&nosuch;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Viewer* viewer = ShowPage(c.page);
        EXPECT_EQ(viewer->GetCellText(), wxString(c.text));
        viewer->Destroy();
    }
}

TEST_F(PageTest, FontSizesCountFromSizeThreeAndStayWithinOneToSeven)
{
    const int points[] = {7, 10, 12, 14, 16, 22, 30};
    struct Case {
        const char* page;
        int htmlSize;
    };
    const Case cases[] = {
        {"<font size=5>x</font>", 5},
        {"<font size=+1>x</font>", 4},
        {"<font size=-1>x</font>", 2},
        {"<font size=+9>x</font>", 7},
        {"<font size=-5>x</font>", 1},
        {"<font size=+2><font size=+1>x</font></font>", 4},
        {"<font size=010>x</font>", 7},
        {"<font size=08>x</font>", 7},
        {"<font size=0x3>x</font>", 1},
        {"<font size=abc>x</font>", 3},
        {"<font size=99999999999999999999>x</font>", 7},
        {"<font size=-99999999999999999999>x</font>", 1},
        {"<font size=7>y</font>x", 3},
        {"x", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Viewer* viewer = ShowPage(c.page);
        EXPECT_EQ(WordNamed(viewer->GetInternalRepresentation(), "x").box.height, TextHeight(points[c.htmlSize - 1]));
        viewer->Destroy();
    }
}

TEST_F(PageTest, FontFaceHoldsForTheElementsContentOnly)
{
    Viewer* viewer = ShowPage("<font face=\"DejaVu Sans Mono\">iiii mmmm x</font> iiii mmmm x");
    std::vector<Word> words;
    for (const Word& word : WordsOf(viewer->GetInternalRepresentation())) {
        if (!word.text.Strip(wxString::both).empty())
            words.push_back(word);
    }
    ASSERT_EQ(words.size(), 6u);
    EXPECT_EQ(words[0].box.width, words[1].box.width);  // fixed pitch inside
    EXPECT_LT(words[3].box.width, words[4].box.width);  // the normal face after
}

TEST_F(PageTest, BodyMarginsAreReadAsIntegersAndBounded)
{
    struct Case {
        const char* page;
        int left;
        int top;
    };
    const Case cases[] = {
        {"a", 8, 8},
        {"<body topmargin=0 leftmargin=0>a", 0, 0},
        {"<body topmargin=0x10 leftmargin=010>a", 8, 16},
        {"<body topmargin=abc leftmargin=3>a", 3, 8},
        {"<body leftmargin=-10 topmargin=2>a", 40, 2},  // a tenth of 400 pixels
        {"<body leftmargin=99999999999999999999 topmargin=5>a", 10000, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Viewer* viewer = ShowPage(c.page);
        const Word a = WordNamed(viewer->GetInternalRepresentation(), "a");
        EXPECT_EQ(a.box.GetPosition(), wxPoint(c.left, c.top));
        viewer->Destroy();
    }
}

TEST_F(PageTest, MarginsStayForLaterPagesUntilChanged)
{
    Viewer* viewer = ShowPage("<body topmargin=0 leftmargin=0>a");
    viewer->SetPage("a");
    EXPECT_EQ(WordNamed(viewer->GetInternalRepresentation(), "a").box.GetPosition(), wxPoint(0, 0));
    viewer->SetPage("<body leftmargin=20>a");
    EXPECT_EQ(WordNamed(viewer->GetInternalRepresentation(), "a").box.GetPosition(), wxPoint(20, 0));
}

TEST_F(PageTest, BackgroundIsWhiteUnlessTheBodySetsOne)
{
    struct Case {
        const char* page;
        wxColour background;
    };
    const Case cases[] = {
        {"a", wxColour(255, 255, 255)},
        {"<body bgcolor=#102030>a", wxColour(0x10, 0x20, 0x30)},
        {"<body bgcolor=#FFF>a", wxColour(255, 255, 255)},
        {"<body bgcolor=#ABC>a", wxColour(0xAA, 0xBB, 0xCC)},
        {"<body bgcolor=red>a", wxColour(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Viewer* viewer = ShowPage(c.page);
        EXPECT_EQ(viewer->GetBackgroundColour(), c.background);
        EXPECT_TRUE(HasPixel(viewer->Render(wxSize(50, 50)), c.background));
        viewer->Destroy();
    }
}

TEST_F(PageTest, TextIsBlackAndLinksBlueUnlessTheBodySaysOtherwise)
{
    struct Case {
        const char* page;
        wxColour drawn;
    };
    const Case cases[] = {
        {"<font size=7><b>TEXT</b></font>", wxColour(0, 0, 0)},
        {"<font size=7><b><a href=x>LINK</a></b></font>", wxColour(0, 0, 255)},
        {"<body text=#00A000><font size=7><b>TEXT</b></font>", wxColour(0, 0xA0, 0)},
        {"<body link=#C00000><font size=7><b><a href=x>LINK</a></b></font>", wxColour(0xC0, 0, 0)},
        {"<font color=#0C0><font size=7><b>TEXT</b></font></font>", wxColour(0, 0xCC, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Viewer* viewer = ShowPage(c.page);
        EXPECT_TRUE(HasPixel(viewer->Render(wxSize(300, 80)), c.drawn));
        viewer->Destroy();
    }
}

TEST_F(PageTest, PreformattedTextKeepsItsLinesInSmallFixedType)
{
    struct Case {
        const char* page;
        std::vector<wxString> lines;
    };
    const Case cases[] = {
        {"<pre>a\n\nb</pre>", {"a", "", "b"}},
        {"<pre>\nfirst\nlast\n</pre>", {"first", "last"}},
        {"<pre>\r\na\r\n\r\nb\r\n</pre>", {"a", "", "b"}},
        {"<pre>\tx &copy; &lt;&amp;&gt; &quot;&nbsp;</pre>", {"        x (c) <&> \" "}},
        {"<pre><b>x</b> &#65;</pre>", {"<b>x</b> &#65;"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Viewer* viewer = ShowPage(c.page);
        const vhtml::PreCell* pre = PreCellOf(viewer->GetInternalRepresentation());
        ASSERT_NE(pre, nullptr);
        EXPECT_EQ(pre->GetLines(), c.lines);
        EXPECT_EQ(pre->GetLineHeight(), TextHeight(7, true));
        EXPECT_EQ(pre->GetHeight(), static_cast<int>(c.lines.size()) * pre->GetLineHeight());
        EXPECT_EQ(viewer->GetCellText(), "");
        viewer->Destroy();
    }
}

TEST_F(PageTest, PreformattedBlockStandsOffByACharacterHeight)
{
    Viewer* viewer = ShowPage("a<pre>x</pre>b");
    const wxHtmlCell* root = viewer->GetInternalRepresentation();
    const vhtml::PreCell* pre = PreCellOf(root);
    ASSERT_NE(pre, nullptr);
    const int height = viewer->CharHeight();
    const Word a = WordNamed(root, "a");
    const Word b = WordNamed(root, "b");
    EXPECT_EQ(pre->GetAbsPos(const_cast<wxHtmlCell*>(root)).y, a.box.GetBottom() + 1 + height);
    EXPECT_EQ(b.box.y, pre->GetAbsPos(const_cast<wxHtmlCell*>(root)).y + pre->GetHeight() + height);
}

TEST_F(PageTest, UnclosedPreformattedTextRunsToTheEndOnce)
{
    Viewer* viewer = ShowPage("a<pre>x\n<b>y</b>");
    const vhtml::PreCell* pre = PreCellOf(viewer->GetInternalRepresentation());
    ASSERT_NE(pre, nullptr);
    EXPECT_EQ(pre->GetLines(), (std::vector<wxString>{"x", "<b>y</b>"}));
    EXPECT_EQ(viewer->GetCellText(), "a");
}

TEST_F(PageTest, ContentTestAsksOnlyTheFirstChild)
{
    Viewer* viewer = ShowPage("x");
    const wxHtmlCell* root = viewer->GetInternalRepresentation();
    EXPECT_TRUE(vhtml::HasContent(root));
    viewer->SetPage("<p>x");
    EXPECT_FALSE(vhtml::HasContent(viewer->GetInternalRepresentation()));
    EXPECT_FALSE(vhtml::HasContent(nullptr));
}

}  // namespace
