#include "units/quirel/QuirelA1DevicePropertyPage.h"

#include "app/FlashDevice.h"
#include "controls/VeskAuxCtl.h"
#include "controls/VeskMainCtl.h"
#include "pages/CommandCodes.h"
#include "pages/aux/AuxPage.h"
#include "pages/infos/InfosPage.h"
#include "pages/lamp/LampPage.h"
#include "pages/memory/MemoryPage.h"
#include "pages/options/OptionsPage.h"
#include "units/core/QuirelA1Codec.h"
#include "units/core/RecordView.h"

namespace {

using Page = CFamilyDevicePage;

const CGeneratorPage::GeneratorTraits kGenerator = {
    true,
    true,
    false,
};

}  // namespace

const CFamilyDevicePage::Traits& CQuirelA1DevicePropertyPage::PageTraits()
{
    using Self = CQuirelA1DevicePropertyPage;
    static const Traits traits = {
        "DLG_DEVICE_PAGE",
        {
            StatusRoute(),
            {2, 2, DecoderOf(&Self::DecodeAuxFunctions)},
            {3, 3, DecoderOf(&Self::DecodeSelections)},
            ShownRecord<&QuirelA1Codec::DecodeUnitInfo, &Page::ShowUnitInfo>(4),
            {5, 5, DecoderOf(&Self::DecodeOptions)},
            ShownRecord<&QuirelA1Codec::DecodeCounters, &CSettingBooks::ShowCounters>(6),
            ShownRecord<&QuirelA1Codec::DecodeAlarms, &Page::ShowAlarms>(7),
            ShownRecord<&QuirelA1Codec::DecodeDates, &CSettingBooks::ShowDates>(8),
            TestDoneRoute(),
            ShownRecord<&QuirelA1Codec::DecodeServiceStatus, &Page::ShowServiceStatus>(100),
            {101, 104, DecoderOf(&Self::DecodeMemory)},
        },
        {
            {Page::Book::LampMemory, "DLG_LAMP_PAGE", 2015, true, Page::NewSettingPage<CLampPage>},
            {Page::Book::LampMemory, "DLG_MEMORY_PAGE", 2016, true, Page::NewSettingPage<CMemoryPage>},
            {Page::Book::Options, "DLG_AUX_PAGE", 2014, false, Page::NewSettingPage<CAuxPage>},
            {Page::Book::Options, "DLG_OPTIONS_PAGE", 2012, false, Page::NewSettingPage<COptionsPage>},
            {Page::Book::Options, "DLG_INFOS_PAGE", 2013, false, Page::NewSettingPage<CInfosPage>},
        },
        {
            {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", nullptr, 0, Page::NewMainBar<CVeskMainCtl>, 2026, "", 0,
             QuirelA1Codec::SpinDownLimit(QuirelA1Codec::kMainLight)},
            {"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1", "IDC_AUX_CHECK1", 1, Page::NewAuxBar<CVeskAuxCtl>, 2015, " 1", 0,
             QuirelA1Codec::SpinDownLimit(QuirelA1Codec::kAuxLight1)},
            {"IDC_AUX_LIGHT2", "IDC_SPIN_AUX2", "IDC_AUX_CHECK2", 2, Page::NewAuxBar<CVeskAuxCtl>, 2015, " 2", 0,
             QuirelA1Codec::SpinDownLimit(QuirelA1Codec::kAuxLight2)},
            // Outlet 3 shares the supply with the modelling lamp.
            {"IDC_AUX_LIGHT3", "IDC_SPIN_AUX3", "IDC_AUX_CHECK3", 3, Page::NewAuxBar<CVeskAuxCtl>, 2015, " 3", 2073,
             QuirelA1Codec::SpinDownLimit(QuirelA1Codec::kAuxLight3)},
        },
        CUnitControls::ModellingLightRadios(),
        "IDC_LM_NONE",
        CUnitControls::TriggerBoxes(true),
        CUnitControls::LampTextRows(true),
        {},
        {{CommandCode::kStepT01, 0}},
        QuirelA1Codec::kAlarmTitleOrder,
        true,
    };
    return traits;
}

CQuirelA1DevicePropertyPage::CQuirelA1DevicePropertyPage(CFlashDevice* unit)
    : CGeneratorPage(unit, PageTraits(), kGenerator)
{
}

// ---- Records ----

void CQuirelA1DevicePropertyPage::DecodeAuxFunctions(const RecordView& record)
{
    const std::optional<QuirelA1Codec::AuxFunctions> functions = QuirelA1Codec::DecodeAuxFunctions(record);
    if (!functions)
        return;
    if (auto* aux = dynamic_cast<CAuxPage*>(SettingBooks().GetAuxPage())) {
        aux->SetSequence(functions->sequence, false);
        aux->SetDelay(functions->delay, true);
        aux->SetPreset(functions->preset, false);
        aux->SetAlternate(functions->alternate, false);
        if (functions->t01Suggested)
            aux->SetT01ValueAlt(static_cast<uint16_t>(functions->t01Value));
        else
            aux->SetT01Value(static_cast<uint16_t>(functions->t01Value));
        aux->SetT01(functions->t01Mode);
        // The interval setter holds the interval above the shortest one.
        aux->SetMinInterval(static_cast<uint16_t>(functions->minInterval));
        if (functions->intervalSuggested)
            aux->SetIntervalAlt(static_cast<uint16_t>(functions->interval));
        else
            aux->SetInterval(functions->interval, true);
        const auto& times = functions->presetTimes;
        aux->SetPresetTimes(static_cast<uint16_t>(times[0]), static_cast<uint16_t>(times[1]),
                            static_cast<uint16_t>(times[2]));
        aux->SetT01MaxPreset(static_cast<uint16_t>(functions->t01MaxPreset));
    }
    SetAuxFlags(functions->flags);
    UpdateAuxStatusTexts();
    EndSteps();
}

void CQuirelA1DevicePropertyPage::DecodeSelections(const RecordView& record)
{
    if (const std::optional<Selections> selections = QuirelA1Codec::DecodeSelections(record))
        SettingBooks().ShowSelections(*selections, QuirelA1Codec::kLampsUsed);
}

void CQuirelA1DevicePropertyPage::DecodeOptions(const RecordView& record)
{
    const std::optional<QuirelA1Codec::Options> options = QuirelA1Codec::DecodeOptions(record);
    if (!options)
        return;
    UnitControls().ShowFlashBoxes(*options);
    if (COptionsPageBase* page = SettingBooks().GetOptionsPage()) {
        page->SetBuzzer(options->buzzer);
        page->SetSlow(options->slow);
        page->SetReduced(options->reduced);
    }
    if (CAuxPageBase* aux = SettingBooks().GetAuxPage())
        aux->SetStore(options->store);
    if (COptionsPageBase* page = SettingBooks().GetOptionsPage()) {
        // The options page hands the scale on to SetPowerDisplay.
        page->SetPowerDisplay(options->powerDisplay);
        page->SetIrAddress(options->irAddress);
    }
}

void CQuirelA1DevicePropertyPage::DecodeMemory(const RecordView& record)
{
    const std::optional<QuirelA1Codec::Memory> memory = QuirelA1Codec::DecodeMemory(record);
    CMemoryPageBase* page = memory ? SettingBooks().MemoryPageShowing(memory->index) : nullptr;
    if (!page)
        return;
    if (memory->empty) {
        StoreSettingsInEmptyMemory(memory->index);
        return;
    }
    const auto energyText = [this](const MemoryEnergy& energy) {
        return GetBarText(static_cast<int16_t>(energy.value), energy.available, energy.on, energy.inhibited,
                          static_cast<int16_t>(energy.channel));
    };
    page->SetLine4L(energyText(memory->outlets[0]));
    page->SetLine3L(energyText(memory->outlets[1]));
    page->SetLine2L(energyText(memory->outlets[2]));
    SettingBooks().ShowMemoryRightColumn(*page, memory->right.data(), memory->right.size());
    page->SetLine5L(Language().Text(memory->left5.value));
    page->SetLine5LLabel(Language().Text(memory->left5.label));
}

// ---- Status panel and spin ----

void CQuirelA1DevicePropertyPage::UpdateAuxStatusTexts()
{
    QuirelA1Codec::AuxValues values;
    if (const CAuxPageBase* aux = SettingBooks().GetAuxPage()) {
        values.preset = aux->GetPreset();
        values.t01Value = aux->GetT01Value();
        values.t01ValueSuggested = aux->GetT01ValueAlt();
        values.t01Mode = aux->GetT01Mode();
        values.interval = aux->GetInterval();
        values.intervalSuggested = aux->GetIntervalAlt();
        values.sequence = aux->GetSequence();
        values.delay = aux->GetDelay();
        values.alternate = aux->GetAlternate();
        values.t01MaxPreset = aux->GetT01MaxPreset();
    }
    StatusPanel().ShowRows(QuirelA1Codec::BuildStatusRows(values, GetAuxFlags()));
}

SpinStepper::Landing CQuirelA1DevicePropertyPage::SpinLanding() const
{
    // The third-stop scale: a click lands on its next point.
    const int kThirdStopDisplay = 4;
    return GetPowerDisplay() == kThirdStopDisplay ? &QuirelA1Codec::ThirdStopStep : nullptr;
}

// ---- Commands ----

std::optional<CommandBytes> CQuirelA1DevicePropertyPage::BuildCommand(const Command& command)
{
    QuirelA1Codec::CommandState state;
    state.auxOn = LightBars().AuxOn();
    state.selections = SettingBooks().GatherSelections();
    if (const COptionsPageBase* options = SettingBooks().GetOptionsPage()) {
        state.buzzer = options->IsBuzzerChecked();
        state.slow = options->IsSlowChecked();
        state.reduced = options->IsReducedChecked();
    }
    return QuirelA1Codec::BuildCommand(command, state);
}
