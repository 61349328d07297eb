#include "html/HtmlFrameset.h"

#include <algorithm>
#include <numeric>
#include <string>

#include <wx/html/htmltag.h>
#include <wx/weakref.h>

#include "html/HtmlWindow.h"
#include "html/LinkText.h"
#include "html/TagValues.h"

namespace vhtml {
namespace {

// Values past any screen are read as this, so that products stay in range.
constexpr int64_t kMaxValue = 1000000000;

int ReadSpacing(const wxString& value, int spacing)
{
    long read = 0;
    return ReadInteger(value, &read) ? static_cast<int>(std::clamp<long>(read, -kMaxValue, kMaxValue)) : spacing;
}

int Bounded(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, 0, HtmlFrameset::kMaxExtent));
}

// Reads the items of a COLS or ROWS list, cut at each ",", each into the
// entry that newEntry() adds. One pass without a copy per item: a page may
// hold a list of a million items. An item's number ends at its "," at the
// latest, since a "," cannot continue a number.
template <typename NewEntry>
void ReadItems(const wxString& list, NewEntry newEntry)
{
    const std::wstring text = list.ToStdWstring();
    size_t start = 0;
    while (start < text.size()) {
        const size_t comma = text.find(L',', start);
        const size_t end = comma == std::wstring::npos ? text.size() : comma;
        HtmlFrameset::Extent& entry = newEntry();
        entry.type = end > start && text[end - 1] == L'%' ? HtmlFrameset::kPercent : HtmlFrameset::kPixels;
        long value = 0;
        if (ReadInteger(text.c_str() + start, &value))
            entry.value = value;
        start = end + 1;
    }
}

}  // namespace

HtmlFrameset::HtmlFrameset(HtmlWindow* owner, const wxHtmlTag& tag) : m_owner(owner)
{
    if (tag.HasParam("BORDER")) {
        const wxString border = tag.GetParam("BORDER").Upper();
        m_spacing = border == "NO" || border == "FALSE" ? 0 : ReadSpacing(border, m_spacing);
    }
    if (tag.HasParam("FRAMESPACING"))
        m_spacing = ReadSpacing(tag.GetParam("FRAMESPACING"), m_spacing);
    if (tag.HasParam("COLS")) {
        ReadItems(tag.GetParam("COLS"), [this]() -> Extent& {
            SetColCount(m_columns.size() + 1);
            return m_columns.back();
        });
    }
    if (tag.HasParam("ROWS")) {
        ReadItems(tag.GetParam("ROWS"), [this]() -> Extent& {
            SetRowCount(m_rows.size() + 1);
            return m_rows.back();
        });
    }
}

HtmlFrameset::~HtmlFrameset()
{
    for (Frame& frame : m_frames) {
        if (frame.window)
            frame.window->Destroy();
    }
}

void HtmlFrameset::SetColCount(size_t count)
{
    if (count > m_columns.size())
        m_columns.resize(count);
}

void HtmlFrameset::SetRowCount(size_t count)
{
    if (count > m_rows.size())
        m_rows.resize(count);
}

void HtmlFrameset::AddFrame(const wxHtmlTag& tag, const wxString& path)
{
    if (m_columns.empty())
        SetColCount(1);
    const size_t row = m_frames.size() / m_columns.size();
    SetRowCount(row + 1);
    Frame frame;
    if (tag.HasParam("SRC")) {
        const wxString source = tag.GetParam("SRC");
        frame.source = IsAbsoluteLocation(source) ? source : path + source;
    }
    if (tag.HasParam("NAME"))
        frame.name = tag.GetParam("NAME").Upper();
    if (tag.HasParam("SCROLLING")) {
        const wxString scrolling = tag.GetParam("SCROLLING").Upper();
        if (scrolling == "NO")
            frame.scrolling = kScrollingNo;
        else if (scrolling == "YES")
            frame.scrolling = kScrollingYes;
    }
    m_frames.push_back(frame);
}

void HtmlFrameset::LayOutAxis(std::vector<Extent>& entries, int extent, int spacing)
{
    const int64_t gap = std::clamp(spacing, 0, kMaxExtent);
    const int64_t count = static_cast<int64_t>(entries.size());
    int64_t available = count >= 2 ? extent - gap * (count - 1) : extent;
    for (Extent& entry : entries) {
        if (entry.type == kPixels) {
            entry.size = Bounded(entry.value);
            available -= entry.size;
        }
    }
    int64_t percentSum = 0;
    for (Extent& entry : entries) {
        if (entry.type == kPercent && entry.value != 0) {
            const int64_t percent = std::clamp<int64_t>(entry.value, 0, kMaxValue);
            entry.size = available > 0 ? Bounded(percent * available / 100) : 0;
            percentSum += entry.size;
        }
    }
    const int64_t shared = std::count_if(entries.begin(), entries.end(), [](const Extent& e) { return e.value == 0; });
    for (Extent& entry : entries) {
        if (entry.value == 0)
            entry.size = Bounded((available - percentSum) / shared);
    }
    int64_t position = 0;
    for (Extent& entry : entries) {
        entry.position = Bounded(position);
        position += entry.size + gap;
    }
}

void HtmlFrameset::LayoutFrames()
{
    const wxSize client = m_owner->GetClientSize();
    LayOutAxis(m_columns, client.x, m_spacing);
    LayOutAxis(m_rows, client.y, m_spacing);

    int room = kMaxFrameWindows - m_owner->GetOutermostViewer()->CountFrameWindows();
    struct NewFrame {
        wxWeakRef<HtmlWindow> window;
        wxString source;
    };
    std::vector<NewFrame> made;
    for (size_t i = 0; i < m_frames.size(); ++i) {
        Frame& frame = m_frames[i];
        const Extent& column = m_columns[i % m_columns.size()];
        const Extent& row = m_rows[i / m_columns.size()];
        const wxRect place(column.position, row.position, column.size, row.size);
        if (frame.window) {
            frame.window->SetSize(place);
        } else if (room > 0) {
            --room;
            frame.window = m_owner->NewChildViewer(m_owner, place.GetPosition(), place.GetSize(), 0,
                                                   frame.scrolling != kScrollingNo);
            made.push_back({frame.window, frame.source});
        }
    }
    // The pages open once every frame has its place: opening one may show a
    // message box, whose event loop may lay the owner out again, or replace
    // its page (and this frameset) altogether.
    for (NewFrame& frame : made) {
        if (frame.window)
            frame.window->LoadPage(frame.source);
    }
}

HtmlWindow* HtmlFrameset::FindFrameWindow(const wxString& target) const
{
    const wxString name = target.Upper();
    for (const Frame& frame : m_frames) {
        if (frame.name == name)
            return frame.window;
    }
    return nullptr;
}

std::vector<HtmlWindow*> HtmlFrameset::WindowsByColumn() const
{
    const size_t columns = m_columns.size();
    std::vector<size_t> order(m_frames.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [columns](size_t a, size_t b) { return a % columns < b % columns; });
    std::vector<HtmlWindow*> windows;
    for (size_t i : order) {
        if (m_frames[i].window)
            windows.push_back(m_frames[i].window);
    }
    return windows;
}

int HtmlFrameset::CountFrameWindows() const
{
    int count = 0;
    for (const Frame& frame : m_frames) {
        if (frame.window)
            count += 1 + frame.window->CountFrameWindows();
    }
    return count;
}

}  // namespace vhtml
