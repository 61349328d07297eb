#include "units/core/TikoCodec.h"

#include <algorithm>

#include "units/core/CommandLayouts.h"
#include "units/core/CommandTable.h"
#include "units/core/FamilyRecords.h"
#include "units/core/SpinStepper.h"
#include "units/core/UnitInfoText.h"
#include "units/core/ValueText.h"

namespace TikoCodec {

namespace {

// ---- Commands ----

using Layout = std::optional<CommandBytes> (*)(const Command&, const CommandState&);
const Layout NoData = CommandLayouts::None<CommandState>;
const Layout OneByte = CommandLayouts::Byte<CommandState>;
const Layout TwoBytes = CommandLayouts::Be16<CommandState>;
const Layout RecordRequest = CommandLayouts::ZeroAndByte<CommandState>;

std::optional<CommandBytes> Energy(const Command& command, const CommandState&)
{
    if (command.outlet != 1)
        return std::nullopt;
    return CommandBytes().Byte(SteppedEnergy(command.value, command.step));
}

std::optional<CommandBytes> SelectionBytes(const Command&, const CommandState& state)
{
    return CommandBytes().Byte(state.optionsTab + 4 * state.auxField).Byte(state.memory).Byte(state.lamp);
}

std::optional<CommandBytes> OptionBits(const Command&, const CommandState& state)
{
    return CommandBytes().Byte((state.buzzer ? 1 : 0) | (state.slow ? 2 : 0) | (state.reduced ? 4 : 0) |
                               (state.cell ? 8 : 0));
}

std::optional<CommandBytes> Serial(const Command& command, const CommandState& state)
{
    const uint32_t serial = static_cast<uint32_t>(command.value);
    if (ModelOf(state.modelCode).binarySerial)
        return CommandBytes().Be32(serial);
    return CommandBytes().Byte(0).Byte(0).Byte(serial % 10000 / 100).Byte(serial % 100);
}

const CommandTable::Row<CommandState> kCommands[] = {
    {CommandCode::kLight, Energy},
    {CommandCode::kRequestRecord, RecordRequest},
    {CommandCode::kModellingLight, OneByte},
    {CommandCode::kFlashControl, OneByte},
    {CommandCode::kSequence, OneByte},
    {CommandCode::kInterval, TwoBytes},
    {CommandCode::kDelay, TwoBytes},
    {CommandCode::kAlternate, OneByte},
    {CommandCode::kSelections, SelectionBytes},
    {CommandCode::kStoreMemory, OneByte},
    {CommandCode::kRecallMemory, OneByte},
    {CommandCode::kRequestAll, NoData},
    {CommandCode::kResetAux, NoData},
    {CommandCode::kStoreFlag, OneByte},
    {CommandCode::kOptions, OptionBits},
    {CommandCode::kResetCounter, NoData},
    {CommandCode::kPowerDisplay, OneByte},
    {CommandCode::kInfraredAddress, OneByte},
    {CommandCode::kDeliveryDate, TwoBytes},
    {CommandCode::kOwner, NoData},
    {CommandCode::kServiceDate, NoData},
    {CommandCode::kResetTotalCounter, NoData},
    {CommandCode::kSerial, Serial},
    {CommandCode::kFactoryDate, TwoBytes},
    {CommandCode::kPowerOff, NoData},
    {CommandCode::kPowerOn, NoData},
    {CommandCode::kEnergyRange, OneByte},
    {CommandCode::kTestFlash, NoData},
};

// ---- Records ----

const ModelName kT160 = {"Trovalex T160", 1200};
const ModelName kS160 = {"Sorvant 160", 1200};
const ModelName kNone = {nullptr, 0};
const char* const kLow = "100V-117V";
const char* const kHigh = "230V";
const char* const kWide = "117V-230V";

const ModelRow kTrovalexRow = {
    kTrovalex,
    {{kT160, kT160, kT160, kT160, kT160, kT160, kT160, kT160}},
    {{"100V", kWide, kWide, kWide, kWide, kWide, kWide, kWide}},
    true,  // binary serial
    true,  // binary counter
    true,  // infrared
    true,  // energy range
    true,  // limits its top levels
};

// clang-format off
const ModelRow kSorvantRow = {
    kSorvant,
    {{{"Sorvant 40", 300}, {"Sorvant 80", 600}, kS160, kS160, kS160, kS160, kS160, kS160}},
    {{kLow, kLow, kHigh, kHigh, kHigh, kHigh, kHigh, kHigh}},
    false,  // binary serial
    false,  // binary counter
    true,  // infrared
    true,  // energy range
    false,  // limits its top levels
};
// clang-format on

const ModelRow kHexorRow = {
    kHexor,
    {{{"Hexor 800", 300}, {"Hexor 1600", 600}, kNone, kNone, kNone, kNone, kNone, kNone}},
    {{kLow, kLow, kHigh, kHigh, kHigh, kHigh, kHigh, kHigh}},
    false,  // binary serial
    false,  // binary counter
    false,  // infrared
    false,  // energy range
    false,  // limits its top levels
};

const ModelRow* const kModels[] = {&kTrovalexRow, &kSorvantRow, &kHexorRow};

const ServiceFactors kServiceFactors = {11740, 22920, 23015};

const FamilyRecords::OwnerRow kOwner = {8, 14, false, UnitRecords::OwnerField::DisplayAndEdit};
// The total counter in 24 bits, or in three base-100 digits (ModelRow).
const FamilyRecords::CountersRow kBinaryCounters = {std::nullopt, {5, 3}, kOwner};
const FamilyRecords::CountersRow kBaseHundredCounters = {std::nullopt, {5, 3, true}, kOwner};
const FamilyRecords::AlarmsRow kAlarms = {false, 0, PlanAlarmTexts};
const FamilyRecords::DatesRow kDates = {true, true};

const int kTextSequence = 2017;
const int kTextDelay = 2023;
const int kTextSetToProp = 2061;

const int kMaxSequence = 50;
const int kMaxMemoryDelay = 99;

// ---- Light rules ----

const int kModeProp4 = 5;
const int kModeProp5 = 6;
const int kProp4Limit = 95;
const int kProp5Limit = 85;

}  // namespace

const ModelRow& ModelOf(int modelCode)
{
    for (const ModelRow* model : kModels)
        if (model->code == modelCode)
            return *model;
    return kHexorRow;
}

std::optional<CommandBytes> BuildCommand(const Command& command, const CommandState& state)
{
    return CommandTable::Lay(kCommands, command, state);
}

std::optional<Status> DecodeStatus(const RecordView& record)
{
    if (!record.Has(9))
        return std::nullopt;
    Status status;
    status.powerOn = record.Byte(6) & 0x01;
    status.energyRange = record.Byte(9) & 0x01;
    status.value = record.Byte(5);
    status.warning = record.Byte(6) & 0x02;
    status.modellingLightMode = record.Byte(7) & 0x07;
    return status;
}

std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record)
{
    if (!record.Has(13))
        return std::nullopt;
    AuxFunctions aux;
    aux.sequence = record.Byte(5);
    aux.delay = record.Be16(8);
    aux.alternate = record.Byte(10);
    aux.minInterval = record.Be16(12);
    aux.interval = record.Be16(6);
    aux.flags = record.Byte(11);
    aux.intervalSuggested = aux.flags & 0x01;
    return aux;
}

std::optional<Selections> DecodeSelections(const RecordView& record)
{
    if (!record.Has(7))
        return std::nullopt;
    Selections selections;
    selections.optionsTab = std::min(record.Byte(5) & 0x03, 2);
    selections.auxField = (record.Byte(5) >> 2) & 0x07;
    selections.memory = record.Byte(6) & 0x03;
    selections.lamp = record.Byte(7) > 20 ? 0 : record.Byte(7);
    return selections;
}

std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record)
{
    if (!record.Has(12))
        return std::nullopt;
    UnitInfo info;
    info.modelCode = record.Byte(5);
    info.version = UnitInfoText::Version(info.modelCode, record.Byte(6));
    info.versionMinor = record.Byte(6);

    const ModelRow& model = ModelOf(info.modelCode);
    const ModelName& name = model.names[record.Byte(7) & 0x07];
    if (name.name) {
        info.model = name.name;
        info.rating = name.rating;
    }
    const int voltage = record.Byte(7) & 0x38;
    info.voltage = model.voltages[voltage >> 3];
    info.lowVoltage = voltage == 0;
    info.supplyTextId = UnitInfoText::SupplyTextId(record.Byte(8));
    info.serial = ValueText::Unsigned(record.Be32(9));
    return info;
}

std::optional<Options> DecodeOptions(const RecordView& record)
{
    if (!record.Has(8))
        return std::nullopt;
    Options options;
    const int bits = record.Byte(5);
    options.modellingLightOn = bits & 0x01;
    options.ir = bits & 0x02;
    options.cell = bits & 0x04;
    options.rf = bits & 0x80;
    options.buzzer = bits & 0x08;
    options.optionCell = record.Byte(8) & 0x01;
    options.slow = bits & 0x10;
    options.reduced = bits & 0x20;
    options.store = bits & 0x40;
    options.powerDisplay = std::min<int>(record.Byte(6), 4);
    options.irAddress = record.Byte(7) == 0 ? -1 : std::min(record.Byte(7) - 1, 2);
    return options;
}

std::optional<Counters> DecodeCounters(const RecordView& record, int modelCode)
{
    return FamilyRecords::DecodeCounters(record,
                                         ModelOf(modelCode).binaryCounter ? kBinaryCounters : kBaseHundredCounters);
}

std::optional<Alarms> DecodeAlarms(const RecordView& record)
{
    return FamilyRecords::DecodeAlarms(record, kAlarms);
}

std::optional<Dates> DecodeDates(const RecordView& record)
{
    return FamilyRecords::DecodeDates(record, kDates);
}

std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record)
{
    return ::DecodeServiceStatus(record, kServiceFactors);
}

std::optional<Memory> DecodeMemory(const RecordView& record)
{
    if (!record.Has(8))
        return std::nullopt;
    Memory memory;
    const int number = record.Byte(4);
    memory.index = number >= 102 && number <= 104 ? number - 101 : 0;
    memory.empty = IsEmptyMemory(record);
    if (memory.empty)
        return memory;
    memory.energy = record.Byte(5) & 0x7F;

    const int sequence = std::min(record.Byte(6) & 0x3F, kMaxSequence);
    const int delay = std::min<int>(record.Be16(7), kMaxMemoryDelay);
    std::size_t line = 0;
    if (sequence)
        memory.right[line++] = {PageText::Id(kTextSequence), ValueText::Count(sequence)};
    if (delay)
        memory.right[line++] = {PageText::Id(kTextDelay), ValueText::Tenths(delay)};
    return memory;
}

StatusRows BuildStatusRows(int sequence, int delay, int flags)
{
    StatusRows rows;
    if (sequence)
        rows.Append(PageText::Id(kTextSequence), ValueText::Count(sequence));
    if (delay)
        rows.Append(PageText::Id(kTextDelay), ValueText::Tenths(delay));
    rows.panel = SuggestedSettingsPanel(flags, {});
    return rows;
}

ModellingLimit LimitModellingLight(int modelCode, int mode, int barValue)
{
    ModellingLimit limit;
    if (!ModelOf(modelCode).limitsTopLevels)
        return limit;
    limit.prop4Enabled = barValue < kProp4Limit;
    limit.prop5Enabled = barValue < kProp5Limit;
    int level = mode;
    if (mode == kModeProp4 && !limit.prop4Enabled)
        level = kModeProp4 - 1;
    else if (mode == kModeProp5 && !limit.prop4Enabled)
        level = kModeProp5 - 2;
    else if (mode == kModeProp5 && !limit.prop5Enabled)
        level = kModeProp5 - 1;
    limit.over = ModellingLimit::Over{level != mode, PageText::Id(kTextSetToProp).Add(ValueText::Count(level - 1))};
    return limit;
}

}  // namespace TikoCodec
