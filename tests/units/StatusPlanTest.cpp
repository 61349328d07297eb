#include <gtest/gtest.h>

#include <string>

#include "RecordBytes.h"
#include "units/core/StatusPlan.h"

namespace {

using StatusPlan::Alarms;

struct TitleCase {
    std::string name;
    Alarms alarms;
    int serviceLevel;
    int titleId;
    int expectedTitle;
    bool alarmGroup;
    bool group1;
};

TEST(StatusPlanTest, AlarmsTitleThePanelThermoFirst)
{
    const TitleCase cases[] = {
        {"no alarm", {false, false}, 0, 0, 2124, false, true},
        {"no alarm, asked title", {false, false}, 0, 2123, 2123, false, true},
        {"charge error", {true, false}, 0, 0, 2120, true, false},
        {"thermo", {false, true}, 0, 0, 2122, true, false},
        {"both", {true, true}, 0, 2123, 2122, true, false},
        {"charge error in service mode", {true, false}, 3, 0, 2119, false, true},
        {"thermo in service mode", {true, true}, 1, 0, 2121, false, true},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.name);
        StatusPlan::Request request;
        request.titleId = c.titleId;
        const StatusPlan::Panel panel = StatusPlan::Plan(request, c.alarms, c.serviceLevel, false, true);
        EXPECT_EQ(panel.titleId, c.expectedTitle);
        EXPECT_EQ(panel.alarmGroup, c.alarmGroup);
        EXPECT_EQ(panel.group1, c.group1);
        EXPECT_FALSE(panel.group2);
        EXPECT_FALSE(panel.auxView);
    }
}

TEST(StatusPlanTest, PlainStatusViewLeavesFlashControlsAndRedMarkersAlone)
{
    const StatusPlan::Panel panel = StatusPlan::Plan({}, {}, 0, false, true);
    EXPECT_FALSE(panel.flashControls.has_value());
    EXPECT_FALSE(panel.led.has_value());
    EXPECT_FALSE(panel.flashRed || panel.sequenceRed || panel.intervalRed || panel.setShown);
}

TEST(StatusPlanTest, AuxViewHidesTheFlashControlsOnlyWhenItChanges)
{
    StatusPlan::Request request;
    request.auxActive = true;
    request.titleId = 2123;
    request.sequenceRed = true;
    request.setShown = true;
    const StatusPlan::Panel entering = StatusPlan::Plan(request, {}, 0, false, true);
    EXPECT_TRUE(entering.auxView);
    EXPECT_TRUE(entering.group2);
    EXPECT_FALSE(entering.group1);
    EXPECT_EQ(entering.titleId, 2123);
    EXPECT_EQ(entering.flashControls, false);
    EXPECT_EQ(entering.led, false);
    EXPECT_TRUE(entering.sequenceRed);
    EXPECT_TRUE(entering.setShown);
    EXPECT_FALSE(entering.flashRed);

    const StatusPlan::Panel staying = StatusPlan::Plan(request, {}, 0, entering.auxView, true);
    EXPECT_FALSE(staying.flashControls.has_value());
    EXPECT_FALSE(staying.led.has_value());

    const StatusPlan::Panel leaving = StatusPlan::Plan({}, {}, 0, staying.auxView, false);
    EXPECT_EQ(leaving.flashControls, true);
    EXPECT_EQ(leaving.led, false);
    EXPECT_FALSE(leaving.sequenceRed || leaving.setShown);
}

TEST(StatusPlanTest, AnAlarmOutsideServiceModeOverridesTheAuxView)
{
    StatusPlan::Request request;
    request.auxActive = true;
    request.flashRed = true;
    const StatusPlan::Panel panel = StatusPlan::Plan(request, {true, false}, 0, true, true);
    EXPECT_TRUE(panel.alarmGroup);
    EXPECT_FALSE(panel.group1 || panel.group2 || panel.auxView || panel.flashRed);
    EXPECT_EQ(panel.flashControls, true);
    EXPECT_EQ(panel.led, true);
}

TEST(StatusPlanTest, AlarmTextsFollowTheAlarms)
{
    const StatusPlan::AlarmTexts thermo = StatusPlan::PlanAlarmTexts({true, true});
    EXPECT_FALSE(thermo.alarm.has_value());
    EXPECT_EQ(thermo.lines, (std::array<std::optional<int>, 3>{0, 2111, 2112}));
    const StatusPlan::AlarmTexts charge = StatusPlan::PlanAlarmTexts({true, false});
    EXPECT_FALSE(charge.alarm.has_value());
    EXPECT_EQ(charge.lines, (std::array<std::optional<int>, 3>{2108, 2109, 0}));
    const StatusPlan::AlarmTexts none = StatusPlan::PlanAlarmTexts({false, false});
    EXPECT_EQ(none.alarm, 0);
    EXPECT_EQ(none.lines, (std::array<std::optional<int>, 3>{}));
}

TEST(StatusPlanTest, AlarmRecordReadsBitZeroOfBothBytes)
{
    const auto alarms = StatusPlan::DecodeAlarms(View(MakeRecord(7, 7, {{5, 0xFE}, {6, 0x03}})));
    ASSERT_TRUE(alarms.has_value());
    EXPECT_FALSE(alarms->charge);
    EXPECT_TRUE(alarms->thermo);
}

TEST(StatusPlanTest, SettingPagesOfARadioUnitSeeNoServiceLevel)
{
    EXPECT_EQ(StatusPlan::SettingPagesServiceLevel(2, true), 0);
    EXPECT_EQ(StatusPlan::SettingPagesServiceLevel(2, false), 2);
    EXPECT_EQ(StatusPlan::SettingPagesServiceLevel(0, false), 0);
}

}  // namespace
