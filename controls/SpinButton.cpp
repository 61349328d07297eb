#include "controls/SpinButton.h"

#include "controls/SpinArrowButton.h"

wxBEGIN_EVENT_TABLE(CSpinButton, wxControl)
    EVT_SIZE(CSpinButton::OnSize)
    EVT_KEY_DOWN(CSpinButton::OnKey)
    EVT_KEY_UP(CSpinButton::OnKey)
    EVT_SET_FOCUS(CSpinButton::OnFocus)
    EVT_KILL_FOCUS(CSpinButton::OnFocus)
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

CSpinArrowButton* CSpinButton::ArrowOf(const wxKeyEvent& event) const
{
    if (event.HasAnyModifiers())
        return nullptr;
    switch (event.GetKeyCode()) {
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return m_up;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return m_down;
    default:
        return nullptr;
    }
}

void CSpinButton::OnKey(wxKeyEvent& event)
{
    CSpinArrowButton* arrow = ArrowOf(event);
    if (!arrow) {
        // Tab and the rest go on to the toolkit's navigation.
        event.Skip();
        return;
    }
    if (event.GetEventType() == wxEVT_KEY_DOWN)
        arrow->KeyDown();
    else
        arrow->KeyUp();
}

void CSpinButton::OnFocus(wxFocusEvent& event)
{
    event.Skip();
    // The halves draw the mark.
    m_up->Refresh();
    m_down->Refresh();
    // A key held while the focus leaves ends its press here: its release
    // goes elsewhere.
    if (event.GetEventType() == wxEVT_KILL_FOCUS) {
        m_up->KeyUp();
        m_down->KeyUp();
    }
}
