// A family's commands as a table: each row names a code and the layout of
// its data, and one lookup lays a command by its row. A code without a row
// goes out without data. Context is what the family's layouts read: the
// state the page gathers, with the family's row where families share a
// table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "units/core/CommandBytes.h"

namespace CommandTable {

template <class Context>
struct Row {
    int16_t code;
    // The command's data from its value and the context; empty when there
    // is nothing to send at all (command 1 for no light).
    std::optional<CommandBytes> (*lay)(int32_t value, const Context& context);
};

template <class Context, std::size_t N>
std::optional<CommandBytes> Lay(const Row<Context> (&rows)[N], int16_t code, int32_t value, const Context& context)
{
    for (const Row<Context>& row : rows)
        if (row.code == code)
            return row.lay(value, context);
    return CommandBytes();
}

}  // namespace CommandTable
