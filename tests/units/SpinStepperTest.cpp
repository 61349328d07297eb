#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "units/core/QuirelA1Codec.h"
#include "units/core/SpinStepper.h"

namespace {

// Steps sent by a held button: one entry per line event, 0 for none.
std::vector<int> Hold(SpinStepper& stepper, bool up, int value, int downLimit, int events)
{
    std::vector<int> sent;
    for (int i = 0; i < events; ++i)
        sent.push_back(stepper.Line(up, value, downLimit).value_or(0));
    return sent;
}

}  // namespace

TEST(SpinStepper, HeldButtonSendsWholeStopsOnTheSecondAndEveryFifthEvent)
{
    SpinStepper stepper;
    EXPECT_EQ(Hold(stepper, true, 60, 33, 12), (std::vector<int>{0, 10, 0, 0, 0, 0, 10, 0, 0, 0, 0, 10}));
    EXPECT_FALSE(stepper.Release(true, 60).has_value());
    EXPECT_FALSE(stepper.Armed());

    SpinStepper down;
    EXPECT_EQ(Hold(down, false, 70, 33, 7), (std::vector<int>{0, -10, 0, 0, 0, 0, -10}));
}

TEST(SpinStepper, HeldButtonStopsAtTheEnds)
{
    SpinStepper top;
    EXPECT_EQ(Hold(top, true, 100, 33, 7), (std::vector<int>(7, 0)));
    SpinStepper belowTop;
    EXPECT_EQ(Hold(belowTop, true, 95, 33, 2), (std::vector<int>{0, 10}));
    SpinStepper floor;
    EXPECT_EQ(Hold(floor, false, 33, 33, 7), (std::vector<int>(7, 0)));
    SpinStepper aux3;
    EXPECT_EQ(Hold(aux3, false, 60, 60, 2), (std::vector<int>{0, 0}));
    SpinStepper aboveAux3;
    EXPECT_EQ(Hold(aboveAux3, false, 61, 60, 2), (std::vector<int>{0, -10}));
}

TEST(SpinStepper, ClickSendsOneTenthOnRelease)
{
    SpinStepper stepper;
    EXPECT_FALSE(stepper.Line(false, 61, 60).has_value());
    EXPECT_EQ(stepper.Release(true, 61), -1);
    EXPECT_FALSE(stepper.Armed());
    EXPECT_FALSE(stepper.Release(true, 61).has_value());

    EXPECT_FALSE(stepper.Line(true, 60, 33).has_value());
    EXPECT_EQ(stepper.Release(true, 60), 1);

    // The release of another control disarms without sending.
    stepper.Line(true, 60, 33);
    EXPECT_FALSE(stepper.Release(false, 60).has_value());
    EXPECT_FALSE(stepper.Armed());
}

TEST(SpinStepper, ClickLandsOnTheThirdStopGrid)
{
    struct Case {
        bool up;
        int value, step;
    };
    const Case cases[] = {{true, 50, 3}, {true, 53, 4}, {true, 57, 3}, {false, 34, -1}, {false, 60, -3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        SpinStepper stepper;
        stepper.Line(c.up, c.value, 33);
        EXPECT_EQ(stepper.Release(true, c.value, QuirelA1Codec::ThirdStopStep), c.step);
    }
}

TEST(SpinStepper, SteppedEnergyNeverWrapsBelowZero)
{
    EXPECT_EQ(SteppedEnergy(0, -1), 0);
    EXPECT_EQ(SteppedEnergy(5, -10), 0);
    EXPECT_EQ(SteppedEnergy(60, -10), 50);
    EXPECT_EQ(SteppedEnergy(95, 10), 105);
}
