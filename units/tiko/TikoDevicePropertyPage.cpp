#include "units/tiko/TikoDevicePropertyPage.h"

#include <algorithm>
#include <cstring>

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "controls/VeskAuxCtlTiko.h"
#include "pages/CommandCodes.h"
#include "pages/aux/AuxPageTiko.h"
#include "pages/infos/InfosPageTiko.h"
#include "pages/memory/MemoryControls.h"
#include "pages/options/OptionsPageTiko.h"
#include "units/EnergyText.h"
#include "units/LedState.h"
#include "units/core/RecordView.h"
#include "units/core/TikoCodec.h"

namespace {

// Memories 5 to 8 of the unit, numbered 1 to 4 on the page.
const MemoryRadioGroup kMemoryRadios = {
    "IDC_ME_MEMORY_UNSET",
    {"IDC_ME_MEMORY5", "IDC_ME_MEMORY6", "IDC_ME_MEMORY7", "IDC_ME_MEMORY8"},
};
const char* const kMemoryGroups[] = {"IDC_ME_FR_INFO", "IDC_ME_FR_MEMORY"};

const char* const kLampFunctions = "IDC_LA_LAMP4";
const char* const kEnergyRange = "IDC_ENERGIEBEREICH";
const int kFirstLampText = 2126;
const int kLampFunctionCount = 21;

// A bar of the spin button that the aux page may narrow.
const int kAuxSpinWidth = 16;

// The modes start at full light; the highest level comes last and is
// "prop " alone on these units.
const CFamilyDevicePage::TopRadio kTopRadio = {"IDC_LM_PROPMAX", 7, 2065};

// The controls of what a model may lack, by the column of its row.
struct ModelControl {
    const char* name;
    bool TikoCodec::ModelRow::*has;
};
// clang-format off
const ModelControl kModelControls[] = {
    {"IDC_FL_IR", &TikoCodec::ModelRow::infrared},
    {kEnergyRange, &TikoCodec::ModelRow::energyRange},
};
// clang-format on

wxComboBox* LampFunctions(const wxWindow* page)
{
    return FindCtrl<wxComboBox>(page, kLampFunctions);
}

wxStaticBoxSizer* FindBoxSizer(wxSizer* sizer, const wxStaticBox* box)
{
    if (auto* boxed = wxDynamicCast(sizer, wxStaticBoxSizer); boxed && boxed->GetStaticBox() == box)
        return boxed;
    for (wxSizerItem* item : sizer->GetChildren()) {
        if (wxSizer* nested = item->GetSizer()) {
            if (wxStaticBoxSizer* found = FindBoxSizer(nested, box))
                return found;
        }
    }
    return nullptr;
}

// The static box's group: the sizer of the box, found in the sizer of the
// first window from the box up that has one.
wxStaticBoxSizer* GroupOf(wxWindow* page, const char* name)
{
    auto* box = FindCtrl<wxStaticBox>(page, name);
    for (wxWindow* window = box; window; window = window->GetParent()) {
        if (wxSizer* sizer = window->GetSizer())
            return FindBoxSizer(sizer, box);
    }
    return nullptr;
}

template <class Visit>
void ForEachWindow(wxSizer* sizer, const Visit& visit)
{
    for (wxSizerItem* item : sizer->GetChildren()) {
        if (wxWindow* window = item->GetWindow())
            visit(window);
        else if (wxSizer* nested = item->GetSizer())
            ForEachWindow(nested, visit);
    }
}

}  // namespace

const CFamilyDevicePage::Traits& CTikoDevicePropertyPage::TikoTraits()
{
    static const Traits traits = {
        "DLG_DEVICE_TROVALEX_PAGE",
        {
            {1, 1, DecoderOf(&CTikoDevicePropertyPage::DecodeStatus)},
            {2, 2, DecoderOf(&CTikoDevicePropertyPage::DecodeAuxFunctions)},
            {3, 3, DecoderOf(&CTikoDevicePropertyPage::DecodeSelections)},
            {4, 4, DecoderOf(&CTikoDevicePropertyPage::DecodeUnitInfo)},
            {5, 5, DecoderOf(&CTikoDevicePropertyPage::DecodeOptions)},
            {6, 6, DecoderOf(&CTikoDevicePropertyPage::DecodeCounters)},
            ShownRecord<&TikoCodec::DecodeAlarms, &CTikoDevicePropertyPage::ShowAlarms>(7),
            ShownRecord<&TikoCodec::DecodeDates, &CSettingBooks::ShowDates>(8),
            {98, 98, DecoderOf(&CTikoDevicePropertyPage::OnTestDone)},
            ShownRecord<&TikoCodec::DecodeServiceStatus, &CTikoDevicePropertyPage::ShowServiceStatus>(100),
            {101, 104, DecoderOf(&CTikoDevicePropertyPage::DecodeMemory)},
        },
        {
            {Book::Options, "DLG_AUX_PAGES_TIKO", 2014, false, NewSettingPage<CAuxPageTiko>},
            {Book::Options, "DLG_OPTIONS_PAGE", 2012, false, NewSettingPage<COptionsPageTiko>},
            {Book::Options, "DLG_INFOS_PAGE", 2013, false, NewSettingPage<CInfosPageTiko>},
        },
        {
            {"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1", nullptr, 1, NewMainBar<CVeskAuxCtlTiko>, 2026, "", 0,
             TikoCodec::kSpinDownLimit},
        },
        CUnitControls::ModellingLightRadios(kTopRadio),
        "IDC_LM_NONE",
        CUnitControls::TriggerBoxes(true, {{kEnergyRange, CommandCode::kEnergyRange, 1, 0}}),
        CUnitControls::LampTextRows(true,
                                    {
                                        {"IDC_ME_FR_MEMORY", 2016, ""},
                                        {"IDC_ME_FR_INFO", 2092, ""},
                                        {"IDC_ME_MEMORY5", 2016, " 1"},
                                        {"IDC_ME_MEMORY6", 2016, " 2"},
                                        {"IDC_ME_MEMORY7", 2016, " 3"},
                                        {"IDC_ME_MEMORY8", 2016, " 4"},
                                        {"IDC_ME_REC2", 2093, ""},
                                        {"IDC_ME_STORE2", 2094, ""},
                                        {"IDC_ME_LINE1L_LA", 2026, ""},
                                        {kEnergyRange, 2200, ""},
                                    },
                                    kTopRadio),
        {kLampFunctions, kEnergyRange},
        {},
        TikoCodec::kAlarmTitleOrder,
        false,
    };
    return traits;
}

CTikoDevicePropertyPage::CTikoDevicePropertyPage(CFlashDevice* unit)
    : CFamilyDevicePage(unit, TikoTraits()), m_modelCode(unit->GetVersion())
{
    Bind(wxEVT_COMBOBOX, &CTikoDevicePropertyPage::OnLamp4Selected, this, XRCID(kLampFunctions));
    for (const char* radio : kMemoryRadios.memories)
        Bind(wxEVT_RADIOBUTTON, &CTikoDevicePropertyPage::OnMemorySelected, this, XRCID(radio));
    Bind(wxEVT_BUTTON, &CTikoDevicePropertyPage::OnRecallMemory, this, XRCID("IDC_ME_REC2"));
    Bind(wxEVT_BUTTON, &CTikoDevicePropertyPage::OnStoreMemory, this, XRCID("IDC_ME_STORE2"));
}

// ---- Building the page ----

bool CTikoDevicePropertyPage::InitControls()
{
    CFamilyDevicePage::InitControls();
    if (CAuxPageTiko* aux = GetOptionsOrTikoAuxPage()) {
        if (wxWindow* spin = aux->FindWindow(XRCID("IDC_AU_SPIN"))) {
            spin->SetMinSize(wxSize(kAuxSpinWidth, spin->GetMinSize().y));
            spin->SetSize(wxSize(kAuxSpinWidth, spin->GetSize().y));
        }
    }
    FillLampFunctions();
    KeepHiddenMemoryControls();
    // The bar starts with the box's lower limit.
    OnBoxSet(kEnergyRange, IsEnergyRangeChecked());
    return true;
}

void CTikoDevicePropertyPage::FillLampFunctions()
{
    auto* lamps = LampFunctions(this);
    if (!lamps)
        return;
    lamps->Clear();
    for (int entry = 0; entry < kLampFunctionCount; ++entry)
        lamps->Append(Language().Text(kFirstLampText + entry));
}

void CTikoDevicePropertyPage::KeepHiddenMemoryControls()
{
    for (const char* box : kMemoryGroups) {
        if (wxStaticBoxSizer* group = GroupOf(this, box)) {
            ForEachWindow(group, [this](wxWindow* window) {
                if (!window->IsShown())
                    m_keptHidden.push_back(window);
            });
        }
    }
}

void CTikoDevicePropertyPage::SetFullView(bool full)
{
    for (const char* box : kMemoryGroups)
        ShowMemoryGroup(box, full);
    CFamilyDevicePage::SetFullView(full);
}

void CTikoDevicePropertyPage::ShowMemoryGroup(const char* box, bool show)
{
    ShowCtrl(this, XRCID(box), show);
    wxStaticBoxSizer* group = GroupOf(this, box);
    if (!group)
        return;
    ForEachWindow(group, [this, show](wxWindow* window) {
        const bool kept = std::find(m_keptHidden.begin(), m_keptHidden.end(), window) != m_keptHidden.end();
        ShowWindow(window, show && !kept);
    });
}

bool CTikoDevicePropertyPage::UnitHasControl(const char* name) const
{
    const TikoCodec::ModelRow& model = TikoCodec::ModelOf(GetDevice()->GetVersion());
    return std::none_of(std::begin(kModelControls), std::end(kModelControls), [&](const ModelControl& control) {
        return !(model.*control.has) && std::strcmp(name, control.name) == 0;
    });
}

// ---- Host and bar ----

void CTikoDevicePropertyPage::OnBoxSet(const char* name, bool checked)
{
    CVeskAuxCtlTiko* bar = GetAuxCtl(1);
    if (bar && std::strcmp(name, kEnergyRange) == 0)
        bar->SetEnergyRange(checked);
}

int CTikoDevicePropertyPage::GetSelectedMemory()
{
    return GetSelectedMemoryOf(this, kMemoryRadios);
}

void CTikoDevicePropertyPage::SelectMemory(int index)
{
    SelectMemoryOn(this, kMemoryRadios, index);
}

void CTikoDevicePropertyPage::SetLamp4(int entry)
{
    if (auto* lamps = LampFunctions(this))
        lamps->SetSelection(entry);
}

int CTikoDevicePropertyPage::GetLamp4() const
{
    const auto* lamps = LampFunctions(this);
    // No function chosen yet is the first entry, "---".
    return lamps ? std::max(0, lamps->GetSelection()) : 0;
}

wxString CTikoDevicePropertyPage::GetBarText(int16_t value, bool, bool, bool, int16_t)
{
    return FormatEnergyTextTiko(value, GetPowerDisplay());
}

CVeskAuxCtlTiko* CTikoDevicePropertyPage::GetAuxCtl(int outlet) const
{
    return LightBars().As<CVeskAuxCtlTiko>(outlet);
}

CAuxPageTiko* CTikoDevicePropertyPage::GetOptionsOrTikoAuxPage() const
{
    return static_cast<CAuxPageTiko*>(SettingBooks().GetAuxPage());
}

COptionsPageTiko* CTikoDevicePropertyPage::GetInfosOrTikoOptionsPage() const
{
    return static_cast<COptionsPageTiko*>(SettingBooks().GetOptionsPage());
}

CInfosPageTiko* CTikoDevicePropertyPage::GetLampOrTikoInfosPage() const
{
    return static_cast<CInfosPageTiko*>(SettingBooks().GetInfosPage());
}

// ---- Modelling light and status panel ----

void CTikoDevicePropertyPage::UpdateModellingLightRadios()
{
    const TikoCodec::ModellingLimit limit =
        TikoCodec::LimitModellingLight(m_modelCode, UnitControls().GetModellingLightMode(), LightBars().ValueOf(1));
    if (wxWindow* prop4 = FindWindow(XRCID("IDC_LM_PROP4")))
        prop4->Enable(limit.prop4Enabled);
    if (wxWindow* prop5 = FindWindow(XRCID("IDC_LM_PROP5")))
        prop5->Enable(limit.prop5Enabled);
    if (limit.over) {
        UnitControls().SetLmOverText(limit.over->text);
        UnitControls().ShowLmOver(limit.over->shown);
    }
}

void CTikoDevicePropertyPage::UpdateAuxStatusTexts()
{
    const CAuxPageTiko* aux = GetOptionsOrTikoAuxPage();
    StatusPanel().ShowRows(
        TikoCodec::BuildStatusRows(aux ? aux->GetSequence() : 0, aux ? aux->GetDelay() : 0, m_auxFlags));
}

void CTikoDevicePropertyPage::OnStatusSet()
{
    const StatusSet set = PlanStatusSet(m_auxFlags, false);
    m_auxFlags = set.flags;
    if (CAuxPageTiko* aux = GetOptionsOrTikoAuxPage()) {
        if (set.intervalOff || set.intervalSuggested) {
            aux->SetInterval(set.intervalOff ? 0 : aux->GetIntervalAlt(), true);
            SendCommand(CommandCode::kInterval, aux->GetInterval());
        }
    }
    UpdateAuxStatusTexts();
}

// ---- Records ----

void CTikoDevicePropertyPage::DecodeStatus(const RecordView& record)
{
    const std::optional<TikoCodec::Status> status = TikoCodec::DecodeStatus(record);
    if (!status)
        return;
    UnitControls().SetPowerState(status->powerOn);
    // The box first: it tells the bar the lower limit of the value.
    UnitControls().SetBox(kEnergyRange, status->energyRange);
    if (CVeskAuxCtlTiko* bar = GetAuxCtl(1)) {
        bar->SetValue(static_cast<int16_t>(status->value), status->warning);
        bar->UpdatePercent();
        bar->SetJoules(m_lowVoltage, static_cast<int16_t>(m_rating));
    }
    UnitControls().SetModellingLightMode(status->modellingLightMode);
    UpdateModellingLightRadios();
    SetPowerDisplay(GetPowerDisplay());
}

void CTikoDevicePropertyPage::DecodeAuxFunctions(const RecordView& record)
{
    const std::optional<TikoCodec::AuxFunctions> functions = TikoCodec::DecodeAuxFunctions(record);
    if (!functions)
        return;
    if (CAuxPageTiko* aux = GetOptionsOrTikoAuxPage()) {
        aux->SetSequence(functions->sequence, false);
        aux->SetDelay(functions->delay, true);
        aux->SetAlternate(functions->alternate, false);
        aux->SetMinInterval(static_cast<uint16_t>(functions->minInterval));
        if (functions->intervalSuggested)
            aux->SetIntervalAlt(static_cast<uint16_t>(functions->interval));
        else
            aux->SetInterval(functions->interval, true);
    }
    m_auxFlags = functions->flags;
    UpdateAuxStatusTexts();
}

void CTikoDevicePropertyPage::DecodeSelections(const RecordView& record)
{
    const std::optional<TikoCodec::Selections> selections = TikoCodec::DecodeSelections(record);
    if (!selections)
        return;
    SettingBooks().SelectNotebookPages(0, selections->optionsTab);
    if (CAuxPageTiko* aux = GetOptionsOrTikoAuxPage())
        aux->SelectFieldByIndex(static_cast<int16_t>(selections->auxField));
    SelectMemory(selections->memory);
    SetLamp4(selections->lamp);
}

void CTikoDevicePropertyPage::DecodeUnitInfo(const RecordView& record)
{
    const std::optional<TikoCodec::UnitInfo> info = TikoCodec::DecodeUnitInfo(record);
    if (!info)
        return;
    m_modelCode = static_cast<uint16_t>(info->modelCode);
    if (info->rating)
        m_rating = *info->rating;
    m_lowVoltage = info->lowVoltage;
    ShowUnitInfo(*info);
}

void CTikoDevicePropertyPage::DecodeOptions(const RecordView& record)
{
    const std::optional<TikoCodec::Options> options = TikoCodec::DecodeOptions(record);
    if (!options)
        return;
    UnitControls().ShowFlashBoxes(*options);
    COptionsPageTiko* page = GetInfosOrTikoOptionsPage();
    if (page) {
        page->SetBuzzer(options->buzzer);
        page->SetCell(options->optionCell);
        page->SetSlow(options->slow);
        page->SetReduced(options->reduced);
    }
    if (CAuxPageTiko* aux = GetOptionsOrTikoAuxPage())
        aux->SetStore(options->store);
    if (page) {
        page->SetPowerDisplay(options->powerDisplay);
        page->SetIrAddress(options->irAddress);
    }
}

void CTikoDevicePropertyPage::DecodeCounters(const RecordView& record)
{
    // The counter's form is the model's.
    if (const std::optional<TikoCodec::Counters> counters = TikoCodec::DecodeCounters(record, m_modelCode))
        SettingBooks().ShowCounters(*counters);
}

void CTikoDevicePropertyPage::OnTestDone(const RecordView&)
{
    if (CVeskAuxCtlTiko* bar = GetAuxCtl(1))
        bar->SetValue(bar->GetValue(), false);
    UnitControls().SetLedState(kLedRed);
}

void CTikoDevicePropertyPage::DecodeMemory(const RecordView& record)
{
    const std::optional<TikoCodec::Memory> memory = TikoCodec::DecodeMemory(record);
    // Only the memory the user looks at is shown.
    if (!memory || !IsRadioChecked(this, XRCID(kMemoryRadios.memories[memory->index])))
        return;
    if (memory->empty) {
        StoreSettingsInEmptyMemory(memory->index);
        return;
    }
    SetMemoryCell(this, 1, MemoryCell::LeftValue,
                  GetBarText(static_cast<int16_t>(memory->energy), true, true, false, 1));
    for (int line = 1; line <= 2; ++line) {
        const MemoryLine& shown = memory->right[line - 1];
        SetMemoryCell(this, line, MemoryCell::RightValue, Language().Text(shown.value));
        SetMemoryCell(this, line, MemoryCell::RightLabel, Language().Text(shown.label));
    }
    for (MemoryCell cell :
         {MemoryCell::RightValue, MemoryCell::RightLabel, MemoryCell::LeftValue, MemoryCell::LeftLabel})
        SetMemoryCell(this, 3, cell, wxEmptyString);
}

// ---- Commands ----

std::optional<CommandBytes> CTikoDevicePropertyPage::BuildCommand(const Command& command)
{
    TikoCodec::CommandState state;
    state.modelCode = m_modelCode;
    state.optionsTab = SettingBooks().GetOptionsSelection();
    const CAuxPageTiko* aux = GetOptionsOrTikoAuxPage();
    state.auxField = aux ? aux->GetSelectedFieldIndex() : 0;
    state.memory = GetSelectedMemory();
    state.lamp = GetLamp4();
    if (const COptionsPageTiko* options = GetInfosOrTikoOptionsPage()) {
        state.buzzer = options->IsBuzzerChecked();
        state.slow = options->IsSlowChecked();
        state.reduced = options->IsReducedChecked();
        state.cell = options->IsCellChecked();
    }
    return TikoCodec::BuildCommand(command, state);
}

void CTikoDevicePropertyPage::OnLamp4Selected(wxCommandEvent&)
{
    SendCommand(CommandCode::kSelections, 0);
}

void CTikoDevicePropertyPage::OnMemorySelected(wxCommandEvent& event)
{
    // A radio set while the page is being built is no choice of the user.
    if (!GetDevice()->GetPage())
        return;
    for (int index = 0; index < 4; ++index) {
        if (XRCID(kMemoryRadios.memories[index]) == event.GetId()) {
            SelectMemory(index);
            SendCommand(CommandCode::kSelections, 0);
            SendCommand(CommandCode::kRequestRecord, RequestedRecord::kFirstMemory + index);
            return;
        }
    }
}

void CTikoDevicePropertyPage::OnRecallMemory(wxCommandEvent&)
{
    SendCommand(CommandCode::kRecallMemory, GetSelectedMemory());
}

void CTikoDevicePropertyPage::OnStoreMemory(wxCommandEvent&)
{
    SendCommand(CommandCode::kStoreMemory, GetSelectedMemory());
}
