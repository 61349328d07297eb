// The numbered UI texts in four languages. A caller adds the offset of the
// language in force (0 English, 500 German, 1000 French, 1500 Spanish) to the
// English text's number.
#pragma once

#include <wx/string.h>

// The constant UTF-8 text of id, or nullptr when the table has none.
const char* LookupText(int id);

// The text of id for display; "string <id>" when the table has none, so that
// a missing text shows where it is missing.
wxString GetString(int id);
