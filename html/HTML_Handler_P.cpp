#include "html/HTML_Handler_P.h"

#include <cstring>
#include <typeinfo>

#include <wx/html/htmlcell.h>

#include "html/CellText.h"
#include "html/HtmlWinParser.h"

namespace vhtml {
namespace {

// The toolkit's table cell carries no class information of its own, only
// its type.
bool IsTable(const wxHtmlCell* cell)
{
    return std::strcmp(typeid(*cell).name(), "15wxHtmlTableCell") == 0;
}

}  // namespace

bool HTML_Handler_P::HandleTag(const wxHtmlTag& tag)
{
    HtmlWinParser& parser = Parser();
    const wxHtmlCell* block = parser.GetContainer();
    while (block != parser.GetPageRoot() && block->GetParent() && !IsTable(block->GetParent()))
        block = block->GetParent();
    const bool afterContent = HasContent(block);
    if (parser.GetContainer()->GetFirstChild()) {
        parser.CloseContainer();
        parser.OpenContainer();
    }
    if (afterContent)
        parser.GetContainer()->SetIndent(parser.GetCharHeight(), wxHTML_INDENT_TOP);
    parser.GetContainer()->SetAlign(tag);
    return false;
}

}  // namespace vhtml
