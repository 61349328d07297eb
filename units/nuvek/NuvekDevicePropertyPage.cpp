#include "units/nuvek/NuvekDevicePropertyPage.h"

#include "controls/VeskAuxCtlNuvek.h"
#include "controls/VeskMainCtlNuvek.h"
#include "pages/aux/AuxPageNuvek.h"
#include "pages/infos/InfosPageNuvek.h"
#include "pages/lamp/LampPageNuvek.h"
#include "pages/memory/MemoryPageNuvek.h"
#include "pages/options/OptionsPageNuvek.h"
#include "units/core/PowerPackCodec.h"

namespace {

using Page = CFamilyDevicePage;

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
    {
        {"IDC_LM_FULL", 1, 0x41},
        {"IDC_LM_LOW", 2, 0x42},
        {"IDC_LM_PROP1", 3, 0x43},
        {"IDC_LM_PROP2", 4, 0x44},
        {"IDC_LM_PROP3", 5, 0x45},
        {"IDC_LM_PROP4", 6, 0x46},
        {"IDC_LM_PROP5", 7, 0x47},
    },
    "IDC_LM_NONE",
    {
        {"IDC_FL_CELL", 4, 0x41, 0x40},
        {"IDC_FL_IR", 4, 0x81, 0x80},
        {"IDC_FL_RF", 4, 0x21, 0x20},
        // The builder reads the box itself.
        {"IDC_ENERGIEBEREICH", 17, 0, 0},
    },
    {
        {"IDC_FLASH", 2071, ""},
        {"IDC_MODELING", 2062, ""},
        {"IDC_STATUS", 2124, ""},
        {"IDC_LM_FULL", 2063, ""},
        {"IDC_LM_LOW", 2064, ""},
        {"IDC_LM_PROP1", 2065, " 1"},
        {"IDC_LM_PROP2", 2065, " 2"},
        {"IDC_LM_PROP3", 2065, " 3"},
        {"IDC_LM_PROP4", 2065, " 4"},
        {"IDC_LM_PROP5", 2065, " 5"},
        {"IDC_FL_CELL", 2067, ""},
        {"IDC_FL_IR", 2068, ""},
        {"IDC_FL_RF", 2147, ""},
        {"IDC_FL_TEST", 2069, ""},
        {"IDC_ST_SET", 2072, ""},
        {"IDC_ENERGIEBEREICH", 2200, ""},
    },
    {"IDC_ENERGIEBEREICH"},
    {{6, 0}},
    PowerPackRecords::kAlarmTitleOrder,
    true,
};

const PowerPackCodec::Family& kFamily = PowerPackCodec::kNuvek;

}  // namespace

CNuvekDevicePropertyPage::CNuvekDevicePropertyPage(CFlashDevice* unit)
    : CPowerPackPage(unit, kTraits, kFamily, CAuxOutletFeed::StateOf<CVeskAuxCtlNuvek>)
{
}

void CNuvekDevicePropertyPage::DecodeStatus(const RecordView& record)
{
    const std::optional<PowerPackCodec::Status> status = PowerPackCodec::DecodeStatus(record, kFamily);
    if (!status)
        return;
    if (auto* main = MainBarAs<CVeskMainCtlNuvek>())
        main->SetValue(static_cast<int16_t>(status->mainValue), status->mainShown);
    SetPowerState(status->power);
    AuxOutlets().Show(status->aux);
    FinishStatus(status->modellingLightMode);
}

void CNuvekDevicePropertyPage::DecodeAuxFunctions(const RecordView& record)
{
    const std::optional<PowerPackCodec::AuxFunctions> functions = PowerPackCodec::DecodeAuxFunctions(record, kFamily);
    if (!functions)
        return;
    ApplySequence(functions->sequence);
    SetEnergyRangeChecked(functions->energyRange);
    FinishAuxFunctions();
}

void CNuvekDevicePropertyPage::DecodeUnitInfo(const RecordView& record)
{
    const std::optional<PowerPackCodec::UnitInfo> info = PowerPackCodec::DecodeUnitInfo(record, kFamily);
    if (!info)
        return;
    m_symmetry = info->symmetry;
    ShowUnitInfo(info->version, info->versionMinor, info->model, info->voltage, info->serial);
}

void CNuvekDevicePropertyPage::DecodeOptions(const RecordView& record)
{
    const std::optional<PowerPackCodec::Options> options = PowerPackCodec::DecodeOptions(record, kFamily);
    if (!options)
        return;
    ShowOptions(options->modellingLightOn, options->ir, options->cell, options->rf, options->buzzer,
                options->reduced);
    if (COptionsPageBase* page = GetOptionsPage())
        page->SetSlow(options->recycling);
}

StatusRows CNuvekDevicePropertyPage::BuildStatusRows()
{
    return PowerPackCodec::NuvekStatusRows(m_symmetry, AuxPageSequence());
}

std::optional<CommandBytes> CNuvekDevicePropertyPage::BuildCommand(int16_t code, int32_t value)
{
    PowerPackCodec::CommandState state;
    if (code == 1) {
        const std::optional<Lights> lights = GatherLights(value);
        if (!lights)
            return std::nullopt;
        state.lightOutlet = lights->light;
        state.lightValue = lights->Value();
        state.spinStep = lights->step;
        state.auxOn = {lights->auxOn[0], lights->auxOn[1]};
    }
    state.selections = GatherSelections();
    if (const COptionsPageBase* options = GetOptionsPage()) {
        state.buzzer = options->IsBuzzerChecked();
        state.recycling = options->IsSlowChecked();
        state.reduced = options->IsReducedChecked();
    }
    state.energyRange = IsEnergyRangeChecked();
    state.owner = GatherOwner();
    return PowerPackCodec::BuildCommand(kFamily, code, value, state);
}
