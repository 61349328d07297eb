// The GUI test harness: the toolkit in-process on the test run's X display,
// with every toolkit assertion and logged error, and every warning or
// critical message of GTK and GLib, routed to the running test (a modal
// assertion or log dialog would hang a headless run; a GTK message would
// only scroll past on stderr).
#include "GuiTestHarness.h"

#include <glib.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <wx/evtloop.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/sstream.h>
#include <wx/stopwatch.h>
#include <wx/thread.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/xml/xml.h>
#include <wx/xrc/xmlres.h>

namespace guitest {
namespace {

ExpectToolkitErrors* g_expected = nullptr;
wxApp* g_harnessApp = nullptr;
wxString g_home;
// Problems reported while no test runs (start-up, clean-up).
int g_strayProblems = 0;

void Report(const wxString& what, bool isAssert, const char* file, int line)
{
    if (g_expected) {
        if (isAssert)
            g_expected->AddAssert(what);
        else
            g_expected->AddError(what);
        return;
    }
    if (::testing::UnitTest::GetInstance()->current_test_info()) {
        ADD_FAILURE_AT(file ? file : "(toolkit)", line) << what.utf8_string();
        return;
    }
    std::fprintf(stderr, "%s\n", what.utf8_str().data());
    ++g_strayProblems;
}

void ReportAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    wxString what = "toolkit assertion \"" + cond + "\" failed";
    if (!func.empty())
        what << " in " << func << "()";
    if (!msg.empty())
        what << ": " << msg;
    Report(what, true, file.empty() ? nullptr : file.utf8_str().data(), line);
}

class GuiTestApp : public wxApp {
public:
    ~GuiTestApp() override { g_harnessApp = nullptr; }

    // The base would parse the command line, which holds the test runner's.
    bool OnInit() override { return true; }

    void OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                         const wxChar* msg) override
    {
        const auto text = [](const wxChar* s) { return s ? wxString(s) : wxString(); };
        ReportAssert(text(file), line, text(func), text(cond), text(msg));
    }
};

// Reaches the harness's application also while another one is wxTheApp, and
// stderr before and after the harness's application lives.
void AssertHandler(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    if (g_harnessApp)
        g_harnessApp->OnAssertFailure(file.wc_str(), line, func.wc_str(), cond.wc_str(), msg.wc_str());
    else
        ReportAssert(file, line, func, cond, msg);
}

class TestLog : public wxLog {
protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override
    {
        if (level > wxLOG_Warning)
            return;
        const wxString what = (level == wxLOG_Warning ? "toolkit warning: " : "toolkit error: ") + msg;
        Report(what, false, info.filename, info.line);
    }
};

// The message domains of the native toolkit beneath wxWidgets: their
// warnings and critical messages are faults of the program (a control given
// less than its minimum size, a widget drawn before it has one).
bool IsToolkitDomain(const char* domain)
{
    static const char* const domains[] = {"Gtk", "Gdk", "GLib-GObject", "GLib"};
    for (const char* name : domains) {
        if (domain && std::strcmp(domain, name) == 0)
            return true;
    }
    return false;
}

GLogWriterOutput NativeLogWriter(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data)
{
    const char* domain = nullptr;
    const char* message = nullptr;
    for (gsize i = 0; i < count; ++i) {
        if (std::strcmp(fields[i].key, "GLIB_DOMAIN") == 0)
            domain = static_cast<const char*>(fields[i].value);
        else if (std::strcmp(fields[i].key, "MESSAGE") == 0)
            message = static_cast<const char*>(fields[i].value);
    }
    const bool critical = level & G_LOG_LEVEL_CRITICAL;
    const bool warning = level & G_LOG_LEVEL_WARNING;
    // Only the GUI thread runs the tests; another thread's message is printed.
    if ((critical || warning) && IsToolkitDomain(domain) && wxIsMainThread()) {
        const wxString what = wxString::Format("%s-%s: %s", domain, critical ? "CRITICAL" : "WARNING",
                                               wxString::FromUTF8(message ? message : ""));
        Report(what, false, nullptr, 0);
        return G_LOG_WRITER_HANDLED;
    }
    return g_log_writer_default(level, fields, count, data);
}

// HOME, and the folders that follow it, point into a fresh folder: the
// program's configuration file and the toolkit's caches stay out of the
// real home.
class TemporaryHome {
public:
    TemporaryHome()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vesk-gui-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        m_path = pattern;
        setenv("HOME", m_path.c_str(), 1);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            unsetenv(name);
        g_home = wxString::FromUTF8(m_path);
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;
    ~TemporaryHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

private:
    std::string m_path;
};

void EnsureResourceHandlers()
{
    static bool added = false;
    if (!added) {
        wxXmlResource::Get()->InitAllHandlers();
        added = true;
    }
}

}  // namespace

wxApp* HarnessApp()
{
    return g_harnessApp;
}

wxString HomeDir()
{
    return g_home;
}

void Yield()
{
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    // Idle handlers may ask for more idle time for ever: bounded.
    for (int round = 0; round < 20; ++round) {
        if (loop)
            loop->YieldFor(wxEVT_CATEGORY_ALL);
        wxTheApp->ProcessPendingEvents();
        const bool moreIdle = wxTheApp->ProcessIdle();
        if (!moreIdle && !wxTheApp->HasPendingEvents() && !(loop && loop->Pending()))
            break;
    }
}

void Pump(int ms)
{
    wxStopWatch watch;
    do {
        Yield();
        wxMilliSleep(2);
    } while (watch.Time() < ms);
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    wxStopWatch watch;
    while (!done()) {
        if (watch.Time() >= timeoutMs)
            return done();
        Yield();
        wxMilliSleep(2);
    }
    return true;
}

namespace {

// Where every window under top is in its parent and whether it shows, and
// where top is on the screen (asking the X server for each window's place on
// the screen would take a round trip each).
using Geometry = std::vector<std::tuple<const wxWindow*, wxRect, bool>>;

void AddGeometry(const wxWindow* window, Geometry& geometry)
{
    geometry.emplace_back(window, window->GetRect(), window->IsShown());
    for (const wxWindow* child : window->GetChildren())
        AddGeometry(child, geometry);
}

Geometry GeometryOf(const wxWindow* top)
{
    Geometry geometry{{nullptr, top->GetScreenRect(), top->IsShown()}};
    AddGeometry(top, geometry);
    return geometry;
}

void OnAfterPaint(GdkFrameClock*, gpointer painted)
{
    *static_cast<bool*>(painted) = true;
}

// Handles events until the next frame of top has been laid out and painted;
// a window that is not on the screen has no frames, and only its events are
// handled.
void WaitForFrame(wxWindow* top, int timeoutMs)
{
    GtkWidget* widget = top->GetHandle();
    GdkFrameClock* clock = widget && gtk_widget_get_realized(widget) ? gtk_widget_get_frame_clock(widget) : nullptr;
    if (!clock || !top->IsShownOnScreen()) {
        Yield();
        return;
    }
    bool painted = false;
    const gulong handler = g_signal_connect(clock, "after-paint", G_CALLBACK(OnAfterPaint), &painted);
    gdk_frame_clock_request_phase(clock, GDK_FRAME_CLOCK_PHASE_AFTER_PAINT);
    WaitFor([&] { return painted; }, timeoutMs);
    g_signal_handler_disconnect(clock, handler);
    Yield();
}

}  // namespace

bool WaitForSettledLayout(wxWindow* window, int timeoutMs)
{
    wxWindow* top = wxGetTopLevelParent(window);
    if (!top)
        top = window;
    wxStopWatch watch;
    Yield();
    Geometry before = GeometryOf(top);
    while (watch.Time() < timeoutMs) {
        WaitForFrame(top, static_cast<int>(timeoutMs - watch.Time()));
        Geometry after = GeometryOf(top);
        if (after == before && !wxTheApp->HasPendingEvents())
            return true;
        before = std::move(after);
    }
    return false;
}

bool LoadResourceFile()
{
    static bool loaded = false;
    if (!loaded) {
        EnsureResourceHandlers();
        loaded = wxXmlResource::Get()->LoadFile(wxFileName(wxGetCwd(), "VeskStudio.xrc"));
    }
    return loaded;
}

bool LoadLayoutText(const wxString& documentName, const wxString& xrc)
{
    static std::set<wxString> loaded;
    if (loaded.count(documentName))
        return true;
    EnsureResourceHandlers();
    wxStringInputStream input(xrc);
    auto doc = std::make_unique<wxXmlDocument>();
    if (!doc->Load(input) || !wxXmlResource::Get()->LoadDocument(doc.release(), documentName))
        return false;
    loaded.insert(documentName);
    return true;
}

ExpectToolkitErrors::ExpectToolkitErrors() : m_outer(g_expected)
{
    g_expected = this;
}

ExpectToolkitErrors::~ExpectToolkitErrors()
{
    g_expected = m_outer;
}

bool ExpectToolkitErrors::Saw(const wxString& part) const
{
    for (const auto* list : {&m_errors, &m_asserts}) {
        for (const wxString& message : *list) {
            if (message.Contains(part))
                return true;
        }
    }
    return false;
}

void GuiTest::SetUp()
{
    ASSERT_TRUE(LoadResourceFile()) << "VeskStudio.xrc in " << wxGetCwd().utf8_string();
}

void GuiTest::TearDown()
{
    const wxWindowList windows = wxTopLevelWindows;
    for (wxWindow* window : windows)
        window->Destroy();
    m_frame = nullptr;
    Yield();
}

wxFrame* GuiTest::Frame()
{
    if (!m_frame) {
        m_frame = new wxFrame(nullptr, wxID_ANY, "test", wxPoint(0, 0), wxSize(640, 720));
        m_frame->Show();
    }
    return m_frame;
}

}  // namespace guitest

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (at build time) needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    guitest::TemporaryHome home;
    // Before the toolkit starts: GTK's own start-up is checked too.
    g_log_set_writer_func(guitest::NativeLogWriter, nullptr, nullptr);
    guitest::g_harnessApp = new guitest::GuiTestApp;
    wxApp::SetInstance(guitest::g_harnessApp);
    wxSetAssertHandler(guitest::AssertHandler);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "the toolkit did not start: is there an X display?\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new guitest::TestLog);

    int result;
    {
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        result = RUN_ALL_TESTS();
        guitest::Yield();
    }
    wxEntryCleanup();
    return result != 0 || guitest::g_strayProblems != 0 ? 1 : result;
}
