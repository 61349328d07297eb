#include "units/core/UnitInfoText.h"

namespace UnitInfoText {

namespace {

std::string TwoDigits(unsigned number)
{
    return (number < 10 ? "0" : "") + std::to_string(number);
}

}  // namespace

std::string ProgramVersion(unsigned major, unsigned minor)
{
    return std::to_string(major) + "." + TwoDigits(minor);
}

std::string Serial(uint32_t serial)
{
    return std::to_string(serial);
}

std::string Date(unsigned month, unsigned year)
{
    return std::to_string(month) + "." + (year < 51 ? "20" : "19") + TwoDigits(year);
}

std::string Owner(const RecordView& record, std::size_t first, std::size_t width)
{
    std::string text;
    for (std::size_t i = first; i < first + width; ++i)
        text.push_back(static_cast<char>(record.Byte(i)));
    const std::size_t lastKept = text.find_last_not_of(' ');
    text.erase(lastKept == std::string::npos ? 0 : lastKept + 1);
    return text.substr(0, text.find('\0'));
}

std::optional<std::string> DecodeDeliveryDate(const RecordView& record)
{
    if (!record.Has(7))
        return std::nullopt;
    return Date(record.Byte(7), record.Byte(6));
}

}  // namespace UnitInfoText
