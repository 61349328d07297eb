// The texts a user reads most on a unit's page, word for word as the page
// shows them in each language: the modelling light's levels, the flash
// control and status, and the labels of the setting pages' tabs.
#include "FamilyPageFixture.h"

#include "units/zarit/ZaritDevice.h"

using namespace guitest;

namespace {

enum Language { kEnglish, kGerman, kFrench, kSpanish, kLanguages };

constexpr uint16_t kOffsets[kLanguages] = {0, 500, 1000, 1500};

// What a control shows, in English, German, French and Spanish.
struct ShownText {
    const char* control;
    const char* text[kLanguages];
};

// clang-format off
const ShownText kLabels[] = {
    {"IDC_MODELING", {"modeling light", "Einstelllicht", "lampe pilote", "luz de modelado"}},
    {"IDC_LM_FULL",  {"full", "voll", "pleine", "plena"}},
    {"IDC_LM_LOW",   {"low", "reduziert", "réduite", "reducida"}},
    {"IDC_LM_PROP1", {"prop  1", "prop  1", "prop  1", "prop  1"}},
    {"IDC_FLASH",    {"flash control", "Blitzkontrolle", "contrôle flash", "control de flash"}},
    {"IDC_STATUS",   {"status", "Status", "état", "estado"}},
    {"IDC_FL_CELL",  {"cell", "Zelle", "cellule", "célula"}},
    {"IDC_FL_TEST",  {"test", "Test", "test", "prueba"}},
};

// The tabs of the two setting notebooks: the notebook and the tab's place.
struct ShownTab {
    const char* book;
    size_t index;
    const char* text[kLanguages];
};

const ShownTab kTabs[] = {
    {"IDC_LAMPMEMTAB", 0, {"lamp", "Lampe", "lampe", "lámpara"}},
    {"IDC_LAMPMEMTAB", 1, {"memory", "Speicher", "mémoire", "memoria"}},
    {"IDC_OPTIONSTAB", 0, {"auxiliary flash functions", "Blitz-Zusatzfunktionen", "fonctions flash auxiliaires",
                           "funciones auxiliares de flash"}},
    {"IDC_OPTIONSTAB", 1, {"options", "Optionen", "options", "opciones"}},
    {"IDC_OPTIONSTAB", 2, {"infos", "Infos", "infos", "info"}},
};

const ShownText kToolTips[] = {
    {"IDC_MAIN_LIGHT", {"energy", "Energie", "énergie", "energía"}},
    {"IDC_SPIN_AUX1",  {"lamp 1", "Lampe 1", "lampe 1", "lámpara 1"}},
};
// clang-format on

class ShownTextsTest : public FamilyPageTest<CZaritDevice>, public testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        FamilyPageTest::SetUp();
        Open(37, 0, kOffsets[GetParam()]);
    }

    // Compared as UTF-8, so that a failure reads as text.
    static std::string Expected(const char* const (&text)[kLanguages]) { return text[GetParam()]; }
};

TEST_P(ShownTextsTest, ZaritPageShowsItsTextsWordForWord)
{
    for (const ShownText& row : kLabels)
        EXPECT_EQ(Label(row.control).utf8_string(), Expected(row.text)) << row.control;

    for (const ShownTab& tab : kTabs) {
        auto* notebook = Find<wxNotebook>(tab.book);
        ASSERT_NE(notebook, nullptr) << tab.book;
        ASSERT_LT(tab.index, notebook->GetPageCount()) << tab.book;
        EXPECT_EQ(notebook->GetPageText(tab.index).utf8_string(), Expected(tab.text)) << tab.book << " " << tab.index;
    }

    for (const ShownText& row : kToolTips) {
        wxWindow* window = page->FindWindow(XRCID(row.control));
        ASSERT_NE(window, nullptr) << row.control;
        EXPECT_EQ(window->GetToolTipText().utf8_string(), Expected(row.text)) << row.control;
    }
}

std::string LanguageName(const testing::TestParamInfo<Language>& info)
{
    const char* const names[kLanguages] = {"English", "German", "French", "Spanish"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Languages, ShownTextsTest, testing::Values(kEnglish, kGerman, kFrench, kSpanish),
                         LanguageName);

}  // namespace
