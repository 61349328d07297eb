// The echo queue of the auxiliary-function pages on its own: values sent,
// then the unit's reports, oldest first.
#include <gtest/gtest.h>

#include <vector>

#include "pages/aux/EchoQueue.h"

namespace {

TEST(AuxPageEchoQueueTest, ReportsDropUpToTheirMatchOrEmptyTheQueue)
{
    struct Step {
        const char* what;
        bool report;  // else a value sent
        int value;
        bool swallowed;
        std::vector<int> after;
    };
    const Step steps[] = {
        {"report into an empty queue", true, 3, false, {}},
        {"send 5", false, 5, false, {5}},
        {"send 7", false, 7, false, {5, 7}},
        {"send 5 again", false, 5, false, {5, 7, 5}},
        {"echo of the first 5", true, 5, true, {7, 5}},
        {"echo of the last entry", true, 5, true, {}},
        {"send 2", false, 2, false, {2}},
        {"send 4", false, 4, false, {2, 4}},
        {"send 6", false, 6, false, {2, 4, 6}},
        {"echo of the second entry", true, 4, true, {6}},
        {"a value never sent", true, 9, false, {}},
        {"send 0", false, 0, false, {0}},
        {"echo of 0", true, 0, true, {}},
    };
    CEchoQueue queue;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.report)
            EXPECT_EQ(queue.Swallow(step.value), step.swallowed);
        else
            queue.Push(step.value);
        EXPECT_EQ(queue.Entries(), step.after);
    }
}

}  // namespace
