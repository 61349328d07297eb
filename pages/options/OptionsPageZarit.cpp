#include "pages/options/OptionsPageZarit.h"

#include <wx/checkbox.h>
#include <wx/radiobox.h>
#include <wx/radiobut.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "pages/CommandCodes.h"
#include "pages/SettingPageHost.h"

namespace {

const COptionsPageBase::Traits kTraits = {
    "DLG_OPTIONS_PAGE_ZARIT",
    // Captions.
    {{"IDC_RECYCLING_TITEL", 2044},
     {"IDC_FLASH_TITEL", 2045},
     {"IDC_OP_REDUCED", 2046},
     {"IDC_OP_SLOW", 2047},
     {"IDC_OP_BUZZER", 2048},
     {"IDC_OP_RESET", 2029},
     {"IDC_OP_RESET_TOTAL", 2029},
     {"IDC_OP_COUNTER_LB", 2049},
     {"IDC_OP_TOTALCOUNTER_LB", 2050},
     {"IDC_OP_POWERDISPLAY_LA", 2051},
     {"IDC_OP_CELL", 2148},
     {"ID_OP_SENSITIVITY", 2206},
     {"IDC_OP_POWERDISPLAY", 2211},
     {"ID_OP_SPEEDDISPLAY", 2212},
     {"wxID_OP_BUZZER_BOX", 2210},
     {"wxID_OP_BUZZER_LA_VOL", 2213},
     {"wxID_OP_BUZZER_LA_MODE", 2214},
     {"ID_OP_BUZZER_VOL_0", 2215},
     {"ID_OP_BUZZER_VOL_1", 2216},
     {"ID_OP_BUZZER_VOL_2", 2217},
     {"ID_OP_BUZZER_VOL_3", 2218},
     {"ID_OP_BUZZER_MODE_0", 2219},
     {"ID_OP_BUZZER_MODE_1", 2220},
     {"ID_OP_READINESS", 2205},
     {"ID_OP_BRIGHTNESS", 2221}},
    // Option boxes.
    {"IDC_OP_REDUCED", "IDC_OP_SLOW", "ID_OP_SENSITIVITY", "ID_OP_READINESS"},
    // Inert boxes: the photocell option is the sensitivity box on this unit.
    {"IDC_OP_CELL"},
    // Power-display list.
    {},
    // Infrared-address list.
    false,
    // Photocell box.
    "IDC_OP_CELL",
    // Hidden always.
    {"IDC_OP_CELL"},
    // Hidden with radio release.
    {"IDC_FLASH_TITEL", "IDC_OP_RESET", "IDC_OP_RESET_TOTAL", "IDC_OP_COUNTER_LB", "IDC_OP_TOTALCOUNTER_LB",
     "IDC_OP_COUNTER", "IDC_OP_TOTALCOUNTER"},
    // Lists only for type.
    0,
    // No photocell for type.
    0,
    // Total reset follows the service level.
    false,
};

const char* const kPowerDisplay = "IDC_OP_POWERDISPLAY";
const char* const kSpeedDisplay = "ID_OP_SPEEDDISPLAY";
const char* const kBrightness = "ID_OP_BRIGHTNESS";
const char* const kVolumes[] = {"ID_OP_BUZZER_VOL_0", "ID_OP_BUZZER_VOL_1", "ID_OP_BUZZER_VOL_2", "ID_OP_BUZZER_VOL_3"};
const char* const kModes[] = {"ID_OP_BUZZER_MODE_0", "ID_OP_BUZZER_MODE_1"};

// The brightness items low, medium, high, ambient stand for the values 1,
// 2, 3 and 0.
const int kBrightnessItems = 4;
const int kBrightnessTexts = 2222;

// The radio button of that name, looked up by name: the name is built from
// a number that the unit reports.
wxRadioButton* Radio(const wxWindow* page, const wxString& name)
{
    return wxDynamicCast(page->FindWindow(name), wxRadioButton);
}

bool IsRadioSelected(const wxWindow* page, const char* name)
{
    const wxRadioButton* radio = Radio(page, name);
    return radio && radio->GetValue();
}

void SelectRadio(wxWindow* page, const wxString& name)
{
    if (wxRadioButton* radio = Radio(page, name))
        radio->SetValue(true);
}

}  // namespace

COptionsPageZarit::COptionsPageZarit(CFlashDevice* unit, CSettingPageHost* host) : COptionsPageBase(unit, host, kTraits)
{
    // The buzzer command carries the volume, mode and brightness as they
    // stand; the buzzer box's own state goes nowhere.
    Bind(wxEVT_CHECKBOX, &COptionsPageZarit::OnBuzzerOption, this, XRCID("IDC_OP_BUZZER"));
    for (const char* name : kVolumes)
        Bind(wxEVT_RADIOBUTTON, &COptionsPageZarit::OnBuzzerOption, this, XRCID(name));
    for (const char* name : kModes)
        Bind(wxEVT_RADIOBUTTON, &COptionsPageZarit::OnBuzzerOption, this, XRCID(name));
    Bind(wxEVT_RADIOBOX, &COptionsPageZarit::OnBuzzerOption, this, XRCID(kBrightness));
    Bind(wxEVT_CHECKBOX, &COptionsPageZarit::OnPowerDisplay, this, XRCID(kPowerDisplay));
    Bind(wxEVT_CHECKBOX, &COptionsPageZarit::OnSpeedDisplay, this, XRCID(kSpeedDisplay));
}

bool COptionsPageZarit::InitControls()
{
    COptionsPageBase::InitControls();
    // Units of a higher energy class show their energies one way only; a
    // record from the unit still sets the box.
    const CFlashDevice* unit = GetDevice();
    if (unit && unit->GetEnergyType() != 0) {
        if (wxWindow* box = FindWindow(XRCID(kPowerDisplay)))
            box->Enable(false);
    }
    if (auto* brightness = FindCtrl<wxRadioBox>(this, kBrightness)) {
        for (int item = 0; item < kBrightnessItems && static_cast<unsigned>(item) < brightness->GetCount(); ++item)
            brightness->SetString(item, Text(kBrightnessTexts + item));
    }
    return true;
}

bool COptionsPageZarit::IsSpeedDisplayChecked() const
{
    return IsBoxChecked(kSpeedDisplay);
}

bool COptionsPageZarit::IsReadinessChecked() const
{
    return IsBoxChecked("ID_OP_READINESS");
}

bool COptionsPageZarit::IsSensitivityChecked() const
{
    return IsBoxChecked("ID_OP_SENSITIVITY");
}

int COptionsPageZarit::GetBuzzerVolume() const
{
    for (int volume = 3; volume >= 1; --volume) {
        if (IsRadioSelected(this, kVolumes[volume]))
            return volume;
    }
    return 0;
}

int COptionsPageZarit::GetBuzzerMode() const
{
    return IsRadioSelected(this, kModes[1]) ? 1 : 0;
}

int COptionsPageZarit::GetBrightness() const
{
    const auto* brightness = FindCtrl<wxRadioBox>(this, kBrightness);
    const int item = brightness ? brightness->GetSelection() : wxNOT_FOUND;
    if (item == wxNOT_FOUND)
        return 0;
    const int value = item + 1;
    return value > 3 ? 0 : value;
}

void COptionsPageZarit::SetPowerDisplay(bool on)
{
    SetBox(kPowerDisplay, on);
    // The device page asks for the selected memory's record when its mode
    // changes.
    GetHost()->SetPowerDisplayMode(on ? 1 : 0);
}

void COptionsPageZarit::SetSpeedDisplay(bool on)
{
    wxCheckBox* box = Box(kSpeedDisplay);
    if (!box || box->GetValue() == on)
        return;
    box->SetValue(on);
    SendCommand(CommandCode::kRequestRecord, RequestedRecord::kFirstMemory + GetHost()->GetSelectedMemory());
}

void COptionsPageZarit::SetBuzzerVolume(int volume)
{
    SelectRadio(this, wxString::Format("ID_OP_BUZZER_VOL_%d", volume));
}

void COptionsPageZarit::SetBuzzerMode(int mode)
{
    SelectRadio(this, wxString::Format("ID_OP_BUZZER_MODE_%d", mode));
}

void COptionsPageZarit::SetBrightness(int value)
{
    int item = value - 1;
    if (item < 0)
        item = kBrightnessItems - 1;
    auto* brightness = FindCtrl<wxRadioBox>(this, kBrightness);
    if (brightness && item < kBrightnessItems && static_cast<unsigned>(item) < brightness->GetCount())
        brightness->SetSelection(item);
}

void COptionsPageZarit::SetReadiness(bool on)
{
    SetBox("ID_OP_READINESS", on);
}

void COptionsPageZarit::SetSensitivity(bool on)
{
    SetBox("ID_OP_SENSITIVITY", on);
}

void COptionsPageZarit::OnBuzzerOption(wxCommandEvent&)
{
    SendCommand(CommandCode::kBuzzerAndDisplay, 0);
}

void COptionsPageZarit::OnPowerDisplay(wxCommandEvent&)
{
    // The device page first asks for the memory record when the mode
    // changes; the option command then carries the new mode.
    GetHost()->SetPowerDisplayMode(IsBoxChecked(kPowerDisplay) ? 1 : 0);
    SendCommand(CommandCode::kOptions, 0);
}

void COptionsPageZarit::OnSpeedDisplay(wxCommandEvent&)
{
    SendCommand(CommandCode::kOptions, 0);
    SendCommand(CommandCode::kRequestRecord, RequestedRecord::kFirstMemory + GetHost()->GetSelectedMemory());
}
