// What a cell tree holds as text.
#pragma once

#include <wx/string.h>

#include "html/CellSelection.h"

class wxHtmlCell;

namespace vhtml {

// Whether the chain from cell on holds content: a word answers whether its
// text is not empty, a container as its first child does (false when empty),
// any other cell as the cell after it does (false at the end of the chain).
bool HasContent(const wxHtmlCell* cell);

// A cell's text: a word's text with the space after it; a container's
// children in order, each child container that yields text on a line of
// its own; "" for every other cell. With selected, only the words it holds
// count.
wxString ToText(const wxHtmlCell& cell, const CellSet* selected = nullptr);

}  // namespace vhtml
