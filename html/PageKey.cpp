#include "html/PageKey.h"

namespace vhtml {
namespace {

const char* const kZipMark = "#zip:";

struct Parts {
    wxString archive;  // text before the first "#zip:", else ""
    wxString inner;    // the rest
};

Parts Split(const wxString& location)
{
    const size_t zip = location.find(kZipMark);
    if (zip == wxString::npos)
        return {wxString(), location};
    return {location.substr(0, zip), location.substr(zip + wxStrlen(kZipMark))};
}

}  // namespace

wxString PageKeyOf(const wxString& location)
{
    const Parts parts = Split(location);
    const size_t hash = parts.inner.rfind('#');
    wxString page = hash == wxString::npos ? wxString() : parts.inner.substr(0, hash);
    if (page.empty())
        page = parts.inner;
    return parts.archive.empty() ? page : parts.archive + kZipMark + page;
}

wxString AnchorOf(const wxString& location)
{
    const wxString inner = Split(location).inner;
    const size_t hash = inner.rfind('#');
    return hash == wxString::npos ? wxString() : inner.substr(hash + 1);
}

}  // namespace vhtml
