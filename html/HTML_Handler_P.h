// P: a new paragraph, with a gap of one character height above it only when
// the block it belongs to (the outermost one below a table cell, or the
// page) already holds content.
#pragma once

#include "html/HtmlWinTagHandler.h"

namespace vhtml {

class HTML_Handler_P : public HtmlWinTagHandler {
public:
    wxString GetSupportedTags() override { return "P"; }
    bool HandleTag(const wxHtmlTag& tag) override;
};

}  // namespace vhtml
