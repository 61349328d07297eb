#include "comm/UsbPort.h"

#include <algorithm>
#include <utility>

#include "comm/AdapterList.h"

CUsbPort::CUsbPort(std::string portName) : m_portName(std::move(portName)) {}

bool CUsbPort::Open()
{
    if (m_portName.empty())
        return false;
    const std::string description = m_portName.substr(1);
    for (const AdapterInfo& adapter : ListAdapters()) {
        if (adapter.description == description)
            return m_line.Open(adapter.devicePath) && m_line.Configure();
    }
    return false;  // names no attached adapter
}

bool CUsbPort::ReadByte(uint8_t* byte)
{
    *byte = 0;
    if (m_receivedBegin == m_receivedEnd) {
        const std::size_t waiting = m_line.BytesWaiting();
        if (waiting == 0)
            return false;
        m_receivedBegin = 0;
        m_receivedEnd = m_line.Read(m_received, std::min(waiting, sizeof m_received));
        if (m_receivedEnd == 0)
            return false;
    }
    *byte = m_received[m_receivedBegin++];
    return true;
}

bool CUsbPort::Write(const std::string& text)
{
    return m_line.Write(text.data(), text.size());
}

bool CUsbPort::Close()
{
    m_receivedBegin = m_receivedEnd = 0;
    return m_line.Close();
}
