#include <gtest/gtest.h>

#include "DemoUnit.h"
#include "TestRecord.h"
#include "units/core/GeneratorRecords.h"
#include "units/core/ModellingLight.h"
#include "units/core/ZaritECodec.h"

using namespace ZaritECodec;
using ZaritCodec::BuildCommand;
using ZaritCodec::DecodeSelections;
using ZaritCodec::kZaritE;

TEST(ZaritERecords, StatusOfTwoOutlets)
{
    // Bytes 17 to 20 and byte 21 bits 6 and 7 belong to a third outlet that
    // the ZaritE lacks.
    const TestRecord record(
        1, 25,
        {{5, 80}, {9, 60}, {10, 30}, {11, 0x01}, {12, 0x90}, {13, 40}, {17, 99}, {21, 0xFD}, {22, 0x62}, {24, 0x06}});
    const std::optional<GeneratorRecords::Status> status =
        GeneratorRecords::DecodeStatus(record, ZaritCodec::kZaritE.auxOutlets);
    ASSERT_TRUE(status.has_value());
    ASSERT_EQ(status->outlets.size(), 2u);
    EXPECT_EQ(status->mainValue, 80);
    EXPECT_TRUE(status->powerOn);
    EXPECT_EQ(status->outlets[0].value, 60);
    EXPECT_FALSE(status->outlets[0].warning);
    EXPECT_EQ(status->outlets[0].percent, 30);
    EXPECT_EQ(status->outlets[0].joules, 400);
    EXPECT_EQ(status->outlets[1].value, 40);
    EXPECT_TRUE(status->outlets[1].warning);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(status->outlets[i].on);
        EXPECT_TRUE(status->outlets[i].available);
    }
    EXPECT_EQ(status->modellingLightMode, 2);
    EXPECT_FALSE(status->lmOverShown);
    EXPECT_EQ(Shown(status->lmOverText), "{2061}4");

    const std::optional<GeneratorRecords::Status> off =
        GeneratorRecords::DecodeStatus(TestRecord(1, 25, {{21, 0x18}, {23, 0x01}}), ZaritCodec::kZaritE.auxOutlets);
    ASSERT_TRUE(off.has_value());
    EXPECT_FALSE(off->powerOn);
    EXPECT_FALSE(off->outlets[0].on);
    EXPECT_TRUE(off->outlets[0].available);
    EXPECT_TRUE(off->outlets[1].on);
    EXPECT_FALSE(off->outlets[1].available);
    EXPECT_TRUE(off->lmOverShown);
}

TEST(ZaritERecords, AuxFunctionsKeepTheT01ValueWhileOneIsSuggested)
{
    struct Case {
        int flags;
        std::optional<int> t01Value;
    };
    const Case cases[] = {{0x04, std::nullopt}, {0x00, 1000}, {0x9A, 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        const std::optional<AuxFunctions> aux = DecodeAuxFunctions(
            TestRecord(2, 21, {{5, 9}, {6, 0x83}, {13, 0x03}, {14, 0xE8}, {16, 0x01}, {20, c.flags}}));
        ASSERT_TRUE(aux.has_value());
        EXPECT_EQ(aux->sequence, 9);
        EXPECT_EQ(aux->t01Value, c.t01Value);
        EXPECT_EQ(aux->t01Mode, 0x83);
        EXPECT_TRUE(aux->lightsInhibited);
        EXPECT_EQ(aux->flags, c.flags);
    }
    EXPECT_FALSE(DecodeAuxFunctions(TestRecord(2, 21, {{16, 0xFE}}))->lightsInhibited);
}

TEST(ZaritERecords, UnitInformationOfSixModels)
{
    struct Case {
        int type, variant;
        const char* model;
        const char* voltage;
    };
    const Case cases[] = {
        {137, 0x00, "Zarit 1600E", "100-230V"}, {137, 0x01, "Zarit 3200E", "100-230V"},
        {37, 0x02, "Zarit 3200S", "100-230V"},  {37, 0x00, "Zarit 1600S", "100-230V"},
        {137, 0x09, "Zarit Z4", "230V"},        {137, 0x10, "Zarit Z2", "117V"},
        {137, 0x38, "Zarit Z2", "100V"},        {37, 0x0B, "Zarit Z4", "230V"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.variant);
        TestRecord record(4, 19, {{5, c.type}, {6, 16}, {7, 216}, {8, c.variant}, {9, 1}});
        record.SetText(10, "C123456");
        const std::optional<UnitInfo> info = DecodeUnitInfo(record);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->model, c.model);
        EXPECT_EQ(info->voltage, c.voltage);
        EXPECT_EQ(info->version, "37.16 / 38.216");
        EXPECT_EQ(info->versionMinor, 16);
        EXPECT_EQ(info->supplyTextId, 2089);
        EXPECT_EQ(info->serial, "C123456");
    }
}

TEST(ZaritERecords, OptionsOfTheCutDownPage)
{
    struct Case {
        int bits, display;
        int volume;
    };
    const Case cases[] = {{0x95, 0x04, 1}, {0x6A, 0x0C, 3}, {0xFF, 0xF3, 0}, {0x00, 0x08, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const std::optional<Options> options = DecodeOptions(TestRecord(5, 7, {{5, c.bits}, {6, c.display}}));
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(options->modellingLightOn, bool(c.bits & 0x01));
        // No infrared trigger: its box is left as it is.
        EXPECT_FALSE(options->ir.has_value());
        EXPECT_EQ(options->cell, bool(c.bits & 0x04));
        EXPECT_EQ(options->slow, bool(c.bits & 0x10));
        EXPECT_EQ(options->rf, bool(c.bits & 0x80));
        EXPECT_EQ(options->buzzerVolume, c.volume);
    }
}

TEST(ZaritERecords, ServiceVoltagesAsOnTheZarit)
{
    const std::optional<ServiceStatus> service =
        DecodeServiceStatus(TestRecord(100, 11, {{5, 0x80}, {6, 2}, {7, 100}, {9, 220}, {10, 60}}));
    ASSERT_TRUE(service.has_value());
    ASSERT_TRUE(service->voltages.has_value());
    EXPECT_EQ(service->voltages->positive, "284");
    EXPECT_EQ(service->voltages->line, "230");
    EXPECT_EQ(service->voltages->frequency, "60");
}

TEST(ZaritEStatusRows, FlashDurationAndSequence)
{
    struct Case {
        const char* what;
        int t01Mode, t01Value, sequence, flags;
        std::array<const char*, 2> row0;
        std::array<const char*, 2> row1;
        PanelRequest panel;
    };
    const Case cases[] = {
        {"suggested flash duration",
         0,
         500,
         3,
         0x04,
         {"{2113}", ""},
         {"{2017}", "3"},
         {true, 2123, true, false, false, true}},
        {"rows without a suggestion",
         0,
         0,
         0,
         0x02,
         {"{2018}", "{2028}"},
         {"", ""},
         {true, 2123, false, false, false, false}},
        {"no flags", 0x81, 1000, 4, 0x00, {"{2019}", "1/1000"}, {"{2017}", "4"}, {}},
        {"the shortest flash duration", 0x80, 6000, 0, 0x00, {"{2020}", "1/6000"}, {"", ""}, {}},
        {"a suggested colour asks for the view",
         0x01,
         250,
         0,
         0x10,
         {"{2019}", "1/250"},
         {"", ""},
         {true, 2123, false, false, false, true}},
        {"interval inactive on slow",
         0,
         0,
         2,
         0x80,
         {"{2018}", "{2028}"},
         {"{2017}", "2"},
         {true, 2123, false, false, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StatusRows rows = BuildStatusRows(c.t01Mode, c.t01Value, c.sequence, c.flags);
        EXPECT_EQ(Shown(rows.rows[0].label), c.row0[0]);
        EXPECT_EQ(Shown(rows.rows[0].value), c.row0[1]);
        EXPECT_EQ(Shown(rows.rows[1].label), c.row1[0]);
        EXPECT_EQ(Shown(rows.rows[1].value), c.row1[1]);
        EXPECT_EQ(rows.Used(), c.sequence ? 2 : 1);
        for (const PageText& red : rows.red)
            EXPECT_TRUE(red.Empty());
        EXPECT_TRUE(rows.panel == c.panel);
    }
}

TEST(ZaritEStatusPanel, AlarmLinesAsOnTheZarit)
{
    EXPECT_EQ(Shown(*PlanAlarmTexts({0, 1, 0}, 45).line1), "{2110} 45 {2236}");
    EXPECT_EQ(Shown(*PlanAlarmTexts({0, 1, 0}, 150).line1), "{2110} 2 {2118}");
    const PanelPlan service = PlanStatusPanel(PanelRequest(), {0, 1, 2}, kAlarmTitleOrder);
    EXPECT_EQ(service.titleId, 2121);
    EXPECT_FALSE(service.alarmShown);
}

TEST(ZaritELightRules, ModellingRadiosOverTwoBars)
{
    EXPECT_EQ(ModellingLight::EnabledRadios({{100, true}, {40, true}}, 2),
              (std::array<bool, 8>{true, true, true, true, false, false, false, false}));
    EXPECT_EQ(ModellingLight::EnabledRadios({{100, false}, {100, false}}, 0),
              (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
}

TEST(ZaritEDemoUnit, KeepsTheSelectionsTheBuilderSends)
{
    DemoUnit unit(101, 1);
    CommandState state;
    state.selections = {1, 1, 1, 2, {6, 9, 4}};
    unit.Send(11, *BuildCommand(kZaritE, {11, 0}, state));
    const std::optional<std::vector<uint8_t>> record = unit.Send(2, *BuildCommand(kZaritE, {2, 3}, state));
    ASSERT_TRUE(record.has_value());
    const std::optional<Selections> selections = DecodeSelections(ViewOf(*record), kZaritE);
    ASSERT_TRUE(selections.has_value());
    EXPECT_EQ(selections->optionsPage, 1);
    EXPECT_EQ(selections->auxField, 1);
    EXPECT_EQ(selections->lamps, (std::array<int, 3>{6, 9, 0}));
}
