#include "units/core/MemoryDetail.h"

#include <string>

#include "units/core/ValueText.h"

namespace MemoryDetail {

namespace {

const int kTextSequence = 2017;
const int kTextInterval = 2022;
const int kTextDelay = 2023;
const int kTextAlternate = 2239;
const int kTextPresetSequence = 2099;
const int kTextNumber = 2100;

}  // namespace

int Index(const RecordView& record)
{
    switch (record.Byte(4)) {
    case 102: return 1;
    case 103: return 2;
    case 104: return 3;
    default: return 0;
    }
}

bool IsEmpty(const RecordView& record)
{
    for (std::size_t i = 5; i <= 8; ++i)
        if (record.Byte(i) == 0xFF)
            return true;
    return false;
}

Light LightOf(const RecordView& record, std::size_t energyByte, int availableBit, int onBit, int16_t channel)
{
    const uint8_t states = record.Byte(15);
    Light light;
    light.value = record.Byte(energyByte) & 0x7F;
    light.available = (states >> availableBit) & 1;
    light.on = (states >> onBit) & 1;
    light.preset = record.Byte(14) != 0;
    light.channel = channel;
    return light;
}

void AddSettings(const RecordView& record, LabelledSlots& lines)
{
    const uint8_t sequence = record.Byte(8) & 0x3F;
    const uint8_t alternate = record.Byte(8) >> 6;
    const uint16_t interval = record.Be16(11);
    const uint16_t delay = record.Be16(9);
    const uint8_t preset = record.Byte(14);
    if (sequence != 0)
        lines.Add({kTextSequence, "", 0, std::to_string(sequence)});
    if (interval != 0)
        lines.Add({kTextInterval, "", 0, ValueText::Seconds(interval)});
    if (delay != 0)
        lines.Add({kTextDelay, "", 0, ValueText::Seconds(delay)});
    if (alternate != 0)
        lines.Add({kTextAlternate, "", 0, std::to_string(alternate)});
    if (preset != 0)
        lines.Add({kTextPresetSequence, "", kTextNumber, std::to_string(preset)});
}

}  // namespace MemoryDetail
