#include "controls/BarFace.h"

#include <wx/dc.h>
#include <wx/font.h>

namespace {

const wxColour kBarGrey(128, 128, 128);
const wxColour kInactiveText(180, 180, 180);
const wxColour kWarningText(255, 0, 0);

wxFont BarFont(int points, const char* face)
{
    return wxFont(wxFontInfo(points).Family(wxFONTFAMILY_SWISS).FaceName(face));
}

}  // namespace

wxColour BarTextColour(bool active, bool warning, const wxColour& activeColour)
{
    if (!active)
        return kInactiveText;
    return warning ? kWarningText : activeColour;
}

wxString BarPercentText(int16_t value, int16_t percent)
{
    if (value > 66)
        return wxString::Format("%i%%", percent);
    wxString text = wxString::Format("%1.1f%%", percent / 10.0);
    text.Replace(",", ".");
    return text;
}

void LayoutAuxFace(BarFace& face, const wxRect& client, int inset, int rowLeft, bool lowerRow, int16_t joules,
                   int16_t percent, int16_t value)
{
    const int upper = client.height - client.height / 4;
    face.largePoints = 24;
    face.largeBox = wxRect(client.x + inset, client.y, client.width - inset, upper);
    face.lowerRow = lowerRow;
    if (!lowerRow)
        return;
    const int rowTop = client.y + upper - 3;
    face.joules = wxString::Format("%iJ", joules);
    face.percent = BarPercentText(value, percent);
    face.joulesAt = wxPoint(rowLeft, rowTop);
    face.percentAt = wxPoint((rowLeft - 1 + (client.width - 7)) / 2 + 7, rowTop);
}

void DrawBarFace(wxDC& dc, const wxRect& client, const BarFace& face)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(kBarGrey, wxBRUSHSTYLE_SOLID));
    dc.DrawRectangle(client);
    for (const BarIndicator& indicator : face.indicators) {
        dc.SetBrush(wxBrush(indicator.colour, wxBRUSHSTYLE_SOLID));
        dc.DrawRectangle(indicator.rect);
    }

    dc.SetTextForeground(face.textColour);
    dc.SetFont(BarFont(face.largePoints, "Arial"));
    const wxSize text = dc.GetTextExtent(face.large);
    const wxRect& box = face.largeBox;
    dc.DrawText(face.large, box.x + (box.width - text.x) / 2, box.y + (box.height - text.y) / 2);

    if (face.lowerRow) {
        dc.SetFont(BarFont(8, "MS Sans Serif"));
        dc.DrawText(face.joules, face.joulesAt);
        dc.DrawText(face.percent, face.percentAt);
    }

    if (face.outline) {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(client);
    }
}
