#include "units/core/PowerPackCodec.h"

#include "units/core/CommandLayouts.h"
#include "units/core/CommandTable.h"
#include "units/core/LightCommand.h"
#include "units/core/UnitInfoText.h"
#include "units/core/ValueText.h"

namespace PowerPackCodec {

const Family kNuvek = {
    {"Nuvek N2", "Nuvek N4", "Nuvek N8", "Nuvek N8 E"},
    2,
    // Outlet 2 answers to either pair of the upper bits.
    0x50,
    0xA0,
    0,
    0,
    true,
    false,
    false,
    true,
};

// clang-format off
const Family kRibex = {
    {"Ribex R2", "Ribex R4", "Ribex R8", "Ribex R8 E"},
    3,
    0x10,
    0x20,
    0x40,
    0x80,
    false,
    true,
    true,
    false,
};
// clang-format on

namespace {

const int kTextSequence = 2017;
const int kTextInterval = 2022;
const int kTextDelay = 2023;
const int kTextPresetSequence = 2024;
const int kTextAlternate = 2025;
const int kTextNumber = 2100;
const int kTextT01MaxPreset = 2125;
const int kTextDistribution = 2203;

const std::size_t kOwnerWidth = 14;

bool Bit(int byte, int bit)
{
    return (byte >> bit) & 1;
}

std::string Symmetry(int byte)
{
    return Bit(byte, 6) ? "asym" : "sym";
}

// ---- Commands ----

// What the family's layouts read: its row and the gathered page state.
struct Laying {
    const Family& family;
    const CommandState& state;
};

std::optional<CommandBytes> LayLight(const Command& command, const Laying& laying)
{
    const CommandState& state = laying.state;
    return LightCommand::Lay(command.value, command.step, command.outlet, {state.auxOn[0], state.auxOn[1]});
}

std::optional<CommandBytes> LaySelections(const Command&, const Laying& laying)
{
    return SelectionCodec::Lay(laying.state.selections, laying.family.lampsUsed);
}

// The page gathers only the boxes its family has.
std::optional<CommandBytes> LayOptions(const Command&, const Laying& laying)
{
    const CommandState& state = laying.state;
    return CommandBytes().Byte(state.buzzer | state.recycling << 1 | state.reduced << 2 | state.energyRange << 3 |
                               state.ready << 4 | state.cell << 5);
}

std::optional<CommandBytes> LayOwner(const Command& command, const Laying&)
{
    return CommandBytes().Text(command.text, kOwnerWidth);
}

using Layout = std::optional<CommandBytes> (*)(const Command&, const Laying&);
const Layout Byte = CommandLayouts::Byte<Laying>;
const Layout Be16 = CommandLayouts::Be16<Laying>;

const CommandTable::Row<Laying> kCommands[] = {
    {CommandCode::kLight, LayLight},
    {CommandCode::kRequestRecord, CommandLayouts::ZeroAndByte<Laying>},
    {CommandCode::kModellingLight, Byte},
    {CommandCode::kFlashControl, Byte},
    {CommandCode::kSequence, Byte},
    {CommandCode::kStepT01, Byte},
    {CommandCode::kInterval, Be16},
    {CommandCode::kDelay, Be16},
    {CommandCode::kPreset, Byte},
    {CommandCode::kAlternate, Byte},
    {CommandCode::kSelections, LaySelections},
    {CommandCode::kStoreMemory, Byte},
    {CommandCode::kRecallMemory, Byte},
    {CommandCode::kStoreFlag, Byte},
    {CommandCode::kOptions, LayOptions},
    {CommandCode::kPowerDisplay, Byte},
    {CommandCode::kInfraredAddress, Byte},
    {CommandCode::kDeliveryDate, Be16},
    {CommandCode::kOwner, LayOwner},
    {CommandCode::kServiceDate, Be16},
    {CommandCode::kSerial, CommandLayouts::Be32<Laying>},
    {CommandCode::kFactoryDate, Be16},
};

}  // namespace

std::optional<Status> DecodeStatus(const RecordView& record, const Family& family)
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
        PowerPackRecords::Outlet(record, 2, (states & family.outlet2On) != 0, (states & family.outlet2Available) != 0);
    status.outlet3On = (states & family.outlet3On) != 0;
    status.outlet3Available = (states & family.outlet3Available) != 0;
    status.modellingLightMode = record.Byte(22) & 7;
    return status;
}

std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record, const Family& family)
{
    if (!record.Has(family.energyRange ? 6 : 5))
        return std::nullopt;
    AuxFunctions functions;
    functions.sequence = record.Byte(5);
    functions.energyRange = family.energyRange && record.Byte(6) != 0;
    return functions;
}

std::optional<Selections> DecodeSelections(const RecordView& record, const Family& family)
{
    return SelectionCodec::Decode(record, family.lampsUsed);
}

std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record, const Family& family)
{
    if (!record.Has(12))
        return std::nullopt;
    UnitInfo info;
    info.version = UnitInfoText::Version(record.Byte(5), record.Byte(6));
    info.versionMinor = record.Byte(6);
    info.powerLocked = family.powerLock && record.Byte(8) != 0;
    info.model = family.models[record.Byte(7) & 3];
    info.voltage = "100...230 V";
    if (family.distribution)
        info.symmetry = Symmetry(record.Byte(7));
    info.serial = ValueText::Unsigned(record.Be32(9));
    return info;
}

std::optional<Options> DecodeOptions(const RecordView& record, const Family& family)
{
    if (!record.Has(family.readyAndCell ? 9 : 5))
        return std::nullopt;
    const int bits = record.Byte(5);
    Options options;
    options.modellingLightOn = Bit(bits, 0);
    options.ir = Bit(bits, 1);
    options.cell = Bit(bits, 2);
    options.rf = Bit(bits, 7);
    options.buzzer = Bit(bits, 3);
    options.recycling = Bit(bits, 4);
    options.reduced = Bit(bits, 5);
    if (family.readyAndCell) {
        options.ready = Bit(record.Byte(9), 0);
        options.cellOption = Bit(record.Byte(9), 1);
    }
    return options;
}

std::optional<PowerPackRecords::Memory> DecodeMemory(const RecordView& record, const Family& family)
{
    return PowerPackRecords::DecodeMemory(record, family.distribution);
}

StatusRows NuvekStatusRows(const std::string& symmetry, int sequence)
{
    StatusRows rows;
    rows.Append(PageText::Id(kTextDistribution), symmetry);
    if (sequence != 0)
        rows.Append(PageText::Id(kTextSequence), ValueText::Count(sequence));
    return rows;
}

StatusRows RibexStatusRows(const AuxValues& aux)
{
    StatusRows rows;
    if (aux.preset != 0) {
        rows.Append(PageText::Id(kTextPresetSequence),
                    PageText::Id(kTextNumber).Add(" " + ValueText::Count(aux.preset)));
        if (aux.delay != 0)
            rows.Append(PageText::Id(kTextDelay), ValueText::Hundredths(aux.delay));
        if (aux.t01MaxPreset != 0)
            rows.Append(PageText::Id(kTextT01MaxPreset), ValueText::FlashDuration(aux.t01MaxPreset));
        return rows;
    }
    if (aux.sequence != 0)
        rows.Append(PageText::Id(kTextSequence), ValueText::Count(aux.sequence));
    if (aux.interval != 0)
        rows.Append(PageText::Id(kTextInterval), ValueText::Hundredths(aux.interval));
    if (aux.delay != 0)
        rows.Append(PageText::Id(kTextDelay), ValueText::Hundredths(aux.delay));
    if (aux.alternate != 0)
        rows.Append(PageText::Id(kTextAlternate), ValueText::Count(aux.alternate));
    return rows;
}

std::optional<CommandBytes> BuildCommand(const Family& family, const Command& command, const CommandState& state)
{
    return CommandTable::Lay(kCommands, command, Laying{family, state});
}

}  // namespace PowerPackCodec
