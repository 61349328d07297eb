// Lets a page see the kill-focus of its own text controls under their ids:
// the toolkit does not pass focus events up to the parent.
#pragma once

#include <wx/event.h>

class wxWindow;

class CFocusHelper : public wxEvtHandler {
public:
    CFocusHelper() = default;

    // Pops and deletes the focus helpers pushed on root and on the windows
    // below it, except inside nested pages, which release their own. A page
    // does this as it dies (CPanel's destructor), before its controls go.
    static void ReleaseAll(wxWindow* root);

private:
    void OnKillFocus(wxFocusEvent& event);

    wxDECLARE_EVENT_TABLE();
};
