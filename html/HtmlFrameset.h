// A page's frameset: columns and rows whose sizes the FRAMESET tag gives,
// and its frames, each a viewer in the owner window showing a page of its
// own. Only the frames that FRAME tags fill exist, filled row by row.
#pragma once

#include <cstdint>
#include <vector>

#include <wx/object.h>
#include <wx/string.h>

class wxHtmlTag;

namespace vhtml {

class HtmlWindow;

class HtmlFrameset : public wxObject {
public:
    enum SizeType { kPixels = 1, kPercent = 2 };
    enum Scrolling { kScrollingYes = 0, kScrollingNo = 1, kScrollingAuto = 2 };

    // One column or row: its value as written, and its place after layout.
    struct Extent {
        long value = 0;
        SizeType type = kPercent;
        int position = 0;
        int size = 0;
    };

    struct Frame {
        wxString source;
        HtmlWindow* window = nullptr;
        wxString name;  // upper-cased
        Scrolling scrolling = kScrollingAuto;
    };

    // The gap between columns and rows unless BORDER or FRAMESPACING say
    // otherwise.
    static constexpr int kDefaultSpacing = 5;
    // The largest frame size and place, in pixels: more than any window.
    static constexpr int kMaxExtent = 30000;
    // Frame windows under one outermost viewer, all levels together.
    static constexpr int kMaxFrameWindows = 64;

    HtmlFrameset(HtmlWindow* owner, const wxHtmlTag& tag);
    // Destroys the frame windows.
    ~HtmlFrameset() override;
    HtmlFrameset(const HtmlFrameset&) = delete;
    HtmlFrameset& operator=(const HtmlFrameset&) = delete;

    // The next frame, row by row; a SRC that is not absolute is taken from
    // path.
    void AddFrame(const wxHtmlTag& tag, const wxString& path);
    // Sizes the columns and rows to the owner's client area and places the
    // frame windows, making those not made yet, which then open their pages.
    void LayoutFrames();
    // The window of the frame whose NAME is target in any letter case.
    HtmlWindow* FindFrameWindow(const wxString& target) const;

    const wxString& GetTitle() const { return m_title; }
    void SetTitle(const wxString& title) { m_title = title; }
    int GetSpacing() const { return m_spacing; }
    int GetColCount() const { return static_cast<int>(m_columns.size()); }
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    const std::vector<Extent>& GetColumns() const { return m_columns; }
    const std::vector<Extent>& GetRows() const { return m_rows; }
    // Row by row: frame i is in row i / column count, column i % column count.
    const std::vector<Frame>& GetFrames() const { return m_frames; }
    // The frame windows column by column, each column from the top.
    std::vector<HtmlWindow*> WindowsByColumn() const;
    // The frame windows here and in the framesets of frames, at every level.
    int CountFrameWindows() const;

    // Sizes and places one axis in an extent of that many pixels: the gaps
    // first, then pixel entries, then percentages of what is left, then the
    // entries of value 0 share the rest; sizes and places are at least 0 and
    // at most kMaxExtent.
    static void LayOutAxis(std::vector<Extent>& entries, int extent, int spacing);

private:
    void SetColCount(size_t count);
    void SetRowCount(size_t count);

    HtmlWindow* m_owner;
    wxString m_title;
    int m_spacing = kDefaultSpacing;
    std::vector<Extent> m_columns;
    std::vector<Extent> m_rows;
    std::vector<Frame> m_frames;
};

}  // namespace vhtml
