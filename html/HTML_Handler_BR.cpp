#include "html/HTML_Handler_BR.h"

#include <wx/html/htmlcell.h>

#include "html/HtmlWinParser.h"

namespace vhtml {

bool HTML_Handler_BR::HandleTag(const wxHtmlTag& tag)
{
    HtmlWinParser& parser = Parser();
    const int alignment = parser.GetContainer()->GetAlignHor();
    const int underlined = parser.GetFontUnderlined();
    if (underlined) {
        parser.SetFontUnderlined(false);
        parser.GetContainer()->InsertCell(new wxHtmlFontCell(parser.CreateCurrentFont()));
    }
    parser.GetContainer()->InsertCell(new wxHtmlWordCell(" ", *parser.GetDC()));
    if (underlined) {
        parser.SetFontUnderlined(underlined);
        parser.GetContainer()->InsertCell(new wxHtmlFontCell(parser.CreateCurrentFont()));
    }
    parser.CloseContainer();
    wxHtmlContainerCell* line = parser.OpenContainer();
    line->SetAlignHor(alignment);
    if (tag.HasParam("ALIGN"))
        line->SetAlign(tag);
    return false;
}

}  // namespace vhtml
