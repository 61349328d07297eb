// Demo mode through the exported functions: the two simulated units are
// found on studio 1 while an adapter is open, and answer like real units.
#include "BusFixture.h"

#include <algorithm>

#include "comm/BigEndian.h"

namespace {

class DemoModeTest : public BusFixture {
protected:
    bool FoundAny() const
    {
        return std::any_of(events.begin(), events.end(), [](const std::string& e) { return e.rfind("found", 0) == 0; });
    }

    // Whether a frame to one of the demo addresses 100 to 103 went to the line.
    bool DemoFrameOnTheLine() const
    {
        const std::vector<std::string> texts = SentTexts();
        return std::any_of(texts.begin(), texts.end(),
                           [](const std::string& t) { return t.size() > 7 && t[6] == '6'; });
    }
};

TEST_F(DemoModeTest, StudioOneFindsBothUnitsWhichAnswerCommandsAndPolls)
{
    onFound = [this](VESKCOMM_DEVICE device) {
        if (VeskCommDeviceGetAdresse(device) == 100)
            focus = device;
    };
    Open(1, 1, 4);
    VeskCommPortSetDemo(port);
    ASSERT_TRUE(RunUntil([&] { return Device(100) && Device(101); }));
    EXPECT_TRUE(Has("found 100 Zarit 1600S"));
    EXPECT_TRUE(Has("found 101 Zarit 3200E"));
    EXPECT_EQ(VeskCommDeviceGetVersion(Device(100)), 37);
    EXPECT_EQ(VeskCommDeviceGetVersion(Device(101)), 137);
    EXPECT_EQ(VeskCommDeviceGetEnergietyp(Device(100)), 0);
    EXPECT_EQ(VeskCommDeviceGetEnergietyp(Device(101)), 1);
    EXPECT_EQ(VeskCommDeviceGetRF_Stat(Device(100)), 1);

    // The focused unit's polls deliver its pending records, then its status.
    ASSERT_TRUE(RunUntil([&] { return Has("data 100 100"); }));
    EXPECT_TRUE(Has("data 100 1"));
    EXPECT_TRUE(Has("data 100 2"));

    // A command is carried out and its change comes with the next polls.
    std::vector<int> energies;
    onData = [&](VESKCOMM_DEVICE, const unsigned char* record, int) {
        if (ReadBe16(record + 3) == 1)
            energies.push_back(record[5]);
    };
    unsigned char buffer[16] = {};
    buffer[6] = 100;
    buffer[7] = 0;
    buffer[8] = 0x0F;
    VeskCommPortTransmit(port, buffer, 3, 100, 1);
    ASSERT_TRUE(RunUntil([&] { return !energies.empty(); }));
    EXPECT_EQ(energies.front(), 100) << "the total at full power";

    Run(50);
    EXPECT_FALSE(Has("lost 100"));
    EXPECT_FALSE(Has("lost 101"));
    EXPECT_FALSE(DemoFrameOnTheLine());
}

TEST_F(DemoModeTest, SearchVisitsTheFourDemoAddressesAndNoMore)
{
    // Without a focus every request is a search step, one per tick: address
    // 1 on the line, then 100 to 103, which never reach it.
    Open(1, 1, 1);
    VeskCommPortSetDemo(port);
    ASSERT_TRUE(RunUntil([&] { return Device(100) && Device(101); }));
    sent.clear();
    Run(60);
    std::vector<int> rounds;  // ticks between the frames to address 1
    for (std::size_t i = 1; i < sent.size(); ++i)
        rounds.push_back(sent[i].tick - sent[i - 1].tick);
    ASSERT_GE(rounds.size(), 10u);
    EXPECT_THAT(rounds, testing::Each(5)) << "a search round is address 1 and 100 to 103";
}

TEST_F(DemoModeTest, NoUnitsOnAnotherStudioOrWithoutDemoMode)
{
    Open(2, 1, 4);
    VeskCommPortSetDemo(port);
    Run(60);
    EXPECT_FALSE(FoundAny());
    Close();

    Open(1, 1, 4);
    Run(60);
    EXPECT_FALSE(FoundAny()) << "demo mode is off";
}

TEST_F(DemoModeTest, NoUnitsWithoutAnOpenAdapter)
{
    port = VeskCommPortOpen(" /dev/null/no-adapter", 1, 1, 4);
    ASSERT_FALSE(VeskCommPortIsOpen(port));
    VeskCommPortSetDemo(port);
    Run(60);
    EXPECT_FALSE(FoundAny());
}

}  // namespace
