// Units of two studios on one line: what a unit of another studio answers
// ends the port's wait like any answer, but reaches no unit record of this
// studio and makes none.
#include "BusFixture.h"

#include "comm/FrameCodec.h"

namespace {

// The identity record's data of a Zarit 1600S, as the unit sends it.
const std::vector<uint8_t> kZaritIdentity = {37, 16, 216, 0, 0, 'C', '1', '2', '3', '4', '5', '6', 0, 0};

class PortStudioTest : public BusFixture {
protected:
    // A tick in which a unit of studio 2 at address 3 answers every request
    // of this port to address 3 with its identity record, as if the request
    // were its own.
    void TickWithStrangerAtThree()
    {
        for (const std::string& text : Tick()) {
            CommandFrame frame;
            if (DecodeCommand(text, frame) && frame.address == 3) {
                bus.SendRecord(2, 3, kRecordIdentity, kZaritIdentity);
                answeredAt.push_back(tick);
            }
        }
    }

    // The first frame sent after the given tick.
    const Sent* FirstSentAfter(int at) const
    {
        for (const Sent& s : sent) {
            if (s.tick > at)
                return &s;
        }
        return nullptr;
    }

    std::vector<int> answeredAt;
};

TEST_F(PortStudioTest, AnotherStudiosAnswersEndTheWaitButMakeNoUnit)
{
    bus.AddUnit(2, 1, 37);
    onFound = [this](VESKCOMM_DEVICE device) { focus = device; };
    Open(1, 1, 4);
    for (int i = 0; i < 200 && (Device(2) == nullptr || answeredAt.size() < 3); ++i)
        TickWithStrangerAtThree();
    ASSERT_NE(Device(2), nullptr);
    ASSERT_GE(answeredAt.size(), 3u);
    Tick();

    EXPECT_EQ(Device(3), nullptr);
    for (const std::string& e : events)
        EXPECT_EQ(e.find("found 3"), std::string::npos) << e;
    // Each answer ended the wait at once: the frame after the request went
    // out at the next tick, not after the request's time-out of 150 ms, and
    // it was another frame, the answered one being done with.
    for (const int at : answeredAt) {
        SCOPED_TRACE(at);
        const Sent* next = FirstSentAfter(at);
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->tick, at + 1);
        CommandFrame frame;
        ASSERT_TRUE(DecodeCommand(next->text, frame));
        EXPECT_NE(frame.address, 3);
    }
}

TEST_F(PortStudioTest, AnotherStudiosUnitAtAKnownAddressReachesNotItsRecord)
{
    bus.AddUnit(2, 1, 37);
    onFound = [this](VESKCOMM_DEVICE device) { focus = device; };
    Open(1, 1, 4);
    ASSERT_TRUE(RunUntil([&] { return Device(2) != nullptr; }));
    Run(3);
    events.clear();
    bus.SendRecord(2, 2, 7, {1, 2, 3});
    Run(3);
    EXPECT_FALSE(Has("data 2 7"));
    // The same record of this studio does reach it.
    bus.SendRecord(1, 2, 7, {1, 2, 3});
    EXPECT_TRUE(RunUntil([&] { return Has("data 2 7"); }, 3));
}

}  // namespace
