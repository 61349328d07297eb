#include "html/HtmlFramesetTagHandler.h"

#include "html/HtmlFramesetParser.h"

namespace vhtml {

void HtmlFramesetTagHandler::SetParser(wxHtmlParser* parser)
{
    ::wxHtmlTagHandler::SetParser(parser);
    m_parser = static_cast<HtmlFramesetParser*>(parser);
}

}  // namespace vhtml
