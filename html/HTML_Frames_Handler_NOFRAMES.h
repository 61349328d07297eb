// NOFRAMES: what a page offers browsers without frames is skipped.
#pragma once

#include "html/HtmlFramesetTagHandler.h"

namespace vhtml {

class HTML_Frames_Handler_NOFRAMES : public HtmlFramesetTagHandler {
public:
    wxString GetSupportedTags() override { return "NOFRAMES"; }
    bool HandleTag(const wxHtmlTag&) override { return true; }
};

}  // namespace vhtml
