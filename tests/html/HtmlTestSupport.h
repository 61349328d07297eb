// What the viewer's tests share: a viewer whose message boxes are recorded
// and whose page can be drawn into a bitmap, the page's words with their
// places, and a folder of fixture files reached by absolute paths.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/html/htmlcell.h>
#include <wx/image.h>

#include "GuiTestHarness.h"
#include "html/HtmlWindow.h"

class wxPanel;

// Texts in failure messages as text, not as a list of characters.
void PrintTo(const wxString& text, std::ostream* out);

namespace htmltest {

class Viewer : public vhtml::HtmlWindow {
public:
    using vhtml::HtmlWindow::HtmlWindow;

    struct Message {
        wxString text;
        wxString caption;
        long style;
    };
    std::vector<Message> messages;

    // The top of the page as drawn, size pixels, on the window's background.
    wxImage Render(const wxSize& size);
    // What the idle handling does with the pointer at this point of the page.
    void HoverAt(const wxPoint& point) { HandleIdle(GetInternalRepresentation(), point); }
    // The height of a line of ordinary text.
    int CharHeight() const { return GetParser()->GetCharHeight(); }

protected:
    void ShowMessage(const wxString& text, const wxString& caption, long style) override;
};

struct Word {
    wxString text;
    wxRect box;  // page coordinates
};

// Every word of the page, in order.
std::vector<Word> WordsOf(const wxHtmlCell* root);
// The first word whose text, without its trailing space, is text.
Word WordNamed(const wxHtmlCell* root, const wxString& text);
// The first cell, depth first, for which test holds; nullptr if none does.
const wxHtmlCell* FindCell(const wxHtmlCell* root, const std::function<bool(const wxHtmlCell&)>& test);
// Whether the image holds a pixel of exactly this colour.
bool HasPixel(const wxImage& image, const wxColour& colour);
// The height of text in the swiss (or modern) font of that many points.
int TextHeight(int points, bool fixed = false);

// A folder for one test's files, removed at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    // The absolute path of a file in the folder (subfolders are made).
    wxString Path(const std::string& name) const;
    // Writes the file and returns its absolute path.
    wxString Write(const std::string& name, const std::string& bytes) const;

private:
    std::string m_path;
};

class HtmlTest : public guitest::GuiTest {
protected:
    void SetUp() override;

    // A shown viewer with this client size, alone in a panel of the frame.
    Viewer* MakeViewer(const wxSize& clientSize = wxSize(400, 300), long style = wxHW_SCROLLBAR_AUTO);
    // The viewer's page after SetPage(source).
    Viewer* ShowPage(const wxString& source, const wxSize& clientSize = wxSize(400, 300));

    TemporaryFolder folder;

private:
    wxPanel* m_panel = nullptr;
};

}  // namespace htmltest
