#include "controls/MainLightBar.h"

#include <wx/xrc/xmlres.h>

#include "text/TextTable.h"
#include "controls/LightBarPage.h"

CMainLightBar::CMainLightBar(CLightBarPage* page, const Style& style)
    : CLightBar(page, 0), m_style(style), m_available(!style.showsAvailability)
{
}

void CMainLightBar::SetValue(int16_t value, bool available)
{
    if (!KeepValue(value, 0) && available == m_available)
        return;
    m_available = available;
    Refresh();
}

void CMainLightBar::SetPresetMode(bool inhibited)
{
    if (inhibited == m_inhibited)
        return;
    m_inhibited = inhibited;
    if (wxWindow* spin = FindSpin(XRCID("IDC_SPIN_MAIN")))
        spin->Enable(!inhibited);
    Refresh();
}

BarFace CMainLightBar::GetFace() const
{
    BarFace face;
    face.largePoints = 30;
    face.largeBox = GetClientRect();
    face.textColour =
        BarTextColour(IsActive(), false, wxColour(m_style.colour[0], m_style.colour[1], m_style.colour[2]));
    if (m_inhibited)
        face.large = GetString(Page()->GetLanguageOffset() + m_style.markerText);
    else
        face.large = Page()->GetBarText(GetValue(), m_available, true, false, 0);
    return face;
}
