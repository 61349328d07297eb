// The resource file's road to the viewer: a window of class "wxHtmlWindow"
// becomes an HtmlWindow, with "style" (wxHW_SCROLLBAR_NEVER or
// wxHW_SCROLLBAR_AUTO, the default), "borders", and either "url" (a page to
// open, looked for where the resource file lies) or "htmlcode" (the page's
// source).
#pragma once

#include <wx/xrc/xmlres.h>

namespace vhtml {

class HtmlWindowXmlHandler : public wxXmlResourceHandler {
public:
    HtmlWindowXmlHandler();

    wxObject* DoCreateResource() override;
    bool CanHandle(wxXmlNode* node) override;
};

// Puts the handler in front of the toolkit's for the same class, once per
// resource loader; the program calls it at start-up after the toolkit's
// handlers are in.
void InstallXrcHandler();

}  // namespace vhtml
