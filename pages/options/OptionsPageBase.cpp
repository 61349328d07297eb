#include "pages/options/OptionsPageBase.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "pages/CommandCodes.h"
#include "pages/SettingPageHost.h"

namespace {

const char* const kPowerDisplay = "IDC_OP_POWERDISPLAY";
const char* const kIrAddress = "IDC_OP_IRADDRESS";

// The lists and their labels, which only some units of a family have.
const char* const kListControls[] = {"IDC_OP_POWERDISPLAY", "IDC_OP_POWERDISPLAY_LA", "IDC_OP_IRADDRESS",
                                     "IDC_OP_IRADDRESS_LA"};

// On the wire the infrared address is the entry + 1: 1 channel 1, 2 channel
// 2, 3 all.
const std::vector<COptionsPageBase::Entry> kIrEntries = {{2087, " 1"}, {2087, " 2"}, {2088, ""}};

// Selects entry index, or none when the list has no such entry: the toolkit
// refuses an index outside the list.
void SelectEntry(wxComboBox* list, int index)
{
    if (index >= 0 && static_cast<unsigned>(index) < list->GetCount())
        list->SetSelection(index);
    else
        list->SetSelection(wxNOT_FOUND);
}

}  // namespace

COptionsPageBase::COptionsPageBase(CFlashDevice* unit, CSettingPageHost* host, const Traits& traits)
    : CSettingPage(unit, host), m_traits(traits)
{
    for (const char* name : m_traits.optionBoxes)
        Bind(wxEVT_CHECKBOX, &COptionsPageBase::OnOptionCheck, this, XRCID(name));
    for (const char* name : m_traits.inertBoxes)
        Bind(wxEVT_CHECKBOX, &COptionsPageBase::OnInertBox, this, XRCID(name));
    Bind(wxEVT_BUTTON, &COptionsPageBase::OnReset, this, XRCID("IDC_OP_RESET"));
    Bind(wxEVT_BUTTON, &COptionsPageBase::OnResetTotal, this, XRCID("IDC_OP_RESET_TOTAL"));
    if (m_traits.irList)
        Bind(wxEVT_COMBOBOX, &COptionsPageBase::OnIrAddress, this, XRCID(kIrAddress));
    if (!m_traits.powerEntries.empty())
        Bind(wxEVT_COMBOBOX, &COptionsPageBase::OnPowerDisplay, this, XRCID(kPowerDisplay));
}

bool COptionsPageBase::InitControls()
{
    const CFlashDevice* unit = GetDevice();
    for (const char* name : m_traits.hiddenAlways)
        ShowCtrl(this, XRCID(name), false);
    if (unit && unit->GetRFStat()) {
        for (const char* name : m_traits.hiddenWithRadio)
            ShowCtrl(this, XRCID(name), false);
    }
    for (const Caption& caption : m_traits.captions)
        SetCtrlText(this, XRCID(caption.control), Text(caption.textId));
    // Entry 0 stands until the unit reports; the device page learns the mode
    // only from the user or the unit.
    if (!m_traits.powerEntries.empty())
        FillList(kPowerDisplay, m_traits.powerEntries);
    if (m_traits.irList)
        FillList(kIrAddress, kIrEntries);
    ApplyTypeRule();
    return true;
}

void COptionsPageBase::ApplyTypeRule()
{
    const CFlashDevice* unit = GetDevice();
    if (!m_traits.listsOnlyForType || !unit || unit->GetVersion() == m_traits.listsOnlyForType)
        return;
    for (const char* name : kListControls)
        ShowCtrl(this, XRCID(name), false);
    ShowCtrl(this, XRCID(m_traits.cellBox), unit->GetVersion() != m_traits.noCellForType);
}

void COptionsPageBase::FillList(const char* name, const std::vector<Entry>& entries)
{
    wxComboBox* list = List(name);
    if (!list)
        return;
    list->Clear();
    for (const Entry& entry : entries)
        list->Append(Text(entry.textId) + wxString::FromUTF8(entry.suffix));
    SelectEntry(list, 0);
}

wxCheckBox* COptionsPageBase::Box(const char* name) const
{
    return FindCtrl<wxCheckBox>(this, name);
}

wxComboBox* COptionsPageBase::List(const char* name) const
{
    return FindCtrl<wxComboBox>(this, name);
}

bool COptionsPageBase::IsBoxChecked(const char* name) const
{
    const wxCheckBox* box = Box(name);
    return box && box->GetValue();
}

void COptionsPageBase::SetBox(const char* name, bool on)
{
    if (wxCheckBox* box = Box(name))
        box->SetValue(on);
}

bool COptionsPageBase::IsBuzzerChecked() const
{
    return IsBoxChecked("IDC_OP_BUZZER");
}

bool COptionsPageBase::IsSlowChecked() const
{
    return IsBoxChecked("IDC_OP_SLOW");
}

bool COptionsPageBase::IsFastChecked() const
{
    return IsBoxChecked("IDC_OP_FAST");
}

bool COptionsPageBase::IsReducedChecked() const
{
    return IsBoxChecked("IDC_OP_REDUCED");
}

bool COptionsPageBase::IsReadyChecked() const
{
    return IsBoxChecked("IDC_OP_READY");
}

bool COptionsPageBase::IsCellChecked() const
{
    return IsBoxChecked(m_traits.cellBox);
}

void COptionsPageBase::SetBuzzer(bool on)
{
    SetBox("IDC_OP_BUZZER", on);
}

void COptionsPageBase::SetSlow(bool on)
{
    SetBox("IDC_OP_SLOW", on);
}

void COptionsPageBase::SetFast(bool on)
{
    SetBox("IDC_OP_FAST", on);
}

void COptionsPageBase::SetReduced(bool on)
{
    SetBox("IDC_OP_REDUCED", on);
}

void COptionsPageBase::SetReady(bool on)
{
    SetBox("IDC_OP_READY", on);
}

void COptionsPageBase::SetCell(bool on)
{
    SetBox(m_traits.cellBox, on);
}

void COptionsPageBase::SetPowerDisplay(int mode)
{
    if (wxComboBox* list = List(kPowerDisplay))
        SelectEntry(list, mode);
    // The device page draws its energies by the mode even when the list
    // cannot show it.
    GetHost()->SetPowerDisplay(mode);
}

void COptionsPageBase::SetIrAddress(int index)
{
    if (wxComboBox* list = List(kIrAddress))
        SelectEntry(list, index);
}

void COptionsPageBase::SetCounter(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_OP_COUNTER"), text);
}

void COptionsPageBase::SetTotalCounter(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_OP_TOTALCOUNTER"), text);
}

void COptionsPageBase::ShowResetTotal(int level)
{
    if (m_traits.resetTotalFollowsLevel)
        ShowCtrl(this, XRCID("IDC_OP_RESET_TOTAL"), level != 0);
}

void COptionsPageBase::OnOptionCheck(wxCommandEvent&)
{
    // The builder packs the states of all option boxes as they now stand.
    SendCommand(CommandCode::kOptions, 0);
}

void COptionsPageBase::OnInertBox(wxCommandEvent&) {}

void COptionsPageBase::OnReset(wxCommandEvent&)
{
    SendCommand(CommandCode::kResetCounter, 0);
}

void COptionsPageBase::OnResetTotal(wxCommandEvent&)
{
    SendCommand(CommandCode::kResetTotalCounter, 0);
}

void COptionsPageBase::OnIrAddress(wxCommandEvent&)
{
    const wxComboBox* list = List(kIrAddress);
    const int entry = list ? list->GetSelection() : wxNOT_FOUND;
    if (entry != wxNOT_FOUND)
        SendCommand(CommandCode::kInfraredAddress, entry + 1);
}

void COptionsPageBase::OnPowerDisplay(wxCommandEvent&)
{
    const wxComboBox* list = List(kPowerDisplay);
    const int mode = list ? list->GetSelection() : wxNOT_FOUND;
    if (mode == wxNOT_FOUND)
        return;
    GetHost()->SetPowerDisplay(mode);
    SendCommand(CommandCode::kPowerDisplay, mode);
    // The unit sends the selected memory's record again, whose lines the
    // device page then shows in the new mode.
    SendCommand(CommandCode::kRequestRecord, RequestedRecord::kFirstMemory + GetHost()->GetSelectedMemory());
}
