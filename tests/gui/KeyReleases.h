// Counts the keys let go anywhere in the program while it lives: a key sent
// to the display has been handled once its release was seen.
#pragma once

#include <algorithm>
#include <cctype>
#include <vector>

#include <wx/event.h>
#include <wx/eventfilter.h>

namespace guitest {

class KeyReleases : public wxEventFilter {
public:
    KeyReleases() { wxEvtHandler::AddFilter(this); }
    KeyReleases(const KeyReleases&) = delete;
    KeyReleases& operator=(const KeyReleases&) = delete;
    ~KeyReleases() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventType() == wxEVT_KEY_UP)
            m_keys.push_back(static_cast<wxKeyEvent&>(event).GetKeyCode());
        return Event_Skip;
    }

    // Letters come back as capitals.
    bool Saw(int key) const
    {
        return std::find(m_keys.begin(), m_keys.end(), key < 128 ? std::toupper(key) : key) != m_keys.end();
    }

private:
    std::vector<int> m_keys;
};

}  // namespace guitest
