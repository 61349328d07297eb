#include "html/HTML_Frames_Handler_TITLE.h"

#include "html/HtmlFramesetParser.h"

namespace vhtml {

bool HTML_Frames_Handler_TITLE::HandleTag(const wxHtmlTag& tag)
{
    Parser().SetTitle(Parser().GetInnerSource(tag));
    return true;
}

}  // namespace vhtml
