#include "html/SelectionBand.h"

#include <algorithm>

#include <wx/clipbrd.h>
#include <wx/dc.h>
#include <wx/graphics.h>
#include <wx/html/htmlcell.h>

#include "html/CellText.h"
#include "html/HtmlWindow.h"

namespace vhtml {
namespace {

// A rectangle no larger than this is a click.
constexpr int kClickSize = 2;
const wxColour kSelectionColour(128, 255, 255);

// Selected words keep their colour, on the selection colour.
class SelectionStyle : public wxHtmlRenderingStyle {
public:
    wxColour GetSelectedTextColour(const wxColour& colour) override { return colour; }
    wxColour GetSelectedTextBgColour(const wxColour&) override { return kSelectionColour; }
};

}  // namespace

SelectionBand::SelectionBand(HtmlWindow& window) : m_window(window) {}

bool SelectionBand::HasSelectedText() const
{
    // The selection holds words only, so its text is not empty exactly when
    // one of them is not.
    return std::any_of(m_selectedCells.begin(), m_selectedCells.end(), [](const wxHtmlCell* cell) {
        return !static_cast<const wxHtmlWordCell*>(cell)->ConvertToText(nullptr).empty();
    });
}

void SelectionBand::Clear()
{
    m_selectedCells.clear();
    m_window.Refresh();
}

wxString SelectionBand::TextOf(const wxHtmlContainerCell* root, bool selectedOnly) const
{
    return root ? ToText(*root, selectedOnly ? &m_selectedCells : nullptr) : wxString();
}

wxString SelectionBand::TextToCopy(const std::vector<const HtmlWindow*>& windows)
{
    // A window's selected text is not empty exactly when it has selected
    // text, so asking first walks each page once.
    const bool selectedOnly =
        std::any_of(windows.begin(), windows.end(), [](const HtmlWindow* window) { return window->HasSelectedText(); });
    wxString text;
    for (const HtmlWindow* window : windows)
        text += window->GetCellText(selectedOnly);
    return text;
}

void SelectionBand::PutOnClipboard(const wxString& text)
{
    wxClipboard* clipboard = wxTheClipboard;
    const bool wasOpen = clipboard->IsOpened();
    if (!wasOpen) {
        if (!clipboard->Open())
            return;
        clipboard->Clear();
    }
    clipboard->SetData(new wxTextDataObject(text));
    if (!wasOpen)
        clipboard->Close();
}

void SelectionBand::Draw(wxDC& dc, wxHtmlContainerCell* root, int top, int bottom)
{
    if (root)
        DrawSelectedWords(dc, *root, top, bottom);
    DrawRectangle(dc);
}

// The selected words once more over the page, each on the selection
// colour: their text is drawn on it, so that nothing the page draws under
// them (the background of a table cell, of a FONT) covers it.
void SelectionBand::DrawSelectedWords(wxDC& dc, wxHtmlContainerCell& root, int top, int bottom)
{
    const std::vector<wxRect> words = SelectedWordsInBand(root, m_selectedCells, top, bottom);
    if (words.empty())
        return;
    wxGraphicsContext* context = dc.GetGraphicsContext();
    if (!context)
        return;
    wxRegion region;
    for (const wxRect& word : words)
        region.Union(word);
    SelectionStyle style;
    wxHtmlRenderingInfo selected;
    selected.SetStyle(&style);
    // Without a selection range, the state stays "selected" for every cell.
    selected.GetState().SetSelectionState(wxHTML_SEL_IN);
    context->PushState();
    context->Clip(region);
    root.Draw(dc, 0, 0, top, bottom, selected);
    context->PopState();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
}

void SelectionBand::DrawRectangle(wxDC& dc)
{
    if (!m_active || m_end == m_start)
        return;
    dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(Rect(m_end));
}

// The rectangle from the band's start to end, both corners inside.
wxRect SelectionBand::Rect(const wxPoint& end) const
{
    return wxRect(std::min(m_start.x, end.x), std::min(m_start.y, end.y), std::abs(end.x - m_start.x) + 1,
                  std::abs(end.y - m_start.y) + 1);
}

void SelectionBand::RefreshRect()
{
    wxRect band = Rect(m_end);
    band.SetPosition(m_window.CalcScrolledPosition(band.GetPosition()));
    m_window.RefreshRect(band.Inflate(2));
}

void SelectionBand::End()
{
    RefreshRect();
    m_active = false;
    if (m_window.HasCapture())
        m_window.ReleaseMouse();
}

bool SelectionBand::OnMouse(const wxMouseEvent& event, const wxPoint& point, const wxHtmlContainerCell* root)
{
    if (event.LeftDown()) {
        if (wxWindow::FindFocus() != &m_window)
            m_window.SetFocus();
        m_window.ClearSelection();
        m_start = m_end = point;
        m_active = true;
        if (!m_window.HasCapture())
            m_window.CaptureMouse();
        return false;
    }
    if (!m_active)
        return false;
    if (event.GetEventType() == wxEVT_MOTION) {
        RefreshRect();
        m_end = point;
        RefreshRect();
    } else if (event.LeftUp()) {
        End();
        const wxRect band = Rect(point);
        if (!root)
            return false;
        if (band.width <= kClickSize && band.height <= kClickSize)
            return true;
        SelectCellsInRect(*root, band, m_selectedCells);
        m_window.Refresh();
    }
    return false;
}

void SelectionBand::OnCaptureLost()
{
    RefreshRect();
    m_active = false;
}

}  // namespace vhtml
