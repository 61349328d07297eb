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
#include "html/Launcher.h"

class wxPanel;

// Texts in failure messages as text, not as a list of characters, and
// places and sizes as numbers.
void PrintTo(const wxString& text, std::ostream* out);
void PrintTo(const wxRect& rect, std::ostream* out);
void PrintTo(const wxSize& size, std::ostream* out);
void PrintTo(const wxPoint& point, std::ostream* out);

namespace htmltest {

// Processor time this process has used since the watch was made, in
// milliseconds: a bound on it holds whatever else runs on the machine.
class ProcessorWatch {
public:
    ProcessorWatch();
    long Time() const;

private:
    long m_start;
};

// Records what the viewer hands to the desktop; runs nothing.
class RecordingLauncher : public vhtml::Launcher {
public:
    struct Launched {
        wxString verb;
        wxString target;
        bool operator==(const Launched& other) const { return verb == other.verb && target == other.target; }
    };
    std::vector<Launched> launches;

    void Launch(const wxString& verb, const wxString& target) override { launches.push_back({verb, target}); }
};

// Frames and pop-up windows of a Viewer are Viewers too, so that their
// message boxes are recorded as well.
class Viewer : public vhtml::HtmlWindow {
public:
    using vhtml::HtmlWindow::HtmlWindow;

    struct Message {
        wxString text;
        wxString caption;
        long style;
    };
    std::vector<Message> messages;

    struct Popup {
        wxString href;
        int x, y, width, height;
        bool operator==(const Popup& o) const
        {
            return href == o.href && x == o.x && y == o.y && width == o.width && height == o.height;
        }
    };
    // With recordPopups, pop-up windows are recorded instead of opened.
    bool recordPopups = false;
    std::vector<Popup> popups;
    void OpenPopup(const wxString& href, int x, int y, int width, int height) override;

    // With recordLoads, locations are recorded instead of opened.
    bool recordLoads = false;
    std::vector<wxString> loads;
    bool LoadPage(const wxString& location) override;

    // Unless useClipboard, copies are recorded instead of reaching the
    // clipboard.
    bool useClipboard = false;
    std::vector<wxString> copies;

    // What GTK does when another window takes the mouse.
    void LoseCapture() { GTKReleaseMouseAndNotify(); }

    // The top of the page as drawn, size pixels, on the window's background.
    wxImage Render(const wxSize& size);
    // What the idle handling does with the pointer at this point of the page.
    void HoverAt(const wxPoint& point) { HandleIdle(GetInternalRepresentation(), point); }
    // The height of a line of ordinary text.
    int CharHeight() const { return GetParser()->GetCharHeight(); }

protected:
    void ShowMessage(const wxString& text, const wxString& caption, long style) override;
    vhtml::HtmlWindow* CreateChildViewer(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style,
                                         bool scrollBars) override;
    void PutOnClipboard(const wxString& text) override;
};

void PrintTo(const Viewer::Popup& popup, std::ostream* out);
void PrintTo(const RecordingLauncher::Launched& launch, std::ostream* out);

// A mouse event at a point of the window's client area, as the toolkit
// delivers it, with the left button held or not.
void SendMouse(wxWindow* window, wxEventType type, const wxPoint& point, bool leftIsDown = false);
// A press of the left button at from, moves to and release at to.
void Drag(wxWindow* window, const wxPoint& from, const wxPoint& to);
// A press and release of the left button at the point.
void Click(wxWindow* window, const wxPoint& point);
// The point of the page (page coordinates) in the window's client area.
wxPoint ClientPoint(const vhtml::HtmlWindow* viewer, const wxPoint& pagePoint);
// The centre of a word of the page, as a client point.
wxPoint CentreOf(const vhtml::HtmlWindow* viewer, const wxString& word);

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
