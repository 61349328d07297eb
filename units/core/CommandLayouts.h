// The plain layouts of command data that many codes of many families share,
// as builder functions of a family's table (code -> builder). Each lays from
// the command's value alone; State is the family's gathered page state.
#pragma once

#include <cstdint>

#include "units/core/CommandBytes.h"

namespace CommandLayouts {

// The value's low byte.
template <class State>
void Byte(CommandBytes& data, int32_t value, const State&)
{
    data.Byte(static_cast<uint32_t>(value));
}

// 0, then the value's low byte: the number of a record the unit is asked for.
template <class State>
void ZeroAndByte(CommandBytes& data, int32_t value, const State&)
{
    data.Byte(0).Byte(static_cast<uint32_t>(value));
}

// The value's low 16 bits, high byte first.
template <class State>
void Be16(CommandBytes& data, int32_t value, const State&)
{
    data.Be16(static_cast<uint32_t>(value) & 0xFFFF);
}

// The value's 32 bits, high byte first: a number the unit counts unsigned
// (the serial) keeps all its bits.
template <class State>
void Be32(CommandBytes& data, int32_t value, const State&)
{
    data.Be32(static_cast<uint32_t>(value));
}

}  // namespace CommandLayouts
