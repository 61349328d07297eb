// A simulated generator that answers in demo mode in place of a unit on
// the bus.
#pragma once

#include <cstdint>
#include <string>

class CDemoDevice {
public:
    CDemoDevice(uint16_t address, uint16_t energyClass);

    // Parses and carries out one frame text (carriage return included); the
    // answer text, if any, replaces answer.
    void Receive(const std::string& frame, std::string& answer);

private:
    uint16_t m_address;
    uint16_t m_energyClass;
};
