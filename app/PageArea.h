// The main window's page area: it holds the notebook of device pages and,
// where the screen is smaller than a page, scrolls over what the window
// cannot show; a control that takes the focus is scrolled into view. The
// resource file makes the area one of these with subclass="CPageArea".
#pragma once

#include <wx/scrolwin.h>

class wxChildFocusEvent;

class CPageArea : public wxScrolledWindow {
public:
    CPageArea();

    // The whole that the area scrolls over is what its layout needs, or its
    // own size where that is more; laid out in it.
    void FitToLayout();

private:
    void OnChildFocus(wxChildFocusEvent& event);

    wxDECLARE_DYNAMIC_CLASS(CPageArea);
};
