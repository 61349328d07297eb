#include "comm/DemoCommandTable.h"

#include <algorithm>
#include <array>

#include "comm/BigEndian.h"

namespace {

// A command's data bytes; those it lacks read as 0.
class Data {
public:
    explicit Data(const std::vector<uint8_t>& bytes) : m_bytes(bytes) {}
    uint8_t operator[](std::size_t k) const { return k < m_bytes.size() ? m_bytes[k] : 0; }
    uint16_t Be16(std::size_t k) const
    {
        const uint8_t pair[2] = {(*this)[k], (*this)[k + 1]};
        return ReadBe16(pair);
    }

private:
    const std::vector<uint8_t>& m_bytes;
};

// Commands that leave a switched-off unit off.
constexpr std::array<uint16_t, 5> kPowerNeutralCommands = {11, 14, kCommandStatusPoll, kCommandIdentify,
                                                           kCommandNoAnswer};

// A command's effect; the record that answers it, or kRecordStatus.
using Run = uint16_t (*)(CDemoUnitState&, const Data&);
struct Command {
    uint16_t code;
    Run run;
};

void SetRecord8Pair(CDemoUnitState& u, const Data& data, int pair)
{
    u.record8Values[1 + 2 * pair] = std::min<uint16_t>(data[0], 99);
    u.record8Values[2 + 2 * pair] = std::min<uint16_t>(data[1], 12);
}

const Command kCommands[] = {
    {1,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.SetChannelSwitches(data[2]);
         // There are only four channels: a higher one changes no energy.
         if (data[1] <= 3)
             u.SetEnergy(data[0], data[1]);
         else
             u.MarkPending(1);
         return 1;
     }},
    {kCommandRequestRecord, [](CDemoUnitState&, const Data& data) -> uint16_t { return data.Be16(0); }},
    {3,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         const uint8_t request = data[0];
         if (request & 0x40) {
             const int mode = request & 0x0F;
             if (u.IsModellingLightModeAllowed(mode))
                 u.settings.lampMode = static_cast<uint16_t>(mode);
         } else if (request & 0x80) {
             u.settings.lampFollow = request & 1;
         }
         u.LimitModellingLightMode();
         return 1;
     }},
    {4,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         const uint8_t request = data[0];
         auto& flags = u.settings.switchFlags;
         if (request & 0x40)
             flags[2] = request & 1;
         else if (request & 0x20)
             flags[7] = request & 1;
         else if (request & 0x80)
             flags[1] = request & 1;
         return kRecordStatus;
     }},
    {5,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.settings.sequenceValue = data[0];
         u.MarkPending(2);
         return kRecordStatus;
     }},
    {6,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.StepEnergy(data[0] != 0);
         return kRecordStatus;
     }},
    {kCommandInterval,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.AdjustTimedValue(data.Be16(0), 3);
         return kRecordStatus;
     }},
    {kCommandDelay,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.settings.delay = data.Be16(0);
         u.MarkPending(2);
         return kRecordStatus;
     }},
    {9,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.SetSequenceProgram(data[0]);
         return kRecordStatus;
     }},
    {10,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.settings.alternateOrder = data[0];
         u.MarkPending(2);
         return kRecordStatus;
     }},
    {11,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.pageSelection = data[0];
         u.memorySelection = data[1];
         for (std::size_t i = 0; i < 3; ++i) {
             if (data[2 + i] != 0xFF)
                 u.settings.lampFunctions[i] = data[2 + i];
         }
         return kRecordStatus;
     }},
    {12,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         const uint8_t memory = data[0];
         if (memory < u.memories.size())
             u.StoreMemory(u.memories[memory], 0);
         return static_cast<uint16_t>(kFirstMemoryRecord + memory);
     }},
    {13,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         const uint8_t memory = data[0];
         if (memory < u.memories.size())
             u.RecallMemory(u.memories[memory]);
         return kRecordStatus;
     }},
    {14,
     [](CDemoUnitState& u, const Data&) -> uint16_t {
         u.MarkAllPending();
         return kRecordStatus;
     }},
    {15,
     [](CDemoUnitState& u, const Data&) -> uint16_t {
         u.ResetTimingValues();
         return kRecordStatus;
     }},
    {16,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.settings.switchFlags[6] = data[0] & 1;
         return kRecordStatus;
     }},
    {17,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         for (int k = 0; k < 3; ++k)
             u.settings.switchFlags[3 + k] = (data[0] >> k) & 1;
         return kRecordStatus;
     }},
    {19,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.settings.powerDisplayMode = data[0];
         return kRecordStatus;
     }},
    {21,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         SetRecord8Pair(u, data, 0);
         return kRecordStatus;
     }},
    {23,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         SetRecord8Pair(u, data, 1);
         return kRecordStatus;
     }},
    {26,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         SetRecord8Pair(u, data, 2);
         return kRecordStatus;
     }},
    {25,
     [](CDemoUnitState& u, const Data& data) -> uint16_t {
         u.serialNumber = static_cast<uint32_t>(data.Be16(0)) << 16 | data.Be16(2);
         return kRecordStatus;
     }},
    {27,
     [](CDemoUnitState& u, const Data&) -> uint16_t {
         u.SetPowered(false);
         return kRecordStatus;
     }},
    {28,
     [](CDemoUnitState& u, const Data&) -> uint16_t {
         u.SetPowered(true);
         return kRecordStatus;
     }},
    {kCommandStatusPoll, [](CDemoUnitState& u, const Data&) { return u.NextPendingRecord(); }},
    {kCommandIdentify, [](CDemoUnitState&, const Data&) -> uint16_t { return kRecordIdentity; }},
};

}  // namespace

uint16_t CDemoCommandTable::Run(const CommandFrame& frame, CDemoUnitState& unit)
{
    const bool neutral = std::find(kPowerNeutralCommands.begin(), kPowerNeutralCommands.end(), frame.command) !=
                         kPowerNeutralCommands.end();
    if (!neutral && !unit.IsPowered()) {
        unit.SetPowered(true);
        unit.MarkPending(1);
    }
    const Data data(frame.data);
    for (const Command& command : kCommands) {
        if (command.code == frame.command)
            return command.run(unit, data);
    }
    return kRecordStatus;
}
