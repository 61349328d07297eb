#include "html/HTML_Handler_FONT.h"

#include <algorithm>

#include <wx/html/htmlcell.h>

#include "html/HtmlWinParser.h"
#include "html/TagValues.h"

namespace vhtml {
namespace {

// Sizes past these end at HTML size 1 or 7 anyway.
constexpr long kLeastSize = -100;
constexpr long kMostSize = 100;

}  // namespace

bool HTML_Handler_FONT::HandleTag(const wxHtmlTag& tag)
{
    HtmlWinParser& parser = Parser();
    const wxColour oldColour = parser.GetActualColor();
    const int oldSize = parser.GetFontSize();
    const wxString oldFace = parser.GetFaceOverride();

    wxColour colour;
    if (tag.HasParam("COLOR") && ReadColour(tag.GetParam("COLOR"), &colour)) {
        parser.SetActualColor(colour);
        parser.GetContainer()->InsertCell(new wxHtmlColourCell(colour));
    }
    if (tag.HasParam("FACE") || tag.HasParam("SIZE")) {
        if (tag.HasParam("FACE"))
            parser.SetFaceOverride(tag.GetParam("FACE"));
        long size = 0;
        const wxString sizeText = tag.GetParam("SIZE");
        if (tag.HasParam("SIZE") && ReadDecimal(sizeText, &size)) {
            size = std::clamp(size, kLeastSize, kMostSize);
            const bool relative = sizeText.StartsWith("+") || sizeText.StartsWith("-");
            parser.SetFontSize(static_cast<int>(relative ? HtmlWinParser::kBaseFontSize + size : size));
        }
        parser.GetContainer()->InsertCell(new wxHtmlFontCell(parser.CreateCurrentFont()));
    }

    if (tag.HasEnding())
        ParseInner(tag);

    if (parser.GetActualColor() != oldColour) {
        parser.SetActualColor(oldColour);
        parser.GetContainer()->InsertCell(new wxHtmlColourCell(oldColour));
    }
    if (parser.GetFontSize() != oldSize || parser.GetFaceOverride() != oldFace) {
        parser.SetFontSize(oldSize);
        parser.SetFaceOverride(oldFace);
        parser.GetContainer()->InsertCell(new wxHtmlFontCell(parser.CreateCurrentFont()));
    }
    return true;
}

}  // namespace vhtml
