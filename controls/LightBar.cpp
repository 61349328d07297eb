#include "controls/LightBar.h"

#include <algorithm>

#include <wx/dcbuffer.h>

wxBEGIN_EVENT_TABLE(CLightBar, wxWindow)
    EVT_PAINT(CLightBar::OnPaint)
wxEND_EVENT_TABLE()

CLightBar::CLightBar(CLightBarPage* page, int outlet) : m_page(page), m_outlet(outlet)
{
    // The paint covers the whole bar.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
}

void CLightBar::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    Refresh();
}

bool CLightBar::KeepValue(int16_t value, int16_t lower)
{
    const int16_t limited = std::clamp<int16_t>(value, lower, 100);
    if (limited == m_value)
        return false;
    m_value = limited;
    return true;
}

wxWindow* CLightBar::FindSpin(int spinId) const
{
    wxWindow* container = GetParent();
    wxWindow* page = container ? container->GetParent() : nullptr;
    return page ? page->FindWindow(spinId) : nullptr;
}

void CLightBar::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    DrawBarFace(dc, GetClientRect(), GetFace());
}
