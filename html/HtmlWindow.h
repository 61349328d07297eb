// The viewer: a scrolled window that shows one local HTML page, laid out by
// the viewer's own parser and handlers on the toolkit's cells; it opens
// locations through its file system, keeps a history of opened pages,
// scrolls to anchors and with the keys, and shows a hand over links. A
// window of class "wxHtmlWindow" in the resource file is one of these (see
// HtmlWindowXmlHandler).
#pragma once

#include <vector>

#include <wx/html/htmlwin.h>

#include "html/HtmlHistoryItem.h"

namespace vhtml {

class HtmlWindow : public ::wxHtmlWindow {
public:
    // For the resource file's road: Create follows.
    HtmlWindow();
    // scrollBars false: the page never scrolls (the empty first page is
    // laid out with the given style all the same).
    HtmlWindow(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, long style = wxHW_SCROLLBAR_AUTO,
               const wxString& name = "htmlWindow", bool scrollBars = true);

    bool Create(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = wxHW_SCROLLBAR_AUTO,
                const wxString& name = "htmlWindow", bool scrollBars = true);

    // Shows the page whose HTML source is given; always true.
    bool SetPage(const wxString& source) override;
    // Opens a location (a file, "file#anchor", or "#anchor" in the page
    // shown) and shows it; false with a message box when it cannot be opened.
    bool LoadPage(const wxString& location) override;
    // Scrolls so that the anchor's line is the second one shown; false
    // when the page has no such anchor.
    bool ScrollToAnchor(const wxString& anchor);
    // Lays the page out to the window's width; the view returns to the top.
    void CreateLayout();

    // Both margins, from the next page on.
    void SetBorders(int border);
    int GetLeftMargin() const { return m_leftMargin; }
    int GetTopMargin() const { return m_topMargin; }
    void SetLeftMargin(int margin) { m_leftMargin = margin; }
    void SetTopMargin(int margin) { m_topMargin = margin; }
    // wxHW_SCROLLBAR_NEVER or wxHW_SCROLLBAR_AUTO.
    int GetScrollStyle() const { return m_scrollStyle; }
    // The page's background colour, in place of white, for the page being
    // parsed.
    void SetPageBackground(const wxColour& colour);

    // Faces ("" for the system's), italic modes and the point sizes of HTML
    // sizes 1 to 7; the page shown is opened again.
    void SetFonts(const wxString& normalFace, int normalItalic, const wxString& fixedFace, int fixedItalic,
                  const int* sizes);
    void ReadCustomization(wxConfigBase* config, wxString path = wxEmptyString) override;
    void WriteCustomization(wxConfigBase* config, wxString path = wxEmptyString) override;

    void OnSetTitle(const wxString& title) override;
    void OnLinkClicked(const wxHtmlLinkInfo& link) override;
    wxCursor GetHTMLCursor(HTMLCursor type) const override;

    // The page's text: its words, each block on a line of its own.
    wxString GetCellText() const;

    const std::vector<HtmlHistoryItem>& GetHistory() const { return m_history; }
    int GetHistoryPosition() const { return m_historyPosition; }

protected:
    // Every message box of the window goes through here.
    virtual void ShowMessage(const wxString& text, const wxString& caption, long style);

    // Draws the page's band from top to bottom (page coordinates) on a
    // device context prepared for scrolling.
    void DrawPage(wxDC& dc, int top, int bottom);

private:
    void InitViewer();
    bool ParentIsViewer() const;
    void SetStatus(const wxString& text);
    bool OpenPage(const wxString& location, bool* result);

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    int m_leftMargin = 8;
    int m_topMargin = 8;
    int m_scrollStyle = wxHW_SCROLLBAR_AUTO;
    // The page part of the last location opened or scrolled to.
    wxString m_pageKey;
    // Paint requests draw nothing while a page is being opened.
    bool m_canDraw = true;
    bool m_inLayout = false;
    wxColour m_pageBackground;
    std::vector<HtmlHistoryItem> m_history;
    int m_historyPosition = -1;

    wxDECLARE_DYNAMIC_CLASS(HtmlWindow);
    wxDECLARE_EVENT_TABLE();
};

}  // namespace vhtml
