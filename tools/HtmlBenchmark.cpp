// Timings of the HTML viewer on a page of about a megabyte: showing it
// (SetPage) and laying it out again at another width, against the
// toolkit's own HTML window on the same page. Needs an X display:
//   cmake --build <dir> --target vesk-html-bench && xvfb-run -a <dir>/tools/vesk-html-bench
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/init.h>

#include "html/HtmlWindow.h"

namespace {

constexpr double kSetPageBudgetMs = 2000;
constexpr double kRelayoutBudgetMs = 150;
constexpr int kRuns = 5;

class BenchmarkApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// Text as help pages have it: headings, paragraphs with emphasis and links,
// lists, small tables and preformatted examples.
std::string MegabytePage()
{
    static const char* const words[] = {"flash", "unit", "studio", "energy", "modelling", "lamp", "address",
                                        "power", "pack", "setting", "memory", "option", "release", "bus"};
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
        frame->Destroy();

        std::printf("page: %zu characters (%.2f MB)\n", page.length(), page.length() / 1048576.0);
        std::printf("viewer   SetPage %8.1f ms (budget %.0f)   relayout %6.1f ms (budget %.0f)\n", ours.setPage,
                    kSetPageBudgetMs, ours.relayout, kRelayoutBudgetMs);
        std::printf("toolkit  SetPage %8.1f ms                 relayout %6.1f ms\n", theirs.setPage, theirs.relayout);
        if (ours.setPage > kSetPageBudgetMs || ours.relayout > kRelayoutBudgetMs) {
            std::printf("over budget\n");
            status = 1;
        }
    }
    wxEntryCleanup();
    return status;
}
