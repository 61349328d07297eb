// Reading the numbers and colours that the viewer's own tag handlers take
// from attribute values.
#pragma once

#include <wx/colour.h>
#include <wx/string.h>

namespace vhtml {

// "#" followed by hexadecimal digits, read as one number (as the C format
// "#%lX" does) and split into red (bits 16 to 23), green and blue; three
// digits stand for six, each doubled (#FFF is white). False, leaving the
// colour alone, for a value without "#" or without digits.
bool ReadColour(const wxString& value, wxColour* colour);

// An integer as the C format "%i" reads it: leading white space, a sign,
// "0x" for hexadecimal and "0" for octal (so 010 is 8); values past the
// range of long stop at its ends. False when no digit reads.
bool ReadInteger(const wxString& value, long* number);
// The same from the start of a text; reading stops at the first character
// that cannot continue the number.
bool ReadInteger(const wchar_t* text, long* number);

// A decimal integer, as the C format "%ld" reads it: leading white space and
// a sign; a leading "0" is a digit like any other (08 is 8, 0x3 is 0).
bool ReadDecimal(const wxString& value, long* number);

}  // namespace vhtml
