#include "html/CellText.h"

#include <wx/html/htmlcell.h>

namespace vhtml {
namespace {

const wxHtmlWordCell* AsWord(const wxHtmlCell* cell)
{
    return wxDynamicCast(const_cast<wxHtmlCell*>(cell), wxHtmlWordCell);
}

const wxHtmlContainerCell* AsContainer(const wxHtmlCell* cell)
{
    return wxDynamicCast(const_cast<wxHtmlCell*>(cell), wxHtmlContainerCell);
}

}  // namespace

bool HasContent(const wxHtmlCell* cell)
{
    while (cell) {
        if (const wxHtmlWordCell* word = AsWord(cell))
            return !word->ConvertToText(nullptr).empty();
        if (const wxHtmlContainerCell* container = AsContainer(cell))
            cell = container->GetFirstChild();
        else
            cell = cell->GetNext();
    }
    return false;
}

wxString ToText(const wxHtmlCell& cell, const CellSet* selected)
{
    if (const wxHtmlWordCell* word = AsWord(&cell))
        return !selected || selected->count(word) ? word->ConvertToText(nullptr) : wxString();
    const wxHtmlContainerCell* container = AsContainer(&cell);
    if (!container)
        return wxString();
    wxString text;
    for (const wxHtmlCell* child = container->GetFirstChild(); child; child = child->GetNext()) {
        const wxString part = ToText(*child, selected);
        if (!AsContainer(child)) {
            text += part;
        } else if (!part.empty()) {
            if (!text.empty())
                text += '\n';
            text += part;
        }
    }
    return text;
}

}  // namespace vhtml
