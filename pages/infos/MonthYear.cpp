#include "pages/infos/MonthYear.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char kSeparators[] = ".,:;-_";
const std::size_t kMaxLength = 7;

bool IsSeparator(char c)
{
    return c != '\0' && std::strchr(kSeparators, c) != nullptr;
}

// Month and year as "%d.%d" reads them; false unless both are there.
bool ReadMonthYear(const std::string& text, int& month, int& year)
{
    return std::sscanf(text.c_str(), "%d.%d", &month, &year) == 2;
}

std::string Format(int month, int year)
{
    return std::to_string(month) + "." + std::to_string(year);
}

}  // namespace

bool NormalizeMonthYear(std::string& text)
{
    if (text.empty())
        return false;

    // Only a separator right behind a one- or two-digit month counts; every
    // other one goes, even where it looks meaningful.
    std::string copy = text;
    std::size_t kept = std::string::npos;
    for (;;) {
        std::size_t at = std::string::npos;
        for (std::size_t i = 0; i < copy.size(); ++i) {
            if (i != kept && IsSeparator(copy[i])) {
                at = i;
                break;
            }
        }
        if (at == std::string::npos)
            break;
        if (kept == std::string::npos && (at == 1 || at == 2))
            kept = at;
        else
            copy.erase(at, 1);
    }

    if (kept != std::string::npos)
        copy[kept] = '.';
    else if (copy.size() < 4) {
        if (copy.size() >= 2)
            copy[1] = '.';
    } else
        copy.insert(2, 1, '.');
    copy.resize(std::min(copy.size(), kMaxLength));

    int month = 0;
    int year = 0;
    if (!ReadMonthYear(copy, month, year))
        return false;
    if (year < 90)
        year += 2000;
    else if (year < 100)
        year += 1900;
    year = std::clamp(year, 1996, 2036);
    month = std::clamp(month, 1, 12);

    const std::string normal = Format(month, year);
    if (normal == text)
        return false;
    text = normal;
    return true;
}

int MonthYearValue(const std::string& text)
{
    int month = 0;
    int year = 0;
    if (!ReadMonthYear(text, month, year) || month < 1 || month > 12 || year < 1996 || year > 2036 ||
        Format(month, year) != text)
        return -1;
    return (year < 2000 ? year - 1900 : year - 2000) * 256 + month;
}
