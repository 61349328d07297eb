#include "units/core/ZaritCodec.h"

#include <vector>

#include "units/core/CommandLayouts.h"
#include "units/core/CommandTable.h"
#include "units/core/FamilyRecords.h"
#include "units/core/LightCommand.h"
#include "units/core/UnitInfoText.h"
#include "units/core/ValueText.h"

namespace ZaritCodec {

namespace {

bool Bit(int byte, int bit)
{
    return (byte >> bit) & 1;
}

// ---- Commands ----

const std::size_t kOwnerWidth = 20;
const std::size_t kSerialWidth = 8;

// What the family's layouts read: its row and the gathered page state.
struct Laying {
    const Family& family;
    const CommandState& state;
};

// Command 1 for no light of the family has nothing to lay.
std::optional<CommandBytes> LayLight(const Command& command, const Laying& laying)
{
    const CommandState& state = laying.state;
    const int light = command.outlet;
    if (light < kMainLight || light > laying.family.auxOutlets)
        return std::nullopt;
    std::array<bool, 3> on{};
    for (int n = 0; n < laying.family.auxOutlets; ++n)
        on[n] = state.auxOn[n];
    return LightCommand::Lay(command.value, command.step, light, {on[0], on[1], on[2]});
}

std::optional<CommandBytes> LaySelections(const Command&, const Laying& laying)
{
    Selections selections = laying.state.selections;
    if (!laying.family.memories) {
        selections.lampMemoryPage = 0;
        selections.memory = 0;
    }
    return SelectionCodec::Lay(selections, laying.family.auxOutlets);
}

std::optional<CommandBytes> LayOptions(const Command&, const Laying& laying)
{
    const CommandState& state = laying.state;
    return CommandBytes().Byte((state.powerDisplayMode != 0) | state.slow << 1 | state.reduced << 2 |
                               state.speedDisplay << 3 | state.readiness << 4 | state.sensitivity << 5);
}

std::optional<CommandBytes> LayBuzzerAndDisplay(const Command&, const Laying& laying)
{
    const CommandState& state = laying.state;
    return CommandBytes().Byte((state.buzzerVolume & 7) + (state.buzzerMode & 3) * 8 + (state.brightness & 7) * 32);
}

std::optional<CommandBytes> LayOwner(const Command& command, const Laying&)
{
    return CommandBytes().Text(command.text, kOwnerWidth);
}

std::optional<CommandBytes> LaySerial(const Command& command, const Laying&)
{
    return CommandBytes().Text(command.text, kSerialWidth);
}

using Layout = std::optional<CommandBytes> (*)(const Command&, const Laying&);
const Layout NoData = CommandLayouts::None<Laying>;
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
    {CommandCode::kSpeed, Byte},
    {CommandCode::kAlternate, Be16},
    {CommandCode::kSelections, LaySelections},
    {CommandCode::kStoreMemory, Byte},
    {CommandCode::kRecallMemory, Byte},
    {CommandCode::kRequestAll, NoData},
    {CommandCode::kResetAux, NoData},
    {CommandCode::kStoreFlag, Byte},
    {CommandCode::kOptions, LayOptions},
    {CommandCode::kResetCounter, NoData},
    {CommandCode::kBuzzerAndDisplay, LayBuzzerAndDisplay},
    {CommandCode::kStepColour, Byte},
    {CommandCode::kDeliveryDate, Be16},
    {CommandCode::kOwner, LayOwner},
    {CommandCode::kServiceDate, Be16},
    {CommandCode::kResetTotalCounter, NoData},
    {CommandCode::kSerial, LaySerial},
    {CommandCode::kFactoryDate, Be16},
    {CommandCode::kPowerOff, NoData},
    {CommandCode::kPowerOn, NoData},
    {CommandCode::kStrobe, Byte},
    {CommandCode::kUser, Byte},
    {CommandCode::kTestFlash, NoData},
};

// ---- Records ----

const std::size_t kSerialIndex = 10;

// By b8 & 3 not 0, then by b8 & 0x38 being 0.
const char* const kModels[2][2] = {{"Zarit Z2", "Zarit Z2S"}, {"Zarit Z4", "Zarit Z4S"}};
// By (b8 & 0x38) >> 3.
const char* const kVoltages[8] = {"100-230V", "230V", "117V", "100V", "100V", "100V", "100V", "100V"};

// The flash voltages are the byte x 14200 / 5000.
const ServiceFactors kServiceFactors = {28400, 28400, 0, 2, false};

// The owner has a record of its own (10).
const FamilyRecords::CountersRow kCounters = {FamilyRecords::Number{5, 3}, {8, 4}, std::nullopt};
const FamilyRecords::OwnerRow kOwner = {5, kOwnerWidth, false, UnitRecords::OwnerField::DisplayAndEdit};

// The cooling time in seconds, in this family's words.
AlarmLines CoolingSecondsLines(const AlarmState& alarms, std::optional<int> seconds)
{
    return ZaritCodec::PlanAlarmTexts(alarms, seconds.value_or(0));
}
const FamilyRecords::AlarmsRow kAlarms = {false, 2, CoolingSecondsLines};

const FamilyRecords::DatesRow kDates = {true, false};

// ---- Memories ----

const int kTextFlashDuration = 2095;
const int kTextMin = 2097;
const int kTextOpt = 2098;
const int kTextFlashDurationT01 = 2019;
const int kTextAlternate = 2239;
const int kGermanOffset = 500;

// The denominators of a stored flash duration by its index 0 to 63.
unsigned DurationDenominator(int index)
{
    static const unsigned kSteps[] = {125, 250, 500, 1000, 2000, 4000, 6000, 8000, 10000, 12000};
    if (index == 0)
        return 0;
    if (index < 10)
        return 85;
    if (index < 20)
        return kSteps[index - 10];
    return 15000;
}

// Byte 13: with bit 7 clear the steps of the generators' memories; bits 7
// and 6 the shortest; bit 7 alone an index into the duration table.
MemoryLine MemoryFlashDurationLine(int code)
{
    if (!(code & 0x80))
        return FlashDurationLine(code);
    if (code & 0x40)
        return {PageText::Id(kTextFlashDuration), PageText::Id(kTextMin)};
    const int index = code & 0x3F;
    if (index == 0)
        return {PageText::Id(kTextFlashDuration), PageText::Id(kTextOpt)};
    return {PageText::Id(kTextFlashDurationT01), ValueText::FlashDuration(DurationDenominator(index))};
}

MemoryLine StrobeLine(int languageOffset)
{
    if (languageOffset == kGermanOffset)
        return {PageText("Strobo"), PageText("ein")};
    return {PageText("strobo"), PageText("on")};
}

// ---- Status rows ----

const int kTextSequence = 2017;
const int kTextInterval = 2022;
const int kTextDelay = 2023;
const int kTextAlternateOrder = 2025;
const int kTextFlashDurationRow = 2113;
const int kTextInactiveOnSlow = 2117;
const int kTextColourTemperature = 2207;
const int kTextOptimum = 2208;
const int kTextActive = 2226;
const int kTextWait = 2227;

const int kOptimumColour = 4;
const int kKelvinPerColourStep = 200;

// A colour step as the difference from the optimum in kelvin: "+400", or
// "optimum".
PageText ColourText(int step)
{
    const int kelvin = (step - kOptimumColour) * kKelvinPerColourStep;
    if (kelvin == 0)
        return PageText::Id(kTextOptimum);
    return PageText((kelvin > 0 ? "+" : "") + std::to_string(kelvin));
}

void AppendFirstRow(StatusRows& rows, const AuxValues& aux, int flags)
{
    if (flags & kFlagSuggestedColour)
        rows.AppendRed(PageText::Id(kTextColourTemperature), ColourText(aux.colour), ColourText(aux.colourSuggested));
    else if (flags & kFlagSuggestedT01)
        rows.AppendRed(PageText::Id(kTextFlashDurationRow), FlashDurationText(aux.t01Value),
                       FlashDurationText(aux.t01ValueSuggested));
    else if (aux.t01Mode != 0 || aux.colour == kOptimumColour)
        rows.Append(PageText::Id(T01LabelId(aux.t01Mode)), FlashDurationText(aux.t01Value));
    else
        rows.Append(PageText::Id(kTextColourTemperature), ColourText(aux.colour));
}

// ---- Alarms ----

const int kTextApprox = 2110;
const int kTextMinutes = 2118;
const int kTextSeconds = 2236;
const int kTextCoolBreak = 2235;
const int kLongestInSeconds = 60;

}  // namespace

const Family kZarit = {3, true};
const Family kZaritE = {2, false};

std::optional<CommandBytes> BuildCommand(const Family& family, const Command& command, const CommandState& state)
{
    return CommandTable::Lay(kCommands, command, Laying{family, state});
}

std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record)
{
    if (!record.Has(22))
        return std::nullopt;
    AuxFunctions aux;
    aux.flags = record.Byte(20);
    aux.sequence = record.Byte(5);
    aux.delay = record.Be16(9);
    aux.packs = record.Byte(11);
    aux.place = record.Byte(12);
    aux.t01Value = record.Be16(13);
    aux.t01Suggested = aux.flags & kFlagSuggestedT01;
    aux.colour = record.Byte(15);
    aux.colourSuggested = aux.flags & kFlagSuggestedColour;
    aux.t01Mode = record.Byte(6);
    aux.minInterval = record.Be16(21);
    aux.interval = record.Be16(7);
    aux.intervalSuggested = aux.flags & kFlagSuggestedInterval;
    aux.strobe = Bit(record.Byte(16), 0);
    return aux;
}

std::optional<Selections> DecodeSelections(const RecordView& record, const Family& family)
{
    return SelectionCodec::Decode(record, family.auxOutlets);
}

std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record)
{
    if (!record.Has(kSerialIndex + kSerialWidth - 1))
        return std::nullopt;
    const int variant = record.Byte(8);
    UnitInfo info;
    info.version = UnitInfoText::Version(37, record.Byte(6)) + " / " + UnitInfoText::Version(38, record.Byte(7));
    info.versionMinor = record.Byte(6);
    info.model = kModels[(variant & 0x03) != 0][(variant & 0x38) == 0];
    info.voltage = kVoltages[(variant >> 3) & 0x07];
    info.supplyTextId = UnitInfoText::SupplyTextId(record.Byte(9));
    info.serial = record.Text(kSerialIndex, kSerialWidth);
    return info;
}

std::optional<Options> DecodeOptions(const RecordView& record)
{
    if (!record.Has(7))
        return std::nullopt;
    const int bits = record.Byte(5);
    const int display = record.Byte(6);
    const int extra = record.Byte(7);
    Options options;
    options.modellingLightOn = Bit(bits, 0);
    options.ir = Bit(bits, 1);
    options.cell = Bit(bits, 2);
    options.slow = Bit(bits, 4);
    options.reduced = Bit(bits, 5);
    options.store = Bit(bits, 6);
    options.rf = Bit(bits, 7);
    options.powerDisplay = Bit(display, 0);
    options.speedDisplay = Bit(display, 1);
    options.buzzerVolume = (display & 0x0C) >> 2;
    options.buzzerMode = Bit(display, 4);
    options.brightness = (display & 0x60) >> 5;
    options.readiness = Bit(extra, 0);
    options.sensitivity = Bit(extra, 1);
    options.speedFlag = Bit(extra, 2);
    options.user = Bit(extra, 3);
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

std::optional<UnitRecords::Owner> DecodeOwner(const RecordView& record)
{
    return FamilyRecords::DecodeOwner(record, kOwner);
}

std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record)
{
    return ::DecodeServiceStatus(record, kServiceFactors);
}

std::optional<Memory> DecodeMemory(const RecordView& record, int languageOffset)
{
    const int number = record.Number();
    if (!record.Has(15) || number < 101 || number > 104)
        return std::nullopt;
    Memory memory;
    memory.index = number - 101;
    memory.empty = IsEmptyMemory(record);
    if (memory.empty)
        return memory;
    const int switches = record.Byte(15);
    const int flags = record.Byte(14);
    for (int n = 1; n <= 3; ++n)
        memory.outlets[n - 1] = {record.Byte(4 + n) & 0x7F, Bit(switches, n - 1), Bit(switches, n + 3), flags, n};

    std::vector<MemoryLine> lines = {MemoryFlashDurationLine(record.Byte(13))};
    AppendSequenceTimingLines(record, lines);
    if (record.Byte(8) > 63)
        lines.push_back({PageText::Id(kTextAlternate), PageText()});
    if (Bit(flags, 0))
        lines.push_back(StrobeLine(languageOffset));
    for (std::size_t i = 0; i < lines.size() && i < memory.right.size(); ++i)
        memory.right[i] = lines[i];
    if (lines.size() > memory.right.size())
        memory.left5 = lines[memory.right.size()];
    return memory;
}

StatusRows BuildStatusRows(const AuxValues& aux, int flags)
{
    StatusRows rows;
    AppendFirstRow(rows, aux, flags);
    if (aux.sequence)
        rows.Append(PageText::Id(kTextSequence), ValueText::Count(aux.sequence));
    if (flags & (kFlagSuggestedInterval | kFlagInactiveOnSlow))
        rows.AppendRed(
            PageText::Id(kTextInterval), HundredthsText(aux.interval),
            flags & kFlagInactiveOnSlow ? PageText::Id(kTextInactiveOnSlow) : HundredthsText(aux.intervalSuggested));
    else if (aux.interval)
        rows.Append(PageText::Id(kTextInterval), HundredthsText(aux.interval));
    if (aux.delay)
        rows.Append(PageText::Id(kTextDelay), HundredthsText(aux.delay));
    if (aux.place && !(flags & kSuggestionFlagsWithColour))
        rows.Append(PageText::Id(kTextAlternateOrder),
                    aux.place == 1 ? PageText::Id(kTextActive) : PageText().AddId(kTextWait, aux.place - 1));
    rows.panel = SuggestedSettingsPanel(flags, rows.redShown, kSuggestionFlagsWithColour);
    return rows;
}

AlarmLines PlanAlarmTexts(const AlarmState& alarms, int coolingSeconds)
{
    AlarmLines lines = ::PlanAlarmTexts(alarms, std::nullopt);
    lines.clearTitle = true;
    if (alarms.thermo) {
        const bool seconds = coolingSeconds <= kLongestInSeconds;
        lines.line1 = PageText::Id(kTextApprox)
                          .Add(" " + ValueText::Count(seconds ? coolingSeconds : coolingSeconds / 60) + " ")
                          .AddId(seconds ? kTextSeconds : kTextMinutes);
        lines.line2 = PageText::Id(kTextCoolBreak);
        lines.line3 = PageText();
    }
    return lines;
}

}  // namespace ZaritCodec
