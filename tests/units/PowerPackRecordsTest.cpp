// The records that the Nuvek and Ribex units send alike.
#include <gtest/gtest.h>

#include <string>

#include "TestRecord.h"
#include "units/core/PowerPackRecords.h"

namespace {

// The owner field of record 6, bytes 10 to 23.
TestRecord CounterRecord(const std::string& owner)
{
    TestRecord record(6, 24);
    record.SetText(10, owner);
    return record;
}

TEST(PowerPackRecords, CountersGiveTheTotalAndTheOwnerWithoutTrailingBlanks)
{
    struct Case {
        std::string field;
        std::string owner;
    };
    const Case cases[] = {
        {"ABC           ", "ABC"},
        {"A B           ", "A B"},
        {"              ", ""},
        {std::string("AB\0CD         ", 14), "AB"},
        // The blanks at the field's end go before the zero byte ends it.
        {std::string("A \0           ", 14), "A "},
        {std::string("A \0 B         ", 14), "A "},
        {std::string("\0             ", 14), ""},
        {"Studio Nord 14", "Studio Nord 14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owner);
        const auto nuvek = PowerPackRecords::DecodeCounters(CounterRecord(c.field).Set(7, 1));
        ASSERT_TRUE(nuvek.has_value());
        EXPECT_EQ(nuvek->totalCounter, "65536");
        EXPECT_FALSE(nuvek->counter.has_value());
        ASSERT_TRUE(nuvek->owner.has_value());
        EXPECT_EQ(nuvek->owner->text, c.owner);
        EXPECT_EQ(nuvek->owner->field, UnitRecords::OwnerField::DisplayOnly);
        EXPECT_EQ(PowerPackRecords::DecodeCounters(CounterRecord(c.field)).value().owner.value().text, c.owner);
    }
    EXPECT_EQ(PowerPackRecords::DecodeCounters(CounterRecord("").Set(7, 0xFF).Set(8, 0xFF).Set(9, 0xFF))->totalCounter,
              "16777215");
}

TEST(PowerPackRecords, AlarmsReadBitZeroOfBothBytes)
{
    struct Case {
        int byte5, byte6;
        int charge, thermo;
        const char* lines;
    };
    const Case cases[] = {
        {0xFE, 0x03, 0, 1, " | {2111} | {2112}"},
        {0x01, 0x00, 1, 0, "{2108} | {2109} | "},
        {0xFE, 0xFE, 0, 0, "clear; - | - | -"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        const auto alarms = PowerPackRecords::DecodeAlarms(TestRecord(7, 7, {{5, c.byte5}, {6, c.byte6}}));
        ASSERT_TRUE(alarms.has_value());
        EXPECT_EQ(alarms->charge, c.charge);
        EXPECT_EQ(alarms->thermo, c.thermo);
        EXPECT_EQ(ShownLines(alarms->lines), c.lines);
    }
}

TEST(PowerPackRecords, ThermoAlarmTitlesThePanelFirst)
{
    const PanelPlan both = PlanStatusPanel(PanelRequest(), {1, 1, 0}, PowerPackRecords::kAlarmTitleOrder);
    EXPECT_EQ(both.titleId, 2122);
    EXPECT_TRUE(both.alarmShown);
    EXPECT_FALSE(both.group1Shown || both.group2Shown);

    const PanelPlan service = PlanStatusPanel(PanelRequest(), {1, 0, 3}, PowerPackRecords::kAlarmTitleOrder);
    EXPECT_EQ(service.titleId, 2119);
    EXPECT_FALSE(service.alarmShown);
    EXPECT_TRUE(service.group1Shown);

    EXPECT_EQ(PlanStatusPanel(PanelRequest(), {0, 0, 0}, PowerPackRecords::kAlarmTitleOrder).titleId, 2124);
}

TEST(PowerPackRecords, DeliveryDateReadsYearThenMonth)
{
    struct Case {
        int year, month;
        std::string date;
    };
    const Case cases[] = {{12, 3, "3.2012"}, {50, 1, "1.2050"}, {51, 5, "5.1951"}, {9, 10, "10.2009"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        const auto dates = PowerPackRecords::DecodeDates(TestRecord(8, 8, {{6, c.year}, {7, c.month}}));
        ASSERT_TRUE(dates.has_value());
        EXPECT_EQ(dates->delivery, c.date);
        EXPECT_FALSE(dates->service.has_value());
        EXPECT_FALSE(dates->factory.has_value());
    }
}

TEST(PowerPackRecords, ServiceStatusShowsVoltagesOnlyInServiceMode)
{
    const auto normal = PowerPackRecords::DecodeServiceStatus(TestRecord(100, 12, {{5, 0x80}, {7, 100}}));
    ASSERT_TRUE(normal.has_value());
    EXPECT_TRUE(normal->ready);
    EXPECT_EQ(normal->level, 0);
    EXPECT_FALSE(normal->voltages.has_value());

    const auto service = PowerPackRecords::DecodeServiceStatus(
        TestRecord(100, 12, {{5, 0x7F}, {6, 2}, {7, 100}, {8, 255}, {9, 220}, {10, 50}, {11, 200}}));
    ASSERT_TRUE(service.has_value());
    EXPECT_FALSE(service->ready);
    EXPECT_EQ(service->level, 2);
    ASSERT_TRUE(service->voltages.has_value());
    EXPECT_EQ(service->voltages->positive, "142");
    EXPECT_EQ(service->voltages->negative, "362");
    EXPECT_EQ(service->voltages->line, "230");
    EXPECT_EQ(service->voltages->frequency, "50");
    EXPECT_EQ(service->voltages->nominal, "284");
}

TEST(PowerPackRecords, NominalVoltageOnlyWhenTheLengthByteCountsPastEleven)
{
    const auto eleven = PowerPackRecords::DecodeServiceStatus(TestRecord(100, 11, {{6, 1}, {7, 100}}));
    ASSERT_TRUE(eleven.has_value() && eleven->voltages.has_value());
    EXPECT_EQ(eleven->voltages->positive, "142");
    EXPECT_FALSE(eleven->voltages->nominal.has_value());
}

}  // namespace
