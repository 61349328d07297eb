#include "units/core/ZaritECodec.h"

#include "units/core/ValueText.h"

namespace ZaritECodec {

namespace {

bool Bit(int byte, int bit)
{
    return (byte >> bit) & 1;
}

// ---- Records ----

const int kTypeCode = 137;
// Without a voltage variant: by byte 5 being the type code, then by b8 & 3
// not 0.
const char* const kModels[2][2] = {{"Zarit 1600S", "Zarit 3200S"}, {"Zarit 1600E", "Zarit 3200E"}};

// ---- Status rows ----

const int kTextSequence = 2017;
const int kTextFlashDurationRow = 2113;

}  // namespace

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
