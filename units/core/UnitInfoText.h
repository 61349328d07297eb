// Texts of the unit-information records that several families show on their
// information pages: program version, serial number, dates and the owner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "units/core/RecordView.h"

namespace UnitInfoText {

// "major.minor" with a two-digit minor: 2, 7 -> "2.07".
std::string ProgramVersion(unsigned major, unsigned minor);

// The serial number as the unit counts it, unsigned: the four bytes
// 0xFF 0xFF 0xFF 0xFF read 4294967295, never a negative number.
std::string Serial(uint32_t serial);

// "month.year" with a four-digit year from the unit's two-digit one: 20.. for
// years below 51, 19.. from 51 on (3, 12 -> "3.2012"; 5, 51 -> "5.1951").
std::string Date(unsigned month, unsigned year);

// The owner text of width bytes from first on: blanks at the end of the field
// are dropped, and the text ends at its first zero byte.
std::string Owner(const RecordView& record, std::size_t first, std::size_t width);

// Record 8 of the power packs whose only date is the delivery date: year in
// byte 6, month in byte 7. Empty when the record is too short for them.
std::optional<std::string> DecodeDeliveryDate(const RecordView& record);

}  // namespace UnitInfoText
