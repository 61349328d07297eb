#include "units/core/UnitInfoText.h"

#include "units/core/RecordView.h"

namespace UnitInfoText {

namespace {

const int kTextUnit = 2011;
const int kTextSerialNumber = 2084;
const int kSupplyTexts[4] = {2091, 2089, 2090, 2091};

std::string TwoDigits(int value)
{
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string Version(int major, int minor)
{
    return std::to_string(major) + "." + TwoDigits(minor);
}

std::string Date(int year, int month)
{
    return std::to_string(month) + "." + (year <= 50 ? "20" : "19") + TwoDigits(year);
}

std::string Owner(const RecordView& record, std::size_t index, std::size_t count)
{
    std::string text = record.Text(index, count);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string OwnerTrimmedFirst(const RecordView& record, std::size_t index, std::size_t count)
{
    std::size_t end = index + count;
    while (end > index && record.Byte(end - 1) == ' ')
        --end;
    return record.Text(index, end - index);
}

int SupplyTextId(int supply)
{
    return kSupplyTexts[supply & 3];
}

PageText Caption(int address, const std::string& model, const std::string& serial)
{
    return PageText::Id(kTextUnit)
        .Add(" " + std::to_string(address) + " " + model + " (")
        .AddId(kTextSerialNumber)
        .Add(" " + serial + ")");
}

}  // namespace UnitInfoText
