#include "controls/VeskAuxCtlTiko.h"

#include <algorithm>

#include <wx/dcbuffer.h>

#include "controls/LightBarPage.h"
#include "text/EnergyTables.h"

namespace {

const wxColour kActiveText(0, 255, 0);
const int kRowLeft = 7;

// Joules are the rating's share of the full energy; a low-voltage unit
// gives five sixths, as if the full energy were six fifths.
const int32_t kFull = EnergyTables::kFullEnergy;
const int32_t kLowVoltageFull = kFull * 6 / 5;

}  // namespace

wxBEGIN_EVENT_TABLE(CVeskAuxCtlTiko, wxWindow)
    EVT_PAINT(CVeskAuxCtlTiko::OnPaint)
wxEND_EVENT_TABLE()

CVeskAuxCtlTiko::CVeskAuxCtlTiko(CLightBarPage* page) : m_page(page)
{
    // The paint covers the whole bar.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
}

void CVeskAuxCtlTiko::SetValue(int16_t value, bool warning)
{
    const int16_t lower = m_page->IsEnergyRangeChecked() ? 50 : 60;
    const int16_t limited = std::max(std::min<int16_t>(value, 100), lower);
    if (limited == m_value && warning == m_warning)
        return;
    m_value = limited;
    m_warning = warning;
    Refresh();
}

void CVeskAuxCtlTiko::UpdatePercent()
{
    // A new bar's 0 has no entry.
    if (EnergyTables::HasEntry(m_value))
        m_percent = EnergyTables::Percent(m_value);
    Refresh();
}

void CVeskAuxCtlTiko::SetJoules(bool lowVoltage, int16_t rating)
{
    if (EnergyTables::HasEntry(m_value)) {
        const int32_t full = lowVoltage ? kLowVoltageFull : kFull;
        m_joules = static_cast<int16_t>(rating * static_cast<int32_t>(EnergyTables::Joules(m_value)) / full);
    }
    Refresh();
}

void CVeskAuxCtlTiko::SetFlag(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    Refresh();
}

BarFace CVeskAuxCtlTiko::GetFace() const
{
    BarFace face;
    const wxRect client = GetClientRect();
    face.textColour = BarTextColour(m_active, m_warning, kActiveText);
    face.large = m_page->GetBarText(m_value, true, true, false, 1);
    LayoutAuxFace(face, client, 0, client.x + kRowLeft, m_value != 0, m_joules, m_percent, m_value);
    face.outline = false;
    return face;
}

void CVeskAuxCtlTiko::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    DrawBarFace(dc, GetClientRect(), GetFace());
}
