#include "units/core/Selections.h"

namespace SelectionCodec {

namespace {

const int kHighestLampRole = 20;

}  // namespace

std::optional<Selections> Decode(const RecordView& record, int lampsUsed)
{
    if (!record.Has(6 + lampsUsed))
        return std::nullopt;
    const uint8_t tabs = record.Byte(5);
    Selections selections;
    selections.lampMemoryPage = tabs & 1;
    selections.optionsPage = (tabs >> 1) & 3;
    if (selections.optionsPage == 3)
        selections.optionsPage = 2;
    selections.auxField = (tabs >> 3) & 7;
    selections.memory = record.Byte(6) & 3;
    for (int i = 0; i < lampsUsed; ++i) {
        const int role = record.Byte(7 + i);
        selections.lamps[i] = role > kHighestLampRole ? 0 : role;
    }
    return selections;
}

CommandBytes Lay(const Selections& selections, int lampsUsed)
{
    CommandBytes data;
    data.Byte((selections.lampMemoryPage != 0 ? 1 : 0) + 2 * selections.optionsPage + 8 * selections.auxField);
    data.Byte(selections.memory);
    for (int i = 0; i < static_cast<int>(selections.lamps.size()); ++i)
        data.Byte(i < lampsUsed ? selections.lamps[i] : 0);
    return data;
}

}  // namespace SelectionCodec
