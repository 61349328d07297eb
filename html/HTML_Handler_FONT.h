// FONT: colour, face and size for the element's content, restored after it.
#pragma once

#include "html/HtmlWinTagHandler.h"

namespace vhtml {

class HTML_Handler_FONT : public HtmlWinTagHandler {
public:
    wxString GetSupportedTags() override { return "FONT"; }
    bool HandleTag(const wxHtmlTag& tag) override;
};

}  // namespace vhtml
