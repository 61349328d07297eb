#include "controls/VeskAuxCtlTiko.h"

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

CVeskAuxCtlTiko::CVeskAuxCtlTiko(CLightBarPage* page) : CLightBar(page, 1) {}

void CVeskAuxCtlTiko::SetValue(int16_t value, bool warning)
{
    if (!KeepValue(value, m_lower) && warning == m_warning)
        return;
    m_warning = warning;
    Refresh();
}

void CVeskAuxCtlTiko::UpdatePercent()
{
    // A new bar's 0 has no entry.
    if (EnergyTables::HasEntry(GetValue()))
        m_percent = EnergyTables::Percent(GetValue());
    Refresh();
}

void CVeskAuxCtlTiko::SetJoules(bool lowVoltage, int16_t rating)
{
    if (EnergyTables::HasEntry(GetValue())) {
        const int32_t full = lowVoltage ? kLowVoltageFull : kFull;
        m_joules = static_cast<int16_t>(rating * static_cast<int32_t>(EnergyTables::Joules(GetValue())) / full);
    }
    Refresh();
}

BarFace CVeskAuxCtlTiko::GetFace() const
{
    BarFace face;
    const wxRect client = GetClientRect();
    const int16_t value = GetValue();
    face.textColour = BarTextColour(IsActive(), m_warning, kActiveText);
    face.large = Page()->GetBarText(value, true, true, false, 1);
    LayoutAuxFace(face, client, 0, client.x + kRowLeft, value != 0, m_joules, m_percent, value);
    face.outline = false;
    return face;
}
