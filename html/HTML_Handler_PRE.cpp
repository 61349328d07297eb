#include "html/HTML_Handler_PRE.h"

#include <wx/html/htmlcell.h>

#include "html/HtmlWinParser.h"
#include "html/PreCell.h"

namespace vhtml {

bool HTML_Handler_PRE::HandleTag(const wxHtmlTag& tag)
{
    HtmlWinParser& parser = Parser();
    const int bold = parser.GetFontBold();
    const int italic = parser.GetFontItalic();
    const int underlined = parser.GetFontUnderlined();
    const int fixed = parser.GetFontFixed();
    const int size = parser.GetFontSize();

    parser.CloseContainer();
    wxHtmlContainerCell* block = parser.OpenContainer();
    block->SetAlignHor(wxHTML_ALIGN_LEFT);
    block->SetIndent(parser.GetCharHeight(), wxHTML_INDENT_TOP | wxHTML_INDENT_BOTTOM);

    parser.SetFontBold(false);
    parser.SetFontItalic(false);
    parser.SetFontUnderlined(false);
    parser.SetFontFixed(true);
    parser.SetFontSize(1);
    block->InsertCell(new wxHtmlFontCell(parser.CreateCurrentFont()));
    // The guard gives every PRE an ending tag.
    block->InsertCell(new PreCell(tag.HasEnding() ? parser.GetInnerSource(tag) : wxString(), *parser.GetDC()));

    parser.SetFontBold(bold);
    parser.SetFontItalic(italic);
    parser.SetFontUnderlined(underlined);
    parser.SetFontFixed(fixed);
    parser.SetFontSize(size);
    block->InsertCell(new wxHtmlFontCell(parser.CreateCurrentFont()));
    parser.CloseContainer();
    parser.OpenContainer();
    return true;
}

}  // namespace vhtml
