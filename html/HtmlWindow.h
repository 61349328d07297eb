// The viewer: a scrolled window that shows one local HTML page, laid out by
// the viewer's own parser and handlers on the toolkit's cells, or a
// frameset page as a grid of viewers; it opens locations through its file
// system, keeps a history of opened pages, scrolls to anchors and with the
// keys, shows a hand over links, sends clicked links where they lead (this
// window, a frame, a pop-up window or the desktop), and selects words with
// a dragged rectangle for copying. A window of class "wxHtmlWindow" in the
// resource file is one of these (see HtmlWindowXmlHandler).
#pragma once

#include <memory>
#include <vector>

#include <wx/html/htmlwin.h>

#include "html/HtmlHistoryItem.h"
#include "html/LinkDispatcher.h"
#include "html/SelectionBand.h"

namespace vhtml {

class HtmlFrameset;
class Launcher;

class HtmlWindow : public ::wxHtmlWindow {
public:
    // For the resource file's road: Create follows.
    HtmlWindow();
    // scrollBars false: the page never scrolls (the empty first page is
    // laid out with the given style all the same).
    HtmlWindow(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, long style = wxHW_SCROLLBAR_AUTO,
               const wxString& name = "htmlWindow", bool scrollBars = true);

    ~HtmlWindow() override;

    bool Create(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = wxHW_SCROLLBAR_AUTO,
                const wxString& name = "htmlWindow", bool scrollBars = true);

    // Appends a filter that reads opened files of its kind, asked after the
    // viewer's own (HTML pages, images) and those added before; the list
    // keeps it for the program's life. It stands in for the toolkit's
    // AddFilter, whose list the viewer does not read.
    static void AddFilter(wxHtmlFilter* filter);

    // Shows the page whose HTML source is given, as a frameset when its
    // source holds "<FRAMESET" in any letter case; always true.
    bool SetPage(const wxString& source) override;
    // Opens a location (a file, "file#anchor", or "#anchor" in the page
    // shown) and shows it; false with a message box when it cannot be opened.
    bool LoadPage(const wxString& location) override;
    // Scrolls so that the anchor's line is the second one shown; false
    // when the page has no such anchor.
    bool ScrollToAnchor(const wxString& anchor);
    // Lays the page out to the window's width; the view returns to the top.
    // A frameset places its frames again.
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
    wxCursor GetHTMLCursor(HTMLCursor type) const override;

    // A clicked link goes through DispatchLink.
    void OnLinkClicked(const wxHtmlLinkInfo& link) override;
    // Sends a link where it leads, the window taking the focus first: to the
    // first link hook that takes it; target "pop" to a pop-up window; a
    // script pop-up to one at its place and size; web, mail and ftp
    // addresses and "shell:" files to the launcher; target "" or "_self" to
    // this window; any other target, after the event, to the frame of that
    // name in the outermost viewer, else to the outermost viewer itself.
    void DispatchLink(const wxString& href, const wxString& target);
    // Shows the location (taken from the current path unless absolute) in a
    // new pop-up window, which replaces the one shown.
    virtual void OpenPopup(const wxString& href, int x, int y, int width, int height);
    // Where addresses and files go; unless set, a frame's viewer's, else the
    // desktop's programs. Frames and pop-up windows take their maker's.
    void SetLauncher(std::shared_ptr<Launcher> launcher);
    Launcher& GetLauncher() const;

    // The page's text: its words, each block on a line of its own; with
    // selectedOnly, the selected words alone. "" for a frameset.
    wxString GetCellText(bool selectedOnly = false) const;
    // What a copy takes: the selected text, else the whole text; for a
    // frameset, that of each frame, column by column, nothing between.
    wxString GetTextToCopy() const;
    // Puts GetTextToCopy on the clipboard.
    virtual void CopyTextToClipboard();
    // As a copy: the page cannot change.
    virtual void CutSelection();
    virtual void PasteText() {}
    virtual bool HasSelectedText() const;
    virtual bool CanCut() const { return HasSelectedText(); }
    virtual bool CanPaste() const { return false; }
    virtual void ClearSelection();
    const CellSet& GetSelectedCells() const { return m_band.GetSelectedCells(); }
    // Whether a rectangle is being dragged.
    bool IsBandActive() const { return m_band.IsActive(); }

    bool IsFramesetMode() const { return m_framesetMode; }
    // The frameset shown, if any.
    const HtmlFrameset* GetFrameset() const { return m_frameset.get(); }
    // The viewer that holds this one as a frame, at whatever depth, else this.
    HtmlWindow* GetOutermostViewer();
    // The frame windows of the frameset shown, at every level.
    int CountFrameWindows() const;
    // A viewer for a frame or a pop-up window, with this one's launcher.
    HtmlWindow* NewChildViewer(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style, bool scrollBars);

    const std::vector<HtmlHistoryItem>& GetHistory() const { return m_history; }
    int GetHistoryPosition() const { return m_historyPosition; }

protected:
    // Every message box of the window goes through here.
    virtual void ShowMessage(const wxString& text, const wxString& caption, long style);
    // Makes the viewers of frames and pop-up windows.
    virtual HtmlWindow* CreateChildViewer(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style,
                                          bool scrollBars);
    // Every copy reaches the clipboard through here; the clipboard is
    // cleared first and closed again unless it was open already, and left
    // alone when it cannot be opened.
    virtual void PutOnClipboard(const wxString& text);

    // Draws the page's band from top to bottom (page coordinates) on a
    // device context prepared for scrolling: the selected words on light
    // cyan, and the rectangle being dragged.
    void DrawPage(wxDC& dc, int top, int bottom);

private:
    void InitViewer();
    bool ParentIsViewer() const;
    void SetStatus(const wxString& text);
    bool OpenPage(const wxString& location, bool* result);
    void ShowFrameset(const wxString& source);
    void ForgetCells();
    // Whether a frame may show the page at location: no enclosing viewer
    // shows it or is opening it, and the frame is not too deep.
    bool MayShowInFrame(const wxString& location) const;

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnMouseEvent(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnCopyCommand(wxCommandEvent& event);
    void OnIgnoredCommand(wxCommandEvent& event);
    void OnUpdateCopy(wxUpdateUIEvent& event);
    void OnUpdateDisabled(wxUpdateUIEvent& event);

    int m_leftMargin = 8;
    int m_topMargin = 8;
    int m_scrollStyle = wxHW_SCROLLBAR_AUTO;
    // The style given at construction, which a page after a frameset gets
    // back.
    int m_constructedScrollStyle = wxHW_SCROLLBAR_AUTO;
    // The page part of the last location opened or scrolled to.
    wxString m_pageKey;
    // Paint requests draw nothing while a page is being opened.
    bool m_canDraw = true;
    bool m_inLayout = false;
    wxColour m_pageBackground;
    std::vector<HtmlHistoryItem> m_history;
    int m_historyPosition = -1;
    // The location being opened, from its file's opening to its showing.
    wxString m_pageInProgress;
    bool m_framesetMode = false;
    std::unique_ptr<HtmlFrameset> m_frameset;
    SelectionBand m_band{*this};
    LinkDispatcher m_links{*this, *m_FS};

    wxDECLARE_DYNAMIC_CLASS(HtmlWindow);
    wxDECLARE_EVENT_TABLE();
};

}  // namespace vhtml
