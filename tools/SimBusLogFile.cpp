#include "tools/SimBusLogFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// clang-format off
const struct {
    mode_t type;
    const char* name;
} kKinds[] = {
    {S_IFDIR,  "a folder"},
    {S_IFIFO,  "a named pipe"},
    {S_IFCHR,  "a device"},
    {S_IFBLK,  "a device"},
    {S_IFSOCK, "a socket"},
};
// clang-format on

// Why a thing of this mode cannot be the log.
std::string Refusal(mode_t mode)
{
    const char* name = "something other than a file";
    for (const auto& kind : kKinds) {
        if ((mode & S_IFMT) == kind.type)
            name = kind.name;
    }
    return std::string(name) + " is there; the log is a regular file, or - for standard error";
}

}  // namespace

SimBusLogFile::~SimBusLogFile()
{
    Close();
}

std::string SimBusLogFile::Open(const std::string& path)
{
    struct stat there {};
    if (::stat(path.c_str(), &there) == 0 && !S_ISREG(there.st_mode))
        return Refusal(there.st_mode);
    // Without waiting: what is put there after the look above refuses at
    // once instead of holding the start.
    const int flags = O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    m_fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL, 0666);
    m_made = m_fd >= 0;
    if (m_fd < 0 && errno == EEXIST)
        m_fd = ::open(path.c_str(), flags | O_CREAT, 0666);
    if (m_fd < 0)
        return std::strerror(errno);
    m_path = path;
    if (::fstat(m_fd, &there) != 0 || !S_ISREG(there.st_mode)) {
        const std::string why = Refusal(there.st_mode);
        Abandon();
        return why;
    }
    setp(m_buffer, m_buffer + sizeof m_buffer - 1);
    return {};
}

std::string SimBusLogFile::Start()
{
    if (m_fd >= 0 && ::ftruncate(m_fd, 0) != 0)
        return std::strerror(errno);
    return {};
}

void SimBusLogFile::Abandon()
{
    Close();
    if (m_made)
        ::unlink(m_path.c_str());
    m_made = false;
}

int SimBusLogFile::overflow(int c)
{
    if (!WriteOut())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        // The buffer ends one character early, so this one always fits.
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int SimBusLogFile::sync()
{
    return WriteOut() ? 0 : -1;
}

bool SimBusLogFile::WriteOut()
{
    if (m_fd < 0)
        return false;
    const char* next = pbase();
    while (next < pptr()) {
        const ssize_t put = ::write(m_fd, next, static_cast<std::size_t>(pptr() - next));
        if (put > 0)
            next += put;
        else if (put == 0 || errno != EINTR)
            return false;
    }
    setp(m_buffer, m_buffer + sizeof m_buffer - 1);
    return true;
}

void SimBusLogFile::Close()
{
    if (m_fd < 0)
        return;
    WriteOut();
    ::close(m_fd);
    m_fd = -1;
}
