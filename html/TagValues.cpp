#include "html/TagValues.h"

#include <climits>
#include <cwchar>
#include <cwctype>

namespace vhtml {

bool ReadColour(const wxString& value, wxColour* colour)
{
    const std::wstring text = value.ToStdWstring();
    if (text.empty() || text[0] != '#')
        return false;
    size_t p = 1;
    while (p < text.size() && std::iswspace(text[p]))
        ++p;
    const bool negative = p < text.size() && text[p] == '-';
    const bool signOrPrefix = p < text.size() && (text[p] == '-' || text[p] == '+');
    if (signOrPrefix)
        ++p;
    const bool prefixed = p + 2 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X') &&
                          std::iswxdigit(text[p + 2]);
    if (prefixed)
        p += 2;
    unsigned long number = 0;
    size_t digits = 0;
    for (; p < text.size() && std::iswxdigit(text[p]); ++p, ++digits) {
        const unsigned long digit = std::iswdigit(text[p]) ? text[p] - '0' : (std::towupper(text[p]) - 'A' + 10);
        number = number > (ULONG_MAX - digit) / 16 ? ULONG_MAX : number * 16 + digit;
    }
    if (digits == 0)
        return false;
    if (digits == 3 && !signOrPrefix && !prefixed) {
        const auto doubled = [&](int shift) { return static_cast<unsigned char>(((number >> shift) & 0xF) * 0x11); };
        colour->Set(doubled(8), doubled(4), doubled(0));
        return true;
    }
    if (negative)
        number = 0UL - number;
    colour->Set(static_cast<unsigned char>(number >> 16), static_cast<unsigned char>(number >> 8),
                static_cast<unsigned char>(number));
    return true;
}

namespace {

bool ReadNumber(const wchar_t* text, int base, long* number)
{
    wchar_t* end = nullptr;
    const long read = std::wcstol(text, &end, base);
    if (end == text)
        return false;
    *number = read;
    return true;
}

}  // namespace

bool ReadInteger(const wxString& value, long* number)
{
    return ReadNumber(value.ToStdWstring().c_str(), 0, number);
}

bool ReadInteger(const wchar_t* text, long* number)
{
    return ReadNumber(text, 0, number);
}

bool ReadDecimal(const wxString& value, long* number)
{
    return ReadNumber(value.ToStdWstring().c_str(), 10, number);
}

}  // namespace vhtml
