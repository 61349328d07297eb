// Preformatted text as one cell: its lines in the font that is current when
// it is made, one below the other, never wrapped.
#pragma once

#include <vector>

#include <wx/html/htmlcell.h>

namespace vhtml {

class PreCell : public wxHtmlCell {
public:
    // text: the source between <PRE> and </PRE> as written.
    PreCell(const wxString& text, wxDC& dc);

    void Draw(wxDC& dc, int x, int y, int viewTop, int viewBottom, wxHtmlRenderingInfo& info) override;

    const std::vector<wxString>& GetLines() const { return m_lines; }
    int GetLineHeight() const { return m_lineHeight; }

private:
    std::vector<wxString> m_lines;
    int m_lineHeight;
};

}  // namespace vhtml
