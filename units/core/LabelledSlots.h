// A fixed number of places that labelled values fill in order: a candidate
// for which no place is left is dropped, places without one stay empty. The
// status panel's rows and the memory tables' lines are filled this way.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "units/core/LabelledValue.h"

class LabelledSlots {
public:
    explicit LabelledSlots(std::size_t places) : m_slots(places) {}

    void Add(LabelledValue entry)
    {
        if (m_filled < m_slots.size())
            m_slots[m_filled++] = std::move(entry);
    }
    // Every place, the empty ones included.
    const std::vector<LabelledValue>& Slots() const { return m_slots; }

private:
    std::vector<LabelledValue> m_slots;
    std::size_t m_filled = 0;
};
