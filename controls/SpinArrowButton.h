// One arrow half of CSpinButton. A press gives one step at once, another after
// the first delay and then one per repeat period while held; letting go tells
// the page that the press ended. While the spin button has the focus both
// halves wear a frame in the selection colour. Drawn by hand: a native GTK button will not
// shrink to half the height of a spin button.
#pragma once

#include <wx/bitmap.h>
#include <wx/timer.h>
#include <wx/window.h>

class CSpinButton;

class CSpinArrowButton : public wxWindow {
public:
    // down: 0 for the upper (step up) half, else the lower half.
    CSpinArrowButton(CSpinButton* parent, int down);
    ~CSpinArrowButton() override;

    void SetRepeatPeriod(unsigned short ms) { m_repeatPeriod = ms; }
    // The spin button takes the focus as a whole, not its halves.
    bool AcceptsFocus() const override { return false; }

    // A key that stands for this arrow went down (again, while held) or up:
    // one step per press, as a click, and the end of the press on release.
    void KeyDown();
    void KeyUp();
    // Whether more steps of the press are to come.
    bool IsRepeating() const { return m_timer.IsRunning(); }

private:
    void OnMouse(wxMouseEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnPaint(wxPaintEvent& event);

    void Press();
    void EndPress();
    void SendSpinEvent();
    void SendReleaseEvent();

    wxTimer m_timer;  // runs exactly while the arrow is held
    int m_down;
    unsigned short m_repeatPeriod = 150;
    unsigned short m_firstDelay = 600;
    bool m_pressed = false;  // drawn sunken
    wxBitmap m_arrow;

    wxDECLARE_EVENT_TABLE();
};
