#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "TestRecord.h"
#include "units/core/GeneratorRecords.h"
#include "units/core/QuirelA1Codec.h"
#include "units/core/UnitInfoText.h"

using namespace QuirelA1Codec;

TEST(QuirelA1Commands, LayTheirDataExactly)
{
    struct Case {
        // Built by a constructor: in a table of aggregates, GCC 12 at -O3
        // takes the command's text for maybe uninitialized.
        Case(const char* what, Command command, std::function<void(CommandState&)> gather, std::vector<uint8_t> data)
            : what(what), command(std::move(command)), gather(std::move(gather)), data(std::move(data))
        {
        }
        const char* what;
        Command command;
        std::function<void(CommandState&)> gather;
        std::vector<uint8_t> data;
    };
    const std::vector<Case> cases = {
        {"aux 2 stepped down, bars 1 and 3 on",
         {1, 60, kAuxLight2, -10},
         [](CommandState& s) {
             s.auxOn = {true, false, true};
         },
         Bytes({0x32, 0x02, 0x0B})},
        {"main light, all aux off", {1, 70, kMainLight}, [](CommandState&) {}, Bytes({70, 0x00, 0x01})},
        {"aux 3 with every bar on",
         {1, 80, kAuxLight3},
         [](CommandState& s) {
             s.auxOn = {true, true, true};
         },
         Bytes({80, 0x03, 0x0F})},
        {"a step down from 0 stays at 0", {1, 0, kMainLight, -1}, [](CommandState&) {}, Bytes({0x00, 0x00, 0x01})},
        {"a step up from 100 goes out, the unit limits it",
         {1, 100, kMainLight, 1},
         [](CommandState&) {},
         Bytes({101, 0x00, 0x01})},
        {"record request", {2, 102}, [](CommandState&) {}, Bytes({0x00, 0x66})},
        {"modelling light", {3, 0x47}, [](CommandState&) {}, Bytes({0x47})},
        {"flash control", {4, 0x81}, [](CommandState&) {}, Bytes({0x81})},
        {"T0.1 step", {6, 1}, [](CommandState&) {}, Bytes({0x01})},
        {"interval", {7, 300}, [](CommandState&) {}, Bytes({0x01, 0x2C})},
        {"delay", {8, 5000}, [](CommandState&) {}, Bytes({0x13, 0x88})},
        {"selections: memory page, infos, delay field",
         {11, 0},
         [](CommandState& s) {
             s.selections = {1, 2, 4, 2, {5, 7, 20}};
         },
         Bytes({37, 0x02, 0x05, 0x07, 0x14})},
        {"store", {12, 3}, [](CommandState&) {}, Bytes({0x03})},
        {"options: buzzer and reduced", {17, 0}, [](CommandState& s) { s.buzzer = s.reduced = true; }, Bytes({0x05})},
        {"options: slow", {17, 0}, [](CommandState& s) { s.slow = true; }, Bytes({0x02})},
        {"power display", {19, 4}, [](CommandState&) {}, Bytes({0x04})},
        {"delivery date", {21, 12 * 256 + 3}, [](CommandState&) {}, Bytes({0x0C, 0x03})},
        {"owner of three characters",
         {22, 0, 0, 0, "abc"},
         [](CommandState&) {},
         Bytes({'a', 'b', 'c', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"owner cut after 14 characters",
         {22, 0, 0, 0, "0123456789ABCDEFG"},
         [](CommandState&) {},
         Bytes({'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D'})},
        {"service date", {23, 0x3205}, [](CommandState&) {}, Bytes({0x32, 0x05})},
        {"serial number", {25, 123456}, [](CommandState&) {}, Bytes({0x00, 0x01, 0xE2, 0x40})},
        {"serial number of 2^31", {25, INT32_MIN}, [](CommandState&) {}, Bytes({0x80, 0x00, 0x00, 0x00})},
        {"factory date", {26, 0x0B0C}, [](CommandState&) {}, Bytes({0x0B, 0x0C})},
        {"initial request", {14, 0}, [](CommandState&) {}, {}},
        {"aux reset", {15, 0}, [](CommandState&) {}, {}},
        {"reset", {18, 0}, [](CommandState&) {}, {}},
        {"reset total", {24, 0}, [](CommandState&) {}, {}},
        {"power off", {27, 0}, [](CommandState&) {}, {}},
        {"power on", {28, 0}, [](CommandState&) {}, {}},
        {"test flash", {102, 0}, [](CommandState&) {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CommandState state;
        c.gather(state);
        const std::optional<CommandBytes> data = BuildCommand(c.command, state);
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->Bytes(), c.data);
    }
}

TEST(QuirelA1Commands, CodesWithoutDataOfTheirOwnGoOutWithNone)
{
    for (int16_t code : {0, 9999, 29, 30, 100, 101, 103}) {
        SCOPED_TRACE(code);
        const std::optional<CommandBytes> data = BuildCommand({code, 0x1234}, CommandState());
        ASSERT_TRUE(data.has_value());
        EXPECT_TRUE(data->Bytes().empty());
    }
}

TEST(QuirelA1Commands, LightCommandOnlyForItsFourLights)
{
    EXPECT_FALSE(BuildCommand({1, 0, 4}, CommandState()).has_value());
    EXPECT_FALSE(BuildCommand({1, 0, -1}, CommandState()).has_value());
}

TEST(QuirelA1Records, StatusSpreadsOverBarsAndModellingLight)
{
    const TestRecord record(1, 25,
                            {{5, 77},
                             {9, 40},
                             {10, 25},
                             {11, 0x01},
                             {12, 0x2C},
                             {13, 55},
                             {17, 90},
                             {21, 0x5D},
                             {22, 0x53},
                             {23, 0x01},
                             {24, 0x05}});
    const std::optional<GeneratorRecords::Status> status = GeneratorRecords::DecodeStatus(record, 3);
    ASSERT_TRUE(status.has_value());
    ASSERT_EQ(status->outlets.size(), 3u);
    EXPECT_EQ(status->mainValue, 77);
    EXPECT_TRUE(status->powerOn);
    const bool on[3] = {true, true, true};
    const bool available[3] = {true, false, false};
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
    EXPECT_EQ(status->modellingLightMode, 3);
    EXPECT_TRUE(status->lmOverShown);
    EXPECT_EQ(Shown(status->lmOverText), "{2061}3");
}

TEST(QuirelA1Records, AuxFunctionsMarkTheSuggestedValues)
{
    const TestRecord record(2, 23,
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
                             {15, 10},
                             {16, 20},
                             {17, 30},
                             {18, 0x07},
                             {19, 0xD0},
                             {20, 0x0C},
                             {21, 0x00},
                             {22, 50}});
    const std::optional<AuxFunctions> aux = DecodeAuxFunctions(record);
    ASSERT_TRUE(aux.has_value());
    EXPECT_EQ(aux->sequence, 7);
    EXPECT_EQ(aux->t01Mode, 0x81);
    EXPECT_EQ(aux->interval, 300);
    EXPECT_TRUE(aux->intervalSuggested);
    EXPECT_EQ(aux->delay, 150);
    EXPECT_EQ(aux->preset, 3);
    EXPECT_EQ(aux->alternate, 2);
    EXPECT_EQ(aux->t01Value, 1000);
    EXPECT_TRUE(aux->t01Suggested);
    EXPECT_EQ(aux->presetTimes, (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(aux->t01MaxPreset, 2000);
    EXPECT_EQ(aux->flags, 0x0C);
    EXPECT_EQ(aux->minInterval, 50);

    const std::optional<AuxFunctions> plain = DecodeAuxFunctions(TestRecord(2, 23, {{20, 0x02}}));
    ASSERT_TRUE(plain.has_value());
    EXPECT_FALSE(plain->intervalSuggested);
    EXPECT_FALSE(plain->t01Suggested);
}

TEST(QuirelA1Records, SelectionsBringOutOfRangeValuesIn)
{
    const std::optional<Selections> selections =
        DecodeSelections(TestRecord(3, 10, {{5, 0x2F}, {6, 0x07}, {7, 20}, {8, 21}, {9, 255}}));
    ASSERT_TRUE(selections.has_value());
    EXPECT_EQ(selections->lampMemoryPage, 1);
    EXPECT_EQ(selections->optionsPage, 2);
    EXPECT_EQ(selections->auxField, 5);
    EXPECT_EQ(selections->memory, 3);
    EXPECT_EQ(selections->lamps, (std::array<int, 3>{20, 0, 0}));
}

TEST(QuirelA1Records, UnitInformationByItsTables)
{
    struct Case {
        int variant, supply;
        const char* model;
        const char* voltage;
        int supplyText;
    };
    const Case cases[] = {
        {0xC1, 0, "Quirel Q4", "230V", 2091},       {0x48, 1, "Quirel Q2", "117V", 2089},
        {0x12, 2, "Quirel 4", "100V", 2090},        {0x18, 3, "Quirel 2", "230V", 2091},
        {0x03 | 0x20, 0, "Quirel 4", "230V", 2091},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variant);
        const std::optional<UnitInfo> info =
            DecodeUnitInfo(TestRecord(4, 13, {{5, 3}, {6, 7}, {7, c.variant}, {8, c.supply}, {11, 0x30}, {12, 0x39}}));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->version, "3.07");
        EXPECT_EQ(info->versionMinor, 7);
        EXPECT_EQ(info->model, c.model);
        EXPECT_EQ(info->voltage, c.voltage);
        EXPECT_EQ(info->supplyTextId, c.supplyText);
        EXPECT_EQ(info->serial, "12345");
    }
}

TEST(QuirelA1Records, SerialNumbersAboveTwoToTheThirtyFirstStayPositive)
{
    const std::optional<UnitInfo> info = DecodeUnitInfo(TestRecord(4, 13, {{9, 0x80}}));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->serial, "2147483648");
    EXPECT_EQ(Shown(UnitInfoText::Caption(3, "Quirel Q4", "12345")), "{2011} 3 Quirel Q4 ({2084} 12345)");
}

TEST(QuirelA1Records, OptionsFromTheirBits)
{
    struct Case {
        int bits, display, ir;
        int powerDisplay, irAddress;
    };
    const Case cases[] = {{0xFF, 7, 0, 4, -1}, {0x00, 2, 1, 2, 0}, {0x55, 4, 3, 4, 2}, {0xAA, 0, 9, 0, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const std::optional<Options> options =
            DecodeOptions(TestRecord(5, 8, {{5, c.bits}, {6, c.display}, {7, c.ir}}));
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(options->modellingLightOn, bool(c.bits & 0x01));
        EXPECT_EQ(options->ir, bool(c.bits & 0x02));
        EXPECT_EQ(options->cell, bool(c.bits & 0x04));
        EXPECT_EQ(options->buzzer, bool(c.bits & 0x08));
        EXPECT_EQ(options->slow, bool(c.bits & 0x10));
        EXPECT_EQ(options->reduced, bool(c.bits & 0x20));
        EXPECT_EQ(options->store, bool(c.bits & 0x40));
        EXPECT_EQ(options->rf, bool(c.bits & 0x80));
        EXPECT_EQ(options->powerDisplay, c.powerDisplay);
        EXPECT_EQ(options->irAddress, c.irAddress);
    }
}

TEST(QuirelA1Records, CountersAndOwner)
{
    struct Case {
        const char* owner;
        const char* shown;
    };
    const Case cases[] = {{"ABC           ", "ABC"},
                          {"A B           ", "A B"},
                          {"              ", ""},
                          {"Studio Nord   ", "Studio Nord"},
                          {"FourteenChars!", "FourteenChars!"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owner);
        TestRecord record(6, 24, {{5, 0x01}, {6, 0x02}, {7, 0x01}, {8, 0x00}, {9, 0x00}});
        record.SetText(10, c.owner);
        const std::optional<Counters> counters = DecodeCounters(record);
        ASSERT_TRUE(counters.has_value());
        EXPECT_EQ(counters->counter, "258");
        EXPECT_EQ(counters->totalCounter, "65536");
        ASSERT_TRUE(counters->owner.has_value());
        EXPECT_EQ(counters->owner->text, c.shown);
        EXPECT_EQ(counters->owner->field, UnitRecords::OwnerField::DisplayAndEdit);
    }
    TestRecord zero(6, 24);
    zero.SetText(10, "AB").Set(12, 0).SetText(13, "CD");
    EXPECT_EQ(DecodeCounters(zero).value().owner.value().text, "AB");
}

TEST(QuirelA1Records, AlarmsWithTheirLines)
{
    struct Case {
        int charge, thermo, minutes;
        const char* lines;
    };
    const Case cases[] = {
        {1, 2, 5, "{2110} 5 {2118} | {2111} | {2112}"},
        {0, 1, 0, "{2110} 0 {2118} | {2111} | {2112}"},
        {1, 0, 5, "{2108} | {2109} | "},
        {0, 0, 5, "clear; - | - | -"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        const std::optional<Alarms> alarms =
            DecodeAlarms(TestRecord(7, 9, {{5, c.charge}, {6, c.thermo}, {7, c.minutes}}));
        ASSERT_TRUE(alarms.has_value());
        EXPECT_EQ(alarms->charge, c.charge);
        EXPECT_EQ(alarms->thermo, c.thermo);
        EXPECT_EQ(ShownLines(alarms->lines), c.lines);
    }
}

TEST(QuirelA1Records, Dates)
{
    const std::optional<Dates> dates =
        DecodeDates(TestRecord(8, 12, {{6, 50}, {7, 3}, {8, 51}, {9, 3}, {10, 12}, {11, 11}}));
    ASSERT_TRUE(dates.has_value());
    EXPECT_EQ(dates->delivery, "3.2050");
    EXPECT_EQ(dates->service, "3.1951");
    EXPECT_EQ(dates->factory, "11.2012");
}

TEST(QuirelA1Records, ServiceStatusVoltages)
{
    const std::optional<ServiceStatus> service =
        DecodeServiceStatus(TestRecord(100, 12, {{5, 0x80}, {6, 2}, {7, 100}, {8, 50}, {9, 220}, {10, 50}, {11, 200}}));
    ASSERT_TRUE(service.has_value());
    EXPECT_TRUE(service->ready);
    EXPECT_EQ(service->level, 2);
    ASSERT_TRUE(service->voltages.has_value());
    EXPECT_EQ(service->voltages->positive, "142");
    EXPECT_EQ(service->voltages->negative, "71");
    EXPECT_EQ(service->voltages->line, "230");
    EXPECT_EQ(service->voltages->frequency, "50");
    EXPECT_EQ(service->voltages->nominal, std::optional<std::string>("284"));

    TestRecord eleven(100, 12, {{6, 2}, {11, 200}});
    eleven.Set(0, 11);
    ASSERT_TRUE(DecodeServiceStatus(eleven).has_value());
    ASSERT_TRUE(DecodeServiceStatus(eleven)->voltages.has_value());
    EXPECT_FALSE(DecodeServiceStatus(eleven)->voltages->nominal.has_value());

    const std::optional<ServiceStatus> user = DecodeServiceStatus(TestRecord(100, 12, {{5, 0x7F}, {7, 100}}));
    ASSERT_TRUE(user.has_value());
    EXPECT_FALSE(user->ready);
    EXPECT_EQ(user->level, 0);
    EXPECT_FALSE(user->voltages.has_value());
}

TEST(QuirelA1Records, MemoryFlashDurations)
{
    struct Case {
        int code;
        const char* label;
        const char* value;
    };
    const Case cases[] = {
        {0x0B, "{2019}", "1/500"},  {0x08, "{2095}", "{2097}"}, {0x07, "{2096}", "1/6000"}, {0x0F, "{2096}", "1/6000"},
        {0x00, "{2095}", "{2098}"}, {0x01, "{2019}", "1/125"},  {0x06, "{2019}", "1/4000"}, {0x18, "{2095}", "{2097}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const std::optional<Memory> memory = DecodeMemory(TestRecord(101, 16, {{13, c.code}}));
        ASSERT_TRUE(memory.has_value());
        EXPECT_EQ(Shown(memory->right[0].label), c.label);
        EXPECT_EQ(Shown(memory->right[0].value), c.value);
    }
}

TEST(QuirelA1Records, MemoryTableMovesEntriesUp)
{
    // Every entry: flash duration, sequence, interval, delay, alternate and
    // preset; the sixth goes to the left column's line 5.
    const std::optional<Memory> full = DecodeMemory(TestRecord(103, 16,
                                                               {{5, 0x80 | 50},
                                                                {6, 60},
                                                                {7, 70},
                                                                {8, 0x80 | 5},
                                                                {9, 0x00},
                                                                {10, 150},
                                                                {11, 0x01},
                                                                {12, 0x2C},
                                                                {13, 3},
                                                                {14, 2},
                                                                {15, 0x3F}}));
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->index, 2);
    EXPECT_FALSE(full->empty);
    const char* right[5][2] = {
        {"{2019}", "1/500"}, {"{2017}", "5"}, {"{2022}", "3.00s"}, {"{2023}", "1.50s"}, {"{2239}", "2"}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(Shown(full->right[i].label), right[i][0]);
        EXPECT_EQ(Shown(full->right[i].value), right[i][1]);
    }
    EXPECT_EQ(Shown(full->left5.label), "{2099}");
    EXPECT_EQ(Shown(full->left5.value), "{2100}2");
    const int values[3] = {50, 60, 70};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(full->outlets[i].value, values[i]);
        EXPECT_TRUE(full->outlets[i].available);
        EXPECT_TRUE(full->outlets[i].on);
        EXPECT_TRUE(full->outlets[i].inhibited);
        EXPECT_EQ(full->outlets[i].channel, i + 1);
    }

    // Only the delay besides the flash duration: it moves up to line 2.
    const std::optional<Memory> sparse = DecodeMemory(TestRecord(102, 16, {{9, 0x00}, {10, 25}, {15, 0x11}}));
    ASSERT_TRUE(sparse.has_value());
    EXPECT_EQ(Shown(sparse->right[1].label), "{2023}");
    EXPECT_EQ(Shown(sparse->right[1].value), "0.25s");
    for (int i = 2; i < 5; ++i)
        EXPECT_EQ(sparse->right[i], MemoryLine());
    EXPECT_EQ(sparse->left5, MemoryLine());
    EXPECT_TRUE(sparse->outlets[0].on);
    EXPECT_FALSE(sparse->outlets[0].available);
    EXPECT_TRUE(sparse->outlets[1].available);
    EXPECT_FALSE(sparse->outlets[1].on);
    EXPECT_FALSE(sparse->outlets[0].inhibited);
}

TEST(QuirelA1Records, EmptyMemoryIsMarkedNotShown)
{
    for (int index : {5, 6, 7, 8}) {
        SCOPED_TRACE(index);
        const std::optional<Memory> memory = DecodeMemory(TestRecord(101, 16, {{index, 0xFF}, {13, 3}}));
        ASSERT_TRUE(memory.has_value());
        EXPECT_TRUE(memory->empty);
        EXPECT_EQ(memory->index, 0);
        EXPECT_EQ(memory->right[0], MemoryLine());
    }
}

TEST(QuirelA1StatusRows, FollowFlagsAndAuxPage)
{
    struct Case {
        const char* what;
        AuxValues aux;
        int flags;
        std::vector<std::array<const char*, 2>> rows;
        std::array<const char*, 3> red;
        PanelRequest panel;
    };
    AuxValues suggestedT01;
    suggestedT01.t01Value = 500;
    suggestedT01.t01ValueSuggested = 1000;
    AuxValues plain;
    plain.sequence = 5;
    plain.delay = 150;
    AuxValues preset;
    preset.preset = 3;
    preset.t01MaxPreset = 2000;
    AuxValues shortest;
    shortest.t01Mode = 0x40;
    shortest.t01Value = 4000;
    AuxValues busy;
    busy.t01Mode = 0x81;
    busy.t01Value = 250;
    busy.sequence = 2;
    busy.interval = 100;
    busy.delay = 20;
    busy.alternate = 1;
    busy.intervalSuggested = 250;
    const std::vector<Case> cases = {
        {"suggested T0.1",
         suggestedT01,
         0x04,
         {{"{2113}", "1/500"}},
         {"1/1000", "", ""},
         {true, 2123, true, false, false, true}},
        {"asymmetry alone",
         AuxValues(),
         0x02,
         {{"{2114}", ""}, {"{2018}", "{2028}"}},
         {"{2115}", "", ""},
         {true, 2123, true, false, false, false}},
        {"more than three stops alone",
         AuxValues(),
         0x10,
         {{"{2114}", "{2116}"}, {"{2018}", "{2028}"}},
         {"", "", ""},
         {}},
        {"no flags", plain, 0x00, {{"{2018}", "{2028}"}, {"{2017}", "5"}, {"{2023}", "1.50s"}}, {"", "", ""}, {}},
        {"T0.1 mode without a step reads the shortest duration",
         shortest,
         0x00,
         {{"{2020}", "1/4000"}},
         {"", "", ""},
         {}},
        {"preset sequence keeps the normal view",
         preset,
         0x0E,
         {{"{2024}", "{2100} 3"}, {"{2125}", "1/2000"}},
         {"", "", ""},
         {}},
        {"suggested interval",
         busy,
         0x08,
         {{"{2022}", "1.00s"}, {"{2019}", "1/250"}, {"{2017}", "2"}, {"{2023}", "0.20s"}},
         {"2.50s", "", ""},
         {true, 2123, true, false, false, true}},
        {"interval inactive on slow recycling, and asymmetry",
         busy,
         0x82,
         {{"{2022}", "1.00s"}, {"{2114}", ""}, {"{2019}", "1/250"}, {"{2017}", "2"}},
         {"{2117}", "{2115}", ""},
         {true, 2123, true, true, false, true}},
        {"every suggestion",
         busy,
         0x0E,
         {{"{2113}", "1/250"}, {"{2022}", "1.00s"}, {"{2114}", ""}, {"{2017}", "2"}},
         {"{2028}", "2.50s", "{2115}"},
         {true, 2123, true, true, true, true}},
        {"four rows at most",
         busy,
         0x00,
         {{"{2019}", "1/250"}, {"{2017}", "2"}, {"{2022}", "1.00s"}, {"{2023}", "0.20s"}},
         {"", "", ""},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StatusRows rows = BuildStatusRows(c.aux, c.flags);
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

TEST(QuirelA1LightRules, ModellingRadiosFollowTheHighestSwitchedOnOutlet)
{
    struct Case {
        bool preset;
        std::array<int, 3> values;
        std::array<bool, 3> on;
        int energyClass;
        std::array<bool, 8> enabled;  // PROPMAX, FULL, LOW, PROP1..PROP5
    };
    const Case cases[] = {
        {false, {100, 100, 100}, {false, false, false}, 0, {1, 1, 1, 1, 1, 1, 1, 1}},
        {true, {0, 0, 0}, {false, false, false}, 0, {0, 0, 0, 0, 0, 0, 0, 0}},
        {false, {100, 40, 0}, {true, true, false}, 0, {1, 1, 1, 1, 1, 1, 0, 0}},
        {false, {100, 40, 0}, {true, true, false}, 1, {1, 1, 1, 1, 1, 0, 0, 0}},
        {false, {40, 95, 0}, {false, true, true}, 0, {1, 1, 1, 1, 1, 1, 0, 0}},
        {false, {81, 0, 0}, {true, false, false}, 0, {1, 1, 1, 1, 1, 1, 1, 0}},
        {false, {80, 0, 0}, {true, false, false}, 0, {1, 1, 1, 1, 1, 1, 1, 1}},
        {false, {100, 0, 0}, {true, false, false}, 3, {1, 1, 1, 0, 0, 0, 0, 0}},
        {false, {100, 0, 0}, {true, false, false}, 5, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.values[0] << "/" << c.values[1] << "/" << c.values[2] << " class "
                                        << c.energyClass << (c.preset ? " preset" : ""));
        EXPECT_EQ(EnabledModellingRadios(c.preset, c.values, c.on, c.energyClass), c.enabled);
    }
}

TEST(QuirelA1LightRules, ThirdStopGridAndSpinLimits)
{
    struct Case {
        int value, step, landing;
    };
    const Case cases[] = {{50, 1, 53},  {53, 1, 57},  {57, 1, 60},  {59, 1, 63},   {34, -1, 33},
                          {60, -1, 57}, {57, -1, 53}, {98, 1, 100}, {100, 1, 100}, {40, -1, 37}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << (c.step > 0 ? " up" : " down"));
        EXPECT_EQ(c.value + ThirdStopStep(c.value, c.step), c.landing);
    }
    EXPECT_EQ(SpinDownLimit(kMainLight), 33);
    EXPECT_EQ(SpinDownLimit(kAuxLight1), 33);
    EXPECT_EQ(SpinDownLimit(kAuxLight3), 60);
}
