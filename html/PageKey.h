// Which page a location names, for telling a move within the page shown
// from the opening of another one.
#pragma once

#include <wx/string.h>

namespace vhtml {

// The page part of a location: for "archive#zip:inner" the archive, "#zip:"
// and the page part of inner; else the text before the last "#" (the whole
// location when that is empty).
wxString PageKeyOf(const wxString& location);

// The text after the last "#" of the location's inner part, "" without one.
wxString AnchorOf(const wxString& location);

}  // namespace vhtml
