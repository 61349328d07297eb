#include "html/HTML_Handler_BASE.h"

#include "html/HtmlWinParser.h"

namespace vhtml {

bool HTML_Handler_BASE::HandleTag(const wxHtmlTag& tag)
{
    if (tag.HasParam("HREF") && Parser().GetFS())
        Parser().GetFS()->ChangePathTo(tag.GetParam("HREF"), false);
    return true;
}

}  // namespace vhtml
