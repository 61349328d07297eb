// Base of the viewer's own tag handlers: the toolkit's handler for a window
// parser, with the viewer's parser at hand.
#pragma once

#include <wx/html/winpars.h>

namespace vhtml {

class HtmlWinParser;

class HtmlWinTagHandler : public wxHtmlWinTagHandler {
public:
    void SetParser(wxHtmlParser* parser) override;

protected:
    HtmlWinParser& Parser() const { return *m_parser; }

private:
    HtmlWinParser* m_parser = nullptr;
};

}  // namespace vhtml
