#include "comm/FlashDeviceNV.h"

#include <utility>

void CFlashDeviceNV::Dispatch(const uint8_t* record, uint8_t count)
{
    const int number = record[3] * 256 + record[4];
    if (number >= 1 && number <= 9)
        OnNumberedRecord(number, record, count);
    else if (number == 98)
        OnRecord98(1);
    else if (number == 100)
        OnStatusRecord(record, count);
    else if (number >= 101 && number <= 104)
        OnMemoryRecord(record, count);
}

void CFlashDeviceNV::SetGeraetetyp(std::string longName, std::string shortCode)
{
    m_longName = std::move(longName);
    m_shortCode = std::move(shortCode);
}
