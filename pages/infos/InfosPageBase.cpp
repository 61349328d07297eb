#include "pages/infos/InfosPageBase.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <wx/event.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "controls/FocusHelper.h"
#include "pages/CommandCodes.h"
#include "pages/SettingPageHost.h"
#include "pages/infos/MonthYear.h"

namespace {

// Leading blanks and a sign, then the digits up to the first other
// character; 0 without a digit. The units count their serial numbers
// unsigned: one from 2^31 on travels as the same 32 bits.
int32_t SerialNumber(const wxString& text)
{
    const std::string digits = text.utf8_string();
    const long long number = std::strtoll(digits.c_str(), nullptr, 10);
    if (number > INT64_C(0xFFFFFFFF))
        return static_cast<int32_t>(UINT32_MAX);
    if (number < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(static_cast<uint32_t>(number));
}

}  // namespace

// In the order the fields get their focus helpers.
const CInfosPageBase::FieldRow CInfosPageBase::kFields[FieldCount] = {
    {Owner, "IDC_IN_OWNER_SERVICE", CommandCode::kOwner, false, true},
    {FactoryDate, "IDC_IN_DATE_TOVR", CommandCode::kFactoryDate, true, true},
    {ServiceDate, "IDC_IN_DATE_SERVICE", CommandCode::kServiceDate, true, true},
    {Delivery, "IDC_IN_DELIVERY", CommandCode::kDeliveryDate, true, false},
    {Serial, "IDC_IN_SER", CommandCode::kSerial, false, false},
};

// Focus loss does not travel to the page: its fields' focus helpers hand it
// over under the field's id.
#define INFOS_KILL_FOCUS(name) \
    wx__DECLARE_EVT1(wxEVT_KILL_FOCUS, XRCID(name), wxFocusEventHandler(CInfosPageBase::OnFieldKillFocus))

wxBEGIN_EVENT_TABLE(CInfosPageBase, CSettingPage)
    INFOS_KILL_FOCUS("IDC_IN_OWNER_SERVICE")
    INFOS_KILL_FOCUS("IDC_IN_DATE_TOVR")
    INFOS_KILL_FOCUS("IDC_IN_DATE_SERVICE")
    EVT_TEXT_ENTER(wxID_ANY, CInfosPageBase::OnFieldEnter)
    INFOS_KILL_FOCUS("IDC_IN_DELIVERY")
    INFOS_KILL_FOCUS("IDC_IN_SER")
wxEND_EVENT_TABLE()

CInfosPageBase::CInfosPageBase(CFlashDevice* unit, CSettingPageHost* host, const InfosPageTraits& traits)
    : CSettingPage(unit, host), m_traits(traits)
{
}

bool CInfosPageBase::InitControls()
{
    for (const FieldRow& row : kFields) {
        if (row.service && !m_traits.serviceFields)
            continue;
        auto* field = FindCtrl<wxTextCtrl>(this, row.control);
        if (!field)
            continue;
        field->SetMaxLength(MaxLength(row.field));
        // Focus loss stays with the field unless handed to the page.
        field->PushEventHandler(new CFocusHelper);
    }
    if (wxWindow* version = FindWindow(XRCID("IDC_IN_VERSION")))
        SetMinWidth(version, TextWidthForAnyDigits(version, m_traits.widestVersion));
    Layout();
    SetPageTexts();
    return true;
}

int CInfosPageBase::MaxLength(Field field) const
{
    switch (field) {
    case Owner:
        return m_traits.ownerLength;
    case Serial:
        return m_traits.serialLength;
    default:
        return m_traits.dateLength;
    }
}

// The toolkit drops a text longer than its field's limit entirely, and an
// emptied field would send its emptiness on the next commit: a text of the
// unit's that is longer than the family's limit widens the limit to its own
// length.
void CInfosPageBase::ShowInField(Field field, const wxString& text)
{
    auto* ctrl = FindCtrl<wxTextCtrl>(this, kFields[field].control);
    if (!ctrl)
        return;
    ctrl->SetMaxLength(0);
    ctrl->ChangeValue(text);
    ctrl->SetMaxLength(std::max<unsigned long>(MaxLength(field), text.length()));
}

void CInfosPageBase::SetPageTexts()
{
    for (const InfoCaption& caption : m_traits.captions)
        SetCtrlText(this, XRCID(caption.control), caption.textId ? Text(caption.textId) : wxString(caption.fixed));
}

void CInfosPageBase::SetType(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_TYPE"), text);
}

void CInfosPageBase::SetProgVersion(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_VERSION"), text);
}

void CInfosPageBase::SetVoltageVersion(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_VVERSION"), text);
}

void CInfosPageBase::SetActualVoltage(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_VNOW"), text);
}

void CInfosPageBase::SetSerial(const wxString& text)
{
    ShowInField(Serial, text);
    SetCtrlText(this, XRCID("IDC_IN_SER_STAT"), text);
    m_committed[Serial] = text;
}

void CInfosPageBase::SetDelivery(const wxString& text)
{
    std::string date = text.utf8_string();
    NormalizeMonthYear(date);
    const wxString shown = wxString::FromUTF8(date);
    ShowInField(Delivery, shown);
    SetCtrlText(this, XRCID("IDC_IN_DELIVERY_STAT"), shown);
    m_committed[Delivery] = shown;
}

void CInfosPageBase::SetFactoryDate(const wxString& text)
{
    ShowInField(FactoryDate, text);
    SetCtrlText(this, XRCID("IDC_IN_DATE_TOVR_STAT"), text);
    m_committed[FactoryDate] = text;
}

void CInfosPageBase::SetServiceDate(const wxString& text)
{
    ShowInField(ServiceDate, text);
    m_committed[ServiceDate] = text;
}

void CInfosPageBase::SetOwner(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_OWNER"), text);
    ShowInField(Owner, text);
    m_committed[Owner] = text;
}

void CInfosPageBase::SetOwnerText(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_OWNER"), text);
    m_committed[Owner] = text;
}

void CInfosPageBase::SetLineVoltage(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_LINE_V"), text);
}

void CInfosPageBase::SetLineFrequency(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_LINE_F"), text);
}

void CInfosPageBase::SetNominalFlashVoltage(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_SOLL_FLASH_V"), text);
}

void CInfosPageBase::SetPosFlashVoltage(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_POS_FLASH_V"), text);
}

void CInfosPageBase::SetNegFlashVoltage(const wxString& text)
{
    SetCtrlText(this, XRCID("IDC_IN_NEG_FLASH_V"), text);
}

void CInfosPageBase::SetServiceLevel(int level)
{
    const bool modelRows = m_traits.modelRows && GetDevice() && m_traits.modelRows(GetDevice()->GetVersion());
    for (const ServiceRow& row : m_traits.serviceLevels) {
        const bool shown = (modelRows ? row.shownForModel : row.shown).Holds(level);
        for (const char* control : row.controls)
            ShowCtrl(this, XRCID(control), shown);
    }
    Layout();
}

const CInfosPageBase::FieldRow* CInfosPageBase::FindField(int id) const
{
    for (const FieldRow& row : kFields) {
        if (XRCID(row.control) == id)
            return row.service && !m_traits.serviceFields ? nullptr : &row;
    }
    return nullptr;
}

void CInfosPageBase::OnFieldCommit(int id)
{
    const FieldRow* row = FindField(id);
    // A field also loses the focus while its device page is being
    // destroyed, when that page can no longer send.
    if (!row || IsBeingDeleted())
        return;
    // While the device page applies a record, a focus change is the
    // program's: the edit stays pending, and the next commit sends it.
    if (!GetHost()->IsIdle())
        return;

    wxString text;
    GetCtrlText(this, id, text);
    wxString& committed = m_committed[row->field];
    // Passing through a field sends nothing, also where the unit's own text
    // is not in normal form.
    if (text == committed)
        return;

    if (row->date) {
        std::string date = text.utf8_string();
        const bool normalized = NormalizeMonthYear(date);
        const int monthYear = MonthYearValue(date);
        // Nothing sensible to send for an emptied or unreadable date: the
        // field gets back what the unit holds.
        if (monthYear < 0) {
            ShowInField(row->field, committed);
            return;
        }
        if (normalized) {
            text = wxString::FromUTF8(date);
            ShowInField(row->field, text);
        }
        if (text == committed)
            return;
        committed = text;
        SendCommand(row->code, monthYear);
        return;
    }
    committed = text;
    if (row->field == Serial && m_traits.serialAsNumber)
        SendCommand(row->code, SerialNumber(text));
    else
        SendCommand(row->code, 0, text);
}

void CInfosPageBase::OnFieldKillFocus(wxFocusEvent& event)
{
    OnFieldCommit(event.GetId());
    event.Skip();
}

void CInfosPageBase::OnFieldEnter(wxCommandEvent& event)
{
    OnFieldCommit(event.GetId());
}
