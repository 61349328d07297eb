#include "html/HtmlWinParser.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/html/htmlcell.h>

#include "html/HTML_Handler_BASE.h"
#include "html/HTML_Handler_BODY.h"
#include "html/HTML_Handler_BR.h"
#include "html/HTML_Handler_FONT.h"
#include "html/HTML_Handler_P.h"
#include "html/HTML_Handler_PRE.h"
#include "html/HtmlWindow.h"
#include "html/SourceGuard.h"

namespace vhtml {
namespace {

constexpr size_t kTextPiece = 1023;
// More than the handlers, nested as deep as the guard lets them, can close
// beyond the page's root.
constexpr int kSpareContainers = 2 * kMaxNesting + 8;
// The most cells in a row that allow no line break between them.
constexpr int kLongestRun = 64;

// An empty cell at which a line may break. The toolkit's layout measures,
// for every cell, the run of cells up to the next place where a line may
// break, so a long run (a word written as many pieces) would cost time that
// grows with its square.
class LineBreakPlace : public wxHtmlCell {
public:
    bool IsLinebreakAllowed() const override { return true; }
};

void BreakLongRuns(wxHtmlContainerCell& container)
{
    int run = 0;
    for (wxHtmlCell* cell = container.GetFirstChild(); cell; cell = cell->GetNext()) {
        if (auto* inner = wxDynamicCast(cell, wxHtmlContainerCell))
            BreakLongRuns(*inner);
        if (cell->IsLinebreakAllowed()) {
            run = 0;
        } else if (++run >= kLongestRun && cell->GetNext()) {
            auto* place = new LineBreakPlace;
            place->SetParent(&container);
            place->SetNext(cell->GetNext());
            cell->SetNext(place);
            cell = place;
            run = 0;
        }
    }
}

}  // namespace

const int HtmlWinParser::kDefaultSizes[7] = {7, 10, 12, 14, 16, 22, 30};

HtmlWinParser::HtmlWinParser(HtmlWindow* window) : wxHtmlWinParser(window), m_window(window)
{
    SetFonts(wxString(), wxFONTSTYLE_SLANT, wxString(), wxFONTSTYLE_SLANT, kDefaultSizes);
    // Added after the toolkit's, these take the place of its handlers for
    // the same tags.
    AddTagHandler(new HTML_Handler_P);
    AddTagHandler(new HTML_Handler_BR);
    AddTagHandler(new HTML_Handler_BODY);
    AddTagHandler(new HTML_Handler_BASE);
    AddTagHandler(new HTML_Handler_FONT);
    AddTagHandler(new HTML_Handler_PRE);
}

void HtmlWinParser::SetFonts(const wxString& normalFace, int normalItalic, const wxString& fixedFace, int fixedItalic,
                             const int* sizes)
{
    m_normalFace = normalFace;
    m_fixedFace = fixedFace;
    m_normalItalic = normalItalic;
    m_fixedItalic = fixedItalic;
    std::copy(sizes, sizes + 7, m_sizes);
    wxHtmlWinParser::SetFonts(normalFace, fixedFace, sizes);
}

void HtmlWinParser::InitParser(const wxString& source)
{
    m_faceOverride.clear();
    m_tagDepth = 0;
    // The toolkit's handlers close containers relative to where they think
    // they are; a list item inside other blocks moves them elsewhere, and
    // enough of them would close the page's root and leave the parser
    // without a container. Spare containers above the root take those.
    m_spareTop = nullptr;
    wxHtmlContainerCell* spare = nullptr;
    for (int i = 0; i < kSpareContainers; ++i) {
        spare = new wxHtmlContainerCell(spare);
        if (!m_spareTop)
            m_spareTop = spare;
    }
    m_spareBottom = spare;
    SetContainer(spare);
    wxHtmlWinParser::InitParser(source);
    m_pageRoot = GetContainer()->GetParent();
    SetLinkColor(wxColour(0, 0, 255));
    SetActualColor(*wxBLACK);
    GetContainer()->InsertCell(new wxHtmlColourCell(*wxBLACK));
}

void HtmlWinParser::DoneParser()
{
    wxHtmlWinParser::DoneParser();
    m_pageRoot = nullptr;
    m_spareTop = nullptr;
    m_spareBottom = nullptr;
}

wxObject* HtmlWinParser::GetProduct()
{
    CloseContainer();
    OpenContainer()->SetIndent(GetCharHeight(), wxHTML_INDENT_TOP);
    // Unless something landed in the spare containers, the page's root is
    // the product and the spares go.
    bool sparesEmpty = true;
    for (wxHtmlCell* spare = m_spareTop; spare != m_pageRoot && sparesEmpty; spare = spare->GetFirstChild())
        sparesEmpty = spare->GetFirstChild() && !spare->GetFirstChild()->GetNext();
    wxHtmlContainerCell* root = m_spareTop;
    if (sparesEmpty) {
        root = m_pageRoot;
        m_spareBottom->Detach(root);
        delete m_spareTop;
    }
    m_spareTop = nullptr;
    BreakLongRuns(*root);
    return root;
}

wxFont* HtmlWinParser::CreateCurrentFont()
{
    if (m_faceOverride.empty())
        return wxHtmlWinParser::CreateCurrentFont();
    // Font cells keep a copy, so one font serves every override.
    m_overrideFont = wxFont(wxFontInfo(m_sizes[GetFontSize() - 1])
                                .Family(GetFontFixed() ? wxFONTFAMILY_MODERN : wxFONTFAMILY_SWISS)
                                .Italic(GetFontItalic() != 0)
                                .Bold(GetFontBold() != 0)
                                .Underlined(GetFontUnderlined() != 0)
                                .FaceName(m_faceOverride));
    GetDC()->SetFont(m_overrideFont);
    return &m_overrideFont;
}

void HtmlWinParser::AddText(const wxString& text)
{
    for (size_t at = 0; at < text.length(); at += kTextPiece)
        wxHtmlWinParser::AddText(text.substr(at, kTextPiece));
}

void HtmlWinParser::AddTag(const wxHtmlTag& tag)
{
    // The guard's page element comes on top of the page's own nesting.
    if (m_tagDepth > kMaxNesting)
        return;
    ++m_tagDepth;
    wxHtmlWinParser::AddTag(tag);
    --m_tagDepth;
}

}  // namespace vhtml
