// Timings of the HTML viewer on a page of about a megabyte: showing it
// (SetPage) and laying it out again at another width, against the
// toolkit's own HTML window on the same page; selecting the whole page with
// a dragged rectangle and copying it to the clipboard; copying the whole
// page with nothing selected, against the toolkit's own select-all and
// copy, in processor time; and laying out a frameset of three columns and
// three rows again at another size. Needs an X display:
//   cmake --build <dir> --target vesk-html-bench && xvfb-run -a <dir>/tools/vesk-html-bench
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/init.h>

#include "html/HtmlWindow.h"

namespace {

constexpr double kSetPageBudgetMs = 2000;
constexpr double kRelayoutBudgetMs = 150;
constexpr double kSelectCopyBudgetMs = 200;
constexpr double kWholeCopyBudgetMs = 100;
constexpr double kFramesetBudgetMs = 50;
constexpr int kRuns = 5;

class BenchmarkApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// Text as help pages have it: headings, paragraphs with emphasis and links,
// lists, small tables and preformatted examples.
std::string MegabytePage()
{
    static const char* const words[] = {"flash", "unit", "studio",  "energy", "modelling", "lamp",    "address",
                                        "power", "pack", "setting", "memory", "option",    "release", "bus"};
    std::string page = "<html><head><title>Help</title></head><body bgcolor=#FFFFFF>";
    for (int section = 0; page.size() < (1 << 20); ++section) {
        page += "<h2><a name=\"s" + std::to_string(section) + "\">Section " + std::to_string(section) + "</a></h2>";
        for (int paragraph = 0; paragraph < 4; ++paragraph) {
            page += "<p>";
            for (int word = 0; word < 60; ++word) {
                const std::string w = words[(section * 7 + paragraph * 3 + word) % 14];
                if (word % 17 == 5)
                    page += "<b>" + w + "</b> ";
                else if (word % 19 == 7)
                    page += "<a href=\"page" + std::to_string(word) + ".htm\">" + w + "</a> ";
                else if (word % 23 == 11)
                    page += "<font color=#800000 size=+1>" + w + "</font> ";
                else
                    page += w + " ";
            }
            page += "</p>";
        }
        page += "<ul><li>first &amp; foremost<li>second<li>third</ul>";
        page += "<table border=1><tr><td>a</td><td>b</td></tr><tr><td colspan=2>c d e</td></tr></table>";
        page += "<pre>  example &lt;code&gt;\n    more\n</pre>";
    }
    return page + "</body></html>";
}

template <class Action>
double Milliseconds(Action action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Processor time rather than wall time: what the copy costs the machine,
// whatever else runs on it.
template <class Action>
double ProcessorMilliseconds(Action action)
{
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    action();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    return (end.tv_sec - start.tv_sec) * 1000.0 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figures {
    double setPage;
    double relayout;
};

void HandleEvents()
{
    for (int round = 0; round < 20; ++round)
        wxTheApp->Yield(true);
}

// The median of kRuns: SetPage, and a resize to a width the page has not
// had, with the layout and painting that follow it.
template <class Window>
Figures Measure(Window* window, const wxString& page)
{
    std::vector<double> setPage;
    std::vector<double> layout;
    for (int run = 0; run < kRuns; ++run) {
        setPage.push_back(Milliseconds([&] { window->SetPage(page); }));
        HandleEvents();
        layout.push_back(Milliseconds([&] {
            window->SetSize(wxSize(run % 2 ? 700 : 640, 480));
            HandleEvents();
        }));
    }
    return {Median(setPage), Median(layout)};
}

void SendMouse(wxWindow* window, wxEventType type, const wxPoint& point)
{
    wxMouseEvent event(type);
    event.SetEventObject(window);
    event.SetPosition(point);
    event.m_leftDown = type != wxEVT_LEFT_UP;
    window->HandleWindowEvent(event);
}

// The median of kRuns: the whole page selected as the user does it, a press
// at the top left, the view scrolled to the end, a release at the bottom
// right; then copied.
double MeasureSelectAndCopy(wxFrame* frame, const wxString& page, size_t* copied, size_t* whole)
{
    auto* viewer = new vhtml::HtmlWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
    viewer->SetPage(page);
    HandleEvents();
    const wxSize client = viewer->GetClientSize();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        viewer->Scroll(0, 0);
        HandleEvents();
        times.push_back(Milliseconds([&] {
            SendMouse(viewer, wxEVT_LEFT_DOWN, wxPoint(0, 0));
            viewer->Scroll(0, viewer->GetVirtualSize().y);
            SendMouse(viewer, wxEVT_MOTION, wxPoint(client.x - 1, client.y - 1));
            SendMouse(viewer, wxEVT_LEFT_UP, wxPoint(client.x - 1, client.y - 1));
            viewer->CopyTextToClipboard();
        }));
        HandleEvents();
    }
    *copied = viewer->GetCellText(true).length();
    *whole = viewer->GetCellText(false).length();
    viewer->Destroy();
    return Median(times);
}

// The toolkit's HTML window, its copy of the selection within reach.
class ToolkitWindow : public wxHtmlWindow {
public:
    using wxHtmlWindow::wxHtmlWindow;
    void Copy() { CopySelection(); }
};

struct CopyFigure {
    double milliseconds;  // processor time, the median of kRuns
    size_t characters;
};

// The viewer's copy with nothing selected, which takes the whole page.
CopyFigure MeasureWholePageCopy(wxFrame* frame, const wxString& page)
{
    auto* viewer = new vhtml::HtmlWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
    viewer->SetPage(page);
    HandleEvents();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        times.push_back(ProcessorMilliseconds([&] { viewer->CopyTextToClipboard(); }));
        HandleEvents();
    }
    const size_t characters = viewer->GetTextToCopy().length();
    viewer->Destroy();
    return {Median(times), characters};
}

// The toolkit's select-all followed by its copy of the selection.
CopyFigure MeasureToolkitSelectAllAndCopy(wxFrame* frame, const wxString& page)
{
    auto* toolkit = new ToolkitWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
    toolkit->SetPage(page);
    HandleEvents();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        times.push_back(ProcessorMilliseconds([&] {
            toolkit->SelectAll();
            toolkit->Copy();
        }));
        HandleEvents();
    }
    const size_t characters = toolkit->SelectionToText().length();
    toolkit->Destroy();
    return {Median(times), characters};
}

// The median of kRuns: a frameset of three by three frames, each showing a
// page of text, laid out again at another size with the painting that
// follows.
double MeasureFramesetRelayout(wxFrame* frame)
{
    const wxString folder = wxFileName::CreateTempFileName("vesk-bench");
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    std::string text = "<p>";
    for (int i = 0; i < 400; ++i)
        text += "frame text with a <b>few</b> words ";
    const wxString pagePath = folder + "/frame.htm";
    wxFile(pagePath, wxFile::write).Write(wxString::FromUTF8(text + "</p>"));
    wxString frameset = "<frameset cols=\"20%,*,30%\" rows=\"100,*,25%\">";
    for (int i = 0; i < 9; ++i)
        frameset += "<frame src=\"" + pagePath + "\">";
    frameset += "</frameset>";

    auto* viewer = new vhtml::HtmlWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
    viewer->SetPage(frameset);
    HandleEvents();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        times.push_back(Milliseconds([&] {
            viewer->SetSize(wxSize(run % 2 ? 700 : 620, run % 2 ? 500 : 460));
            HandleEvents();
        }));
    }
    const int frames = viewer->CountFrameWindows();
    viewer->Destroy();
    wxRemoveFile(pagePath);
    wxFileName::Rmdir(folder);
    if (frames != 9)
        std::printf("frameset: %d frames, not 9\n", frames);
    return Median(times);
}

}  // namespace

int main(int argc, char** argv)
{
    wxApp::SetInstance(new BenchmarkApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "the toolkit did not start: is there an X display?\n");
        return 1;
    }
    int status = 0;
    {
        const wxString page = wxString::FromUTF8(MegabytePage());
        auto* frame = new wxFrame(nullptr, wxID_ANY, "benchmark", wxDefaultPosition, wxSize(800, 600));
        frame->Show();
        HandleEvents();

        auto* viewer = new vhtml::HtmlWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
        const Figures ours = Measure(viewer, page);
        viewer->Destroy();

        auto* toolkit = new wxHtmlWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
        const Figures theirs = Measure(toolkit, page);
        toolkit->Destroy();

        size_t copied = 0;
        size_t whole = 0;
        const double selectCopy = MeasureSelectAndCopy(frame, page, &copied, &whole);
        const CopyFigure wholeCopy = MeasureWholePageCopy(frame, page);
        const CopyFigure toolkitCopy = MeasureToolkitSelectAllAndCopy(frame, page);
        const double frameset = MeasureFramesetRelayout(frame);
        frame->Destroy();

        std::printf("page: %zu characters (%.2f MB)\n", page.length(), page.length() / 1048576.0);
        std::printf("viewer   SetPage %8.1f ms (budget %.0f)   relayout %6.1f ms (budget %.0f)\n", ours.setPage,
                    kSetPageBudgetMs, ours.relayout, kRelayoutBudgetMs);
        std::printf("toolkit  SetPage %8.1f ms                 relayout %6.1f ms\n", theirs.setPage, theirs.relayout);
        std::printf("viewer   select all and copy %6.1f ms (budget %.0f), %zu of %zu characters\n", selectCopy,
                    kSelectCopyBudgetMs, copied, whole);
        std::printf("viewer   copy, nothing selected  %6.1f ms processor time (budget %.0f), %zu characters\n",
                    wholeCopy.milliseconds, kWholeCopyBudgetMs, wholeCopy.characters);
        std::printf("toolkit  select all and copy     %6.1f ms processor time, %zu characters\n",
                    toolkitCopy.milliseconds, toolkitCopy.characters);
        std::printf("viewer   3x3 frameset relayout %6.1f ms (budget %.0f)\n", frameset, kFramesetBudgetMs);
        if (ours.setPage > kSetPageBudgetMs || ours.relayout > kRelayoutBudgetMs || selectCopy > kSelectCopyBudgetMs ||
            wholeCopy.milliseconds > kWholeCopyBudgetMs || frameset > kFramesetBudgetMs) {
            std::printf("over budget\n");
            status = 1;
        }
    }
    wxEntryCleanup();
    return status;
}
