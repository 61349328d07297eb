// The program's small spin control: an up and a down arrow, each stepping
// while held. Steps reach the page as spin-up and spin-down events with this
// control's id (EVT_SPIN_UP/EVT_SPIN_DOWN), the end of a press as a scroll
// thumb-release event (EVT_SCROLL_THUMBRELEASE). With the focus, the Up and
// Down keys are the arrows: each press a step, the release the end of it.
#pragma once

#include <wx/control.h>

class CSpinArrowButton;

class CSpinButton : public wxControl {
public:
    CSpinButton(wxWindow* parent, wxWindowID id);

    bool Show(bool show = true) override;
    bool Enable(bool enable = true) override;

    // Interval of the steps after the first repeat (150 ms unless set).
    void SetRepeatPeriod(unsigned short ms);
    // Whether a held arrow has more steps to come; once false, none comes
    // before the next press.
    bool IsRepeating() const;

private:
    void OnSize(wxSizeEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnFocus(wxFocusEvent& event);
    // The arrow that key stands for; null for any other key.
    CSpinArrowButton* ArrowOf(const wxKeyEvent& event) const;

    CSpinArrowButton* m_up;
    CSpinArrowButton* m_down;

    wxDECLARE_EVENT_TABLE();
};
