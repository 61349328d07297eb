// The serial layer against a real pseudo-terminal, and the adapter listing.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "comm/AdapterList.h"
#include "comm/SerialLine.h"
#include "comm/UsbPort.h"

namespace fs = std::filesystem;

namespace {

// The master side of a pseudo-terminal; its slave stands in for an adapter.
class Pty {
public:
    Pty()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && ::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0)
            m_path = ::ptsname(m_master);
    }
    ~Pty()
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    const std::string& Path() const { return m_path; }

    void Write(const std::string& text)
    {
        ASSERT_EQ(::write(m_master, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // What arrives within a second, until count bytes are there.
    std::string Read(std::size_t count)
    {
        std::string got;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd fd{m_master, POLLIN, 0};
            if (::poll(&fd, 1, 50) > 0) {
                char chunk[256];
                const ssize_t n = ::read(m_master, chunk, sizeof chunk);
                if (n > 0)
                    got.append(chunk, static_cast<std::size_t>(n));
            }
        }
        return got;
    }

private:
    int m_master = -1;
    std::string m_path;
};

// Waits until the line has at least count bytes waiting.
std::size_t WaitForBytes(const SerialLine& line, std::size_t count)
{
    for (int i = 0; i < 200 && line.BytesWaiting() < count; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return line.BytesWaiting();
}

TEST(SerialLineTest, ConfiguresTheLineRawAt9600EightNoneOne)
{
    Pty pty;
    SerialLine line;
    ASSERT_TRUE(line.Open(pty.Path()));
    ASSERT_TRUE(line.Configure());

    const int fd = ::open(pty.Path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios t{};
    ASSERT_EQ(::tcgetattr(fd, &t), 0);
    ::close(fd);
    EXPECT_EQ(::cfgetispeed(&t), static_cast<speed_t>(B9600));
    EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B9600));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_iflag & (ICRNL | INLCR | IGNCR | IXON | IXOFF | ISTRIP), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);
}

TEST(SerialLineTest, FramesCrossBothWaysWithTheirCarriageReturn)
{
    Pty pty;
    SerialLine line;
    ASSERT_TRUE(line.Open(pty.Path()));
    ASSERT_TRUE(line.Configure());

    const std::string sent = "S105010300646=\r";
    ASSERT_TRUE(line.Write(sent.data(), sent.size()));
    EXPECT_EQ(pty.Read(sent.size()), sent) << "no echo, no CR translation on the way out";

    const std::string answer = "S2060102006481>>\r";
    pty.Write(answer);
    ASSERT_EQ(WaitForBytes(line, answer.size()), answer.size());
    uint8_t buffer[64];
    ASSERT_EQ(line.Read(buffer, sizeof buffer), answer.size());
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), answer.size()), answer);
    EXPECT_EQ(line.BytesWaiting(), 0u);
    EXPECT_EQ(line.Read(buffer, sizeof buffer), 0u) << "never blocks";
}

TEST(SerialLineTest, AdapterIsNotShared)
{
    Pty pty;
    SerialLine first;
    SerialLine second;
    ASSERT_TRUE(first.Open(pty.Path()));
    EXPECT_FALSE(second.Open(pty.Path()));
    EXPECT_EQ(second.GetState(), SerialLine::State::Failed);
    ASSERT_TRUE(first.Close());
    EXPECT_TRUE(second.Open(pty.Path()));
}

TEST(SerialLineTest, NothingHappensOnALineThatIsNotOpen)
{
    SerialLine line;
    uint8_t byte = 0;
    EXPECT_FALSE(line.IsOpen());
    EXPECT_FALSE(line.Configure());
    EXPECT_EQ(line.BytesWaiting(), 0u);
    EXPECT_EQ(line.Read(&byte, 1), 0u);
    EXPECT_FALSE(line.Write("x", 1));
    EXPECT_FALSE(line.Close());
    EXPECT_FALSE(line.Open("/nonexistent/tty"));
    EXPECT_EQ(line.GetState(), SerialLine::State::Failed);
}

class EnvironmentPorts : public testing::Test {
protected:
    void Set(const char* value) { setenv("VESKCOMM_PORTS", value, 1); }
    void TearDown() override { unsetenv("VESKCOMM_PORTS"); }
};

TEST_F(EnvironmentPorts, UsbPortOpensByDescriptionOrNotAtAll)
{
    Pty pty;
    Set(pty.Path().c_str());

    CUsbPort port(" " + pty.Path());
    EXPECT_TRUE(port.Open());
    EXPECT_TRUE(port.IsOpen());
    pty.Write("S2");
    uint8_t byte = 0;
    for (int i = 0; i < 200 && !port.ReadByte(&byte); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(byte, 'S');
    ASSERT_TRUE(port.ReadByte(&byte));
    EXPECT_EQ(byte, '2');
    EXPECT_FALSE(port.ReadByte(&byte));
    EXPECT_EQ(byte, 0);
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.IsOpen());

    for (const std::string& name : std::vector<std::string>{"", " ", " /dev/no-such-adapter", pty.Path()}) {
        CUsbPort missing(name);
        EXPECT_FALSE(missing.Open()) << '"' << name << '"';
        EXPECT_FALSE(missing.IsOpen()) << '"' << name << '"';
    }
}

TEST_F(EnvironmentPorts, LineThatCannotBeSetCountsAsOpen)
{
    // A plain file opens but has no line settings.
    const fs::path file = fs::temp_directory_path() / ("vesk-not-a-tty-" + std::to_string(::getpid()));
    std::ofstream(file) << "";
    Set(file.c_str());
    CUsbPort port(" " + file.string());
    EXPECT_FALSE(port.Open());
    EXPECT_TRUE(port.IsOpen());
    fs::remove(file);
}

// A made-up sysfs: USB serial ttys whose USB device carries a product string.
class FakeSysfs : public EnvironmentPorts {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("vesk-sysfs-" + std::to_string(::getpid()));
        fs::remove_all(root);
        AddTty("ttyUSB10", "Vesk Bus Adapter B");
        AddTty("ttyUSB2", "Vesk Bus Adapter A");
        AddTty("ttyACM0", "Modem");
        AddTty("ttyUSB3", "");  // no product string
        AddTty("ttyS0", "Not USB");
        AddTty("ttyUSBx", "Not a number");
    }
    void TearDown() override
    {
        fs::remove_all(root);
        EnvironmentPorts::TearDown();
    }

    void AddTty(const std::string& name, const std::string& product)
    {
        const fs::path usbDevice = root / "devices" / ("usb-" + name);
        const fs::path port = usbDevice / "1-1:1.0" / name;
        fs::create_directories(port);
        if (!product.empty())
            std::ofstream(usbDevice / "product") << product << "\n";
        fs::create_directories(root / "class" / name);
        fs::create_directory_symlink(port, root / "class" / name / "device");
    }

    fs::path root;
};

TEST_F(FakeSysfs, ListsUsbAdaptersInNumericOrderThenTheEnvironmentsPaths)
{
    Set("/dev/pts/7::/tmp/bus");
    const std::vector<AdapterInfo> adapters = ListAdapters((root / "class").string(), "/dev");
    std::vector<std::pair<std::string, std::string>> got;
    for (const AdapterInfo& a : adapters)
        got.emplace_back(a.description, a.devicePath);
    const std::vector<std::pair<std::string, std::string>> expected = {{"Vesk Bus Adapter A", "/dev/ttyUSB2"},
                                                                       {"ttyUSB3", "/dev/ttyUSB3"},
                                                                       {"Vesk Bus Adapter B", "/dev/ttyUSB10"},
                                                                       {"Modem", "/dev/ttyACM0"},
                                                                       {"/dev/pts/7", "/dev/pts/7"},
                                                                       {"/tmp/bus", "/tmp/bus"}};
    EXPECT_EQ(got, expected);
}

TEST_F(FakeSysfs, MissingClassFolderListsOnlyTheEnvironment)
{
    Set("/dev/pts/9");
    const std::vector<AdapterInfo> adapters = ListAdapters((root / "nothing").string(), "/dev");
    ASSERT_EQ(adapters.size(), 1u);
    EXPECT_EQ(adapters[0].description, "/dev/pts/9");
    unsetenv("VESKCOMM_PORTS");
    EXPECT_TRUE(ListAdapters((root / "nothing").string(), "/dev").empty());
}

}  // namespace
