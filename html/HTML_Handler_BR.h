// BR: a line break that keeps the height of an empty line: a space ends the
// line (outside any underline), and the next line keeps its alignment.
#pragma once

#include "html/HtmlWinTagHandler.h"

namespace vhtml {

class HTML_Handler_BR : public HtmlWinTagHandler {
public:
    wxString GetSupportedTags() override { return "BR"; }
    bool HandleTag(const wxHtmlTag& tag) override;
};

}  // namespace vhtml
