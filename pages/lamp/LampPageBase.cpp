#include "pages/lamp/LampPageBase.h"

#include <algorithm>

#include <wx/combobox.h>
#include <wx/event.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "pages/CommandCodes.h"
#include "text/TextTable.h"

namespace {

const int kTextLamp = 2015;
// The role list's texts: "no role" first, then the roles.
const int kTextFirstRole = 2126;
const int kLanguageOffsets[] = {0, 500, 1000, 1500};

int ChoiceId(int outlet)
{
    return XRCID(wxString::Format("IDC_LA_LAMP%d", outlet));
}

int LabelId(int outlet)
{
    return XRCID(wxString::Format("IDC_LA_LA_LAMP%d", outlet));
}

}  // namespace

wxBEGIN_EVENT_TABLE(CLampPageBase, CSettingPage)
    EVT_COMBOBOX(XRCID("IDC_LA_LAMP1"), CLampPageBase::OnLampChoice)
    EVT_COMBOBOX(XRCID("IDC_LA_LAMP2"), CLampPageBase::OnLampChoice)
    EVT_COMBOBOX(XRCID("IDC_LA_LAMP3"), CLampPageBase::OnLampChoice)
    EVT_PAINT(CLampPageBase::OnPaint)
wxEND_EVENT_TABLE()

CLampPageBase::CLampPageBase(CFlashDevice* unit, CSettingPageHost* host, const LampPageTraits& traits)
    : CSettingPage(unit, host), m_traits(traits)
{
}

bool CLampPageBase::InitControls()
{
    for (int outlet = 1; outlet <= m_traits.outlets; ++outlet) {
        if (auto* choice = FindCtrl<wxComboBox>(this, ChoiceId(outlet))) {
            choice->Clear();
            for (int role = 0; role <= kLastRole; ++role) {
                choice->Append(Text(kTextFirstRole + role));
                // The page keeps its width when the language changes.
                for (int offset : kLanguageOffsets) {
                    const wxString text = GetString(kTextFirstRole + role + offset);
                    m_widestRole = std::max(m_widestRole, choice->GetTextExtent(text).x);
                }
            }
        }
        SetCtrlText(this, LabelId(outlet), Text(kTextLamp) + wxString::Format(" %d", outlet));
    }
    FitRoleLists();
    return true;
}

void CLampPageBase::FitRoleLists()
{
    for (int outlet = 1; outlet <= m_traits.outlets; ++outlet) {
        if (auto* choice = wxDynamicCast(FindWindow(ChoiceId(outlet)), wxComboBox))
            SetMinWidth(choice, choice->GetSizeFromTextSize(m_widestRole).x);
    }
}

void CLampPageBase::OnPaint(wxPaintEvent& event)
{
    event.Skip();
    if (m_fittedOnScreen)
        return;
    m_fittedOnScreen = true;
    // After the toolkit has drawn, not inside its drawing.
    CallAfter([this] {
        FitRoleLists();
        Layout();
    });
}

void CLampPageBase::SetLamp(int outlet, int role)
{
    if (auto* choice = FindCtrl<wxComboBox>(this, ChoiceId(outlet)))
        choice->SetSelection(role >= 0 && role <= kLastRole ? role : wxNOT_FOUND);
}

int CLampPageBase::GetLamp(int outlet)
{
    auto* choice = FindCtrl<wxComboBox>(this, ChoiceId(outlet));
    return choice ? choice->GetSelection() : wxNOT_FOUND;
}

void CLampPageBase::SetLamp1(int role)
{
    SetLamp(1, role);
}
void CLampPageBase::SetLamp2(int role)
{
    SetLamp(2, role);
}
void CLampPageBase::SetLamp3(int role)
{
    SetLamp(3, role);
}
int CLampPageBase::GetLamp1()
{
    return GetLamp(1);
}
int CLampPageBase::GetLamp2()
{
    return GetLamp(2);
}
int CLampPageBase::GetLamp3()
{
    return GetLamp(3);
}

void CLampPageBase::SetLampChoice(int outlet, bool enabled)
{
    if (outlet < 1 || outlet > m_traits.outlets)
        return;
    if (wxWindow* choice = FindWindow(ChoiceId(outlet)))
        choice->Enable(enabled);
}

void CLampPageBase::SetLampChoice2(int outlet, bool enabled)
{
    if (outlet == 1 || outlet == 2)
        SetLampChoice(outlet, enabled);
}

void CLampPageBase::OnLampChoice(wxCommandEvent&)
{
    // The builder gathers the roles of all outlets.
    SendCommand(CommandCode::kSelections, 0);
}
