#include "units/core/MemoryDetail.h"

#include "units/core/RecordView.h"
#include "units/core/ValueText.h"

namespace {

const int kTextSequence = 2017;
const int kTextInterval = 2022;
const int kTextDelay = 2023;
const int kTextAlternate = 2239;
const int kTextPresetSequence = 2099;
const int kTextNumber = 2100;

const int kEmptyByte = 0xFF;

}  // namespace

bool IsEmptyMemory(const RecordView& record)
{
    for (int i = 5; i <= 8; ++i)
        if (record.Byte(i) == kEmptyByte)
            return true;
    return false;
}

MemoryEnergy OutletEnergy(const RecordView& record, int energyByte, int outlet)
{
    const int switches = record.Byte(15);
    MemoryEnergy energy;
    energy.value = record.Byte(energyByte) & 0x7F;
    energy.available = switches & (0x08 << (outlet - 1));
    energy.on = switches & (0x01 << (outlet - 1));
    energy.inhibited = record.Byte(14) != 0;
    energy.channel = outlet;
    return energy;
}

void AppendTimingLines(const RecordView& record, std::vector<MemoryLine>& lines)
{
    const int sequence = record.Byte(8) & 0x3F;
    const int alternate = record.Byte(8) >> 6;
    const int interval = record.Be16(11);
    const int delay = record.Be16(9);
    const int preset = record.Byte(14);
    if (sequence)
        lines.push_back({PageText::Id(kTextSequence), ValueText::Count(sequence)});
    if (interval)
        lines.push_back({PageText::Id(kTextInterval), ValueText::Hundredths(interval)});
    if (delay)
        lines.push_back({PageText::Id(kTextDelay), ValueText::Hundredths(delay)});
    if (alternate)
        lines.push_back({PageText::Id(kTextAlternate), ValueText::Count(alternate)});
    if (preset)
        lines.push_back({PageText::Id(kTextPresetSequence), PageText::Id(kTextNumber).Add(ValueText::Count(preset))});
}
