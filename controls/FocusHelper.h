// Lets a page see the kill-focus of its own text controls under their ids:
// the toolkit does not pass focus events up to the parent.
#pragma once

#include <wx/event.h>

class wxWindow;

class CFocusHelper : public wxEvtHandler {
public:
    CFocusHelper() = default;

    // Pops and deletes the focus helpers pushed on window itself.
    static void ReleaseFrom(wxWindow* window);

private:
    void OnKillFocus(wxFocusEvent& event);

    wxDECLARE_EVENT_TABLE();
};
