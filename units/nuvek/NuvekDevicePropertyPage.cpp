#include "units/nuvek/NuvekDevicePropertyPage.h"

#include "controls/VeskAuxCtlNuvek.h"
#include "controls/VeskMainCtlNuvek.h"
#include "pages/CommandCodes.h"
#include "pages/aux/AuxPageNuvek.h"
#include "pages/infos/InfosPageNuvek.h"
#include "pages/lamp/LampPageNuvek.h"
#include "pages/memory/MemoryPageNuvek.h"
#include "pages/options/OptionsPageNuvek.h"
#include "units/core/PowerPackCodec.h"

namespace {

using Page = CFamilyDevicePage;

// The modes start at full light: mode 0 has no radio.
const Page::TopRadio kNoTopRadio = {nullptr, 0, 0};

// clang-format off
const Page::Traits kTraits = {
    "DLG_DEVICE_PAGE_NUVEK",
    CPowerPackPage::Records(),
    {
        {Page::Book::LampMemory, "DLG_LAMP_PAGE_NUVEK", 2015, true, Page::NewSettingPage<CLampPageNuvek>},
        {Page::Book::LampMemory, "DLG_MEMORY_PAGE_NUVEK", 2016, true, Page::NewSettingPage<CMemoryPageNuvek>},
        {Page::Book::Options, "DLG_AUX_PAGE_NUVEK", 2014, false, Page::NewSettingPage<CAuxPageNuvek>},
        {Page::Book::Options, "DLG_OPTIONS_PAGE_NUVEK", 2012, false, Page::NewSettingPage<COptionsPageNuvek>},
        {Page::Book::Options, "DLG_INFOS_PAGE_NUVEK", 2013, false, Page::NewSettingPage<CInfosPageNuvek>},
    },
    {
        {"IDC_MAIN_LIGHT", "IDC_SPIN_MAIN", nullptr, 0, Page::NewMainBar<CVeskMainCtlNuvek>, 2026, "", 0, 33},
        {"IDC_AUX_LIGHT1", "IDC_SPIN_AUX1", "IDC_AUX_CHECK1", 1, Page::NewAuxBar<CVeskAuxCtlNuvek>, 2015, " 1", 0, 33},
        {"IDC_AUX_LIGHT2", "IDC_SPIN_AUX2", "IDC_AUX_CHECK2", 2, Page::NewAuxBar<CVeskAuxCtlNuvek>, 2015, " 2", 0, 33},
    },
    CUnitControls::ModellingLightRadios(kNoTopRadio),
    "IDC_LM_NONE",
    CUnitControls::TriggerBoxes(true, {
        // The builder reads the box itself.
        {"IDC_ENERGIEBEREICH", CommandCode::kOptions, 0, 0},
    }),
    CUnitControls::LampTextRows(true, {{"IDC_ENERGIEBEREICH", 2200, ""}}, kNoTopRadio),
    {"IDC_ENERGIEBEREICH"},
    {{CommandCode::kStepT01, 0}},
    PowerPackRecords::kAlarmTitleOrder,
    true,
};
// clang-format on

const PowerPackCodec::Family& kFamily = PowerPackCodec::kNuvek;

}  // namespace

CNuvekDevicePropertyPage::CNuvekDevicePropertyPage(CFlashDevice* unit) : CPowerPackPage(unit, kTraits, kFamily) {}

void CNuvekDevicePropertyPage::DecodeUnitInfo(const RecordView& record)
{
    const std::optional<PowerPackCodec::UnitInfo> info = PowerPackCodec::DecodeUnitInfo(record, kFamily);
    if (!info)
        return;
    m_symmetry = info->symmetry;
    ShowUnitInfo(*info);
    UpdateAuxStatusTexts();
}

void CNuvekDevicePropertyPage::DecodeOptions(const RecordView& record)
{
    const std::optional<PowerPackCodec::Options> options = PowerPackCodec::DecodeOptions(record, kFamily);
    if (!options)
        return;
    ShowOptions(*options);
    if (COptionsPageBase* page = SettingBooks().GetOptionsPage())
        page->SetSlow(options->recycling);
}

StatusRows CNuvekDevicePropertyPage::BuildStatusRows()
{
    return PowerPackCodec::NuvekStatusRows(m_symmetry, AuxPageSequence());
}

std::optional<CommandBytes> CNuvekDevicePropertyPage::BuildCommand(const Command& command)
{
    PowerPackCodec::CommandState state;
    state.auxOn = AuxOn();
    state.selections = SettingBooks().GatherSelections();
    if (const COptionsPageBase* options = SettingBooks().GetOptionsPage()) {
        state.buzzer = options->IsBuzzerChecked();
        state.recycling = options->IsSlowChecked();
        state.reduced = options->IsReducedChecked();
    }
    state.energyRange = IsEnergyRangeChecked();
    return PowerPackCodec::BuildCommand(kFamily, command, state);
}
