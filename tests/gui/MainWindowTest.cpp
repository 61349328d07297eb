// The main window's toolbar and settings as the user meets them: the four
// languages, the port that does not open, the address range and the reopen
// on a port, studio or language change, the two views, the About box, and
// the settings stored when the window closes.
#include "ProgramFixture.h"

#include <wx/combobox.h>
#include <wx/iconbndl.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/xrc/xmlres.h>

#include "app/About.h"
#include "text/TextTable.h"

using namespace programtest;

namespace {

class MainWindowTest : public ProgramTest {
protected:
    // Starts on the bus in the given language, range 1..4.
    void StartOnBus(int language = 1, const std::string& more = "")
    {
        busPort = BusPortNumber();
        WriteConfig("[VeskStudio]\nPort=" + std::to_string(busPort) +
                    "\nStudio=1\nStart=1\nEnd=4\nLanguage=" + std::to_string(language) + "\n" + more);
        ASSERT_TRUE(Start());
        ASSERT_TRUE((*app)->messages.empty());
    }

    std::vector<wxString> Entries(wxComboBox* list) const
    {
        std::vector<wxString> entries;
        for (unsigned int i = 0; i < list->GetCount(); ++i)
            entries.push_back(list->GetString(i));
        return entries;
    }

    wxString ToolTip(const char* name) const
    {
        wxWindow* window = Window()->FindWindow(XRCID(name));
        return window ? window->GetToolTipText() : wxString("(missing)");
    }

    int busPort = 0;
};

TEST_F(MainWindowTest, ToolbarHoldsItsToolsAndControlsInOrder)
{
    StartOnBus();
    wxToolBar* bar = Window()->GetToolBar();
    ASSERT_NE(bar, nullptr);
    std::vector<int> ids;
    for (size_t i = 0; i < bar->GetToolsCount(); ++i)
        ids.push_back(bar->GetToolByPos(static_cast<int>(i))->GetId());
    std::vector<int> expected;
    for (const char* name :
         {"IDC_EXIT", "IDC_COMSELECT", "IDC_STUDIO_LA", "IDC_STUDIOSELECT", "IDC_ZOOM", "IDC_HELPGENERAL",
          "IDC_LANGUAGE", "IDC_ADDRESS", "IDC_ADDRESSFROM", "IDC_TO", "IDC_ADDRESSTO"})
        expected.push_back(XRCID(name));
    EXPECT_EQ(ids, expected);
    for (const char* name : {"IDC_EXIT", "IDC_ZOOM", "IDC_HELPGENERAL"})
        EXPECT_EQ(bar->FindById(XRCID(name))->GetNormalBitmap().GetSize(), wxSize(20, 19)) << name;
    EXPECT_EQ(Label("IDC_STUDIO_LA"), " studio");
    EXPECT_EQ(StudioSelect()->GetMin(), 1);
    EXPECT_EQ(StudioSelect()->GetMax(), 20);
    EXPECT_TRUE(PortList()->HasFlag(wxCB_READONLY));
    EXPECT_TRUE(LanguageList()->HasFlag(wxCB_READONLY));
    EXPECT_TRUE(AddressFrom()->HasFlag(wxTE_PROCESS_ENTER));
    // Two digits at most.
    AddressFrom()->ChangeValue("7");
    AddressFrom()->AppendText("5");
    AddressFrom()->AppendText("1");
    EXPECT_EQ(AddressFrom()->GetValue(), "75");
    // The program's icon in three sizes.
    const wxIconBundle& icons = Window()->GetIcons();
    ASSERT_EQ(icons.GetIconCount(), 3u);
    for (const int size : {16, 32, 48})
        EXPECT_EQ(icons.GetIconOfExactSize(size).GetWidth(), size);
}

TEST_F(MainWindowTest, EachLanguageLabelsTheFrameAndListsEveryLanguageInItsOwnName)
{
    struct Case {
        int language;
        const char* address;
        const char* to;
        const char* notFound;
        const char* exitHelp;
        const char* portTip;
    };
    const Case cases[] = {
        {1, "address", "to", "no flash units could be found", "exit", "serial port"},
        {2, "Adresse", "bis", "es wurden keine Blitzgeräte gefunden", "beenden", "serielle Schnittstelle"},
        {3, "adresse", "à", "aucun appareil flash n'a été trouvé", "quitter", "port série"},
        {4, "dirección", "hasta", "no se ha encontrado ningún aparato de flash", "salir", "puerto serie"},
    };
    bus.AddUnit(2, 1, 37, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        StartOnBus(c.language);
        const int offset = (c.language - 1) * 500;
        EXPECT_EQ(Label("IDC_ADDRESS"), wxString::FromUTF8(c.address));
        EXPECT_EQ(Label("IDC_TO"), wxString::FromUTF8(c.to));
        const std::pair<const char*, int> texts[] = {{"IDC_NOTFOUND", 2101},  {"IDC_NOTFOUND1", 2102},
                                                     {"IDC_NOTFOUND2", 2103}, {"IDC_NOTFOUND3", 2104},
                                                     {"IDC_NOTFOUND4", 2106}, {"IDC_NOTFOUND5", 2105}};
        for (const auto& [name, id] : texts)
            EXPECT_EQ(Label(name), GetString(id + offset)) << name;
        EXPECT_EQ(Label("IDC_NOTFOUND"), wxString::FromUTF8(c.notFound));
        EXPECT_EQ(Window()->GetToolBar()->GetToolShortHelp(XRCID("IDC_EXIT")), wxString::FromUTF8(c.exitHelp));
        EXPECT_EQ(ToolTip("IDC_COMSELECT"), wxString::FromUTF8(c.portTip));
        wxToolBar* bar = Window()->GetToolBar();
        EXPECT_EQ(bar->GetToolShortHelp(XRCID("IDC_EXIT")), GetString(2074 + offset));
        EXPECT_EQ(bar->GetToolShortHelp(XRCID("IDC_ZOOM")), GetString(2075 + offset));
        EXPECT_EQ(bar->GetToolShortHelp(XRCID("IDC_HELPGENERAL")), GetString(2078 + offset));
        EXPECT_EQ(ToolTip("IDC_COMSELECT"), GetString(2076 + offset));
        EXPECT_EQ(ToolTip("IDC_STUDIOSELECT"), GetString(2077 + offset));
        EXPECT_EQ(ToolTip("IDC_ADDRESSFROM"), GetString(2079 + offset));
        EXPECT_EQ(ToolTip("IDC_ADDRESSTO"), GetString(2080 + offset));
        EXPECT_EQ(ToolTip("IDC_LANGUAGE"), GetString(2081 + offset));
        EXPECT_EQ(Entries(LanguageList()), (std::vector<wxString>{"english", "deutsch", wxString::FromUTF8("français"),
                                                                  wxString::FromUTF8("español")}));
        EXPECT_EQ(LanguageList()->GetSelection(), c.language - 1);
        // Pages are labelled in the language too.
        ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
        EXPECT_EQ(Notebook()->GetPageText(0), GetString(2011 + offset) + "2-Zarit 3200S");
        Exit();
    }
}

TEST_F(MainWindowTest, SwitchingLanguageReopensAndRebuildsThePagesInTheNewLanguage)
{
    bus.AddUnit(2, 1, 37, 1);
    bus.AddUnit(3, 1, 20, 1);
    StartOnBus();
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 2; }));
    const wxString busName = wxString::FromUTF8(bus.PortName());
    const std::vector<wxString> ports = Entries(PortList());
    StandInUnit::Journal().clear();

    Choose(LanguageList(), 1);
    // The close lost both units and their pages.
    EXPECT_EQ(StandInUnit::JournalOf("deleted"), (std::vector<std::string>{"deleted 2", "deleted 3"}));
    EXPECT_EQ(Notebook()->GetPageCount(), 0u);
    EXPECT_TRUE(Shown("IDC_NOTFOUND"));
    EXPECT_EQ(Label("IDC_ADDRESS"), "Adresse");
    EXPECT_EQ(Label("IDC_NOTFOUND"), GetString(2601));
    EXPECT_EQ(Window()->GetToolBar()->GetToolShortHelp(XRCID("IDC_ZOOM")), GetString(2575));
    EXPECT_EQ(Entries(LanguageList())[0], "english");
    EXPECT_EQ(LanguageList()->GetSelection(), 1);
    // The port list is filled anew and the bus stays chosen.
    EXPECT_EQ(Entries(PortList()), ports);
    EXPECT_EQ(PortList()->GetStringSelection(), busName);

    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 2; }));
    EXPECT_EQ(PageLabels(),
              (std::vector<wxString>{wxString::FromUTF8("Gerät2-Zarit 3200S"), wxString::FromUTF8("Gerät3-Nuvek N4")}));
    Exit();
    EXPECT_EQ(StoredValue("Language"), 2);

    // The same language again changes nothing.
    StartOnBus(2);
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 2; }));
    StandInUnit::Journal().clear();
    Choose(LanguageList(), 1);
    EXPECT_TRUE(StandInUnit::JournalOf("deleted").empty());
    EXPECT_EQ(Notebook()->GetPageCount(), 2u);
}

TEST_F(MainWindowTest, PortThatDoesNotOpenIsReportedInTheChosenLanguage)
{
    // One port beyond the list has no name; one listed path does not exist.
    setenv("VESKCOMM_PORTS", "/nonexistent/tty-of-vesk", 1);
    for (int language = 1; language <= 4; ++language) {
        for (const int beyond : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "language " << language << (beyond ? ", beyond the list" : ""));
            WriteConfig("[VeskStudio]\nPort=" + std::to_string(BusPortNumber() + beyond) +
                        "\nLanguage=" + std::to_string(language) + "\n");
            ASSERT_TRUE(Start());
            const std::vector<Message>& messages = (*app)->messages;
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, GetString(2010 + (language - 1) * 500));
            EXPECT_EQ(messages[0].caption, " strahlkon - studio ");
            EXPECT_EQ(messages[0].style, wxOK | wxCENTRE);
            // The window runs all the same; its ticks do nothing harmful.
            EXPECT_TRUE(Window()->IsShown());
            for (int i = 0; i < 5; ++i)
                Tick();
            Exit();
        }
    }
}

// Language 0 in the configuration counts as English: both lists are there to
// choose from, the frame speaks English, and the configured port opens.
TEST_F(MainWindowTest, LanguageZeroShowsTheFrameAsEnglish)
{
    bus.AddUnit(2, 1, 37, 1);
    StartOnBus(0);
    EXPECT_EQ(Entries(LanguageList()), (std::vector<wxString>{"english", "deutsch", wxString::FromUTF8("français"),
                                                              wxString::FromUTF8("español")}));
    EXPECT_EQ(PortList()->GetCount(), static_cast<unsigned int>(busPort));
    EXPECT_EQ(PortList()->GetStringSelection(), wxString::FromUTF8(bus.PortName()));
    EXPECT_EQ(Label("IDC_ADDRESS"), "address");
    EXPECT_EQ(Label("IDC_TO"), "to");
    EXPECT_EQ(Label("IDC_NOTFOUND4"), "check the cable connection");
    EXPECT_EQ(ToolTip("IDC_LANGUAGE"), "language");
    EXPECT_EQ(Window()->GetToolBar()->GetToolShortHelp(XRCID("IDC_ZOOM")), "zoom");
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    EXPECT_EQ(PageLabels(), std::vector<wxString>{"unit2-Zarit 3200S"});

    // Another language can be chosen from the list.
    Choose(LanguageList(), 3);
    EXPECT_EQ(Label("IDC_ADDRESS"), wxString::FromUTF8("dirección"));
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    EXPECT_EQ(PageLabels(), std::vector<wxString>{"aparato2-Zarit 3200S"});
    Exit();
    EXPECT_EQ(StoredValue("Language"), 4);
}

TEST_F(MainWindowTest, RangeChangeKeepsThePortAndItsPages)
{
    bus.AddUnit(2, 1, 37, 1);
    StartOnBus();
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    wxWindow* page = DevicePage(0);
    StandInUnit::Journal().clear();

    // Clamped to 1..20, then swapped; shown and stored corrected.
    EnterAddresses("25", "2");
    EXPECT_EQ(AddressFrom()->GetValue(), "2");
    EXPECT_EQ(AddressTo()->GetValue(), "20");
    EXPECT_EQ(Notebook()->GetPageCount(), 1u);
    EXPECT_EQ(DevicePage(0), page);
    EXPECT_TRUE(StandInUnit::JournalOf("deleted").empty());

    // The search now covers 2..20: a unit at 17 is found, the one at 2 stays.
    bus.AddUnit(17, 1, 20, 1);
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 2; }));
    EXPECT_EQ(DevicePage(0), page);

    // Text that is no number reads as 0 and becomes 1.
    EnterAddresses("x", "20");
    EXPECT_EQ(AddressFrom()->GetValue(), "1");
    Exit();
    EXPECT_EQ(StoredValue("Start"), 1);
    EXPECT_EQ(StoredValue("End"), 20);
}

TEST_F(MainWindowTest, LeavingAnAddressFieldAppliesIt)
{
    StartOnBus();
    AddressTo()->ChangeValue("9");
    wxFocusEvent leave(wxEVT_KILL_FOCUS, AddressTo()->GetId());
    leave.SetEventObject(AddressTo());
    AddressTo()->ProcessWindowEvent(leave);
    Exit();
    EXPECT_EQ(StoredValue("End"), 9);
}

TEST_F(MainWindowTest, StudioOrPortChangeReopensAndFindsTheUnitsAnew)
{
    bus.AddUnit(2, 1, 37, 1);
    bus.AddUnit(2, 2, 20, 1);
    // An adapter that is listed but cannot be opened, just before the bus.
    setenv("VESKCOMM_PORTS", ("/nonexistent/tty-of-vesk:" + bus.DevicePath()).c_str(), 1);
    StartOnBus();
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    EXPECT_EQ(PageLabels(), std::vector<wxString>{"unit2-Zarit 3200S"});

    SpinStudio(2);
    EXPECT_EQ(StandInUnit::JournalOf("deleted"), std::vector<std::string>{"deleted 2"});
    EXPECT_EQ(Notebook()->GetPageCount(), 0u);
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    EXPECT_EQ(PageLabels(), std::vector<wxString>{"unit2-Nuvek N4"});

    // Another port: the bus's units go, the adapter that is not there is
    // reported.
    const int busIndex = PortList()->GetSelection();
    ASSERT_EQ(PortList()->GetString(busIndex - 1), " /nonexistent/tty-of-vesk");
    Choose(PortList(), busIndex - 1);
    EXPECT_EQ(Notebook()->GetPageCount(), 0u);
    ASSERT_EQ((*app)->messages.size(), 1u);
    EXPECT_EQ((*app)->messages[0].text, GetString(2010));
    Choose(PortList(), busIndex);
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    Exit();
    EXPECT_EQ(StoredValue("Studio"), 2);
    EXPECT_EQ(StoredValue("Port"), busIndex + 1);
}

TEST_F(MainWindowTest, ZoomSwitchesBetweenFullAndCompactView)
{
    bus.AddUnit(2, 1, 37, 1);
    StartOnBus();
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    CStrahlkonStudioDlg* window = Window();
    const char* const fullOnly[] = {"IDC_ADDRESSFROM", "IDC_ADDRESSTO", "IDC_ADDRESS", "IDC_TO", "IDC_LANGUAGE"};
    const wxSize margin = window->GetClientSize() - Notebook()->GetSize();
    auto* page = dynamic_cast<StandInPage*>(DevicePage(0));
    ASSERT_NE(page, nullptr);

    ClickTool("IDC_ZOOM");
    EXPECT_FALSE(window->IsFullView());
    ExpectView(false);
    EXPECT_FALSE(page->fullView);
    for (const char* name : fullOnly)
        EXPECT_FALSE(Shown(name)) << name;
    for (const char* name : {"IDC_COMSELECT", "IDC_STUDIOSELECT", "IDC_STUDIO_LA"})
        EXPECT_TRUE(Shown(name)) << name;
    EXPECT_EQ(window->GetClientSize() - Notebook()->GetSize(), margin);

    // A unit found meanwhile gets a compact page.
    bus.AddUnit(3, 1, 20, 1);
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 2; }));
    EXPECT_FALSE(dynamic_cast<StandInPage*>(DevicePage(1))->fullView);

    ClickTool("IDC_ZOOM");
    EXPECT_TRUE(window->IsFullView());
    ExpectView(true);
    EXPECT_TRUE(page->fullView);
    EXPECT_TRUE(dynamic_cast<StandInPage*>(DevicePage(1))->fullView);
    for (const char* name : fullOnly)
        EXPECT_TRUE(Shown(name)) << name;
    EXPECT_EQ(window->GetClientSize() - Notebook()->GetSize(), margin);
}

// Every entry of the language and port lists shows whole, in every
// language, and the wider lists still leave the full view's toolbar inside
// the frame.
TEST_F(MainWindowTest, EachListIsWideEnoughForItsLongestEntry)
{
    // An adapter with a long description, listed before the bus.
    setenv("VESKCOMM_PORTS", ("/nonexistent/vesk-studio-adapter-with-a-long-name:" + bus.DevicePath()).c_str(), 1);
    StartOnBus();
    for (const int language : {1, 2, 3, 4}) {
        SCOPED_TRACE(language);
        Choose(LanguageList(), language - 1);
        for (wxComboBox* list : {LanguageList(), PortList()}) {
            SCOPED_TRACE(list == LanguageList() ? "language list" : "port list");
            ASSERT_GT(list->GetCount(), 1u);
            for (const wxString& entry : Entries(list)) {
                const int textWidth = list->GetTextExtent(entry).x;
                EXPECT_GE(list->GetSize().x, list->GetSizeFromTextSize(textWidth).x) << entry;
            }
        }
        ExpectView(true);
    }
}

// Each view is as wide as what its toolbar shows needs at the moment of the
// switch, whichever view the program started in and whatever came before:
// the address range fields lie inside the full view, and the compact view
// keeps no room for the controls it hides.
TEST_F(MainWindowTest, EachViewIsAsWideAsItsToolbarNeedsAtTheSwitch)
{
    // Per language, compact and full: as a start in that language and view
    // gives them (the address labels are as wide as their words).
    int width[4][2] = {};
    for (int language = 0; language < 4; ++language) {
        for (const bool full : {false, true}) {
            StartOnBus(language + 1, full ? "" : "FULL=0\n");
            ExpectView(full);
            width[language][full] = Window()->GetSize().x;
            Exit();
        }
        EXPECT_LT(width[language][false], width[language][true]);
    }

    enum Step { Zoom, Language };
    struct Case {
        const char* what;
        bool startFull;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"compact start, zoom", false, {Zoom}},
        {"full start, zoom, zoom", true, {Zoom, Zoom}},
        {"language switch, zoom, zoom", true, {Language, Zoom, Zoom}},
        {"compact start, zoom, language switch, zoom, zoom", false, {Zoom, Language, Zoom, Zoom}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartOnBus(1, c.startFull ? "" : "FULL=0\n");
        bool full = c.startFull;
        int language = 0;
        for (const Step step : c.steps) {
            if (step == Zoom) {
                ClickTool("IDC_ZOOM");
                full = !full;
            } else {
                language = (language + 1) % 4;
                Choose(LanguageList(), language);
            }
            SCOPED_TRACE(full ? "full view" : "compact view");
            ASSERT_EQ(Window()->IsFullView(), full);
            ExpectView(full);
            EXPECT_EQ(Window()->GetSize().x, width[language][full]);
        }
        Exit();
    }
}

TEST_F(MainWindowTest, CompactViewIsRestoredAtStartAndStoredAtClose)
{
    StartOnBus(1, "FULL=0\n");
    EXPECT_FALSE(Window()->IsFullView());
    ExpectView(false);
    EXPECT_FALSE(Shown("IDC_LANGUAGE"));
    bus.AddUnit(2, 1, 37, 1);
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
    EXPECT_FALSE(dynamic_cast<StandInPage*>(DevicePage(0))->fullView);
    CloseBox();
    EXPECT_EQ(StoredValue("FULL"), 0);
}

TEST_F(MainWindowTest, ClosingStoresEverySettingWithExitToolOrCloseBox)
{
    for (const bool exitTool : {true, false}) {
        SCOPED_TRACE(exitTool ? "exit tool" : "close box");
        bus.AddUnit(2, 1, 37, 1);
        StartOnBus(3, "X=120\nY=40\n");
        EXPECT_EQ(Window()->GetPosition(), wxPoint(120, 40));
        ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 1; }));
        EnterAddresses("2", "7");
        Window()->Move(150, 60);
        if (exitTool)
            Exit();
        else
            CloseBox();
        EXPECT_EQ(StoredValue("Port"), busPort);
        EXPECT_EQ(StoredValue("Studio"), 1);
        EXPECT_EQ(StoredValue("Start"), 2);
        EXPECT_EQ(StoredValue("End"), 7);
        EXPECT_EQ(StoredValue("Language"), 3);
        EXPECT_EQ(StoredValue("X"), 150);
        EXPECT_EQ(StoredValue("Y"), 60);
        EXPECT_EQ(StoredValue("FULL"), 1);
        RemoveConfig();
        bus.RemoveUnit(2, 1);
    }
}

TEST_F(MainWindowTest, DemoButtonRereadsTheSettingsAndBringsTheDemoUnits)
{
    StartOnBus();
    AddressTo()->ChangeValue("6");
    ClickButton("IDC_DEMO");
    EXPECT_EQ(AddressTo()->GetValue(), "6");
    ASSERT_TRUE(RunUntil([&] { return Notebook()->GetPageCount() == 2; }, 400));
    EXPECT_EQ(PageLabels(), (std::vector<wxString>{"unit100-Zarit 1600S", "unit101-Zarit 3200E"}));
    Exit();
    EXPECT_EQ(StoredValue("End"), 6);
}

TEST_F(MainWindowTest, AboutBoxShowsPictureAndVersionEachTime)
{
    StartOnBus();
    int shown = 0;
    for (int round = 0; round < 2; ++round) {
        Window()->CallAfter([&] {
            CAbout* about = nullptr;
            for (wxWindow* window : wxTopLevelWindows) {
                if (auto* candidate = dynamic_cast<CAbout*>(window))
                    about = candidate;
            }
            ASSERT_NE(about, nullptr);
            EXPECT_TRUE(about->IsModal());
            EXPECT_EQ(about->GetParent(), Window());
            wxWindow* version = about->FindWindow(XRCID("IDC_VERSION"));
            ASSERT_NE(version, nullptr);
            EXPECT_EQ(version->GetLabel(), "version " VESK_PROJECT_VERSION);
            // Centred as a whole under the picture, not as the layout's
            // shorter placeholder was.
            const wxRect text = version->GetRect();
            EXPECT_GE(text.width, version->GetBestSize().x);
            EXPECT_NEAR(text.x + text.width / 2.0, about->GetClientSize().x / 2.0, 1.0);
            auto* picture = dynamic_cast<wxStaticBitmap*>(about->FindWindow(XRCID("IDC_ABOUTIMAGE")));
            ASSERT_NE(picture, nullptr);
            const wxBitmap bitmap = picture->GetBitmap();
            ASSERT_TRUE(bitmap.IsOk());
            EXPECT_EQ(bitmap.GetSize(), wxSize(150, 150));
            // The background colour of the picture, and no transparency.
            const wxImage image = bitmap.ConvertToImage();
            EXPECT_FALSE(image.HasMask());
            EXPECT_EQ(wxColour(image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0)), wxColour(0, 255, 255));
            ++shown;
            about->EndModal(wxID_OK);
        });
        ClickTool("IDC_HELPGENERAL");
    }
    EXPECT_EQ(shown, 2);
    // The dialog lives only while it is shown.
    guitest::Yield();
    for (wxWindow* window : wxTopLevelWindows)
        EXPECT_EQ(dynamic_cast<CAbout*>(window), nullptr);
}

}  // namespace
