// A family's commands as a table: each row names a code and the layout of
// its data, and one lookup lays a command by its row. A code without a row
// goes out without data. A layout reads the command and the context: the
// state the page gathers, with the family's row where families share a
// table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "units/core/Command.h"
#include "units/core/CommandBytes.h"

namespace CommandTable {

template <class Context>
struct Row {
    int16_t code;
    // The command's data from the command and the context; empty when there
    // is nothing to send at all (command 1 for no light).
    std::optional<CommandBytes> (*lay)(const Command& command, const Context& context);
};

template <class Context, std::size_t N>
std::optional<CommandBytes> Lay(const Row<Context> (&rows)[N], const Command& command, const Context& context)
{
    for (const Row<Context>& row : rows)
        if (row.code == command.code)
            return row.lay(command, context);
    return CommandBytes();
}

}  // namespace CommandTable
