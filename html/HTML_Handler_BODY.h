// BODY: text, link and background colours, and the window's top and left
// margins, which stay for later pages until something changes them.
#pragma once

#include "html/HtmlWinTagHandler.h"

namespace vhtml {

class HTML_Handler_BODY : public HtmlWinTagHandler {
public:
    wxString GetSupportedTags() override { return "BODY"; }
    bool HandleTag(const wxHtmlTag& tag) override;
};

}  // namespace vhtml
