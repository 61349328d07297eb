// A serial line on a Linux tty: 9600 baud, 8 data bits, no parity, one stop
// bit, raw, no flow control. Knows nothing of frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class SerialLine {
public:
    enum class State { NotOpened, Failed, Open };

    SerialLine() = default;
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;
    ~SerialLine();

    // Opens the device non-blocking, without becoming its controlling
    // terminal, for this process alone. On failure the state is Failed.
    bool Open(const std::string& path);
    // Sets the line: false when the settings cannot be read or written (the
    // line then stays open with whatever settings it had).
    bool Configure();
    State GetState() const { return m_state; }
    bool IsOpen() const { return m_state == State::Open; }
    // Received bytes waiting; 0 on any error.
    std::size_t BytesWaiting() const;
    // Reads up to size bytes without blocking; returns how many (0 on error).
    std::size_t Read(uint8_t* data, std::size_t size);
    // Writes the whole text without blocking; false when any part could not go.
    bool Write(const char* data, std::size_t size);
    bool Close();

private:
    int m_fd = -1;
    State m_state = State::NotOpened;
};
