// The device-type table: which unit record an identity record creates.
#pragma once

#include <cstdint>
#include <memory>

#include "comm/FlashDeviceNV.h"

// A complete record (address, energy class, type code, radio flag, names)
// for the identity record (number 4) in record, or null when its type code
// is unknown, a row's condition fails, or the record is too short to hold
// the bytes the table reads.
std::unique_ptr<CFlashDeviceNV> CreateDeviceFromIdentity(const uint8_t* record);
