// The plain layouts of command data that many codes of many families share,
// for the rows of a family's command table (CommandTable). Each lays from the
// command's value alone.
#pragma once

#include <cstdint>
#include <optional>

#include "units/core/Command.h"
#include "units/core/CommandBytes.h"

namespace CommandLayouts {

// The code alone.
template <class Context>
std::optional<CommandBytes> None(const Command&, const Context&)
{
    return CommandBytes();
}

// The value's low byte.
template <class Context>
std::optional<CommandBytes> Byte(const Command& command, const Context&)
{
    return CommandBytes().Byte(static_cast<uint32_t>(command.value));
}

// 0, then the value's low byte: the number of a record the unit is asked for.
template <class Context>
std::optional<CommandBytes> ZeroAndByte(const Command& command, const Context&)
{
    return CommandBytes().Byte(0).Byte(static_cast<uint32_t>(command.value));
}

// The value's low 16 bits, high byte first.
template <class Context>
std::optional<CommandBytes> Be16(const Command& command, const Context&)
{
    return CommandBytes().Be16(static_cast<uint32_t>(command.value) & 0xFFFF);
}

// The value's 32 bits, high byte first: a number the unit counts unsigned
// (the serial) keeps all its bits.
template <class Context>
std::optional<CommandBytes> Be32(const Command& command, const Context&)
{
    return CommandBytes().Be32(static_cast<uint32_t>(command.value));
}

}  // namespace CommandLayouts
