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

// Status (1): main light 5, aux outlets 9-12 and 13-16 (energy, percent,
// joules), switches 21 (power, then on and available of each outlet),
// modelling-light mode 22, warnings 24.
enum StatusByte { kMain = 5, kAux1 = 9, kAux2 = 13, kSwitches = 21, kMode = 22 };
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

// 1: [energy, outlet, outlets on]; the unit keeps the energy within 0..100.
Changed Light(Records& records, const std::vector<uint8_t>& data)
{
    if (data.size() < 3)
        return {};
    const uint8_t energy = static_cast<uint8_t>(std::min<int>(data[0], kTopEnergy));
    const int positions[] = {kMain, kAux1, kAux2};
    if (data[1] < 3)
        At(records, 1, positions[data[1]]) = energy;
    uint8_t& switches = At(records, 1, kSwitches);
    SetBit(switches, 2, Bit(data[2], 1));
    SetBit(switches, 4, Bit(data[2], 2));
    return {1};
}

// 3: a modelling-light mode (0x40 to 0x47) or the lamp (0x80, 0x81).
Changed ModellingLight(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    if ((data[0] & 0xF8) == 0x40) {
        At(records, 1, kMode) = data[0] & 7;
        return {1};
    }
    if ((data[0] & 0xFE) == 0x80) {
        SetBit(At(records, 5, 5), kLamp, data[0] & 1);
        return {5};
    }
    return {};
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

// ---- The compact Tiko units (Trovalex, Sorvant, Hexor) ----

// Status (1): energy 5, power and warning 6, modelling-light mode 7, energy
// range 9. Aux functions (2): sequence 5, interval 6-7, delay 8-9, alternate
// 10, flags 11, shortest interval 12-13. Options (5): the power packs' bits
// in byte 5 with the store flag 6, power display 6, infrared address 7,
// the options page's photocell 8.
const int kEnergy = 5;
const int kPower = 6;
const int kTikoMode = 7;
const int kDelay = 8;
const int kRange = 9;
const int kAlternate = 10;
const int kStoreFlag = 6;
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

// 3: a modelling-light mode (0x40 to 0x47) or the lamp (0x80, 0x81).
Changed TikoModellingLight(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    if ((data[0] & 0xF8) == 0x40) {
        At(records, 1, kTikoMode) = data[0] & 7;
        return {1};
    }
    if ((data[0] & 0xFE) == 0x80) {
        SetBit(At(records, 5, 5), kLamp, data[0] & 1);
        return {5};
    }
    return {};
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

// 16: the store flag of the aux page.
Changed TikoStoreFlag(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    SetBit(At(records, 5, 5), kStoreFlag, data[0] & 1);
    return {5};
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
        {16, TikoStoreFlag},
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

const SimUnitFamily kFamilies[] = {
    // Nuvek: record 2 carries the energy range; options byte 5 alone.
    {20, PowerPackDefaults(Bytes({0, 0}), Bytes({0x08})), PowerPackEffects(NuvekOptions)},
    // Ribex: the sequence alone; options up to byte 9.
    {32, PowerPackDefaults(Bytes({0}), Bytes({0x08, 0, 0, 0, 0})), PowerPackEffects(RibexOptions)},
    {18, TikoDefaults(true), TikoEffects()},
    {25, TikoDefaults(false), TikoEffects()},
    {26, TikoDefaults(false), TikoEffects()},
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
