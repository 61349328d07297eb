#include "ProgramFixture.h"

#include <cstdlib>
#include <fstream>

#include <wx/combobox.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toolbar.h>
#include <wx/xrc/xmlres.h>

#include "app/PageArea.h"
#include "comm/AdapterList.h"
#include "comm/PortNames.h"
#include "comm/TestClock.h"

void PrintTo(const wxString& text, std::ostream* out)
{
    *out << '"' << text.utf8_string() << '"';
}

namespace programtest {

void TestStudioApp::ShowMessage(const wxString& text, const wxString& caption, long style)
{
    messages.push_back({text, caption, style});
}

namespace {

wxString ConfigPath()
{
    return wxFileName(guitest::HomeDir(), ".VeskStudio").GetFullPath();
}

}  // namespace

void ProgramTest::SetUp()
{
    ASSERT_TRUE(bus.IsOpen());
    setenv("VESKCOMM_PORTS", bus.DevicePath().c_str(), 1);
    // The program starts with the adapters of a fresh process: every start
    // of the library in the tests before lists its adapters once more, and
    // the stored port number has only 8 bits.
    g_PortNames.clear();
    TestClockSet(now);
    StandInUnit::Journal().clear();
    RemoveConfig();
}

void ProgramTest::TearDown()
{
    if (app) {
        if (CStrahlkonStudioDlg* window = Window())
            window->Destroy();
        FinishExit();
    }
    TestClockRelease();
    unsetenv("VESKCOMM_PORTS");
    RemoveConfig();
}

void ProgramTest::WriteConfig(const std::string& text)
{
    std::ofstream(ConfigPath().utf8_string()) << text;
}

void ProgramTest::RemoveConfig()
{
    if (wxFileName::FileExists(ConfigPath()))
        wxRemoveFile(ConfigPath());
}

std::optional<long> ProgramTest::StoredValue(const char* key)
{
    wxFileConfig config("VeskStudio", "", "", "", wxCONFIG_USE_LOCAL_FILE);
    long value;
    if (!config.Read(wxString("VeskStudio/") + key, &value))
        return std::nullopt;
    return value;
}

int ProgramTest::BusPortNumber()
{
    // Every start of the library lists the adapters again behind those
    // already listed; the bus is the last of them.
    return VeskCommGetNumberOfPorts() + static_cast<int>(ListAdapters().size());
}

bool ProgramTest::Start()
{
    app = std::make_unique<guitest::ScopedApp<TestStudioApp>>(families);
    return (*app)->OnInit();
}

CStrahlkonStudioDlg* ProgramTest::Window() const
{
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* frame = dynamic_cast<CStrahlkonStudioDlg*>(window); frame && !frame->IsBeingDeleted())
            return frame;
    }
    return nullptr;
}

void ProgramTest::Exit()
{
    ClickTool("IDC_EXIT");
    FinishExit();
}

void ProgramTest::CloseBox()
{
    Window()->Close();
    FinishExit();
}

void ProgramTest::FinishExit()
{
    guitest::Yield();
    EXPECT_EQ(Window(), nullptr);
    (*app)->OnExit();
    app.reset();
}

void ProgramTest::Tick()
{
    now += 100;
    TestClockSet(now);
    // An event as the frame's own timer sends it.
    wxTimer timer(Window(), 1);
    wxTimerEvent event(timer);
    Window()->ProcessWindowEvent(event);
    bus.Pump();
}

bool ProgramTest::RunUntil(const std::function<bool()>& done, int maxTicks)
{
    for (int i = 0; i < maxTicks; ++i) {
        if (done())
            return true;
        Tick();
    }
    return done();
}

wxNotebook* ProgramTest::Notebook() const
{
    return dynamic_cast<wxNotebook*>(Window()->FindWindow(XRCID("IDC_DEVICETAB")));
}

wxWindow* ProgramTest::DevicePage(size_t index) const
{
    wxWindow* place = Notebook()->GetPage(index);
    auto* area = dynamic_cast<CPageArea*>(place);
    return area ? area->Page() : place;
}

wxComboBox* ProgramTest::PortList() const
{
    return dynamic_cast<wxComboBox*>(Window()->FindWindow(XRCID("IDC_COMSELECT")));
}

wxComboBox* ProgramTest::LanguageList() const
{
    return dynamic_cast<wxComboBox*>(Window()->FindWindow(XRCID("IDC_LANGUAGE")));
}

wxSpinCtrl* ProgramTest::StudioSelect() const
{
    return dynamic_cast<wxSpinCtrl*>(Window()->FindWindow(XRCID("IDC_STUDIOSELECT")));
}

wxTextCtrl* ProgramTest::AddressFrom() const
{
    return dynamic_cast<wxTextCtrl*>(Window()->FindWindow(XRCID("IDC_ADDRESSFROM")));
}

wxTextCtrl* ProgramTest::AddressTo() const
{
    return dynamic_cast<wxTextCtrl*>(Window()->FindWindow(XRCID("IDC_ADDRESSTO")));
}

wxString ProgramTest::Label(const char* name) const
{
    wxWindow* window = Window()->FindWindow(XRCID(name));
    return window ? window->GetLabel() : wxString("(missing)");
}

bool ProgramTest::Shown(const char* name) const
{
    wxWindow* window = Window()->FindWindow(XRCID(name));
    return window && window->IsShown();
}

void ProgramTest::SettleToolbar() const
{
    wxToolBar* bar = Window()->GetToolBar();
    guitest::WaitFor([&] { return bar->GetSize().x == Window()->GetClientSize().x; });
    guitest::Yield();
}

void ProgramTest::ExpectView(bool full) const
{
    const wxSize nominal = full ? wxSize(544, 632) : wxSize(292, 368);
    const wxSize size = Window()->GetSize();
    EXPECT_EQ(size.y, nominal.y);
    EXPECT_GE(size.x, nominal.x);
    SettleToolbar();
    wxToolBar* bar = Window()->GetToolBar();
    const int clientWidth = Window()->GetClientSize().x;
    EXPECT_EQ(bar->GetSize().x, clientWidth);
    for (size_t i = 0; i < bar->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(i));
        wxControl* control = tool->IsControl() ? tool->GetControl() : nullptr;
        if (control && control->IsShown()) {
            const wxRect rect = control->GetRect();
            EXPECT_GE(rect.GetLeft(), 0) << control->GetName();
            EXPECT_LT(rect.GetRight(), clientWidth) << control->GetName();
        }
    }
    // The last control of the full view, placed by the toolkit.
    if (full) {
        const wxRect rect = AddressTo()->GetRect();
        EXPECT_GT(rect.GetLeft(), 0);
        EXPECT_LT(rect.GetRight(), clientWidth);
    }
}

std::vector<wxString> ProgramTest::PageLabels() const
{
    std::vector<wxString> labels;
    for (size_t i = 0; i < Notebook()->GetPageCount(); ++i)
        labels.push_back(Notebook()->GetPageText(i));
    return labels;
}

void ProgramTest::Choose(wxComboBox* list, int index)
{
    list->SetSelection(index);
    wxCommandEvent event(wxEVT_COMBOBOX, list->GetId());
    event.SetEventObject(list);
    event.SetInt(index);
    list->ProcessWindowEvent(event);
}

void ProgramTest::SpinStudio(int studio)
{
    StudioSelect()->SetValue(studio);
    wxSpinEvent event(wxEVT_SPINCTRL, StudioSelect()->GetId());
    event.SetEventObject(StudioSelect());
    event.SetPosition(studio);
    StudioSelect()->ProcessWindowEvent(event);
}

void ProgramTest::EnterAddresses(const wxString& from, const wxString& to)
{
    AddressFrom()->ChangeValue(from);
    AddressTo()->ChangeValue(to);
    wxCommandEvent event(wxEVT_TEXT_ENTER, AddressTo()->GetId());
    event.SetEventObject(AddressTo());
    AddressTo()->ProcessWindowEvent(event);
}

void ProgramTest::ClickTool(const char* name)
{
    wxToolBar* bar = Window()->GetToolBar();
    wxCommandEvent event(wxEVT_TOOL, XRCID(name));
    event.SetEventObject(bar);
    bar->ProcessWindowEvent(event);
}

void ProgramTest::ClickButton(const char* name)
{
    wxWindow* button = Window()->FindWindow(XRCID(name));
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

void ProgramTest::SelectPage(int index)
{
    // As a click on a tab: the notebook tells its change.
    Notebook()->SetSelection(static_cast<size_t>(index));
}

}  // namespace programtest
