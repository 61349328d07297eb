// The frame on the line stays as it went out: a newer command 7 or 8 for
// the same unit waits behind it, and only takes the place of one that is
// still waiting.
#include "BusFixture.h"

namespace {

class FrameOnTheLineTest : public BusFixture, public testing::WithParamInterface<uint16_t> {
protected:
    // The first data byte of every frame of the command the unit read.
    static std::vector<int> Values(const SimBus::Unit& unit, uint16_t command)
    {
        std::vector<int> values;
        for (const SimBus::Unit::Command& c : unit.commands) {
            if (c.code == command && !c.data.empty())
                values.push_back(c.data[0]);
        }
        return values;
    }

    void Send(uint16_t command, uint8_t value)
    {
        unsigned char buffer[16] = {};
        buffer[6] = value;
        VeskCommPortTransmit(port, buffer, 2, 2, command);
    }
};

TEST_P(FrameOnTheLineTest, ANewerCommandOfTheSameKindWaitsBehindIt)
{
    const uint16_t command = GetParam();
    SimBus::Unit& unit = bus.AddUnit(2, 1, 37);
    onFound = [this](VESKCOMM_DEVICE device) { focus = device; };
    Open(1, 1, 4);
    ASSERT_TRUE(RunUntil([&] { return Device(2) != nullptr; }));

    // The unit answers late, so that the command stays on the line.
    unit.answerDelay = 3;
    Send(command, 1);
    ASSERT_TRUE(RunUntil([&] { return !Values(unit, command).empty(); }, 20));
    Send(command, 2);  // behind the one on the line
    Send(command, 3);  // in the place of the waiting one
    unit.answerDelay = 0;
    RunUntil([&] { return Values(unit, command).size() >= 2; }, 40);
    Run(10);
    EXPECT_EQ(Values(unit, command), (std::vector<int>{1, 3}));
    EXPECT_FALSE(Has("lost 2"));
}

INSTANTIATE_TEST_SUITE_P(Commands, FrameOnTheLineTest, testing::Values(7, 8),
                         [](const testing::TestParamInfo<uint16_t>& info) {
                             return "Command" + std::to_string(info.param);
                         });

}  // namespace
