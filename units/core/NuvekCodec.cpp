#include "units/core/NuvekCodec.h"

#include <algorithm>

#include "units/core/CommandLayouts.h"
#include "units/core/LabelledSlots.h"
#include "units/core/LightCommand.h"
#include "units/core/UnitInfoText.h"

namespace NuvekCodec {

namespace {

const int kLampsUsed = 2;
const int kLowestServiceLevel = 1;
const int kTextSequence = 2017;
const int kTextDistribution = 2203;

const char* const kModels[] = {"Nuvek N2", "Nuvek N4", "Nuvek N8", "Nuvek N8 E"};

bool Bit(uint8_t byte, int bit)
{
    return (byte >> bit) & 1;
}

AuxOutlet Outlet(const RecordView& record, std::size_t first, bool on, bool available, int warningBit)
{
    AuxOutlet outlet;
    outlet.on = on;
    outlet.available = available;
    outlet.value = record.Byte(first);
    outlet.warning = Bit(record.Byte(24), warningBit);
    outlet.percent = record.Byte(first + 1);
    outlet.joules = record.Be16(first + 2);
    return outlet;
}

void LayLight(CommandBytes& data, int32_t, const CommandState& state)
{
    data = LightCommand::Lay(state.lightValue, state.spinDelta, state.lightOutlet,
                             {state.auxOn[0], state.auxOn[1]});
}

void LaySelections(CommandBytes& data, int32_t, const CommandState& state)
{
    data = SelectionCodec::Lay(state.selections, kLampsUsed);
}

void LayOptions(CommandBytes& data, int32_t, const CommandState& state)
{
    data.Byte(state.buzzer | state.slow << 1 | state.reduced << 2 | state.energyRange << 3);
}

void LayOwner(CommandBytes& data, int32_t, const CommandState& state)
{
    data.Text(state.owner, 14);
}

using Builder = void (*)(CommandBytes&, int32_t, const CommandState&);

struct CommandRow {
    int16_t code;
    Builder build;
};

const CommandRow kCommands[] = {
    {1, LayLight},
    {2, CommandLayouts::ZeroAndByte<CommandState>},
    {3, CommandLayouts::Byte<CommandState>},
    {4, CommandLayouts::Byte<CommandState>},
    {5, CommandLayouts::Byte<CommandState>},
    {6, CommandLayouts::Byte<CommandState>},
    {7, CommandLayouts::Be16<CommandState>},
    {8, CommandLayouts::Be16<CommandState>},
    {9, CommandLayouts::Byte<CommandState>},
    {10, CommandLayouts::Byte<CommandState>},
    {11, LaySelections},
    {12, CommandLayouts::Byte<CommandState>},
    {13, CommandLayouts::Byte<CommandState>},
    {16, CommandLayouts::Byte<CommandState>},
    {17, LayOptions},
    {19, CommandLayouts::Byte<CommandState>},
    {20, CommandLayouts::Byte<CommandState>},
    {21, CommandLayouts::Be16<CommandState>},
    {22, LayOwner},
    {23, CommandLayouts::Be16<CommandState>},
    {25, CommandLayouts::Be32<CommandState>},
    {26, CommandLayouts::Be16<CommandState>},
};

}  // namespace

std::optional<Status> DecodeStatus(const RecordView& record)
{
    if (!record.Has(24))
        return std::nullopt;
    const uint8_t states = record.Byte(21);
    Status status;
    status.mainValue = record.Byte(5);
    status.mainShown = (states & 0x28) != 0;
    status.power = Bit(states, 0);
    status.aux[0] = Outlet(record, 9, Bit(states, 2), Bit(states, 3), 0);
    status.aux[1] = Outlet(record, 13, Bit(states, 4) || Bit(states, 6), Bit(states, 5) || Bit(states, 7), 1);
    status.modellingLightMode = record.Byte(22) & 7;
    return status;
}

std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record)
{
    if (!record.Has(6))
        return std::nullopt;
    return AuxFunctions{record.Byte(5), record.Byte(6) != 0};
}

std::optional<Selections> DecodeSelections(const RecordView& record)
{
    return SelectionCodec::Decode(record, kLampsUsed);
}

std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record)
{
    if (!record.Has(12))
        return std::nullopt;
    UnitInfo info;
    info.programVersion = UnitInfoText::ProgramVersion(record.Byte(5), record.Byte(6));
    info.programMinor = record.Byte(6);
    info.model = kModels[record.Byte(7) & 3];
    info.voltage = "100...230 V";
    info.symmetry = Bit(record.Byte(7), 6) ? "asym" : "sym";
    info.serial = UnitInfoText::Serial(record.Be32(9));
    return info;
}

std::optional<Options> DecodeOptions(const RecordView& record)
{
    if (!record.Has(5))
        return std::nullopt;
    const uint8_t bits = record.Byte(5);
    Options options;
    options.modellingLightOn = Bit(bits, 0);
    options.flashIr = Bit(bits, 1);
    options.flashCell = Bit(bits, 2);
    options.flashRf = Bit(bits, 7);
    options.buzzer = Bit(bits, 3);
    options.slow = Bit(bits, 4);
    options.reduced = Bit(bits, 5);
    return options;
}

std::optional<CounterRecord::Counters> DecodeCounters(const RecordView& record)
{
    return CounterRecord::Decode(record);
}

std::optional<StatusPlan::Alarms> DecodeAlarms(const RecordView& record)
{
    return StatusPlan::DecodeAlarms(record);
}

std::optional<std::string> DecodeDates(const RecordView& record)
{
    return UnitInfoText::DecodeDeliveryDate(record);
}

std::optional<ServiceStatus::Status> DecodeServiceStatus(const RecordView& record)
{
    return ServiceStatus::Decode(record, kLowestServiceLevel);
}

std::optional<MemoryDetail::Memory> DecodeMemory(const RecordView& record)
{
    if (!record.Has(15))
        return std::nullopt;
    MemoryDetail::Memory memory;
    memory.index = MemoryDetail::Index(record);
    memory.empty = MemoryDetail::IsEmpty(record);
    memory.lights = {MemoryDetail::LightOf(record, 6, 3, 0, 1), MemoryDetail::LightOf(record, 5, 4, 1, 2)};
    LabelledSlots lines(4);
    lines.Add({kTextDistribution, "", 0, Bit(record.Byte(15), 6) ? "asym" : "sym"});
    MemoryDetail::AddSettings(record, lines);
    memory.lines = lines.Slots();
    return memory;
}

StatusPlan::Rows StatusRows(const std::string& symmetry, int sequence)
{
    StatusPlan::Rows rows;
    rows[0] = {kTextDistribution, "", 0, symmetry};
    if (sequence != 0)
        rows[1] = {kTextSequence, "", 0, std::to_string(sequence)};
    return rows;
}

std::optional<CommandBytes> BuildCommand(int16_t code, int32_t value, const CommandState& state)
{
    CommandBytes data;
    const auto row = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [code](const CommandRow& candidate) { return candidate.code == code; });
    if (row != std::end(kCommands))
        row->build(data, value, state);
    return data;
}

bool StartsBusy(int16_t code)
{
    return code == 6;
}

}  // namespace NuvekCodec
