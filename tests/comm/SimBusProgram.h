// The vesk-simbus program in a process of its own, as a user runs it: its
// standard output and error are collected; it is stopped as Ctrl-C or a
// script would stop it.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

class SimBusProgram {
public:
    // Starts the program with the arguments.
    explicit SimBusProgram(const std::vector<std::string>& arguments);
    SimBusProgram(const SimBusProgram&) = delete;
    SimBusProgram& operator=(const SimBusProgram&) = delete;
    // Stops it, when it still runs.
    ~SimBusProgram();

    // The first line it printed: the terminal's path. Empty when it ended
    // or printed none within five seconds.
    std::string DevicePath();
    // Sends SIGTERM and waits for the end; the exit status.
    int Stop();
    // Waits up to five seconds for it to end by itself; its exit status, or
    // -1 when it still runs.
    int Wait();
    // Standard output and error so far; all of it once it has ended.
    const std::string& Output();
    const std::string& Errors();

private:
    void Collect(int waitMs);
    int Reap(bool block);

    pid_t m_pid = -1;
    int m_status = -1;
    int m_out = -1;
    int m_err = -1;
    std::string m_output;
    std::string m_errors;
};
