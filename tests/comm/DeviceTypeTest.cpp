// Unit records created from identity answers, by the device-type table.
#include "BusFixture.h"

namespace {

struct IdentityCase {
    uint16_t typeCode;
    uint8_t variant;
    uint8_t radio;
    const char* longName;  // null: no record
    const char* shortCode;
    int energyClass;
};

void PrintTo(const IdentityCase& c, std::ostream* os)
{
    *os << c.typeCode << "/0x" << std::hex << int(c.variant);
}

class DeviceTypeTest : public BusFixture, public testing::WithParamInterface<IdentityCase> {};

TEST_P(DeviceTypeTest, IdentityAnswerMakesTheRecordOfTheTable)
{
    const IdentityCase& c = GetParam();
    bus.AddUnit(1, 1, c.typeCode, c.variant).radio = c.radio;
    Open(1, 1, 1);
    const bool found = RunUntil([&] { return Device(1) != nullptr; }, 12);
    if (!c.longName) {
        EXPECT_FALSE(found);
        // Still unknown: the search keeps asking who is there.
        Run(6);
        EXPECT_EQ(bus.FindUnit(1)->commands.back().code, 101);
        return;
    }
    ASSERT_TRUE(found);
    VESKCOMM_DEVICE device = Device(1);
    char longName[64];
    char shortCode[64];
    VeskCommDeviceGetGeraetetyp(device, longName, sizeof longName);
    VeskCommDeviceGetGeraetetypKurz(device, shortCode, sizeof shortCode);
    EXPECT_STREQ(longName, c.longName);
    EXPECT_STREQ(shortCode, c.shortCode);
    EXPECT_EQ(VeskCommDeviceGetEnergietyp(device), c.energyClass);
    EXPECT_EQ(VeskCommDeviceGetVersion(device), c.typeCode);
    EXPECT_EQ(VeskCommDeviceGetRF_Stat(device), c.radio & 1);
    EXPECT_EQ(VeskCommDeviceGetAdresse(device), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeviceTypeTest,
    testing::Values(
        IdentityCase{16, 0x41, 0, "Quirel Q4", "-  Q4", 1}, IdentityCase{16, 0x40, 1, "Quirel Q2", "-  Q2", 0},
        IdentityCase{16, 0x42, 0, "Quirel Q2", "-  Q2", 2}, IdentityCase{16, 0x43, 0, "Quirel Q2", "-  Q2", 3},
        IdentityCase{16, 0x01, 0, nullptr, nullptr, 0}, IdentityCase{16, 0x81, 0, nullptr, nullptr, 0},
        IdentityCase{16, 0xC1, 0, nullptr, nullptr, 0}, IdentityCase{18, 0x06, 3, "T160", "-T160", 2},
        IdentityCase{20, 0x00, 0, "Nuvek N2", "-  N2", 0}, IdentityCase{20, 0x07, 1, "Nuvek N8 E", "- N8E", 3},
        IdentityCase{25, 0x00, 0, "Sorvant 40", "- S40", 0}, IdentityCase{25, 0x01, 0, "Sorvant 80", "- S80", 1},
        IdentityCase{25, 0x06, 0, "Sorvant 160", "-S160", 2}, IdentityCase{25, 0x07, 0, "Sorvant 160", "-S160", 3},
        IdentityCase{26, 0x00, 0, "Hexor 800", "-H800", 0}, IdentityCase{26, 0x05, 0, "Hexor 1600", "-H1600", 1},
        IdentityCase{32, 0x01, 0, "Ribex R4", "-  R4", 1}, IdentityCase{32, 0x03, 1, "Ribex R8 E", "-  R8E", 3},
        IdentityCase{37, 0x00, 1, "Zarit 1600S", "-  Z16S", 0}, IdentityCase{37, 0x02, 0, "Zarit 6400S", "-  Z64S", 2},
        IdentityCase{37, 0x09, 0, "Zarit Z4", "-  Z4", 1}, IdentityCase{37, 0x38, 0, "Zarit Z2", "-  Z2", 0},
        IdentityCase{37, 0x0F, 0, "Zarit Z8", "-  Z8", 7}, IdentityCase{137, 0x01, 1, "Zarit 3200E", "-  Z32E", 1},
        IdentityCase{137, 0x06, 0, "Zarit 6400E", "-  Z64E", 6}, IdentityCase{99, 0x00, 0, nullptr, nullptr, 0}));

class RadioByteTest : public BusFixture {};

TEST_F(RadioByteTest, RadioFlagComesFromTheTypesOwnByte)
{
    Open(1, 1, 4);
    Tick();
    // Bit 0 set only in byte 8: a Zarit reads byte 13, a Nuvek byte 8.
    bus.SendRecord(1, 2, 4, {137, 16, 216, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0});
    bus.SendRecord(1, 3, 4, {20, 7, 1, 0, 0, 0, 0, 0, 1});
    Tick();
    ASSERT_TRUE(Device(2) && Device(3));
    EXPECT_EQ(VeskCommDeviceGetRF_Stat(Device(2)), 0);
    EXPECT_EQ(VeskCommDeviceGetRF_Stat(Device(3)), 1);
    // An identity from an address that has a record goes to that record.
    events.clear();
    bus.SendRecord(1, 2, 4, {37, 16, 216, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    Tick();
    EXPECT_EQ(events, std::vector<std::string>{"data 2 4"});
    char name[32];
    VeskCommDeviceGetGeraetetyp(Device(2), name, sizeof name);
    EXPECT_STREQ(name, "Zarit 3200E");
}

}  // namespace
