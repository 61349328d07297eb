#include "units/zarite/ZaritEDevicePropertyPage.h"

#include "app/FlashDevice.h"
#include "controls/VeskAuxCtlZaritE.h"
#include "controls/VeskMainCtlZaritE.h"
#include "pages/CommandCodes.h"
#include "pages/aux/AuxPageZaritE.h"
#include "pages/infos/InfosPageZaritE.h"
#include "pages/lamp/LampPageZaritE.h"
#include "pages/options/OptionsPageZaritE.h"
#include "units/EnergyText.h"
#include "units/core/ZaritECodec.h"

namespace {

using Page = CFamilyDevicePage;
using Self = CZaritEDevicePropertyPage;

// The lamp notebook's page is none of the unit's business here.
const int kLampNotebookUntouched = -1;

const Page::Traits kTraits = {
    "DLG_DEVICE_PAGE_ZARITE",
    Self::Records(),
    {
        {Page::Book::LampMemory, "DLG_LAMP_PAGE_ZARITE", 2015, true, Page::NewSettingPage<CLampPageZaritE>},
        {Page::Book::Options, "DLG_AUX_PAGE_ZARITE", 2014, false, Page::NewSettingPage<CAuxPageZaritE>},
        {Page::Book::Options, "DLG_OPTIONS_PAGE_ZARITE", 2012, false, Page::NewSettingPage<COptionsPageZaritE>},
        // The Zarit's information panel.
        {Page::Book::Options, "DLG_INFOS_PAGE_ZARIT", 2013, false, Page::NewSettingPage<CInfosPageZaritE>},
    },
    {
        {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", nullptr, 0, Page::NewMainBar<CVeskMainCtlZaritE>, 2026, "", 0,
         ZaritECodec::kSpinDownLimit},
        {"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1", "IDC_AUX_CHECK1", 1, Page::NewAuxBar<CVeskAuxCtlZaritE>, 2015, " 1", 0,
         ZaritECodec::kSpinDownLimit},
        {"IDC_AUX_LIGHT2", "IDC_SPIN_AUX2", "IDC_AUX_CHECK2", 2, Page::NewAuxBar<CVeskAuxCtlZaritE>, 2015, " 2", 0,
         ZaritECodec::kSpinDownLimit},
    },
    CUnitControls::ModellingLightRadios(),
    "IDC_LM_NONE",
    CUnitControls::TriggerBoxes(false),
    CUnitControls::LampTextRows(false),
    {},
    {{CommandCode::kStepT01, 0}, {CommandCode::kStepColour, 1}},
    ZaritECodec::kAlarmTitleOrder,
    false,
    PowerFace::OnBlue,
};

const CGeneratorPage::GeneratorTraits kGenerator = {
    false,
    false,
    false,
};

}  // namespace

std::vector<CFamilyDevicePage::RecordRoute> CZaritEDevicePropertyPage::Records()
{
    return {
        StatusRoute(),
        {2, 2, DecoderOf(&Self::DecodeAuxFunctions)},
        {3, 3, DecoderOf(&Self::DecodeSelections)},
        ShownRecord<&ZaritECodec::DecodeUnitInfo, &Page::ShowUnitInfo>(4),
        {5, 5, DecoderOf(&Self::DecodeOptions)},
        ShownRecord<&ZaritECodec::DecodeCounters, &CSettingBooks::ShowCounters>(6),
        ShownRecord<&ZaritECodec::DecodeAlarms, &Page::ShowAlarms>(7),
        ShownRecord<&ZaritECodec::DecodeDates, &CSettingBooks::ShowDates>(8),
        ShownRecord<&ZaritECodec::DecodeOwner, &CSettingBooks::ShowOwner>(10),
        TestDoneRoute(),
        ShownRecord<&ZaritECodec::DecodeServiceStatus, &Page::ShowServiceStatus>(100),
    };
}

CZaritEDevicePropertyPage::CZaritEDevicePropertyPage(CFlashDevice* unit) : CGeneratorPage(unit, kTraits, kGenerator) {}

CAuxPageZaritE* CZaritEDevicePropertyPage::ZaritEAuxPage() const
{
    return static_cast<CAuxPageZaritE*>(SettingBooks().GetAuxPage());
}

wxString CZaritEDevicePropertyPage::GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel)
{
    return FormatEnergyTextZaritE(value, available, on, inhibited ? 1 : 0, channel, GetLanguageOffset());
}

// ---- Records ----

void CZaritEDevicePropertyPage::DecodeAuxFunctions(const RecordView& record)
{
    const std::optional<ZaritECodec::AuxFunctions> functions = ZaritECodec::DecodeAuxFunctions(record);
    if (!functions)
        return;
    if (CAuxPageZaritE* aux = ZaritEAuxPage()) {
        aux->SetSequence(functions->sequence, false);
        if (functions->t01Value)
            aux->SetT01Value(static_cast<uint16_t>(*functions->t01Value));
        aux->SetT01(functions->t01Mode);
    }
    SetLightsInhibited(functions->lightsInhibited);
    SetAuxFlags(functions->flags);
    UpdateAuxStatusTexts();
    EndSteps();
}

void CZaritEDevicePropertyPage::DecodeSelections(const RecordView& record)
{
    const std::optional<Selections> selections = ZaritCodec::DecodeSelections(record, ZaritCodec::kZaritE);
    if (!selections)
        return;
    SettingBooks().SelectNotebookPages(kLampNotebookUntouched, selections->optionsPage);
    if (CAuxPageBase* aux = SettingBooks().GetAuxPage())
        aux->SelectFieldByIndex(static_cast<int16_t>(selections->auxField));
    if (CLampPageBase* lamp = SettingBooks().GetLampPage()) {
        lamp->SetLamp1(selections->lamps[0]);
        lamp->SetLamp2(selections->lamps[1]);
    }
}

void CZaritEDevicePropertyPage::DecodeOptions(const RecordView& record)
{
    const std::optional<ZaritECodec::Options> options = ZaritECodec::DecodeOptions(record);
    if (!options)
        return;
    UnitControls().ShowFlashBoxes(*options);
    auto* page = static_cast<COptionsPageZaritE*>(SettingBooks().GetOptionsPage());
    if (page)
        page->SetSlow(options->slow);
    if (page)
        page->SetBuzzerVolume(options->buzzerVolume);
}

// ---- Status panel and commands ----

void CZaritEDevicePropertyPage::UpdateAuxStatusTexts()
{
    const CAuxPageZaritE* aux = ZaritEAuxPage();
    // The aux page keeps the T0.1 mode and value in its delay and preset
    // slots.
    const StatusRows rows =
        ZaritECodec::BuildStatusRows(aux ? aux->GetDelay() : 0, aux ? static_cast<uint16_t>(aux->GetPreset()) : 0,
                                     aux ? aux->GetSequence() : 0, GetAuxFlags());
    // Only the first two rows are the unit's; the interval and delay rows
    // keep the layout's texts.
    CStatusPanel& panel = StatusPanel();
    panel.SetFlashText(Language().Text(rows.rows[0].value));
    panel.SetFlashLabel(Language().Text(rows.rows[0].label));
    panel.SetSequenceText(Language().Text(rows.rows[1].value));
    panel.SetSequenceLabel(Language().Text(rows.rows[1].label));
    panel.SetFlashRedText(Language().Text(rows.red[0]));
    panel.SetSequenceRedText(Language().Text(rows.red[1]));
    panel.Update(rows.panel);
}

std::optional<CommandBytes> CZaritEDevicePropertyPage::BuildCommand(const Command& command)
{
    ZaritECodec::CommandState state;
    state.auxOn = LightBars().AuxOn();
    state.selections = SettingBooks().GatherSelections();
    if (const auto* options = static_cast<const COptionsPageZaritE*>(SettingBooks().GetOptionsPage())) {
        state.slow = options->IsSlowChecked();
        state.buzzerVolume = options->IsBuzzerVolumeChecked();
    }
    return ZaritCodec::BuildCommand(ZaritCodec::kZaritE, command, state);
}
