// Which page a location names: the part that decides between scrolling in
// the page shown and opening a page.
#include <gtest/gtest.h>

#include "HtmlTestSupport.h"
#include "html/PageKey.h"

namespace {

TEST(PageKeyTest, PagePartAndAnchorOfLocations)
{
    struct Case {
        const char* location;
        const char* key;
        const char* anchor;
    };
    const Case cases[] = {
        {"page.htm", "page.htm", ""},
        {"page.htm#x", "page.htm", "x"},
        {"/tmp/d/page.htm#x", "/tmp/d/page.htm", "x"},
        {"#x", "#x", "x"},
        {"a#b#c", "a#b", "c"},
        {"dir/#", "dir/", ""},
        {"help.zip#zip:dir/p.htm#b", "help.zip#zip:dir/p.htm", "b"},
        {"help.zip#zip:dir/p.htm", "help.zip#zip:dir/p.htm", ""},
        {"help.zip#zip:a.zip#zip:p.htm#c", "help.zip#zip:a.zip#zip:p.htm", "c"},
        {"#zip:p.htm#a", "p.htm", "a"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location);
        EXPECT_EQ(vhtml::PageKeyOf(c.location), c.key);
        EXPECT_EQ(vhtml::AnchorOf(c.location), c.anchor);
    }
}

}  // namespace
