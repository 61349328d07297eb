// Reads HTML pages: files typed text/html or application/xhtml+xml (as
// Debian types .htm), or named .htm or .html whatever their type.
#pragma once

#include <wx/html/htmlfilt.h>

namespace vhtml {

class HtmlPageFilter : public wxHtmlFilter {
public:
    bool CanRead(const wxFSFile& file) const override;
    // The file's text in the character set its type or a META tag names,
    // else UTF-8 when it is valid UTF-8, else ISO 8859-1.
    wxString ReadFile(const wxFSFile& file) const override;
};

}  // namespace vhtml
