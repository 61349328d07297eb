#include "controls/SpinButton.h"

#include "controls/SpinArrowButton.h"

wxBEGIN_EVENT_TABLE(CSpinButton, wxControl)
    EVT_SIZE(CSpinButton::OnSize)
wxEND_EVENT_TABLE()

// The arrows exist from the start, so every setter can reach them.
CSpinButton::CSpinButton(wxWindow* parent, wxWindowID id)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxNO_BORDER, wxDefaultValidator, "control"),
      m_up(new CSpinArrowButton(this, 0)),
      m_down(new CSpinArrowButton(this, 1))
{
}

bool CSpinButton::Show(bool show)
{
    if (!wxControl::Show(show))
        return false;
    m_up->Show(show);
    m_down->Show(show);
    return true;
}

bool CSpinButton::Enable(bool enable)
{
    if (!wxControl::Enable(enable))
        return false;
    m_up->Enable(enable);
    m_down->Enable(enable);
    return true;
}

void CSpinButton::SetRepeatPeriod(unsigned short ms)
{
    m_up->SetRepeatPeriod(ms);
    m_down->SetRepeatPeriod(ms);
}

bool CSpinButton::IsRepeating() const
{
    return m_up->IsRepeating() || m_down->IsRepeating();
}

// Each arrow takes half the height, rounded down; an odd last row stays bare.
void CSpinButton::OnSize(wxSizeEvent& event)
{
    const wxSize size = GetClientSize();
    const int half = size.y / 2;
    m_up->SetSize(0, 0, size.x, half, wxSIZE_AUTO);
    m_down->SetSize(0, half, size.x, half, wxSIZE_AUTO);
    event.Skip();
}
