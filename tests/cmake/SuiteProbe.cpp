// A small GoogleTest program for the check of the suites' registration
// (SuiteRegistrationTest.cmake): one outcome or mix of outcomes per suite.
#include <gtest/gtest.h>

TEST(Passes, Passes) {}

TEST(Skips, Passes) {}
TEST(Skips, Skips)
{
    GTEST_SKIP() << "as a case without its locale or screen";
}

TEST(SkipsAndFails, Skips)
{
    GTEST_SKIP() << "as a case without its locale or screen";
}
TEST(SkipsAndFails, Fails)
{
    ADD_FAILURE() << "meant to fail beside a skip";
}

TEST(Long, Passes) {}
TEST(Long, Skips)
{
    GTEST_SKIP() << "as a case without its locale or screen";
}
TEST(Long, Fails)
{
    ADD_FAILURE() << "meant to fail";
}
