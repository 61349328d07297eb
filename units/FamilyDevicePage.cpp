#include "units/FamilyDevicePage.h"

#include <algorithm>

#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "pages/CommandCodes.h"
#include "units/EnergyText.h"
#include "units/LedState.h"
#include "units/core/RecordView.h"
#include "units/core/UnitInfoText.h"

namespace {

// The command buffer: the library's header before the data, its checksum
// after them.
const std::size_t kHeaderBytes = 6;
const std::size_t kTrailerBytes = 1;

}  // namespace

CFamilyDevicePage::CFamilyDevicePage(CFlashDevice* unit, const Traits& traits)
    : CFlashDevicePropertyPage(traits.panel, unit, nullptr),
      m_traits(traits),
      m_unit(unit),
      m_statusPanel(*this, m_language, traits.titleOrder,
                    [this](bool shown) { m_unitControls.ShowFlashControls(shown); }),
      m_lightBars(
          *this, *this, traits.bars, m_language, [this] { return SpinLanding(); },
          [this](const Command& command) { SendCommand(command); }),
      m_unitControls(
          *this, unit, {traits.radios, traits.noRadio, traits.boxes, traits.powerOnFace}, m_language,
          {[this](int16_t code, int32_t value) { SendCommand(code, value); }, [this] { UpdateModellingLightRadios(); },
           [this](bool on) { m_lightBars.SetActive(on); }, [this](const char* name) { return UnitHasControl(name); },
           [this](const char* name, bool checked) { OnBoxSet(name, checked); }}),
      m_settingBooks(*this, unit, *this, traits.pages, m_language, [this] { SendCommand(CommandCode::kSelections, 0); })
{
    SetLanguageOffset(unit->GetLanguageOffset());
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnStatusSet(); }, XRCID("IDC_ST_SET"));
    // The unit answers with all its records. The request has no data in any
    // family, and the family's builder does not exist yet.
    uint8_t buffer[kHeaderBytes + kTrailerBytes] = {};
    Transmit(buffer, 0, unit->GetAddress(), CommandCode::kRequestAll);
}

CFamilyDevicePage::~CFamilyDevicePage() = default;

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
    // Texts the record wrote take their room: each setting page marked as
    // changed, then the page, which a change below it marks too and which
    // asks for more room when it needs it.
    m_settingBooks.LayoutChangedPages();
    LayoutIfChanged();
    // The unit hears the selections as the record left them, once for each
    // change the record made.
    std::vector<int32_t> deferred;
    deferred.swap(m_deferredSelections);
    for (int32_t value : deferred)
        SendCommand(CommandCode::kSelections, value);
}

void CFamilyDevicePage::SendCommand(const Command& command)
{
    if (command.code == CommandCode::kSelections && !m_idle) {
        m_deferredSelections.push_back(command.value);
        return;
    }
    if (command.code == CommandCode::kLight && command.step != 0)
        m_unitControls.SetLedState(kLedRed);
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
    SendCommand(Command{code, value, 0, 0, CPageLanguage::UnitBytes(text)});
}

void CFamilyDevicePage::StoreSettingsInEmptyMemory(int index)
{
    SendCommand(CommandCode::kStoreMemory, index);
}

// ---- Building the page and its views ----

bool CFamilyDevicePage::InitControls()
{
    m_unitControls.Build();
    m_settingBooks.Build();
    m_lightBars.Build();
    for (const TextRow& row : m_traits.texts)
        SetCtrlText(this, XRCID(row.control), m_language.Text(row.textId) + row.suffix);
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

void CFamilyDevicePage::SetFullView(bool full)
{
    m_settingBooks.Show(full);
    for (const char* name : m_traits.fullViewControls)
        ShowCtrl(this, XRCID(name), full && UnitHasControl(name));
    Layout();
}

// ---- Host and light-bar page ----

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

void CFamilyDevicePage::UpdateModellingLightRadios()
{
    m_unitControls.EnableRadios([](int) { return true; });
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

// ---- The records every family shows alike ----

void CFamilyDevicePage::ShowServiceStatus(const ServiceStatus& status)
{
    m_unitControls.SetLedState(status.ready ? kLedGreen : kLedRed);
    if (status.level != m_statusPanel.Alarms().serviceLevel) {
        m_statusPanel.SetServiceLevel(status.level);
        m_settingBooks.ShowServiceLevel(m_traits.radioHidesServiceLevel && m_unit->GetRFStat() ? 0 : status.level);
        UpdateAuxStatusTexts();
    }
    if (status.voltages)
        m_settingBooks.ShowVoltages(*status.voltages);
}

void CFamilyDevicePage::ShowUnitInfo(const UnitRecords::UnitInfo& info)
{
    m_programVersion = static_cast<uint16_t>(info.versionMinor);
    m_settingBooks.ShowUnitInfo(info);
    m_unit->SetCaption(m_language.Text(UnitInfoText::Caption(m_unit->GetAddress(), info.model, info.serial)));
}

void CFamilyDevicePage::ShowAlarms(const UnitRecords::Alarms& alarms)
{
    m_statusPanel.SetAlarms(alarms.charge, alarms.thermo);
    m_statusPanel.ShowAlarmLines(alarms.lines);
    UpdateAuxStatusTexts();
}
