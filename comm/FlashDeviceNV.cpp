#include "comm/FlashDeviceNV.h"

#include <utility>

#include "comm/BigEndian.h"
#include "comm/FrameCodec.h"

namespace {

constexpr int kFirstNumberedRecord = 1;
constexpr int kLastNumberedRecord = 9;
constexpr int kRecord98 = 98;
constexpr int kLastMemoryRecord = kFirstMemoryRecord + 3;

}  // namespace

void CFlashDeviceNV::Dispatch(const uint8_t* record, uint8_t count)
{
    const int number = ReadBe16(record + 3);
    if (number >= kFirstNumberedRecord && number <= kLastNumberedRecord)
        OnNumberedRecord(number, record, count);
    else if (number == kRecord98)
        OnRecord98(1);
    else if (number == kRecordStatus)
        OnStatusRecord(record, count);
    else if (number >= kFirstMemoryRecord && number <= kLastMemoryRecord)
        OnMemoryRecord(record, count);
}

void CFlashDeviceNV::SetGeraetetyp(std::string longName, std::string shortCode)
{
    m_longName = std::move(longName);
    m_shortCode = std::move(shortCode);
}
