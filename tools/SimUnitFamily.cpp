#include "tools/SimUnitFamily.h"

SimUnitFamily::SimUnitFamily(uint16_t typeCode, uint8_t variant, Records defaults, std::vector<CommandEffect> effects)
    : m_typeCode(typeCode), m_variant(variant), m_defaults(std::move(defaults)), m_effects(std::move(effects))
{
}

std::vector<uint16_t> SimUnitFamily::Apply(Records& records, uint16_t code, const std::vector<uint8_t>& data) const
{
    for (const CommandEffect& row : m_effects) {
        if (row.code == code)
            return row.effect(records, data);
    }
    return {};
}
