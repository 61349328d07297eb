// The options pages as the user first sees them: which controls each family
// shows and lets be changed for its kind of unit, their labels in the
// language of the device page, and the entries of the two lists.
#include "OptionsPageFixture.h"

#include <set>
#include <string>

#include <wx/radiobox.h>

#include "app/CtrlHelpers.h"
#include "pages/options/OptionsPage.h"
#include "pages/options/OptionsPageNuvek.h"
#include "pages/options/OptionsPageRibex.h"
#include "pages/options/OptionsPageTiko.h"
#include "pages/options/OptionsPageZarit.h"
#include "pages/options/OptionsPageZaritE.h"
#include "text/TextTable.h"

using namespace guitest;

namespace {

enum class Family { QuirelA1, Tiko, Nuvek, Ribex, Zarit, ZaritE };

using Names = std::vector<const char*>;

// The flash-info controls.
#define FLASH_INFOS                                                                                         \
    "IDC_FLASH_TITEL", "IDC_OP_RESET", "IDC_OP_RESET_TOTAL", "IDC_OP_COUNTER_LB", "IDC_OP_TOTALCOUNTER_LB", \
        "IDC_OP_COUNTER", "IDC_OP_TOTALCOUNTER"

// Every control of each panel.
// clang-format off
const Names kSharedPanel = {
    "IDC_RECYCLING_TITEL", "IDC_OP_REDUCED", "IDC_OP_SLOW", "IDC_OP_BUZZER", "IDC_OP_CELL",
    "IDC_OP_POWERDISPLAY", "IDC_OP_POWERDISPLAY_LA", "IDC_OP_IRADDRESS", "IDC_OP_IRADDRESS_LA", FLASH_INFOS,
};
// clang-format on
// clang-format off
const Names kNuvekPanel = {
    "IDC_RECYCLING_TITEL", "IDC_OP_REDUCED", "IDC_OP_SLOW", "IDC_OP_BUZZER",
    "IDC_FLASH_TITEL", "IDC_OP_TOTALCOUNTER_LB", "IDC_OP_TOTALCOUNTER", "IDC_OP_RESET_TOTAL",
};
// clang-format on
// clang-format off
const Names kRibexPanel = {
    "IDC_RECYCLING_TITEL", "IDC_OP_REDUCED", "IDC_OP_FAST", "IDC_OP_BUZZER", "IDC_OP_READY", "IDC_OP_CELL_RIBEX",
    "IDC_FLASH_TITEL", "IDC_OP_TOTALCOUNTER_LB", "IDC_OP_TOTALCOUNTER", "IDC_OP_RESET_TOTAL",
};
// clang-format on
// clang-format off
const Names kZaritPanel = {
    "IDC_RECYCLING_TITEL", "IDC_OP_REDUCED", "IDC_OP_SLOW", "IDC_OP_CELL", "ID_OP_SENSITIVITY", "ID_OP_READINESS",
    "IDC_OP_POWERDISPLAY_LA", "IDC_OP_POWERDISPLAY", "ID_OP_SPEEDDISPLAY",
    "wxID_OP_BUZZER_BOX", "IDC_OP_BUZZER", "wxID_OP_BUZZER_LA_VOL",
    "ID_OP_BUZZER_VOL_0", "ID_OP_BUZZER_VOL_1", "ID_OP_BUZZER_VOL_2", "ID_OP_BUZZER_VOL_3",
    "wxID_OP_BUZZER_LA_MODE", "ID_OP_BUZZER_MODE_0", "ID_OP_BUZZER_MODE_1", "ID_OP_BRIGHTNESS", FLASH_INFOS,
};
// clang-format on
// clang-format off
const Names kZaritEPanel = {
    "IDC_OP_BUZZER_VOL", "ID_OP_BUZZER_VOL", "IDC_OP_BUZZER", "IDC_OP_SLOW", "IDC_OP_CELL",
    "IDC_OP_POWERDISPLAY_LA", FLASH_INFOS,
};
// clang-format on

struct InitCase {
    const char* what;
    Family family;
    uint16_t type;
    uint8_t radio;
    uint8_t energy;
    const Names* panel;
    Names hidden;
    Names disabled;
};

// clang-format off
const InitCase kInitCases[] = {
    {"QuirelA1", Family::QuirelA1, 16, 0, 0, &kSharedPanel, {"IDC_OP_CELL"}, {}},
    {"QuirelA1 with radio release", Family::QuirelA1, 16, 1, 0, &kSharedPanel, {"IDC_OP_CELL", FLASH_INFOS}, {}},
    {"Tiko Trovalex", Family::Tiko, 18, 0, 0, &kSharedPanel, {"IDC_OP_RESET", "IDC_OP_COUNTER", "IDC_OP_COUNTER_LB"},
     {}},
    {"Tiko Trovalex with radio release", Family::Tiko, 18, 1, 0, &kSharedPanel,
     {"IDC_OP_RESET", "IDC_OP_COUNTER", "IDC_OP_COUNTER_LB"}, {}},
    {"Tiko 25", Family::Tiko, 25, 0, 0, &kSharedPanel,
     {"IDC_OP_RESET", "IDC_OP_COUNTER", "IDC_OP_COUNTER_LB", "IDC_OP_POWERDISPLAY", "IDC_OP_POWERDISPLAY_LA",
      "IDC_OP_IRADDRESS", "IDC_OP_IRADDRESS_LA"},
     {}},
    {"Tiko Hexor", Family::Tiko, 26, 1, 0, &kSharedPanel,
     {"IDC_OP_RESET", "IDC_OP_COUNTER", "IDC_OP_COUNTER_LB", "IDC_OP_POWERDISPLAY", "IDC_OP_POWERDISPLAY_LA",
      "IDC_OP_IRADDRESS", "IDC_OP_IRADDRESS_LA", "IDC_OP_CELL"},
     {}},
    {"Nuvek", Family::Nuvek, 20, 0, 0, &kNuvekPanel, {}, {}},
    {"Nuvek with radio release", Family::Nuvek, 20, 1, 0, &kNuvekPanel,
     {"IDC_FLASH_TITEL", "IDC_OP_TOTALCOUNTER_LB", "IDC_OP_TOTALCOUNTER"}, {}},
    {"Ribex", Family::Ribex, 32, 0, 0, &kRibexPanel, {}, {}},
    {"Ribex with radio release", Family::Ribex, 32, 2, 0, &kRibexPanel,
     {"IDC_FLASH_TITEL", "IDC_OP_TOTALCOUNTER_LB", "IDC_OP_TOTALCOUNTER"}, {}},
    {"Zarit", Family::Zarit, 37, 0, 0, &kZaritPanel, {"IDC_OP_CELL"}, {}},
    {"Zarit with radio release, energy class 1", Family::Zarit, 37, 1, 1, &kZaritPanel,
     {"IDC_OP_CELL", FLASH_INFOS}, {"IDC_OP_POWERDISPLAY"}},
    {"ZaritE", Family::ZaritE, 137, 0, 0, &kZaritEPanel,
     {FLASH_INFOS, "IDC_OP_CELL", "IDC_OP_BUZZER", "IDC_OP_POWERDISPLAY_LA"}, {}},
    {"ZaritE with radio release", Family::ZaritE, 137, 1, 2, &kZaritEPanel,
     {FLASH_INFOS, "IDC_OP_CELL", "IDC_OP_BUZZER", "IDC_OP_POWERDISPLAY_LA"}, {}},
};
// clang-format on

struct Caption {
    const char* control;
    int textId;
};
using Captions = std::vector<Caption>;

// clang-format off
const Captions kSharedCaptions = {
    {"IDC_RECYCLING_TITEL", 2044}, {"IDC_FLASH_TITEL", 2045}, {"IDC_OP_REDUCED", 2046}, {"IDC_OP_SLOW", 2047},
    {"IDC_OP_BUZZER", 2048}, {"IDC_OP_RESET", 2029}, {"IDC_OP_RESET_TOTAL", 2029}, {"IDC_OP_COUNTER_LB", 2049},
    {"IDC_OP_TOTALCOUNTER_LB", 2050}, {"IDC_OP_POWERDISPLAY_LA", 2051}, {"IDC_OP_IRADDRESS_LA", 2052},
    {"IDC_OP_CELL", 2148},
};
// clang-format on

const Captions& CaptionsOf(Family family)
{
    static const Captions nuvek = {
        {"IDC_RECYCLING_TITEL", 2044},    {"IDC_FLASH_TITEL", 2045},
        {"IDC_OP_REDUCED", 2046},         {"IDC_OP_SLOW", 2047},
        {"IDC_OP_BUZZER", 2048},          {"IDC_OP_RESET_TOTAL", 2029},
        {"IDC_OP_TOTALCOUNTER_LB", 2050},
    };
    static const Captions ribex = {
        {"IDC_RECYCLING_TITEL", 2044}, {"IDC_FLASH_TITEL", 2045},    {"IDC_OP_REDUCED", 2046},
        {"IDC_OP_FAST", 2204},         {"IDC_OP_READY", 2205},       {"IDC_OP_CELL_RIBEX", 2206},
        {"IDC_OP_BUZZER", 2048},       {"IDC_OP_RESET_TOTAL", 2029}, {"IDC_OP_TOTALCOUNTER_LB", 2050},
    };
    static const Captions zarit = {
        {"IDC_RECYCLING_TITEL", 2044},
        {"IDC_FLASH_TITEL", 2045},
        {"IDC_OP_REDUCED", 2046},
        {"IDC_OP_SLOW", 2047},
        {"IDC_OP_BUZZER", 2048},
        {"IDC_OP_RESET", 2029},
        {"IDC_OP_RESET_TOTAL", 2029},
        {"IDC_OP_COUNTER_LB", 2049},
        {"IDC_OP_TOTALCOUNTER_LB", 2050},
        {"IDC_OP_POWERDISPLAY_LA", 2051},
        {"IDC_OP_CELL", 2148},
        {"ID_OP_SENSITIVITY", 2206},
        {"IDC_OP_POWERDISPLAY", 2211},
        {"ID_OP_SPEEDDISPLAY", 2212},
        {"wxID_OP_BUZZER_BOX", 2210},
        {"wxID_OP_BUZZER_LA_VOL", 2213},
        {"wxID_OP_BUZZER_LA_MODE", 2214},
        {"ID_OP_BUZZER_VOL_0", 2215},
        {"ID_OP_BUZZER_VOL_1", 2216},
        {"ID_OP_BUZZER_VOL_2", 2217},
        {"ID_OP_BUZZER_VOL_3", 2218},
        {"ID_OP_BUZZER_MODE_0", 2219},
        {"ID_OP_BUZZER_MODE_1", 2220},
        {"ID_OP_READINESS", 2205},
        {"ID_OP_BRIGHTNESS", 2221},
    };
    static const Captions zaritE = {
        {"ID_OP_BUZZER_VOL", 2210},  {"IDC_FLASH_TITEL", 2045},        {"IDC_OP_BUZZER_VOL", 2213},
        {"IDC_OP_SLOW", 2047},       {"IDC_OP_RESET", 2029},           {"IDC_OP_RESET_TOTAL", 2029},
        {"IDC_OP_COUNTER_LB", 2049}, {"IDC_OP_TOTALCOUNTER_LB", 2050}, {"IDC_OP_POWERDISPLAY_LA", 2051},
    };
    switch (family) {
    case Family::QuirelA1:
    case Family::Tiko:
        return kSharedCaptions;
    case Family::Nuvek:
        return nuvek;
    case Family::Ribex:
        return ribex;
    case Family::Zarit:
        return zarit;
    case Family::ZaritE:
        break;
    }
    return zaritE;
}

class OptionsPageInitTest : public OptionsPageTest {
protected:
    COptionsPageBase* MakeFamily(Family family, uint16_t type, uint8_t radio = 0, uint8_t energy = 0)
    {
        switch (family) {
        case Family::QuirelA1:
            return Make<COptionsPage>(type, radio, energy);
        case Family::Tiko:
            return Make<COptionsPageTiko>(type, radio, energy);
        case Family::Nuvek:
            return Make<COptionsPageNuvek>(type, radio, energy);
        case Family::Ribex:
            return Make<COptionsPageRibex>(type, radio, energy);
        case Family::Zarit:
            return Make<COptionsPageZarit>(type, radio, energy);
        case Family::ZaritE:
            break;
        }
        return Make<COptionsPageZaritE>(type, radio, energy);
    }

    static wxString Label(wxWindow* page, const char* name)
    {
        wxString text = "<missing>";
        GetCtrlText(page, XRCID(name), text);
        return text;
    }
};

TEST_F(OptionsPageInitTest, EachUnitSeesTheControlsOfItsKind)
{
    for (const InitCase& c : kInitCases) {
        SCOPED_TRACE(c.what);
        COptionsPageBase* page = MakeFamily(c.family, c.type, c.radio, c.energy);
        const std::set<std::string> hidden(c.hidden.begin(), c.hidden.end());
        const std::set<std::string> disabled(c.disabled.begin(), c.disabled.end());
        for (const char* name : *c.panel) {
            wxWindow* control = Control(page, name);
            ASSERT_NE(control, nullptr) << name;
            EXPECT_EQ(control->IsShown(), hidden.count(name) == 0) << name;
            EXPECT_EQ(control->IsEnabled(), disabled.count(name) == 0) << name;
        }
        // Building the page tells the device page nothing.
        EXPECT_TRUE(CallsSoFar().empty());
        Drop(page);
    }
}

TEST_F(OptionsPageInitTest, LabelsFollowTheLanguageOfTheDevicePage)
{
    const Family families[] = {Family::QuirelA1, Family::Tiko,  Family::Nuvek,
                               Family::Ribex,    Family::Zarit, Family::ZaritE};
    for (uint16_t offset : {0, 500}) {
        host->languageOffset = offset;
        for (Family family : families) {
            SCOPED_TRACE(::testing::Message() << "family " << static_cast<int>(family) << ", offset " << offset);
            COptionsPageBase* page = MakeFamily(family, 18);
            for (const Caption& caption : CaptionsOf(family))
                EXPECT_EQ(Label(page, caption.control), GetString(caption.textId + offset)) << caption.control;
            Drop(page);
        }
    }
}

TEST_F(OptionsPageInitTest, SpotChecksOfTheTextsTheUserReads)
{
    host->languageOffset = 500;
    wxWindow* page = Make<COptionsPage>(16);
    EXPECT_EQ(Label(page, "IDC_RECYCLING_TITEL"), wxString::FromUTF8("Ladezeit"));
    EXPECT_EQ(Label(page, "IDC_OP_RESET_TOTAL"), wxString::FromUTF8("zurücksetzen"));
    Drop(page);

    host->languageOffset = 0;
    page = Make<COptionsPageRibex>(32);
    EXPECT_EQ(Label(page, "IDC_OP_CELL_RIBEX"), "high sensitivity photocell");
    EXPECT_EQ(Label(page, "IDC_OP_FAST"), "fast recycling");
}

TEST_F(OptionsPageInitTest, TheZaritEBuzzerBoxKeepsThePanelsEmptyLabel)
{
    wxWindow* page = Make<COptionsPageZaritE>(137);
    EXPECT_EQ(Label(page, "IDC_OP_BUZZER"), "");
    EXPECT_EQ(Label(page, "ID_OP_BUZZER_VOL"), "ready buzzer");
}

TEST_F(OptionsPageInitTest, BrightnessItemsFollowTheLanguage)
{
    for (uint16_t offset : {0, 1000}) {
        host->languageOffset = offset;
        auto* page = Make<COptionsPageZarit>(37);
        auto* brightness = Control<wxRadioBox>(page, "ID_OP_BRIGHTNESS");
        ASSERT_NE(brightness, nullptr);
        ASSERT_EQ(brightness->GetCount(), 4u);
        for (int item = 0; item < 4; ++item)
            EXPECT_EQ(brightness->GetString(item), GetString(2222 + item + offset)) << item;
        Drop(page);
    }
    host->languageOffset = 0;
    auto* page = Make<COptionsPageZarit>(37);
    EXPECT_EQ(Control<wxRadioBox>(page, "ID_OP_BRIGHTNESS")->GetString(3), "ambient");
}

TEST_F(OptionsPageInitTest, ListsHoldTheModesAndAddressesWithTheFirstSelected)
{
    struct ListCase {
        bool tiko;
        uint16_t offset;
        std::vector<wxString> power;
        std::vector<wxString> ir;
    };
    const ListCase cases[] = {
        {false,
         0,
         {"1/10 f-stop max. 10", "1/10 f-stop max.  9", "1/10 f-stop max.  8", "1/10 f-stop max.  7", "1/3 f-stop"},
         {"channel 1", "channel 2", "all"}},
        {false,
         500,
         {"1/10 Blende max. 10", "1/10 Blende max.  9", "1/10 Blende max.  8", "1/10 Blende max.  7", "1/3 Blende"},
         {"Kanal 1", "Kanal 2", "alle"}},
        {true,
         0,
         {"1/10 f-stop max. 10", "1/10 f-stop max.  9.6", "1/10 f-stop max.  8.6", "1/10 f-stop max.  7.6"},
         {"channel 1", "channel 2", "all"}},
        {true,
         1500,
         {wxString::FromUTF8("1/10 diafrágma max 10"), wxString::FromUTF8("1/10 diafrágma max  9.6"),
          wxString::FromUTF8("1/10 diafrágma max  8.6"), wxString::FromUTF8("1/10 diafrágma max  7.6")},
         {"canal 1", "canal 2", "todos"}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.tiko ? "Tiko" : "QuirelA1") << ", offset " << c.offset);
        host->languageOffset = c.offset;
        wxWindow* page = c.tiko ? static_cast<wxWindow*>(Make<COptionsPageTiko>(18))
                                : static_cast<wxWindow*>(Make<COptionsPage>(16));
        EXPECT_EQ(Entries(page, "IDC_OP_POWERDISPLAY"), c.power);
        EXPECT_EQ(Entries(page, "IDC_OP_IRADDRESS"), c.ir);
        EXPECT_EQ(Selection(page, "IDC_OP_POWERDISPLAY"), 0);
        EXPECT_EQ(Selection(page, "IDC_OP_IRADDRESS"), 0);
        // The first entries stand without the device page hearing of them.
        EXPECT_TRUE(CallsSoFar().empty());
        EXPECT_TRUE(host->journal.empty());
        Drop(page);
    }
}

}  // namespace
