#include "tools/SimPowerPack.h"

#include "tools/SimRecords.h"

namespace {

using SimRecords::At;
using SimRecords::Bit;
using SimRecords::Bytes;
using SimRecords::Changed;
using SimRecords::Records;
using SimRecords::SetBit;
using SimRecords::StoreOptionBits;

// Energy class 0: a Nuvek N2 or a Ribex R2.
constexpr uint8_t kVariant = 0;

Records DefaultRecords(std::vector<uint8_t> auxFunctions, std::vector<uint8_t> options)
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
    const std::vector<uint8_t> owner = SimRecords::Owner("Studio A");
    counters.insert(counters.end(), owner.begin(), owner.end());
    records[6] = counters;
    records[7] = Bytes({0, 0});
    // Delivered in March 2012.
    records[8] = Bytes({0, 12, 3});
    records[98] = {};
    // Memory 1 holds outlet 1 at 5.0, outlet 2 at 4.0, sequence 2.
    records[101] = Bytes({40, 50, 60, 2, 0, 0, 0, 0, 0, 0, 0x1B});
    SimRecords::AddEmptyMemories(records, 11);
    return records;
}

Changed Light(Records& records, const std::vector<uint8_t>& data)
{
    return SimRecords::LightOf(records, data, 2);
}

Changed ModellingLight(Records& records, const std::vector<uint8_t>& data)
{
    return SimRecords::ModellingLightAt(records, data, SimRecords::kMode);
}

// 12: the present settings into memory n: outlet 2 (byte 5), outlet 1 (6),
// main light (7), sequence (8), outlets on and available (15).
Changed Store(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = SimRecords::MemoryOf(data);
    const uint8_t switches = At(records, 1, SimRecords::kSwitches);
    std::vector<uint8_t> stored(11, 0);
    stored[0] = At(records, 1, SimRecords::kAux2);
    stored[1] = At(records, 1, SimRecords::kAux1);
    stored[2] = At(records, 1, SimRecords::kMain);
    stored[3] = At(records, 2, 5) & 0x3F;
    stored[10] =
        static_cast<uint8_t>(Bit(switches, 2) | Bit(switches, 4) << 1 | Bit(switches, 3) << 3 | Bit(switches, 5) << 4);
    records[memory] = stored;
    return {memory};
}

// 13: memory n back into the present settings; an empty one changes nothing.
Changed Recall(Records& records, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return {};
    const uint16_t memory = SimRecords::MemoryOf(data);
    if (!SimRecords::HoldsSettings(records, memory))
        return {};
    At(records, 1, SimRecords::kMain) = At(records, memory, 7);
    At(records, 1, SimRecords::kAux1) = At(records, memory, 6);
    At(records, 1, SimRecords::kAux2) = At(records, memory, 5);
    At(records, 2, 5) = At(records, memory, 8) & 0x3F;
    return {1, 2};
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

std::vector<SimUnitFamily::CommandEffect> Effects(SimUnitFamily::Effect options)
{
    return {{1, Light},
            {3, ModellingLight},
            {4, SimRecords::FlashControl},
            {5, SimRecords::Sequence},
            {11, SimRecords::Selections},
            {12, Store},
            {13, Recall},
            {14, SimRecords::ReportAll},
            {17, options},
            {27, SimRecords::PowerOff},
            {28, SimRecords::PowerOn},
            {102, SimRecords::TestFlash}};
}

// Nuvek: record 2 carries the energy range; options byte 5 alone. Ribex: the
// sequence alone; options up to byte 9.
Records ModelDefaults(SimPowerPack::Model model)
{
    return model == SimPowerPack::kNuvek ? DefaultRecords(Bytes({0, 0}), Bytes({0x08}))
                                         : DefaultRecords(Bytes({0}), Bytes({0x08, 0, 0, 0, 0}));
}

}  // namespace

SimPowerPack::SimPowerPack(Model model)
    : SimUnitFamily(model, kVariant, ModelDefaults(model), Effects(model == kNuvek ? NuvekOptions : RibexOptions))
{
}
