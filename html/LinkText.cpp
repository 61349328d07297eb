#include "html/LinkText.h"

#include <algorithm>
#include <climits>

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/filesys.h>

namespace vhtml {
namespace {

wxUniChar AsciiLower(wxUniChar c)
{
    return c >= 'A' && c <= 'Z' ? wxUniChar(c.GetValue() - 'A' + 'a') : c;
}

bool IsAsciiLetter(wxUniChar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsCSpace(wxUniChar c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A decimal integer as atol reads it, kept within int.
int ReadDecimal(const wxString& text)
{
    size_t p = 0;
    while (p < text.length() && IsCSpace(text[p]))
        ++p;
    bool negative = false;
    if (p < text.length() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    long long value = 0;
    for (; p < text.length() && text[p] >= '0' && text[p] <= '9'; ++p)
        value = std::min(value * 10 + (text[p].GetValue() - '0'), static_cast<long long>(INT_MAX) + 1);
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp(value, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
}

// Whether text begins with a protocol name and ":" ("http:", "file:"); a
// single letter and ":" is a drive.
bool HasProtocol(const wxString& text)
{
    if (text.empty() || !IsAsciiLetter(text[0]))
        return false;
    size_t p = 1;
    while (p < text.length() && (IsAsciiLetter(text[p]) || (text[p] >= '0' && text[p] <= '9') || text[p] == '+' ||
                                 text[p] == '-' || text[p] == '.'))
        ++p;
    return p >= 2 && p < text.length() && text[p] == ':';
}

const char* const kScriptPopup = "javascript:DoPopup('";
constexpr size_t kScriptRest = 1000;

}  // namespace

bool StartsWithNoCase(const wxString& text, const wxString& prefix)
{
    if (text.length() < prefix.length())
        return false;
    for (size_t i = 0; i < prefix.length(); ++i) {
        if (AsciiLower(text[i]) != AsciiLower(prefix[i]))
            return false;
    }
    return true;
}

bool IsAbsoluteLocation(const wxString& location)
{
    if (location.empty())
        return false;
    if (location[0] == '/' || location[0] == '\\')
        return true;
    return location.length() >= 2 && IsAsciiLetter(location[0]) && location[1] == ':';
}

bool IsDesktopAddress(const wxString& href)
{
    for (const char* scheme : {"http:", "https:", "mailto:", "ftp:"}) {
        if (StartsWithNoCase(href, scheme))
            return true;
    }
    return false;
}

bool IsScriptPopup(const wxString& href)
{
    return StartsWithNoCase(href, kScriptPopup);
}

std::optional<ScriptPopup> ReadScriptPopup(const wxString& href)
{
    if (!IsScriptPopup(href))
        return std::nullopt;
    const wxString rest = href.Mid(wxStrlen(kScriptPopup), kScriptRest);
    const size_t quote = rest.find('\'');
    if (quote == wxString::npos)
        return std::nullopt;
    const wxString fields = rest.substr(quote + 1);
    const size_t first = fields.find(',');
    if (first == wxString::npos)
        return std::nullopt;
    const size_t second = fields.find(',', first + 1);
    if (second == wxString::npos)
        return std::nullopt;
    ScriptPopup popup;
    popup.url = rest.substr(0, quote);
    popup.x = popup.y = ReadDecimal(fields.substr(0, first));
    popup.height = ReadDecimal(fields.substr(first + 1, second - first - 1));
    popup.width = ReadDecimal(fields.substr(second + 1));
    return popup;
}

bool IsShellLink(const wxString& href)
{
    return StartsWithNoCase(href, "shell:");
}

ShellLink ReadShellLink(const wxString& href)
{
    const wxString rest = href.Mid(6);
    const size_t colon = rest.find(':');
    if (colon == wxString::npos)
        return {wxString(), rest};
    return {rest.substr(0, colon), rest.substr(colon + 1)};
}

std::optional<wxString> LocalFolderOf(const wxString& path)
{
    // The file system writes "#" only before a protocol inside a location.
    if (path.Find('#') != wxNOT_FOUND)
        return std::nullopt;
    wxFileName folder;
    if (StartsWithNoCase(path, "file:"))
        folder = wxFileSystem::URLToFileName(path);
    else if (HasProtocol(path))
        return std::nullopt;
    else
        folder = wxFileName(path);
    folder.SetFullName(wxString());
    folder.MakeAbsolute();
    return folder.GetPath(wxPATH_GET_SEPARATOR, wxPATH_UNIX);
}

}  // namespace vhtml
