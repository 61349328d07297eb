#include "comm/FrameAssembler.h"

#include "comm/FrameCodec.h"

namespace {
bool IsStartChar(char c)
{
    return c >= 'P' && c <= 'W';
}
}  // namespace

bool FrameAssembler::Feed(char c)
{
    if (m_complete)
        Clear();
    if (IsStartChar(c)) {
        m_discarding = false;
        m_text.assign(1, c);
        return false;
    }
    if (m_discarding)
        return false;
    if (c == '\r') {
        m_complete = true;
        return true;
    }
    if (m_text.size() >= kMaxFrameText) {
        m_text.clear();
        m_discarding = true;
        return false;
    }
    m_text += c;
    return false;
}

void FrameAssembler::Clear()
{
    m_text.clear();
    m_complete = false;
    m_discarding = false;
}
