// The setting notebooks' row of tabs: the notebook asks for the width of all
// its tabs side by side, also after a tab was added or relabelled since it
// last measured them.
#include "GuiTestHarness.h"

#include <functional>
#include <vector>

#include <wx/panel.h>

#include "controls/TabRowNotebook.h"

namespace {

class TabRowNotebookTest : public guitest::GuiTest {
protected:
    // A page that asks for less room than any row of tabs.
    static wxPanel* NarrowPage(wxWindow* book)
    {
        auto* page = new wxPanel(book);
        page->SetMinSize(wxSize(10, 10));
        return page;
    }

    CTabRowNotebook* Book(const std::vector<wxString>& labels)
    {
        auto* book = new CTabRowNotebook;
        book->Create(Frame(), wxID_ANY);
        // Room for the toolkit to lay out the tabs; given to Create, the size
        // would also be the least the notebook asks for.
        book->SetSize(400, 200);
        for (const wxString& label : labels)
            book->AddPage(NarrowPage(book), label);
        return book;
    }

    // The best width as a layout asks for it after a change it was told of.
    static int BestWidth(CTabRowNotebook* book)
    {
        book->InvalidateBestSize();
        return book->GetBestSize().x;
    }
};

// A notebook measured once and then changed asks for as much as one built
// with its new tabs.
TEST_F(TabRowNotebookTest, TabAddedOrRelabelledAfterTheFirstMeasureWidensIt)
{
    const wxString wide = "a label far wider than any page of this notebook";
    struct Case {
        const char* change;
        std::function<void(CTabRowNotebook*)> make;
        std::vector<wxString> labels;
    };
    const Case cases[] = {
        {"a tab added", [&](CTabRowNotebook* book) { book->AddPage(NarrowPage(book), wide); }, {"A", "B", wide}},
        {"a tab relabelled", [&](CTabRowNotebook* book) { book->SetPageText(1, wide); }, {"A", wide}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        CTabRowNotebook* book = Book({"A", "B"});
        const int before = BestWidth(book);
        c.make(book);
        const int after = BestWidth(book);
        EXPECT_GT(after, before + book->GetTextExtent(wide).x / 2);
        EXPECT_EQ(after, BestWidth(Book(c.labels)));
    }
}

}  // namespace
