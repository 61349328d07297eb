// PRE: the element's source as written, in small fixed-pitch type, as one
// block of lines.
#pragma once

#include "html/HtmlWinTagHandler.h"

namespace vhtml {

class HTML_Handler_PRE : public HtmlWinTagHandler {
public:
    wxString GetSupportedTags() override { return "PRE"; }
    bool HandleTag(const wxHtmlTag& tag) override;
};

}  // namespace vhtml
