#include "comm/PortNames.h"

#include "comm/AdapterList.h"

std::deque<std::string> g_PortNames;

void EnumeratePorts()
{
    for (const AdapterInfo& adapter : ListAdapters())
        g_PortNames.push_back(" " + adapter.description);
}

void InitializePorts(const void*)
{
    EnumeratePorts();
}

void FinalizePorts() {}

int GetNumberOfPorts()
{
    return static_cast<int>(g_PortNames.size());
}

const char* GetPortName(int index)
{
    if (index < 0 || index >= GetNumberOfPorts())
        return "";
    return g_PortNames[static_cast<std::size_t>(index)].c_str();
}
