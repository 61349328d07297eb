// Records 101 to 104: what one of the unit's four memories holds, read into
// the memory page's table. The page shows a memory record only while that
// memory's radio is checked; each family places the lights and lines on its
// own table lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "units/core/LabelledSlots.h"
#include "units/core/LabelledValue.h"
#include "units/core/RecordView.h"

namespace MemoryDetail {

// A light of the memory, as the family's FormatEnergyText takes it.
struct Light {
    int16_t value = 0;     // energy, bit 7 of its byte cleared
    bool available = false;
    bool on = false;
    bool preset = false;   // a preset sequence was active (the bar's inhibited flag)
    int16_t channel = 0;

    bool operator==(const Light& other) const
    {
        return value == other.value && available == other.available && on == other.on &&
               preset == other.preset && channel == other.channel;
    }
};

struct Memory {
    int index = 0;  // 0 to 3, memory 1 to 4
    // The unit holds nothing in the memory (0xFF in bytes 5 to 8): instead of
    // showing it the page sends command 12 with index, storing the present
    // settings there. Lights and lines are then not meant to be shown.
    bool empty = false;
    std::vector<Light> lights;
    // Every line place of the family's table, in its order; places without an
    // entry are empty and the page clears them.
    std::vector<LabelledValue> lines;
};

// The memory index by the record number's low byte: 102 -> 1, 103 -> 2,
// 104 -> 3, any other -> 0.
int Index(const RecordView& record);

// 0xFF in any of bytes 5 to 8.
bool IsEmpty(const RecordView& record);

// The light whose energy is byte energyByte; byte 15's bits availableBit and
// onBit give its state, byte 14 not 0 the preset.
Light LightOf(const RecordView& record, std::size_t energyByte, int availableBit, int onBit, int16_t channel);

// The memory's settings in this order, each only when set: sequence (byte 8
// bits 0-5), interval (bytes 11-12, hundredths of a second), delay (bytes
// 9-10), alternate (byte 8 bits 6-7), preset sequence (byte 14, "nr." and
// the number).
void AddSettings(const RecordView& record, LabelledSlots& lines);

}  // namespace MemoryDetail
