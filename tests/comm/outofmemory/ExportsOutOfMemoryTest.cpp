// The exported functions when memory runs out: no exception may reach the C
// caller. This test program replaces the global allocation functions so that
// any one allocation inside an export can be made to fail; each export is run
// with a failure at its first allocation, its second, and so on, until it
// runs through without one. Whatever failed must leave nothing behind (the
// leak checker of the test build watches) and the library must work on.
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "comm/DemoDevice.h"
#include "comm/FrameCodec.h"

#include "BusFixture.h"
#include "FailingAllocation.h"

namespace {

// Runs work with one allocation failing: the one after `before` that
// succeed. Returns whether it failed, that is whether work made more.
template <class Work>
bool FailingAllocation(long before, Work work)
{
    FailAllocationAfter(before);
    work();
    const bool failed = AllocationFailed();
    FailAllocationAfter(-1);
    return failed;
}

// Runs work with its first allocation failing, then its second, and so on,
// and finally without a failure; check(failed) follows each run, outside the
// failing window. Returns how many allocations work made.
template <class Work, class Check>
long EveryAllocationFailing(Work work, Check check)
{
    for (long before = 0;; ++before) {
        const bool failed = FailingAllocation(before, work);
        check(failed);
        if (!failed)
            return before;
    }
}

class OutOfMemoryTest : public BusFixture {};

TEST_F(OutOfMemoryTest, PortOpenGivesANullPortAndThenOpens)
{
    const std::string name = bus.PortName();
    VESKCOMM_PORT opened = nullptr;
    const long allocations = EveryAllocationFailing([&] { opened = VeskCommPortOpen(name.c_str(), 1, 1, 4); },
                                                    [&](bool failed) { EXPECT_TRUE(!failed || opened == nullptr); });
    EXPECT_GT(allocations, 2);
    port = opened;
    ASSERT_TRUE(VeskCommPortIsOpen(port)) << "every failed open released the adapter";
    bus.AddUnit(2, 1, 37);
    EXPECT_TRUE(RunUntil([&] { return Device(2) != nullptr; }));
}

TEST_F(OutOfMemoryTest, InitializeListsPartOfTheAdaptersAtMost)
{
    setenv("VESKCOMM_PORTS", "/dev/vesk-a:/dev/vesk-b", 1);
    int before = VeskCommGetNumberOfPorts();
    VeskCommInitialize(nullptr, &callbacks);
    std::vector<std::string> listing;
    for (int i = before; i < VeskCommGetNumberOfPorts(); ++i)
        listing.push_back(VeskCommGetPortName(i));
    ASSERT_GE(listing.size(), 2u);

    const long allocations = EveryAllocationFailing(
        [&] {
            before = VeskCommGetNumberOfPorts();
            VeskCommInitialize(nullptr, &callbacks);
        },
        [&](bool) {
            const int appended = VeskCommGetNumberOfPorts() - before;
            ASSERT_LE(appended, static_cast<int>(listing.size()));
            for (int i = 0; i < appended; ++i)
                EXPECT_EQ(VeskCommGetPortName(before + i), listing[static_cast<std::size_t>(i)]);
        });
    EXPECT_GT(allocations, 0);
}

TEST_F(OutOfMemoryTest, TransmitSendsAtMostOnceAndThePortWorksOn)
{
    bus.AddUnit(2, 1, 37);
    Open(1, 2, 2);
    ASSERT_TRUE(RunUntil([&] { return Device(2) != nullptr; }));
    Run(3);
    unsigned char buffer[16] = {};
    const long allocations = EveryAllocationFailing(
        [&] {
            buffer[6] = 0x21;
            VeskCommPortTransmit(port, buffer, 1, 2, 19);
        },
        [&](bool) { Run(3); });
    EXPECT_GT(allocations, 0);
    long sent = 0;
    for (const SimBus::Unit::Command& command : bus.FindUnit(2)->commands)
        sent += command.code == 19;
    EXPECT_GE(sent, 1) << "the call without a failure sent its command";
    EXPECT_LE(sent, allocations + 1);
    EXPECT_FALSE(Has("lost 2"));
}

TEST_F(OutOfMemoryTest, IdleFindsTheUnitOnceMemoryIsBack)
{
    // No callbacks: a failure inside the test's own would not be the library's.
    CommCallbacks none{};
    VeskCommInitialize(nullptr, &none);
    SimBus::Unit& unit = bus.AddUnit(2, 1, 37);
    const auto found = [&] { return !unit.commands.empty() && unit.commands.back().code == kCommandStatusPoll; };
    // A search in which every step fails at its first allocation, another in
    // which every step fails at its second, and so on: the identity answer's
    // handling included (a step makes a few allocations at most).
    int failures = 0;
    for (long before = 0; before < 8; ++before) {
        Open(1, 2, 2);
        for (int step = 0; step < 20; ++step) {
            now += 100;
            TestClockSet(now);
            failures += FailingAllocation(before, [&] { VeskCommPortIdle(port); });
            bus.Pump();
        }
        Close();
    }
    EXPECT_GT(failures, 25);
    Open(1, 2, 2);
    EXPECT_TRUE(RunUntil(found));
}

// What the demo test's callbacks see, kept without allocating: a failure
// inside them would be the test's, not the library's.
struct DemoWatch {
    VESKCOMM_DEVICE focus = nullptr;
    long found = 0;
    long lost = 0;
    long records = 0;

    static void* OnFound(void* context, VESKCOMM_DEVICE device)
    {
        DemoWatch* self = static_cast<DemoWatch*>(context);
        ++self->found;
        if (!self->focus)
            self->focus = device;
        return nullptr;
    }
    static void OnLost(void* context, VESKCOMM_DEVICE, void*) { ++static_cast<DemoWatch*>(context)->lost; }
    static VESKCOMM_DEVICE OnGetFocus(void* context) { return static_cast<DemoWatch*>(context)->focus; }
    static void OnData(void* context, VESKCOMM_DEVICE, void*, const unsigned char*, int)
    {
        ++static_cast<DemoWatch*>(context)->records;
    }
};

// The watch outlives the port: the port is closed in TearDown.
class DemoOutOfMemoryTest : public OutOfMemoryTest {
protected:
    DemoWatch watch;
    CommCallbacks counting{&DemoWatch::OnLost, &DemoWatch::OnFound, &DemoWatch::OnGetFocus, &DemoWatch::OnData, &watch};
};

TEST_F(DemoOutOfMemoryTest, IdleGoesOnAfterAFailureAtEachAllocation)
{
    VeskCommInitialize(nullptr, &counting);
    Open(1, 1, 1);
    VeskCommPortSetDemo(port);
    // Frames to address 1 reach the line; nobody answers them.
    const auto step = [&](long before) {
        now += 100;
        TestClockSet(now);
        const bool failed = FailingAllocation(before, [&] { VeskCommPortIdle(port); });
        bus.Discard();
        return failed;
    };
    for (int i = 0; i < 40 && watch.found < 2; ++i)
        step(-1);
    ASSERT_EQ(watch.found, 2);

    // One step fails at its first allocation, later one at its second, and
    // so on, each at varying points of the polls and search steps; after
    // each failure the records must keep coming within a second.
    long failures = 0;
    for (long before = 0;; ++before) {
        long failedHere = 0;
        for (int attempt = 0; attempt < 12; ++attempt) {
            if (!step(before))
                continue;
            ++failedHere;
            const long records = watch.records;
            for (int i = 0; i < 10; ++i)
                step(-1);
            ASSERT_GE(watch.records - records, 3)
                << "stalled after failing allocation " << before + 1 << " of an idle step";
        }
        failures += failedHere;
        if (failedHere == 0)
            break;
    }
    EXPECT_GT(failures, 20);
    EXPECT_EQ(watch.lost, 0) << "one failure costs no unit";
    EXPECT_EQ(watch.found, 2);
}

// A demo unit's answer to a command text, carriage return included.
std::string DemoAnswer(CDemoDevice& unit, uint16_t command, std::vector<uint8_t> data)
{
    data.insert(data.begin(), 6, 0);
    data.push_back(0);
    const std::string text =
        EncodeCommand(data.data(), static_cast<int>(data.size() - 7), 1, kFirstDemoAddress, command, false);
    std::string answer;
    unit.Receive(text, answer);
    return answer;
}

// Everything a demo unit tells: its pending records in turn, then each of
// its records asked for.
std::vector<std::string> Told(CDemoDevice& unit)
{
    std::vector<std::string> answers;
    for (int i = 0; i < 16; ++i)
        answers.push_back(DemoAnswer(unit, kCommandStatusPoll, {}));
    for (uint8_t record = 1; record <= 10; ++record)
        answers.push_back(DemoAnswer(unit, kCommandRequestRecord, {0, record}));
    return answers;
}

TEST(DemoUnitOutOfMemoryTest, CommandIsCarriedOutWholeOrNotAtAll)
{
    // Full power on the main light; a setting reported in record 2.
    struct Case {
        uint16_t command;
        std::vector<uint8_t> data;
    };
    for (const Case& c : {Case{1, {100, 0, 0x0F}}, Case{5, {30}}}) {
        CDemoDevice done(kFirstDemoAddress, 0);
        const std::string doneAnswer = DemoAnswer(done, c.command, c.data);
        ASSERT_FALSE(doneAnswer.empty());
        CDemoDevice fresh(kFirstDemoAddress, 0);
        const std::vector<std::string> before = Told(fresh);
        const std::vector<std::string> after = Told(done);
        ASSERT_NE(before, after) << "command " << c.command << " changes what the unit tells";

        for (long allocations = 0;; ++allocations) {
            CDemoDevice unit(kFirstDemoAddress, 0);
            std::string answer = "none";
            bool threw = false;
            const bool failed = FailingAllocation(allocations, [&] {
                try {
                    answer = DemoAnswer(unit, c.command, c.data);
                } catch (const std::bad_alloc&) {
                    threw = true;
                }
            });
            if (!failed) {
                EXPECT_EQ(answer, doneAnswer);
                EXPECT_EQ(Told(unit), after);
                break;
            }
            EXPECT_TRUE(threw);
            EXPECT_EQ(answer, "none");
            EXPECT_EQ(Told(unit), before) << "command " << c.command << ", failing allocation " << allocations + 1;
        }
    }
}

TEST_F(OutOfMemoryTest, NameCopyLeavesTheBufferAlone)
{
    bus.AddUnit(2, 1, 37);
    Open(1, 2, 2);
    ASSERT_TRUE(RunUntil([&] { return Device(2) != nullptr; }));
    char name[32];
    EveryAllocationFailing(
        [&] {
            std::memset(name, 'x', sizeof name);
            VeskCommDeviceGetGeraetetyp(Device(2), name, sizeof name);
        },
        [&](bool failed) {
            if (failed)
                EXPECT_EQ(name[0], 'x');
            else
                EXPECT_STREQ(name, "Zarit 1600S");
        });
}

}  // namespace
