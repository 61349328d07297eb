// The program as its user meets it, in-process: the application object in
// the harness's place, started with OnInit against a simulated bus, its
// configuration file in the private HOME, its message boxes recorded instead
// of shown, and the library driven tick by tick (clock + 100 ms, one timer
// event to the main window, the bus answers).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <wx/string.h>

#include "GuiTestHarness.h"
#include "StandInFamily.h"
#include "app/FlashDevice.h"
#include "app/FlashDevicePropertyPage.h"
#include "app/StrahlkonStudioApp.h"
#include "app/StrahlkonStudioDlg.h"
#include "units/UnitFamilies.h"
#include "tools/SimBus.h"

class wxComboBox;
class wxNotebook;
class wxSpinCtrl;
class wxTextCtrl;

// Texts in failure messages as text, not as a list of characters.
void PrintTo(const wxString& text, std::ostream* out);

namespace programtest {

// The main window's tests start the program on the stand-in family.
using guitest::StandInFamilies;
using guitest::StandInPage;
using guitest::StandInUnit;

struct Message {
    wxString text;
    wxString caption;
    long style;
};

class TestStudioApp : public CStrahlkonStudioApp {
public:
    explicit TestStudioApp(UnitFamilies families) : CStrahlkonStudioApp(std::move(families)) {}
    void ShowMessage(const wxString& text, const wxString& caption, long style) override;

    std::vector<Message> messages;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The configuration file's text, or none.
    static void WriteConfig(const std::string& text);
    static void RemoveConfig();
    // An entry of the configuration file as it is on disk.
    static std::optional<long> StoredValue(const char* key);

    // The 1-based port number under which the simulated bus will be listed
    // once the program has started the library.
    static int BusPortNumber();

    // OnInit of the program; the main window, when it started.
    bool Start();
    CStrahlkonStudioDlg* Window() const;
    // The exit tool, then the toolkit deletes the window, then OnExit.
    void Exit();
    // The close box instead of the exit tool.
    void CloseBox();

    void Tick();
    // Ticks until done() holds; false after maxTicks.
    bool RunUntil(const std::function<bool()>& done, int maxTicks = 200);

    // The frame's controls.
    wxNotebook* Notebook() const;
    // The device page of the notebook's page index, which scrolls in a
    // place of its own.
    wxWindow* DevicePage(size_t index) const;
    wxComboBox* PortList() const;
    wxComboBox* LanguageList() const;
    wxSpinCtrl* StudioSelect() const;
    wxTextCtrl* AddressFrom() const;
    wxTextCtrl* AddressTo() const;
    wxString Label(const char* name) const;
    bool Shown(const char* name) const;
    std::vector<wxString> PageLabels() const;
    // Lets the toolkit lay the toolbar out at the frame's present width: the
    // positions of its controls are the toolkit's only after that.
    void SettleToolbar() const;
    // The window has the full (544 x 632) or compact (292 x 368) view: the
    // height exactly, the width at least, and, once the toolbar is laid
    // out, wide enough that every shown toolbar control lies inside its
    // client area.
    void ExpectView(bool full) const;

    // What a user does: picks an entry, spins, types and presses enter,
    // clicks a tool or button.
    void Choose(wxComboBox* list, int index);
    void SpinStudio(int studio);
    void EnterAddresses(const wxString& from, const wxString& to);
    void ClickTool(const char* name);
    void ClickButton(const char* name);
    void SelectPage(int index);

    SimBus bus;
    std::unique_ptr<guitest::ScopedApp<TestStudioApp>> app;
    uint32_t now = 1000;
    UnitFamilies families = StandInFamilies();

private:
    void FinishExit();
};

}  // namespace programtest
