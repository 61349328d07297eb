// The harness that every GUI test stands on: toolkit problems fail the test
// unless expected, HOME is a private folder, events and timers run, and
// another application object can be run in the harness's place.
#include "GuiTestHarness.h"

#include <gtest/gtest-spi.h>

#include <glib-object.h>

#include <cstdlib>

#include <wx/dir.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/log.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/timer.h>

using namespace guitest;

namespace {

TEST(Harness, UnexpectedToolkitProblemsFailTheTest)
{
    EXPECT_NONFATAL_FAILURE({ wxFAIL_MSG("an assertion nobody expects"); }, "an assertion nobody expects");
    EXPECT_NONFATAL_FAILURE({ wxLogError("an error nobody expects"); }, "an error nobody expects");
    EXPECT_NONFATAL_FAILURE({ wxLogWarning("a warning nobody expects"); }, "a warning nobody expects");
}

TEST(Harness, ExpectedToolkitProblemsAreCollected)
{
    ExpectToolkitErrors expected;
    wxFAIL_MSG("expected assertion");
    wxLogError("expected error %d", 7);
    wxLogMessage("a plain message is no problem");

    ASSERT_EQ(expected.Asserts().size(), 1u);
    ASSERT_EQ(expected.Errors().size(), 1u);
    EXPECT_TRUE(expected.Saw("expected assertion"));
    EXPECT_TRUE(expected.Saw("expected error 7"));
    EXPECT_FALSE(expected.Saw("plain message"));
}

// GTK and GLib report a misused widget or object through GLib's log, not
// through the toolkit's assertions: those messages fail the test as well.
TEST(Harness, NativeToolkitWarningsAndCriticalsFailTheTest)
{
    EXPECT_NONFATAL_FAILURE({ g_object_unref(nullptr); }, "GLib-GObject-CRITICAL: g_object_unref");
    EXPECT_NONFATAL_FAILURE({ g_log("Gtk", G_LOG_LEVEL_WARNING, "a gadget with negative dimensions"); },
                            "Gtk-WARNING: a gadget with negative dimensions");
    EXPECT_NONFATAL_FAILURE({ g_log("Gdk", G_LOG_LEVEL_CRITICAL, "a critical of %s", "gdk"); },
                            "Gdk-CRITICAL: a critical of gdk");
    EXPECT_NONFATAL_FAILURE({ g_log("GLib", G_LOG_LEVEL_WARNING, "a glib warning"); }, "GLib-WARNING");
}

TEST(Harness, ExpectedNativeMessagesAreCollectedAndOthersPassThrough)
{
    ExpectToolkitErrors expected;
    g_log("Gtk", G_LOG_LEVEL_CRITICAL, "gtk_box_gadget_distribute: assertion 'size >= 0' failed");
    // Informative levels and other libraries' domains are no fault of ours.
    g_log("Gtk", G_LOG_LEVEL_MESSAGE, "a plain message");
    g_log("Gtk", G_LOG_LEVEL_DEBUG, "a debug message");
    g_log("Pango", G_LOG_LEVEL_WARNING, "another library's warning");

    ASSERT_EQ(expected.Errors().size(), 1u);
    EXPECT_TRUE(expected.Saw("Gtk-CRITICAL: gtk_box_gadget_distribute"));
    EXPECT_TRUE(expected.Asserts().empty());
}

TEST(Harness, HomeIsAPrivateFolderThatTakesTheConfiguration)
{
    ASSERT_FALSE(HomeDir().empty());
    EXPECT_EQ(wxString::FromUTF8(std::getenv("HOME")), HomeDir());
    EXPECT_TRUE(wxDir::Exists(HomeDir()));
    EXPECT_EQ(wxGetHomeDir(), HomeDir());
    {
        wxFileConfig config("HarnessProbe", "", "", "", wxCONFIG_USE_LOCAL_FILE);
        config.Write("/HarnessProbe/Port", 3L);
    }
    EXPECT_TRUE(wxFileName::FileExists(wxFileName(HomeDir(), ".HarnessProbe").GetFullPath()));
}

TEST(Harness, TimersAndPostedCallsRunWhileWaiting)
{
    bool called = false;
    wxTheApp->CallAfter([&called] { called = true; });
    Yield();
    EXPECT_TRUE(called);

    int ticks = 0;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&ticks](wxTimerEvent&) { ++ticks; });
    timer.Start(20);
    EXPECT_TRUE(WaitFor([&ticks] { return ticks >= 3; }, 2000));
    timer.Stop();
}

class ProbeApp : public wxApp {
public:
    bool OnInit() override
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, "probe");
        SetTopWindow(m_frame);
        return true;
    }
    int OnExit() override
    {
        m_exited = true;
        return 0;
    }
    wxFrame* m_frame = nullptr;
    bool m_exited = false;
};

// A new size of a window on the screen comes back from the X server and
// GTK's next frame: the wait ends once the windows inside have their places
// in it, and a layout that moves for ever never settles.
TEST(Harness, WaitingForASettledLayoutSeesTheNewSizeArrive)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "settle", wxPoint(0, 0), wxSize(300, 200));
    auto* panel = new wxPanel(frame);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(panel, 1, wxEXPAND);
    frame->SetSizer(sizer);
    frame->Show();
    ASSERT_TRUE(WaitForSettledLayout(panel));
    for (int width : {420, 360, 510}) {
        frame->SetClientSize(width, 200);
        ASSERT_TRUE(WaitForSettledLayout(panel));
        EXPECT_EQ(panel->GetSize(), wxSize(width, 200));
    }

    // Moved again whenever the program is idle, never back to a place it
    // had a frame ago.
    int step = 0;
    const auto move = [&](wxIdleEvent& event) {
        panel->SetSize(100 + ++step % 5000, 50);
        event.RequestMore();
    };
    frame->Bind(wxEVT_IDLE, move);
    EXPECT_FALSE(WaitForSettledLayout(panel, 1000));
    frame->Unbind(wxEVT_IDLE, move);
    frame->Destroy();
    Yield();
}

TEST(Harness, AnotherApplicationRunsInTheHarnessPlace)
{
    {
        ScopedApp<ProbeApp> app;
        ASSERT_EQ(wxTheApp, app.get());
        ASSERT_TRUE(app->OnInit());
        EXPECT_EQ(app->GetTopWindow(), app->m_frame);

        // Its problems still reach the test, and its windows get events.
        EXPECT_NONFATAL_FAILURE({ wxFAIL_MSG("inside the other application"); }, "inside the other application");
        bool called = false;
        app->m_frame->CallAfter([&called] { called = true; });
        Yield();
        EXPECT_TRUE(called);

        app->m_frame->Destroy();
        Yield();
        app->OnExit();
        EXPECT_TRUE(app->m_exited);
    }
    EXPECT_EQ(wxTheApp, HarnessApp());
    EXPECT_NONFATAL_FAILURE({ wxFAIL_MSG("back in the harness"); }, "back in the harness");
}

}  // namespace
