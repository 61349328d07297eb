// A command that a device page sends through its Transmit reaches the line
// as its frame, on the port of the page's unit.
#include "GuiTestHarness.h"
#include "StandInFamily.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "comm/VeskComm.h"
#include "tools/SimBus.h"

using namespace guitest;

namespace {

class TransmitTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(bus.IsOpen());
        setenv("VESKCOMM_PORTS", bus.DevicePath().c_str(), 1);
        VeskCommInitialize(nullptr, &callbacks);
    }

    void TearDown() override
    {
        VeskCommInitialize(nullptr, nullptr);
        unsetenv("VESKCOMM_PORTS");
        GuiTest::TearDown();
    }

    SimBus bus;
    CommCallbacks callbacks{};
};

TEST_F(TransmitTest, ACommandReachesTheLineAsItsFrame)
{
    struct Case {
        uint8_t studio;
        uint8_t address;
        uint16_t command;
        std::vector<uint8_t> data;
        std::string frame;  // as the bus reads it, without its carriage return
    };
    const Case cases[] = {
        // 07 03 05 00 03 12 34, checksum 0x58
        {3, 5, 3, {0x12, 0x34}, "S10703050003123458"},
        // The unanswered command: head S0; 0xAB and checksum 0x1C as ":;" and "1<"
        {3, 2, 102, {0xAB}, "S00603020066:;1<"},
        // No data, a code above 255: 05 01 14 01 2C, checksum 0x47
        {1, 20, 300, {}, "S1050114012<47"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame);
        VESKCOMM_PORT port = VeskCommPortOpen(bus.PortName().c_str(), c.studio, 1, 4);
        ASSERT_TRUE(VeskCommPortIsOpen(port));
        StandInUnit unit(port, 0, StandInUnit::Build::DevicePage);
        unit.SetAddress(c.address);
        CFlashDevicePropertyPage* page = unit.CreatePage(Frame());

        uint8_t buffer[16] = {};
        std::copy(c.data.begin(), c.data.end(), buffer + 6);
        page->Transmit(buffer, static_cast<uint8_t>(c.data.size()), unit.GetAddress(), c.command);
        EXPECT_EQ(bus.Pump(1000), std::vector<std::string>{c.frame});
        // The library framed the page's own buffer around the data.
        EXPECT_EQ(buffer[1], c.data.size() + 5);
        EXPECT_EQ(buffer[3], c.address);

        page->Destroy();
        VeskCommPortClose(port);
    }
}

TEST_F(TransmitTest, APageOfAPortThatDidNotOpenSendsNothing)
{
    VESKCOMM_PORT port = VeskCommPortOpen(" /dev/vesk-no-such-adapter", 1, 1, 4);
    ASSERT_NE(port, nullptr);
    ASSERT_FALSE(VeskCommPortIsOpen(port));
    StandInUnit unit(port, 0, StandInUnit::Build::DevicePage);
    unit.SetAddress(5);
    CFlashDevicePropertyPage* page = unit.CreatePage(Frame());
    uint8_t buffer[16] = {};
    page->Transmit(buffer, 1, 5, 3);
    EXPECT_TRUE(bus.Pump(100).empty());
    VeskCommPortClose(port);
}

}  // namespace
