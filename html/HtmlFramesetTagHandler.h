// Base of the frameset parser's tag handlers: the toolkit's handler with the
// frameset parser at hand.
#pragma once

#include <wx/html/htmlpars.h>

namespace vhtml {

class HtmlFramesetParser;

class HtmlFramesetTagHandler : public ::wxHtmlTagHandler {
public:
    void SetParser(wxHtmlParser* parser) override;

protected:
    HtmlFramesetParser& Parser() const { return *m_parser; }

private:
    HtmlFramesetParser* m_parser = nullptr;
};

}  // namespace vhtml
