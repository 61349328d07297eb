// The memory pages of the four families in a stand-in device page: the
// choice of a memory and what it sends, store and recall, the unit's choice
// shown silently, the table's setters and the lamp labels of each family.
#include "SettingPageStandIn.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <wx/radiobut.h>
#include <wx/uiaction.h>

#include "PageUserActions.h"
#include "pages/memory/MemoryControls.h"
#include "pages/memory/MemoryPage.h"
#include "pages/memory/MemoryPageNuvek.h"
#include "pages/memory/MemoryPageRibex.h"
#include "pages/memory/MemoryPageZarit.h"

using namespace guitest;

namespace {

using Commands = std::vector<std::pair<int16_t, int32_t>>;

const char* const kRadios[] = {"IDC_ME_MEMORY1", "IDC_ME_MEMORY2", "IDC_ME_MEMORY3", "IDC_ME_MEMORY4"};

struct Family {
    const char* name;
    const char* panel;
    std::function<CMemoryPageBase*(CFlashDevice*, CSettingPageHost*)> make;
    // Left labels of lines 1 to 4 in English; nullopt: hidden; "=": as the
    // resource file has it.
    std::array<std::optional<std::string>, 4> englishLabels;
};

const std::vector<Family>& Families()
{
    static const std::vector<Family> families = {
        {"QuirelA1",
         "DLG_MEMORY_PAGE",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CMemoryPage(u, h); },
         {std::nullopt, "lamp 3", "lamp 2", "lamp 1"}},
        {"Zarit",
         "DLG_MEMORY_PAGE_ZARIT",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CMemoryPageZarit(u, h); },
         {std::nullopt, "lamp 1", "lamp 2", "lamp 3"}},
        {"Nuvek",
         "DLG_MEMORY_PAGE_NUVEK",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CMemoryPageNuvek(u, h); },
         {"lamp 1", "lamp 2", std::nullopt, "="}},
        {"Ribex",
         "DLG_MEMORY_PAGE_RIBEX",
         [](CFlashDevice* u, CSettingPageHost* h) { return new CMemoryPageRibex(u, h); },
         {"lamp 1", "lamp 2-3", std::nullopt, "="}},
    };
    return families;
}

class MemoryPageTest : public SettingPageTest {
protected:
    CMemoryPageBase* Make(const Family& family)
    {
        CMemoryPageBase* page = family.make(unit.get(), host);
        EXPECT_STREQ(page->GetPanelName(), family.panel);
        return host->Place(page, family.panel, host->LampMemoryBook(), "memory");
    }

    CMemoryPageBase* MakeZarit() { return Make(Families()[1]); }

    std::vector<bool> Radios(wxWindow* page)
    {
        std::vector<bool> set;
        for (const char* name : kRadios)
            set.push_back(Find<wxRadioButton>(page, name)->GetValue());
        return set;
    }
};

TEST_F(MemoryPageTest, ChoosingAMemoryAsksForItsRecordAfterTheSelections)
{
    unit->SetPageField(true);
    for (const Family& family : Families()) {
        SCOPED_TRACE(family.name);
        CMemoryPageBase* page = Make(family);
        for (int i = 0; i < 4; ++i) {
            host->commands.clear();
            SelectRadio(page, kRadios[i]);
            EXPECT_EQ(host->commands, (Commands{{11, 0}, {2, 101 + i}}));
            // Command 11 reads the new choice.
            EXPECT_EQ(page->GetSelectedMemory(), i);
        }
    }
}

TEST_F(MemoryPageTest, MemoryOneWaitsForTheUnitToHoldItsPageTheOthersDoNot)
{
    CMemoryPageBase* page = MakeZarit();
    SelectRadio(page, "IDC_ME_MEMORY1");
    EXPECT_TRUE(host->commands.empty());
    SelectRadio(page, "IDC_ME_MEMORY2");
    EXPECT_EQ(host->commands, (Commands{{11, 0}, {2, 102}}));

    host->commands.clear();
    unit->SetPageField(true);
    SelectRadio(page, "IDC_ME_MEMORY1");
    EXPECT_EQ(host->commands, (Commands{{11, 0}, {2, 101}}));
}

TEST_F(MemoryPageTest, AMouseClickOnAMemorySends)
{
    unit->SetPageField(true);
    CMemoryPageBase* page = MakeZarit();
    wxWindow* radio = page->FindWindow(XRCID("IDC_ME_MEMORY3"));
    ASSERT_TRUE(WaitFor([&] { return radio->IsShownOnScreen(); }));
    // The notebook places the page once it is shown.
    ASSERT_TRUE(WaitForSettledLayout(page));
    const wxRect rect = radio->GetScreenRect();
    wxUIActionSimulator sim;
    // A test on another window of the display may move the pointer away
    // between the two steps: then nothing is clicked, and again.
    for (int attempt = 0; attempt < 3 && host->commands.empty(); ++attempt) {
        sim.MouseMove(rect.x + 8, rect.y + rect.height / 2);
        Yield();
        sim.MouseClick();
        WaitFor([&] { return host->commands.size() >= 2; }, 1000);
    }
    EXPECT_EQ(host->commands, (Commands{{11, 0}, {2, 103}}));
    EXPECT_EQ(page->GetSelectedMemory(), 2);
}

TEST_F(MemoryPageTest, StoreAndRecallUseTheChosenMemory)
{
    CMemoryPageBase* page = MakeZarit();
    // None chosen yet: memory 1.
    ClickButton(page, "IDC_ME_STORE");
    ClickButton(page, "IDC_ME_REC");
    EXPECT_EQ(host->commands, (Commands{{12, 0}, {13, 0}}));

    SelectRadio(page, "IDC_ME_MEMORY2");
    host->commands.clear();
    ClickButton(page, "IDC_ME_STORE");
    ClickButton(page, "IDC_ME_REC");
    EXPECT_EQ(host->commands, (Commands{{12, 1}, {13, 1}}));
}

TEST_F(MemoryPageTest, TheUnitsChoiceShowsWithoutSending)
{
    CMemoryPageBase* page = MakeZarit();
    EXPECT_EQ(Radios(page), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(page->GetSelectedMemory(), 0);

    page->SelectMemory(3);
    EXPECT_EQ(Radios(page), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(page->GetSelectedMemory(), 3);
    EXPECT_TRUE(page->GetCheck(XRCID("IDC_ME_MEMORY4")));
    EXPECT_FALSE(page->GetCheck(XRCID("IDC_ME_MEMORY1")));

    page->SelectMemory(1);
    EXPECT_EQ(Radios(page), (std::vector<bool>{false, true, false, false}));
    EXPECT_TRUE(page->GetCheck(XRCID("IDC_ME_MEMORY2")));

    // Outside 0..3 no memory is chosen, and store falls back to memory 1.
    for (int outside : {4, -1, 7}) {
        SelectRadio(page, "IDC_ME_MEMORY3");
        host->commands.clear();
        page->SelectMemory(outside);
        EXPECT_EQ(Radios(page), (std::vector<bool>{false, false, false, false})) << outside;
        EXPECT_EQ(page->GetSelectedMemory(), 0);
        ClickButton(page, "IDC_ME_STORE");
        EXPECT_EQ(host->commands, (Commands{{12, 0}})) << outside;
    }
    host->commands.clear();
    page->SelectMemory(2);
    Yield();
    EXPECT_TRUE(host->commands.empty());
    // A control that is no memory radio is not set.
    EXPECT_FALSE(page->GetCheck(XRCID("IDC_ME_STORE")));
}

TEST_F(MemoryPageTest, TheTableSettersWriteTheirCells)
{
    using Setter = void (CMemoryPageBase::*)(const wxString&);
    const std::vector<std::pair<Setter, const char*>> cells = {
        {&CMemoryPageBase::SetLine1L, "IDC_ME_LINE1L"},         {&CMemoryPageBase::SetLine2L, "IDC_ME_LINE2L"},
        {&CMemoryPageBase::SetLine3L, "IDC_ME_LINE3L"},         {&CMemoryPageBase::SetLine4L, "IDC_ME_LINE4L"},
        {&CMemoryPageBase::SetLine5L, "IDC_ME_LINE5L"},         {&CMemoryPageBase::SetLine3LLabel, "IDC_ME_LINE3L_LA"},
        {&CMemoryPageBase::SetLine5LLabel, "IDC_ME_LINE5L_LA"}, {&CMemoryPageBase::SetLine1R, "IDC_ME_LINE1R"},
        {&CMemoryPageBase::SetLine2R, "IDC_ME_LINE2R"},         {&CMemoryPageBase::SetLine3R, "IDC_ME_LINE3R"},
        {&CMemoryPageBase::SetLine4R, "IDC_ME_LINE4R"},         {&CMemoryPageBase::SetLine5R, "IDC_ME_LINE5R"},
        {&CMemoryPageBase::SetLine1RLabel, "IDC_ME_LINE1R_LA"}, {&CMemoryPageBase::SetLine2RLabel, "IDC_ME_LINE2R_LA"},
        {&CMemoryPageBase::SetLine3RLabel, "IDC_ME_LINE3R_LA"}, {&CMemoryPageBase::SetLine4RLabel, "IDC_ME_LINE4R_LA"},
        {&CMemoryPageBase::SetLine5RLabel, "IDC_ME_LINE5R_LA"},
    };
    CMemoryPageBase* page = MakeZarit();
    int n = 0;
    for (const auto& [setter, control] : cells)
        (page->*setter)(wxString::Format("text %d", n++));
    n = 0;
    for (const auto& [setter, control] : cells)
        EXPECT_EQ(TextOf(page, control), wxString::Format("text %d", n++)) << control;
    EXPECT_TRUE(host->commands.empty());
}

TEST_F(MemoryPageTest, TextsAndLampLabelsPerFamilyInEnglishAndGerman)
{
    for (uint16_t offset : {0, 500}) {
        host->languageOffset = offset;
        const bool german = offset == 500;
        const wxString lamp = german ? "Lampe" : "lamp";
        const wxString memory = german ? "Speicher" : "memory";
        for (const Family& family : Families()) {
            SCOPED_TRACE(std::string(family.name) + (german ? " German" : " English"));
            wxWindow* fresh = wxXmlResource::Get()->LoadPanel(Frame(), family.panel);
            CMemoryPageBase* page = Make(family);
            EXPECT_EQ(TextOf(page, "IDC_ME_FR_MEMORY"), memory);
            EXPECT_EQ(TextOf(page, "IDC_ME_FR_INFO"), german ? "Info-Speicher" : "info memory");
            EXPECT_EQ(TextOf(page, "IDC_ME_STORE"), german ? "speichern" : "store");
            EXPECT_EQ(TextOf(page, "IDC_ME_REC"), german ? "abrufen" : "recall");
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(TextOf(page, kRadios[i]), memory + wxString::Format(" %d", i + 1));
            for (int line = 1; line <= 4; ++line) {
                const wxString name = MemoryCellName(line, MemoryCell::LeftLabel);
                const std::optional<std::string>& expected = family.englishLabels[line - 1];
                if (!expected) {
                    EXPECT_FALSE(IsShown(page, name)) << name;
                    continue;
                }
                EXPECT_TRUE(IsShown(page, name)) << name;
                if (*expected == "=")
                    EXPECT_EQ(TextOf(page, name), TextOf(fresh, name)) << name;
                else
                    EXPECT_EQ(TextOf(page, name), lamp + wxString(*expected).Mid(4)) << name;
            }
            fresh->Destroy();
        }
    }
}

TEST_F(MemoryPageTest, AHiddenLabelStaysHiddenWhenTheDecoderWritesIt)
{
    CMemoryPageBase* page = Make(Families()[2]);
    page->SetLine3LLabel("preset");
    EXPECT_FALSE(IsShown(page, "IDC_ME_LINE3L_LA"));
    EXPECT_EQ(TextOf(page, "IDC_ME_LINE3L_LA"), "preset");
}

// A device page that carries its own memories uses the same helpers on its
// own radios and table.
TEST_F(MemoryPageTest, TheHelpersServeADevicePagesOwnMemoryRadios)
{
    ASSERT_TRUE(LoadLayoutText("test-own-memories", R"(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxPanel" name="DLG_TEST_OWN_MEMORIES">
    <object class="wxBoxSizer">
      <orient>wxVERTICAL</orient>
      <object class="sizeritem"><object class="wxRadioButton" name="IDC_TEST_MEMORY_UNSET">
        <style>wxRB_GROUP</style><hidden>1</hidden></object></object>
      <object class="sizeritem"><object class="wxRadioButton" name="IDC_ME_MEMORY5"/></object>
      <object class="sizeritem"><object class="wxRadioButton" name="IDC_ME_MEMORY6"/></object>
      <object class="sizeritem"><object class="wxRadioButton" name="IDC_ME_MEMORY7"/></object>
      <object class="sizeritem"><object class="wxRadioButton" name="IDC_ME_MEMORY8"/></object>
      <object class="sizeritem"><object class="wxStaticText" name="IDC_ME_LINE2R_LA"/></object>
    </object>
  </object>
</resource>)"));
    const MemoryRadioGroup own = {"IDC_TEST_MEMORY_UNSET",
                                  {"IDC_ME_MEMORY5", "IDC_ME_MEMORY6", "IDC_ME_MEMORY7", "IDC_ME_MEMORY8"}};
    wxWindow* page = wxXmlResource::Get()->LoadPanel(Frame(), "DLG_TEST_OWN_MEMORIES");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(GetSelectedMemoryOf(page, own), 0);
    SelectMemoryOn(page, own, 2);
    EXPECT_EQ(GetSelectedMemoryOf(page, own), 2);
    EXPECT_TRUE(IsRadioChecked(page, XRCID("IDC_ME_MEMORY7")));
    SelectMemoryOn(page, own, 9);
    EXPECT_EQ(GetSelectedMemoryOf(page, own), 0);
    EXPECT_FALSE(IsRadioChecked(page, XRCID("IDC_ME_MEMORY7")));
    SetMemoryCell(page, 2, MemoryCell::RightLabel, "flash");
    EXPECT_EQ(TextOf(page, "IDC_ME_LINE2R_LA"), "flash");
    page->Destroy();
}

}  // namespace
