#include "html/HtmlFramesetParser.h"

#include "html/HTML_Frames_Handler_FRAMESET.h"
#include "html/HTML_Frames_Handler_NOFRAMES.h"
#include "html/HTML_Frames_Handler_TITLE.h"

namespace vhtml {

HtmlFramesetParser::HtmlFramesetParser(HtmlWindow* owner) : m_owner(owner)
{
    AddTagHandler(new HTML_Frames_Handler_TITLE);
    AddTagHandler(new HTML_Frames_Handler_FRAMESET);
    AddTagHandler(new HTML_Frames_Handler_NOFRAMES);
}

HtmlFramesetParser::~HtmlFramesetParser() = default;

void HtmlFramesetParser::InitParser(const wxString& source)
{
    m_framesets.clear();
    m_title.clear();
    ::wxHtmlParser::InitParser(source);
}

void HtmlFramesetParser::DoneParser()
{
    m_framesets.clear();
    ::wxHtmlParser::DoneParser();
}

wxObject* HtmlFramesetParser::GetProduct()
{
    if (m_framesets.empty())
        return nullptr;
    HtmlFrameset* product = m_framesets.back().release();
    m_framesets.pop_back();
    return product;
}

HtmlFrameset* HtmlFramesetParser::AddFrameset(std::unique_ptr<HtmlFrameset> frameset)
{
    m_framesets.push_back(std::move(frameset));
    return m_framesets.back().get();
}

}  // namespace vhtml
