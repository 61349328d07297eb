#include "units/FamilyDevicePage.h"

#include <algorithm>
#include <iterator>

#include <wx/bmpbuttn.h>
#include <wx/bookctrl.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "pages/infos/InfosPageBase.h"
#include "pages/memory/MemoryPageBase.h"
#include "pages/options/OptionsPageBase.h"
#include "units/EnergyText.h"
#include "units/core/RecordView.h"
#include "units/core/UnitInfoText.h"
#include "units/core/ValueText.h"

namespace {

// Every family stores a memory from its current settings with this command.
const int16_t kCommandStoreMemory = 12;

const int16_t kCommandLight = 1;
const int16_t kCommandModellingLight = 3;
const int16_t kCommandSelections = 11;
const int16_t kCommandRequestAll = 14;
const int16_t kCommandPowerOff = 27;
const int16_t kCommandPowerOn = 28;
const int16_t kCommandTestFlash = 102;

const int32_t kLampOn = 0x81;
const int32_t kLampOff = 0x80;

const int kLedNone = 0;
const int kLedRed = 1;

const int kTextSetToProp = 2061;

// The modelling light's modes 0 to 7 and the radios of its levels below the
// top one, in the order of their modes; command 3 sends a mode as this plus
// the mode.
const int16_t kModellingLightModes = 8;
const char* const kLevelRadios[] = {"IDC_LM_FULL",  "IDC_LM_LOW",   "IDC_LM_PROP1", "IDC_LM_PROP2",
                                    "IDC_LM_PROP3", "IDC_LM_PROP4", "IDC_LM_PROP5"};
const int16_t kModellingLightModeCode = 0x40;

// The command buffer: the library's header before the data, its checksum
// after them.
const std::size_t kHeaderBytes = 6;
const std::size_t kTrailerBytes = 1;

// The flash controls that the suggested-settings view covers; the radio
// release box only on a unit that has it.
const char* const kFlashControls[] = {"IDC_FLASH", "IDC_FL_CELL", "IDC_FL_IR", "IDC_FL_TEST"};
const char* const kRadioBox = "IDC_FL_RF";

}  // namespace

CFamilyDevicePage::CFamilyDevicePage(CFlashDevice* unit, const Traits& traits)
    : CFlashDevicePropertyPage(traits.panel, unit, nullptr),
      m_traits(traits),
      m_unit(unit),
      m_statusPanel(*this, m_language, traits.titleOrder, [this](bool shown) { ShowFlashControls(shown); }),
      m_lightBars(
          *this, *this, traits.bars, m_language, [this] { return SpinLanding(); },
          [this](const Command& command) { SendCommand(command); }),
      m_settingBooks(*this, unit, *this, traits.pages, m_language, [this] { SendCommand(kCommandSelections, 0); })
{
    SetLanguageOffset(unit->GetLanguageOffset());
    BindEvents();
    // The unit answers with all its records. The request has no data in any
    // family, and the family's builder does not exist yet.
    uint8_t buffer[kHeaderBytes + kTrailerBytes] = {};
    Transmit(buffer, 0, unit->GetAddress(), kCommandRequestAll);
}

std::vector<CFamilyDevicePage::RadioRow> CFamilyDevicePage::ModellingLightRadios(const TopRadio& top)
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

std::vector<CFamilyDevicePage::CommandBox> CFamilyDevicePage::TriggerBoxes(bool infrared,
                                                                           const std::vector<CommandBox>& extra)
{
    std::vector<CommandBox> boxes = {{"IDC_FL_CELL", 4, 0x41, 0x40}};
    if (infrared)
        boxes.push_back({"IDC_FL_IR", 4, 0x81, 0x80});
    boxes.push_back({"IDC_FL_RF", 4, 0x21, 0x20});
    boxes.insert(boxes.end(), extra.begin(), extra.end());
    return boxes;
}

std::vector<CFamilyDevicePage::TextRow> CFamilyDevicePage::LampTextRows(bool infrared,
                                                                        const std::vector<TextRow>& extra,
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
    texts.push_back({"IDC_FL_RF", 2147, ""});
    texts.push_back({"IDC_FL_TEST", 2069, ""});
    texts.push_back({"IDC_ST_SET", 2072, ""});
    texts.insert(texts.end(), extra.begin(), extra.end());
    return texts;
}

CFamilyDevicePage::~CFamilyDevicePage() = default;

void CFamilyDevicePage::BindEvents()
{
    for (const CommandBox& box : m_traits.boxes)
        Bind(wxEVT_CHECKBOX, &CFamilyDevicePage::OnCommandBox, this, XRCID(box.name));
    for (const RadioRow& radio : m_traits.radios)
        Bind(wxEVT_RADIOBUTTON, &CFamilyDevicePage::OnRadio, this, XRCID(radio.name));
    Bind(wxEVT_BUTTON, &CFamilyDevicePage::OnTest, this, XRCID("IDC_FL_TEST"));
    Bind(wxEVT_BUTTON, &CFamilyDevicePage::OnLmLight, this, XRCID("IDC_LM_LIGHT"));
    Bind(wxEVT_BUTTON, &CFamilyDevicePage::OnPower, this, XRCID("IDC_POWER"));
    Bind(wxEVT_BUTTON, &CFamilyDevicePage::OnStatusSetButton, this, XRCID("IDC_ST_SET"));
}

// ---- Records and commands ----

void CFamilyDevicePage::OnRecord(const uint8_t* bytes, uint8_t count)
{
    const RecordView record(bytes, count);
    if (!record.Has(4))
        return;
    const int number = static_cast<int16_t>(record.Number());
    m_idle = false;
    for (const RecordRoute& route : m_traits.records) {
        if (number >= route.first && number <= route.last) {
            (this->*route.decode)(record);
            break;
        }
    }
    m_idle = true;
    // Texts the record wrote take their room: each setting page whose texts
    // changed, then the page, which asks for more room when it needs it.
    // The notebooks measure their pages again.
    if (m_settingBooks.LayoutChangedPages())
        InvalidateBestSize();
    LayoutIfResized();
    // The unit hears the selections as the record left them, once for each
    // change the record made.
    std::vector<int32_t> deferred;
    deferred.swap(m_deferredSelections);
    for (int32_t value : deferred)
        SendCommand(kCommandSelections, value);
}

void CFamilyDevicePage::SendCommand(const Command& command)
{
    if (command.code == kCommandSelections && !m_idle) {
        m_deferredSelections.push_back(command.value);
        return;
    }
    if (command.code == kCommandLight && command.step != 0)
        SetLedState(kLedRed);
    const std::optional<CommandBytes> data = BuildCommand(command);
    if (!data)
        return;
    std::vector<uint8_t> buffer(kHeaderBytes + data->Size() + kTrailerBytes);
    std::copy(data->Bytes().begin(), data->Bytes().end(), buffer.begin() + kHeaderBytes);
    Transmit(buffer.data(), static_cast<uint8_t>(data->Size()), m_unit->GetAddress(),
             static_cast<uint16_t>(command.code));
    for (const StepRow& step : m_traits.steps) {
        if (step.code == command.code) {
            m_stepPending[step.mark] = true;
            m_busyCursor.Begin();
        }
    }
}

void CFamilyDevicePage::SendCommand(int16_t code, int32_t value)
{
    SendCommand(Command{code, value});
}

void CFamilyDevicePage::SendCommand(int16_t code, int32_t value, const wxString& text)
{
    SendCommand(Command{code, value, 0, 0, UnitBytes(text)});
}

// ---- Building the page ----

bool CFamilyDevicePage::InitControls()
{
    m_led = FindCtrl<wxStaticBitmap>(this, "IDC_LED");
    m_powerButton = FindCtrl<wxBitmapButton>(this, "IDC_POWER");
    m_lampButton = FindCtrl<wxBitmapButton>(this, "IDC_LM_LIGHT");
    if (m_led)
        m_led->SetBitmap(wxBitmap(LedPicture(kLedNone)));
    if (m_powerButton)
        m_powerButton->SetBitmap(wxBitmap(PowerPicture(PowerFace::Off)));
    if (m_lampButton)
        m_lampButton->SetBitmap(wxBitmap(LampPicture(false)));
    m_settingBooks.Build();
    m_lightBars.Build();
    SetPageTexts();
    ShowCtrl(this, XRCID(kRadioBox), m_unit->GetRFStat() != 0);
    for (const char* name : kFlashControls) {
        if (!UnitHasControl(name))
            ShowCtrl(this, XRCID(name), false);
    }
    for (const char* name : m_traits.fullViewControls) {
        if (!UnitHasControl(name))
            ShowCtrl(this, XRCID(name), false);
    }
    m_statusPanel.Prepare();
    // The page holds its setting pages now: laid out whole before its
    // notebook page gives it its place.
    SetSize(GetBestSize());
    m_statusPanel.Update(PanelRequest());
    return true;
}

void CFamilyDevicePage::SetPageTexts()
{
    for (const TextRow& row : m_traits.texts)
        SetCtrlText(this, XRCID(row.control), Text(row.textId) + row.suffix);
}

bool CFamilyDevicePage::SendIdleEvents(wxIdleEvent& event)
{
    const auto* book = wxDynamicCast(GetParent(), wxBookCtrlBase);
    if (book && book->GetCurrentPage() != this)
        return false;
    return CFlashDevicePropertyPage::SendIdleEvents(event);
}

void CFamilyDevicePage::SetFullView(bool full)
{
    m_settingBooks.Show(full);
    for (const char* name : m_traits.fullViewControls)
        ShowCtrl(this, XRCID(name), full && UnitHasControl(name));
    Layout();
}

void CFamilyDevicePage::SetLanguageOffset(uint16_t offset)
{
    m_language.SetOffset(offset);
}

// ---- Texts ----

wxString CFamilyDevicePage::Text(int id) const
{
    return m_language.Text(id);
}

wxString CFamilyDevicePage::Text(const PageText& text) const
{
    return m_language.Text(text);
}

wxString CFamilyDevicePage::UnitText(const std::string& bytes)
{
    return CPageLanguage::UnitText(bytes);
}

std::string CFamilyDevicePage::UnitBytes(const wxString& text)
{
    return CPageLanguage::UnitBytes(text);
}

void CFamilyDevicePage::SetUnitCaption(const PageText& caption)
{
    m_unit->SetCaption(Text(caption));
}

// ---- Host and light-bar page ----

int CFamilyDevicePage::GetSelectedMemory()
{
    return m_settingBooks.SelectedMemory();
}

bool CFamilyDevicePage::IsAuxLightOn(int outlet)
{
    return m_lightBars.IsAuxOn(outlet);
}

void CFamilyDevicePage::SetPowerDisplay(int mode)
{
    m_powerDisplay = mode;
    m_lightBars.Refresh();
}

void CFamilyDevicePage::SetLightsInhibited(bool inhibited)
{
    m_lightBars.SetInhibited(inhibited);
    UpdateModellingLightRadios();
    SetPowerDisplay(m_powerDisplay);
}

wxString CFamilyDevicePage::GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel)
{
    return FormatEnergyTextQuirelA1(value, available, on, inhibited, channel, m_powerDisplay, m_language.Offset());
}

bool CFamilyDevicePage::IsEnergyRangeChecked()
{
    return IsBoxChecked("IDC_ENERGIEBEREICH");
}

// ---- Check boxes ----

bool CFamilyDevicePage::IsBoxChecked(const char* name)
{
    const auto* box = FindCtrl<wxCheckBox>(this, name);
    return box && box->GetValue();
}

void CFamilyDevicePage::SetBox(const char* name, bool checked)
{
    if (auto* box = FindCtrl<wxCheckBox>(this, name))
        box->SetValue(checked);
}

bool CFamilyDevicePage::IsCellChecked()
{
    return IsBoxChecked("IDC_FL_CELL");
}
bool CFamilyDevicePage::IsIrChecked()
{
    return IsBoxChecked("IDC_FL_IR");
}
bool CFamilyDevicePage::IsRfChecked()
{
    return IsBoxChecked(kRadioBox);
}
void CFamilyDevicePage::SetCellChecked(bool checked)
{
    SetBox("IDC_FL_CELL", checked);
}
void CFamilyDevicePage::SetIrChecked(bool checked)
{
    SetBox("IDC_FL_IR", checked);
}
void CFamilyDevicePage::SetRfChecked(bool checked)
{
    SetBox(kRadioBox, checked);
}
void CFamilyDevicePage::SetEnergyRangeChecked(bool checked)
{
    SetBox("IDC_ENERGIEBEREICH", checked);
}

void CFamilyDevicePage::OnCommandBox(wxCommandEvent& event)
{
    for (const CommandBox& box : m_traits.boxes) {
        if (XRCID(box.name) == event.GetId()) {
            SendCommand(box.code, IsBoxChecked(box.name) ? box.checked : box.unchecked);
            return;
        }
    }
}

// ---- LED, test flash, power and modelling lamp ----

void CFamilyDevicePage::SetLedState(int state)
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

void CFamilyDevicePage::OnTest(wxCommandEvent&)
{
    SetLedState(kLedRed);
    SendCommand(kCommandTestFlash, 0);
}

void CFamilyDevicePage::OnPower(wxCommandEvent&)
{
    m_power = !m_power;
    SendCommand(m_power ? kCommandPowerOn : kCommandPowerOff, 0);
    ShowPowerState();
}

void CFamilyDevicePage::SetPowerState(bool on)
{
    if (on == m_power)
        return;
    m_power = on;
    ShowPowerState();
}

void CFamilyDevicePage::SetPowerLocked(bool locked)
{
    m_powerLocked = locked;
    if (m_powerButton)
        m_powerButton->Enable(!locked);
    ShowPowerPicture();
}

void CFamilyDevicePage::ShowPowerPicture()
{
    if (!m_powerButton)
        return;
    const PowerFace face = m_powerLocked ? PowerFace::Locked : m_power ? PowerOnFace() : PowerFace::Off;
    m_powerButton->SetBitmap(wxBitmap(PowerPicture(face)));
    m_powerButton->Refresh();
}

void CFamilyDevicePage::ShowPowerState()
{
    ShowPowerPicture();
    m_lightBars.SetActive(m_power);
    ShowCtrl(this, XRCID("IDC_LED"), m_power && !m_statusPanel.IsAuxView());
}

void CFamilyDevicePage::OnLmLight(wxCommandEvent&)
{
    SetModellingLightOn(!m_modellingLight);
    SendCommand(kCommandModellingLight, m_modellingLight ? kLampOn : kLampOff);
}

void CFamilyDevicePage::SetModellingLightOn(bool on)
{
    m_modellingLight = on;
    if (m_lampButton) {
        m_lampButton->SetBitmap(wxBitmap(LampPicture(on)));
        m_lampButton->Refresh();
    }
}

// ---- Modelling-light radios ----

void CFamilyDevicePage::OnRadio(wxCommandEvent& event)
{
    // Setting one radio clears the others, which report nothing here.
    if (!event.IsChecked())
        return;
    for (const RadioRow& radio : m_traits.radios) {
        if (XRCID(radio.name) == event.GetId()) {
            SetModellingLightMode(radio.mode);
            UpdateModellingLightRadios();
            SendCommand(kCommandModellingLight, radio.code);
            return;
        }
    }
}

void CFamilyDevicePage::SetModellingLightMode(int mode)
{
    m_modellingLightMode = mode;
    const RadioRow* shown = nullptr;
    for (const RadioRow& radio : m_traits.radios) {
        if (radio.mode == mode)
            shown = &radio;
    }
    const char* name = shown ? shown->name : m_traits.noRadio;
    if (auto* radio = name ? FindCtrl<wxRadioButton>(this, name) : nullptr)
        radio->SetValue(true);
}

void CFamilyDevicePage::UpdateModellingLightRadios()
{
    for (const RadioRow& radio : m_traits.radios) {
        if (wxWindow* control = FindWindow(XRCID(radio.name)))
            control->Enable(true);
    }
}

void CFamilyDevicePage::SetLmOverText(int n)
{
    SetCtrlText(this, XRCID("IDC_LM_OVER"), Text(kTextSetToProp) + ValueText::Count(n - 2));
}

void CFamilyDevicePage::ShowLmOver(bool show)
{
    wxWindow* over = FindWindow(XRCID("IDC_LM_OVER"));
    if (!over || over->IsShown() == show)
        return;
    over->Show(show);
    Layout();
}

// ---- Busy state ----

void CFamilyDevicePage::SetBusy(uint8_t busy)
{
    if (busy)
        m_busyCursor.Begin();
    else
        m_busyCursor.End();
}

void CFamilyDevicePage::EndSteps()
{
    m_stepPending = {};
    m_busyCursor.End();
}

// ---- Status panel ----

void CFamilyDevicePage::ShowFlashControls(bool shown)
{
    for (const char* name : kFlashControls)
        ShowCtrl(this, XRCID(name), shown && UnitHasControl(name));
    ShowCtrl(this, XRCID(kRadioBox), shown && m_unit->GetRFStat());
    ShowCtrl(this, XRCID("IDC_LED"), m_power && shown);
}

void CFamilyDevicePage::OnStatusSetButton(wxCommandEvent&)
{
    OnStatusSet();
}

void CFamilyDevicePage::OnStatusSet()
{
    UpdateAuxStatusTexts();
}

// ---- Service status ----

void CFamilyDevicePage::ShowServiceStatus(const ServiceStatus& status)
{
    SetLedState(status.ready ? 2 : kLedRed);
    if (status.level != m_statusPanel.Alarms().serviceLevel) {
        m_statusPanel.SetServiceLevel(status.level);
        SetServiceLevel(status.level);
        UpdateAuxStatusTexts();
    }
    CInfosPageBase* infos = m_settingBooks.GetInfosPage();
    if (!status.voltages || !infos)
        return;
    const ServiceVoltages& volts = *status.voltages;
    infos->SetPosFlashVoltage(UnitText(volts.positive));
    infos->SetNegFlashVoltage(UnitText(volts.negative));
    infos->SetLineVoltage(UnitText(volts.line));
    infos->SetLineFrequency(UnitText(volts.frequency));
    if (volts.nominal)
        infos->SetNominalFlashVoltage(UnitText(*volts.nominal));
}

// ---- Unit information, flash boxes, counters, alarms, dates and owner ----

void CFamilyDevicePage::ShowUnitInfo(const UnitRecords::UnitInfo& info)
{
    SetProgramVersion(info.versionMinor);
    if (CInfosPageBase* infos = m_settingBooks.GetInfosPage()) {
        infos->SetProgVersion(UnitText(info.version));
        infos->SetType(UnitText(info.model));
        infos->SetVoltageVersion(UnitText(info.voltage));
        if (info.supplyTextId)
            infos->SetActualVoltage(Text(*info.supplyTextId));
        infos->SetSerial(UnitText(info.serial));
    }
    SetUnitCaption(UnitInfoText::Caption(m_unit->GetAddress(), info.model, info.serial));
}

void CFamilyDevicePage::ShowFlashBoxes(const UnitRecords::FlashBoxes& boxes)
{
    SetModellingLightOn(boxes.modellingLightOn);
    if (boxes.ir)
        SetIrChecked(*boxes.ir);
    SetCellChecked(boxes.cell);
    SetRfChecked(boxes.rf);
}

void CFamilyDevicePage::ShowCounters(const UnitRecords::Counters& counters)
{
    if (COptionsPageBase* options = m_settingBooks.GetOptionsPage()) {
        if (counters.counter)
            options->SetCounter(UnitText(*counters.counter));
        options->SetTotalCounter(UnitText(counters.totalCounter));
    }
    if (counters.owner)
        ShowOwner(*counters.owner);
}

void CFamilyDevicePage::ShowAlarms(const UnitRecords::Alarms& alarms)
{
    m_statusPanel.SetAlarms(alarms.charge, alarms.thermo);
    m_statusPanel.ShowAlarmLines(alarms.lines);
    UpdateAuxStatusTexts();
}

void CFamilyDevicePage::ShowDates(const UnitRecords::Dates& dates)
{
    CInfosPageBase* infos = m_settingBooks.GetInfosPage();
    if (!infos)
        return;
    infos->SetDelivery(UnitText(dates.delivery));
    if (dates.service)
        infos->SetServiceDate(UnitText(*dates.service));
    if (dates.factory)
        infos->SetFactoryDate(UnitText(*dates.factory));
}

void CFamilyDevicePage::ShowOwner(const UnitRecords::Owner& owner)
{
    CInfosPageBase* infos = m_settingBooks.GetInfosPage();
    if (!infos)
        return;
    if (owner.field == UnitRecords::OwnerField::DisplayOnly)
        infos->SetOwnerText(UnitText(owner.text));
    else
        infos->SetOwner(UnitText(owner.text));
}

CMemoryPageBase* CFamilyDevicePage::MemoryPageFor(int index, bool empty)
{
    CMemoryPageBase* page = m_settingBooks.GetMemoryPage();
    if (!page || !page->GetCheck(XRCID(wxString::Format("IDC_ME_MEMORY%d", index + 1))))
        return nullptr;
    if (empty) {
        SendCommand(kCommandStoreMemory, index);
        return nullptr;
    }
    return page;
}

void CFamilyDevicePage::ShowMemoryRightColumn(CMemoryPageBase& page, const MemoryLine* lines, size_t count)
{
    using Setter = void (CMemoryPageBase::*)(const wxString&);
    size_t row = 0;
    const auto show = [&](Setter value, Setter label) {
        if (row < count) {
            (page.*value)(Text(lines[row].value));
            (page.*label)(Text(lines[row].label));
        }
        ++row;
    };
    show(&CMemoryPageBase::SetLine1R, &CMemoryPageBase::SetLine1RLabel);
    show(&CMemoryPageBase::SetLine2R, &CMemoryPageBase::SetLine2RLabel);
    show(&CMemoryPageBase::SetLine3R, &CMemoryPageBase::SetLine3RLabel);
    show(&CMemoryPageBase::SetLine4R, &CMemoryPageBase::SetLine4RLabel);
    show(&CMemoryPageBase::SetLine5R, &CMemoryPageBase::SetLine5RLabel);
}

void CFamilyDevicePage::SetServiceLevel(int level)
{
    const int shown = m_traits.radioHidesServiceLevel && m_unit->GetRFStat() ? 0 : level;
    m_settingBooks.ShowServiceLevel(shown);
}
