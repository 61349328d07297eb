#include "tools/SimUnitFamily.h"

#include <algorithm>
#include <string>

namespace {

using Records = SimUnitFamily::Records;
using Changed = std::vector<uint16_t>;

// Record byte n is data byte n - 5.
const int kFirstData = 5;
const uint16_t kFirstMemory = 101;
const int kMemories = 4;
const uint8_t kEmpty = 0xFF;
const int kTopEnergy = 100;

// The byte at record position index; the record grows to hold it.
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

// ---- The power packs (Nuvek and Ribex) ----

// Status (1): main light 5, aux outlets 9-12, 13-16 and (Quirel A1) 17-20
// (energy, percent, joules), switches 21 (power, then on and available of each outlet),
// modelling-light mode 22, warnings 24.
enum StatusByte { kMain = 5, kAux1 = 9, kAux2 = 13, kAux3 = 17, kSwitches = 21, kMode = 22 };
// Options (5): modelling lamp 0, infrared 1, cell 2, buzzer 3, slow or fast
// 4, reduced 5, radio 7.
enum OptionBit { kLamp = 0, kInfrared = 1, kCell = 2, kBuzzer = 3, kRecycling = 4, kReduced = 5, kRadio = 7 };

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

Records PowerPackDefaults(std::vector<uint8_t> auxFunctions, std::vector<uint8_t> options)
{
    Records records;
    // Main 5.0, both outlets on at 4.0 (50 %, 300 J), power on, full light.
    records[1] = Bytes({50, 0, 0, 0, 40, 50, 0x01, 0x2C, 40, 50, 0x01, 0x2C, 0, 0, 0, 0, 0x3D, 1, 0, 0});
    records[2] = std::move(auxFunctions);
    // The memory page, memory 1, lamp roles 1 to 3.
    records[3] = Bytes({0x01, 0, 1, 2, 3});
    records[5] = std::move(options);
    // Total counter 12345 and the owner.
    std::vector<uint8_t> counters = Bytes({0, 0, 0x00, 0x30, 0x39});
    const std::vector<uint8_t> owner = Owner("Studio A");
    counters.insert(counters.end(), owner.begin(), owner.end());
    records[6] = counters;
    records[7] = Bytes({0, 0});
    // Delivered in March 2012.
    records[8] = Bytes({0, 12, 3});
    records[98] = {};
    // Memory 1 holds outlet 1 at 5.0, outlet 2 at 4.0, sequence 2; the
    // others are empty until the page stores into them.
    records[101] = Bytes({40, 50, 60, 2, 0, 0, 0, 0, 0, 0, 0x1B});
    for (uint16_t memory = kFirstMemory + 1; memory < kFirstMemory + kMemories; ++memory)
        records[memory] = std::vector<uint8_t>(11, kEmpty);
    return records;
}

// 1: [energy, light, outlets on] for the main light and outlets aux
// outlets; the unit keeps the energy within 0..100.
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

Changed Light(Records& records, const std::vector<uint8_t>& data)
{
    return LightOf(records, data, 2);
}

// 3: a modelling-light mode (0x40 to 0x47) into status byte modeIndex, or
// the lamp (0x80, 0x81).
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

Changed ModellingLight(Records& records, const std::vector<uint8_t>& data)
{
    return ModellingLightAt(records, data, kMode);
}

// 4: photocell (0x40), infrared (0x80) or radio release (0x20), bit 0 on.
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

// 11: the unit keeps the selections as it reports them in record 3.
Changed Selections(Records& records, const std::vector<uint8_t>& data)
{
    for (std::size_t i = 0; i < data.size() && i < 5; ++i)
        At(records, 3, kFirstData + static_cast<int>(i)) = data[i];
    return {3};
}

// 12: the present settings into memory n: outlet 2 (byte 5), outlet 1 (6),
// main light (7), sequence (8), outlets on and available (15).
Changed Store(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = static_cast<uint16_t>(kFirstMemory + (data[0] & 3));
    const uint8_t switches = At(records, 1, kSwitches);
    std::vector<uint8_t> stored(11, 0);
    stored[0] = At(records, 1, kAux2);
    stored[1] = At(records, 1, kAux1);
    stored[2] = At(records, 1, kMain);
    stored[3] = At(records, 2, 5) & 0x3F;
    stored[10] = static_cast<uint8_t>(Bit(switches, 2) | Bit(switches, 4) << 1 | Bit(switches, 3) << 3 |
                                      Bit(switches, 5) << 4);
    records[memory] = stored;
    return {memory};
}

// 13: memory n back into the present settings; an empty one changes nothing.
Changed Recall(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = static_cast<uint16_t>(kFirstMemory + (data[0] & 3));
    for (int index = 5; index <= 8; ++index) {
        if (At(records, memory, index) == kEmpty)
            return {};
    }
    At(records, 1, kMain) = At(records, memory, 7);
    At(records, 1, kAux1) = At(records, memory, 6);
    At(records, 1, kAux2) = At(records, memory, 5);
    At(records, 2, 5) = At(records, memory, 8) & 0x3F;
    return {1, 2};
}

// 14: the unit reports everything.
Changed ReportAll(Records&, const std::vector<uint8_t>&)
{
    return {1, 2, 3, 4, 5, 6, 7, 8, 100, 101, 102, 103, 104};
}

void StoreOptionBits(Records& records, uint8_t bits)
{
    uint8_t& options = At(records, 5, 5);
    SetBit(options, kBuzzer, Bit(bits, 0));
    SetBit(options, kRecycling, Bit(bits, 1));
    SetBit(options, kReduced, Bit(bits, 2));
}

// 17 on a Nuvek: buzzer, slow, reduced, and the energy range (record 2).
Changed NuvekOptions(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    StoreOptionBits(records, data[0]);
    At(records, 2, 6) = Bit(data[0], 3);
    return {5, 2};
}

// 17 on a Ribex: buzzer, fast, reduced, and its dim ready signal and
// sensitive cell (record 5 byte 9).
Changed RibexOptions(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    StoreOptionBits(records, data[0]);
    uint8_t& extra = At(records, 5, 9);
    SetBit(extra, 0, Bit(data[0], 4));
    SetBit(extra, 1, Bit(data[0], 5));
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

// 102: the test flash; the unit reports its end.
Changed TestFlash(Records&, const std::vector<uint8_t>&)
{
    return {98};
}

std::vector<SimUnitFamily::CommandEffect> PowerPackEffects(SimUnitFamily::Effect options)
{
    return {{1, Light},       {3, ModellingLight}, {4, FlashControl}, {5, Sequence},   {11, Selections},
            {12, Store},      {13, Recall},        {14, ReportAll},   {17, options},   {27, PowerOff},
            {28, PowerOn},    {102, TestFlash}};
}

namespace quirel {

// ---- The Quirel A1 ----

// Aux functions (2): sequence 5, T0.1 mode 6, interval 7-8, delay 9-10,
// preset 11, alternate 12, T0.1 value 13-14, preset times 15-17, T0.1
// maximum of the preset 18-19, flags 20, shortest interval 21-22.
enum AuxByte { kSequence = 5, kInterval = 7, kDelay = 9, kPreset = 11, kAlternate = 12, kT01 = 13 };
// Options (5) besides the bits: power display 6, infrared address 7.
enum QuirelOptionByte { kStoreBit = 6, kPowerDisplay = 6, kIrAddress = 7 };
// The T0.1 steps: 1/125 to 1/4000.
const int kShortestT01 = 4000;
const int kLongestT01 = 125;

uint16_t Be16At(Records& records, uint16_t number, int index)
{
    return static_cast<uint16_t>(At(records, number, index) << 8 | At(records, number, index + 1));
}

void SetBe16(Records& records, uint16_t number, int index, int value)
{
    At(records, number, index) = static_cast<uint8_t>(value >> 8);
    At(records, number, index + 1) = static_cast<uint8_t>(value);
}

Records QuirelDefaults()
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
    const std::vector<uint8_t> owner = Owner("Studio Q");
    counters.insert(counters.end(), owner.begin(), owner.end());
    records[6] = counters;
    records[7] = Bytes({0, 0, 0});
    // Delivered 3.2012, serviced 6.2014, made 10.2011.
    records[8] = Bytes({0, 12, 3, 14, 6, 11, 10});
    records[98] = {};
    // Memory 1: outlets at 5.0, 4.0 and 3.0, outlets 1 and 2 on, sequence 2,
    // 1/500; the others are empty until the page stores into them.
    records[101] = Bytes({50, 40, 30, 2, 0, 0, 0, 0, 3, 0, 0x1B});
    for (uint16_t memory = kFirstMemory + 1; memory < kFirstMemory + kMemories; ++memory)
        records[memory] = std::vector<uint8_t>(11, kEmpty);
    return records;
}

Changed QuirelLight(Records& records, const std::vector<uint8_t>& data)
{
    return LightOf(records, data, 3);
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

template <int Index>
Changed AuxWord(Records& records, const std::vector<uint8_t>& data)
{
    if (data.size() < 2)
        return {};
    At(records, 2, Index) = data[0];
    At(records, 2, Index + 1) = data[1];
    return {2};
}

template <uint16_t Number, int Index>
Changed ByteOf(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    At(records, Number, Index) = data[0];
    return {Number};
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

Changed StoreFlag(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    SetBit(At(records, 5, 5), kStoreBit, data[0] & 1);
    return {5};
}

Changed QuirelOptions(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    StoreOptionBits(records, data[0]);
    return {5};
}

// 21, 23, 26: a date as year and month bytes in record 8.
template <int Index>
Changed Date(Records& records, const std::vector<uint8_t>& data)
{
    if (data.size() < 2)
        return {};
    At(records, 8, Index) = data[0];
    At(records, 8, Index + 1) = data[1];
    return {8};
}

Changed QuirelOwner(Records& records, const std::vector<uint8_t>& data)
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
Changed QuirelStore(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = static_cast<uint16_t>(kFirstMemory + (data[0] & 3));
    const uint8_t switches = At(records, 1, kSwitches);
    std::vector<uint8_t> stored(11, 0);
    stored[0] = At(records, 1, kAux1);
    stored[1] = At(records, 1, kAux2);
    stored[2] = At(records, 1, kAux3);
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
Changed QuirelRecall(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = static_cast<uint16_t>(kFirstMemory + (data[0] & 3));
    for (int index = 5; index <= 8; ++index) {
        if (At(records, memory, index) == kEmpty)
            return {};
    }
    const int outlets[] = {kAux1, kAux2, kAux3};
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

std::vector<SimUnitFamily::CommandEffect> QuirelEffects()
{
    return {{1, QuirelLight},
            {3, ModellingLight},
            {4, FlashControl},
            {5, Sequence},
            {6, T01Step},
            {7, AuxWord<kInterval>},
            {8, AuxWord<kDelay>},
            {9, ByteOf<2, kPreset>},
            {10, ByteOf<2, kAlternate>},
            {11, Selections},
            {12, QuirelStore},
            {13, QuirelRecall},
            {14, ReportAll},
            {15, AuxReset},
            {16, StoreFlag},
            {17, QuirelOptions},
            {19, ByteOf<5, kPowerDisplay>},
            {20, ByteOf<5, kIrAddress>},
            {21, Date<6>},
            {22, QuirelOwner},
            {23, Date<8>},
            {26, Date<10>},
            {27, PowerOff},
            {28, PowerOn},
            {102, TestFlash}};
}

}  // namespace quirel

namespace tiko {

// ---- The compact Tiko units (Trovalex, Sorvant, Hexor) ----

// Status (1): energy 5, power and warning 6, modelling-light mode 7, energy
// range 9. Aux functions (2): sequence 5, interval 6-7, delay 8-9, alternate
// 10, flags 11, shortest interval 12-13. Options (5): the power packs' bits
// in byte 5 with the Quirel A1's store flag, power display 6, infrared address 7,
// the options page's photocell 8.
const int kEnergy = 5;
const int kPower = 6;
const int kTikoMode = 7;
const int kDelay = 8;
const int kRange = 9;
const int kAlternate = 10;
const int kLowerLimit = 60;
const int kWideLowerLimit = 50;

// The Trovalex counts its flashes in binary, the others in base-100 digits.
Records TikoDefaults(bool binaryCounter)
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
    const std::vector<uint8_t> owner = Owner("Studio A");
    counters.insert(counters.end(), owner.begin(), owner.end());
    records[6] = counters;
    records[7] = Bytes({0, 0});
    // Delivered in March 2012, serviced in June 2014, made in September 2011.
    records[8] = Bytes({0, 12, 3, 14, 6, 11, 9});
    records[98] = {};
    // Memory 5 holds 6.0 with sequence 2 and a delay of 1.5 s; the others
    // are empty until the page stores into them.
    records[101] = Bytes({60, 2, 0, 15});
    for (uint16_t memory = kFirstMemory + 1; memory < kFirstMemory + kMemories; ++memory)
        records[memory] = std::vector<uint8_t>(4, kEmpty);
    return records;
}

int TikoLowerLimit(Records& records)
{
    return Bit(At(records, 1, kRange), 0) ? kWideLowerLimit : kLowerLimit;
}

// 1: [energy]; the unit keeps it within its range.
Changed TikoEnergy(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    At(records, 1, kEnergy) = static_cast<uint8_t>(std::clamp<int>(data[0], TikoLowerLimit(records), kTopEnergy));
    return {1};
}

Changed TikoModellingLight(Records& records, const std::vector<uint8_t>& data)
{
    return ModellingLightAt(records, data, kTikoMode);
}

// The byte of record at index takes the command's one byte; the bytes of a
// BE16 value take its two.
template <uint16_t Record, int Index>
Changed TakeByte(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    At(records, Record, Index) = data[0];
    return {Record};
}

template <uint16_t Record, int Index>
Changed TakeTwoBytes(Records& records, const std::vector<uint8_t>& data)
{
    if (data.size() < 2)
        return {};
    At(records, Record, Index) = data[0];
    At(records, Record, Index + 1) = data[1];
    return {Record};
}

// 12: energy, sequence and delay into memory 5 to 8.
Changed TikoStore(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = static_cast<uint16_t>(kFirstMemory + (data[0] & 3));
    records[memory] = {At(records, 1, kEnergy), static_cast<uint8_t>(At(records, 2, 5) & 0x3F),
                       At(records, 2, kDelay), At(records, 2, kDelay + 1)};
    return {memory};
}

// 13: memory 5 to 8 back into the present settings; an empty one changes
// nothing.
Changed TikoRecall(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = static_cast<uint16_t>(kFirstMemory + (data[0] & 3));
    for (int index = 5; index <= 8; ++index) {
        if (At(records, memory, index) == kEmpty)
            return {};
    }
    At(records, 1, kEnergy) = static_cast<uint8_t>(
        std::clamp<int>(At(records, memory, 5) & 0x7F, TikoLowerLimit(records), kTopEnergy));
    At(records, 2, 5) = At(records, memory, 6) & 0x3F;
    At(records, 2, kDelay) = At(records, memory, 7);
    At(records, 2, kDelay + 1) = At(records, memory, 8);
    return {1, 2};
}

// 15: the aux functions off.
Changed TikoAuxReset(Records& records, const std::vector<uint8_t>&)
{
    for (int index : {5, kDelay, kDelay + 1, kAlternate})
        At(records, 2, index) = 0;
    return {2};
}

// 17: buzzer, slow, reduced, and the photocell option (byte 8).
Changed TikoOptions(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    StoreOptionBits(records, data[0]);
    SetBit(At(records, 5, 8), 0, Bit(data[0], 3));
    return {5};
}

// 24: the total counter back to 0.
Changed TikoResetTotal(Records& records, const std::vector<uint8_t>&)
{
    for (int index = 5; index <= 7; ++index)
        At(records, 6, index) = 0;
    return {6};
}

Changed TikoPower(Records& records, bool on)
{
    SetBit(At(records, 1, kPower), 0, on);
    return {1};
}

// 29: the energy range; a narrower range raises the energy into it.
Changed TikoEnergyRange(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    SetBit(At(records, 1, kRange), 0, data[0] & 1);
    uint8_t& energy = At(records, 1, kEnergy);
    energy = static_cast<uint8_t>(std::max<int>(energy, TikoLowerLimit(records)));
    return {1};
}

std::vector<SimUnitFamily::CommandEffect> TikoEffects()
{
    return {
        {1, TikoEnergy},
        {3, TikoModellingLight},
        {4, FlashControl},
        {5, Sequence},
        {7, TakeTwoBytes<2, 6>},
        {8, TakeTwoBytes<2, kDelay>},
        {10, TakeByte<2, kAlternate>},
        {11, Selections},
        {12, TikoStore},
        {13, TikoRecall},
        {14, ReportAll},
        {15, TikoAuxReset},
        {16, quirel::StoreFlag},
        {17, TikoOptions},
        {19, TakeByte<5, 6>},
        {20, TakeByte<5, 7>},
        // The dates as month-and-year values: year, then month.
        {21, TakeTwoBytes<8, 6>},
        {24, TikoResetTotal},
        {26, TakeTwoBytes<8, 10>},
        {27, [](Records& records, const std::vector<uint8_t>&) { return TikoPower(records, false); }},
        {28, [](Records& records, const std::vector<uint8_t>&) { return TikoPower(records, true); }},
        {29, TikoEnergyRange},
        {102, TestFlash},
    };
}

}  // namespace tiko

const SimUnitFamily kFamilies[] = {
    // Nuvek: record 2 carries the energy range; options byte 5 alone.
    {20, PowerPackDefaults(Bytes({0, 0}), Bytes({0x08})), PowerPackEffects(NuvekOptions)},
    // Ribex: the sequence alone; options up to byte 9.
    {32, PowerPackDefaults(Bytes({0}), Bytes({0x08, 0, 0, 0, 0})), PowerPackEffects(RibexOptions)},
    // Quirel A1: three outlets, the aux functions and options it reports.
    {16, quirel::QuirelDefaults(), quirel::QuirelEffects()},
    // The compact units: the Trovalex (18) counts in binary.
    {18, tiko::TikoDefaults(true), tiko::TikoEffects()},
    {25, tiko::TikoDefaults(false), tiko::TikoEffects()},
    {26, tiko::TikoDefaults(false), tiko::TikoEffects()},
};

}  // namespace

const SimUnitFamily* SimUnitFamily::Find(uint16_t typeCode)
{
    for (const SimUnitFamily& family : kFamilies) {
        if (family.TypeCode() == typeCode)
            return &family;
    }
    return nullptr;
}

std::vector<uint16_t> SimUnitFamily::TypeCodes()
{
    std::vector<uint16_t> codes;
    for (const SimUnitFamily& family : kFamilies)
        codes.push_back(family.TypeCode());
    return codes;
}

SimUnitFamily::SimUnitFamily(uint16_t typeCode, Records defaults, std::vector<CommandEffect> effects)
    : m_typeCode(typeCode), m_defaults(std::move(defaults)), m_effects(std::move(effects))
{
}

std::vector<uint16_t> SimUnitFamily::Apply(Records& records, uint16_t code, const std::vector<uint8_t>& data) const
{
    for (const CommandEffect& row : m_effects) {
        if (row.code == code)
            return row.effect(records, data);
    }
    return {};
}
