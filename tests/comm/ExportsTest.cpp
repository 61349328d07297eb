// The exported functions at their edges: the adapter list, null handles,
// name buffers, a port whose adapter did not open, missing callbacks.
#include "BusFixture.h"

#include <cstring>

namespace {

TEST(ExportsTest, AdapterListAppendsOnEveryInitialize)
{
    setenv("VESKCOMM_PORTS", "/dev/vesk-a:/dev/vesk-b", 1);
    const int before = VeskCommGetNumberOfPorts();
    VeskCommInitialize(nullptr, nullptr);
    const char* first = VeskCommGetPortName(before);
    ASSERT_EQ(VeskCommGetNumberOfPorts(), before + 2);
    EXPECT_STREQ(first, " /dev/vesk-a");
    EXPECT_STREQ(VeskCommGetPortName(before + 1), " /dev/vesk-b");

    VeskCommInitialize(nullptr, nullptr);
    EXPECT_EQ(VeskCommGetNumberOfPorts(), before + 4);
    EXPECT_STREQ(VeskCommGetPortName(before + 3), " /dev/vesk-b");
    EXPECT_STREQ(first, " /dev/vesk-a") << "names stay valid as the list grows";

    EXPECT_STREQ(VeskCommGetPortName(-1), "");
    EXPECT_STREQ(VeskCommGetPortName(VeskCommGetNumberOfPorts()), "");
    VeskCommFinalize();
    unsetenv("VESKCOMM_PORTS");
}

TEST(ExportsTest, NullHandlesDoNothing)
{
    char name[8];
    std::memset(name, 'x', sizeof name);
    EXPECT_EQ(VeskCommDeviceGetAdresse(nullptr), 0);
    EXPECT_EQ(VeskCommDeviceGetEnergietyp(nullptr), 0);
    EXPECT_EQ(VeskCommDeviceGetPCKennwort(nullptr), 0);
    EXPECT_EQ(VeskCommDeviceGetRF_Stat(nullptr), 0);
    EXPECT_EQ(VeskCommDeviceGetVersion(nullptr), 0);
    VeskCommDeviceGetGeraetetyp(nullptr, name, sizeof name);
    VeskCommDeviceGetGeraetetypKurz(nullptr, name, sizeof name);
    EXPECT_EQ(name[0], 'x');
    EXPECT_FALSE(VeskCommPortIsOpen(nullptr));
    VeskCommPortClose(nullptr);
    VeskCommPortIdle(nullptr);
    VeskCommPortSetDemo(nullptr);
    VeskCommPortSetFocusedDevice(nullptr, nullptr);
    VeskCommPortSetRange(nullptr, 1, 4);

    unsigned char buffer[8] = {};
    testing::internal::CaptureStderr();
    VeskCommPortTransmit(nullptr, buffer, 0, 1, 100);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "VeskComm(79): assertion failed: port != NULL\n");
    EXPECT_EQ(buffer[1], 0) << "nothing was framed";
}

class NamesTest : public BusFixture {};

TEST_F(NamesTest, NameCopiesAreCutAndPaddedToTheBuffer)
{
    bus.AddUnit(2, 1, 37, 1);
    Open(1, 2, 2);
    ASSERT_TRUE(RunUntil([&] { return Device(2) != nullptr; }));
    VESKCOMM_DEVICE device = Device(2);

    struct Case {
        int size;
        const char* expected;
    };
    for (const Case& c : {Case{4, "Zar"}, Case{1, ""}, Case{12, "Zarit 3200S"}, Case{40, "Zarit 3200S"}}) {
        char out[48];
        std::memset(out, 'x', sizeof out);
        VeskCommDeviceGetGeraetetyp(device, out, c.size);
        EXPECT_STREQ(out, c.expected) << c.size;
        for (int i = static_cast<int>(std::strlen(c.expected)); i < c.size; ++i)
            EXPECT_EQ(out[i], '\0') << "padded up to size - 1, at " << i;
        EXPECT_EQ(out[c.size], 'x') << "nothing beyond size";
    }
    for (int size : {0, -1, -100}) {
        char out[4] = {'x', 'x', 'x', 'x'};
        VeskCommDeviceGetGeraetetyp(device, out, size);
        VeskCommDeviceGetGeraetetypKurz(device, out, size);
        EXPECT_EQ(out[0], 'x') << size;
    }
    char code[8];
    VeskCommDeviceGetGeraetetypKurz(device, code, 5);
    EXPECT_STREQ(code, "-  Z");
    VeskCommDeviceGetGeraetetyp(device, nullptr, 10);
}

class UnopenedPortTest : public BusFixture {};

TEST_F(UnopenedPortTest, PortWithoutAdapterSendsNothingAndClosesNormally)
{
    bus.AddUnit(1, 1, 37);
    for (const char* name : {static_cast<const char*>(nullptr), "", " /dev/no-such-adapter", "no blank"}) {
        VESKCOMM_PORT unopened = VeskCommPortOpen(name, 1, 1, 4);
        ASSERT_NE(unopened, nullptr);
        EXPECT_FALSE(VeskCommPortIsOpen(unopened));
        unsigned char buffer[8] = {};
        VeskCommPortTransmit(unopened, buffer, 0, 1, 14);
        VeskCommPortSetDemo(unopened);
        for (int i = 0; i < 5; ++i)
            VeskCommPortIdle(unopened);
        VeskCommPortClose(unopened);
    }
    EXPECT_TRUE(bus.Pump().empty());
    EXPECT_TRUE(events.empty());
}

class MissingCallbacksTest : public BusFixture {};

TEST_F(MissingCallbacksTest, UnitsAreFoundWithoutAnyCallback)
{
    CommCallbacks none{};
    for (CommCallbacks* block : {&none, static_cast<CommCallbacks*>(nullptr)}) {
        VeskCommInitialize(nullptr, block);
        bus.AddUnit(2, 1, 37);
        Open(1, 2, 2);
        // Once found, the unit gets status polls instead of identify requests.
        ASSERT_TRUE(RunUntil([&] {
            const SimBus::Unit* unit = bus.FindUnit(2);
            return !unit->commands.empty() && unit->commands.back().code == 100;
        }));
        bus.FindUnit(2)->silent = true;
        ASSERT_TRUE(RunUntil([&] { return bus.FindUnit(2)->commands.back().code == 101; }))
            << "the unit is lost quietly and searched again";
        bus.SendBroadcast(1, 2, 7, {1});
        Tick();
        Close();
        bus.RemoveUnit(2);
    }
    EXPECT_TRUE(events.empty());
}

}  // namespace
