#include "units/ribex/RibexDevicePropertyPage.h"

#include "controls/VeskAuxCtlRibex.h"
#include "controls/VeskMainCtlRibex.h"
#include "pages/CommandCodes.h"
#include "pages/aux/AuxPageRibex.h"
#include "pages/infos/InfosPageRibex.h"
#include "pages/lamp/LampPageRibex.h"
#include "pages/memory/MemoryPageRibex.h"
#include "pages/options/OptionsPageRibex.h"
#include "units/core/PowerPackCodec.h"

namespace {

using Page = CFamilyDevicePage;

// The top mode is "P", whose radio keeps the label of the layout.
const Page::TopRadio kPRadio = {"IDC_LM_P", 0, 0};

const Page::Traits kTraits = {
    "DLG_DEVICE_PAGE_RIBEX",
    CPowerPackPage::Records(),
    {
        {Page::Book::LampMemory, "DLG_LAMP_PAGE_RIBEX", 2015, true, Page::NewSettingPage<CLampPageRibex>},
        {Page::Book::LampMemory, "DLG_MEMORY_PAGE_RIBEX", 2016, true, Page::NewSettingPage<CMemoryPageRibex>},
        {Page::Book::Options, "DLG_AUX_PAGE_RIBEX", 2014, false, Page::NewSettingPage<CAuxPageRibex>},
        {Page::Book::Options, "DLG_OPTIONS_PAGE_RIBEX", 2012, false, Page::NewSettingPage<COptionsPageRibex>},
        {Page::Book::Options, "DLG_INFOS_PAGE_RIBEX", 2013, false, Page::NewSettingPage<CInfosPageRibex>},
    },
    {
        {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", nullptr, 0, Page::NewMainBar<CVeskMainCtlRibex>, 2026, "", 0, 33},
        {"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1", "IDC_AUX_CHECK1", 1, Page::NewAuxBar<CVeskAuxCtlRibex>, 2015, " 1", 0, 33},
        {"IDC_AUX_LIGHT2", "IDC_SPIN_AUX2", "IDC_AUX_CHECK2", 2, Page::NewAuxBar<CVeskAuxCtlRibex>, 2015, " 2", 0, 33},
    },
    CUnitControls::ModellingLightRadios(kPRadio),
    "IDC_LM_NONE",
    CUnitControls::TriggerBoxes(true),
    CUnitControls::LampTextRows(true, {}, kPRadio),
    {},
    {{CommandCode::kStepT01, 0}},
    PowerPackRecords::kAlarmTitleOrder,
    true,
};

const PowerPackCodec::Family& kFamily = PowerPackCodec::kRibex;

}  // namespace

CRibexDevicePropertyPage::CRibexDevicePropertyPage(CFlashDevice* unit) : CPowerPackPage(unit, kTraits, kFamily) {}

void CRibexDevicePropertyPage::DecodeUnitInfo(const RecordView& record)
{
    const std::optional<PowerPackCodec::UnitInfo> info = PowerPackCodec::DecodeUnitInfo(record, kFamily);
    if (!info)
        return;
    UnitControls().SetPowerLocked(info->powerLocked);
    ShowUnitInfo(*info);
    UpdateAuxStatusTexts();
}

void CRibexDevicePropertyPage::DecodeOptions(const RecordView& record)
{
    const std::optional<PowerPackCodec::Options> options = PowerPackCodec::DecodeOptions(record, kFamily);
    if (!options)
        return;
    ShowOptions(*options);
    if (COptionsPageBase* page = SettingBooks().GetOptionsPage()) {
        page->SetFast(options->recycling);
        page->SetReady(options->ready);
        page->SetCell(options->cellOption);
    }
}

StatusRows CRibexDevicePropertyPage::BuildStatusRows()
{
    PowerPackCodec::AuxValues values;
    if (const CAuxPageBase* aux = SettingBooks().GetAuxPage()) {
        values.preset = aux->GetPreset();
        values.delay = aux->GetDelay();
        values.t01MaxPreset = aux->GetT01MaxPreset();
        values.sequence = aux->GetSequence();
        values.interval = aux->GetInterval();
        values.alternate = aux->GetAlternate();
    }
    return PowerPackCodec::RibexStatusRows(values);
}

std::optional<CommandBytes> CRibexDevicePropertyPage::BuildCommand(const Command& command)
{
    PowerPackCodec::CommandState state;
    state.auxOn = AuxOn();
    state.selections = SettingBooks().GatherSelections();
    if (const COptionsPageBase* options = SettingBooks().GetOptionsPage()) {
        state.buzzer = options->IsBuzzerChecked();
        state.recycling = options->IsFastChecked();
        state.reduced = options->IsReducedChecked();
        state.ready = options->IsReadyChecked();
        state.cell = options->IsCellChecked();
    }
    return PowerPackCodec::BuildCommand(kFamily, command, state);
}
