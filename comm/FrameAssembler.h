// Collects received characters into frame texts. Knows the start and end
// characters of a frame, nothing of its content.
#pragma once

#include <string>

class FrameAssembler {
public:
    // Takes one received character. Returns true when a carriage return
    // completed a text, which Text() then holds until the next call.
    bool Feed(char c);
    const std::string& Text() const { return m_text; }
    void Clear();

private:
    std::string m_text;
    bool m_complete = false;
    // Set when a collection outgrew any frame: nothing is kept until the
    // next start character.
    bool m_discarding = false;
};
