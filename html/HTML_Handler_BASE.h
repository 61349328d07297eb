// BASE: the folder that later relative locations of the window are looked
// for in (images of this page, pages opened afterwards).
#pragma once

#include "html/HtmlWinTagHandler.h"

namespace vhtml {

class HTML_Handler_BASE : public HtmlWinTagHandler {
public:
    wxString GetSupportedTags() override { return "BASE"; }
    bool HandleTag(const wxHtmlTag& tag) override;
};

}  // namespace vhtml
