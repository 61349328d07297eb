// A simulated generator that answers in demo mode in place of a unit on
// the bus: it reads the frames addressed to it, carries out the commands on
// its state and answers like a real unit, including the change notification
// through status polls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "comm/DemoUnitState.h"

class CDemoDevice {
public:
    CDemoDevice(uint16_t address, uint16_t energyClass);

    // Reads and carries out one frame text (carriage return included); the
    // answer text, if any, replaces answer. When memory runs out the unit
    // has done nothing and answer is untouched.
    void Receive(const std::string& frame, std::string& answer);

private:
    std::unique_ptr<CDemoUnitState> m_unit;
};
