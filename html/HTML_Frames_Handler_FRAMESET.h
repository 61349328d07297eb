// FRAMESET and FRAME: each FRAMESET becomes the page's frameset, and the
// FRAME tags of its element fill it.
#pragma once

#include "html/HtmlFramesetTagHandler.h"

namespace vhtml {

class HtmlFrameset;

class HTML_Frames_Handler_FRAMESET : public HtmlFramesetTagHandler {
public:
    wxString GetSupportedTags() override { return "FRAMESET,FRAME"; }
    bool HandleTag(const wxHtmlTag& tag) override;

private:
    HtmlFrameset* m_current = nullptr;
};

}  // namespace vhtml
