// The texts of a unit's information and counter records that several
// families share: versions, dates, owner, supply and the unit's caption.
#pragma once

#include <cstddef>
#include <string>

#include "units/core/PageText.h"

class RecordView;

namespace UnitInfoText {

// Program version: major, ".", minor with two digits ("3.07").
std::string Version(int major, int minor);

// A date from the unit's two-digit year and its month: month, ".", the
// century (20 for years up to 50, else 19) and the year with two digits
// ("3.2012", "11.1998").
std::string Date(int year, int month);

// The owner text of count bytes from index: it ends at a zero byte, and the
// blanks at its end are dropped (blanks inside stay).
std::string Owner(const RecordView& record, std::size_t index, std::size_t count);

// The owner text of the Nuvek and Ribex counter record: the blanks at the
// end of the whole field go first, then the text ends at a zero byte, so a
// blank just before the zero stays ("A ", zero, blanks gives "A ").
std::string OwnerTrimmedFirst(const RecordView& record, std::size_t index, std::size_t count);

// The supply text by bits 0-1 of the supply byte: 1 "bivoltage",
// 2 "batterie", 0 and 3 "standard".
int SupplyTextId(int supply);

// The unit's notebook caption: "unit 3 Quirel Q4 (ser. nr. 12345)".
PageText Caption(int address, const std::string& model, const std::string& serial);

}  // namespace UnitInfoText
