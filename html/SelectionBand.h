// A viewer's selection: the rectangle dragged with the left button, the
// whole words it selects, their drawing on the selection colour, and what a
// copy of them takes. One per viewer; the viewer hands on its mouse events
// and asks it to draw over the page.
#pragma once

#include <vector>

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "html/CellSelection.h"

class wxDC;
class wxHtmlContainerCell;
class wxMouseEvent;

namespace vhtml {

class HtmlWindow;

class SelectionBand {
public:
    // The window is the one the band is dragged in; it outlives the band.
    explicit SelectionBand(HtmlWindow& window);

    const CellSet& GetSelectedCells() const { return m_selectedCells; }
    // Whether a rectangle is being dragged.
    bool IsActive() const { return m_active; }
    bool HasSelectedText() const;
    // Empties the selection and redraws the window.
    void Clear();
    // Empties the selection without drawing: its cells belong to a page
    // that goes.
    void Forget() { m_selectedCells.clear(); }

    // A page's text (root may be null): its words, each block on a line of
    // its own; with selectedOnly, the selected words alone.
    wxString TextOf(const wxHtmlContainerCell* root, bool selectedOnly) const;
    // What a copy of these windows takes: their selected text, else their
    // whole text, window after window.
    static wxString TextToCopy(const std::vector<const HtmlWindow*>& windows);
    // Clears the clipboard and puts the text on it, closing it again unless
    // it was open already; nothing when it cannot be opened.
    static void PutOnClipboard(const wxString& text);

    // Over the page band from top to bottom (page coordinates), drawn on a
    // context prepared for scrolling: the selected words on the selection
    // colour, then the rectangle being dragged.
    void Draw(wxDC& dc, wxHtmlContainerCell* root, int top, int bottom);

    // A mouse event of the window at point (page coordinates) over the page
    // root (may be null); true when it ends a click on the page, which the
    // window handles as one.
    bool OnMouse(const wxMouseEvent& event, const wxPoint& point, const wxHtmlContainerCell* root);
    // The drag ends where it is, selecting nothing.
    void OnCaptureLost();

private:
    void DrawSelectedWords(wxDC& dc, wxHtmlContainerCell& root, int top, int bottom);
    void DrawRectangle(wxDC& dc);
    wxRect Rect(const wxPoint& end) const;
    void RefreshRect();
    void End();

    HtmlWindow& m_window;
    CellSet m_selectedCells;
    // The dragged rectangle's corners, page coordinates.
    wxPoint m_start;
    wxPoint m_end;
    bool m_active = false;
};

}  // namespace vhtml
