#include "html/HTML_Handler_BODY.h"

#include <algorithm>

#include <wx/html/htmlcell.h>

#include "html/HtmlWinParser.h"
#include "html/HtmlWindow.h"
#include "html/TagValues.h"

namespace vhtml {
namespace {

// Margins in pixels, negative ones in percent of the page's width.
constexpr long kLeastMargin = -100;
constexpr long kMostMargin = 10000;

bool ReadMargin(const wxHtmlTag& tag, const char* name, int* margin)
{
    long value = 0;
    if (!tag.HasParam(name) || !ReadInteger(tag.GetParam(name), &value))
        return false;
    *margin = static_cast<int>(std::clamp(value, kLeastMargin, kMostMargin));
    return true;
}

}  // namespace

bool HTML_Handler_BODY::HandleTag(const wxHtmlTag& tag)
{
    HtmlWinParser& parser = Parser();
    wxColour colour;
    if (tag.HasParam("TEXT") && ReadColour(tag.GetParam("TEXT"), &colour)) {
        parser.SetActualColor(colour);
        parser.GetContainer()->InsertCell(new wxHtmlColourCell(colour));
    }
    if (tag.HasParam("LINK") && ReadColour(tag.GetParam("LINK"), &colour))
        parser.SetLinkColor(colour);
    HtmlWindow* window = parser.GetHtmlWindow();
    if (tag.HasParam("BGCOLOR") && ReadColour(tag.GetParam("BGCOLOR"), &colour)) {
        parser.GetContainer()->InsertCell(new wxHtmlColourCell(colour, wxHTML_CLR_TRANSPARENT_BACKGROUND));
        if (window)
            window->SetPageBackground(colour);
    }
    if (window) {
        int margin = 0;
        if (ReadMargin(tag, "TOPMARGIN", &margin))
            window->SetTopMargin(margin);
        if (ReadMargin(tag, "LEFTMARGIN", &margin))
            window->SetLeftMargin(margin);
    }
    return false;
}

}  // namespace vhtml
