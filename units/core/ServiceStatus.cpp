#include "units/core/ServiceStatus.h"

namespace ServiceStatus {

namespace {

// The flash voltages come in units of 1.42 V.
std::string FlashVoltage(unsigned reading)
{
    return std::to_string(reading * 14200 / 10000);
}

std::string LineVoltage(unsigned reading)
{
    return std::to_string(static_cast<int>(static_cast<float>(reading) * 1.0472f));
}

}  // namespace

std::optional<Status> Decode(const RecordView& record, int lowestLevel)
{
    if (!record.Has(6))
        return std::nullopt;
    Status status;
    status.ready = record.Byte(5) & 0x80;
    status.level = record.Byte(6);
    if (status.level != 0 && status.level >= lowestLevel && record.Has(10)) {
        Voltages voltages;
        voltages.positiveFlash = FlashVoltage(record.Byte(7));
        voltages.negativeFlash = FlashVoltage(record.Byte(8));
        voltages.line = LineVoltage(record.Byte(9));
        voltages.frequency = std::to_string(record.Byte(10));
        if (record.Byte(0) > 11 && record.Has(11))
            voltages.nominalFlash = FlashVoltage(record.Byte(11));
        status.voltages = voltages;
    }
    return status;
}

}  // namespace ServiceStatus
