// The program as a user goes through it in each language, with one unit of
// every family on the bus: started, every device page and every setting page
// shown, the view switched to compact and back, the language switched. GTK
// lays out and paints all along; the harness fails the test on any warning
// or critical message of GTK or GLib (a tab painted before it has a size, a
// check or radio button given less width than its label needs).
#include "ProgramFixture.h"

#include <wx/notebook.h>

#include "text/TextTable.h"
#include "app/UnitFamilies.h"

using namespace programtest;

namespace {

constexpr size_t kUnits = 6;
constexpr int kUnitText = 2011;

class QuietProgramTest : public ProgramTest {
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
        bus.AddUnit(6, 1, 18, 8);
    }

    void StartIn(int language)
    {
        WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) +
                    "\nStart=1\nEnd=6\nLanguage=" + std::to_string(language) + "\n");
        ASSERT_TRUE(Start());
        Settle();
        ExpectAllPagesIn(language);
    }

    // Every unit has its page, labelled in the language, and its records
    // have come.
    void ExpectAllPagesIn(int language)
    {
        // As the program runs: the toolkit lays out and paints between the
        // ticks, while the pages come.
        for (int tick = 0; tick < 200 && Notebook()->GetPageCount() < kUnits; ++tick) {
            Tick();
            Settle();
        }
        ASSERT_EQ(Notebook()->GetPageCount(), kUnits);
        for (int tick = 0; tick < 20; ++tick)
            Tick();
        const wxString unit = GetString(kUnitText + 500 * (language - 1));
        for (const wxString& label : PageLabels())
            EXPECT_TRUE(label.StartsWith(unit)) << label;
    }

    // Shows every device page and, inside it, every setting page, letting
    // GTK lay out and paint each.
    void ShowEveryPage()
    {
        for (size_t i = 0; i < Notebook()->GetPageCount(); ++i) {
            SelectPage(static_cast<int>(i));
            Settle();
            ASSERT_EQ(Notebook()->GetSelection(), static_cast<int>(i));
            ShowInnerPages(DevicePage(i));
        }
        SelectPage(0);
        Settle();
    }

    void Zoom(bool toFull)
    {
        ClickTool("IDC_ZOOM");
        Settle();
        ASSERT_EQ(Window()->IsFullView(), toFull);
        ShowEveryPage();
    }

private:
    // The toolkit has laid out and painted what the last step changed.
    void Settle() const { EXPECT_TRUE(guitest::WaitForSettledLayout(Window())); }

    static void ShowInnerPages(wxWindow* window)
    {
        for (wxWindow* child : window->GetChildren()) {
            auto* book = wxDynamicCast(child, wxNotebook);
            if (!book) {
                ShowInnerPages(child);
                continue;
            }
            for (size_t i = 0; i < book->GetPageCount(); ++i) {
                book->SetSelection(i);
                EXPECT_TRUE(guitest::WaitForSettledLayout(book));
                ShowInnerPages(book->GetPage(i));
            }
            if (book->GetPageCount() > 0)
                book->SetSelection(0);
        }
    }
};

class QuietToolkitTest : public QuietProgramTest, public ::testing::WithParamInterface<int> {};

TEST_P(QuietToolkitTest, StartPagesAndViewsRaiseNoToolkitMessage)
{
    StartIn(GetParam());
    ShowEveryPage();
    Zoom(false);
    Zoom(true);
    Exit();
}

std::string LanguageName(const ::testing::TestParamInfo<int>& info)
{
    static const char* const names[] = {"English", "German", "French", "Spanish"};
    return names[info.param - 1];
}

INSTANTIATE_TEST_SUITE_P(Languages, QuietToolkitTest, ::testing::Values(1, 2, 3, 4), LanguageName);

// One switch each, from the language of the case to the next one, round to
// English again.
class QuietLanguageSwitchTest : public QuietProgramTest, public ::testing::WithParamInterface<int> {};

TEST_P(QuietLanguageSwitchTest, SwitchingToTheNextLanguageRebuildsThePagesWithoutToolkitMessage)
{
    StartIn(GetParam());
    const int next = GetParam() % 4 + 1;
    Choose(LanguageList(), next - 1);
    ExpectAllPagesIn(next);
    ShowEveryPage();
    Exit();
}

INSTANTIATE_TEST_SUITE_P(Languages, QuietLanguageSwitchTest, ::testing::Values(1, 2, 3, 4), LanguageName);

}  // namespace
