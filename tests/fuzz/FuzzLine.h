// The serial line under the port in the port fuzzer: a stand-in for
// comm/SerialLine.cpp that hands out the bytes the fuzzer delivers and
// checks what the port writes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace FuzzLine {

// Queues bytes for the port's next reads.
void Deliver(const uint8_t* data, std::size_t size);
// Drops whatever is still queued.
void Clear();

}  // namespace FuzzLine
