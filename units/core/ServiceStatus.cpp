#include "units/core/ServiceStatus.h"

#include "units/core/RecordView.h"

namespace {

// The line voltage's factor is taken in single precision, as the unit's
// makers computed it: 220 reads 230.
const double kLineFactor = 1.0471999645233154;

std::string Scaled(int byte, int factor)
{
    return std::to_string(byte * factor / 10000);
}

}  // namespace

std::optional<ServiceStatus> DecodeServiceStatus(const RecordView& record, const ServiceFactors& factors)
{
    if (!record.Has(6))
        return std::nullopt;
    ServiceStatus status;
    status.ready = record.Byte(5) & 0x80;
    status.level = record.Byte(6);
    if (status.level < factors.voltageLevel)
        return status;

    const bool hasNominal = factors.hasNominal && record.Byte(0) > 11;
    if (!record.Has(hasNominal ? 11 : 10))
        return std::nullopt;
    ServiceVoltages voltages;
    voltages.positive = Scaled(record.Byte(7), factors.positive);
    voltages.negative = Scaled(record.Byte(8), factors.negative);
    voltages.line = std::to_string(static_cast<int>(static_cast<float>(record.Byte(9) * kLineFactor)));
    voltages.frequency = std::to_string(record.Byte(10));
    if (hasNominal)
        voltages.nominal = Scaled(record.Byte(11), factors.nominal);
    status.voltages = voltages;
    return status;
}
