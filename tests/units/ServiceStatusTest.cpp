#include <gtest/gtest.h>

#include <string>

#include "RecordBytes.h"
#include "units/core/ServiceStatus.h"

namespace {

TEST(ServiceStatusTest, ReadinessAndLevelWithoutServiceValuesAtLevelZero)
{
    const auto status = ServiceStatus::Decode(View(MakeRecord(100, 12, {{5, 0x80}, {7, 100}, {9, 220}})), 1);
    ASSERT_TRUE(status.has_value());
    EXPECT_TRUE(status->ready);
    EXPECT_EQ(status->level, 0);
    EXPECT_FALSE(status->voltages.has_value());
    EXPECT_FALSE(ServiceStatus::Decode(View(MakeRecord(100, 12, {{5, 0x7F}})), 1)->ready);
}

TEST(ServiceStatusTest, ServiceModeShowsTheVoltages)
{
    const auto status = ServiceStatus::Decode(
        View(MakeRecord(100, 12, {{6, 2}, {7, 100}, {8, 255}, {9, 220}, {10, 50}, {11, 200}})), 1);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->level, 2);
    ASSERT_TRUE(status->voltages.has_value());
    EXPECT_EQ(status->voltages->positiveFlash, "142");
    EXPECT_EQ(status->voltages->negativeFlash, "362");
    EXPECT_EQ(status->voltages->line, "230");
    EXPECT_EQ(status->voltages->frequency, "50");
    EXPECT_EQ(status->voltages->nominalFlash, "284");
}

TEST(ServiceStatusTest, LineVoltageIsTruncatedAfterTheFactor)
{
    struct Case {
        uint8_t reading;
        std::string volts;
    };
    const Case cases[] = {{0, "0"}, {1, "1"}, {100, "104"}, {220, "230"}, {230, "240"}, {255, "267"}};
    for (const Case& c : cases) {
        const auto status = ServiceStatus::Decode(View(MakeRecord(100, 11, {{6, 1}, {9, c.reading}})), 1);
        EXPECT_EQ(status->voltages->line, c.volts) << static_cast<int>(c.reading);
    }
}

TEST(ServiceStatusTest, NominalVoltageNeedsItsByteAndALengthByteAboveEleven)
{
    const auto length11 = ServiceStatus::Decode(View(MakeRecord(100, 11, {{6, 1}})), 1);
    ASSERT_TRUE(length11->voltages.has_value());
    EXPECT_FALSE(length11->voltages->nominalFlash.has_value());

    auto claimsTwelve = MakeRecord(100, 11, {{6, 1}});
    claimsTwelve[0] = 12;
    EXPECT_FALSE(ServiceStatus::Decode(View(claimsTwelve), 1)->voltages->nominalFlash.has_value());

    auto saysEleven = MakeRecord(100, 12, {{6, 1}, {11, 100}});
    saysEleven[0] = 11;
    EXPECT_FALSE(ServiceStatus::Decode(View(saysEleven), 1)->voltages->nominalFlash.has_value());

    EXPECT_EQ(ServiceStatus::Decode(View(MakeRecord(100, 12, {{6, 1}, {11, 100}})), 1)->voltages->nominalFlash, "142");
}

TEST(ServiceStatusTest, ARecordEndingBeforeTheVoltagesKeepsLevelAndReadiness)
{
    const auto status = ServiceStatus::Decode(View(MakeRecord(100, 10, {{5, 0x80}, {6, 3}})), 1);
    ASSERT_TRUE(status.has_value());
    EXPECT_TRUE(status->ready);
    EXPECT_EQ(status->level, 3);
    EXPECT_FALSE(status->voltages.has_value());
}

TEST(ServiceStatusTest, AFamilyMayShowVoltagesFromAHigherLevel)
{
    EXPECT_FALSE(ServiceStatus::Decode(View(MakeRecord(100, 11, {{6, 1}})), 2)->voltages.has_value());
    EXPECT_TRUE(ServiceStatus::Decode(View(MakeRecord(100, 11, {{6, 2}})), 2)->voltages.has_value());
}

}  // namespace
