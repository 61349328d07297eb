#include <gtest/gtest.h>

#include <functional>

#include "DemoUnit.h"
#include "TestRecord.h"
#include "units/core/GeneratorRecords.h"
#include "units/core/ModellingLight.h"
#include "units/core/ZaritCodec.h"

using namespace ZaritCodec;

TEST(ZaritRecords, StatusSpreadsOverBarsAndModellingLight)
{
    const TestRecord record(1, 25,
                            {{5, 77},
                             {9, 40},
                             {10, 25},
                             {11, 0x01},
                             {12, 0x2C},
                             {13, 55},
                             {17, 90},
                             {20, 7},
                             {21, 0x9D},
                             {22, 0x53},
                             {23, 0x01},
                             {24, 0x05}});
    const std::optional<GeneratorRecords::Status> status = GeneratorRecords::DecodeStatus(record, kZarit.auxOutlets);
    ASSERT_TRUE(status.has_value());
    ASSERT_EQ(status->outlets.size(), 3u);
    EXPECT_EQ(status->mainValue, 77);
    EXPECT_TRUE(status->powerOn);
    const bool on[3] = {true, true, false};
    const bool available[3] = {true, false, true};
    const int values[3] = {40, 55, 90};
    const bool warning[3] = {true, false, true};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(status->outlets[i].on, on[i]);
        EXPECT_EQ(status->outlets[i].available, available[i]);
        EXPECT_EQ(status->outlets[i].value, values[i]);
        EXPECT_EQ(status->outlets[i].warning, warning[i]);
    }
    EXPECT_EQ(status->outlets[0].percent, 25);
    EXPECT_EQ(status->outlets[0].joules, 300);
    EXPECT_EQ(status->outlets[2].joules, 7);
    EXPECT_EQ(status->modellingLightMode, 3);
    EXPECT_TRUE(status->lmOverShown);
    EXPECT_EQ(Shown(status->lmOverText), "{2061}3");

    const std::optional<GeneratorRecords::Status> off =
        GeneratorRecords::DecodeStatus(TestRecord(1, 25, {{21, 0x62}, {22, 0x27}}), kZarit.auxOutlets);
    ASSERT_TRUE(off.has_value());
    EXPECT_FALSE(off->powerOn);
    EXPECT_FALSE(off->outlets[0].on);
    EXPECT_TRUE(off->outlets[1].available);
    EXPECT_FALSE(off->outlets[1].on);
    EXPECT_TRUE(off->outlets[2].on);
    EXPECT_EQ(off->modellingLightMode, 7);
    EXPECT_FALSE(off->lmOverShown);
    EXPECT_EQ(Shown(off->lmOverText), "{2061}0");
}

TEST(ZaritRecords, AuxFunctionsRouteSuggestionsToTheirSlots)
{
    const TestRecord record(2, 24,
                            {{5, 7},
                             {6, 0x81},
                             {7, 0x01},
                             {8, 0x2C},
                             {9, 0x00},
                             {10, 150},
                             {11, 3},
                             {12, 2},
                             {13, 0x03},
                             {14, 0xE8},
                             {15, 6},
                             {16, 0x01},
                             {20, 0x1C},
                             {21, 0x00},
                             {22, 50}});
    const std::optional<AuxFunctions> aux = DecodeAuxFunctions(record);
    ASSERT_TRUE(aux.has_value());
    EXPECT_EQ(aux->sequence, 7);
    EXPECT_EQ(aux->t01Mode, 0x81);
    EXPECT_EQ(aux->interval, 300);
    EXPECT_TRUE(aux->intervalSuggested);
    EXPECT_EQ(aux->delay, 150);
    EXPECT_EQ(aux->packs, 3);
    EXPECT_EQ(aux->place, 2);
    EXPECT_EQ(aux->t01Value, 1000);
    EXPECT_TRUE(aux->t01Suggested);
    EXPECT_EQ(aux->colour, 6);
    EXPECT_TRUE(aux->colourSuggested);
    EXPECT_TRUE(aux->strobe);
    EXPECT_EQ(aux->flags, 0x1C);
    EXPECT_EQ(aux->minInterval, 50);

    const std::optional<AuxFunctions> plain = DecodeAuxFunctions(TestRecord(2, 23, {{16, 0xFE}, {20, 0x02}}));
    ASSERT_TRUE(plain.has_value());
    EXPECT_FALSE(plain->intervalSuggested);
    EXPECT_FALSE(plain->t01Suggested);
    EXPECT_FALSE(plain->colourSuggested);
    EXPECT_FALSE(plain->strobe);
}

TEST(ZaritRecords, UnitInformationByItsTables)
{
    struct Case {
        int variant, supply;
        const char* model;
        const char* voltage;
        int supplyText;
    };
    const Case cases[] = {
        {0x01, 0, "Zarit Z4S", "100-230V", 2091}, {0x0A, 1, "Zarit Z4", "230V", 2089},
        {0x38, 2, "Zarit Z2", "100V", 2090},      {0x10, 3, "Zarit Z2", "117V", 2091},
        {0x00, 0, "Zarit Z2S", "100-230V", 2091}, {0x1B, 0, "Zarit Z4", "100V", 2091},
        {0xC4, 0, "Zarit Z2S", "100-230V", 2091},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variant);
        TestRecord record(4, 19, {{5, 37}, {6, 5}, {7, 12}, {8, c.variant}, {9, c.supply}});
        record.SetText(10, "12345678").Set(18, 1);
        const std::optional<UnitInfo> info = DecodeUnitInfo(record);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->version, "37.05 / 38.12");
        EXPECT_EQ(info->versionMinor, 5);
        EXPECT_EQ(info->model, c.model);
        EXPECT_EQ(info->voltage, c.voltage);
        EXPECT_EQ(info->supplyTextId, c.supplyText);
        EXPECT_EQ(info->serial, "12345678");
    }
    TestRecord shortSerial(4, 18);
    shortSerial.SetText(10, "C123456");
    EXPECT_EQ(DecodeUnitInfo(shortSerial)->serial, "C123456");
}

TEST(ZaritRecords, OptionsFromTheirBits)
{
    struct Case {
        int bits, display, extra;
        int volume, mode, brightness;
    };
    const Case cases[] = {{0xFF, 0xFF, 0xFF, 3, 1, 3},
                          {0x00, 0x00, 0x00, 0, 0, 0},
                          {0x55, 0x55, 0x05, 1, 1, 2},
                          {0xAA, 0x2A, 0x0A, 2, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const std::optional<Options> options =
            DecodeOptions(TestRecord(5, 8, {{5, c.bits}, {6, c.display}, {7, c.extra}}));
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(options->modellingLightOn, bool(c.bits & 0x01));
        EXPECT_EQ(options->ir, bool(c.bits & 0x02));
        EXPECT_EQ(options->cell, bool(c.bits & 0x04));
        EXPECT_EQ(options->slow, bool(c.bits & 0x10));
        EXPECT_EQ(options->reduced, bool(c.bits & 0x20));
        EXPECT_EQ(options->store, bool(c.bits & 0x40));
        EXPECT_EQ(options->rf, bool(c.bits & 0x80));
        EXPECT_EQ(options->powerDisplay, bool(c.display & 0x01));
        EXPECT_EQ(options->speedDisplay, bool(c.display & 0x02));
        EXPECT_EQ(options->buzzerVolume, c.volume);
        EXPECT_EQ(options->buzzerMode, c.mode);
        EXPECT_EQ(options->brightness, c.brightness);
        EXPECT_EQ(options->readiness, bool(c.extra & 0x01));
        EXPECT_EQ(options->sensitivity, bool(c.extra & 0x02));
        EXPECT_EQ(options->speedFlag, bool(c.extra & 0x04));
        EXPECT_EQ(options->user, bool(c.extra & 0x08));
    }
}

TEST(ZaritRecords, CountersTotalIsUnsigned)
{
    struct Case {
        std::array<int, 7> bytes;
        const char* counter;
        const char* total;
    };
    const Case cases[] = {
        {{0x01, 0x02, 0x03, 0x80, 0x00, 0x00, 0x00}, "66051", "2147483648"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "16777215", "4294967295"},
        {{0x00, 0x00, 25, 0x00, 0x00, 0x05, 0x14}, "25", "1300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        TestRecord record(6, 12);
        for (int i = 0; i < 7; ++i)
            record.Set(5 + i, c.bytes[i]);
        const std::optional<Counters> counters = DecodeCounters(record);
        ASSERT_TRUE(counters.has_value());
        EXPECT_EQ(counters->counter, c.counter);
        EXPECT_EQ(counters->totalCounter, c.total);
    }
}

TEST(ZaritRecords, AlarmsWithTheirLines)
{
    struct Case {
        const char* what;
        int charge, thermo, coolingHigh, coolingLow;
        const char* line1;  // null: no line
        const char* line2;
    };
    const Case cases[] = {
        {"cooling break of 300 seconds", 1, 2, 0x01, 0x2C, "{2110} 5 {2118}", "{2235}"},
        {"cooling time unsigned", 0, 1, 0xFF, 0xFF, "{2110} 1092 {2118}", "{2235}"},
        {"cooling break of 45 seconds", 0, 1, 0x00, 45, "{2110} 45 {2236}", "{2235}"},
        {"charge error", 1, 0, 0x01, 0x2C, "{2108}", "{2109}"},
        {"no alarm", 0, 0, 0x01, 0x2C, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<Alarms> alarms =
            DecodeAlarms(TestRecord(7, 9, {{5, c.charge}, {6, c.thermo}, {7, c.coolingHigh}, {8, c.coolingLow}}));
        ASSERT_TRUE(alarms.has_value());
        EXPECT_EQ(alarms->charge, c.charge);
        EXPECT_EQ(alarms->thermo, c.thermo);
        EXPECT_TRUE(alarms->lines.clearTitle);
        ASSERT_EQ(alarms->lines.line1.has_value(), c.line1 != nullptr);
        ASSERT_EQ(alarms->lines.line2.has_value(), c.line2 != nullptr);
        if (c.line1) {
            EXPECT_EQ(Shown(*alarms->lines.line1), c.line1);
            EXPECT_EQ(Shown(*alarms->lines.line2), c.line2);
        }
    }
}

TEST(ZaritRecords, Dates)
{
    const std::optional<Dates> dates =
        DecodeDates(TestRecord(8, 12, {{6, 50}, {7, 3}, {8, 51}, {9, 3}, {10, 5}, {11, 11}}));
    ASSERT_TRUE(dates.has_value());
    EXPECT_EQ(dates->delivery, "3.2050");
    EXPECT_EQ(dates->service, "3.1951");
    EXPECT_EQ(dates->factory, "11.2005");
}

TEST(ZaritRecords, OwnerKeepsItsBlanksInsideAndTakesTheBytesPresent)
{
    struct Case {
        const char* what;
        std::size_t size;
        const char* bytes;
        const char* owner;
    };
    const Case cases[] = {
        {"two words", 25, "Anna Smith          ", "Anna Smith"},
        {"twenty characters", 25, "Fotostudio Nord West", "Fotostudio Nord West"},
        {"fourteen bytes, as the demo model sends", 19, "strahlkon     ", "strahlkon"},
        {"bytes past byte 24 are not the owner's", 30, "Studio am Hafen Kiel+extra", "Studio am Hafen Kiel"},
        {"only blanks", 25, "                    ", ""},
        {"nothing after the header", 5, "", ""},
        {"cut short inside a word", 8, "Anna Smith", "Ann"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestRecord record(10, c.size);
        record.SetText(5, c.bytes);
        const std::optional<UnitRecords::Owner> owner = DecodeOwner(record);
        ASSERT_TRUE(owner.has_value());
        EXPECT_EQ(owner->text, c.owner);
        EXPECT_EQ(owner->field, UnitRecords::OwnerField::DisplayAndEdit);
    }
    TestRecord zero(10, 25);
    zero.SetText(5, "AB").Set(7, 0).SetText(8, "CD");
    EXPECT_EQ(DecodeOwner(zero).value().text, "AB");
}

TEST(ZaritRecords, ServiceVoltagesOnlyFromLevelTwo)
{
    const std::optional<ServiceStatus> factory = DecodeServiceStatus(
        TestRecord(100, 13, {{5, 0x80}, {6, 2}, {7, 100}, {8, 50}, {9, 220}, {10, 50}, {11, 200}, {12, 200}}));
    ASSERT_TRUE(factory.has_value());
    EXPECT_TRUE(factory->ready);
    EXPECT_EQ(factory->level, 2);
    ASSERT_TRUE(factory->voltages.has_value());
    EXPECT_EQ(factory->voltages->positive, "284");
    EXPECT_EQ(factory->voltages->negative, "142");
    EXPECT_EQ(factory->voltages->line, "230");
    EXPECT_EQ(factory->voltages->frequency, "50");
    EXPECT_FALSE(factory->voltages->nominal.has_value());

    // The voltages end at byte 10 whatever the record's length.
    const TestRecord eleven(100, 11, {{6, 3}, {7, 255}});
    ASSERT_TRUE(DecodeServiceStatus(eleven).has_value());
    EXPECT_EQ(DecodeServiceStatus(eleven)->voltages->positive, "724");

    const std::optional<ServiceStatus> service =
        DecodeServiceStatus(TestRecord(100, 12, {{5, 0x7F}, {6, 1}, {7, 100}, {9, 220}}));
    ASSERT_TRUE(service.has_value());
    EXPECT_FALSE(service->ready);
    EXPECT_EQ(service->level, 1);
    EXPECT_FALSE(service->voltages.has_value());
    EXPECT_TRUE(DecodeServiceStatus(TestRecord(100, 7, {{6, 1}})).has_value());
}

TEST(ZaritRecords, MemoryFlashDurations)
{
    struct Case {
        int code;
        const char* label;
        const char* value;
    };
    const Case cases[] = {
        {0x83, "{2019}", "1/85"},    {0x03, "{2019}", "1/500"},   {0x07, "{2096}", "1/6000"},
        {0x0F, "{2096}", "1/6000"},  {0x08, "{2095}", "{2097}"},  {0x00, "{2095}", "{2098}"},
        {0x01, "{2019}", "1/125"},   {0x06, "{2019}", "1/4000"},  {0xC5, "{2095}", "{2097}"},
        {0x80, "{2095}", "{2098}"},  {0x89, "{2019}", "1/85"},    {0x8A, "{2019}", "1/125"},
        {0x90, "{2019}", "1/6000"},  {0x93, "{2019}", "1/12000"}, {0x94, "{2019}", "1/15000"},
        {0xBF, "{2019}", "1/15000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const std::optional<Memory> memory = DecodeMemory(TestRecord(101, 16, {{13, c.code}}), 0);
        ASSERT_TRUE(memory.has_value());
        EXPECT_EQ(Shown(memory->right[0].label), c.label);
        EXPECT_EQ(Shown(memory->right[0].value), c.value);
    }
}

TEST(ZaritRecords, MemoryTableOfSixRows)
{
    struct Case {
        int offset;
        const char* label;
        const char* value;
    };
    // Every entry: flash duration, sequence, interval, delay, alternate and
    // strobe; the sixth goes to the left column's line 5.
    const Case languages[] = {{0, "strobo", "on"}, {500, "Strobo", "ein"}, {1000, "strobo", "on"}};
    for (const Case& c : languages) {
        SCOPED_TRACE(c.offset);
        const std::optional<Memory> full = DecodeMemory(TestRecord(103, 16,
                                                                   {{5, 0x80 | 50},
                                                                    {6, 60},
                                                                    {7, 70},
                                                                    {8, 0x40 | 5},
                                                                    {9, 0x00},
                                                                    {10, 150},
                                                                    {11, 0x01},
                                                                    {12, 0x2C},
                                                                    {13, 3},
                                                                    {14, 0x03},
                                                                    {15, 0x65}}),
                                                        c.offset);
        ASSERT_TRUE(full.has_value());
        EXPECT_EQ(full->index, 2);
        EXPECT_FALSE(full->empty);
        const char* right[5][2] = {
            {"{2019}", "1/500"}, {"{2017}", "5"}, {"{2022}", "3.00s"}, {"{2023}", "1.50s"}, {"{2239}", ""}};
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_EQ(Shown(full->right[i].label), right[i][0]);
            EXPECT_EQ(Shown(full->right[i].value), right[i][1]);
        }
        EXPECT_EQ(Shown(full->left5.label), c.label);
        EXPECT_EQ(Shown(full->left5.value), c.value);
        // b15 0x65: outlets 1 and 3 available, outlets 2 and 3 on.
        const int values[3] = {50, 60, 70};
        const bool available[3] = {true, false, true};
        const bool on[3] = {false, true, true};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_EQ(full->outlets[i].value, values[i]);
            EXPECT_EQ(full->outlets[i].available, available[i]);
            EXPECT_EQ(full->outlets[i].on, on[i]);
            EXPECT_EQ(full->outlets[i].flags, 0x03);
            EXPECT_EQ(full->outlets[i].channel, i + 1);
        }
    }

    // Only the delay besides the flash duration: it moves up to line 2; a
    // sequence of alternation alone (b8 above 63) is no sequence.
    const std::optional<Memory> sparse = DecodeMemory(TestRecord(102, 16, {{8, 0x80}, {10, 25}, {14, 0x02}}), 500);
    ASSERT_TRUE(sparse.has_value());
    EXPECT_EQ(sparse->index, 1);
    EXPECT_EQ(Shown(sparse->right[1].label), "{2023}");
    EXPECT_EQ(Shown(sparse->right[1].value), "0.25s");
    EXPECT_EQ(Shown(sparse->right[2].label), "{2239}");
    for (int i = 3; i < 5; ++i)
        EXPECT_EQ(sparse->right[i], MemoryLine());
    EXPECT_EQ(sparse->left5, MemoryLine());
    EXPECT_EQ(sparse->outlets[0].flags, 0x02);
}

TEST(ZaritRecords, EmptyMemoryIsMarkedNotShown)
{
    for (int index : {5, 6, 7, 8}) {
        SCOPED_TRACE(index);
        const std::optional<Memory> memory = DecodeMemory(TestRecord(104, 16, {{index, 0xFF}, {13, 3}}), 0);
        ASSERT_TRUE(memory.has_value());
        EXPECT_TRUE(memory->empty);
        EXPECT_EQ(memory->index, 3);
        EXPECT_EQ(memory->right[0], MemoryLine());
    }
}

TEST(ZaritStatusRows, FollowFlagsAndAuxPage)
{
    struct Case {
        const char* what;
        std::function<void(AuxValues&)> aux;
        int flags;
        std::vector<std::array<const char*, 2>> rows;
        std::array<const char*, 3> red;
        PanelRequest panel;
    };
    const std::vector<Case> cases = {
        {"rows without a suggestion",
         [](AuxValues& a) { a.sequence = 5; },
         0x02,
         {{"{2018}", "{2028}"}, {"{2017}", "5"}},
         {"", "", ""},
         {true, 2123, false, false, false, false}},
        {"suggested colour from the optimum",
         [](AuxValues& a) { a.colourSuggested = 6; },
         0x10,
         {{"{2207}", "{2208}"}},
         {"+400", "", ""},
         {true, 2123, true, false, false, true}},
        {"suggested optimum colour",
         [](AuxValues& a) {
             a.colour = 2;
             a.t01Value = 500;
         },
         0x10,
         {{"{2207}", "-400"}},
         {"{2208}", "", ""},
         {true, 2123, true, false, false, true}},
        {"the colour wins over the flash duration",
         [](AuxValues& a) {
             a.colour = 5;
             a.t01Value = 500;
         },
         0x14,
         {{"{2207}", "+200"}},
         {"{2208}", "", ""},
         {true, 2123, true, false, false, true}},
        {"suggested flash duration",
         [](AuxValues& a) {
             a.t01Value = 500;
             a.t01ValueSuggested = 1000;
         },
         0x04,
         {{"{2113}", "1/500"}},
         {"1/1000", "", ""},
         {true, 2123, true, false, false, true}},
        {"suggested flash duration off",
         [](AuxValues&) {},
         0x04,
         {{"{2113}", "{2028}"}},
         {"{2028}", "", ""},
         {true, 2123, true, false, false, true}},
        {"inactive on slow hides the place",
         [](AuxValues& a) {
             a.interval = 100;
             a.place = 2;
         },
         0x80,
         {{"{2018}", "{2028}"}, {"{2022}", "1.00s"}},
         {"", "{2117}", ""},
         {true, 2123, false, true, false, true}},
        {"suggested interval after the sequence",
         [](AuxValues& a) {
             a.sequence = 3;
             a.intervalSuggested = 250;
             a.t01Mode = 0x81;
             a.t01Value = 250;
         },
         0x08,
         {{"{2019}", "1/250"}, {"{2017}", "3"}, {"{2022}", "{2028}"}},
         {"", "", "2.50s"},
         {true, 2123, false, false, true, true}},
        {"colour row when the mode is the optimum",
         [](AuxValues& a) { a.colour = 7; },
         0x00,
         {{"{2207}", "+600"}},
         {"", "", ""},
         {}},
        {"T0.1 row whatever the colour when a mode is set",
         [](AuxValues& a) {
             a.colour = 2;
             a.t01Mode = 0x80;
             a.t01Value = 1000;
         },
         0x00,
         {{"{2020}", "1/1000"}},
         {"", "", ""},
         {}},
        {"this unit fires first in the alternation",
         [](AuxValues& a) {
             a.place = 1;
             a.delay = 20;
         },
         0x00,
         {{"{2018}", "{2028}"}, {"{2023}", "0.20s"}, {"{2025}", "{2226}"}},
         {"", "", ""},
         {}},
        {"this unit waits for two others",
         [](AuxValues& a) { a.place = 3; },
         0x00,
         {{"{2018}", "{2028}"}, {"{2025}", "{2227:2}"}},
         {"", "", ""},
         {}},
        {"four rows at most",
         [](AuxValues& a) {
             a.sequence = 2;
             a.interval = 100;
             a.delay = 20;
             a.place = 1;
         },
         0x00,
         {{"{2018}", "{2028}"}, {"{2017}", "2"}, {"{2022}", "1.00s"}, {"{2023}", "0.20s"}},
         {"", "", ""},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AuxValues aux;
        c.aux(aux);
        const StatusRows rows = BuildStatusRows(aux, c.flags);
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i + 1);
            const char* label = i < c.rows.size() ? c.rows[i][0] : "";
            const char* value = i < c.rows.size() ? c.rows[i][1] : "";
            EXPECT_EQ(Shown(rows.rows[i].label), label);
            EXPECT_EQ(Shown(rows.rows[i].value), value);
        }
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(Shown(rows.red[i]), c.red[i]);
        EXPECT_TRUE(rows.panel == c.panel);
    }
}

TEST(ZaritStatusRows, WaitingPlaceTakesTheLanguagesWordOrder)
{
    AuxValues aux;
    aux.place = 3;
    const StatusRows rows = BuildStatusRows(aux, 0);
    const auto german = [](int id) { return id == 2227 ? std::string("%i x warten") : std::string(); };
    EXPECT_EQ(rows.rows[1].value.Compose(german), "2 x warten");
    const auto english = [](int id) { return id == 2227 ? std::string("wait %i") : std::string(); };
    EXPECT_EQ(rows.rows[1].value.Compose(english), "wait 2");
}

TEST(ZaritStatusPanel, AlarmLinesAndTitle)
{
    struct Case {
        const char* what;
        AlarmState alarms;
        int seconds;
        const char* line1;
        const char* line2;
        int title;
        bool shown;
    };
    const Case cases[] = {
        {"cooling break of 45 seconds", {0, 1, 0}, 45, "{2110} 45 {2236}", "{2235}", 2122, true},
        {"cooling break of a minute", {0, 1, 0}, 60, "{2110} 60 {2236}", "{2235}", 2122, true},
        {"cooling break of 150 seconds", {0, 1, 0}, 150, "{2110} 2 {2118}", "{2235}", 2122, true},
        {"cooling break with a charge error", {1, 1, 0}, 61, "{2110} 1 {2118}", "{2235}", 2120, true},
        {"charge error", {1, 0, 0}, 45, "{2108}", "{2109}", 2120, true},
        {"charge error in service mode", {1, 0, 2}, 0, "{2108}", "{2109}", 2119, false},
        {"cooling break in service mode", {0, 3, 2}, 45, "{2110} 45 {2236}", "{2235}", 2121, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AlarmLines lines = PlanAlarmTexts(c.alarms, c.seconds);
        EXPECT_TRUE(lines.clearTitle);
        ASSERT_TRUE(lines.line1 && lines.line2 && lines.line3);
        EXPECT_EQ(Shown(*lines.line1), c.line1);
        EXPECT_EQ(Shown(*lines.line2), c.line2);
        EXPECT_TRUE(lines.line3->Empty());
        const PanelPlan plan = PlanStatusPanel(PanelRequest(), c.alarms, kAlarmTitleOrder);
        EXPECT_EQ(plan.titleId, c.title);
        EXPECT_EQ(plan.alarmShown, c.shown);
    }
    const AlarmLines none = PlanAlarmTexts({}, 45);
    EXPECT_TRUE(none.clearTitle);
    EXPECT_FALSE(none.line1 || none.line2 || none.line3);
}

TEST(ZaritStatusPanel, OkButtonTakesOverIntervalFlashDurationAndColour)
{
    struct Case {
        int flags;
        bool intervalOff, intervalSuggested, t01, colour;
        int left;
    };
    const Case cases[] = {
        {0x94, true, false, true, true, 0x00},
        {0x10, false, false, false, true, 0x00},
        {0x1E, false, true, true, true, 0x02},
        {0x02, false, false, false, false, 0x02},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        const StatusSet set = PlanStatusSet(c.flags, true, true);
        EXPECT_EQ(set.intervalOff, c.intervalOff);
        EXPECT_EQ(set.intervalSuggested, c.intervalSuggested);
        EXPECT_EQ(set.t01Suggested, c.t01);
        EXPECT_EQ(set.colourSuggested, c.colour);
        EXPECT_EQ(set.flags, c.left);
    }
}

TEST(ZaritLightRules, ModellingRadiosWithoutPresetTest)
{
    struct Case {
        std::array<int, 3> values;
        std::array<bool, 3> on;
        int energyClass;
        std::array<bool, 8> enabled;  // PROPMAX, FULL, LOW, PROP1..PROP5
    };
    const Case cases[] = {
        {{100, 40, 0}, {true, true, false}, 2, {1, 1, 1, 1, 0, 0, 0, 0}},
        {{100, 100, 100}, {false, false, false}, 0, {1, 1, 1, 1, 1, 1, 1, 1}},
        {{30, 60, 90}, {true, false, true}, 0, {1, 1, 1, 1, 1, 1, 1, 0}},
        {{100, 0, 0}, {true, false, false}, 5, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.values[0] << "/" << c.values[1] << "/" << c.values[2] << " class "
                                        << c.energyClass);
        EXPECT_EQ(ModellingLight::EnabledRadios(
                      {{c.values[0], c.on[0]}, {c.values[1], c.on[1]}, {c.values[2], c.on[2]}}, c.energyClass),
                  c.enabled);
    }
}

TEST(ZaritDemoUnit, TakesTheBuildersCommands)
{
    DemoUnit unit(100, 0);
    CommandState state;
    state.auxOn = {true, false, false};
    const std::optional<std::vector<uint8_t>> answer = unit.Send(1, *BuildCommand(kZarit, {1, 50, kAuxLight1}, state));
    ASSERT_TRUE(answer.has_value());
    const std::optional<GeneratorRecords::Status> status =
        GeneratorRecords::DecodeStatus(ViewOf(*answer), kZarit.auxOutlets);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->outlets[0].value, 50);

    unit.Send(21, *BuildCommand(kZarit, {21, 12 * 256 + 3}, state));
    const std::optional<Dates> dates = DecodeDates(ViewOf(*unit.Send(2, *BuildCommand(kZarit, {2, 8}, state))));
    ASSERT_TRUE(dates.has_value());
    EXPECT_EQ(dates->delivery, "3.2012");
}
