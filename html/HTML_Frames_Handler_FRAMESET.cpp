#include "html/HTML_Frames_Handler_FRAMESET.h"

#include <memory>

#include <wx/filesys.h>

#include "html/HtmlFramesetParser.h"

namespace vhtml {

bool HTML_Frames_Handler_FRAMESET::HandleTag(const wxHtmlTag& tag)
{
    HtmlFramesetParser& parser = Parser();
    if (tag.GetName() == "FRAME") {
        if (m_current)
            m_current->AddFrame(tag, parser.GetFS() ? parser.GetFS()->GetPath() : wxString());
        return false;
    }
    HtmlFrameset* previous = m_current;
    m_current = parser.AddFrameset(std::make_unique<HtmlFrameset>(parser.GetOwner(), tag));
    m_current->SetTitle(parser.GetTitle());
    ParseInner(tag);
    m_current = previous;
    return true;
}

}  // namespace vhtml
