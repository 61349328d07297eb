#include "tools/SimTiko.h"

#include <algorithm>

#include "tools/SimRecords.h"

namespace {

using SimRecords::At;
using SimRecords::Bit;
using SimRecords::Bytes;
using SimRecords::Changed;
using SimRecords::Records;
using SimRecords::SetBit;
using SimRecords::TakeByte;
using SimRecords::TakeTwoBytes;

// Energy class 0: a T160, a Sorvant 40 or a Hexor 800.
constexpr uint8_t kVariant = 0;

// Status (1): energy 5, power and warning 6, modelling-light mode 7, energy
// range 9. Aux functions (2): sequence 5, interval 6-7, delay 8-9, alternate
// 10, flags 11, shortest interval 12-13. Options (5): the power packs' bits
// in byte 5 with the Quirel A1's store flag, power display 6, infrared address 7,
// the options page's photocell 8.
const int kEnergy = 5;
const int kPower = 6;
const int kMode = 7;
const int kDelay = 8;
const int kRange = 9;
const int kAlternate = 10;
const int kLowerLimit = 60;
const int kWideLowerLimit = 50;

// The Trovalex counts its flashes in binary, the others in base-100 digits.
Records DefaultRecords(bool binaryCounter)
{
    Records records;
    // 7.0, power on, full modelling light, energy range off.
    records[1] = Bytes({70, 0x01, 0, 0, 0});
    records[2] = Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0});
    // The aux page, memory 5, the main light.
    records[3] = Bytes({0, 0, 1});
    // Buzzer; power display 0, infrared address 1, photocell option off.
    records[5] = Bytes({0x08, 0, 1, 0});
    // Total counter 12345 and the owner.
    std::vector<uint8_t> counters = binaryCounter ? Bytes({0x00, 0x30, 0x39}) : Bytes({1, 23, 45});
    const std::vector<uint8_t> owner = SimRecords::Owner("Studio A");
    counters.insert(counters.end(), owner.begin(), owner.end());
    records[6] = counters;
    records[7] = Bytes({0, 0});
    // Delivered in March 2012, serviced in June 2014, made in September 2011.
    records[8] = Bytes({0, 12, 3, 14, 6, 11, 9});
    records[98] = {};
    // Memory 5 holds 6.0 with sequence 2 and a delay of 1.5 s.
    records[101] = Bytes({60, 2, 0, 15});
    SimRecords::AddEmptyMemories(records, 4);
    return records;
}

int LowerLimit(Records& records)
{
    return Bit(At(records, 1, kRange), 0) ? kWideLowerLimit : kLowerLimit;
}

// 1: [energy]; the unit keeps it within its range.
Changed Energy(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    At(records, 1, kEnergy) =
        static_cast<uint8_t>(std::clamp<int>(data[0], LowerLimit(records), SimRecords::kTopEnergy));
    return {1};
}

Changed ModellingLight(Records& records, const std::vector<uint8_t>& data)
{
    return SimRecords::ModellingLightAt(records, data, kMode);
}

// 12: energy, sequence and delay into memory 5 to 8.
Changed Store(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = SimRecords::MemoryOf(data);
    records[memory] = {At(records, 1, kEnergy), static_cast<uint8_t>(At(records, 2, 5) & 0x3F), At(records, 2, kDelay),
                       At(records, 2, kDelay + 1)};
    return {memory};
}

// 13: memory 5 to 8 back into the present settings; an empty one changes
// nothing.
Changed Recall(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = SimRecords::MemoryOf(data);
    if (!SimRecords::HoldsSettings(records, memory))
        return {};
    At(records, 1, kEnergy) = static_cast<uint8_t>(
        std::clamp<int>(At(records, memory, 5) & 0x7F, LowerLimit(records), SimRecords::kTopEnergy));
    At(records, 2, 5) = At(records, memory, 6) & 0x3F;
    At(records, 2, kDelay) = At(records, memory, 7);
    At(records, 2, kDelay + 1) = At(records, memory, 8);
    return {1, 2};
}

// 15: the aux functions off.
Changed AuxReset(Records& records, const std::vector<uint8_t>&)
{
    for (int index : {5, kDelay, kDelay + 1, kAlternate})
        At(records, 2, index) = 0;
    return {2};
}

// 17: buzzer, slow, reduced, and the photocell option (byte 8).
Changed Options(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    SimRecords::StoreOptionBits(records, data[0]);
    SetBit(At(records, 5, 8), 0, Bit(data[0], 3));
    return {5};
}

// 24: the total counter back to 0.
Changed ResetTotal(Records& records, const std::vector<uint8_t>&)
{
    for (int index = 5; index <= 7; ++index)
        At(records, 6, index) = 0;
    return {6};
}

Changed Power(Records& records, bool on)
{
    SetBit(At(records, 1, kPower), 0, on);
    return {1};
}

// 29: the energy range; a narrower range raises the energy into it.
Changed EnergyRange(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    SetBit(At(records, 1, kRange), 0, data[0] & 1);
    uint8_t& energy = At(records, 1, kEnergy);
    energy = static_cast<uint8_t>(std::max<int>(energy, LowerLimit(records)));
    return {1};
}

std::vector<SimUnitFamily::CommandEffect> Effects()
{
    return {
        {1, Energy},
        {3, ModellingLight},
        {4, SimRecords::FlashControl},
        {5, SimRecords::Sequence},
        {7, TakeTwoBytes<2, 6>},
        {8, TakeTwoBytes<2, kDelay>},
        {10, TakeByte<2, kAlternate>},
        {11, SimRecords::Selections},
        {12, Store},
        {13, Recall},
        {14, SimRecords::ReportAll},
        {15, AuxReset},
        {16, SimRecords::StoreFlag},
        {17, Options},
        {19, TakeByte<5, 6>},
        {20, TakeByte<5, 7>},
        // The dates as month-and-year values: year, then month.
        {21, TakeTwoBytes<8, 6>},
        {24, ResetTotal},
        {26, TakeTwoBytes<8, 10>},
        {27, [](Records& records, const std::vector<uint8_t>&) { return Power(records, false); }},
        {28, [](Records& records, const std::vector<uint8_t>&) { return Power(records, true); }},
        {29, EnergyRange},
        {102, SimRecords::TestFlash},
    };
}

}  // namespace

SimTiko::SimTiko(Model model) : SimUnitFamily(model, kVariant, DefaultRecords(model == kTrovalex), Effects()) {}
