// What the in-process GUI tests share. The harness (GuiTestMain.cpp) starts
// the toolkit once per process on the X display of the test run, with its own
// application object, HOME pointed at a fresh temporary folder, and every
// failed toolkit assertion and every logged error or warning turned into a
// failure of the running test, unless the test expects it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/string.h>
#include <wx/window.h>

namespace guitest {

// The harness's own application object.
wxApp* HarnessApp();

// The temporary folder that HOME names for this run.
wxString HomeDir();

// Handles what the toolkit has queued (native events, posted events, timers
// that are due, idle processing and pending deletions) until nothing is left.
void Yield();
// Keeps handling events for about ms milliseconds: lets timers run.
void Pump(int ms);
// Handles events until done() holds or timeoutMs have passed; returns done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 2000);
// Handles events until the layout of window's top-level window has settled:
// a frame of the toolkit (which lays out and paints what was queued) has
// passed without any of its windows moving, resizing, showing or hiding, and
// nothing is left to handle. Returns whether it settled before timeoutMs,
// which only a layout that never ends reaches.
bool WaitForSettledLayout(wxWindow* window, int timeoutMs = 10000);

// Loads "VeskStudio.xrc" from the working directory (the repository root)
// with all resource handlers, as the program does; once per process.
bool LoadResourceFile();

// Adds the resources of an XRC text to the loader under the given document
// name (once per name and process): layouts that only a test needs.
bool LoadLayoutText(const wxString& documentName, const wxString& xrc);

// While one of these lives, toolkit errors, warnings and failed assertions
// are collected here instead of failing the test: for a test of a fault that
// the toolkit reports.
class ExpectToolkitErrors {
public:
    ExpectToolkitErrors();
    ExpectToolkitErrors(const ExpectToolkitErrors&) = delete;
    ExpectToolkitErrors& operator=(const ExpectToolkitErrors&) = delete;
    ~ExpectToolkitErrors();

    const std::vector<wxString>& Errors() const { return m_errors; }
    const std::vector<wxString>& Asserts() const { return m_asserts; }
    // Whether any collected error or assertion message contains part.
    bool Saw(const wxString& part) const;

    void AddError(const wxString& message) { m_errors.push_back(message); }
    void AddAssert(const wxString& message) { m_asserts.push_back(message); }

private:
    ExpectToolkitErrors* m_outer;
    std::vector<wxString> m_errors;
    std::vector<wxString> m_asserts;
};

// Another application object, such as the program's own, in the harness's
// place for the guard's life: it is wxTheApp, the test calls its OnInit and
// OnExit itself, and its assertions still reach the test. The toolkit stays the harness's, already initialised.
// Deleting the object at the end puts the harness's application back.
template <class App>
class ScopedApp {
public:
    template <class... Args>
    explicit ScopedApp(Args&&... args) : m_app(new App(std::forward<Args>(args)...))
    {
        // Drops the harness's pending idle source: run under the other
        // application it would leave the harness a stale source to remove.
        HarnessApp()->EventsPending();
        wxApp::SetInstance(m_app);
    }
    ScopedApp(const ScopedApp&) = delete;
    ScopedApp& operator=(const ScopedApp&) = delete;
    ~ScopedApp()
    {
        delete m_app;
        wxApp::SetInstance(HarnessApp());
    }

    App& operator*() const { return *m_app; }
    App* operator->() const { return m_app; }
    App* get() const { return m_app; }

private:
    App* m_app;
};

// Fixture for tests with windows: the resource file is loaded, Frame() gives
// a shown top-level window to put pages in, and every top-level window left
// at the end is destroyed.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    wxFrame* Frame();

private:
    wxFrame* m_frame = nullptr;
};

}  // namespace guitest
