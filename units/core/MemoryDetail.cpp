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
const int kTextFlashDuration = 2095;
const int kTextFlashDurationApprox = 2096;
const int kTextMin = 2097;
const int kTextOpt = 2098;
const int kTextFlashDurationT01 = 2019;

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

MemoryLine FlashDurationLine(int code)
{
    if ((code & 0x0F) == 8)
        return {PageText::Id(kTextFlashDuration), PageText::Id(kTextMin)};
    const int step = code & 0x07;
    if (step == 7)
        return {PageText::Id(kTextFlashDurationApprox), ValueText::FlashDuration(6000)};
    if (step == 0)
        return {PageText::Id(kTextFlashDuration), PageText::Id(kTextOpt)};
    return {PageText::Id(kTextFlashDurationT01), ValueText::FlashDuration(125 << (step - 1))};
}

void AppendSequenceTimingLines(const RecordView& record, std::vector<MemoryLine>& lines)
{
    const int sequence = record.Byte(8) & 0x3F;
    const int interval = record.Be16(11);
    const int delay = record.Be16(9);
    if (sequence)
        lines.push_back({PageText::Id(kTextSequence), ValueText::Count(sequence)});
    if (interval)
        lines.push_back({PageText::Id(kTextInterval), ValueText::Hundredths(interval)});
    if (delay)
        lines.push_back({PageText::Id(kTextDelay), ValueText::Hundredths(delay)});
}

void AppendTimingLines(const RecordView& record, std::vector<MemoryLine>& lines)
{
    const int alternate = record.Byte(8) >> 6;
    const int preset = record.Byte(14);
    AppendSequenceTimingLines(record, lines);
    if (alternate)
        lines.push_back({PageText::Id(kTextAlternate), ValueText::Count(alternate)});
    if (preset)
        lines.push_back({PageText::Id(kTextPresetSequence), PageText::Id(kTextNumber).Add(ValueText::Count(preset))});
}
