// The place of one device page in the main window's notebook: it holds the
// page and, where the window is smaller than the page, scrolls over what it
// cannot show, while the notebook's row of unit tabs stays in view above
// it. A control that takes the focus is scrolled into view.
#pragma once

#include <wx/scrolwin.h>

class wxChildFocusEvent;

class CPageArea : public wxScrolledWindow {
public:
    // A place in book, in which the page is to be created.
    explicit CPageArea(wxWindow* book);

    // Holds page, the area's only child, as wide and high as the area or as
    // its layout needs, whichever is more.
    void Hold(wxWindow* page);
    // The page it holds; null before Hold.
    wxWindow* Page() const { return m_page; }
    // What the area scrolls over is what the page needs now, or the area's
    // own size where that is more; laid out in it.
    void FitToLayout();

    // The toolkit's idle work runs through every window of a notebook; a
    // page that its notebook does not show skips it until it is shown
    // again.
    bool SendIdleEvents(wxIdleEvent& event) override;

private:
    void OnChildFocus(wxChildFocusEvent& event);
    void OnPageLaidOut(wxCommandEvent& event);

    wxWindow* m_page = nullptr;
};
