// Where links that leave the viewer go: web, mail and ftp addresses and
// files to open or print are handed to the desktop through one of these.
#pragma once

#include <wx/string.h>

namespace vhtml {

class Launcher {
public:
    virtual ~Launcher() = default;

    // verb "" with an address (http:, https:, mailto:, ftp:); or a verb
    // ("" or "open", "print", or any other a page names) with a file.
    virtual void Launch(const wxString& verb, const wxString& target) = 0;
};

}  // namespace vhtml
