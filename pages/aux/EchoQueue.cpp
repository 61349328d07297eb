#include "pages/aux/EchoQueue.h"

#include <algorithm>

void CEchoQueue::Push(int value)
{
    m_entries.push_back(value);
}

bool CEchoQueue::Swallow(int reported)
{
    const auto match = std::find(m_entries.begin(), m_entries.end(), reported);
    if (match == m_entries.end()) {
        m_entries.clear();
        return false;
    }
    m_entries.erase(m_entries.begin(), match + 1);
    return true;
}
