// The demo generator's tables and the functions that read only them.
#include <gtest/gtest.h>

#include <vector>

#include "comm/DemoGeneratorModel.h"

namespace model = DemoGeneratorModel;

namespace {

struct Pair {
    uint32_t in;
    uint32_t out;
};

TEST(DemoModelTest, EnergyTableHasItsRoundingExceptionsAndNoEntryOutsideTheCodes)
{
    const std::vector<Pair> joules = {
        {33, 154},  {36, 190},   {49, 466},   {60, 1000},   {61, 1072}, {67, 1624}, {72, 2297},
        {88, 6964}, {98, 13929}, {99, 14928}, {100, 16000}, {0, 0},     {32, 0},    {101, 0},
    };
    for (const Pair& p : joules)
        EXPECT_EQ(model::Joules(static_cast<int>(p.in)), p.out) << "J(" << p.in << ")";

    const std::vector<Pair> percent = {{33, 9},  {52, 36},   {60, 62}, {66, 95}, {67, 10},
                                       {72, 15}, {100, 100}, {0, 0},   {20, 0}};
    for (const Pair& p : percent)
        EXPECT_EQ(model::Percent(static_cast<int>(p.in)), p.out) << "P(" << p.in << ")";
}

TEST(DemoModelTest, EnergyStepsMeetEveryGivenPointAndRiseSteadily)
{
    for (int i = 0; i <= 60; ++i)
        EXPECT_EQ(model::EnergyStep(i), 23u) << i;
    const std::vector<Pair> points = {{64, 25},   {72, 37},   {100, 92},  {136, 200},
                                      {181, 393}, {200, 494}, {219, 606}, {255, 851}};
    for (const Pair& p : points)
        EXPECT_EQ(model::EnergyStep(static_cast<int>(p.in)), p.out) << "L[" << p.in << "]";
    for (int i = 1; i < 256; ++i)
        EXPECT_GE(model::EnergyStep(i), model::EnergyStep(i - 1)) << i;

    // The halving search: the largest index at or below x, 0 when none is.
    const std::vector<Pair> searches = {{0, 0},     {22, 0},    {23, 62},   {24, 63},   {150, 121},
                                        {200, 136}, {800, 248}, {851, 255}, {5000, 255}};
    for (const Pair& p : searches)
        EXPECT_EQ(model::EnergyStepIndex(p.in), p.out) << "search " << p.in;
}

TEST(DemoModelTest, CodeFromJoules)
{
    const std::vector<Pair> cases = {
        {0, 0},     {1, 33},    {100, 33},  {154, 33},    {156, 34},    {308, 43},    {1000, 60},
        {1001, 60}, {1002, 61}, {2154, 72}, {15000, 100}, {16000, 100}, {40000, 100},
    };
    for (const Pair& c : cases)
        EXPECT_EQ(model::CodeFromJoules(c.in), c.out) << "CodeFromJoules(" << c.in << ")";
}

TEST(DemoModelTest, FindDurationStepGivesTheTableDurationAtOrBelowAndItsIndex)
{
    struct Case {
        uint32_t duration;
        uint32_t step;
        int index;
    };
    const std::vector<Case> cases = {
        {0, 85, 0},     {84, 85, 0},      {85, 85, 0},      {99, 85, 0},      {100, 100, 1},
        {564, 535, 25}, {7499, 7000, 62}, {7500, 7500, 63}, {8000, 7500, 63}, {10000, 7500, 63},
    };
    for (const Case& c : cases) {
        uint8_t index = 99;
        EXPECT_EQ(model::FindDurationStep(c.duration, index), c.step) << c.duration;
        EXPECT_EQ(index, c.index) << c.duration;
    }
}

TEST(DemoModelTest, RecycleFromIndexRisesInSegments)
{
    const std::vector<Pair> cases = {
        {0, 0},    {1, 20},   {71, 20},   {72, 20},   {106, 37},  {135, 52},  {136, 53},
        {180, 82}, {181, 84}, {218, 106}, {219, 108}, {248, 143}, {255, 152},
    };
    for (const Pair& c : cases)
        EXPECT_EQ(model::RecycleFromIndex(static_cast<int>(c.in)), c.out) << "RecycleFromIndex(" << c.in << ")";
}

TEST(DemoModelTest, DurationFromTimesTakesTheFirstWidthThatFitsBetweenTheTimes)
{
    struct Case {
        const char* name;
        model::DurationInputs in;
        uint32_t rate;
    };
    const std::vector<Case> cases = {
        {"first width below the first time", {0, 2, 100, 9709, 9709, 1600, 3, 3}, 564},
        {"second width between the times", {0, 2, 100, 100, 10000, 1600, 3, 3}, 278},
        {"two channels past the second time", {0, 2, 100, 100, 5000, 1600, 3, 3}, 395},
        {"three channels past the second time", {0, 3, 100, 100, 2000, 1600, 3, 3}, 220},
        {"class 1 doubles the constant", {1, 2, 100, 100, 20000, 1600, 3, 3}, 140},
        // A width of 0 is bounded at 1 instead of dividing by it.
        {"no time factor", {0, 2, 0, 0, 0, 1600, 3, 3}, 2000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(model::DurationFromTimes(c.in), c.rate) << c.name;
}

TEST(DemoModelTest, SequenceProgramsAndTheirFirstPeriods)
{
    struct Case {
        int program;
        uint8_t count;
        std::vector<uint32_t> steps;
    };
    const std::vector<Case> cases = {
        {1, 2, {2, 2}},       {4, 2, {16, 16}},          {5, 3, {2, 2, 2}},     {8, 3, {16, 16, 16}},
        {9, 4, {2, 2, 2, 2}}, {12, 4, {16, 16, 16, 16}}, {13, 4, {8, 8, 4, 2}}, {16, 4, {64, 64, 32, 16}},
    };
    for (const Case& c : cases) {
        const model::SequenceProgram& p = model::SequenceProgramOf(c.program);
        EXPECT_EQ(p.stepCount, c.count) << c.program;
        EXPECT_EQ(std::vector<uint32_t>(p.steps, p.steps + p.stepCount), c.steps) << c.program;
    }

    EXPECT_EQ(model::SequencePeriod(0, true, 1), 960u);
    EXPECT_EQ(model::SequencePeriod(0, true, 16), 960u);
    EXPECT_EQ(model::SequencePeriod(0, false, 3), 1882u);
    EXPECT_EQ(model::SequencePeriod(1, true, 8), 2004u);
    EXPECT_EQ(model::SequencePeriod(1, true, 9), 3628u);
    EXPECT_EQ(model::SequencePeriod(1, false, 2), 3628u);
}

}  // namespace
