// The simulated bus's model units: Zarit and ZaritE packs computed by the
// demo generator model, at any address and studio.
#include "BusFixture.h"

namespace {

using testing::ElementsAre;

class ModelUnitTest : public BusFixture {};

TEST_F(ModelUnitTest, ModelPacksAreFoundAndReportEveryRecordAfterCommandFourteen)
{
    bus.AddModelUnit(5, 3, 37);
    bus.AddModelUnit(6, 3, 137);
    onFound = [this](VESKCOMM_DEVICE device) {
        if (VeskCommDeviceGetAdresse(device) == 5) {
            focus = device;
            unsigned char buffer[8] = {};
            VeskCommPortTransmit(port, buffer, 0, 5, 14);
        }
    };
    port = VeskCommPortOpen(bus.PortName().c_str(), 3, 5, 6);
    ASSERT_TRUE(RunUntil([&] { return Device(5) && Device(6); }));
    EXPECT_TRUE(Has("found 5 Zarit 1600S"));
    EXPECT_TRUE(Has("found 6 Zarit 3200E"));

    // The focus polls collect the records that command 14 marked, in order.
    ASSERT_TRUE(RunUntil([&] { return Has("data 5 104"); }));
    std::vector<std::string> fromFive;
    for (const std::string& e : events) {
        if (e.rfind("data 5 ", 0) == 0 && e != "data 5 100")
            fromFive.push_back(e);
    }
    EXPECT_THAT(fromFive, ElementsAre("data 5 4", "data 5 1", "data 5 2", "data 5 3", "data 5 4", "data 5 5",
                                      "data 5 6", "data 5 7", "data 5 8", "data 5 9", "data 5 10", "data 5 101",
                                      "data 5 102", "data 5 103", "data 5 104"));
}

}  // namespace
