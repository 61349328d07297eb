// The simulated bus's Nuvek, Ribex and Quirel A1 units as a program meets them through
// the library: they answer the request for all records with every record on
// the following polls, and each command the pages send changes the records
// as the unit would, the changed record coming on the next poll.
#include "BusFixture.h"

#include <cstring>

namespace {

const uint8_t kAddress = 3;

class SimUnitFamilyTest : public BusFixture {
protected:
    void Start(uint16_t typeCode, uint8_t variant = 1)
    {
        bus.AddUnit(kAddress, 1, typeCode, variant);
        onData = [this](VESKCOMM_DEVICE, const unsigned char* record, int count) {
            const uint16_t number = ReadBe16(record + 3);
            records[number].assign(record + 5, record + count);
            arrived.push_back(number);
        };
        Open(1, kAddress, kAddress);
        ASSERT_TRUE(RunUntil([&] { return Device(kAddress) != nullptr; }));
        focus = Device(kAddress);
        VeskCommPortSetFocusedDevice(port, focus);
        arrived.clear();
    }

    void Send(uint16_t code, std::vector<uint8_t> data)
    {
        std::vector<uint8_t> buffer(data.size() + 7, 0);
        std::copy(data.begin(), data.end(), buffer.begin() + 6);
        VeskCommPortTransmit(port, buffer.data(), static_cast<uint8_t>(data.size()), kAddress, code);
    }

    // Ticks until the record arrives (again); its data bytes.
    const std::vector<uint8_t>& Await(uint16_t number)
    {
        arrived.clear();
        EXPECT_TRUE(RunUntil([&] { return std::find(arrived.begin(), arrived.end(), number) != arrived.end(); }))
            << "record " << number;
        return records[number];
    }

    // Record byte index of the last record number.
    int Byte(uint16_t number, int index) { return records[number].at(static_cast<std::size_t>(index - 5)); }

    std::map<uint16_t, std::vector<uint8_t>> records;
    std::vector<uint16_t> arrived;
};

TEST_F(SimUnitFamilyTest, RequestForAllRecordsBringsEveryRecordOnThePolls)
{
    Start(20);
    Send(14, {});
    const std::vector<uint16_t> all = {1, 2, 3, 4, 5, 6, 7, 8, 100, 101, 102, 103, 104};
    ASSERT_TRUE(RunUntil([&] {
        for (uint16_t number : all)
            if (!records.count(number))
                return false;
        return true;
    }));
    // Lengths as the decoders read them: status to byte 24, counters to 23,
    // memories to 15; the unit information is the identity.
    EXPECT_EQ(records[1].size(), 20u);
    EXPECT_EQ(records[6].size(), 19u);
    EXPECT_EQ(records[101].size(), 11u);
    EXPECT_EQ(records[4][0], 20);
    EXPECT_EQ(records[4][2], 1);
    EXPECT_EQ(Byte(1, 21) & 0x01, 1);
    EXPECT_EQ(Byte(102, 5), 0xFF);
}

TEST_F(SimUnitFamilyTest, CommandsChangeTheRecordsAsTheUnitWould)
{
    Start(20);
    struct Case {
        uint16_t code;
        std::vector<uint8_t> data;
        uint16_t record;
        int index;
        int value;
    };
    const Case cases[] = {
        // The unit keeps energies within 100.
        {1, {120, 0, 1}, 1, 5, 100},
        {1, {30, 2, 5}, 1, 13, 30},
        {1, {30, 2, 5}, 1, 21, 0x01 | 0x08 | 0x10 | 0x20},
        {3, {0x45}, 1, 22, 5},
        {3, {0x81}, 5, 5, 0x08 | 0x01},
        {4, {0x41}, 5, 5, 0x08 | 0x01 | 0x04},
        {4, {0x80}, 5, 5, 0x08 | 0x01 | 0x04},
        {4, {0x21}, 5, 5, 0x08 | 0x01 | 0x04 | 0x80},
        {5, {7}, 2, 5, 7},
        {11, {0x05, 2, 5, 7, 0}, 3, 7, 5},
        {17, {0x0F}, 2, 6, 1},
        {17, {0x00}, 5, 5, 0x01 | 0x04 | 0x80},
        {27, {}, 1, 21, 0x08 | 0x10 | 0x20},
        {28, {}, 1, 21, 0x01 | 0x08 | 0x10 | 0x20},
        // The present settings into memory 3: outlet 2, outlet 1, main, sequence.
        {12, {2}, 103, 5, 30},
        {12, {2}, 103, 8, 7},
        {12, {2}, 103, 15, 0x02 | 0x08 | 0x10},
        // Memory 1 back: main 6.0, outlet 1 at 5.0, sequence 2.
        {13, {0}, 1, 5, 60},
        {13, {0}, 2, 5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.code));
        Send(c.code, c.data);
        Await(c.record);
        EXPECT_EQ(Byte(c.record, c.index), c.value);
    }
}

TEST_F(SimUnitFamilyTest, RibexOptionsAndTestFlash)
{
    Start(32);
    Send(17, {0x33});
    Await(5);
    EXPECT_EQ(Byte(5, 5), 0x08 | 0x10);
    EXPECT_EQ(Byte(5, 9), 0x03);
    // The test flash is not answered; its end comes as record 98.
    Send(102, {});
    EXPECT_TRUE(Await(98).empty());
    // An empty memory is not recalled.
    Send(13, {3});
    Run(20);
    EXPECT_EQ(std::count(arrived.begin(), arrived.end(), 1), 0);
}

TEST_F(SimUnitFamilyTest, QuirelUnitReportsEveryRecordAsLongAsItsDecodersRead)
{
    // A Quirel Q4: the table makes a unit only with variant bits 0x40.
    Start(16, 0x41);
    Send(14, {});
    const std::pair<uint16_t, std::size_t> lengths[] = {{1, 20}, {2, 18}, {3, 5},    {5, 3},   {6, 19},
                                                        {7, 3},  {8, 7},  {101, 11}, {104, 11}};
    ASSERT_TRUE(RunUntil([&] {
        for (const auto& [number, length] : lengths)
            if (!records.count(number))
                return false;
        return records.count(4) && records.count(100);
    }));
    for (const auto& [number, length] : lengths)
        EXPECT_EQ(records[number].size(), length) << number;
    // The unit information is the identity: a Quirel with its variant.
    EXPECT_EQ(records[4][0], 16);
    EXPECT_EQ(Byte(1, 17), 30);
    EXPECT_EQ(Byte(1, 21), 0xBD);
}

TEST_F(SimUnitFamilyTest, QuirelCommandsChangeTheRecordsAsTheUnitWould)
{
    // A Quirel Q4: the table makes a unit only with variant bits 0x40.
    Start(16, 0x41);
    struct Case {
        uint16_t code;
        std::vector<uint8_t> data;
        uint16_t record;
        int index;
        int value;
    };
    const Case cases[] = {
        // Outlet 3 at 6.0, switched on with outlet 1; outlet 2 off.
        {1, {60, 3, 0x0B}, 1, 17, 60},
        {1, {60, 3, 0x0B}, 1, 21, 0x01 | 0x0C | 0x20 | 0xC0},
        {1, {130, 0, 0x0B}, 1, 5, 100},
        // T0.1 from 1/500 one step shorter, then two longer.
        {6, {1}, 2, 14, 1000 & 0xFF},
        {6, {0}, 2, 14, 500 & 0xFF},
        {6, {0}, 2, 14, 250},
        {7, {0x01, 0x2C}, 2, 8, 0x2C},
        {8, {0x00, 0x96}, 2, 10, 0x96},
        {9, {4}, 2, 11, 4},
        {10, {2}, 2, 12, 2},
        {16, {1}, 5, 5, 0x09 | 0x40},
        {17, {0x06}, 5, 5, 0x01 | 0x40 | 0x10 | 0x20},
        {19, {4}, 5, 6, 4},
        {20, {2}, 5, 7, 2},
        {21, {0x0D, 0x05}, 8, 7, 5},
        {26, {0x0B, 0x0A}, 8, 10, 0x0B},
        {22, {'Q', 'u'}, 6, 11, 'u'},
        // Memory 2 takes the outlets, the timing and 1/250 (code 2).
        {12, {1}, 102, 7, 60},
        {12, {1}, 102, 8, 0x80},
        {12, {1}, 102, 13, 2},
        {12, {1}, 102, 15, 0x01 | 0x04 | 0x08 | 0x10 | 0x20},
        {15, {}, 2, 11, 0},
        // Memory 1 back: outlet 2 at 4.0, sequence 2.
        {13, {0}, 1, 13, 40},
        {13, {0}, 2, 5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.code));
        Send(c.code, c.data);
        Await(c.record);
        EXPECT_EQ(Byte(c.record, c.index), c.value);
    }
}

TEST_F(SimUnitFamilyTest, UnitOfAnUnknownFamilyKeepsOnlyItsStatus)
{
    Start(37);
    Send(14, {});
    Run(20);
    for (uint16_t number : arrived)
        EXPECT_EQ(number, 100);
}

TEST_F(SimUnitFamilyTest, TikoUnitsReportTheirRecordsByModel)
{
    struct Case {
        uint16_t type;
        std::vector<uint8_t> total;
    };
    // 12345 flashes: binary on a Trovalex, base-100 digits on the others.
    for (const Case& c : {Case{18, {0x00, 0x30, 0x39}}, Case{25, {1, 23, 45}}, Case{26, {1, 23, 45}}}) {
        SCOPED_TRACE(c.type);
        records.clear();
        Start(c.type);
        Send(14, {});
        ASSERT_TRUE(RunUntil([&] {
            for (uint16_t number : {1, 2, 3, 4, 5, 6, 7, 8, 100, 101, 102, 103, 104})
                if (!records.count(number))
                    return false;
            return true;
        }));
        // Each as long as its decoder reads.
        const std::pair<uint16_t, std::size_t> lengths[] = {{1, 5}, {2, 9}, {3, 3},   {5, 4},  {6, 17},
                                                            {7, 2}, {8, 7}, {101, 4}, {104, 4}};
        for (const auto& [number, length] : lengths)
            EXPECT_EQ(records[number].size(), length) << number;
        EXPECT_EQ(records[4][0], c.type);
        EXPECT_EQ(std::vector<uint8_t>(records[6].begin(), records[6].begin() + 3), c.total);
        EXPECT_EQ(Byte(102, 7), 0xFF);
        Close();
        bus.RemoveUnit(kAddress);
    }
}

TEST_F(SimUnitFamilyTest, TikoCommandsChangeTheRecordsAsTheUnitWould)
{
    Start(18);
    struct Case {
        uint16_t code;
        std::vector<uint8_t> data;
        uint16_t record;
        int index;
        int value;
    };
    const Case cases[] = {
        // The energy stays within 60..100, or 50..100 with the wide range.
        {1, {120}, 1, 5, 100},
        {1, {40}, 1, 5, 60},
        {29, {1}, 1, 9, 1},
        {1, {40}, 1, 5, 50},
        {29, {0}, 1, 5, 60},
        {3, {0x46}, 1, 7, 6},
        {3, {0x81}, 5, 5, 0x08 | 0x01},
        {4, {0x41}, 5, 5, 0x08 | 0x01 | 0x04},
        {5, {7}, 2, 5, 7},
        {7, {1, 44}, 2, 7, 44},
        {8, {0, 25}, 2, 9, 25},
        {10, {2}, 2, 10, 2},
        {11, {0x0D, 1, 5}, 3, 7, 5},
        // Energy, sequence and delay into memory 7.
        {12, {2}, 103, 5, 60},
        {12, {2}, 103, 6, 7},
        {12, {2}, 103, 8, 25},
        // Memory 5 back: sequence 2, delay 1.5 s.
        {13, {0}, 2, 5, 2},
        {13, {0}, 2, 9, 15},
        {15, {}, 2, 5, 0},
        {16, {1}, 5, 5, 0x08 | 0x01 | 0x04 | 0x40},
        {17, {0x08}, 5, 8, 1},
        {17, {0x08}, 5, 5, 0x01 | 0x04 | 0x40},
        {19, {3}, 5, 6, 3},
        {20, {2}, 5, 7, 2},
        {21, {98, 11}, 8, 6, 98},
        {26, {7, 3}, 8, 11, 3},
        {24, {}, 6, 7, 0},
        {27, {}, 1, 6, 0},
        {28, {}, 1, 6, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.code));
        Send(c.code, c.data);
        Await(c.record);
        EXPECT_EQ(Byte(c.record, c.index), c.value);
    }
    // An empty memory is not recalled.
    arrived.clear();
    Send(13, {3});
    Run(20);
    EXPECT_EQ(std::count(arrived.begin(), arrived.end(), 1), 0);
}

}  // namespace
