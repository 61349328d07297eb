// Where a clicked link goes: the table of hrefs and targets through
// DispatchLink with a recording launcher, the script pop-up's numbers, link
// hooks, and the desktop's programs as they are run: the target one
// argument of its own, whatever it holds, and nothing when a program is
// missing.
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "HtmlTestSupport.h"
#include "html/DesktopLauncher.h"
#include "html/HtmlLinkHooks.h"

using namespace htmltest;

namespace {

using Launch = RecordingLauncher::Launched;
using Popup = Viewer::Popup;

class LinkDispatchTest : public HtmlTest {
protected:
    // A viewer showing a page of the folder, recording what leaves it.
    Viewer* PageViewer()
    {
        Viewer* viewer = MakeViewer();
        EXPECT_TRUE(viewer->LoadPage(folder.Write("index.htm", "index")));
        viewer->SetLauncher(launcher);
        viewer->recordPopups = true;
        viewer->recordLoads = true;
        return viewer;
    }
    // The page's folder as the desktop gets it.
    wxString Folder() const { return folder.Path(""); }

    std::shared_ptr<RecordingLauncher> launcher = std::make_shared<RecordingLauncher>();
};

TEST_F(LinkDispatchTest, EachKindOfLinkGoesWhereItLeads)
{
    struct Case {
        const char* href;
        const char* target;
        std::vector<Launch> launches;  // folder-relative files start with "@"
        std::vector<Popup> popups;
        std::vector<wxString> loads;  // likewise
        bool afterTheEvent;           // the load waits for the event's end
    };
    const Case cases[] = {
        {"http://h/a b?q=$(reboot)|x", "", {{"", "http://h/a b?q=$(reboot)|x"}}, {}, {}, false},
        {"HTTPS://h/p", "", {{"", "HTTPS://h/p"}}, {}, {}, false},
        {"Http://h/", "main", {{"", "Http://h/"}}, {}, {}, false},
        {"mailto:a@b.c", "frame", {{"", "mailto:a@b.c"}}, {}, {}, false},
        {"ftp://h/f", "", {{"", "ftp://h/f"}}, {}, {}, false},
        {"shell:open:a;b $(id)|c.txt", "", {{"open", "@a;b $(id)|c.txt"}}, {}, {}, false},
        {"shell:-rf", "", {{"", "@-rf"}}, {}, {}, false},
        {"shell:print:doc.txt", "", {{"print", "@doc.txt"}}, {}, {}, false},
        {"SHELL:doc.txt", "x", {{"", "@doc.txt"}}, {}, {}, false},
        {"shell:open:/abs/f.txt", "", {{"open", "/abs/f.txt"}}, {}, {}, false},
        {"shell:c:\\d\\f.txt", "", {{"c", "\\d\\f.txt"}}, {}, {}, false},
        {"page.htm", "", {}, {}, {"page.htm"}, false},
        {"page.htm", "_SELF", {}, {}, {"page.htm"}, false},
        {"page.htm", "pop", {}, {{"page.htm", 10, 10, 400, 300}}, {}, false},
        {"http://h/", "POP", {}, {{"http://h/", 10, 10, 400, 300}}, {}, false},
        {"page.htm", "_top", {}, {}, {"@page.htm"}, true},
        {"/abs.htm", "nosuch", {}, {}, {"/abs.htm"}, true},
        {"javascript:DoPopup('p.htm',300,400)", "", {}, {{"p.htm", 0, 0, 400, 300}}, {}, false},
        {"JavaScript:dopopup('q.htm' -5 ,7,99999999999)", "", {}, {{"q.htm", -5, -5, 2147483647, 7}}, {}, false},
        {"javascript:DoPopup('q.htm',-8,-9)", "", {}, {{"q.htm", 0, 0, -9, -8}}, {}, false},
        {"javascript:DoPopup('r.htm'x 12x,+3,4)", "", {}, {{"r.htm", 0, 0, 4, 3}}, {}, false},
        {"javascript:DoPopup('q.htm,1,2", "", {}, {}, {}, false},
        {"javascript:DoPopup('q.htm',1)", "", {}, {}, {}, false},
        {"javascript:alert(1)", "", {}, {}, {"javascript:alert(1)"}, false},
    };
    Viewer* viewer = PageViewer();
    const wxString base = viewer->GetParser()->GetFS()->GetPath();
    const auto inFolder = [&](const wxString& text, const wxString& prefix) {
        return text.StartsWith("@") ? prefix + text.Mid(1) : text;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.href) + " / " + c.target);
        launcher->launches.clear();
        viewer->popups.clear();
        viewer->loads.clear();
        viewer->DispatchLink(c.href, c.target);
        std::vector<Launch> launches;
        for (const Launch& launch : c.launches)
            launches.push_back({launch.verb, inFolder(launch.target, Folder())});
        std::vector<wxString> loads;
        for (const wxString& load : c.loads)
            loads.push_back(inFolder(load, base));
        if (c.afterTheEvent) {
            EXPECT_TRUE(viewer->loads.empty());
            guitest::Yield();
        }
        EXPECT_EQ(launcher->launches, launches);
        EXPECT_EQ(viewer->popups, c.popups);
        EXPECT_EQ(viewer->loads, loads);
    }
}

TEST_F(LinkDispatchTest, TheDesktopGetsOneArgumentAsWrittenAndAnAbsolutePath)
{
    struct Case {
        const char* href;
        std::vector<wxString> command;  // "@" stands for the page's folder
    };
    const Case cases[] = {
        {"shell:open:a;b $(id)|c.txt", {"xdg-open", "@a;b $(id)|c.txt"}},
        {"shell:-rf", {"xdg-open", "@-rf"}},
        {"shell:print:`reboot` x.txt", {"lp", "@`reboot` x.txt"}},
        {"shell:PRINT:y.txt", {"lp", "@y.txt"}},
        {"shell:edit:y.txt", {}},
        {"shell:c:\\d\\f.txt", {}},
        {"shell:open:c:/d/f.txt", {}},
        {"http://h/a b?q=$(reboot)|x", {"xdg-open", "http://h/a b?q=$(reboot)|x"}},
        {"mailto:a@b.c?subject=\"; rm -rf ~\"", {"xdg-open", "mailto:a@b.c?subject=\"; rm -rf ~\""}},
    };
    Viewer* viewer = PageViewer();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.href);
        launcher->launches.clear();
        viewer->DispatchLink(c.href, "");
        ASSERT_EQ(launcher->launches.size(), 1u);
        const Launch& launch = launcher->launches[0];
        std::vector<wxString> command;
        for (const wxString& part : c.command)
            command.push_back(part.StartsWith("@") ? Folder() + part.Mid(1) : part);
        EXPECT_EQ(vhtml::DesktopLauncher::CommandFor(launch.verb, launch.target), command);
    }
    // Nothing that is not an absolute path or an address.
    EXPECT_TRUE(vhtml::DesktopLauncher::CommandFor("", "-rf").empty());
    EXPECT_TRUE(vhtml::DesktopLauncher::CommandFor("", "doc.txt").empty());
    EXPECT_TRUE(vhtml::DesktopLauncher::CommandFor("open", "http://h/").empty());
}

TEST_F(LinkDispatchTest, ShellLinksInsideAnArchiveOrFromAnotherProtocolReachNothing)
{
    Viewer* viewer = PageViewer();
    for (const char* path : {"file:///tmp/help.zip#zip:dir/", "http://h/dir/"}) {
        SCOPED_TRACE(path);
        launcher->launches.clear();
        viewer->GetParser()->GetFS()->ChangePathTo(path, true);
        viewer->DispatchLink("shell:doc.txt", "");
        EXPECT_TRUE(launcher->launches.empty());
        viewer->DispatchLink("shell:/abs/doc.txt", "");
        EXPECT_EQ(launcher->launches, (std::vector<Launch>{{"", "/abs/doc.txt"}}));
    }
}

class TakeHook : public vhtml::HtmlLinkHook {
public:
    explicit TakeHook(std::vector<wxString>* seen) : m_seen(seen) {}
    bool OnLink(const wxString& href, const wxString& target, vhtml::HtmlWindow*) override
    {
        m_seen->push_back(href + "|" + target);
        return href.StartsWith("hook:");
    }

private:
    std::vector<wxString>* m_seen;
};

TEST_F(LinkDispatchTest, HooksAreAskedFirstAndTheFirstThatTakesALinkEndsIt)
{
    Viewer* viewer = PageViewer();
    std::vector<wxString> first;
    std::vector<wxString> second;
    auto hookOne = std::make_unique<TakeHook>(&first);
    auto hookTwo = std::make_unique<TakeHook>(&second);
    const vhtml::HtmlLinkHook* one = hookOne.get();
    const vhtml::HtmlLinkHook* two = hookTwo.get();
    vhtml::HtmlLinkHooks::Add(std::move(hookOne));
    vhtml::HtmlLinkHooks::Add(std::move(hookTwo));

    viewer->DispatchLink("hook:http://h/", "pop");
    viewer->DispatchLink("http://h/", "");
    vhtml::HtmlLinkHooks::Remove(one);
    vhtml::HtmlLinkHooks::Remove(two);
    viewer->DispatchLink("hook:x", "");

    EXPECT_EQ(first, (std::vector<wxString>{"hook:http://h/|pop", "http://h/|"}));
    EXPECT_EQ(second, (std::vector<wxString>{"http://h/|"}));
    EXPECT_TRUE(viewer->popups.empty());
    EXPECT_EQ(launcher->launches, (std::vector<Launch>{{"", "http://h/"}}));
    EXPECT_EQ(viewer->loads, (std::vector<wxString>{"hook:x"}));
}

// The processes this one started that have not ended and been waited for.
std::string ChildrenOfThisProcess()
{
    std::ifstream file("/proc/self/task/" + std::to_string(getpid()) + "/children");
    std::string children;
    std::getline(file, children);
    return children;
}

// Programs of the desktop's names in a folder of their own on PATH, which
// write the arguments they get, one a line, after their count.
class DesktopProgramsTest : public HtmlTest {
protected:
    void SetUp() override
    {
        HtmlTest::SetUp();
        m_path = wxGetenv("PATH");
        for (const char* name : {"xdg-open", "lp"}) {
            const wxString script =
                folder.Write(std::string("bin/") + name, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.out\"\n");
            chmod(script.utf8_str(), 0755);
        }
        wxSetEnv("PATH", folder.Path("bin") + ":" + m_path);
    }
    void TearDown() override
    {
        wxSetEnv("PATH", m_path);
        HtmlTest::TearDown();
    }

    // What the program was run with, once it has run.
    std::string ArgumentsOf(const std::string& program)
    {
        const std::string out = folder.Path("bin/" + program + ".out").utf8_string();
        std::string text;
        guitest::WaitFor(
            [&] {
                std::ifstream file(out);
                std::stringstream read;
                read << file.rdbuf();
                text = read.str();
                return !text.empty() && text.back() == '\n';
            },
            5000);
        return text;
    }

private:
    wxString m_path;
};

TEST_F(DesktopProgramsTest, RunWithTheTargetAsOneArgumentThatNoShellReads)
{
    const std::string file = folder.Path("a;b $(touch pwned)|c `id`.txt").utf8_string();
    vhtml::DesktopLauncher launcher;
    launcher.Launch("open", wxString::FromUTF8(file));
    EXPECT_EQ(ArgumentsOf("xdg-open"), "1\n" + file + "\n");
    launcher.Launch("print", wxString::FromUTF8(file));
    EXPECT_EQ(ArgumentsOf("lp"), "1\n" + file + "\n");
    wxRemoveFile(folder.Path("bin/xdg-open.out"));
    launcher.Launch("", "https://h/?q=$(touch pwned)");
    EXPECT_EQ(ArgumentsOf("xdg-open"), "1\nhttps://h/?q=$(touch pwned)\n");
    EXPECT_FALSE(wxFileExists(folder.Path("pwned")));
    EXPECT_FALSE(wxFileExists("pwned"));
}

TEST_F(DesktopProgramsTest, AMissingProgramIsNotReported)
{
    // Neither by the toolkit (the harness fails a test on its errors) nor on
    // the error output, which a child that cannot run a program writes to.
    wxSetEnv("PATH", folder.Path("nothing"));
    const wxString errors = folder.Write("errors", "");
    fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int file = open(errors.utf8_str(), O_WRONLY);
    dup2(file, STDERR_FILENO);
    close(file);
    vhtml::DesktopLauncher launcher;
    launcher.Launch("", "http://h/");
    launcher.Launch("print", "/tmp/x.txt");
    // Until the children that could not run their programs have ended.
    EXPECT_TRUE(guitest::WaitFor([] { return ChildrenOfThisProcess().empty(); }, 5000));
    fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::ifstream written(errors.utf8_string());
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_EQ(text.str(), "");
}

}  // namespace
