// A device page's busy state: the toolkit's busy cursor while a step command
// is under way, ended by the step's answer or, should none come, by the
// first tick of timer 471.
#pragma once

#include <wx/timer.h>

class CBusyCursor {
public:
    CBusyCursor();
    // A page that goes while a step is under way must not leave the cursor
    // busy.
    ~CBusyCursor();
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;

    // Starts the timer again; a second start keeps the one cursor.
    void Begin();
    void End();
    bool IsBusy() const { return m_busy; }

private:
    void OnTimer(wxTimerEvent& event);

    wxTimer m_timer;
    bool m_busy = false;
};
