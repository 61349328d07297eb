#include "controls/AuxLightBar.h"

#include <algorithm>

#include <wx/checkbox.h>

#include "controls/LightBarPage.h"

namespace {

const wxColour kIndicatorLit(0, 255, 0);
const wxColour kIndicatorDark(192, 192, 192);

}  // namespace

CAuxLightBar::CAuxLightBar(CLightBarPage* page, int16_t channel, const Style& style)
    : CLightBar(page, channel), m_style(style)
{
}

void CAuxLightBar::CreateCheckBox(wxWindowID checkId, wxWindowID spinId)
{
    m_spin = FindSpin(spinId);
    m_check =
        new wxCheckBox(this, checkId, wxEmptyString, wxPoint(4, 8), wxDefaultSize, 0, wxDefaultValidator, "check");
    m_check->Bind(wxEVT_CHECKBOX, &CAuxLightBar::OnCheck, this);
    EnableSpin(false);
}

void CAuxLightBar::SetPair(int pair, bool on, bool available)
{
    m_on[pair] = on;
    m_available[pair] = available;
    UpdateControls();
}

void CAuxLightBar::UpdateControls()
{
    const bool on = AnyOn() && AnyAvailable();
    if (m_check) {
        if (m_style.hidesCheckBox)
            m_check->Hide();
        m_check->SetValue(on);
        m_check->Enable(AnyAvailable() && !(GetOutlet() == 3 && m_inhibited));
    }
    EnableSpin(on && !m_inhibited);
    Refresh();
}

void CAuxLightBar::SetInhibit(bool inhibited)
{
    if (inhibited == m_inhibited)
        return;
    m_inhibited = inhibited;
    UpdateControls();
}

void CAuxLightBar::SetValue(int16_t value, bool warning)
{
    if (!KeepValue(value, 0) && warning == m_warning)
        return;
    m_warning = warning;
    Refresh();
}

void CAuxLightBar::SetPercent(int16_t percent)
{
    m_percent = std::min<int16_t>(percent, 100);
    Refresh();
}

void CAuxLightBar::SetJoules(int16_t joules)
{
    m_joules = std::min(joules, m_style.joulesCap);
    Refresh();
}

bool CAuxLightBar::IsOn() const
{
    return m_on[0] && m_available[0];
}

void CAuxLightBar::EnableSpin(bool enable)
{
    if (m_spin)
        m_spin->Enable(enable);
}

// The user switched the outlet: the bar takes the switch before the page
// hears of it and sends the energy command; the unit's next status repaints
// the bar.
void CAuxLightBar::OnCheck(wxCommandEvent& event)
{
    m_on[0] = event.IsChecked();
    EnableSpin(m_on[0] && m_available[0] && !m_inhibited);
    event.Skip();
}

BarFace CAuxLightBar::GetFace() const
{
    BarFace face;
    const wxRect client = GetClientRect();
    const bool on = AnyOn();
    const bool available = AnyAvailable();
    const int16_t value = GetValue();
    const int16_t channel = static_cast<int16_t>(GetOutlet());
    face.textColour =
        BarTextColour(IsActive(), m_warning, wxColour(m_style.colour[0], m_style.colour[1], m_style.colour[2]));
    face.large = Page()->GetBarText(value, available, on, m_inhibited, channel);
    LayoutAuxFace(face, client, (client.width - 7) / 4, client.x + m_style.rowLeft,
                  value != 0 && on && available && !m_inhibited, m_joules, m_percent, value);
    face.outline = channel != 3;

    if (m_style.indicators) {
        const int third = client.height / 3;
        auto indicator = [&](int pair, int top) {
            const bool lit = m_available[pair] && IsActive();
            face.indicators.push_back({wxRect(client.x + 4, top, 4, third), lit ? kIndicatorLit : kIndicatorDark});
        };
        if (channel == 1) {
            indicator(0, client.y + third);
        } else {
            const int top = client.y + third / 3;
            indicator(0, top);
            indicator(1, top + third + third / 3);
        }
    }
    return face;
}
