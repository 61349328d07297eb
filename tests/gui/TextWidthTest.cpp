// Fields whose texts change with the language or the unit, as a user sees
// them in the running program in each language: every text they can show
// fits whole (the program version of a Zarit or ZaritE unit, each role of a
// lamp list in any language), and the address labels of the toolbar keep a
// blank beside their word, also with a larger font, and the same gap to
// the fields beside them in every language.
#include "ProgramFixture.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/toolbar.h>
#include <wx/xrc/xmlres.h>

#include "app/UnitFamilies.h"
#include "text/TextTable.h"

using namespace programtest;

namespace {

constexpr size_t kUnits = 5;

class TextWidthTest : public ProgramTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        families = BuiltFamilies();
        bus.AddModelUnit(1, 1, 37);
        bus.AddModelUnit(2, 1, 137);
        bus.AddUnit(3, 1, 20, 1);
        bus.AddUnit(4, 1, 32, 1);
        bus.AddUnit(5, 1, 16, 0x41);
        WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) +
                    "\nStart=1\nEnd=5\nLanguage=" + std::to_string(GetParam()) + "\n");
        ASSERT_TRUE(Start());
        for (int tick = 0; tick < 200 && Notebook()->GetPageCount() < kUnits; ++tick) {
            Tick();
            guitest::Yield();
        }
        ASSERT_EQ(Notebook()->GetPageCount(), kUnits);
    }

    int Offset() const { return 500 * (GetParam() - 1); }

    // Shows device page index and, in its notebook book, the setting page
    // that holds control; that control, or null.
    wxWindow* ShowControl(size_t index, const char* book, const char* control)
    {
        SelectPage(static_cast<int>(index));
        auto* notebook = dynamic_cast<wxNotebook*>(DevicePage(index)->FindWindow(XRCID(book)));
        if (!notebook)
            return nullptr;
        for (size_t i = 0; i < notebook->GetPageCount(); ++i) {
            if (wxWindow* found = notebook->GetPage(i)->FindWindow(XRCID(control))) {
                notebook->SetSelection(i);
                EXPECT_TRUE(guitest::WaitForSettledLayout(notebook));
                return found;
            }
        }
        return nullptr;
    }
};

TEST_P(TextWidthTest, ZaritProgramVersionsShowWhole)
{
    for (size_t index : {0u, 1u}) {
        SCOPED_TRACE(Notebook()->GetPageText(index).utf8_string());
        wxWindow* version = ShowControl(index, "IDC_OPTIONSTAB", "IDC_IN_VERSION");
        ASSERT_NE(version, nullptr);
        ASSERT_TRUE(version->IsShownOnScreen());
        // Both minor versions are bytes.
        int widest = 0;
        for (int minor = 0; minor <= 255; ++minor) {
            const wxString text = wxString::Format("37.%02d / 38.%02d", minor, minor);
            widest = std::max(widest, version->GetTextExtent(text).x);
        }
        EXPECT_GE(version->GetSize().x, widest);
    }
}

TEST_P(TextWidthTest, LampRolesOfEveryLanguageShowWholeInTheirLists)
{
    for (size_t index = 0; index < kUnits; ++index) {
        SCOPED_TRACE(Notebook()->GetPageText(index).utf8_string());
        wxWindow* first = ShowControl(index, "IDC_LAMPMEMTAB", "IDC_LA_LAMP1");
        ASSERT_NE(first, nullptr);
        for (const char* name : {"IDC_LA_LAMP1", "IDC_LA_LAMP2", "IDC_LA_LAMP3"}) {
            auto* list = dynamic_cast<wxComboBox*>(first->GetParent()->FindWindow(XRCID(name)));
            if (!list || !list->IsShown())
                continue;
            ASSERT_TRUE(list->IsShownOnScreen()) << name;
            ASSERT_EQ(list->GetCount(), 21u);
            int widest = 0;
            for (int offset : {0, 500, 1000, 1500}) {
                for (int role = 0; role <= 20; ++role)
                    widest = std::max(widest, list->GetTextExtent(GetString(2126 + role + offset)).x);
            }
            // The list's frame and button as the toolkit has them on the screen.
            EXPECT_GE(list->GetSize().x, list->GetSizeFromTextSize(widest).x) << name;
            EXPECT_EQ(list->GetString(16), GetString(2142 + Offset())) << name;
        }
    }
}

using AddressLabelTest = ProgramTest;

// With a desktop font larger than the one the nominal widths were set for,
// as well as with the usual one.
TEST_F(AddressLabelTest, AddressLabelsKeepABlankBesideTheirWordsInEveryLanguage)
{
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nLanguage=1\n");
    ASSERT_TRUE(Start());
    wxToolBar* bar = Window()->GetToolBar();
    const std::pair<const char*, int> labels[] = {{"IDC_ADDRESS", 2008}, {"IDC_TO", 2009}};
    for (int scale : {1, 2}) {
        for (const auto& [name, textId] : labels) {
            wxWindow* label = bar->FindWindow(XRCID(name));
            ASSERT_NE(label, nullptr);
            label->SetFont(bar->GetFont().Scaled(static_cast<float>(scale)));
        }
        for (int language : {2, 3, 4, 1}) {
            SCOPED_TRACE("font scale " + std::to_string(scale) + ", language " + std::to_string(language));
            Choose(LanguageList(), language - 1);
            SettleToolbar();
            for (const auto& [name, textId] : labels) {
                SCOPED_TRACE(name);
                wxWindow* label = bar->FindWindow(XRCID(name));
                EXPECT_EQ(label->GetLabel(), GetString(textId + 500 * (language - 1)));
                const int blank = label->GetTextExtent(" ").x;
                // "to" stands centred between two fields: a blank on each side.
                const int blanks = name == std::string("IDC_TO") ? 2 : 1;
                EXPECT_GE(label->GetSize().x, label->GetTextExtent(label->GetLabel()).x + blanks * blank);
            }
        }
    }
    // A language chosen in the compact view, which hides the labels.
    ClickTool("IDC_ZOOM");
    Choose(LanguageList(), 3);
    ClickTool("IDC_ZOOM");
    SettleToolbar();
    for (const auto& [name, textId] : labels) {
        wxWindow* label = bar->FindWindow(XRCID(name));
        ASSERT_TRUE(label->IsShown());
        EXPECT_EQ(label->GetLabel(), GetString(textId + 1500));
        EXPECT_GT(label->GetSize().x, label->GetTextExtent(label->GetLabel()).x) << name;
    }
    Exit();
}

// Where a label's word lies on its toolbar: the toolkit puts it at the
// label's left or right edge, or in its middle, as the label is aligned.
std::pair<int, int> WordSpan(wxWindow* label)
{
    const wxRect rect = label->GetRect();
    const int text = label->GetTextExtent(label->GetLabel()).x;
    int left = rect.x;
    if (label->HasFlag(wxALIGN_RIGHT))
        left = rect.GetRight() + 1 - text;
    else if (label->HasFlag(wxALIGN_CENTRE_HORIZONTAL))
        left = rect.x + (rect.width - text) / 2;
    return {left, left + text};
}

// The gap between each address label's word and the fields beside it.
TEST_F(AddressLabelTest, AddressLabelsLeaveTheSameGapToTheirFieldsInEveryLanguage)
{
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nLanguage=1\n");
    ASSERT_TRUE(Start());
    wxToolBar* bar = Window()->GetToolBar();
    wxWindow* from = bar->FindWindow(XRCID("IDC_ADDRESS"));
    wxWindow* to = bar->FindWindow(XRCID("IDC_TO"));
    ASSERT_TRUE(from && to);
    std::vector<int> english;
    for (int language : {1, 2, 3, 4}) {
        SCOPED_TRACE("language " + std::to_string(language));
        Choose(LanguageList(), language - 1);
        SettleToolbar();
        const std::vector<int> gaps = {AddressFrom()->GetRect().x - WordSpan(from).second,
                                       WordSpan(to).first - AddressFrom()->GetRect().GetRight() - 1,
                                       AddressTo()->GetRect().x - WordSpan(to).second};
        if (english.empty())
            english = gaps;
        for (size_t i = 0; i < gaps.size(); ++i) {
            SCOPED_TRACE("gap " + std::to_string(i));
            // A blank at least, and the same as in English.
            EXPECT_GE(gaps[i], from->GetTextExtent(" ").x);
            EXPECT_NEAR(gaps[i], english[i], 2);
        }
    }
    Exit();
}

std::string LanguageName(const ::testing::TestParamInfo<int>& info)
{
    static const char* const names[] = {"English", "German", "French", "Spanish"};
    return names[info.param - 1];
}

INSTANTIATE_TEST_SUITE_P(Languages, TextWidthTest, ::testing::Values(1, 2, 3, 4), LanguageName);

}  // namespace
