// The file the simulated bus program writes its log to. Nothing of the
// user's changes before the bus can start: opening keeps what the file
// holds, Start empties it, and a file that opening made goes again when the
// bus does not start. Only a regular file is taken, and it is opened without
// waiting, so a named pipe without a reader cannot hold the start.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

class SimBusLogFile : private std::streambuf {
public:
    SimBusLogFile() : m_stream(this) {}
    SimBusLogFile(const SimBusLogFile&) = delete;
    SimBusLogFile& operator=(const SimBusLogFile&) = delete;
    ~SimBusLogFile() override;

    // Opens the file at path, or makes it; returns why it cannot be the log,
    // or nothing.
    std::string Open(const std::string& path);
    // The bus starts: the log begins on an empty file. Returns why the file
    // cannot be emptied, or nothing.
    std::string Start();
    // The bus does not start: the file is closed, and removed when Open
    // made it.
    void Abandon();
    // Each line reaches the file when the stream is flushed.
    std::ostream& Stream() { return m_stream; }

private:
    int overflow(int c) override;
    int sync() override;
    bool WriteOut();
    void Close();

    int m_fd = -1;
    std::string m_path;
    bool m_made = false;
    char m_buffer[4096];
    std::ostream m_stream;
};
