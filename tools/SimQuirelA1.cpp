#include "tools/SimQuirelA1.h"

#include <algorithm>

#include "tools/SimRecords.h"

namespace {

using SimRecords::At;
using SimRecords::Be16At;
using SimRecords::Bit;
using SimRecords::Bytes;
using SimRecords::Changed;
using SimRecords::Records;
using SimRecords::SetBe16;
using SimRecords::TakeByte;
using SimRecords::TakeTwoBytes;

// Aux functions (2): sequence 5, T0.1 mode 6, interval 7-8, delay 9-10,
// preset 11, alternate 12, T0.1 value 13-14, preset times 15-17, T0.1
// maximum of the preset 18-19, flags 20, shortest interval 21-22.
enum AuxByte { kSequence = 5, kInterval = 7, kDelay = 9, kPreset = 11, kAlternate = 12, kT01 = 13 };
// Options (5) besides the bits: power display 6, infrared address 7.
enum OptionByte { kPowerDisplay = 6, kIrAddress = 7 };
// The T0.1 steps: 1/125 to 1/4000.
const int kShortestT01 = 4000;
const int kLongestT01 = 125;

Records DefaultRecords()
{
    Records records;
    // Main 5.0; outlets 1 and 2 on at 4.0 (50 %, 300 J), outlet 3 there but
    // off at 3.0; power on; modelling light full.
    records[1] = Bytes({50, 0, 0, 0, 40, 50, 0x01, 0x2C, 40, 50, 0x01, 0x2C, 30, 25, 0x00, 0x96, 0xBD, 1, 0, 0});
    // T0.1 1/500 in steps; the shortest interval 0.10 s.
    records[2] = Bytes({0, 1, 0, 0, 0, 0, 0, 0, 0x01, 0xF4, 0, 0, 0, 0, 0, 0, 0, 10});
    // The memory page, memory 1, lamp roles 1 to 3.
    records[3] = Bytes({0x01, 0, 1, 2, 3});
    // Modelling lamp and buzzer on; tenths; no infrared address.
    records[5] = Bytes({0x09, 0, 0});
    // Flash counter 100, total 12345, the owner.
    std::vector<uint8_t> counters = Bytes({0x00, 0x64, 0x00, 0x30, 0x39});
    const std::vector<uint8_t> owner = SimRecords::Owner("Studio Q");
    counters.insert(counters.end(), owner.begin(), owner.end());
    records[6] = counters;
    records[7] = Bytes({0, 0, 0});
    // Delivered 3.2012, serviced 6.2014, made 10.2011.
    records[8] = Bytes({0, 12, 3, 14, 6, 11, 10});
    records[98] = {};
    // Memory 1: outlets at 5.0, 4.0 and 3.0, outlets 1 and 2 on, sequence 2,
    // 1/500.
    records[101] = Bytes({50, 40, 30, 2, 0, 0, 0, 0, 3, 0, 0x1B});
    SimRecords::AddEmptyMemories(records, 11);
    return records;
}

Changed Light(Records& records, const std::vector<uint8_t>& data)
{
    return SimRecords::LightOf(records, data, 3);
}

Changed ModellingLight(Records& records, const std::vector<uint8_t>& data)
{
    return SimRecords::ModellingLightAt(records, data, SimRecords::kMode);
}

// 6: one T0.1 step, 1 shorter and 0 longer, within 1/125 and 1/4000; from
// off the first step is 1/125.
Changed T01Step(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const int value = Be16At(records, 2, kT01);
    int stepped = value == 0 ? kLongestT01 : data[0] ? value * 2 : value / 2;
    stepped = std::clamp(stepped, kLongestT01, kShortestT01);
    SetBe16(records, 2, kT01, stepped);
    return {2};
}

// 15: the aux functions back to none.
Changed AuxReset(Records& records, const std::vector<uint8_t>&)
{
    for (int index : {kSequence, kPreset, kAlternate})
        At(records, 2, index) = 0;
    SetBe16(records, 2, kInterval, 0);
    SetBe16(records, 2, kDelay, 0);
    return {2};
}

Changed Options(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    SimRecords::StoreOptionBits(records, data[0]);
    return {5};
}

Changed Owner(Records& records, const std::vector<uint8_t>& data)
{
    for (std::size_t i = 0; i < 14; ++i)
        At(records, 6, 10 + static_cast<int>(i)) = i < data.size() ? data[i] : 0;
    return {6};
}

// The T0.1 value as a memory's flash-duration code: 1 for 1/125 to 6 for
// 1/4000, 0 the optimum.
int FlashDurationCode(int t01)
{
    int code = 0;
    for (int value = kLongestT01; value <= kShortestT01 && value <= t01; value *= 2)
        ++code;
    return code;
}

// 12: the present settings into memory n: the three outlets (5 to 7),
// sequence and alternate (8), delay (9-10), interval (11-12), flash
// duration (13), preset (14), outlets on and available (15).
Changed Store(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = SimRecords::MemoryOf(data);
    const uint8_t switches = At(records, 1, SimRecords::kSwitches);
    std::vector<uint8_t> stored(11, 0);
    stored[0] = At(records, 1, SimRecords::kAux1);
    stored[1] = At(records, 1, SimRecords::kAux2);
    stored[2] = At(records, 1, SimRecords::kAux3);
    stored[3] = static_cast<uint8_t>((At(records, 2, kSequence) & 0x3F) | (At(records, 2, kAlternate) & 3) << 6);
    stored[4] = At(records, 2, kDelay);
    stored[5] = At(records, 2, kDelay + 1);
    stored[6] = At(records, 2, kInterval);
    stored[7] = At(records, 2, kInterval + 1);
    stored[8] = static_cast<uint8_t>(FlashDurationCode(Be16At(records, 2, kT01)));
    stored[9] = At(records, 2, kPreset);
    uint8_t outlets = 0;
    for (int outlet = 0; outlet < 3; ++outlet) {
        outlets |= static_cast<uint8_t>(Bit(switches, 2 + 2 * outlet) << outlet);
        outlets |= static_cast<uint8_t>(Bit(switches, 3 + 2 * outlet) << (3 + outlet));
    }
    stored[10] = outlets;
    records[memory] = stored;
    return {memory};
}

// 13: memory n back into the outlets and the aux functions; an empty one
// changes nothing.
Changed Recall(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = SimRecords::MemoryOf(data);
    if (!SimRecords::HoldsSettings(records, memory))
        return {};
    const int outlets[] = {SimRecords::kAux1, SimRecords::kAux2, SimRecords::kAux3};
    for (int outlet = 0; outlet < 3; ++outlet)
        At(records, 1, outlets[outlet]) = At(records, memory, 5 + outlet) & 0x7F;
    const uint8_t timing = At(records, memory, 8);
    At(records, 2, kSequence) = timing & 0x3F;
    At(records, 2, kAlternate) = timing >> 6;
    SetBe16(records, 2, kDelay, Be16At(records, memory, 9));
    SetBe16(records, 2, kInterval, Be16At(records, memory, 11));
    At(records, 2, kPreset) = At(records, memory, 14);
    return {1, 2};
}

std::vector<SimUnitFamily::CommandEffect> Effects()
{
    return {{1, Light},
            {3, ModellingLight},
            {4, SimRecords::FlashControl},
            {5, SimRecords::Sequence},
            {6, T01Step},
            {7, TakeTwoBytes<2, kInterval>},
            {8, TakeTwoBytes<2, kDelay>},
            {9, TakeByte<2, kPreset>},
            {10, TakeByte<2, kAlternate>},
            {11, SimRecords::Selections},
            {12, Store},
            {13, Recall},
            {14, SimRecords::ReportAll},
            {15, AuxReset},
            {16, SimRecords::StoreFlag},
            {17, Options},
            {19, TakeByte<5, kPowerDisplay>},
            {20, TakeByte<5, kIrAddress>},
            // 21, 23, 26: a date as year and month bytes in record 8.
            {21, TakeTwoBytes<8, 6>},
            {22, Owner},
            {23, TakeTwoBytes<8, 8>},
            {26, TakeTwoBytes<8, 10>},
            {27, SimRecords::PowerOff},
            {28, SimRecords::PowerOn},
            {102, SimRecords::TestFlash}};
}

}  // namespace

SimQuirelA1::SimQuirelA1() : SimUnitFamily(kTypeCode, kVariant, DefaultRecords(), Effects()) {}
