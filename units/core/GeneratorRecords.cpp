#include "units/core/GeneratorRecords.h"

#include "units/core/ModellingLight.h"

namespace GeneratorRecords {

std::optional<Status> DecodeStatus(const RecordView& record, int auxOutlets)
{
    if (!record.Has(24))
        return std::nullopt;
    const int switches = record.Byte(21);
    const auto bit = [](int byte, int n) { return ((byte >> n) & 1) != 0; };
    Status status;
    status.mainValue = record.Byte(5);
    status.powerOn = bit(switches, 0);
    for (int n = 1; n <= auxOutlets; ++n)
        status.outlets.push_back(PowerPackRecords::Outlet(record, n, bit(switches, 2 * n), bit(switches, 2 * n + 1)));
    status.modellingLightMode = record.Byte(22) & 0x07;
    status.lmOverShown = bit(record.Byte(23), 0);
    status.lmOverText = ModellingLight::OverText((record.Byte(22) >> 4) & 0x07);
    return status;
}

}  // namespace GeneratorRecords
