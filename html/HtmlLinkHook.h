// Something that may take a clicked link before the viewer dispatches it.
#pragma once

#include <wx/string.h>

namespace vhtml {

class HtmlWindow;

class HtmlLinkHook {
public:
    virtual ~HtmlLinkHook() = default;

    // True when the hook has handled the link: the viewer does nothing more.
    virtual bool OnLink(const wxString& href, const wxString& target, HtmlWindow* window) = 0;
};

}  // namespace vhtml
