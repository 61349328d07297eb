#include "units/core/ZaritECodec.h"

#include "units/core/LightCommand.h"
#include "units/core/ValueText.h"

namespace ZaritECodec {

namespace {

bool Bit(int byte, int bit)
{
    return (byte >> bit) & 1;
}

// ---- Commands ----

const int16_t kLightCommand = 1;
const int kLampsUsed = 2;

void LayLight(CommandBytes& data, int32_t value, const CommandState& state)
{
    const int barValue = value == kMainLight ? state.mainValue : state.auxValue[value - 1];
    data = LightCommand::Lay(barValue, state.spinStep, value, {state.auxOn[0], state.auxOn[1]});
}

// The lamp notebook holds the lamp page alone and there is no memory.
void LaySelections(CommandBytes& data, int32_t, const CommandState& state)
{
    Selections selections = state.selections;
    selections.lampMemoryPage = 0;
    selections.memory = 0;
    data = SelectionCodec::Lay(selections, kLampsUsed);
}

void LayOptions(CommandBytes& data, int32_t, const CommandState& state)
{
    data.Byte(state.slow ? 0x02 : 0x00);
}

void LayBuzzerVolume(CommandBytes& data, int32_t, const CommandState& state)
{
    data.Byte(state.buzzerVolume ? 2 : 0);
}

using Builder = void (*)(CommandBytes&, int32_t, const CommandState&);

struct CommandRow {
    int16_t code;
    Builder build;
};

// The commands that differ from the Zarit's: 1 energy, 11 selections,
// 17 options, 19 buzzer volume.
const CommandRow kOwnCommands[] = {
    {1, LayLight},
    {11, LaySelections},
    {17, LayOptions},
    {19, LayBuzzerVolume},
};

// ---- Records ----

const int kTypeCode = 137;
// Without a voltage variant: by byte 5 being the type code, then by b8 & 3
// not 0.
const char* const kModels[2][2] = {{"Zarit 1600S", "Zarit 3200S"}, {"Zarit 1600E", "Zarit 3200E"}};

// ---- Status rows ----

const int kTextSequence = 2017;
const int kTextFlashDurationRow = 2113;

}  // namespace

std::optional<CommandBytes> BuildCommand(int16_t code, int32_t value, const CommandState& state)
{
    if (code == kLightCommand && (value < kMainLight || value > kAuxLight2))
        return std::nullopt;
    for (const CommandRow& row : kOwnCommands) {
        if (row.code == code) {
            CommandBytes data;
            row.build(data, value, state);
            return data;
        }
    }
    ZaritCodec::CommandState zarit;
    zarit.owner = state.owner;
    zarit.serial = state.serial;
    return ZaritCodec::BuildCommand(code, value, zarit);
}

std::optional<Status> DecodeStatus(const RecordView& record)
{
    const std::optional<ZaritCodec::Status> zarit = ZaritCodec::DecodeStatus(record);
    if (!zarit)
        return std::nullopt;
    Status status;
    status.mainValue = zarit->mainValue;
    status.powerOn = zarit->powerOn;
    status.outlets = {zarit->outlets[0], zarit->outlets[1]};
    status.modellingLightMode = zarit->modellingLightMode;
    status.lmOverShown = zarit->lmOverShown;
    status.lmOverText = zarit->lmOverText;
    return status;
}

std::optional<AuxFunctions> DecodeAuxFunctions(const RecordView& record)
{
    if (!record.Has(20))
        return std::nullopt;
    AuxFunctions aux;
    aux.flags = record.Byte(20);
    aux.sequence = record.Byte(5);
    if (!(aux.flags & kFlagSuggestedT01))
        aux.t01Value = record.Be16(13);
    aux.t01Mode = record.Byte(6);
    aux.lightsInhibited = Bit(record.Byte(16), 0);
    return aux;
}

std::optional<Selections> DecodeSelections(const RecordView& record)
{
    return SelectionCodec::Decode(record, kLampsUsed);
}

std::optional<UnitInfo> DecodeUnitInfo(const RecordView& record)
{
    std::optional<UnitInfo> info = ZaritCodec::DecodeUnitInfo(record);
    const int variant = record.Byte(8);
    if (info && (variant & 0x38) == 0)
        info->model = kModels[record.Byte(5) == kTypeCode][(variant & 0x03) != 0];
    return info;
}

std::optional<Options> DecodeOptions(const RecordView& record)
{
    if (!record.Has(6))
        return std::nullopt;
    const int bits = record.Byte(5);
    Options options;
    options.modellingLightOn = Bit(bits, 0);
    options.cell = Bit(bits, 2);
    options.slow = Bit(bits, 4);
    options.rf = Bit(bits, 7);
    options.buzzerVolume = (record.Byte(6) & 0x0C) >> 2;
    return options;
}

StatusRows BuildStatusRows(int t01Mode, int t01Value, int sequence, int flags)
{
    StatusRows rows;
    if (flags & kFlagSuggestedT01)
        rows.AppendRed(PageText::Id(kTextFlashDurationRow), PageText(), PageText());
    else
        rows.Append(PageText::Id(T01LabelId(t01Mode)), FlashDurationText(t01Value));
    if (sequence)
        rows.Append(PageText::Id(kTextSequence), ValueText::Count(sequence));
    rows.panel = SuggestedSettingsPanel(flags, rows.redShown, kSuggestionFlagsWithColour);
    return rows;
}

}  // namespace ZaritECodec
