// Records as a unit sends them, for the decoders' tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "units/core/RecordView.h"

// count bytes of record number, its length byte counting them, zero but for
// the given (position, value) bytes.
inline std::vector<uint8_t> MakeRecord(uint16_t number, std::size_t count,
                                       std::initializer_list<std::pair<std::size_t, uint8_t>> bytes = {})
{
    std::vector<uint8_t> record(count, 0);
    record[0] = static_cast<uint8_t>(count);
    record[1] = 1;
    record[2] = 5;
    record[3] = static_cast<uint8_t>(number >> 8);
    record[4] = static_cast<uint8_t>(number);
    for (const auto& [position, value] : bytes)
        record.at(position) = value;
    return record;
}

inline RecordView View(const std::vector<uint8_t>& record)
{
    return RecordView(record.data(), record.size());
}
