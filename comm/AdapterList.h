// The serial adapters attached to this machine: USB serial ttys described by
// their USB product string, then the device paths of VESKCOMM_PORTS (each
// described by its path), so that a pseudo-terminal can stand in for one.
#pragma once

#include <string>
#include <vector>

struct AdapterInfo {
    std::string description;
    std::string devicePath;
};

// ttyUSB* then ttyACM* in numeric order, found under ttyClassDir.
std::vector<AdapterInfo> ListAdapters(const std::string& ttyClassDir = "/sys/class/tty",
                                      const std::string& deviceDir = "/dev");
