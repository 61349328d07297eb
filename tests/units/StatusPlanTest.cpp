#include <gtest/gtest.h>

#include "TestRecord.h"
#include "units/core/StatusPlan.h"

TEST(StatusPanelPlan, AlarmsTitlesAndGroups)
{
    struct Case {
        const char* what;
        PanelRequest request;
        AlarmState alarms;
        AlarmTitleOrder order;
        int title;
        bool alarm, aux, group1, group2;
    };
    const PanelRequest suggested = {true, 2123, true, false, true, true};
    const Case cases[] = {
        {"nothing", {}, {}, AlarmTitleOrder::ChargeFirst, 2124, false, false, true, false},
        {"suggested settings", suggested, {}, AlarmTitleOrder::ChargeFirst, 2123, false, true, false, true},
        {"charge error", suggested, {1, 0, 0}, AlarmTitleOrder::ChargeFirst, 2120, true, false, false, false},
        {"charge error in service mode", {}, {1, 0, 1}, AlarmTitleOrder::ThermoFirst, 2119, false, false, true, false},
        {"thermo", {}, {0, 1, 0}, AlarmTitleOrder::ChargeFirst, 2122, true, false, false, false},
        {"thermo in service mode keeps the aux view",
         suggested,
         {0, 1, 2},
         AlarmTitleOrder::ChargeFirst,
         2121,
         false,
         true,
         false,
         true},
        {"both, charge first", {}, {1, 1, 0}, AlarmTitleOrder::ChargeFirst, 2120, true, false, false, false},
        {"both, thermo first", {}, {1, 1, 0}, AlarmTitleOrder::ThermoFirst, 2122, true, false, false, false},
        {"both in service mode, thermo first",
         {},
         {1, 1, 3},
         AlarmTitleOrder::ThermoFirst,
         2121,
         false,
         false,
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PanelPlan plan = PlanStatusPanel(c.request, c.alarms, c.order);
        EXPECT_EQ(plan.titleId, c.title);
        EXPECT_EQ(plan.alarmShown, c.alarm);
        EXPECT_EQ(plan.auxView, c.aux);
        EXPECT_EQ(plan.group1Shown, c.group1);
        EXPECT_EQ(plan.group2Shown, c.group2);
        EXPECT_EQ(plan.flashRedShown, c.aux);
        EXPECT_FALSE(plan.sequenceRedShown);
        EXPECT_EQ(plan.intervalRedShown, c.aux);
        EXPECT_EQ(plan.setShown, c.aux);
    }
}

TEST(StatusPanelPlan, SuggestionFlagsChooseTheView)
{
    struct Case {
        int flags;
        bool aux, ok;
    };
    const Case cases[] = {{0x00, false, false}, {0x02, true, false}, {0x04, true, true},   {0x06, true, true},
                          {0x08, true, true},   {0x80, true, true},  {0x10, false, false}, {0x71, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        const PanelRequest request = SuggestedSettingsPanel(c.flags, {true, false, true});
        EXPECT_EQ(request.auxActive, c.aux);
        EXPECT_EQ(request.titleId, c.aux ? 2123 : 0);
        EXPECT_EQ(request.setShown, c.ok);
        EXPECT_EQ(request.flashRed, c.aux);
        EXPECT_EQ(request.intervalRed, c.aux);
    }
}

TEST(StatusPanelPlan, AlarmLines)
{
    const AlarmLines cooling = PlanAlarmTexts({1, 1, 0}, 5);
    EXPECT_FALSE(cooling.clearTitle);
    EXPECT_EQ(Shown(*cooling.line1), "{2110} 5 {2118}");
    EXPECT_EQ(Shown(*cooling.line2), "{2111}");
    EXPECT_EQ(Shown(*cooling.line3), "{2112}");

    const AlarmLines thermo = PlanAlarmTexts({0, 1, 0}, std::nullopt);
    ASSERT_TRUE(thermo.line1.has_value());
    EXPECT_TRUE(thermo.line1->Empty());
    EXPECT_EQ(Shown(*thermo.line2), "{2111}");

    const AlarmLines charge = PlanAlarmTexts({1, 0, 0}, 5);
    EXPECT_EQ(Shown(*charge.line1), "{2108}");
    EXPECT_EQ(Shown(*charge.line2), "{2109}");
    ASSERT_TRUE(charge.line3.has_value());
    EXPECT_TRUE(charge.line3->Empty());

    const AlarmLines none = PlanAlarmTexts({}, 5);
    EXPECT_TRUE(none.clearTitle);
    EXPECT_FALSE(none.line1 || none.line2 || none.line3);
}

TEST(StatusPanelPlan, OkButtonTakesOverTheSuggestions)
{
    struct Case {
        int flags;
        bool takesT01;
        int left;
        bool off, interval, t01;
    };
    const Case cases[] = {
        {0x8C, true, 0x00, true, false, true},  {0x8C, false, 0x04, true, false, false},
        {0x0E, true, 0x02, false, true, true},  {0x08, false, 0x00, false, true, false},
        {0x04, true, 0x00, false, false, true}, {0x12, true, 0x12, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.flags << (c.takesT01 ? " with T0.1" : ""));
        const StatusSet set = PlanStatusSet(c.flags, c.takesT01);
        EXPECT_EQ(set.flags, c.left);
        EXPECT_EQ(set.intervalOff, c.off);
        EXPECT_EQ(set.intervalSuggested, c.interval);
        EXPECT_EQ(set.t01Suggested, c.t01);
    }
}
