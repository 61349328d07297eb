#include "units/zarit/ZaritDevicePropertyPage.h"

#include <wx/tglbtn.h>
#include <wx/xrc/xmlres.h>

#include "app/FlashDevice.h"
#include "controls/VeskAuxCtlZarit.h"
#include "controls/VeskMainCtlZarit.h"
#include "pages/CommandCodes.h"
#include "pages/aux/AuxPageZarit.h"
#include "pages/infos/InfosPageZarit.h"
#include "pages/lamp/LampPageZarit.h"
#include "pages/memory/MemoryPageZarit.h"
#include "pages/options/OptionsPageZarit.h"
#include "units/EnergyText.h"
#include "units/core/ZaritCodec.h"

namespace {

using Page = CFamilyDevicePage;
using Self = CZaritDevicePropertyPage;

// Command 20's value that takes over the colour the unit suggests.
const int kTakeSuggestedColour = 2;

// clang-format off
const Page::Traits kTraits = {
    "DLG_DEVICE_PAGE_ZARIT",
    Self::Records(),
    {
        {Page::Book::LampMemory, "DLG_LAMP_PAGE_ZARIT", 2015, true, Page::NewSettingPage<CLampPageZarit>},
        {Page::Book::LampMemory, "DLG_MEMORY_PAGE_ZARIT", 2016, true, Page::NewSettingPage<CMemoryPageZarit>},
        {Page::Book::Options, "DLG_AUX_PAGE_ZARIT", 2014, false, Page::NewSettingPage<CAuxPageZarit>},
        {Page::Book::Options, "DLG_OPTIONS_PAGE_ZARIT", 2012, false, Page::NewSettingPage<COptionsPageZarit>},
        {Page::Book::Options, "DLG_INFOS_PAGE_ZARIT", 2013, false, Page::NewSettingPage<CInfosPageZarit>},
    },
    {
        {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", nullptr, 0, Page::NewMainBar<CVeskMainCtlZarit>, 2026, "", 0,
         ZaritCodec::kSpinDownLimit},
        {"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1", "IDC_AUX_CHECK1", 1, Page::NewAuxBar<CVeskAuxCtlZarit>, 2015, " 1", 0,
         ZaritCodec::kSpinDownLimit},
        {"IDC_AUX_LIGHT2", "IDC_SPIN_AUX2", "IDC_AUX_CHECK2", 2, Page::NewAuxBar<CVeskAuxCtlZarit>, 2015, " 2", 0,
         ZaritCodec::kSpinDownLimit},
        {"IDC_AUX_LIGHT3", "IDC_SPIN_AUX3", "IDC_AUX_CHECK3", 3, Page::NewAuxBar<CVeskAuxCtlZarit>, 2015, " 3", 2073,
         ZaritCodec::kSpinDownLimit},
    },
    CUnitControls::ModellingLightRadios(),
    "IDC_LM_NONE",
    CUnitControls::TriggerBoxes(true),
    CUnitControls::LampTextRows(true, {
        {"IDC_SPEED", 2231, ""},
        {"IDC_USER", 2232, ""},
    }),
    {},
    {{CommandCode::kStepT01, 0}, {CommandCode::kStepColour, 1}},
    ZaritCodec::kAlarmTitleOrder,
    false,
    PowerFace::OnBlue,
};
// clang-format on

const CGeneratorPage::GeneratorTraits kGenerator = {
    false,
    true,
    true,
};

void SetToggle(wxWindow* page, const char* name, bool on)
{
    if (auto* toggle = XRCCTRL(*page, name, wxToggleButton))
        toggle->SetValue(on);
}

}  // namespace

std::vector<CFamilyDevicePage::RecordRoute> CZaritDevicePropertyPage::Records()
{
    return {
        StatusRoute(),
        {2, 2, DecoderOf(&Self::DecodeAuxFunctions)},
        {3, 3, DecoderOf(&Self::DecodeSelections)},
        ShownRecord<&ZaritCodec::DecodeUnitInfo, &Page::ShowUnitInfo>(4),
        {5, 5, DecoderOf(&Self::DecodeOptions)},
        ShownRecord<&ZaritCodec::DecodeCounters, &CSettingBooks::ShowCounters>(6),
        ShownRecord<&ZaritCodec::DecodeAlarms, &Page::ShowAlarms>(7),
        ShownRecord<&ZaritCodec::DecodeDates, &CSettingBooks::ShowDates>(8),
        ShownRecord<&ZaritCodec::DecodeOwner, &CSettingBooks::ShowOwner>(10),
        TestDoneRoute(),
        ShownRecord<&ZaritCodec::DecodeServiceStatus, &Page::ShowServiceStatus>(100),
        {101, 104, DecoderOf(&Self::DecodeMemory)},
    };
}

CZaritDevicePropertyPage::CZaritDevicePropertyPage(CFlashDevice* unit) : CGeneratorPage(unit, kTraits, kGenerator)
{
    Bind(wxEVT_TOGGLEBUTTON, &CZaritDevicePropertyPage::OnSpeedToggle, this, XRCID("IDC_SPEED"));
    Bind(wxEVT_TOGGLEBUTTON, &CZaritDevicePropertyPage::OnUserToggle, this, XRCID("IDC_USER"));
}

CAuxPageZarit* CZaritDevicePropertyPage::ZaritAuxPage() const
{
    return static_cast<CAuxPageZarit*>(SettingBooks().GetAuxPage());
}

COptionsPageZarit* CZaritDevicePropertyPage::ZaritOptionsPage() const
{
    return static_cast<COptionsPageZarit*>(SettingBooks().GetOptionsPage());
}

bool CZaritDevicePropertyPage::IsSpeedDisplayOn() const
{
    const COptionsPageZarit* options = ZaritOptionsPage();
    return options && options->IsSpeedDisplayChecked();
}

// ---- Power display, speed and the energy texts ----

void CZaritDevicePropertyPage::SetPowerDisplayMode(uint16_t mode)
{
    if (mode != GetPowerDisplay())
        SendCommand(CommandCode::kRequestRecord, RequestedRecord::kFirstMemory + GetSelectedMemory());
    SetPowerDisplay(mode);
}

void CZaritDevicePropertyPage::SetSpeedFlag(bool on)
{
    m_speedFlag = on;
    SetToggle(this, "IDC_SPEED", on);
    SetPowerDisplay(GetPowerDisplay());
}

wxString CZaritDevicePropertyPage::GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel)
{
    const int flags = (inhibited ? 1 : 0) | (m_speedFlag ? 2 : 0);
    return FormatEnergyTextZarit(value, available, on, flags, channel, GetPowerDisplay(), IsSpeedDisplayOn(),
                                 GetLanguageOffset());
}

void CZaritDevicePropertyPage::OnSpeedToggle(wxCommandEvent& event)
{
    // The speed flag itself follows the unit's record 5, asked for here.
    SendCommand(CommandCode::kSpeed, event.GetInt() ? 1 : 0);
    SendCommand(CommandCode::kRequestRecord, RequestedRecord::kOptions);
}

void CZaritDevicePropertyPage::OnUserToggle(wxCommandEvent& event)
{
    SendCommand(CommandCode::kUser, event.GetInt() ? 1 : 0);
}

// ---- Records ----

void CZaritDevicePropertyPage::DecodeAuxFunctions(const RecordView& record)
{
    const std::optional<ZaritCodec::AuxFunctions> functions = ZaritCodec::DecodeAuxFunctions(record);
    if (!functions)
        return;
    if (CAuxPageZarit* aux = ZaritAuxPage()) {
        aux->SetSequence(functions->sequence, false);
        aux->SetDelay(functions->delay, true);
        aux->SetNoAlternate(functions->packs);
        aux->SetAlternate(functions->place);
        if (functions->t01Suggested)
            aux->SetT01ValueAlt(static_cast<uint16_t>(functions->t01Value));
        else
            aux->SetT01Value(static_cast<uint16_t>(functions->t01Value));
        if (functions->colourSuggested)
            aux->SetColourAlt(static_cast<int16_t>(functions->colour));
        else
            aux->SetColour(static_cast<int16_t>(functions->colour));
        aux->SetT01(functions->t01Mode);
        aux->SetMinInterval(static_cast<uint16_t>(functions->minInterval));
        if (functions->intervalSuggested)
            aux->SetIntervalAlt(static_cast<uint16_t>(functions->interval));
        else
            aux->SetInterval(functions->interval, true);
        aux->SetStrobo(functions->strobe);
    }
    SetLightsInhibited(functions->strobe);
    SetAuxFlags(functions->flags);
    UpdateAuxStatusTexts();
    EndSteps();
}

void CZaritDevicePropertyPage::DecodeSelections(const RecordView& record)
{
    const std::optional<Selections> selections = ZaritCodec::DecodeSelections(record, ZaritCodec::kZarit);
    if (!selections)
        return;
    SettingBooks().ShowSelections(*selections, ZaritCodec::kZarit.auxOutlets);
}

void CZaritDevicePropertyPage::DecodeOptions(const RecordView& record)
{
    const std::optional<ZaritCodec::Options> options = ZaritCodec::DecodeOptions(record);
    if (!options)
        return;
    UnitControls().ShowFlashBoxes(*options);
    COptionsPageZarit* page = ZaritOptionsPage();
    if (page) {
        page->SetSlow(options->slow);
        page->SetReduced(options->reduced);
    }
    if (CAuxPageBase* aux = SettingBooks().GetAuxPage())
        aux->SetStore(options->store);
    if (page) {
        page->SetPowerDisplay(options->powerDisplay);
        page->SetSpeedDisplay(options->speedDisplay);
        page->SetBuzzerVolume(options->buzzerVolume);
        page->SetBuzzerMode(options->buzzerMode);
        page->SetBrightness(options->brightness);
        page->SetReadiness(options->readiness);
        page->SetSensitivity(options->sensitivity);
    }
    SetSpeedFlag(options->speedFlag);
    SetToggle(this, "IDC_USER", options->user);
}

void CZaritDevicePropertyPage::DecodeMemory(const RecordView& record)
{
    const std::optional<ZaritCodec::Memory> memory = ZaritCodec::DecodeMemory(record, GetLanguageOffset());
    CMemoryPageBase* page = memory ? SettingBooks().MemoryPageShowing(memory->index) : nullptr;
    if (!page)
        return;
    if (memory->empty) {
        StoreSettingsInEmptyMemory(memory->index);
        return;
    }
    const auto energyText = [this](const ZaritCodec::MemoryOutlet& outlet) {
        return FormatEnergyTextZarit(static_cast<short>(outlet.value), outlet.available, outlet.on, outlet.flags,
                                     static_cast<short>(outlet.channel), GetPowerDisplay(), IsSpeedDisplayOn(),
                                     GetLanguageOffset());
    };
    page->SetLine2L(energyText(memory->outlets[0]));
    page->SetLine3L(energyText(memory->outlets[1]));
    page->SetLine4L(energyText(memory->outlets[2]));
    SettingBooks().ShowMemoryRightColumn(*page, memory->right.data(), memory->right.size());
    page->SetLine5L(Language().Text(memory->left5.value));
    page->SetLine5LLabel(Language().Text(memory->left5.label));
}

// ---- Status panel and commands ----

void CZaritDevicePropertyPage::UpdateAuxStatusTexts()
{
    ZaritCodec::AuxValues values;
    if (const CAuxPageZarit* aux = ZaritAuxPage()) {
        values.colour = aux->GetColour();
        values.colourSuggested = aux->GetColourAlt();
        values.t01Mode = aux->GetT01Mode();
        values.t01Value = static_cast<uint16_t>(aux->GetT01Value());
        values.t01ValueSuggested = static_cast<uint16_t>(aux->GetT01ValueAlt());
        values.sequence = aux->GetSequence();
        values.interval = aux->GetInterval();
        values.intervalSuggested = aux->GetIntervalAlt();
        values.delay = aux->GetDelay();
        // The page keeps the place in its preset slot.
        values.place = aux->GetPreset();
    }
    StatusPanel().ShowRows(ZaritCodec::BuildStatusRows(values, GetAuxFlags()));
}

void CZaritDevicePropertyPage::TakeSuggestedColour()
{
    if (CAuxPageZarit* aux = ZaritAuxPage())
        aux->SetColour(aux->GetColourAlt());
    SendCommand(CommandCode::kStepColour, kTakeSuggestedColour);
}

std::optional<CommandBytes> CZaritDevicePropertyPage::BuildCommand(const Command& command)
{
    ZaritCodec::CommandState state;
    state.auxOn = LightBars().AuxOn();
    state.selections = SettingBooks().GatherSelections();
    state.powerDisplayMode = GetPowerDisplay();
    if (const COptionsPageZarit* options = ZaritOptionsPage()) {
        state.slow = options->IsSlowChecked();
        state.reduced = options->IsReducedChecked();
        state.speedDisplay = options->IsSpeedDisplayChecked();
        state.readiness = options->IsReadinessChecked();
        state.sensitivity = options->IsSensitivityChecked();
        state.buzzerVolume = options->GetBuzzerVolume();
        state.buzzerMode = options->GetBuzzerMode();
        state.brightness = options->GetBrightness();
    }
    return ZaritCodec::BuildCommand(ZaritCodec::kZarit, command, state);
}
