// A label and a value as a page shows them in a status row or a memory
// table line. Each is a text id (0: none), then literal text written directly
// after it; the page adds its language offset to the ids and fetches the texts.
// An entry with neither id nor text is an empty line.
#pragma once

#include <string>

struct LabelledValue {
    int labelId = 0;
    std::string label;
    int valueId = 0;
    std::string value;

    bool operator==(const LabelledValue& other) const
    {
        return labelId == other.labelId && label == other.label && valueId == other.valueId &&
               value == other.value;
    }
};
