#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "TestRecord.h"
#include "units/core/TikoCodec.h"

using namespace TikoCodec;

namespace {

CommandState Gathered(int modelCode = kTrovalex)
{
    CommandState state;
    state.modelCode = modelCode;
    return state;
}

}  // namespace

TEST(TikoCommands, LayTheirDataExactly)
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
        {"energy stepped down a stop", {1, 60, 1, -10}, [](CommandState&) {}, Bytes({0x32})},
        {"energy of the bar", {1, 60, 1}, [](CommandState&) {}, Bytes({60})},
        {"a step down from 0 stays at 0", {1, 0, 1, -1}, [](CommandState&) {}, Bytes({0x00})},
        {"record request", {2, 103}, [](CommandState&) {}, Bytes({0x00, 0x67})},
        {"modelling light", {3, 0x46}, [](CommandState&) {}, Bytes({0x46})},
        {"flash control", {4, 0x21}, [](CommandState&) {}, Bytes({0x21})},
        {"sequence", {5, 12}, [](CommandState&) {}, Bytes({0x0C})},
        {"interval", {7, 300}, [](CommandState&) {}, Bytes({0x01, 0x2C})},
        {"delay", {8, 99}, [](CommandState&) {}, Bytes({0x00, 0x63})},
        {"alternate", {10, 2}, [](CommandState&) {}, Bytes({0x02})},
        {"selections: options, delay field, memory 6, main light",
         {11, 0},
         [](CommandState& s) {
             s.optionsTab = 1;
             s.auxField = 3;
             s.memory = 1;
             s.lamp = 1;
         },
         Bytes({0x0D, 0x01, 0x01})},
        {"store", {12, 2}, [](CommandState&) {}, Bytes({0x02})},
        {"recall", {13, 0}, [](CommandState&) {}, Bytes({0x00})},
        {"store flag", {16, 1}, [](CommandState&) {}, Bytes({0x01})},
        {"options: buzzer and photocell", {17, 0}, [](CommandState& s) { s.buzzer = s.cell = true; }, Bytes({0x09})},
        {"options: slow and reduced", {17, 0}, [](CommandState& s) { s.slow = s.reduced = true; }, Bytes({0x06})},
        {"power display", {19, 3}, [](CommandState&) {}, Bytes({0x03})},
        {"IR address", {20, 2}, [](CommandState&) {}, Bytes({0x02})},
        {"delivery date", {21, 0x0C03}, [](CommandState&) {}, Bytes({0x0C, 0x03})},
        {"serial of a Trovalex", {25, 123456}, [](CommandState&) {}, Bytes({0x00, 0x01, 0xE2, 0x40})},
        {"serial of a Sorvant",
         {25, 123456},
         [](CommandState& s) { s.modelCode = kSorvant; },
         Bytes({0x00, 0x00, 0x22, 0x38})},
        {"serial of a Hexor above 2^31",
         {25, INT32_MIN},
         [](CommandState& s) { s.modelCode = kHexor; },
         Bytes({0x00, 0x00, 36, 48})},
        {"factory date", {26, 0x0B0C}, [](CommandState&) {}, Bytes({0x0B, 0x0C})},
        {"energy range off", {29, 0}, [](CommandState&) {}, Bytes({0x00})},
        {"energy range on", {29, 1}, [](CommandState&) {}, Bytes({0x01})},
        {"initial request", {14, 0}, [](CommandState&) {}, {}},
        {"aux reset", {15, 0}, [](CommandState&) {}, {}},
        {"reset", {18, 0}, [](CommandState&) {}, {}},
        {"owner: the code alone", {22, 0}, [](CommandState&) {}, {}},
        {"service date: the code alone", {23, 0x0C03}, [](CommandState&) {}, {}},
        {"reset total", {24, 0}, [](CommandState&) {}, {}},
        {"power off", {27, 0}, [](CommandState&) {}, {}},
        {"power on", {28, 0}, [](CommandState&) {}, {}},
        {"test flash", {102, 0}, [](CommandState&) {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CommandState state = Gathered();
        c.gather(state);
        const std::optional<CommandBytes> data = BuildCommand(c.command, state);
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->Bytes(), c.data);
    }
}

TEST(TikoCommands, CodesWithoutDataInTheTableGoOutWithNone)
{
    for (int16_t code : {0, 6, 9, 30, 100, 101}) {
        SCOPED_TRACE(code);
        const std::optional<CommandBytes> data = BuildCommand({code, 1}, Gathered());
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->Size(), 0u);
    }
}

// The unit's only light is outlet 1.
TEST(TikoCommands, LightCommandOnlyForOutletOne)
{
    for (int outlet : {0, 2, 3}) {
        SCOPED_TRACE(outlet);
        EXPECT_FALSE(BuildCommand({1, 60, outlet}, Gathered()).has_value());
    }
}

TEST(TikoRecords, StatusSetsTheEnergyRangeWithTheValue)
{
    const std::optional<Status> status = DecodeStatus(TestRecord(1, 10, {{5, 55}, {6, 0x03}, {7, 0x0E}, {9, 0x01}}));
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->value, 55);
    EXPECT_TRUE(status->powerOn);
    EXPECT_TRUE(status->warning);
    EXPECT_TRUE(status->energyRange);
    EXPECT_EQ(status->modellingLightMode, 6);

    const std::optional<Status> plain = DecodeStatus(TestRecord(1, 10, {{5, 55}, {6, 0x00}, {9, 0xFE}}));
    ASSERT_TRUE(plain.has_value());
    EXPECT_FALSE(plain->powerOn);
    EXPECT_FALSE(plain->warning);
    EXPECT_FALSE(plain->energyRange);
}

TEST(TikoRecords, AuxFunctionsMarkTheSuggestedIntervalByBitZero)
{
    const std::optional<AuxFunctions> aux = DecodeAuxFunctions(
        TestRecord(2, 14, {{5, 9}, {6, 0x01}, {7, 0x2C}, {8, 0}, {9, 25}, {10, 2}, {11, 0x09}, {12, 0}, {13, 40}}));
    ASSERT_TRUE(aux.has_value());
    EXPECT_EQ(aux->sequence, 9);
    EXPECT_EQ(aux->interval, 300);
    EXPECT_TRUE(aux->intervalSuggested);
    EXPECT_EQ(aux->delay, 25);
    EXPECT_EQ(aux->alternate, 2);
    EXPECT_EQ(aux->flags, 0x09);
    EXPECT_EQ(aux->minInterval, 40);
    EXPECT_FALSE(DecodeAuxFunctions(TestRecord(2, 14, {{11, 0x08}}))->intervalSuggested);
}

TEST(TikoRecords, SelectionsBringOutOfRangeValuesIn)
{
    struct Case {
        int tabs, memory, lamp;
        int optionsTab, auxField, selectedMemory, selectedLamp;
    };
    const Case cases[] = {{0x03, 0x06, 21, 2, 0, 2, 0}, {0x0D, 0x03, 20, 1, 3, 3, 20}, {0x1C, 0x00, 255, 0, 7, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tabs);
        const std::optional<Selections> selections =
            DecodeSelections(TestRecord(3, 8, {{5, c.tabs}, {6, c.memory}, {7, c.lamp}}));
        ASSERT_TRUE(selections.has_value());
        EXPECT_EQ(selections->optionsTab, c.optionsTab);
        EXPECT_EQ(selections->auxField, c.auxField);
        EXPECT_EQ(selections->memory, c.selectedMemory);
        EXPECT_EQ(selections->lamp, c.selectedLamp);
    }
}

TEST(TikoRecords, UnitInformationByModelAndVoltageTables)
{
    struct Case {
        int model, variant;
        const char* name;
        std::optional<int> rating;
        const char* voltage;
        bool lowVoltage;
    };
    const Case cases[] = {
        {18, 0x00, "Trovalex T160", 1200, "100V", true},    {18, 0x17, "Trovalex T160", 1200, "117V-230V", false},
        {25, 0x00, "Sorvant 40", 300, "100V-117V", true},   {25, 0x09, "Sorvant 80", 600, "100V-117V", false},
        {25, 0x05, "Sorvant 160", 1200, "100V-117V", true}, {25, 0x0D, "Sorvant 160", 1200, "100V-117V", false},
        {25, 0x12, "Sorvant 160", 1200, "230V", false},     {26, 0x20, "Hexor 800", 300, "230V", false},
        {26, 0x01, "Hexor 1600", 600, "100V-117V", true},   {26, 0x02, "", std::nullopt, "100V-117V", true},
        {30, 0x07, "", std::nullopt, "100V-117V", true},    {30, 0x08, "Hexor 800", 300, "100V-117V", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.model << " variant " << c.variant);
        const std::optional<UnitInfo> info = DecodeUnitInfo(
            TestRecord(4, 13, {{5, c.model}, {6, 5}, {7, c.variant}, {8, 2}, {10, 0x01}, {11, 0xE2}, {12, 0x40}}));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->modelCode, c.model);
        EXPECT_EQ(info->version, std::to_string(c.model) + ".05");
        EXPECT_EQ(info->versionMinor, 5);
        EXPECT_EQ(info->model, c.name);
        EXPECT_EQ(info->rating, c.rating);
        EXPECT_EQ(info->voltage, c.voltage);
        EXPECT_EQ(info->lowVoltage, c.lowVoltage);
        EXPECT_EQ(info->supplyTextId, 2090);
        EXPECT_EQ(info->serial, "123456");
    }
    const std::optional<UnitInfo> high =
        DecodeUnitInfo(TestRecord(4, 13, {{5, 18}, {9, 0xFF}, {10, 0xFF}, {11, 0xFF}, {12, 0xFF}}));
    ASSERT_TRUE(high.has_value());
    EXPECT_EQ(high->serial, "4294967295");
}

TEST(TikoModels, EachLineByItsCodeAndAnyOtherAsTheHexor)
{
    struct Case {
        int code;
        bool binarySerial, binaryCounter, infrared, energyRange, limitsTopLevels;
    };
    const Case cases[] = {
        {18, true, true, true, true, true},      {25, false, false, true, true, false},
        {26, false, false, false, false, false}, {0, false, false, false, false, false},
        {30, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const ModelRow& model = ModelOf(c.code);
        EXPECT_EQ(model.binarySerial, c.binarySerial);
        EXPECT_EQ(model.binaryCounter, c.binaryCounter);
        EXPECT_EQ(model.infrared, c.infrared);
        EXPECT_EQ(model.energyRange, c.energyRange);
        EXPECT_EQ(model.limitsTopLevels, c.limitsTopLevels);
    }
}

TEST(TikoRecords, OptionsFromTheirBits)
{
    const std::optional<Options> all = DecodeOptions(TestRecord(5, 9, {{5, 0xFF}, {6, 9}, {7, 4}, {8, 0x01}}));
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->ir, true);
    EXPECT_TRUE(all->modellingLightOn && all->cell && all->rf && all->buzzer && all->optionCell && all->slow &&
                all->reduced && all->store);
    EXPECT_EQ(all->powerDisplay, 4);
    EXPECT_EQ(all->irAddress, 2);

    const std::optional<Options> some = DecodeOptions(TestRecord(5, 9, {{5, 0x2A}, {6, 2}, {7, 0}, {8, 0xFE}}));
    ASSERT_TRUE(some.has_value());
    EXPECT_FALSE(some->modellingLightOn);
    EXPECT_EQ(some->ir, true);
    EXPECT_FALSE(some->cell);
    EXPECT_TRUE(some->buzzer);
    EXPECT_FALSE(some->slow);
    EXPECT_TRUE(some->reduced);
    EXPECT_FALSE(some->store);
    EXPECT_FALSE(some->rf);
    EXPECT_FALSE(some->optionCell);
    EXPECT_EQ(some->powerDisplay, 2);
    EXPECT_EQ(some->irAddress, -1);
}

TEST(TikoRecords, CountersByModelAndOwnerTrimmed)
{
    TestRecord record(6, 22, {{5, 1}, {6, 2}, {7, 3}});
    record.SetText(8, "Studio A      ");
    const std::optional<Counters> trovalex = DecodeCounters(record, kTrovalex);
    ASSERT_TRUE(trovalex.has_value());
    EXPECT_EQ(trovalex->totalCounter, "66051");
    EXPECT_FALSE(trovalex->counter.has_value());
    ASSERT_TRUE(trovalex->owner.has_value());
    EXPECT_EQ(trovalex->owner->text, "Studio A");
    EXPECT_EQ(trovalex->owner->field, UnitRecords::OwnerField::DisplayAndEdit);
    EXPECT_EQ(DecodeCounters(record, kHexor)->totalCounter, "10203");
    EXPECT_EQ(DecodeCounters(record, kSorvant)->totalCounter, "10203");
}

TEST(TikoRecords, AlarmsWithTheirLines)
{
    struct Case {
        int charge, thermo;
        const char* lines;
    };
    const Case cases[] = {
        {1, 1, " | {2111} | {2112}"},
        {1, 0, "{2108} | {2109} | "},
        {0, 0, "clear; - | - | -"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        const std::optional<Alarms> alarms = DecodeAlarms(TestRecord(7, 7, {{5, c.charge}, {6, c.thermo}}));
        ASSERT_TRUE(alarms.has_value());
        EXPECT_EQ(alarms->charge, c.charge);
        EXPECT_EQ(alarms->thermo, c.thermo);
        EXPECT_EQ(ShownLines(alarms->lines), c.lines);
    }
}

TEST(TikoRecords, Dates)
{
    const std::optional<Dates> dates =
        DecodeDates(TestRecord(8, 12, {{6, 120}, {7, 13}, {8, 98}, {9, 11}, {10, 7}, {11, 200}}));
    ASSERT_TRUE(dates.has_value());
    EXPECT_EQ(dates->delivery, "13.2000");
    EXPECT_EQ(dates->service, "11.1998");
    EXPECT_EQ(dates->factory, "0.2007");
    EXPECT_EQ(DecodeDates(TestRecord(8, 12, {{6, 50}, {7, 1}, {8, 51}, {9, 2}}))->service, "2.1951");
}

TEST(TikoRecords, ServiceStatusWithTheFamilysFactors)
{
    const std::optional<ServiceStatus> service = DecodeServiceStatus(
        TestRecord(100, 12, {{5, 0x80}, {6, 2}, {7, 100}, {8, 100}, {9, 220}, {10, 60}, {11, 100}}));
    ASSERT_TRUE(service.has_value());
    EXPECT_TRUE(service->ready);
    ASSERT_TRUE(service->voltages.has_value());
    EXPECT_EQ(service->voltages->positive, "117");
    EXPECT_EQ(service->voltages->negative, "229");
    EXPECT_EQ(service->voltages->line, "230");
    EXPECT_EQ(service->voltages->frequency, "60");
    EXPECT_EQ(service->voltages->nominal, std::optional<std::string>("230"));
}

TEST(TikoRecords, MemoryLinesAndIndex)
{
    struct Case {
        int number;
        int energy, sequence, delayHigh, delayLow;
        int index, shownEnergy;
        std::array<std::array<const char*, 2>, 2> lines;
    };
    const Case cases[] = {
        {101, 0x80 | 55, 5, 0, 25, 0, 55, {{{"{2017}", "5"}, {"{2023}", "2.5s"}}}},
        {102, 40, 0xC0 | 60, 0, 0, 1, 40, {{{"{2017}", "50"}, {"", ""}}}},
        {103, 100, 0, 1, 0, 2, 100, {{{"{2023}", "9.9s"}, {"", ""}}}},
        {104, 0, 0, 0, 0, 3, 0, {{{"", ""}, {"", ""}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const std::optional<Memory> memory =
            DecodeMemory(TestRecord(c.number, 9, {{5, c.energy}, {6, c.sequence}, {7, c.delayHigh}, {8, c.delayLow}}));
        ASSERT_TRUE(memory.has_value());
        EXPECT_FALSE(memory->empty);
        EXPECT_EQ(memory->index, c.index);
        EXPECT_EQ(memory->energy, c.shownEnergy);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(Shown(memory->right[i].label), c.lines[i][0]);
            EXPECT_EQ(Shown(memory->right[i].value), c.lines[i][1]);
        }
    }
    const std::optional<Memory> empty = DecodeMemory(TestRecord(101, 9, {{5, 50}, {7, 0xFF}}));
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty);
    EXPECT_EQ(empty->index, 0);
}

TEST(TikoStatusRows, SequenceAndDelayThenThePanel)
{
    struct Case {
        int sequence, delay, flags;
        std::array<const char*, 4> labels;
        std::array<const char*, 4> values;
        PanelRequest panel;
    };
    const PanelRequest withOk = {true, 2123, false, false, false, true};
    const PanelRequest withoutOk = {true, 2123, false, false, false, false};
    const Case cases[] = {
        {0, 25, 0x00, {"{2023}", "", "", ""}, {"2.5s", "", "", ""}, {}},
        {5, 10, 0x02, {"{2017}", "{2023}", "", ""}, {"5", "1.0s", "", ""}, withoutOk},
        {0, 0, 0x80, {"", "", "", ""}, {"", "", "", ""}, withOk},
        {0, 0, 0x08, {"", "", "", ""}, {"", "", "", ""}, withOk},
        {0, 0, 0x04, {"", "", "", ""}, {"", "", "", ""}, withOk},
        {0, 0, 0x06, {"", "", "", ""}, {"", "", "", ""}, withOk},
        {3, 0, 0x01, {"{2017}", "", "", ""}, {"3", "", "", ""}, {}},
        {0, 0, 0x70, {"", "", "", ""}, {"", "", "", ""}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags);
        const StatusRows rows = BuildStatusRows(c.sequence, c.delay, c.flags);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(rows.rows[i].label), c.labels[i]);
            EXPECT_EQ(Shown(rows.rows[i].value), c.values[i]);
        }
        for (const PageText& red : rows.red)
            EXPECT_TRUE(red.Empty());
        EXPECT_TRUE(rows.panel == c.panel);
    }
}

TEST(TikoLightRules, TrovalexLimitsItsTwoHighestLevels)
{
    struct Case {
        int model, mode, value;
        bool prop4, prop5;
        std::optional<std::pair<bool, const char*>> over;
    };
    const Case cases[] = {
        {18, 6, 97, false, false, std::make_pair(true, "{2061}3")},
        {18, 6, 90, true, false, std::make_pair(true, "{2061}4")},
        {18, 5, 84, true, true, std::make_pair(false, "{2061}4")},
        {18, 5, 95, false, false, std::make_pair(true, "{2061}3")},
        {18, 5, 94, true, false, std::make_pair(false, "{2061}4")},
        {18, 6, 84, true, true, std::make_pair(false, "{2061}5")},
        {18, 7, 100, false, false, std::make_pair(false, "{2061}6")},
        {25, 6, 97, true, true, std::nullopt},
        {26, 5, 100, true, true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "model " << c.model << " mode " << c.mode << " at " << c.value);
        const ModellingLimit limit = LimitModellingLight(c.model, c.mode, c.value);
        EXPECT_EQ(limit.prop4Enabled, c.prop4);
        EXPECT_EQ(limit.prop5Enabled, c.prop5);
        ASSERT_EQ(limit.over.has_value(), c.over.has_value());
        if (c.over) {
            EXPECT_EQ(limit.over->shown, c.over->first);
            EXPECT_EQ(Shown(limit.over->text), c.over->second);
        }
    }
}
