// Start-up as the user meets it: the resource file in the working directory
// or a refusal with the program's own messages, the configuration file read
// (defaults for what it lacks or cannot give), the window placed, and the
// configuration kept when it cannot be written.
#include "ProgramFixture.h"

#include <filesystem>
#include <fstream>

#include <wx/combobox.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/xrc/xmlres.h>

using namespace programtest;

namespace {

namespace fs = std::filesystem;

// The working directory for the scope's life, a fresh temporary folder.
class TemporaryWorkingDirectory {
public:
    TemporaryWorkingDirectory() : m_previous(wxGetCwd())
    {
        std::string pattern = (fs::temp_directory_path() / "vesk-cwd-XXXXXX").string();
        EXPECT_NE(mkdtemp(pattern.data()), nullptr);
        m_path = pattern;
        wxSetWorkingDirectory(wxString::FromUTF8(m_path));
    }
    ~TemporaryWorkingDirectory()
    {
        wxSetWorkingDirectory(m_previous);
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const std::string& Path() const { return m_path; }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(m_path + "/" + name) << text; }

private:
    wxString m_previous;
    std::string m_path;
};

// HOME elsewhere for the scope's life.
class OtherHome {
public:
    explicit OtherHome(const std::string& path) { setenv("HOME", path.c_str(), 1); }
    ~OtherHome() { setenv("HOME", guitest::HomeDir().utf8_str().data(), 1); }
};

const char* const kMissingText = "File VeskStudio.xrc missing.\nApplication cannot start.";

class StartUpTest : public ProgramTest {};

TEST_F(StartUpTest, WithoutResourceFileShowsTheFolderThenRefusesWithNoWindow)
{
    // A folder of that name is no resource file either.
    for (const bool folderOfThatName : {false, true}) {
        SCOPED_TRACE(folderOfThatName ? "folder named VeskStudio.xrc" : "no VeskStudio.xrc");
        TemporaryWorkingDirectory cwd;
        if (folderOfThatName)
            fs::create_directory(cwd.Path() + "/VeskStudio.xrc");

        EXPECT_FALSE(Start());
        const std::vector<Message>& messages = (*app)->messages;
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].text, wxGetCwd());
        EXPECT_EQ(messages[0].text, wxString::FromUTF8(cwd.Path()));
        EXPECT_EQ(messages[0].caption, "Where's that ?");
        EXPECT_EQ(messages[0].style, wxOK);
        EXPECT_EQ(messages[1].text, kMissingText);
        EXPECT_EQ(messages[1].caption, "Critical Error");
        EXPECT_EQ(messages[1].style, wxOK);
        EXPECT_EQ(Window(), nullptr);
        EXPECT_TRUE(wxTopLevelWindows.empty());
        // The toolkit skips OnExit after a failed start.
        app.reset();
    }
}

// The resource file of the repository, loaded in this process already or
// not (every start of the program loads it once more), is out of the way
// while a broken one is tried, and back afterwards.
class ResourceFileSwap {
public:
    ResourceFileSwap() : m_good(wxFileName(wxGetCwd(), "VeskStudio.xrc"))
    {
        while (wxXmlResource::Get()->Unload(m_good.GetFullPath()))
            m_wasLoaded = true;
    }
    ~ResourceFileSwap()
    {
        if (m_wasLoaded)
            wxXmlResource::Get()->LoadFile(m_good);
    }

private:
    wxFileName m_good;
    bool m_wasLoaded = false;
};

TEST_F(StartUpTest, UnusableResourceFileRefusesWithCriticalError)
{
    struct Case {
        const char* what;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"not XML", "<resource><object class=", "File VeskStudio.xrc cannot be read.\nApplication cannot start."},
        {"not a resource file", "<?xml version=\"1.0\"?><something/>",
         "File VeskStudio.xrc cannot be read.\nApplication cannot start."},
        {"no main window",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<resource xmlns=\"http://www.wxwidgets.org/wxxrc\" version=\"2.5.3.0\">"
         "<object class=\"wxPanel\" name=\"DLG_SOMETHING\"/></resource>",
         "File VeskStudio.xrc has no main window.\nApplication cannot start."},
        {"main window without its notebook",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<resource xmlns=\"http://www.wxwidgets.org/wxxrc\" version=\"2.5.3.0\">"
         "<object class=\"wxFrame\" name=\"DLG_STRAHLKONSTUDIO_DIALOG\"><title>x</title></object></resource>",
         "File VeskStudio.xrc has no main window.\nApplication cannot start."},
    };
    ResourceFileSwap swap;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryWorkingDirectory cwd;
        cwd.Write("VeskStudio.xrc", c.text);

        EXPECT_FALSE(Start());
        const std::vector<Message>& messages = (*app)->messages;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.expected);
        EXPECT_EQ(messages[0].caption, "Critical Error");
        EXPECT_TRUE(wxTopLevelWindows.empty());
        app.reset();
        wxXmlResource::Get()->Unload(wxFileName(wxGetCwd(), "VeskStudio.xrc").GetFullPath());
    }
}

TEST_F(StartUpTest, EmptyConfigurationStartsWithTheDefaults)
{
    ASSERT_TRUE(Start());
    CStrahlkonStudioDlg* window = Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ((*app)->GetTopWindow(), window);
    EXPECT_EQ(AddressFrom()->GetValue(), "1");
    EXPECT_EQ(AddressTo()->GetValue(), "4");
    EXPECT_EQ(StudioSelect()->GetValue(), 1);
    EXPECT_EQ(LanguageList()->GetSelection(), 0);
    EXPECT_EQ(Label("IDC_ADDRESS"), "address");
    EXPECT_EQ(PortList()->GetSelection(), 0);
    EXPECT_TRUE(window->IsFullView());
    ExpectView(true);
    // No unit yet: the hints and the demo button instead of the notebook.
    EXPECT_FALSE(Shown("IDC_DEVICETAB"));
    for (const char* name : {"IDC_DEMO", "IDC_NOTFOUND", "IDC_NOTFOUND1", "IDC_NOTFOUND2", "IDC_NOTFOUND3",
                             "IDC_NOTFOUND4", "IDC_NOTFOUND5"})
        EXPECT_TRUE(Shown(name)) << name;
    EXPECT_EQ(Label("IDC_NOTFOUND4"), "check the cable connection");
    EXPECT_EQ(Label("IDC_NOTFOUND5"), "check the address range");
}

TEST_F(StartUpTest, ConfiguredSettingsOpenTheBusWithThem)
{
    bus.AddUnit(4, 3, 37, 1);  // in studio 3 and in range 2..6
    bus.AddUnit(5, 1, 37, 1);  // another studio
    bus.AddUnit(8, 3, 37, 1);  // out of range
    WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStudio=3\nStart=2\nEnd=6\nLanguage=2\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE((*app)->messages.empty());
    EXPECT_EQ(PortList()->GetStringSelection(), wxString::FromUTF8(bus.PortName()));
    EXPECT_EQ(StudioSelect()->GetValue(), 3);
    EXPECT_EQ(AddressFrom()->GetValue(), "2");
    EXPECT_EQ(AddressTo()->GetValue(), "6");
    EXPECT_EQ(LanguageList()->GetSelection(), 1);

    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() > 0; }));
    // A whole search over the range finds nobody else.
    for (int i = 0; i < 60; ++i)
        Tick();
    EXPECT_EQ(PageLabels(), std::vector<wxString>{wxString::FromUTF8("Gerät4-Zarit 3200S")});
    EXPECT_TRUE(bus.FindUnit(5, 1)->commands.empty());
    EXPECT_TRUE(bus.FindUnit(8, 3)->commands.empty());
}

TEST_F(StartUpTest, DamagedConfigurationKeepsWhatItCanReadAndDefaultsTheRest)
{
    WriteConfig(
        "[VeskStudio]\nthis line is damaged\nStudio=3\nStart=x7\nEnd=6\n\x01\x02\xff\nLanguage=2\nPort=abc\n"
        "[unclosed\nFULL=\n");
    // A damaged file is no error the user is shown (the harness would fail
    // the test on one).
    ASSERT_TRUE(Start());
    EXPECT_EQ(StudioSelect()->GetValue(), 3);
    EXPECT_EQ(AddressFrom()->GetValue(), "1");
    EXPECT_EQ(AddressTo()->GetValue(), "6");
    EXPECT_EQ(LanguageList()->GetSelection(), 1);
    EXPECT_EQ(PortList()->GetSelection(), 0);
    EXPECT_TRUE(Window()->IsFullView());
}

TEST_F(StartUpTest, StoredValuesKeepTheirLowBits)
{
    // 257 is 1 and 259 is 3 in a byte; a language above 4 is 4.
    WriteConfig("[VeskStudio]\nPort=257\nStudio=259\nStart=258\nEnd=261\nLanguage=7\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(PortList()->GetSelection(), 0);
    EXPECT_EQ(StudioSelect()->GetValue(), 3);
    EXPECT_EQ(AddressFrom()->GetValue(), "2");
    EXPECT_EQ(AddressTo()->GetValue(), "5");
    EXPECT_EQ(LanguageList()->GetSelection(), 3);
    Exit();
    EXPECT_EQ(StoredValue("Port"), 1);
    EXPECT_EQ(StoredValue("Language"), 4);
}

// The studio control shows 1 to 20: a stored studio outside is read as the
// nearest of them, so the studio shown is the one searched and stored.
TEST_F(StartUpTest, StoredStudioOutsideTheControlsRangeIsReadAsItsNearestEnd)
{
    struct Case {
        const char* stored;
        int studio;
    };
    for (const Case& c : {Case{"25", 20}, Case{"0", 1}, Case{"21", 20}}) {
        SCOPED_TRACE(c.stored);
        bus.AddUnit(3, c.studio, 37, 1);
        WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber()) + "\nStudio=" + c.stored + "\n");
        ASSERT_TRUE(Start());
        EXPECT_TRUE((*app)->messages.empty());
        EXPECT_EQ(StudioSelect()->GetValue(), c.studio);
        EXPECT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
        Exit();
        EXPECT_EQ(StoredValue("Studio"), c.studio);
        bus.RemoveUnit(3, c.studio);
    }
}

TEST_F(StartUpTest, SavedPositionIsUsedOnlyWhereAScreenShowsIt)
{
    ASSERT_TRUE(Start());
    const wxPoint unplaced = Window()->GetPosition();
    Exit();
    ASSERT_NE(unplaced, wxPoint(100, 50));

    struct Case {
        const char* config;
        wxPoint expected;
    };
    const Case cases[] = {
        {"X=100\nY=50\n", wxPoint(100, 50)},
        {"X=0\nY=0\n", wxPoint(0, 0)},
        // Beyond 16 bits: 65636 is far off the screen, not 100.
        {"X=65636\nY=50\n", unplaced},
        {"X=100\nY=-5\n", unplaced},
        {"X=-1\nY=-1\n", unplaced},
        {"X=5000\nY=100\n", unplaced},
        {"X=100\nY=4000\n", unplaced},
        {"X=99999999999\nY=50\n", unplaced},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config);
        WriteConfig(std::string("[VeskStudio]\n") + c.config);
        ASSERT_TRUE(Start());
        EXPECT_EQ(Window()->GetPosition(), c.expected);
        Exit();
    }
}

TEST_F(StartUpTest, ConfigurationThatCannotBeWrittenLeavesTheSessionAndTheFileAlone)
{
    // Even for the superuser: HOME below a plain file, and a folder where
    // the configuration file belongs.
    const std::string home = guitest::HomeDir().utf8_string();
    std::ofstream(home + "/plain") << "x";
    fs::create_directories(home + "/folder/.VeskStudio/inside");
    for (const std::string& otherHome : {home + "/plain/home", home + "/folder"}) {
        SCOPED_TRACE(otherHome);
        OtherHome scope(otherHome);
        ASSERT_TRUE(Start());
        EXPECT_EQ(AddressTo()->GetValue(), "4");
        Choose(LanguageList(), 2);
        EXPECT_EQ(Label("IDC_ADDRESS"), "adresse");
        // Nothing is reported, nothing breaks.
        Exit();
    }
    EXPECT_TRUE(fs::is_directory(home + "/folder/.VeskStudio/inside"));
}

}  // namespace
