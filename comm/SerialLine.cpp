#include "comm/SerialLine.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

SerialLine::~SerialLine()
{
    if (IsOpen())
        Close();
}

bool SerialLine::Open(const std::string& path)
{
    if (IsOpen())
        Close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_state = State::Failed;
        return false;
    }
    // The adapter is not shared: a second program must not open it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        m_state = State::Failed;
        return false;
    }
    ::ioctl(fd, TIOCEXCL);  // fails harmlessly on anything but a tty
    m_fd = fd;
    m_state = State::Open;
    return true;
}

bool SerialLine::Configure()
{
    termios settings{};
    if (!IsOpen() || ::tcgetattr(m_fd, &settings) != 0)
        return false;
    // Raw: no carriage-return translation, no echo, no line buffering, no
    // output processing; a frame's carriage return must pass unchanged.
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    return ::tcsetattr(m_fd, TCSANOW, &settings) == 0;
}

std::size_t SerialLine::BytesWaiting() const
{
    int count = 0;
    if (!IsOpen() || ::ioctl(m_fd, FIONREAD, &count) != 0 || count < 0)
        return 0;
    return static_cast<std::size_t>(count);
}

std::size_t SerialLine::Read(uint8_t* data, std::size_t size)
{
    if (!IsOpen() || size == 0)
        return 0;
    const ssize_t got = ::read(m_fd, data, size);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool SerialLine::Write(const char* data, std::size_t size)
{
    if (!IsOpen())
        return false;
    while (size > 0) {
        const ssize_t put = ::write(m_fd, data, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;  // a full or broken line: the answer time-out tells
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

bool SerialLine::Close()
{
    if (!IsOpen())
        return false;
    const int fd = m_fd;
    m_fd = -1;
    m_state = State::NotOpened;
    return ::close(fd) == 0;
}
