#include "tools/SimRecords.h"

#include <algorithm>

namespace SimRecords {

uint8_t& At(Records& records, uint16_t number, int index)
{
    std::vector<uint8_t>& data = records[number];
    const std::size_t at = static_cast<std::size_t>(index - kFirstData);
    if (data.size() <= at)
        data.resize(at + 1, 0);
    return data[at];
}

void SetBit(uint8_t& byte, int bit, bool on)
{
    byte = static_cast<uint8_t>(on ? byte | (1u << bit) : byte & ~(1u << bit));
}

bool Bit(unsigned byte, int bit)
{
    return (byte >> bit) & 1;
}

uint16_t Be16At(Records& records, uint16_t number, int index)
{
    return static_cast<uint16_t>(At(records, number, index) << 8 | At(records, number, index + 1));
}

void SetBe16(Records& records, uint16_t number, int index, int value)
{
    At(records, number, index) = static_cast<uint8_t>(value >> 8);
    At(records, number, index + 1) = static_cast<uint8_t>(value);
}

std::vector<uint8_t> Bytes(std::initializer_list<int> values)
{
    std::vector<uint8_t> bytes;
    for (int value : values)
        bytes.push_back(static_cast<uint8_t>(value));
    return bytes;
}

std::vector<uint8_t> Owner(const std::string& text)
{
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.resize(14, 0);
    return bytes;
}

void AddEmptyMemories(Records& records, std::size_t size)
{
    for (uint16_t memory = kFirstMemory + 1; memory < kFirstMemory + kMemories; ++memory)
        records[memory] = std::vector<uint8_t>(size, kEmpty);
}

uint16_t MemoryOf(const std::vector<uint8_t>& data)
{
    return static_cast<uint16_t>(kFirstMemory + (data[0] & 3));
}

bool HoldsSettings(Records& records, uint16_t memory)
{
    for (int index = 5; index <= 8; ++index) {
        if (At(records, memory, index) == kEmpty)
            return false;
    }
    return true;
}

Changed LightOf(Records& records, const std::vector<uint8_t>& data, int outlets)
{
    if (data.size() < 3)
        return {};
    const uint8_t energy = static_cast<uint8_t>(std::min<int>(data[0], kTopEnergy));
    const int positions[] = {kMain, kAux1, kAux2, kAux3};
    if (data[1] <= outlets)
        At(records, 1, positions[data[1]]) = energy;
    uint8_t& switches = At(records, 1, kSwitches);
    for (int outlet = 1; outlet <= outlets; ++outlet)
        SetBit(switches, 2 * outlet, Bit(data[2], outlet));
    return {1};
}

Changed ModellingLightAt(Records& records, const std::vector<uint8_t>& data, int modeIndex)
{
    if (data.empty())
        return {};
    if ((data[0] & 0xF8) == 0x40) {
        At(records, 1, modeIndex) = data[0] & 7;
        return {1};
    }
    if ((data[0] & 0xFE) == 0x80) {
        SetBit(At(records, 5, 5), kLamp, data[0] & 1);
        return {5};
    }
    return {};
}

Changed FlashControl(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const struct {
        uint8_t code;
        int bit;
    } boxes[] = {{0x40, kCell}, {0x80, kInfrared}, {0x20, kRadio}};
    for (const auto& box : boxes) {
        if ((data[0] & 0xFE) == box.code) {
            SetBit(At(records, 5, 5), box.bit, data[0] & 1);
            return {5};
        }
    }
    return {};
}

Changed Sequence(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    At(records, 2, 5) = data[0];
    return {2};
}

Changed Selections(Records& records, const std::vector<uint8_t>& data)
{
    for (std::size_t i = 0; i < data.size() && i < 5; ++i)
        At(records, 3, kFirstData + static_cast<int>(i)) = data[i];
    return {3};
}

Changed ReportAll(Records&, const std::vector<uint8_t>&)
{
    return {1, 2, 3, 4, 5, 6, 7, 8, 100, 101, 102, 103, 104};
}

Changed StoreFlag(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    SetBit(At(records, 5, 5), kStoreBit, data[0] & 1);
    return {5};
}

Changed PowerOff(Records& records, const std::vector<uint8_t>&)
{
    SetBit(At(records, 1, kSwitches), 0, false);
    return {1};
}

Changed PowerOn(Records& records, const std::vector<uint8_t>&)
{
    SetBit(At(records, 1, kSwitches), 0, true);
    return {1};
}

Changed TestFlash(Records&, const std::vector<uint8_t>&)
{
    return {98};
}

void StoreOptionBits(Records& records, uint8_t bits)
{
    uint8_t& options = At(records, 5, 5);
    SetBit(options, kBuzzer, Bit(bits, 0));
    SetBit(options, kRecycling, Bit(bits, 1));
    SetBit(options, kReduced, Bit(bits, 2));
}

}  // namespace SimRecords
