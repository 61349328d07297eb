#include "tools/SimFamilyTable.h"

#include "tools/SimPowerPack.h"
#include "tools/SimQuirelA1.h"
#include "tools/SimTiko.h"

namespace {

// Built on first use, so no family depends on another file's order of
// initialisation.
const std::vector<const SimUnitFamily*>& Families()
{
    static const SimPowerPack nuvek(SimPowerPack::kNuvek);
    static const SimPowerPack ribex(SimPowerPack::kRibex);
    static const SimQuirelA1 quirel;
    static const SimTiko trovalex(SimTiko::kTrovalex);
    static const SimTiko sorvant(SimTiko::kSorvant);
    static const SimTiko hexor(SimTiko::kHexor);
    static const std::vector<const SimUnitFamily*> families = {&nuvek, &ribex, &quirel, &trovalex, &sorvant, &hexor};
    return families;
}

}  // namespace

const SimUnitFamily* SimFamilyTable::Find(uint16_t typeCode)
{
    for (const SimUnitFamily* family : Families()) {
        if (family->TypeCode() == typeCode)
            return family;
    }
    return nullptr;
}

std::vector<uint16_t> SimFamilyTable::TypeCodes()
{
    std::vector<uint16_t> codes;
    for (const SimUnitFamily* family : Families())
        codes.push_back(family->TypeCode());
    return codes;
}
