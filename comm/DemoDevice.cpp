#include "comm/DemoDevice.h"

#include <string_view>
#include <utility>
#include <vector>

#include "comm/DemoCommandTable.h"
#include "comm/DemoRecordLayouts.h"
#include "comm/FrameCodec.h"

CDemoDevice::CDemoDevice(uint16_t address, uint16_t energyClass)
    : m_unit(std::make_unique<CDemoUnitState>(address, energyClass))
{
}

void CDemoDevice::Receive(const std::string& frame, std::string& answer)
{
    if (frame.empty())
        return;
    // The last character is the carriage return.
    CommandFrame command;
    if (!DecodeCommand(std::string_view(frame).substr(0, frame.size() - 1), command))
        return;
    // The unit listens to "S" frames of its studio: to its own address, and
    // to any address when no answer is wanted.
    if (command.rangeMark || command.studio != m_unit->studio ||
        (command.address != m_unit->address && command.answerWanted))
        return;
    // The command runs on a copy that becomes the unit only once its answer
    // is made: a command repeated after running out of memory is carried
    // out once, and a record read for an answer that was never made stays
    // pending.
    auto next = std::make_unique<CDemoUnitState>(*m_unit);
    const uint16_t record = CDemoCommandTable::Run(command, *next);
    std::string text;
    if (command.answerWanted) {
        const std::vector<uint8_t> data = CDemoRecordLayouts::Data(record, *next);
        next->ClearPending(record);
        text = EncodeRecord(FrameHead::Answer, static_cast<uint8_t>(next->studio), static_cast<uint8_t>(next->address),
                            record, data.data(), data.size());
    }
    m_unit = std::move(next);
    if (command.answerWanted)
        answer = std::move(text);
}
