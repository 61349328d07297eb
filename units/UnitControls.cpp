#include "units/UnitControls.h"

#include <iterator>
#include <utility>

#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "pages/CommandCodes.h"
#include "units/PageLanguage.h"

namespace {

const int32_t kLampOn = 0x81;
const int32_t kLampOff = 0x80;

// The modelling light's modes 0 to 7 and the radios of its levels below the
// top one, in the order of their modes; command 3 sends a mode as this plus
// the mode.
const int16_t kModellingLightModes = 8;
const char* const kLevelRadios[] = {"IDC_LM_FULL",  "IDC_LM_LOW",   "IDC_LM_PROP1", "IDC_LM_PROP2",
                                    "IDC_LM_PROP3", "IDC_LM_PROP4", "IDC_LM_PROP5"};
const int16_t kModellingLightModeCode = 0x40;

// The flash controls that the suggested-settings view covers; the radio
// release box only on a unit that has it.
const char* const kFlashControls[] = {"IDC_FLASH", "IDC_FL_CELL", "IDC_FL_IR", "IDC_FL_TEST"};
const char* const kRadioBox = "IDC_FL_RF";

}  // namespace

std::vector<CUnitControls::RadioRow> CUnitControls::ModellingLightRadios(const TopRadio& top)
{
    const char* const* level = std::begin(kLevelRadios);
    std::vector<RadioRow> radios;
    for (int16_t mode = 0; mode < kModellingLightModes; ++mode) {
        const char* name = mode == top.mode ? top.name : *level++;
        if (name)
            radios.push_back({name, mode, static_cast<int16_t>(kModellingLightModeCode + mode)});
    }
    return radios;
}

std::vector<CUnitControls::CommandBox> CUnitControls::TriggerBoxes(bool infrared, const std::vector<CommandBox>& extra)
{
    std::vector<CommandBox> boxes = {{"IDC_FL_CELL", CommandCode::kFlashControl, 0x41, 0x40}};
    if (infrared)
        boxes.push_back({"IDC_FL_IR", CommandCode::kFlashControl, 0x81, 0x80});
    boxes.push_back({kRadioBox, CommandCode::kFlashControl, 0x21, 0x20});
    boxes.insert(boxes.end(), extra.begin(), extra.end());
    return boxes;
}

std::vector<CUnitControls::TextRow> CUnitControls::LampTextRows(bool infrared, const std::vector<TextRow>& extra,
                                                                const TopRadio& top)
{
    std::vector<TextRow> texts = {
        {"IDC_FLASH", 2071, ""},      {"IDC_MODELING", 2062, ""},   {"IDC_STATUS", 2124, ""},
        {"IDC_LM_FULL", 2063, ""},    {"IDC_LM_LOW", 2064, ""},     {"IDC_LM_PROP1", 2065, " 1"},
        {"IDC_LM_PROP2", 2065, " 2"}, {"IDC_LM_PROP3", 2065, " 3"}, {"IDC_LM_PROP4", 2065, " 4"},
        {"IDC_LM_PROP5", 2065, " 5"},
    };
    if (top.name && top.textId)
        texts.push_back({top.name, top.textId, ""});
    texts.push_back({"IDC_FL_CELL", 2067, ""});
    if (infrared)
        texts.push_back({"IDC_FL_IR", 2068, ""});
    texts.push_back({kRadioBox, 2147, ""});
    texts.push_back({"IDC_FL_TEST", 2069, ""});
    texts.push_back({"IDC_ST_SET", 2072, ""});
    texts.insert(texts.end(), extra.begin(), extra.end());
    return texts;
}

CUnitControls::CUnitControls(wxWindow& page, CFlashDevice* unit, const Rows& rows, const CPageLanguage& language,
                             Seams seams)
    : m_page(page), m_unit(unit), m_rows(rows), m_language(language), m_seams(std::move(seams))
{
    for (const CommandBox& box : m_rows.boxes)
        m_page.Bind(wxEVT_CHECKBOX, &CUnitControls::OnCommandBox, this, XRCID(box.name));
    for (const RadioRow& radio : m_rows.radios)
        m_page.Bind(wxEVT_RADIOBUTTON, &CUnitControls::OnRadio, this, XRCID(radio.name));
    m_page.Bind(wxEVT_BUTTON, &CUnitControls::OnTest, this, XRCID("IDC_FL_TEST"));
    m_page.Bind(wxEVT_BUTTON, &CUnitControls::OnLmLight, this, XRCID("IDC_LM_LIGHT"));
    m_page.Bind(wxEVT_BUTTON, &CUnitControls::OnPower, this, XRCID("IDC_POWER"));
}

void CUnitControls::Build()
{
    m_led = FindCtrl<wxStaticBitmap>(&m_page, "IDC_LED");
    m_powerButton = FindCtrl<wxBitmapButton>(&m_page, "IDC_POWER");
    m_lampButton = FindCtrl<wxBitmapButton>(&m_page, "IDC_LM_LIGHT");
    if (m_led)
        m_led->SetBitmap(wxBitmap(LedPicture(kLedNone)));
    if (m_powerButton)
        SetButtonPicture(m_powerButton, wxBitmap(PowerPicture(PowerFace::Off)));
    if (m_lampButton)
        SetButtonPicture(m_lampButton, wxBitmap(LampPicture(false)));
    // The flash controls the unit has keep their room while the suggested
    // settings cover them: nothing beside them moves. Those it lacks leave
    // no gap.
    const bool radio = m_unit->GetRFStat() != 0;
    ShowCtrl(&m_page, XRCID(kRadioBox), radio);
    KeepRoomWhileHidden(m_page.FindWindow(XRCID(kRadioBox)), radio);
    for (const char* name : kFlashControls) {
        const bool has = m_seams.unitHas(name);
        if (!has)
            ShowCtrl(&m_page, XRCID(name), false);
        KeepRoomWhileHidden(m_page.FindWindow(XRCID(name)), has);
    }
}

// ---- Check boxes ----

bool CUnitControls::IsBoxChecked(const char* name) const
{
    const auto* box = FindCtrl<wxCheckBox>(&m_page, name);
    return box && box->GetValue();
}

void CUnitControls::SetBox(const char* name, bool checked)
{
    auto* box = FindCtrl<wxCheckBox>(&m_page, name);
    if (!box)
        return;
    box->SetValue(checked);
    m_seams.boxSet(name, checked);
}

void CUnitControls::ShowFlashBoxes(const UnitRecords::FlashBoxes& boxes)
{
    SetModellingLightOn(boxes.modellingLightOn);
    if (boxes.ir)
        SetBox("IDC_FL_IR", *boxes.ir);
    SetBox("IDC_FL_CELL", boxes.cell);
    SetBox(kRadioBox, boxes.rf);
}

void CUnitControls::OnCommandBox(wxCommandEvent& event)
{
    for (const CommandBox& box : m_rows.boxes) {
        if (XRCID(box.name) == event.GetId()) {
            const bool checked = IsBoxChecked(box.name);
            m_seams.send(box.code, checked ? box.checked : box.unchecked);
            m_seams.boxSet(box.name, checked);
            return;
        }
    }
}

// ---- LED, test flash and power ----

void CUnitControls::SetLedState(LedState state)
{
    // A unit with radio release shows its readiness itself.
    if (m_unit->GetRFStat())
        state = kLedNone;
    if (state == m_ledState)
        return;
    m_ledState = state;
    if (m_led) {
        m_led->SetBitmap(wxBitmap(LedPicture(state)));
        m_led->Refresh();
    }
}

void CUnitControls::OnTest(wxCommandEvent&)
{
    SetLedState(kLedRed);
    m_seams.send(CommandCode::kTestFlash, 0);
}

void CUnitControls::OnPower(wxCommandEvent&)
{
    m_power = !m_power;
    m_seams.send(m_power ? CommandCode::kPowerOn : CommandCode::kPowerOff, 0);
    ShowPowerState();
}

void CUnitControls::SetPowerState(bool on)
{
    if (on == m_power)
        return;
    m_power = on;
    ShowPowerState();
}

void CUnitControls::SetPowerLocked(bool locked)
{
    if (locked == m_powerLocked)
        return;
    m_powerLocked = locked;
    if (m_powerButton)
        m_powerButton->Enable(!locked);
    ShowPowerPicture();
}

void CUnitControls::ShowPowerPicture()
{
    if (!m_powerButton)
        return;
    const PowerFace face = m_powerLocked ? PowerFace::Locked : m_power ? m_rows.powerOnFace : PowerFace::Off;
    SetButtonPicture(m_powerButton, wxBitmap(PowerPicture(face)));
    m_powerButton->Refresh();
}

void CUnitControls::ShowPowerState()
{
    ShowPowerPicture();
    m_seams.powered(m_power);
    ShowCtrl(&m_page, XRCID("IDC_LED"), m_power && m_flashShown);
}

void CUnitControls::ShowFlashControls(bool shown)
{
    m_flashShown = shown;
    for (const char* name : kFlashControls)
        ShowCtrl(&m_page, XRCID(name), shown && m_seams.unitHas(name));
    ShowCtrl(&m_page, XRCID(kRadioBox), shown && m_unit->GetRFStat());
    ShowCtrl(&m_page, XRCID("IDC_LED"), m_power && shown);
}

// ---- Modelling lamp and its radios ----

void CUnitControls::OnLmLight(wxCommandEvent&)
{
    SetModellingLightOn(!m_modellingLight);
    m_seams.send(CommandCode::kModellingLight, m_modellingLight ? kLampOn : kLampOff);
}

void CUnitControls::SetModellingLightOn(bool on)
{
    if (on == m_modellingLight)
        return;
    m_modellingLight = on;
    if (m_lampButton) {
        SetButtonPicture(m_lampButton, wxBitmap(LampPicture(on)));
        m_lampButton->Refresh();
    }
}

void CUnitControls::OnRadio(wxCommandEvent& event)
{
    // Setting one radio clears the others, which report nothing here.
    if (!event.IsChecked())
        return;
    for (const RadioRow& radio : m_rows.radios) {
        if (XRCID(radio.name) == event.GetId()) {
            SetModellingLightMode(radio.mode);
            m_seams.radioPicked();
            m_seams.send(CommandCode::kModellingLight, radio.code);
            return;
        }
    }
}

void CUnitControls::SetModellingLightMode(int mode)
{
    m_modellingLightMode = mode;
    const RadioRow* shown = nullptr;
    for (const RadioRow& radio : m_rows.radios) {
        if (radio.mode == mode)
            shown = &radio;
    }
    const char* name = shown ? shown->name : m_rows.noRadio;
    if (auto* radio = name ? FindCtrl<wxRadioButton>(&m_page, name) : nullptr)
        radio->SetValue(true);
}

void CUnitControls::EnableRadios(const std::function<bool(int mode)>& allowed)
{
    for (const RadioRow& radio : m_rows.radios) {
        if (wxWindow* control = m_page.FindWindow(XRCID(radio.name)))
            control->Enable(allowed(radio.mode));
    }
}

void CUnitControls::SetLmOverText(const PageText& text)
{
    SetCtrlText(&m_page, XRCID("IDC_LM_OVER"), m_language.Text(text));
}

void CUnitControls::ShowLmOver(bool show)
{
    if (ShowWindow(m_page.FindWindow(XRCID("IDC_LM_OVER")), show))
        m_page.Layout();
}
