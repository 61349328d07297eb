// The exported functions: thin, null-safe entries into the ports and records.
// Their callers are C programs: no exception may leave them. The only one the
// library can raise is running out of memory, which leaves the call's work
// undone (a null port from VeskCommPortOpen, 0 from a getter).
#include "comm/VeskComm.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "comm/Comm.h"
#include "comm/FlashDeviceNV.h"
#include "comm/PortNames.h"

namespace {

CComm* Port(VESKCOMM_PORT port)
{
    return reinterpret_cast<CComm*>(port);
}
CFlashDeviceNV* Device(VESKCOMM_DEVICE device)
{
    return reinterpret_cast<CFlashDeviceNV*>(device);
}

// At most size - 1 characters, NUL up to and including out[size - 1].
void CopyName(const std::string& name, char* out, int size)
{
    std::strncpy(out, name.c_str(), static_cast<std::size_t>(size - 1));
    out[size - 1] = '\0';
}

// Runs an export's work; an exception ends it with the fallback result.
template <class Result, class Work>
Result Guarded(Result fallback, Work work) noexcept
{
    try {
        return work();
    } catch (...) {
        return fallback;
    }
}

template <class Work>
void Guarded(Work work) noexcept
{
    try {
        work();
    } catch (...) {
    }
}

}  // namespace

extern "C" {

unsigned char VeskCommDeviceGetAdresse(VESKCOMM_DEVICE device)
{
    return device ? Device(device)->GetAdresse() : 0;
}

unsigned char VeskCommDeviceGetEnergietyp(VESKCOMM_DEVICE device)
{
    return device ? Device(device)->GetEnergietyp() : 0;
}

void VeskCommDeviceGetGeraetetyp(VESKCOMM_DEVICE device, char* out, int size)
{
    if (device && out && size > 0)
        Guarded([&] { CopyName(Device(device)->GetGeraetetyp(), out, size); });
}

void VeskCommDeviceGetGeraetetypKurz(VESKCOMM_DEVICE device, char* out, int size)
{
    if (device && out && size > 0)
        Guarded([&] { CopyName(Device(device)->GetGeraetetypKurz(), out, size); });
}

int VeskCommDeviceGetPCKennwort(VESKCOMM_DEVICE device)
{
    return device ? Device(device)->GetPCKennwort() : 0;
}

unsigned char VeskCommDeviceGetRF_Stat(VESKCOMM_DEVICE device)
{
    return device ? Device(device)->GetRF_Stat() : 0;
}

int VeskCommDeviceGetVersion(VESKCOMM_DEVICE device)
{
    return device ? Device(device)->GetVersion() : 0;
}

void VeskCommFinalize(void)
{
    Guarded([] { FinalizePorts(); });
}

int VeskCommGetNumberOfPorts(void)
{
    return GetNumberOfPorts();
}

const char* VeskCommGetPortName(int index)
{
    return GetPortName(index);
}

void VeskCommInitialize(const void* reserved, CommCallbacks* callbacks)
{
    g_pCallbacks = callbacks;
    Guarded([&] { InitializePorts(reserved); });
}

void VeskCommPortClose(VESKCOMM_PORT port)
{
    if (!port)
        return;
    // From inside one of its own callbacks the port is closed when the
    // library call that runs them returns.
    if (Port(port)->IsBusy())
        Port(port)->RequestClose();
    else
        delete Port(port);
}

void VeskCommPortIdle(VESKCOMM_PORT port)
{
    if (!port || Port(port)->IsBusy())
        return;
    Guarded([&] { Port(port)->Idle(); });
    if (Port(port)->IsCloseRequested())
        delete Port(port);
}

bool VeskCommPortIsOpen(VESKCOMM_PORT port)
{
    return port && Port(port)->IsOpen();
}

VESKCOMM_PORT VeskCommPortOpen(const char* portName, unsigned char studio, unsigned char lowestAddress,
                               unsigned char highestAddress)
{
    return Guarded<VESKCOMM_PORT>(nullptr, [&] {
        return reinterpret_cast<VESKCOMM_PORT>(
            new CComm(portName ? portName : "", studio, lowestAddress, highestAddress));
    });
}

void VeskCommPortSetDemo(VESKCOMM_PORT port)
{
    if (port)
        Port(port)->SetDemo(1);
}

void VeskCommPortSetFocusedDevice(VESKCOMM_PORT port, VESKCOMM_DEVICE device)
{
    if (port)
        Port(port)->SetFocusedDevice(Device(device));
}

void VeskCommPortSetRange(VESKCOMM_PORT port, unsigned char lowestAddress, unsigned char highestAddress)
{
    if (!port)
        return;
    Port(port)->SetAddressFrom(lowestAddress);
    Port(port)->SetAddressTo(highestAddress);
}

void VeskCommPortTransmit(VESKCOMM_PORT port, unsigned char* buffer, unsigned char length, unsigned char address,
                          unsigned short command)
{
    if (!port) {
        std::fprintf(stderr, "VeskComm(79): assertion failed: port != NULL\n");
        return;
    }
    Guarded([&] { Port(port)->Transmit(buffer, length, address, command); });
}

}  // extern "C"
