// A demo unit fed with arbitrary commands, each a well-framed frame built
// from the input (so the checks pass and every command's effects run), and
// with arbitrary raw text: its answers must always be well-formed records
// from its own address.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <string>

#include "comm/DemoDevice.h"
#include "comm/FrameCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    CDemoDevice unit(100 + (size & 1), size & 1);
    uint8_t buffer[64];
    uint8_t record[kRecordSize];
    std::size_t i = 0;
    while (i + 3 <= size) {
        const uint8_t kind = data[i];
        std::string frame;
        if (kind < 0xF0) {
            // Mostly the small codes the units know; sometimes any 16 bits.
            const uint16_t command =
                static_cast<uint16_t>(data[i + 1] & 0x80 ? data[i + 1] << 8 | data[i + 2] : data[i + 2]);
            const std::size_t count = std::min<std::size_t>(kind & 0x0F, size - (i + 3));
            for (std::size_t k = 0; k < count; ++k)
                buffer[6 + k] = data[i + 3 + k];
            frame = EncodeCommand(buffer, static_cast<int>(count), 1, static_cast<uint8_t>(100 + (size & 1)), command,
                                  false);
            i += 3 + count;
        } else {
            const std::size_t count = std::min<std::size_t>(data[i + 1] % 40, size - (i + 2));
            frame.assign(reinterpret_cast<const char*>(data + i + 2), count);
            frame += '\r';
            i += 2 + count;
        }
        std::string answer;
        unit.Receive(frame, answer);
        if (answer.empty())
            continue;
        if (DecodeFrame(answer, record) != FrameHead::Answer || record[2] != 100 + (size & 1))
            __builtin_trap();
    }
    return 0;
}
