// TITLE in a frameset page: its source as written becomes the title of the
// framesets that follow it.
#pragma once

#include "html/HtmlFramesetTagHandler.h"

namespace vhtml {

class HTML_Frames_Handler_TITLE : public HtmlFramesetTagHandler {
public:
    wxString GetSupportedTags() override { return "TITLE"; }
    bool HandleTag(const wxHtmlTag& tag) override;
};

}  // namespace vhtml
