#include <gtest/gtest.h>

#include "units/core/CommandBytes.h"
#include "units/core/RecordView.h"

TEST(RecordViewTest, ReadsBigEndianAndStopsAtTheEnd)
{
    const uint8_t bytes[] = {9, 1, 3, 0, 4, 0x12, 0x34, 'A', 0};
    RecordView record(bytes, sizeof bytes);
    EXPECT_EQ(record.Number(), 4);
    EXPECT_EQ(record.Be16(5), 0x1234);
    EXPECT_EQ(record.Be32(3), 0x00041234u);
    EXPECT_EQ(record.Be24(5), 0x123441u);
    EXPECT_TRUE(record.Has(8));
    EXPECT_FALSE(record.Has(9));
    EXPECT_EQ(record.Byte(9), 0);
    EXPECT_EQ(record.Be16(8), 0);
    EXPECT_EQ(record.Text(7, 5), "A");
    EXPECT_EQ(RecordView(nullptr, 5).Size(), 0u);
}

TEST(CommandBytesTest, LaysBytesHighFirstAndPadsTexts)
{
    CommandBytes data;
    data.Byte(0x165).Be16(0x165).Be32(123456).Text("ab", 4);
    EXPECT_EQ(data, (std::vector<uint8_t>{0x65, 0x01, 0x65, 0x00, 0x01, 0xE2, 0x40, 'a', 'b', 0, 0}));
}
