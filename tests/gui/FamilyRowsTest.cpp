// The rows the families share: the modelling-light radios around each
// family's top radio (first, last, a radio of its own, or none), the trigger
// boxes with and without infrared and a family's own boxes behind them, and
// the labels with the top radio's own text.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "units/UnitControls.h"

namespace {

using Page = CUnitControls;

std::vector<std::tuple<std::string, int, int>> Radios(const std::vector<Page::RadioRow>& rows)
{
    std::vector<std::tuple<std::string, int, int>> radios;
    for (const Page::RadioRow& row : rows)
        radios.emplace_back(row.name, row.mode, row.code);
    return radios;
}

std::vector<std::tuple<std::string, int, int, int>> Boxes(const std::vector<Page::CommandBox>& rows)
{
    std::vector<std::tuple<std::string, int, int, int>> boxes;
    for (const Page::CommandBox& row : rows)
        boxes.emplace_back(row.name, row.code, row.checked, row.unchecked);
    return boxes;
}

std::vector<std::tuple<std::string, int, std::string>> Texts(const std::vector<Page::TextRow>& rows)
{
    std::vector<std::tuple<std::string, int, std::string>> texts;
    for (const Page::TextRow& row : rows)
        texts.emplace_back(row.control, row.textId, row.suffix);
    return texts;
}

TEST(FamilyRowsTest, RadiosTakeTheModesAroundTheTopRadio)
{
    struct Case {
        Page::TopRadio top;
        std::vector<std::tuple<std::string, int, int>> radios;
    };
    const Case cases[] = {
        {Page::kPropMaxRadio,
         {{"IDC_LM_PROPMAX", 0, 0x40},
          {"IDC_LM_FULL", 1, 0x41},
          {"IDC_LM_LOW", 2, 0x42},
          {"IDC_LM_PROP1", 3, 0x43},
          {"IDC_LM_PROP2", 4, 0x44},
          {"IDC_LM_PROP3", 5, 0x45},
          {"IDC_LM_PROP4", 6, 0x46},
          {"IDC_LM_PROP5", 7, 0x47}}},
        {{nullptr, 0, 0},
         {{"IDC_LM_FULL", 1, 0x41},
          {"IDC_LM_LOW", 2, 0x42},
          {"IDC_LM_PROP1", 3, 0x43},
          {"IDC_LM_PROP2", 4, 0x44},
          {"IDC_LM_PROP3", 5, 0x45},
          {"IDC_LM_PROP4", 6, 0x46},
          {"IDC_LM_PROP5", 7, 0x47}}},
        {{"IDC_LM_P", 0, 0},
         {{"IDC_LM_P", 0, 0x40},
          {"IDC_LM_FULL", 1, 0x41},
          {"IDC_LM_LOW", 2, 0x42},
          {"IDC_LM_PROP1", 3, 0x43},
          {"IDC_LM_PROP2", 4, 0x44},
          {"IDC_LM_PROP3", 5, 0x45},
          {"IDC_LM_PROP4", 6, 0x46},
          {"IDC_LM_PROP5", 7, 0x47}}},
        {{"IDC_LM_PROPMAX", 7, 2065},
         {{"IDC_LM_FULL", 0, 0x40},
          {"IDC_LM_LOW", 1, 0x41},
          {"IDC_LM_PROP1", 2, 0x42},
          {"IDC_LM_PROP2", 3, 0x43},
          {"IDC_LM_PROP3", 4, 0x44},
          {"IDC_LM_PROP4", 5, 0x45},
          {"IDC_LM_PROP5", 6, 0x46},
          {"IDC_LM_PROPMAX", 7, 0x47}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Radios(Page::ModellingLightRadios(c.top)), c.radios) << (c.top.name ? c.top.name : "none");
    EXPECT_EQ(Radios(Page::ModellingLightRadios()), cases[0].radios);
}

TEST(FamilyRowsTest, TriggerBoxesKeepTheFamilysOwnBehindThem)
{
    using Rows = std::vector<std::tuple<std::string, int, int, int>>;
    EXPECT_EQ(Boxes(Page::TriggerBoxes(true)),
              (Rows{{"IDC_FL_CELL", 4, 0x41, 0x40}, {"IDC_FL_IR", 4, 0x81, 0x80}, {"IDC_FL_RF", 4, 0x21, 0x20}}));
    EXPECT_EQ(Boxes(Page::TriggerBoxes(false)), (Rows{{"IDC_FL_CELL", 4, 0x41, 0x40}, {"IDC_FL_RF", 4, 0x21, 0x20}}));
    EXPECT_EQ(Boxes(Page::TriggerBoxes(true, {{"IDC_ENERGIEBEREICH", 29, 1, 0}})),
              (Rows{{"IDC_FL_CELL", 4, 0x41, 0x40},
                    {"IDC_FL_IR", 4, 0x81, 0x80},
                    {"IDC_FL_RF", 4, 0x21, 0x20},
                    {"IDC_ENERGIEBEREICH", 29, 1, 0}}));
}

TEST(FamilyRowsTest, LabelsGiveTheTopRadioItsOwnText)
{
    using Rows = std::vector<std::tuple<std::string, int, std::string>>;
    const Rows head = {
        {"IDC_FLASH", 2071, ""},      {"IDC_MODELING", 2062, ""},   {"IDC_STATUS", 2124, ""},
        {"IDC_LM_FULL", 2063, ""},    {"IDC_LM_LOW", 2064, ""},     {"IDC_LM_PROP1", 2065, " 1"},
        {"IDC_LM_PROP2", 2065, " 2"}, {"IDC_LM_PROP3", 2065, " 3"}, {"IDC_LM_PROP4", 2065, " 4"},
        {"IDC_LM_PROP5", 2065, " 5"},
    };
    const auto rows = [&head](std::vector<std::tuple<std::string, int, std::string>> top, bool infrared,
                              const Rows& extra) {
        Rows texts = head;
        texts.insert(texts.end(), top.begin(), top.end());
        texts.emplace_back("IDC_FL_CELL", 2067, "");
        if (infrared)
            texts.emplace_back("IDC_FL_IR", 2068, "");
        texts.emplace_back("IDC_FL_RF", 2147, "");
        texts.emplace_back("IDC_FL_TEST", 2069, "");
        texts.emplace_back("IDC_ST_SET", 2072, "");
        texts.insert(texts.end(), extra.begin(), extra.end());
        return texts;
    };
    const Rows range = {{"IDC_ENERGIEBEREICH", 2200, ""}};
    EXPECT_EQ(Texts(Page::LampTextRows(true)), rows({{"IDC_LM_PROPMAX", 2066, ""}}, true, {}));
    EXPECT_EQ(Texts(Page::LampTextRows(false)), rows({{"IDC_LM_PROPMAX", 2066, ""}}, false, {}));
    EXPECT_EQ(Texts(Page::LampTextRows(true, {{"IDC_ENERGIEBEREICH", 2200, ""}}, {nullptr, 0, 0})),
              rows({}, true, range));
    EXPECT_EQ(Texts(Page::LampTextRows(true, {}, {"IDC_LM_P", 0, 0})), rows({}, true, {}));
    EXPECT_EQ(Texts(Page::LampTextRows(true, {{"IDC_ENERGIEBEREICH", 2200, ""}}, {"IDC_LM_PROPMAX", 7, 2065})),
              rows({{"IDC_LM_PROPMAX", 2065, ""}}, true, range));
}

}  // namespace
