#include "comm/DeviceTypeTable.h"

namespace {

template <class Record>
std::unique_ptr<CFlashDeviceNV> Make()
{
    return std::make_unique<Record>();
}

using RecordFactory = std::unique_ptr<CFlashDeviceNV> (*)();

constexpr int kAnyOther = -1;

struct ModelName {
    int key;  // variant & nameMask, or kAnyOther
    const char* longName;
    const char* shortCode;
};

struct DeviceTypeRow {
    uint16_t typeCode;
    // The row applies when (variant & conditionMask) == conditionValue.
    uint8_t conditionMask;
    uint8_t conditionValue;
    RecordFactory create;
    uint8_t variantByte;  // data byte holding the variant
    uint8_t radioByte;    // data byte whose bit 0 is the radio flag
    uint8_t classMask;    // energy class = variant & classMask
    uint8_t nameMask;
    ModelName names[4];  // the first whose key matches
};

// Rows of one type code are tried in order. Short codes are fixed-width,
// blanks included.
// clang-format off
const DeviceTypeRow kDeviceTypes[] = {
    {16, 0xC0, 0x40, Make<CQuirelA1DeviceNV>, 2, 8, 3, 3,
     {{1, "Quirel Q4", "-  Q4"}, {kAnyOther, "Quirel Q2", "-  Q2"}}},
    {18, 0, 0, Make<CTikoDeviceNV>, 2, 8, 3, 0, {{kAnyOther, "T160", "-T160"}}},
    {20, 0, 0, Make<CNuvekDeviceNV>, 2, 8, 3, 3,
     {{0, "Nuvek N2", "-  N2"}, {1, "Nuvek N4", "-  N4"}, {2, "Nuvek N8", "-  N8"},
      {3, "Nuvek N8 E", "- N8E"}}},
    {25, 0, 0, Make<CTikoDeviceNV>, 2, 8, 3, 7,
     {{0, "Sorvant 40", "- S40"}, {1, "Sorvant 80", "- S80"}, {kAnyOther, "Sorvant 160", "-S160"}}},
    {26, 0, 0, Make<CTikoDeviceNV>, 2, 8, 3, 7,
     {{0, "Hexor 800", "-H800"}, {kAnyOther, "Hexor 1600", "-H1600"}}},
    {32, 0, 0, Make<CRibexDeviceNV>, 2, 8, 3, 3,
     {{0, "Ribex R2", "-  R2"}, {1, "Ribex R4", "-  R4"}, {2, "Ribex R8", "-  R8"},
      {3, "Ribex R8 E", "-  R8E"}}},
    {37, 0x38, 0x00, Make<CZaritDeviceNV>, 3, 13, 7, 7,
     {{0, "Zarit 1600S", "-  Z16S"}, {1, "Zarit 3200S", "-  Z32S"}, {kAnyOther, "Zarit 6400S", "-  Z64S"}}},
    {37, 0, 0, Make<CZaritDeviceNV>, 3, 13, 7, 7,
     {{0, "Zarit Z2", "-  Z2"}, {1, "Zarit Z4", "-  Z4"}, {kAnyOther, "Zarit Z8", "-  Z8"}}},
    {137, 0, 0, Make<CZaritDeviceNV>, 3, 13, 7, 7,
     {{0, "Zarit 1600E", "-  Z16E"}, {1, "Zarit 3200E", "-  Z32E"}, {kAnyOther, "Zarit 6400E", "-  Z64E"}}},
};
// clang-format on

constexpr int kDataStart = 5;  // data byte k is record byte 5 + k

const ModelName* FindName(const DeviceTypeRow& row, uint8_t variant)
{
    for (const ModelName& name : row.names) {
        if (name.longName && (name.key == kAnyOther || name.key == (variant & row.nameMask)))
            return &name;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<CFlashDeviceNV> CreateDeviceFromIdentity(const uint8_t* record)
{
    const int dataCount = record[0] - kDataStart;
    if (dataCount < 1)
        return nullptr;
    const uint8_t* data = record + kDataStart;
    for (const DeviceTypeRow& row : kDeviceTypes) {
        if (row.typeCode != data[0])
            continue;
        if (dataCount <= row.radioByte)
            return nullptr;  // the bytes the table reads are not in the record
        const uint8_t variant = data[row.variantByte];
        if ((variant & row.conditionMask) != row.conditionValue)
            continue;
        const ModelName* name = FindName(row, variant);
        if (!name)
            return nullptr;
        std::unique_ptr<CFlashDeviceNV> device = row.create();
        device->SetAdresse(record[2]);
        device->SetEnergietyp(variant & row.classMask);
        device->SetGeraetetyp(name->longName, name->shortCode);
        device->SetVersion(row.typeCode);
        device->SetRF_Stat(data[row.radioByte] & 1);
        return device;
    }
    return nullptr;
}
