#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "units/core/SpinStepper.h"

namespace {

using Direction = SpinStepper::Direction;

// What a page sends while a spin button is pressed, held and let go: the
// deltas of its commands 1, the release's single step last.
std::vector<int> Press(SpinStepper& stepper, Direction direction, int value, int events, int lowerLimit,
                       SpinStepper::SingleStepRule rule = SpinStepper::TenthStep)
{
    std::vector<int> sent;
    for (int i = 0; i < events; ++i)
        if (stepper.Line(direction, value, lowerLimit))
            sent.push_back(stepper.Delta());
    if (stepper.SingleStep(value, rule))
        sent.push_back(stepper.Delta());
    stepper.Disarm();
    return sent;
}

struct PressCase {
    std::string name;
    Direction direction;
    int value;
    int events;
    int lowerLimit;
    std::vector<int> sent;
};

TEST(SpinStepperTest, ClicksStepATenthAndHeldButtonsAWholeStopEveryFifthRepeat)
{
    const PressCase cases[] = {
        {"click up", Direction::Up, 50, 1, 33, {1}},
        {"click down", Direction::Down, 50, 1, 33, {-1}},
        {"click up at 100 still steps", Direction::Up, 100, 1, 33, {1}},
        {"click down at 33 still steps", Direction::Down, 33, 1, 33, {-1}},
        {"first repeat steps a stop", Direction::Up, 50, 2, 33, {10}},
        {"four more repeats send nothing", Direction::Up, 50, 6, 33, {10}},
        {"the fifth repeat after the first steps again", Direction::Up, 50, 7, 33, {10, 10}},
        {"and every fifth after it", Direction::Down, 80, 12, 33, {-10, -10, -10}},
        {"held up at 100 sends nothing", Direction::Up, 100, 7, 33, {}},
        {"held down at the limit sends nothing", Direction::Down, 33, 7, 33, {}},
        {"held down just above the limit steps", Direction::Down, 34, 2, 33, {-10}},
        {"a bar with a higher limit", Direction::Down, 60, 2, 60, {}},
        {"a bar with the lowest limit", Direction::Down, 2, 2, 1, {-10}},
    };
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.name);
        SpinStepper stepper;
        EXPECT_EQ(Press(stepper, c.direction, c.value, c.events, c.lowerLimit), c.sent);
        EXPECT_FALSE(stepper.IsArmed());
        EXPECT_EQ(stepper.Delta(), 0);
    }
}

TEST(SpinStepperTest, EachPressStartsAfresh)
{
    SpinStepper stepper;
    EXPECT_EQ(Press(stepper, Direction::Up, 50, 3, 33), std::vector<int>{10});
    EXPECT_EQ(Press(stepper, Direction::Down, 50, 1, 33), std::vector<int>{-1});
    EXPECT_EQ(Press(stepper, Direction::Down, 50, 2, 33), std::vector<int>{-10});
}

TEST(SpinStepperTest, FirstEventArmsWithATenthAndSendsNothing)
{
    SpinStepper stepper;
    EXPECT_FALSE(stepper.IsArmed());
    EXPECT_FALSE(stepper.Line(Direction::Down, 50));
    EXPECT_TRUE(stepper.IsArmed());
    EXPECT_EQ(stepper.Delta(), -1);
}

TEST(SpinStepperTest, ReleaseOfAnUnarmedSpinSendsNothing)
{
    SpinStepper stepper;
    EXPECT_FALSE(stepper.SingleStep(50));
    EXPECT_EQ(stepper.Delta(), 0);
}

TEST(SpinStepperTest, ThirdStopGridStepsToTheNextPoint)
{
    struct Case {
        Direction direction;
        int value;
        int sent;
    };
    const Case cases[] = {
        {Direction::Up, 50, 53 - 50},  {Direction::Up, 53, 57 - 53},   {Direction::Up, 57, 60 - 57},
        {Direction::Up, 99, 100 - 99}, {Direction::Up, 100, 0},        {Direction::Down, 60, 57 - 60},
        {Direction::Down, 57, 53 - 57}, {Direction::Down, 53, 50 - 53}, {Direction::Down, 34, 33 - 34},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        SpinStepper stepper;
        EXPECT_EQ(Press(stepper, c.direction, c.value, 1, 33, SpinStepper::ThirdStopGridStep),
                  std::vector<int>{c.sent});
    }
}

}  // namespace
