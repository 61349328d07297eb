// Selecting a page's words with a rectangle, and finding what of the
// selection a band of the page shows.
#pragma once

#include <unordered_set>
#include <vector>

#include <wx/gdicmn.h>

class wxHtmlCell;
class wxHtmlContainerCell;

namespace vhtml {

// The selected cells of one page: words only, as only words have text.
using CellSet = std::unordered_set<const wxHtmlCell*>;

// Whether the rectangles share an area; rectangles that only touch do not.
bool RectsIntersect(const wxRect& a, const wxRect& b);
// Their shared area, (0, 0, 0, 0) when there is none.
wxRect IntersectRects(const wxRect& a, const wxRect& b);

// Adds to selected the words that rect, in cell's coordinates, meets: a
// word itself, or those of a container's children whose boxes it meets, in
// the part of rect that falls in each.
void SelectCellsInRect(const wxHtmlCell& cell, const wxRect& rect, CellSet& selected);

// The places (page coordinates) of the selected words that the page band
// from top to bottom (both included) shows.
std::vector<wxRect> SelectedWordsInBand(const wxHtmlContainerCell& root, const CellSet& selected, int top, int bottom);

}  // namespace vhtml
