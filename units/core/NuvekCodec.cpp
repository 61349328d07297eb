#include "units/core/NuvekCodec.h"

#include "units/core/CommandLayouts.h"
#include "units/core/CommandTable.h"
#include "units/core/LightCommand.h"
#include "units/core/UnitInfoText.h"
#include "units/core/ValueText.h"

namespace NuvekCodec {

namespace {

const int kLampsUsed = 2;
const int kTextSequence = 2017;
const int kTextDistribution = 2203;

const char* const kModels[] = {"Nuvek N2", "Nuvek N4", "Nuvek N8", "Nuvek N8 E"};

bool Bit(int byte, int bit)
{
    return (byte >> bit) & 1;
}

std::optional<CommandBytes> LayLight(int32_t, const CommandState& state)
{
    return LightCommand::Lay(state.lightValue, state.spinStep, state.lightOutlet, {state.auxOn[0], state.auxOn[1]});
}

std::optional<CommandBytes> LaySelections(int32_t, const CommandState& state)
{
    return SelectionCodec::Lay(state.selections, kLampsUsed);
}

std::optional<CommandBytes> LayOptions(int32_t, const CommandState& state)
{
    return CommandBytes().Byte(state.buzzer | state.slow << 1 | state.reduced << 2 | state.energyRange << 3);
}

std::optional<CommandBytes> LayOwner(int32_t, const CommandState& state)
{
    return CommandBytes().Text(state.owner, 14);
}

const CommandTable::Row<CommandState> kCommands[] = {
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
    const int states = record.Byte(21);
    Status status;
    status.mainValue = record.Byte(5);
    status.mainShown = (states & 0x28) != 0;
    status.power = Bit(states, 0);
    status.aux[0] = PowerPackRecords::Outlet(record, 1, Bit(states, 2), Bit(states, 3));
    status.aux[1] =
        PowerPackRecords::Outlet(record, 2, Bit(states, 4) || Bit(states, 6), Bit(states, 5) || Bit(states, 7));
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
    info.version = UnitInfoText::Version(record.Byte(5), record.Byte(6));
    info.versionMinor = record.Byte(6);
    info.model = kModels[record.Byte(7) & 3];
    info.voltage = "100...230 V";
    info.symmetry = Bit(record.Byte(7), 6) ? "asym" : "sym";
    info.serial = ValueText::Unsigned(record.Be32(9));
    return info;
}

std::optional<Options> DecodeOptions(const RecordView& record)
{
    if (!record.Has(5))
        return std::nullopt;
    const int bits = record.Byte(5);
    Options options;
    options.modellingLightOn = Bit(bits, 0);
    options.ir = Bit(bits, 1);
    options.cell = Bit(bits, 2);
    options.rf = Bit(bits, 7);
    options.buzzer = Bit(bits, 3);
    options.slow = Bit(bits, 4);
    options.reduced = Bit(bits, 5);
    return options;
}

std::optional<Memory> DecodeMemory(const RecordView& record)
{
    return PowerPackRecords::DecodeMemory(record, true);
}

StatusRows BuildStatusRows(const std::string& symmetry, int sequence)
{
    StatusRows rows;
    rows.Append(PageText::Id(kTextDistribution), symmetry);
    if (sequence != 0)
        rows.Append(PageText::Id(kTextSequence), ValueText::Count(sequence));
    return rows;
}

std::optional<CommandBytes> BuildCommand(int16_t code, int32_t value, const CommandState& state)
{
    return CommandTable::Lay(kCommands, code, value, state);
}

}  // namespace NuvekCodec
