// Typed dates brought into month.year form, and the value a date command
// carries: one table, the unreadable texts included.
#include <gtest/gtest.h>

#include <string>

#include "pages/infos/MonthYear.h"

namespace {

struct Case {
    const char* typed;
    const char* shown;
    bool changed;
    // Value of the shown text; -1 where there is none.
    int value;
};

const Case kCases[] = {
    {"6.2003", "6.2003", false, 774},
    {"06.2003", "6.2003", true, 774},
    {"06.03", "6.2003", true, 774},
    {"0603", "6.2003", true, 774},
    {"6-03", "6.2003", true, 774},
    {"6_03", "6.2003", true, 774},
    {"6,03", "6.2003", true, 774},
    {"6:03", "6.2003", true, 774},
    {"6;03", "6.2003", true, 774},
    {"603", "6.2003", true, 774},
    {"612", "6.2002", true, 0x0206},
    {"-6.03", "6.2003", true, 774},
    {"06..03", "6.2003", true, 774},
    {" 6.03", "6.2003", true, 774},
    {"1.95", "1.1996", true, 24577},
    {"1.1996", "1.1996", false, 24577},
    {"12.89", "12.2036", true, 9228},
    {"13.2040", "12.2036", true, 9228},
    {"0.2000", "1.2000", true, 0x0001},
    {"5.1998", "5.1998", false, 25093},
    {"12.1999", "12.1999", false, 0x630C},
    // Only a separator behind the month counts.
    {"2003-06", "12.1996", true, 0x600C},
    {"62003", "12.2003", true, 0x030C},
    {"", "", false, -1},
    // Nothing to read a month and a year from: left as typed.
    {"5", "5", false, -1},
    {"12", "12", false, -1},
    {"5.", "5.", false, -1},
    {"12-", "12-", false, -1},
    {"6/03", "6/03", false, -1},
    {"abc", "abc", false, -1},
    {"...", "...", false, -1},
};

TEST(MonthYearTest, TypedDatesTheirNormalFormAndValue)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        std::string text = c.typed;
        EXPECT_EQ(NormalizeMonthYear(text), c.changed);
        EXPECT_EQ(text, c.shown);
        EXPECT_EQ(MonthYearValue(text), c.value);
        // The normal form is a fixed point.
        std::string again = text;
        EXPECT_FALSE(NormalizeMonthYear(again));
        EXPECT_EQ(again, text);
    }
}

TEST(MonthYearTest, OnlyTheNormalFormHasAValue)
{
    for (const char* text : {"06.2003", "6.03", "6.2003x", "0.2000", "13.2003", "6.2037", "6.1995", "6 .2003"})
        EXPECT_EQ(MonthYearValue(text), -1) << text;
}

}  // namespace
