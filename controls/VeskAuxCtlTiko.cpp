#include "controls/VeskAuxCtlTiko.h"

#include <algorithm>
#include <iterator>

#include <wx/dcbuffer.h>

#include "controls/LightBarPage.h"

namespace {

const int kTableFirst = 50;
const int kTableLast = 100;

// Share of full energy by setting 50..100: tenths of a percent up to 66,
// whole percent above.
const uint8_t kPercent[] = {
    31, 33, 36, 39, 42, 45, 48, 51, 54, 58,  // 50
    62, 67, 72, 77, 82, 88, 95,              // 60
    10, 11, 12, 13, 14, 15, 16, 17, 18, 19,  // 67
    20, 21, 23, 25, 27, 29, 31, 33, 35, 38,  // 77
    41, 44, 47, 50, 54, 58, 62, 66, 71, 76,  // 87
    81, 87, 93, 100,                         // 97
};

// Share of full energy by setting 50..100 in units of 1/16000.
const int32_t kEnergy[] = {
    500,  536,  574,  616,   660,   707,   758,   812,   871,   933,    // 50
    1000, 1072, 1149, 1231,  1320,  1414,  1516,  1624,  1741,  1866,   // 60
    2000, 2144, 2297, 2462,  2639,  2828,  3031,  3249,  3482,  3732,   // 70
    4000, 4287, 4595, 4925,  5278,  5657,  6063,  6498,  6964,  7464,   // 80
    8000, 8574, 9190, 9849,  10556, 11314, 12126, 12996, 13929, 14928,  // 90
    16000,                                                              // 100
};

static_assert(std::size(kPercent) == kTableLast - kTableFirst + 1);
static_assert(std::size(kEnergy) == kTableLast - kTableFirst + 1);

const wxColour kActiveText(0, 255, 0);
const int kRowLeft = 7;

// A setting that the tables cover; a new bar's 0 is none.
bool InTables(int16_t value)
{
    return value >= kTableFirst && value <= kTableLast;
}

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
    if (InTables(m_value))
        m_percent = kPercent[m_value - kTableFirst];
    Refresh();
}

void CVeskAuxCtlTiko::SetJoules(bool lowVoltage, int16_t rating)
{
    if (InTables(m_value)) {
        const int32_t full = lowVoltage ? 19200 : 16000;
        m_joules = static_cast<int16_t>(rating * kEnergy[m_value - kTableFirst] / full);
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
    LayoutAuxFace(face, client, 0, client.x + kRowLeft, m_value != 0,
                  m_joules, m_percent, m_value);
    face.outline = false;
    return face;
}

void CVeskAuxCtlTiko::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    DrawBarFace(dc, GetClientRect(), GetFace());
}
