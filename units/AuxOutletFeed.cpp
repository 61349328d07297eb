#include "units/AuxOutletFeed.h"

#include <algorithm>

#include "controls/AuxLightBar.h"
#include "pages/lamp/LampPageBase.h"
#include "units/LedState.h"

CAuxOutletFeed::CAuxOutletFeed(CFamilyDevicePage& page, const std::vector<CFamilyDevicePage::BarRow>& bars)
    : m_page(page), m_auxBars(0)
{
    for (const CFamilyDevicePage::BarRow& bar : bars)
        m_auxBars = std::max(m_auxBars, bar.outlet);
}

void CAuxOutletFeed::Show(int outlet, const PowerPackRecords::AuxOutlet& state)
{
    if (outlet < 1 || outlet > m_auxBars)
        return;
    m_kept[outlet - 1] = state.value;
    if (CAuxLightBar* bar = m_page.LightBars().Aux(outlet)) {
        bar->SetState(state.on, state.available);
        bar->SetValue(static_cast<int16_t>(state.value), state.warning);
        bar->SetPercent(static_cast<int16_t>(state.percent));
        bar->SetJoules(static_cast<int16_t>(state.joules));
    }
    if (CLampPageBase* lamp = m_page.SettingBooks().GetLampPage())
        lamp->SetLampChoice(outlet, state.available);
}

void CAuxOutletFeed::Restore()
{
    for (int outlet = 1; outlet <= m_auxBars; ++outlet) {
        if (CAuxLightBar* bar = m_page.LightBars().Aux(outlet))
            bar->SetValue(static_cast<int16_t>(m_kept[outlet - 1]), false);
    }
    m_page.UnitControls().SetLedState(kLedRed);
}

int CAuxOutletFeed::Kept(int outlet) const
{
    return outlet >= 1 && outlet <= m_auxBars ? m_kept[outlet - 1] : 0;
}
