// Reading what a link's href says: the forms that leave the page (desktop
// addresses, "shell:" links, the script pop-up) and whether a location
// names its place absolutely.
#pragma once

#include <optional>

#include <wx/string.h>

namespace vhtml {

// Whether text begins with prefix, ASCII letters compared without case.
bool StartsWithNoCase(const wxString& text, const wxString& prefix);

// Whether a location is absolute as pages written for Windows mean it:
// "/", "\" or a letter and ":" at its start. Locations that are not get the
// current path put in front of them.
bool IsAbsoluteLocation(const wxString& location);

// Web, mail and ftp addresses, which the desktop opens: http:, https:,
// mailto: and ftp:, in any letter case.
bool IsDesktopAddress(const wxString& href);

// "javascript:DoPopup('" in any letter case.
bool IsScriptPopup(const wxString& href);

struct ScriptPopup {
    wxString url;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// javascript:DoPopup('url',a,b,c...: the url up to the next "'", then three
// fields cut at the first two commas, each read as a decimal integer with
// leading white space and a sign (no digits read 0, values past the range of
// int stop at its ends). x and y are both a, the width c, the height b.
// Nothing without the quote or either comma.
std::optional<ScriptPopup> ReadScriptPopup(const wxString& href);

// "shell:" in any letter case.
bool IsShellLink(const wxString& href);

struct ShellLink {
    wxString verb;  // "" for the default action
    wxString file;
};

// shell:verb:file or shell:file; the verb runs to the first ":".
ShellLink ReadShellLink(const wxString& href);

// The local folder, ending with "/", that a file system's current path
// names: a "file:" address, a local path (one not absolute is taken from
// the working folder), or "" for the working folder. None for a place
// inside an archive ("#zip:") or another protocol.
std::optional<wxString> LocalFolderOf(const wxString& path);

}  // namespace vhtml
