// One page a viewer has shown.
#pragma once

#include <wx/string.h>

namespace vhtml {

struct HtmlHistoryItem {
    wxString page;
    wxString anchor;
    // Vertical view start, in scroll units, when the viewer left the page.
    int scrollPosition = 0;
};

}  // namespace vhtml
