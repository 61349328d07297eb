#include "html/HtmlWinTagHandler.h"

#include "html/HtmlWinParser.h"

namespace vhtml {

void HtmlWinTagHandler::SetParser(wxHtmlParser* parser)
{
    wxHtmlWinTagHandler::SetParser(parser);
    // Only the viewer's parser adds these handlers.
    m_parser = static_cast<HtmlWinParser*>(parser);
}

}  // namespace vhtml
