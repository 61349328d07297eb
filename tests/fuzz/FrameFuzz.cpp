// Arbitrary received text through the assembler and the decoder: nothing
// may be read or written outside a buffer, and whatever is accepted must be
// a well-formed record.
#include <cstddef>
#include <cstdint>

#include "comm/FrameAssembler.h"
#include "comm/FrameCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FrameAssembler assembler;
    uint8_t record[kRecordSize];
    for (std::size_t i = 0; i < size; ++i) {
        if (!assembler.Feed(static_cast<char>(data[i])))
            continue;
        if (assembler.Text().size() > kMaxFrameText)
            __builtin_trap();
        if (DecodeFrame(assembler.Text(), record) == FrameHead::Rejected)
            continue;
        const uint8_t length = record[0];
        if (length < 5 || length >= kRecordSize || assembler.Text().size() != 2u * length + 4u ||
            record[length] != Checksum(record, length))
            __builtin_trap();
    }
    return 0;
}
