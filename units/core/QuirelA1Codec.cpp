#include "units/core/QuirelA1Codec.h"

#include <algorithm>

#include "units/core/CommandLayouts.h"
#include "units/core/CommandTable.h"
#include "units/core/FamilyRecords.h"
#include "units/core/LightCommand.h"
#include "units/core/ModellingLight.h"
#include "units/core/UnitInfoText.h"
#include "units/core/ValueText.h"

namespace QuirelA1Codec {

namespace {

// ---- Commands ----

const std::size_t kOwnerWidth = 14;

using Layout = std::optional<CommandBytes> (*)(const Command&, const CommandState&);
const Layout NoData = CommandLayouts::None<CommandState>;
const Layout OneByte = CommandLayouts::Byte<CommandState>;
const Layout TwoBytes = CommandLayouts::Be16<CommandState>;
const Layout RecordRequest = CommandLayouts::ZeroAndByte<CommandState>;
const Layout Serial = CommandLayouts::Be32<CommandState>;

// Command 1 for no light has nothing to lay.
std::optional<CommandBytes> LightEnergy(const Command& command, const CommandState& state)
{
    const int light = command.outlet;
    if (light < kMainLight || light > kAuxLight3)
        return std::nullopt;
    return LightCommand::Lay(command.value, command.step, light, {state.auxOn[0], state.auxOn[1], state.auxOn[2]});
}

std::optional<CommandBytes> SelectionBytes(const Command&, const CommandState& state)
{
    return SelectionCodec::Lay(state.selections, kLampsUsed);
}

std::optional<CommandBytes> OptionBits(const Command&, const CommandState& state)
{
    return CommandBytes().Byte((state.buzzer ? 1 : 0) | (state.slow ? 2 : 0) | (state.reduced ? 4 : 0));
}

std::optional<CommandBytes> OwnerText(const Command& command, const CommandState&)
{
    return CommandBytes().Text(command.text, kOwnerWidth);
}

const CommandTable::Row<CommandState> kCommands[] = {
    {CommandCode::kLight, LightEnergy},
    {CommandCode::kRequestRecord, RecordRequest},
    {CommandCode::kModellingLight, OneByte},
    {CommandCode::kFlashControl, OneByte},
    {CommandCode::kSequence, OneByte},
    {CommandCode::kStepT01, OneByte},
    {CommandCode::kInterval, TwoBytes},
    {CommandCode::kDelay, TwoBytes},
    {CommandCode::kPreset, OneByte},
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
    {CommandCode::kOwner, OwnerText},
    {CommandCode::kServiceDate, TwoBytes},
    {CommandCode::kResetTotalCounter, NoData},
    {CommandCode::kSerial, Serial},
    {CommandCode::kFactoryDate, TwoBytes},
    {CommandCode::kPowerOff, NoData},
    {CommandCode::kPowerOn, NoData},
    {CommandCode::kTestFlash, NoData},
};

// ---- Records ----

const ServiceFactors kServiceFactors = {14200, 14200, 14200};

const FamilyRecords::CountersRow kCounters = {
    FamilyRecords::Number{5, 2},
    {7, 3},
    FamilyRecords::OwnerRow{10, kOwnerWidth, false, UnitRecords::OwnerField::DisplayAndEdit},
};
// The cooling time in minutes.
const FamilyRecords::AlarmsRow kAlarms = {false, 1, PlanAlarmTexts};
const FamilyRecords::DatesRow kDates = {true, false};

// ---- Status rows ----

const int kTextSequence = 2017;
const int kTextInterval = 2022;
const int kTextDelay = 2023;
const int kTextPresetSequence = 2024;
const int kTextAlternateOrder = 2025;
const int kTextNumber = 2100;
const int kTextFlashDurationRow = 2113;
const int kTextAsymmetry = 2114;
const int kTextLimitOfVariation = 2115;
const int kTextOverThreeStops = 2116;
const int kTextInactiveOnSlow = 2117;
const int kTextT01MaxPreset = 2125;

// ---- Light rules ----

const int kThirdStopFloor = 33;
const int kTopValue = 100;

}  // namespace

std::optional<CommandBytes> BuildCommand(const Command& command, const CommandState& state)
{
    return CommandTable::Lay(kCommands, command, state);
}

std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record)
{
    if (!record.Has(22))
        return std::nullopt;
    AuxFunctions aux;
    aux.sequence = record.Byte(5);
    aux.t01Mode = record.Byte(6);
    aux.flags = record.Byte(20);
    aux.interval = record.Be16(7);
    aux.intervalSuggested = aux.flags & kFlagSuggestedInterval;
    aux.delay = record.Be16(9);
    aux.preset = record.Byte(11);
    aux.alternate = record.Byte(12);
    aux.t01Value = record.Be16(13);
    aux.t01Suggested = aux.flags & kFlagSuggestedT01;
    aux.presetTimes = {record.Byte(15), record.Byte(16), record.Byte(17)};
    aux.t01MaxPreset = record.Be16(18);
    aux.minInterval = record.Be16(21);
    return aux;
}

std::optional<Selections> DecodeSelections(const RecordView& record)
{
    return SelectionCodec::Decode(record, kLampsUsed);
}

std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record)
{
    if (!record.Has(12))
        return std::nullopt;
    static const char* const kModels[2][2] = {{"Quirel 2", "Quirel 4"}, {"Quirel Q2", "Quirel Q4"}};
    UnitInfo info;
    const int variant = record.Byte(7);
    info.version = UnitInfoText::Version(record.Byte(5), record.Byte(6));
    info.versionMinor = record.Byte(6);
    info.model = kModels[(variant & 0xC0) != 0][(variant & 0x03) != 0];
    switch (variant & 0x38) {
    case 0x08:
        info.voltage = "117V";
        break;
    case 0x10:
        info.voltage = "100V";
        break;
    default:
        info.voltage = "230V";
    }
    info.supplyTextId = UnitInfoText::SupplyTextId(record.Byte(8));
    info.serial = ValueText::Unsigned(record.Be32(9));
    return info;
}

std::optional<Options> DecodeOptions(const RecordView& record)
{
    if (!record.Has(7))
        return std::nullopt;
    Options options;
    const int bits = record.Byte(5);
    options.modellingLightOn = bits & 0x01;
    options.ir = bits & 0x02;
    options.cell = bits & 0x04;
    options.buzzer = bits & 0x08;
    options.slow = bits & 0x10;
    options.reduced = bits & 0x20;
    options.store = bits & 0x40;
    options.rf = bits & 0x80;
    options.powerDisplay = std::min<int>(record.Byte(6), 4);
    options.irAddress = record.Byte(7) == 0 ? -1 : std::min(record.Byte(7) - 1, 2);
    return options;
}

std::optional<Counters> DecodeCounters(const RecordView& record)
{
    return FamilyRecords::DecodeCounters(record, kCounters);
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
    const int number = record.Number();
    if (!record.Has(15) || number < 101 || number > 104)
        return std::nullopt;
    Memory memory;
    memory.index = number - 101;
    memory.empty = IsEmptyMemory(record);
    if (memory.empty)
        return memory;
    for (int i = 0; i < 3; ++i)
        memory.outlets[i] = OutletEnergy(record, 5 + i, i + 1);

    std::vector<MemoryLine> lines = {FlashDurationLine(record.Byte(13))};
    AppendTimingLines(record, lines);
    for (std::size_t i = 0; i < lines.size() && i < memory.right.size(); ++i)
        memory.right[i] = lines[i];
    if (lines.size() > memory.right.size())
        memory.left5 = lines[memory.right.size()];
    return memory;
}

StatusRows BuildStatusRows(const AuxValues& aux, int flags)
{
    StatusRows rows;
    if (aux.preset) {
        rows.Append(PageText::Id(kTextPresetSequence),
                    PageText::Id(kTextNumber).Add(" " + ValueText::Count(aux.preset)));
        if (aux.delay)
            rows.Append(PageText::Id(kTextDelay), HundredthsText(aux.delay));
        if (aux.t01MaxPreset)
            rows.Append(PageText::Id(kTextT01MaxPreset), ValueText::FlashDuration(aux.t01MaxPreset));
        return rows;
    }

    if (flags & kFlagSuggestedT01)
        rows.AppendRed(PageText::Id(kTextFlashDurationRow), FlashDurationText(aux.t01Value),
                       FlashDurationText(aux.t01ValueSuggested));
    if (flags & (kFlagSuggestedInterval | kFlagInactiveOnSlow))
        rows.AppendRed(
            PageText::Id(kTextInterval), HundredthsText(aux.interval),
            flags & kFlagInactiveOnSlow ? PageText::Id(kTextInactiveOnSlow) : HundredthsText(aux.intervalSuggested));
    if (flags & kFlagAsymmetry)
        rows.AppendRed(PageText::Id(kTextAsymmetry), PageText(), PageText::Id(kTextLimitOfVariation));
    else if (flags & kFlagOverThreeStops)
        rows.Append(PageText::Id(kTextAsymmetry), PageText::Id(kTextOverThreeStops));

    if (!(flags & kFlagSuggestedT01))
        rows.Append(PageText::Id(T01LabelId(aux.t01Mode)), FlashDurationText(aux.t01Value));
    if (aux.sequence)
        rows.Append(PageText::Id(kTextSequence), ValueText::Count(aux.sequence));
    if (!(flags & (kFlagSuggestedInterval | kFlagInactiveOnSlow)) && aux.interval)
        rows.Append(PageText::Id(kTextInterval), HundredthsText(aux.interval));
    if (aux.delay)
        rows.Append(PageText::Id(kTextDelay), HundredthsText(aux.delay));
    if (aux.alternate)
        rows.Append(PageText::Id(kTextAlternateOrder), ValueText::Count(aux.alternate));
    rows.panel = SuggestedSettingsPanel(flags, rows.redShown);
    return rows;
}

std::array<bool, 8> EnabledModellingRadios(bool presetActive, const std::array<int, 3>& auxValue,
                                           const std::array<bool, 3>& auxOn, int energyClass)
{
    if (presetActive)
        return {};
    return ModellingLight::EnabledRadios({{auxValue[0], auxOn[0]}, {auxValue[1], auxOn[1]}, {auxValue[2], auxOn[2]}},
                                         energyClass);
}

int ThirdStopStep(int value, int step)
{
    const int target = value + (step > 0 ? 3 : -3);
    const int rest = target % 10;
    int landing = target - rest;
    if (rest >= 2 && rest <= 4)
        landing += 3;
    else if (rest >= 5 && rest <= 8)
        landing += 7;
    else if (rest == 9)
        landing += 10;
    return std::clamp(landing, kThirdStopFloor, kTopValue) - value;
}

int SpinDownLimit(Light light)
{
    return light == kAuxLight3 ? 60 : 33;
}

}  // namespace QuirelA1Codec
