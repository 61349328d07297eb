#include "comm/DemoDevice.h"

#include <string_view>
#include <vector>

#include "comm/DemoCommandTable.h"
#include "comm/DemoRecordLayouts.h"
#include "comm/FrameCodec.h"

CDemoDevice::CDemoDevice(uint16_t address, uint16_t energyClass) : m_unit(address, energyClass) {}

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
    if (command.rangeMark || command.studio != m_unit.studio ||
        (command.address != m_unit.address && command.answerWanted))
        return;
    const uint16_t record = CDemoCommandTable::Run(command, m_unit);
    if (!command.answerWanted)
        return;
    const std::vector<uint8_t> data = CDemoRecordLayouts::Data(record, m_unit);
    m_unit.ClearPending(record);
    answer = EncodeRecord(FrameHead::Answer, static_cast<uint8_t>(m_unit.studio), static_cast<uint8_t>(m_unit.address),
                          record, data.data(), data.size());
}
