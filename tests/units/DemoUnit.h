// A unit of the demo model as the codecs meet it: commands laid by a family's
// builder go in as frames, the unit's answers come back as records.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "comm/DemoDevice.h"
#include "comm/FrameCodec.h"
#include "units/core/CommandBytes.h"
#include "units/core/RecordView.h"

class DemoUnit {
public:
    // The demo model answers as a Zarit at its first address and as a ZaritE
    // at the next.
    DemoUnit(uint8_t address, uint16_t energyClass) : m_address(address), m_unit(address, energyClass) {}

    // Sends a command with the given data; the unit's answer as a record of
    // its full length, if it answered.
    std::optional<std::vector<uint8_t>> Send(uint16_t command, const CommandBytes& data)
    {
        std::vector<uint8_t> buffer(7 + data.Size());
        std::copy(data.Bytes().begin(), data.Bytes().end(), buffer.begin() + 6);
        std::string answer;
        m_unit.Receive(EncodeCommand(buffer.data(), static_cast<int>(data.Size()), 1, m_address, command, false),
                       answer);
        if (answer.empty())
            return std::nullopt;
        uint8_t record[kRecordSize] = {};
        EXPECT_EQ(DecodeFrame(answer, record), FrameHead::Answer) << answer;
        return std::vector<uint8_t>(record, record + record[0]);
    }

private:
    uint8_t m_address;
    CDemoDevice m_unit;
};

inline RecordView ViewOf(const std::vector<uint8_t>& record)
{
    return RecordView(record.data(), record.size());
}
