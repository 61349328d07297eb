#include "html/CellSelection.h"

#include <algorithm>
#include <cstdint>

#include <wx/html/htmlcell.h>

namespace vhtml {
namespace {

struct Edges {
    int64_t left, top, right, bottom;
};

Edges SharedEdges(const wxRect& a, const wxRect& b)
{
    return {std::max<int64_t>(a.x, b.x), std::max<int64_t>(a.y, b.y),
            std::min<int64_t>(int64_t{a.x} + a.width, int64_t{b.x} + b.width),
            std::min<int64_t>(int64_t{a.y} + a.height, int64_t{b.y} + b.height)};
}

const wxHtmlContainerCell* AsContainer(const wxHtmlCell* cell)
{
    return wxDynamicCast(const_cast<wxHtmlCell*>(cell), wxHtmlContainerCell);
}

bool IsWord(const wxHtmlCell* cell)
{
    return wxDynamicCast(const_cast<wxHtmlCell*>(cell), wxHtmlWordCell) != nullptr;
}

bool MeetsBand(int y, int height, int top, int bottom)
{
    return y <= bottom && int64_t{y} + height > top;
}

void CollectInBand(const wxHtmlContainerCell& container, const wxPoint& origin, const CellSet& selected, int top,
                   int bottom, std::vector<wxRect>& found)
{
    if (!MeetsBand(origin.y, container.GetHeight(), top, bottom))
        return;
    for (const wxHtmlCell* child = container.GetFirstChild(); child; child = child->GetNext()) {
        const wxPoint at = origin + wxPoint(child->GetPosX(), child->GetPosY());
        if (const wxHtmlContainerCell* inner = AsContainer(child))
            CollectInBand(*inner, at, selected, top, bottom, found);
        else if (selected.count(child) && MeetsBand(at.y, child->GetHeight(), top, bottom))
            found.emplace_back(at, wxSize(child->GetWidth(), child->GetHeight()));
    }
}

}  // namespace

bool RectsIntersect(const wxRect& a, const wxRect& b)
{
    const Edges e = SharedEdges(a, b);
    return e.left < e.right && e.top < e.bottom;
}

wxRect IntersectRects(const wxRect& a, const wxRect& b)
{
    const Edges e = SharedEdges(a, b);
    if (e.left >= e.right || e.top >= e.bottom)
        return wxRect(0, 0, 0, 0);
    return wxRect(static_cast<int>(e.left), static_cast<int>(e.top), static_cast<int>(e.right - e.left),
                  static_cast<int>(e.bottom - e.top));
}

void SelectCellsInRect(const wxHtmlCell& cell, const wxRect& rect, CellSet& selected)
{
    const wxHtmlContainerCell* container = AsContainer(&cell);
    if (!container) {
        if (IsWord(&cell) && RectsIntersect(wxRect(0, 0, cell.GetWidth(), cell.GetHeight()), rect))
            selected.insert(&cell);
        return;
    }
    for (const wxHtmlCell* child = container->GetFirstChild(); child; child = child->GetNext()) {
        const wxRect box(child->GetPosX(), child->GetPosY(), child->GetWidth(), child->GetHeight());
        if (!RectsIntersect(box, rect))
            continue;
        const wxRect part = IntersectRects(rect, box);
        SelectCellsInRect(*child, wxRect(part.x - box.x, part.y - box.y, part.width, part.height), selected);
    }
}

std::vector<wxRect> SelectedWordsInBand(const wxHtmlContainerCell& root, const CellSet& selected, int top, int bottom)
{
    std::vector<wxRect> found;
    if (!selected.empty())
        CollectInBand(root, wxPoint(root.GetPosX(), root.GetPosY()), selected, top, bottom, found);
    return found;
}

}  // namespace vhtml
