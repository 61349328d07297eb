// What a plain unit of the simulated bus knows of its family: the records it
// holds from the start, and how each command changes them. The bus answers
// record requests from these records and delivers the changed ones on the
// next status polls, so a device page sees its unit follow its commands.
// Each family is a class of its own (SimPowerPack, SimQuirelA1, SimTiko);
// SimFamilyTable finds them by type code.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

class SimUnitFamily {
public:
    // Data bytes by record number.
    using Records = std::map<uint16_t, std::vector<uint8_t>>;
    // A command's change of the records; returns the numbers of the records
    // it changed.
    using Effect = std::vector<uint16_t> (*)(Records& records, const std::vector<uint8_t>& data);

    struct CommandEffect {
        uint16_t code;
        Effect effect;
    };

    uint16_t TypeCode() const { return m_typeCode; }
    // The variant byte of a unit given without one: a variant that units of
    // the family really identify with, so the library knows the unit.
    uint8_t Variant() const { return m_variant; }
    const Records& Defaults() const { return m_defaults; }
    // The records command code with data changes; none for a code without
    // an effect.
    std::vector<uint16_t> Apply(Records& records, uint16_t code, const std::vector<uint8_t>& data) const;

protected:
    SimUnitFamily(uint16_t typeCode, uint8_t variant, Records defaults, std::vector<CommandEffect> effects);

private:
    uint16_t m_typeCode;
    uint8_t m_variant;
    Records m_defaults;
    std::vector<CommandEffect> m_effects;
};
