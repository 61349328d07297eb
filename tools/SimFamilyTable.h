// Every family of plain units the simulated bus knows the records of, found
// by type code.
#pragma once

#include <cstdint>
#include <vector>

class SimUnitFamily;

class SimFamilyTable {
public:
    // The family of a type code; null for one the bus knows no records of.
    static const SimUnitFamily* Find(uint16_t typeCode);
    // The type codes of every family, in table order.
    static std::vector<uint16_t> TypeCodes();
};
