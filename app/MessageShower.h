// Where the main window's message boxes go: the application shows them.
#pragma once

#include <wx/string.h>

class CMessageShower {
public:
    virtual ~CMessageShower() = default;

    virtual void ShowMessage(const wxString& text, const wxString& caption, long style) = 0;
};
