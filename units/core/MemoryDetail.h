// The parts of a memory record (records 101 to 104) that several families
// read alike: the empty-memory mark, the outlets' energies and the timing
// entries of the information table.
#pragma once

#include <vector>

#include "units/core/PageText.h"

class RecordView;

// One line of a memory page's information table: label and value.
struct MemoryLine {
    PageText label;
    PageText value;
    bool operator==(const MemoryLine& other) const { return label == other.label && value == other.value; }
};

// What the page hands to its energy text for one outlet of a memory:
// FormatEnergyText(value, available, on, inhibited, channel).
struct MemoryEnergy {
    int value = 0;
    bool available = false;
    bool on = false;
    bool inhibited = false;  // a preset sequence is stored with the memory
    int channel = 0;
};

// A memory whose bytes 5 to 8 hold 0xFF is empty: the page stores the
// unit's present settings into it (command 12) instead of showing it.
bool IsEmptyMemory(const RecordView& record);

// The stored energy of outlet 1 to 3 from the given byte (bit 7 is not part
// of it), with the outlet's available and on bits of byte 15 and the preset
// of byte 14.
MemoryEnergy OutletEnergy(const RecordView& record, int energyByte, int outlet);

// The stored flash duration by its code: bits 0-3 of 8 the shortest ("min"),
// bits 0-2 of 7 about 1/6000, 0 the optimum ("opt"), 1 to 6 the steps 1/125
// to 1/4000.
MemoryLine FlashDurationLine(int code);

// The generators' timing entries, each only when set, in this order:
// sequence (byte 8 bits 0-5), interval (bytes 11-12), delay (bytes 9-10),
// alternate (byte 8 bits 6-7), preset sequence ("nr.3", byte 14).
void AppendTimingLines(const RecordView& record, std::vector<MemoryLine>& lines);

// The first three of them: sequence, interval and delay.
void AppendSequenceTimingLines(const RecordView& record, std::vector<MemoryLine>& lines);
