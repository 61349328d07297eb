// A frame of its own, without a parent, that shows one location in a
// viewer, sized to the page it shows. At most one is shown at a time: a new
// one asks the one before to close.
#pragma once

#include <wx/frame.h>

namespace vhtml {

class HtmlWindow;

class PopUpWindow : public wxFrame {
public:
    // Placed at (x, y) with that size, kept on a display and no larger than
    // its work area, then given the page's size (a frameset page keeps the
    // size asked for); opener makes the viewer. The caller shows the frame.
    PopUpWindow(HtmlWindow* opener, const wxString& location, int x, int y, int width, int height);
    ~PopUpWindow() override;

    HtmlWindow* GetViewer() const { return m_viewer; }

    // The pop-up shown, if any.
    static PopUpWindow* GetCurrent() { return s_current; }
    // Asks the pop-up shown, if any, to close, and forgets it.
    static void CloseCurrent();

private:
    HtmlWindow* m_viewer = nullptr;

    static PopUpWindow* s_current;
};

}  // namespace vhtml
