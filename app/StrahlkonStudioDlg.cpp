#include "app/StrahlkonStudioDlg.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/iconbndl.h>
#include <wx/notebook.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/xrc/xmlres.h>

#include "app/About.h"
#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "app/MessageShower.h"
#include "app/PageArea.h"
#include "text/TextTable.h"

#include "app/images/Icon16.xpm"
#include "app/images/Icon32.xpm"
#include "app/images/Icon48.xpm"
#include "app/images/ToolExit.xpm"
#include "app/images/ToolHelp.xpm"
#include "app/images/ToolZoom.xpm"

namespace {

const int kTimerId = 1;
// Nominal widths of the two lists, in dialog units.
const int kPortListWidth = 70;
const int kLanguageListWidth = 50;
const int kAddressLabelWidth = 32;
const int kToLabelWidth = 20;
// The gap between an address label's word and the controls beside it.
const int kAddressLabelGap = 4;
// The studio numbers that the studio control offers.
const int kFirstStudio = 1;
const int kLastStudio = 20;
const int kTimerMs = 100;
const wxSize kFullSize(544, 632);
const wxSize kCompactSize(292, 368);
const char* const kPortErrorCaption = " strahlkon - studio ";

// Shown while no unit is present, hidden while the notebook shows.
const char* const kNotFoundControls[] = {"IDC_DEMO",      "IDC_NOTFOUND",  "IDC_NOTFOUND1", "IDC_NOTFOUND2",
                                         "IDC_NOTFOUND3", "IDC_NOTFOUND4", "IDC_NOTFOUND5"};

// Only the full view shows these toolbar controls.
const char* const kFullViewControls[] = {"IDC_ADDRESSFROM", "IDC_ADDRESSTO", "IDC_ADDRESS", "IDC_TO", "IDC_LANGUAGE"};

struct NamedText {
    const char* name;
    int textId;  // English
};

const NamedText kFrameTexts[] = {
    {"IDC_ADDRESS", 2008},   {"IDC_TO", 2009},        {"IDC_NOTFOUND", 2101},  {"IDC_NOTFOUND1", 2102},
    {"IDC_NOTFOUND2", 2103}, {"IDC_NOTFOUND3", 2104}, {"IDC_NOTFOUND4", 2106}, {"IDC_NOTFOUND5", 2105},
};

const NamedText kToolHelp[] = {{"IDC_EXIT", 2074}, {"IDC_ZOOM", 2075}, {"IDC_HELPGENERAL", 2078}};

const NamedText kControlToolTips[] = {{"IDC_COMSELECT", 2076},
                                      {"IDC_STUDIOSELECT", 2077},
                                      {"IDC_ADDRESSFROM", 2079},
                                      {"IDC_ADDRESSTO", 2080},
                                      {"IDC_LANGUAGE", 2081}};

const int kLanguageNameText = 2001;
const int kInitializeText = 2003;
const int kPortErrorText = 2010;
const int kUnitText = 2011;

CStrahlkonStudioDlg* Self(void* context)
{
    return static_cast<CStrahlkonStudioDlg*>(context);
}

// Gives the focus back to the control that had it before the toolkit moved
// it elsewhere, where that control is still there to take it.
void GiveFocusBack(wxWindow* focus)
{
    if (focus && focus != wxWindow::FindFocus() && focus->IsShownOnScreen() && focus->IsEnabled())
        focus->SetFocus();
}

}  // namespace

wxBEGIN_EVENT_TABLE(CStrahlkonStudioDlg, wxFrame)
    EVT_ACTIVATE(CStrahlkonStudioDlg::OnActivate)
    EVT_COMBOBOX(XRCID("IDC_COMSELECT"), CStrahlkonStudioDlg::OnSettingChanged)
    EVT_TEXT(XRCID("IDC_STUDIOSELECT"), CStrahlkonStudioDlg::OnSettingChanged)
    EVT_SPINCTRL(XRCID("IDC_STUDIOSELECT"), CStrahlkonStudioDlg::OnStudioSpin)
    EVT_COMBOBOX(XRCID("IDC_LANGUAGE"), CStrahlkonStudioDlg::OnSettingChanged)
    EVT_NOTEBOOK_PAGE_CHANGED(XRCID("IDC_DEVICETAB"), CStrahlkonStudioDlg::OnDevicePageChanged)
    EVT_TIMER(kTimerId, CStrahlkonStudioDlg::OnTimer)
    EVT_TOOL(XRCID("IDC_ZOOM"), CStrahlkonStudioDlg::OnZoom)
    EVT_TOOL(XRCID("IDC_HELPGENERAL"), CStrahlkonStudioDlg::OnAbout)
    EVT_TOOL(XRCID("IDC_EXIT"), CStrahlkonStudioDlg::OnExit)
    EVT_CLOSE(CStrahlkonStudioDlg::OnClose)
    EVT_SIZE(CStrahlkonStudioDlg::OnSize)
    EVT_TEXT_ENTER(wxID_ANY, CStrahlkonStudioDlg::OnSettingChanged)
    EVT_BUTTON(XRCID("IDC_DEMO"), CStrahlkonStudioDlg::OnDemo)
    EVT_MENU(wxID_EXIT, CStrahlkonStudioDlg::OnExit)
    EVT_MENU(wxID_ABOUT, CStrahlkonStudioDlg::OnAbout)
    EVT_COMMAND(wxID_ANY, VESK_EVT_PAGE_NEEDS_ROOM, CStrahlkonStudioDlg::OnPageNeedsRoom)
wxEND_EVENT_TABLE()

CStrahlkonStudioDlg::CStrahlkonStudioDlg(wxWindow* parent, UnitFamilies families, wxConfigBase& config,
                                         CMessageShower& messages)
    : m_families(std::move(families)), m_config(config), m_messages(messages), m_timer(this, kTimerId)
{
    if (!wxXmlResource::Get()->LoadFrame(this, parent, kResourceName))
        return;
    m_notebook = FindCtrl<wxNotebook>(this, "IDC_DEVICETAB");
    m_loaded = m_notebook != nullptr;
    if (!m_loaded)
        return;

    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    SetBackgroundColour(face);
    for (const char* name : kNotFoundControls) {
        if (wxWindow* control = FindWindow(XRCID(name)))
            control->SetBackgroundColour(face);
    }

    wxIconBundle icons;
    icons.AddIcon(wxIcon(icon16_xpm));
    icons.AddIcon(wxIcon(icon32_xpm));
    icons.AddIcon(wxIcon(icon48_xpm));
    SetIcons(icons);

    CreateToolBarControls();
}

CStrahlkonStudioDlg::~CStrahlkonStudioDlg()
{
    m_timer.Stop();
    // Focus changes while the children die must not reach a frame that is
    // half gone.
    for (wxTextCtrl* field : {m_addressFrom, m_addressTo}) {
        if (field)
            field->Unbind(wxEVT_KILL_FOCUS, &CStrahlkonStudioDlg::OnAddressFocusLost, this);
    }
    // The pages go with the window tree; the unit objects are deleted first.
    m_notebook = nullptr;
    VeskCommPortClose(m_port);
    m_port = nullptr;
    m_units.clear();
}

bool CStrahlkonStudioDlg::IsLoaded() const
{
    return m_loaded;
}

bool CStrahlkonStudioDlg::Show(bool show)
{
    const bool changed = wxFrame::Show(show);
    // Measured again now that the port list is on the screen.
    if (changed && show && m_loaded) {
        FitListWidths();
        FitToContent(false);
    }
    return changed;
}

void CStrahlkonStudioDlg::CreateToolBarControls()
{
    wxToolBar* bar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL, wxID_ANY, "toolbar");
    bar->SetToolBitmapSize(wxSize(20, 20));
    // Widths in dialog units of the frame; heights stay the control's own.
    const auto width = [this](int dialogUnits) { return wxSize(DialogWidth(dialogUnits), -1); };

    bar->AddTool(XRCID("IDC_EXIT"), wxString(), wxBitmap(tool_exit_xpm));
    m_portList = new wxComboBox(bar, XRCID("IDC_COMSELECT"), wxString(), wxDefaultPosition, width(kPortListWidth), 0,
                                nullptr, wxCB_READONLY);
    bar->AddControl(m_portList);
    bar->AddControl(new wxStaticText(bar, XRCID("IDC_STUDIO_LA"), " studio"));
    // Narrower than its own buttons on this toolkit at the nominal width.
    m_studioSelect = new wxSpinCtrl(bar, XRCID("IDC_STUDIOSELECT"), "1", wxDefaultPosition, wxDefaultSize,
                                    wxSP_ARROW_KEYS | wxALIGN_RIGHT, kFirstStudio, kLastStudio, kFirstStudio);
    bar->AddControl(m_studioSelect);
    bar->AddTool(XRCID("IDC_ZOOM"), wxString(), wxBitmap(tool_zoom_xpm));
    bar->AddTool(XRCID("IDC_HELPGENERAL"), wxString(), wxBitmap(tool_help_xpm));
    m_languageList = new wxComboBox(bar, XRCID("IDC_LANGUAGE"), wxString(), wxDefaultPosition,
                                    width(kLanguageListWidth), 0, nullptr, wxCB_READONLY);
    bar->AddControl(m_languageList);
    bar->AddControl(new wxStaticText(bar, XRCID("IDC_ADDRESS"), "From", wxDefaultPosition, width(kAddressLabelWidth),
                                     wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE));
    m_addressFrom =
        new wxTextCtrl(bar, XRCID("IDC_ADDRESSFROM"), wxString(), wxDefaultPosition, width(20), wxTE_PROCESS_ENTER);
    bar->AddControl(m_addressFrom);
    bar->AddControl(new wxStaticText(bar, XRCID("IDC_TO"), "To", wxDefaultPosition, width(kToLabelWidth),
                                     wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE));
    m_addressTo =
        new wxTextCtrl(bar, XRCID("IDC_ADDRESSTO"), wxString(), wxDefaultPosition, width(20), wxTE_PROCESS_ENTER);
    bar->AddControl(m_addressTo);
    bar->Realize();

    // Focus events do not rise to the frame.
    for (wxTextCtrl* field : {m_addressFrom, m_addressTo})
        field->Bind(wxEVT_KILL_FOCUS, &CStrahlkonStudioDlg::OnAddressFocusLost, this);
}

bool CStrahlkonStudioDlg::InitFrame()
{
    const CStudioSettings stored = CStudioSettings::Load(m_config);
    // The control cannot show any other studio; the one shown is the one
    // searched and stored.
    const uint8_t studio = static_cast<uint8_t>(std::clamp<int>(stored.studio, kFirstStudio, kLastStudio));

    m_callbacks = CommCallbacks{};
    m_callbacks.pfnDeviceLost = &CStrahlkonStudioDlg::OnUnitLost;
    m_callbacks.pfnDeviceFound = &CStrahlkonStudioDlg::OnUnitFound;
    m_callbacks.pfnGetFocusedDevice = &CStrahlkonStudioDlg::GetFocusedUnit;
    m_callbacks.pfnDataReceived = &CStrahlkonStudioDlg::DeliverRecord;
    m_callbacks.pContext = this;
    VeskCommInitialize(GetString(kInitializeText + GetTextOffset()).utf8_str().data(), &m_callbacks);

    // Lists, labels and tool tips in English first: a configured language
    // of 0 counts as English and is never applied as a change.
    SetLanguage(m_language);
    m_timer.Start(kTimerMs);
    ShowCtrl(this, XRCID("IDC_DEMO"), true);
    Layout();

    ApplySettings(stored.port, studio, stored.first, stored.last, stored.language);

    RestorePosition(stored.x, stored.y);
    m_addressFrom->SetMaxLength(2);
    m_addressTo->SetMaxLength(2);
    if (stored.fullView) {
        FitToContent(true);
    } else {
        wxCommandEvent zoom(wxEVT_TOOL, XRCID("IDC_ZOOM"));
        OnZoom(zoom);
    }
    return true;
}

void CStrahlkonStudioDlg::RestorePosition(long x, long y)
{
    if (x < 0 || y < 0 || x > INT_MAX || y > INT_MAX)
        return;
    // A position saved on a screen that is gone would hide the window.
    const wxPoint position(static_cast<int>(x), static_cast<int>(y));
    if (wxDisplay::GetFromPoint(position) == wxNOT_FOUND)
        return;
    Move(position);
}

void CStrahlkonStudioDlg::ApplySettings(uint8_t port, uint8_t studio, uint8_t first, uint8_t last, uint8_t language)
{
    if (port == m_settings.port && studio == m_settings.studio && first == m_settings.first &&
        last == m_settings.last && language == m_settings.language)
        return;

    if (first != m_settings.first || last != m_settings.last) {
        first = std::min<uint8_t>(std::max<uint8_t>(first, 1), 20);
        last = std::min<uint8_t>(std::max<uint8_t>(last, 1), 20);
        if (first > last)
            std::swap(first, last);
        m_settings.first = first;
        m_settings.last = last;
        m_settings.SaveAddresses(m_config);
        if (m_port)
            VeskCommPortSetRange(m_port, first, last);
        SetCtrlText(this, XRCID("IDC_ADDRESSFROM"), wxString::Format("%d", first));
        SetCtrlText(this, XRCID("IDC_ADDRESSTO"), wxString::Format("%d", last));
    }

    if (port != m_settings.port || studio != m_settings.studio || language != m_settings.language) {
        m_busy = 1;
        // The lists are filled anew and the pages go: the control the user
        // works with takes the focus back afterwards, so that the keyboard
        // steps on from where it was.
        const wxWeakRef<wxWindow> focus(FindFocus());
        // Closing loses every unit through the callback, which removes its page.
        VESKCOMM_PORT old = m_port;
        m_port = nullptr;
        VeskCommPortClose(old);

        if (port == 0)
            port = 1;
        if (language > 4)
            language = 4;
        m_settings.port = port;
        m_settings.studio = studio;
        const bool languageChanged = language != m_settings.language;
        m_settings.language = language;
        m_settings.SaveConnection(m_config);

        DeleteAllUnits();
        if (languageChanged) {
            m_language = language;
            SetLanguage(language);
        }

        m_studioSelect->SetValue(studio);
        m_languageList->SetSelection(language > 0 ? language - 1 : wxNOT_FOUND);
        wxString portName;
        if (port <= m_portList->GetCount()) {
            m_portList->SetSelection(port - 1);
            portName = m_portList->GetString(port - 1);
        }
        m_port = VeskCommPortOpen(portName.utf8_str().data(), studio, m_settings.first, m_settings.last);
        if (m_port && !VeskCommPortIsOpen(m_port))
            m_messages.ShowMessage(GetString(kPortErrorText + GetTextOffset()), kPortErrorCaption, wxOK | wxCENTRE);
        GiveFocusBack(focus);
        m_busy = 0;
    }
}

void CStrahlkonStudioDlg::ReadSettingsAndApply()
{
    // As atoi: leading blanks and a sign, digits up to the first other
    // character, 0 without any.
    const auto readAddress = [this](const char* name) {
        wxString text;
        GetCtrlText(this, XRCID(name), text);
        return static_cast<uint8_t>(std::atoi(text.utf8_str().data()));
    };
    const uint8_t first = readAddress("IDC_ADDRESSFROM");
    const uint8_t last = readAddress("IDC_ADDRESSTO");
    const uint8_t port = static_cast<uint8_t>(m_portList->GetSelection() + 1);
    const uint8_t studio = static_cast<uint8_t>(m_studioSelect->GetValue());
    const uint8_t language = static_cast<uint8_t>(m_languageList->GetSelection() + 1);
    ApplySettings(port, studio, first, last, language);
}

void CStrahlkonStudioDlg::SetLanguage(uint16_t language)
{
    const uint16_t offset = GetLanguageTextOffset(static_cast<int16_t>(language));
    m_languageList->Clear();
    m_portList->Clear();
    // Each language is listed under its own name.
    for (int16_t n = 1; n <= 4; ++n)
        m_languageList->Append(GetString(kLanguageNameText + GetLanguageTextOffset(n)));
    for (int i = 0; i < VeskCommGetNumberOfPorts(); ++i)
        m_portList->Append(wxString::FromUTF8(VeskCommGetPortName(i)));
    FitListWidths();
    for (const NamedText& text : kFrameTexts)
        SetCtrlText(this, XRCID(text.name), GetString(text.textId + offset));
    FitAddressLabels();
    SetToolTips(offset);
    FitToContent(true);
}

void CStrahlkonStudioDlg::FitAddressLabels()
{
    // Each address label is its word with the same gap on either side, in
    // every language: the word stands centred, as far from the field beside
    // it as from the control on its other side. Widths of their own would
    // leave a short word far from its field and make a long one touch it.
    for (const char* name : {"IDC_ADDRESS", "IDC_TO"}) {
        if (wxWindow* label = FindWindow(XRCID(name))) {
            const int gap = label->ConvertDialogToPixels(wxSize(kAddressLabelGap, 0)).x;
            const wxSize size(label->GetTextExtent(label->GetLabel()).x + 2 * gap, wxDefaultCoord);
            // Its width at creation is its smallest no more.
            label->SetMinSize(size);
            label->SetSize(size);
        }
    }
}

int CStrahlkonStudioDlg::DialogWidth(int dialogUnits) const
{
    return ConvertDialogToPixels(wxSize(dialogUnits, 0)).x;
}

void CStrahlkonStudioDlg::FitListWidths()
{
    // The nominal widths cut names off ("deutsc", an adapter's description)
    // with this toolkit's fonts and list buttons. Both lists take the frame
    // and button around their text as the port list has them: it shows in
    // both views, and the toolkit measures a list that is not on the screen
    // too narrow. A hidden list is left as it is: the toolkit would not take
    // its new width; it is fitted when it shows again.
    const int decoration = m_portList->GetSizeFromTextSize(0).x;
    const auto fit = [this, decoration](wxComboBox* list, int dialogUnits) {
        if (!list->IsShown())
            return;
        int longest = 0;
        for (const wxString& entry : list->GetStrings())
            longest = std::max(longest, list->GetTextExtent(entry).x);
        list->SetSize(std::max(DialogWidth(dialogUnits), longest + decoration), wxDefaultCoord);
    };
    fit(m_languageList, kLanguageListWidth);
    fit(m_portList, kPortListWidth);
}

void CStrahlkonStudioDlg::SetToolTips(uint16_t offset)
{
    wxToolBar* bar = GetToolBar();
    for (const NamedText& tool : kToolHelp)
        bar->SetToolShortHelp(XRCID(tool.name), GetString(tool.textId + offset));
    for (const NamedText& control : kControlToolTips) {
        if (wxWindow* window = FindWindow(XRCID(control.name)))
            window->SetToolTip(GetString(control.textId + offset));
    }
}

uint16_t CStrahlkonStudioDlg::GetLanguageTextOffset(int16_t language)
{
    return static_cast<uint16_t>((std::clamp<int>(language, 1, 4) - 1) * 500);
}

uint16_t CStrahlkonStudioDlg::GetTextOffset() const
{
    return GetLanguageTextOffset(static_cast<int16_t>(m_language));
}

void CStrahlkonStudioDlg::ShowNotFound(bool show)
{
    for (const char* name : kNotFoundControls)
        ShowCtrl(this, XRCID(name), show);
    if (m_notebook)
        m_notebook->Show(!show);
}

void CStrahlkonStudioDlg::DeleteAllUnits()
{
    m_units.clear();
    m_notebook->DeleteAllPages();
    m_focusWindow = nullptr;
    ShowNotFound(true);
    RelayOut();
}

void CStrahlkonStudioDlg::RelayOut()
{
    // The panel places the notebook and the not-found block; each page's
    // area scrolls over what its room cannot hold.
    if (m_notebook) {
        m_notebook->GetParent()->Layout();
        for (size_t i = 0; i < m_notebook->GetPageCount(); ++i) {
            if (auto* area = wxDynamicCast(m_notebook->GetPage(i), CPageArea))
                area->FitToLayout();
        }
    }
    Layout();
}

CFlashDevice* CStrahlkonStudioDlg::CreateUnit(VESKCOMM_DEVICE device)
{
    const int typeCode = VeskCommDeviceGetVersion(device);
    const auto family = m_families.find(typeCode);
    if (family == m_families.end() || !m_notebook)
        return nullptr;

    CFlashDevice* unit = family->second(m_port, GetTextOffset());
    unit->SetUnitHandle(device);
    unit->SetAddress(VeskCommDeviceGetAdresse(device));
    unit->SetEnergyType(VeskCommDeviceGetEnergietyp(device));
    unit->SetVersion(static_cast<uint16_t>(typeCode));
    unit->SetRFStat(VeskCommDeviceGetRF_Stat(device) != 0 ? 1 : 0);
    char longName[256];
    char shortName[256];
    VeskCommDeviceGetGeraetetyp(device, longName, sizeof longName);
    VeskCommDeviceGetGeraetetypKurz(device, shortName, sizeof shortName);
    unit->SetTypeNames(wxString::FromUTF8(longName), wxString::FromUTF8(shortName));
    AddDevicePage(unit);
    return unit;
}

void CStrahlkonStudioDlg::AddDevicePage(CFlashDevice* unit)
{
    const wxString label =
        GetString(kUnitText + GetTextOffset()) + wxString::Format("%d", unit->GetAddress()) + "-" + unit->GetTypeName();
    const size_t n = m_notebook->GetPageCount();
    // A unit found while the user works with a control leaves the focus
    // there: the toolkit hands it to the first page shown.
    const wxWeakRef<wxWindow> focus(FindFocus());
    m_units.emplace_back(unit);
    // The page scrolls in its own area, below the row of unit tabs.
    auto* area = new CPageArea(m_notebook);
    CFlashDevicePropertyPage* page = unit->CreatePage(area);
    area->Hold(page);
    if (!IsFullView())
        page->SetFullView(false);
    if (n == 0)
        ShowNotFound(false);
    // The notebook shows no page that is hidden, and pages are made hidden.
    page->Show();
    m_notebook->InsertPage(n, area, label, n == 0);
    FitToContent(false);
    RelayOut();
    GiveFocusBack(focus);
    // Repainted on the toolkit's next frame, not at once: GTK gives the new
    // tab its size only then, and a tab painted before has none.
    m_notebook->Refresh(true);
}

void CStrahlkonStudioDlg::RemoveDevicePage(CFlashDevice* unit)
{
    const auto entry =
        std::find_if(m_units.begin(), m_units.end(), [unit](const auto& listed) { return listed.get() == unit; });
    if (entry != m_units.end()) {
        const int index = static_cast<int>(entry - m_units.begin());
        bool wasSelected = false;
        if (m_notebook) {
            wasSelected = m_notebook->GetSelection() == index;
            m_notebook->DeletePage(index);
            m_focusWindow = nullptr;
        }
        m_units.erase(entry);

        if (m_units.empty()) {
            ShowNotFound(true);
            RelayOut();
        } else if (m_notebook && (wasSelected || m_notebook->GetSelection() == wxNOT_FOUND)) {
            // The toolkit selects a neighbour of a deleted selected page;
            // the first unit takes over instead.
            m_notebook->SetSelection(0);
            if (wxWindow* page = m_units.front()->GetPage())
                page->SetFocus();
        }
    }
    if (m_notebook)
        m_notebook->Refresh(true);
}

CFlashDevice* CStrahlkonStudioDlg::GetSelectedDevice() const
{
    if (!m_notebook)
        return nullptr;
    const int selection = m_notebook->GetSelection();
    if (selection == wxNOT_FOUND)
        return nullptr;
    // By the page, not the index: the toolkit may report a selection while a
    // page and its unit are being taken apart.
    const wxWindow* area = m_notebook->GetPage(static_cast<size_t>(selection));
    for (const auto& unit : m_units) {
        if (unit->GetPage() && unit->GetPage()->GetParent() == area)
            return unit.get();
    }
    return nullptr;
}

void CStrahlkonStudioDlg::OnSettingChanged(wxCommandEvent&)
{
    if (!m_busy)
        ReadSettingsAndApply();
}

void CStrahlkonStudioDlg::OnStudioSpin(wxSpinEvent& event)
{
    OnSettingChanged(event);
}

void CStrahlkonStudioDlg::OnAddressFocusLost(wxFocusEvent& event)
{
    event.Skip();
    if (!m_busy && !IsBeingDeleted())
        ReadSettingsAndApply();
}

void CStrahlkonStudioDlg::OnZoom(wxCommandEvent&)
{
    const wxSize margin = GetClientSize() - m_notebook->GetSize();
    m_settings.fullView = !m_settings.fullView;
    const bool full = IsFullView();
    for (const char* name : kFullViewControls)
        ShowCtrl(this, XRCID(name), full);
    for (const auto& unit : m_units) {
        if (CFlashDevicePropertyPage* page = unit->GetPage())
            page->SetFullView(full);
    }
    FitListWidths();
    FitToContent(true);
    // A notebook hidden while no unit is present may be larger than the
    // compact frame; its sizer places it once it shows, as it places a
    // shown one.
    if (!m_notebook->IsShown()) {
        const wxSize size = GetClientSize() - margin;
        m_notebook->SetSize(std::max(size.x, 0), std::max(size.y, 0));
    }
}

wxSize CStrahlkonStudioDlg::ViewSize(bool full)
{
    return full ? kFullSize : kCompactSize;
}

int CStrahlkonStudioDlg::ToolBarHeight() const
{
    const wxToolBar* bar = GetToolBar();
    if (!bar || !bar->IsShown())
        return 0;
    return std::max(bar->GetSize().y, bar->GetBestSize().y);
}

wxSize CStrahlkonStudioDlg::Room() const
{
    // The frame's client area leaves the toolbar out.
    return GetClientSize() + wxSize(0, ToolBarHeight());
}

wxSize CStrahlkonStudioDlg::NeededRoom()
{
    // This toolkit's controls and texts are wider than the views were laid
    // out for: the view widens rather than cut controls off. What the
    // toolbar and the pages need is measured afresh each time: it changes
    // with the controls shown, and what the toolkit keeps may be old.
    wxSize need = ViewSize(IsFullView());
    wxToolBar* bar = GetToolBar();
    bar->InvalidateBestSize();
    need.x = std::max(need.x, bar->GetBestSize().x);
    const int toolbar = ToolBarHeight();
    if (m_notebook && m_notebook->IsShown() && m_notebook->GetPageCount() > 0) {
        // What the device pages need, not what their areas ask for, which
        // leaves out what they can scroll to.
        wxSize widest;
        for (const auto& unit : m_units) {
            if (wxWindow* page = unit->GetPage()) {
                InvalidateBestSizes(page);
                widest.IncTo(page->GetBestSize());
            }
        }
        need.IncTo(m_notebook->CalcSizeFromPage(widest) + wxSize(0, toolbar));
    } else if (m_notebook) {
        InvalidateBestSizes(m_notebook->GetParent());
        if (wxSizer* sizer = m_notebook->GetParent()->GetSizer())
            need.IncTo(sizer->GetMinSize() + wxSize(0, toolbar));
    }
    return need;
}

wxRect CStrahlkonStudioDlg::WorkArea() const
{
    const int display = wxDisplay::GetFromWindow(this);
    return wxDisplay(display == wxNOT_FOUND ? 0 : static_cast<unsigned>(display)).GetClientArea();
}

wxSize CStrahlkonStudioDlg::LargestRoom() const
{
    // The whole window, decorations included, stays on the work area. A
    // window manager tells the decorations only once it has framed the
    // window; the frame fits again when they arrive (OnSize).
    return WorkArea().GetSize() - (GetSize() - Room());
}

void CStrahlkonStudioDlg::KeepOnWorkArea()
{
    const wxRect work = WorkArea();
    const wxRect rect = GetRect();
    if (work.Contains(rect))
        return;
    const wxPoint inside(std::max(work.x, std::min(rect.x, work.GetRight() + 1 - rect.width)),
                         std::max(work.y, std::min(rect.y, work.GetBottom() + 1 - rect.height)));
    if (inside != rect.GetPosition())
        Move(inside);
}

void CStrahlkonStudioDlg::FitToContent(bool exact)
{
    m_fitPending = false;
    // Maximised, the window manager gives the size; a size set now would be
    // the one the window returns to.
    if (!IsMaximized() && !IsFullScreen()) {
        wxSize room = NeededRoom();
        if (!exact)
            room.IncTo(Room());
        room.DecTo(LargestRoom());
        // The client size, not the outer one: a window manager's decorations
        // come on top.
        if (room != Room())
            SetClientSize(room - wxSize(0, ToolBarHeight()));
        if (IsShown())
            KeepOnWorkArea();
    }
    // Where the work area holds less than the pages need, the page area
    // scrolls over the rest.
    RelayOut();
    // A page whose content grew within the room it has shares it out anew.
    for (const auto& unit : m_units) {
        if (wxWindow* page = unit->GetPage())
            page->Layout();
    }
}

void CStrahlkonStudioDlg::OnPageNeedsRoom(wxCommandEvent&)
{
    // Asked from inside a page's layout: the frame fits once that is over.
    RequestFit();
}

void CStrahlkonStudioDlg::OnSize(wxSizeEvent& event)
{
    event.Skip();
    // The window manager's decorations, told late, or a size it gave the
    // window, may take the window past the work area.
    if (IsShown() && !IsIconized() && !IsMaximized() && !IsFullScreen() && !WorkArea().Contains(GetRect()))
        RequestFit();
}

void CStrahlkonStudioDlg::RequestFit()
{
    if (m_fitPending)
        return;
    m_fitPending = true;
    CallAfter([this] {
        if (m_fitPending)
            FitToContent(false);
    });
}

void CStrahlkonStudioDlg::OnAbout(wxCommandEvent&)
{
    CAbout about(this);
    if (!about.IsLoaded())
        return;
    about.Centre(wxBOTH);
    about.ShowModal();
}

void CStrahlkonStudioDlg::OnExit(wxCommandEvent&)
{
    VeskCommFinalize();
    Close(false);
}

void CStrahlkonStudioDlg::OnClose(wxCloseEvent& event)
{
    const wxPoint position = GetPosition();
    m_settings.x = position.x;
    m_settings.y = position.y;
    m_settings.SavePlacement(m_config);
    event.Skip();
}

void CStrahlkonStudioDlg::OnActivate(wxActivateEvent& event)
{
    if (!event.GetActive()) {
        wxWindow* focus = wxWindow::FindFocus();
        if (focus && wxGetTopLevelParent(focus) == this)
            m_focusWindow = focus;
    } else if (m_focusWindow) {
        m_focusWindow->SetFocus();
    }
    event.Skip();
}

void CStrahlkonStudioDlg::OnDemo(wxCommandEvent&)
{
    if (m_port)
        VeskCommPortSetDemo(m_port);
    ReadSettingsAndApply();
}

void CStrahlkonStudioDlg::OnDevicePageChanged(wxBookCtrlEvent& event)
{
    event.Skip();
    // A page that shows now takes its place, which it may have had before.
    if (auto* shown = wxDynamicCast(m_notebook ? m_notebook->GetCurrentPage() : nullptr, CPageArea)) {
        shown->FitToLayout();
        if (wxWindow* page = shown->Page())
            page->Layout();
    }
    if (m_port) {
        CFlashDevice* unit = GetSelectedDevice();
        VeskCommPortSetFocusedDevice(m_port, unit ? unit->GetUnitHandle() : nullptr);
    }
}

void CStrahlkonStudioDlg::OnTimer(wxTimerEvent&)
{
    if (m_port)
        VeskCommPortIdle(m_port);
}

void CStrahlkonStudioDlg::OnUnitLost(void* context, VESKCOMM_DEVICE, void* unit)
{
    if (unit)
        Self(context)->RemoveDevicePage(static_cast<CFlashDevice*>(unit));
}

void* CStrahlkonStudioDlg::OnUnitFound(void* context, VESKCOMM_DEVICE device)
{
    return Self(context)->CreateUnit(device);
}

VESKCOMM_DEVICE CStrahlkonStudioDlg::GetFocusedUnit(void* context)
{
    CFlashDevice* unit = Self(context)->GetSelectedDevice();
    return unit ? unit->GetUnitHandle() : nullptr;
}

void CStrahlkonStudioDlg::DeliverRecord(void*, VESKCOMM_DEVICE, void* unit, const unsigned char* record, int count)
{
    if (unit)
        static_cast<CFlashDevice*>(unit)->OnRecord(record, static_cast<uint8_t>(count));
}
