#include "controls/SpinArrowButton.h"

#include "controls/SpinButton.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/scrolbar.h>
#include <wx/settings.h>
#include <wx/spinbutt.h>

namespace {

// clang-format off
const char* const kUpArrowXpm[] = {
    "13 10 2 1",
    ". c None",
    "# c #000000",
    ".............",
    ".............",
    ".............",
    "......#......",
    ".....###.....",
    "....#####....",
    "...#######...",
    "..#########..",
    ".###########.",
    ".............",
};
// clang-format on

// clang-format off
const char* const kDownArrowXpm[] = {
    "13 10 2 1",
    ". c None",
    "# c #000000",
    ".............",
    ".###########.",
    "..#########..",
    "...#######...",
    "....#####....",
    ".....###.....",
    "......#......",
    ".............",
    ".............",
    ".............",
};
// clang-format on

// Width of the frame that marks the focus: as plain as the toolkit's own
// marks on its buttons, not a faint dotted line.
const int kFocusFrame = 2;

}  // namespace

wxBEGIN_EVENT_TABLE(CSpinArrowButton, wxWindow)
    EVT_LEFT_DOWN(CSpinArrowButton::OnMouse)
    EVT_LEFT_UP(CSpinArrowButton::OnMouse)
    EVT_LEFT_DCLICK(CSpinArrowButton::OnMouse)
    EVT_MIDDLE_DOWN(CSpinArrowButton::OnMouse)
    EVT_MIDDLE_UP(CSpinArrowButton::OnMouse)
    EVT_MIDDLE_DCLICK(CSpinArrowButton::OnMouse)
    EVT_RIGHT_DOWN(CSpinArrowButton::OnMouse)
    EVT_RIGHT_UP(CSpinArrowButton::OnMouse)
    EVT_RIGHT_DCLICK(CSpinArrowButton::OnMouse)
    EVT_TIMER(wxID_ANY, CSpinArrowButton::OnTimer)
    EVT_MOUSE_CAPTURE_LOST(CSpinArrowButton::OnCaptureLost)
    EVT_PAINT(CSpinArrowButton::OnPaint)
wxEND_EVENT_TABLE()

CSpinArrowButton::CSpinArrowButton(CSpinButton* parent, int down)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "button"),
      m_timer(this),
      m_down(down),
      m_arrow(down ? kDownArrowXpm : kUpArrowXpm)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
}

CSpinArrowButton::~CSpinArrowButton()
{
    m_timer.Stop();
    if (HasCapture())
        ReleaseMouse();
}

void CSpinArrowButton::OnMouse(wxMouseEvent& event)
{
    event.Skip();
    if (!IsEnabled())
        return;
    if (event.ButtonUp()) {
        // Also without a press here: the page ends its pending step on it.
        EndPress();
        SendReleaseEvent();
    } else if (event.ButtonDown()) {
        m_timer.Stop();
        SendSpinEvent();
        m_timer.Start(m_firstDelay, wxTIMER_CONTINUOUS);
        Press();
    } else {
        // The second click of a double click steps no further; its release
        // still ends the press.
        Press();
    }
}

void CSpinArrowButton::KeyDown()
{
    if (!IsEnabled())
        return;
    // The keyboard repeats a held key itself: no timer of our own.
    SendSpinEvent();
    if (!m_pressed) {
        m_pressed = true;
        Refresh();
    }
}

void CSpinArrowButton::KeyUp()
{
    if (!m_pressed || m_timer.IsRunning())
        return;
    m_pressed = false;
    Refresh();
    SendReleaseEvent();
}

void CSpinArrowButton::OnTimer(wxTimerEvent&)
{
    // Disabled while held: the release will not come, so end the press here.
    if (!IsEnabled()) {
        EndPress();
        SendReleaseEvent();
        return;
    }
    m_timer.Stop();
    SendSpinEvent();
    m_timer.Start(m_repeatPeriod, wxTIMER_CONTINUOUS);
}

void CSpinArrowButton::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    // Another window took the mouse (a message box): the hold is over.
    const bool held = m_timer.IsRunning();
    EndPress();
    if (held)
        SendReleaseEvent();
}

void CSpinArrowButton::Press()
{
    if (!HasCapture())
        CaptureMouse();
    m_pressed = true;
    Refresh();
}

void CSpinArrowButton::EndPress()
{
    m_timer.Stop();
    if (HasCapture())
        ReleaseMouse();
    m_pressed = false;
    Refresh();
}

void CSpinArrowButton::SendSpinEvent()
{
    wxWindow* spin = GetParent();
    wxSpinEvent event(m_down ? wxEVT_SPIN_DOWN : wxEVT_SPIN_UP, spin->GetId());
    event.SetPosition(0);
    event.SetEventObject(spin);
    spin->GetEventHandler()->ProcessEvent(event);
}

void CSpinArrowButton::SendReleaseEvent()
{
    wxWindow* spin = GetParent();
    wxScrollEvent event(wxEVT_SCROLL_THUMBRELEASE, spin->GetId(), 0, 0);
    event.SetEventObject(spin);
    spin->GetEventHandler()->ProcessEvent(event);
}

void CSpinArrowButton::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    const wxRect rect = GetClientRect();
    int flags = 0;
    if (m_pressed)
        flags |= wxCONTROL_PRESSED;
    if (!IsEnabled())
        flags |= wxCONTROL_DISABLED;
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    wxRendererNative::Get().DrawPushButton(this, dc, rect, flags);
    const wxBitmap arrow = IsEnabled() ? m_arrow : m_arrow.ConvertToDisabled();
    const int shift = m_pressed ? 1 : 0;
    if (GetParent()->HasFocus()) {
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT), kFocusFrame));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(wxRect(rect).Deflate(kFocusFrame / 2));
    }
    dc.DrawBitmap(arrow, (rect.width - arrow.GetWidth()) / 2 + shift, (rect.height - arrow.GetHeight()) / 2 + shift,
                  true);
}
