// The program as it runs against the simulated bus with each family's unit
// alone and with eight units together, in every language: once a unit has
// sent the records its page asked for, every text on its device page and on
// every page of both setting notebooks shows whole, and no control lies over
// a text's width.
#include "RunningProgram.h"

#include <string>
#include <vector>

#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "WindowFitFixture.h"

using namespace programtest;

namespace {

struct RunningCase {
    const char* name;
    std::vector<std::string> units;
    int first;
    int last;
    int language;
};

// Each family's unit alone at its own address, and eight units together
// (the Tiko family in all three of its types).
const RunningCase kUnits[] = {
    {"Zarit", {"1:1:37:model"}, 1, 1, 0},
    {"ZaritE", {"2:1:137:model"}, 2, 2, 0},
    {"Nuvek", {"3:1:20:1"}, 3, 3, 0},
    {"Ribex", {"4:1:32:1"}, 4, 4, 0},
    {"QuirelA1", {"5:1:16:65"}, 5, 5, 0},
    {"Tiko", {"6:1:18:8"}, 6, 6, 0},
    {"EightUnits",
     {"1:1:37:model", "2:1:137:model", "3:1:20:1", "4:1:32:1", "5:1:16:65", "6:1:18:8", "7:1:25", "8:1:26"},
     1,
     8,
     0},
};

void PrintTo(const RunningCase& run, std::ostream* out)
{
    *out << run.name << ", language " << run.language;
}

std::vector<RunningCase> RunningCases()
{
    std::vector<RunningCase> cases;
    for (const RunningCase& units : kUnits) {
        for (int language = 1; language <= 4; ++language) {
            RunningCase one = units;
            one.language = language;
            cases.push_back(one);
        }
    }
    return cases;
}

std::string RunningCaseName(const ::testing::TestParamInfo<RunningCase>& info)
{
    static const char* const languages[] = {"English", "German", "French", "Spanish"};
    return std::string(info.param.name) + "_" + languages[info.param.language - 1];
}

// A window that places others rather than showing a text of its own.
bool IsHolder(wxWindow* window)
{
    return wxDynamicCast(window, wxNotebook) || wxDynamicCast(window, wxStaticBox) ||
           window->GetName().EndsWith("_container") || wxDynamicCast(window, wxPanel) != nullptr;
}

bool Contains(wxWindow* ancestor, wxWindow* window)
{
    for (wxWindow* w = window; w; w = w->GetParent()) {
        if (w == ancestor)
            return true;
    }
    return false;
}

// A text shortened on purpose with an ellipsis is left out.
bool ShowsWholeText(wxWindow* window)
{
    return !IsHolder(window) && !window->GetLabel().empty() &&
           !(wxDynamicCast(window, wxStaticText) &&
             window->HasFlag(wxST_ELLIPSIZE_START | wxST_ELLIPSIZE_MIDDLE | wxST_ELLIPSIZE_END));
}

void ExpectTextsWholeAndUncovered(wxWindow* page)
{
    const std::vector<wxWindow*> seen = CollectSeen(page);
    std::vector<wxRect> rects;
    for (wxWindow* window : seen)
        rects.push_back(ScreenRect(window));
    for (size_t i = 0; i < seen.size(); ++i) {
        wxWindow* text = seen[i];
        if (!ShowsWholeText(text))
            continue;
        const wxSize needed = text->GetBestSize();
        EXPECT_GE(rects[i].width, needed.x) << Describe(text) << " narrower than its text (" << needed.x << ")";
        const wxRect textRect(rects[i].GetPosition(), wxSize(needed.x, rects[i].height));
        for (size_t j = 0; j < seen.size(); ++j) {
            wxWindow* other = seen[j];
            if (j == i || IsHolder(other) || Contains(other, text) || Contains(text, other))
                continue;
            EXPECT_FALSE(rects[j].Intersects(textRect))
                << Describe(other) << " lies over the text of " << Describe(text);
        }
    }
}

class RunningTextsTest : public RunningProgramTest, public ::testing::WithParamInterface<RunningCase> {};

TEST_P(RunningTextsTest, EveryTextOfEveryPageShowsWholeOnceTheRecordsArrived)
{
    const RunningCase& run = GetParam();
    ASSERT_TRUE(StartRunning(run.units, run.language, true, run.first, run.last));
    ForEveryPage([&](wxWindow* page) {
        const std::vector<wxNotebook*> books = ShownSettingBooks(page);
        for (wxNotebook* book : books) {
            for (size_t tab = 0; tab < book->GetPageCount(); ++tab) {
                SCOPED_TRACE(book->GetName().utf8_string() + " tab \"" + book->GetPageText(tab).utf8_string() + "\"");
                book->ChangeSelection(tab);
                Settle();
                ExpectTextsWholeAndUncovered(page);
                if (HasFailure())
                    return;
            }
            book->ChangeSelection(0);
        }
        if (books.empty())
            ExpectTextsWholeAndUncovered(page);
    });
    Exit();
}

INSTANTIATE_TEST_SUITE_P(Running, RunningTextsTest, ::testing::ValuesIn(RunningCases()), RunningCaseName);

}  // namespace
