#include "html/PreCell.h"

#include <algorithm>

#include <wx/dc.h>

namespace vhtml {
namespace {

// The only references preformatted text knows, in this order.
// clang-format off
const wchar_t* const kReplacements[][2] = {
    {L"&copy;", L"(c)"}, {L"&nbsp;", L" "}, {L"&quot;", L"\""}, {L"&lt;", L"<"},
    {L"&gt;", L">"},     {L"&amp;", L"&"},  {L"\t", L"        "}, {L"\r", L""},
};
// clang-format on

std::vector<wxString> LinesOf(const wxString& text)
{
    std::vector<wxString> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        wxString line = text.substr(start, end == wxString::npos ? wxString::npos : end - start);
        for (const auto& replacement : kReplacements)
            line.Replace(replacement[0], replacement[1]);
        lines.push_back(line);
        if (end == wxString::npos)
            break;
        start = end + 1;
    }
    // Empty lines inside the block stay; the line break that ends the text
    // and the one right after the opening tag start no line.
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (!lines.empty() && lines.front().empty())
        lines.erase(lines.begin());
    return lines;
}

}  // namespace

PreCell::PreCell(const wxString& text, wxDC& dc) : m_lines(LinesOf(text)), m_lineHeight(dc.GetCharHeight())
{
    int width = 0;
    for (const wxString& line : m_lines)
        width = std::max(width, dc.GetTextExtent(line).x);
    m_Width = width;
    m_Height = static_cast<int>(m_lines.size()) * m_lineHeight;
    m_Descent = 0;
}

void PreCell::Draw(wxDC& dc, int x, int y, int viewTop, int viewBottom, wxHtmlRenderingInfo&)
{
    const int top = y + m_PosY;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const int lineTop = top + static_cast<int>(i) * m_lineHeight;
        if (lineTop > viewBottom || lineTop + m_lineHeight < viewTop)
            continue;
        dc.DrawText(m_lines[i], x + m_PosX, lineTop);
    }
}

}  // namespace vhtml
