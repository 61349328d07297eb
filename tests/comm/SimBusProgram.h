// The vesk-simbus program in a process of its own, as a user runs it: its
// standard output and error are collected; it is stopped as Ctrl-C or a
// script would stop it.
#pragma once

#include <csignal>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

class SimBusProgram {
public:
    // An output whose reader is gone before the program starts, as when it
    // is piped into a program that has already ended.
    enum class Closed { Nothing, Output, Errors };

    // Starts the program with the arguments.
    explicit SimBusProgram(const std::vector<std::string>& arguments, Closed closed = Closed::Nothing);
    SimBusProgram(const SimBusProgram&) = delete;
    SimBusProgram& operator=(const SimBusProgram&) = delete;
    // Stops it, when it still runs.
    ~SimBusProgram();

    // The first line it printed: the terminal's path. Empty when it ended
    // or printed none within the patience (twenty seconds, a guard against
    // a program that never prints).
    std::string DevicePath();
    // Waits until state holds, collecting the output meanwhile; false when
    // the program ended first or the patience ran out.
    bool WaitUntil(const std::function<bool()>& state);
    // Sends the signal and waits for the end; the exit status, 128 and the
    // signal's number when a signal ended it.
    int Stop(int signal = SIGTERM);
    // Waits up to the patience for it to end by itself; its exit status, or
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
