#include "controls/MainLightBar.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/xrc/xmlres.h>

#include "text/TextTable.h"
#include "controls/LightBarPage.h"

wxBEGIN_EVENT_TABLE(CMainLightBar, wxWindow)
    EVT_PAINT(CMainLightBar::OnPaint)
wxEND_EVENT_TABLE()

CMainLightBar::CMainLightBar(CLightBarPage* page, const Style& style)
    : m_page(page), m_style(style), m_available(!style.showsAvailability)
{
    // The paint covers the whole bar.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
}

void CMainLightBar::StoreValue(int16_t value, bool available)
{
    const int16_t limited = std::clamp<int16_t>(value, 0, 100);
    if (limited == m_value && available == m_available)
        return;
    m_value = limited;
    m_available = available;
    Refresh();
}

void CMainLightBar::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    Refresh();
}

void CMainLightBar::SetPresetMode(bool inhibited)
{
    if (inhibited == m_inhibited)
        return;
    m_inhibited = inhibited;
    // The spin button lies on the page, beside the placeholder's container.
    wxWindow* container = GetParent();
    wxWindow* page = container ? container->GetParent() : nullptr;
    if (wxWindow* spin = page ? page->FindWindow(XRCID("IDC_SPIN_MAIN")) : nullptr)
        spin->Enable(!inhibited);
    Refresh();
}

BarFace CMainLightBar::GetFace() const
{
    BarFace face;
    face.largePoints = 30;
    face.largeBox = GetClientRect();
    face.textColour = BarTextColour(m_active, false, wxColour(m_style.colour[0], m_style.colour[1], m_style.colour[2]));
    if (m_inhibited)
        face.large = GetString(m_page->GetLanguageOffset() + m_style.markerText);
    else
        face.large = m_page->GetBarText(m_value, m_available, true, false, 0);
    return face;
}

void CMainLightBar::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    DrawBarFace(dc, GetClientRect(), GetFace());
}
