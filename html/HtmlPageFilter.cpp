#include "html/HtmlPageFilter.h"

#include <algorithm>
#include <cctype>
#include <string>

#include <wx/filesys.h>
#include <wx/strconv.h>
#include <wx/stream.h>

namespace vhtml {
namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ReadAll(wxInputStream& stream)
{
    std::string bytes;
    char buffer[65536];
    while (stream.CanRead()) {
        stream.Read(buffer, sizeof buffer);
        const size_t read = stream.LastRead();
        if (read == 0)
            break;
        bytes.append(buffer, read);
    }
    return bytes;
}

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' || c == ':';
}

// The character set that a META tag before the body names, "" without one.
std::string MetaCharset(const std::string& bytes)
{
    const std::string text = Lower(bytes);
    const size_t body = text.find("<body");
    for (size_t meta = text.find("<meta"); meta != std::string::npos && meta < body;
         meta = text.find("<meta", meta + 1)) {
        const size_t end = std::min(text.find('>', meta), text.size());
        size_t at = text.find("charset", meta);
        if (at == std::string::npos || at >= end)
            continue;
        at += 7;
        while (at < end && (std::isspace(static_cast<unsigned char>(text[at])) || text[at] == '='))
            ++at;
        while (at < end && (text[at] == '"' || text[at] == '\''))
            ++at;
        size_t stop = at;
        while (stop < end && IsNameChar(text[stop]))
            ++stop;
        if (stop > at)
            return text.substr(at, stop - at);
    }
    return std::string();
}

std::string CharsetOf(const wxFSFile& file, const std::string& bytes)
{
    const std::string type = Lower(file.GetMimeType().utf8_string());
    const size_t named = type.find("charset=");
    if (named != std::string::npos) {
        size_t stop = named + 8;
        while (stop < type.size() && IsNameChar(type[stop]))
            ++stop;
        return type.substr(named + 8, stop - named - 8);
    }
    return MetaCharset(bytes);
}

bool EndsWith(const wxString& text, const char* suffix)
{
    return text.Lower().EndsWith(suffix);
}

}  // namespace

bool HtmlPageFilter::CanRead(const wxFSFile& file) const
{
    const wxString type = file.GetMimeType().Lower();
    return type.StartsWith("text/html") || type.StartsWith("application/xhtml+xml") ||
           EndsWith(file.GetLocation(), ".htm") || EndsWith(file.GetLocation(), ".html");
}

wxString HtmlPageFilter::ReadFile(const wxFSFile& file) const
{
    wxInputStream* stream = file.GetStream();
    if (!stream)
        return wxString();
    const std::string bytes = ReadAll(*stream);
    if (bytes.empty())
        return wxString();
    const std::string charset = CharsetOf(file, bytes);
    if (!charset.empty()) {
        wxCSConv conversion(charset);
        if (conversion.IsOk()) {
            const wxString text(bytes.data(), conversion, bytes.size());
            if (!text.empty())
                return text;
        }
    }
    const wxString text = wxString::FromUTF8(bytes.data(), bytes.size());
    if (!text.empty())
        return text;
    return wxString(bytes.data(), wxConvISO8859_1, bytes.size());
}

}  // namespace vhtml
