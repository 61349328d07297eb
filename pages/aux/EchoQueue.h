// The values a page sent for one field, oldest first. The unit reports every
// value it took, so a report that matches a sent value is the echo of the
// user's own change and must not overwrite a newer one still on screen.
#pragma once

#include <vector>

class CEchoQueue {
public:
    // A value the page has just sent.
    void Push(int value);

    // A value the unit reports. True when it echoes a queued value: that
    // entry and every older one are dropped, and the report is to be
    // ignored. False otherwise: the queue is emptied, since the unit refused
    // or changed what was sent, and the report is to be shown.
    bool Swallow(int reported);

    const std::vector<int>& Entries() const { return m_entries; }

private:
    std::vector<int> m_entries;
};
