// What the viewer does to a page's source before the toolkit's parser sees
// it. The toolkit builds its tag tree and pairs ending tags recursively and
// by searching backwards, so deep nesting overflows the stack and stray
// ending tags cost quadratic time; its table allocates the spans it is
// given. The guard rewrites the page into one the parser takes in bounded
// time and stack and that shows the same.
#pragma once

#include <wx/string.h>

namespace vhtml {

// Elements nested deeper than this are dropped with their content.
constexpr int kMaxNesting = 256;
// The guarded page is one element of this name that no handler knows: the
// toolkit links each tag at the top of a page to the last one by walking
// all of them.
constexpr const char* kPageElement = "<#PAGE>";
constexpr const char* kPageElementEnd = "</#PAGE>";
// Largest COLSPAN and ROWSPAN a table cell keeps.
constexpr long kMaxSpan = 1000;
// Largest width, height, border, spacing or size in pixels, and in percent.
constexpr long kMaxPixels = 10000;
constexpr long kMaxPercent = 1000;

// The page rewritten: ending tags that close no element are dropped;
// elements that run past their parent's end are closed there, as the
// toolkit's parser treats them; elements without an ending tag are written
// so that no later ending tag can claim them; content nested deeper than
// kMaxNesting is dropped; comments are dropped; the content of PRE and TITLE
// is kept as written with its markup escaped, that of SCRIPT and STYLE is
// dropped; an unclosed PRE, OL or UL runs to the end of its parent; lists
// nested so deep that laying them out would take too long are written as
// their content alone; numeric
// attributes are bounded; characters and numeric character references that
// name no character become U+FFFD; the whole is wrapped in kPageElement.
wxString GuardSource(const wxString& source);

}  // namespace vhtml
