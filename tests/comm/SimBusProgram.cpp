#include "SimBusProgram.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

const auto kPatience = std::chrono::seconds(20);

}  // namespace

SimBusProgram::SimBusProgram(const std::vector<std::string>& arguments, Closed closed)
{
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return;
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        return;
    }
    // The reader goes before the program comes, so its first write finds
    // none.
    if (closed == Closed::Output) {
        ::close(out[0]);
        out[0] = -1;
    } else if (closed == Closed::Errors) {
        ::close(err[0]);
        err[0] = -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    std::vector<std::string> words{VESK_SIMBUS_PROGRAM};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    if (::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    m_out = out[0];
    m_err = err[0];
}

SimBusProgram::~SimBusProgram()
{
    Stop();
    if (m_out >= 0)
        ::close(m_out);
    if (m_err >= 0)
        ::close(m_err);
}

void SimBusProgram::Collect(int waitMs)
{
    pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
    std::string* into[2] = {&m_output, &m_errors};
    if (::poll(fds, 2, waitMs) <= 0)
        return;
    for (int i = 0; i < 2; ++i) {
        if (!(fds[i].revents & (POLLIN | POLLHUP)))
            continue;
        char chunk[4096];
        const ssize_t got = ::read(fds[i].fd, chunk, sizeof chunk);
        if (got > 0) {
            into[i]->append(chunk, static_cast<std::size_t>(got));
        } else if (got == 0) {
            ::close(fds[i].fd);
            (i == 0 ? m_out : m_err) = -1;
        }
    }
}

std::string SimBusProgram::DevicePath()
{
    const auto deadline = Clock::now() + kPatience;
    while (m_output.find('\n') == std::string::npos && m_out >= 0 && Clock::now() < deadline)
        Collect(50);
    const std::size_t end = m_output.find('\n');
    return end == std::string::npos ? std::string() : m_output.substr(0, end);
}

bool SimBusProgram::WaitUntil(const std::function<bool()>& state)
{
    const auto deadline = Clock::now() + kPatience;
    while (!state()) {
        if (Reap(false) >= 0 || Clock::now() >= deadline)
            return state();
        if (m_out >= 0 || m_err >= 0)
            Collect(20);
        else
            ::poll(nullptr, 0, 20);
    }
    return true;
}

int SimBusProgram::Reap(bool block)
{
    if (m_pid < 0)
        return m_status;
    int status = 0;
    if (::waitpid(m_pid, &status, block ? 0 : WNOHANG) != m_pid)
        return -1;
    m_pid = -1;
    m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return m_status;
}

int SimBusProgram::Wait()
{
    // Its output ends when it does; then it can be reaped at once.
    const auto deadline = Clock::now() + kPatience;
    while ((m_out >= 0 || m_err >= 0) && Clock::now() < deadline)
        Collect(50);
    if (m_out >= 0 || m_err >= 0)
        return Reap(false);
    return Reap(true);
}

int SimBusProgram::Stop(int signal)
{
    if (m_pid >= 0)
        ::kill(m_pid, signal);
    const int status = Wait();
    if (status >= 0 || m_pid < 0)
        return status;
    ::kill(m_pid, SIGKILL);
    return Reap(true);
}

const std::string& SimBusProgram::Output()
{
    if (m_out >= 0)
        Collect(0);
    return m_output;
}

const std::string& SimBusProgram::Errors()
{
    if (m_err >= 0)
        Collect(0);
    return m_errors;
}
