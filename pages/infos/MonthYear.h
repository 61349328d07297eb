// Dates of a unit as month and year: what the user types into a date field
// ("06.03", "0603", "6-03") brought into the one form the pages show,
// compare and send ("6.2003"), and the 16-bit value a date command carries.
// No toolkit here: plain text in, plain text out.
#pragma once

#include <string>

// Replaces text by its normal form "month.year" (month 1..12, year
// 1996..2036) and returns true when that differs from it. Returns false and
// leaves text alone when it is empty, already normal, or unreadable (no
// month and year can be read from it).
bool NormalizeMonthYear(std::string& text);

// The month-and-year value of a date in normal form: (year - 2000) * 256 +
// month from 2000 on, (year - 1900) * 256 + month before. -1 when text is not
// in normal form.
int MonthYearValue(const std::string& text);
