#include "units/PowerPackPage.h"

#include "app/FlashDevice.h"
#include "controls/MainLightBar.h"
#include "controls/VeskAuxCtlRibex.h"
#include "pages/aux/AuxPageBase.h"
#include "pages/infos/InfosPageBase.h"
#include "pages/lamp/LampPageBase.h"
#include "pages/memory/MemoryPageBase.h"
#include "pages/options/OptionsPageBase.h"
#include "units/core/ModellingLight.h"
#include "units/core/RecordView.h"

namespace {

// The "IDC_LM_OVER" text the decoders set: "set to prop" 5.
const int kLmOverLevel = 7;

}  // namespace

CPowerPackPage::CPowerPackPage(CFlashDevice* unit, const Traits& traits, const PowerPackCodec::Family& family)
    : CFamilyDevicePage(unit, traits), m_family(family), m_auxOutlets(*this, traits.bars)
{
}

std::vector<CFamilyDevicePage::RecordRoute> CPowerPackPage::Records()
{
    return {
        {1, 1, DecoderOf(&CPowerPackPage::OnStatusRecord)},
        {2, 2, DecoderOf(&CPowerPackPage::OnAuxFunctionsRecord)},
        {3, 3, DecoderOf(&CPowerPackPage::OnSelectionsRecord)},
        {4, 4, DecoderOf(&CPowerPackPage::OnUnitInfoRecord)},
        {5, 5, DecoderOf(&CPowerPackPage::OnOptionsRecord)},
        ShownRecord<&PowerPackRecords::DecodeCounters, &CSettingBooks::ShowCounters>(6),
        ShownRecord<&PowerPackRecords::DecodeAlarms, &CFamilyDevicePage::ShowAlarms>(7),
        ShownRecord<&PowerPackRecords::DecodeDates, &CSettingBooks::ShowDates>(8),
        {98, 98, DecoderOf(&CPowerPackPage::OnTestDoneRecord)},
        ShownRecord<&PowerPackRecords::DecodeServiceStatus, &CFamilyDevicePage::ShowServiceStatus>(100),
        {101, 104, DecoderOf(&CPowerPackPage::OnMemoryRecord)},
    };
}

// ---- The records whose fields differ ----

void CPowerPackPage::OnUnitInfoRecord(const RecordView& record)
{
    DecodeUnitInfo(record);
}

void CPowerPackPage::OnOptionsRecord(const RecordView& record)
{
    DecodeOptions(record);
}

void CPowerPackPage::ShowOptions(const PowerPackCodec::Options& options)
{
    UnitControls().ShowFlashBoxes(options);
    if (COptionsPageBase* page = SettingBooks().GetOptionsPage()) {
        page->SetBuzzer(options.buzzer);
        page->SetReduced(options.reduced);
    }
}

// ---- The records both families send alike ----

void CPowerPackPage::OnStatusRecord(const RecordView& record)
{
    const std::optional<PowerPackCodec::Status> status = PowerPackCodec::DecodeStatus(record, m_family);
    if (!status)
        return;
    if (CMainLightBar* main = LightBars().Main())
        main->SetValue(static_cast<int16_t>(status->mainValue), status->mainShown);
    UnitControls().SetPowerState(status->power);
    m_auxOutlets.Show(status->aux);
    if (m_family.HasThirdOutlet()) {
        // The second bar also stands for the third outlet.
        if (auto* bar = LightBars().As<CVeskAuxCtlRibex>(2))
            bar->SetState2(status->outlet3On, status->outlet3Available);
        if (CLampPageBase* lamp = SettingBooks().GetLampPage())
            lamp->SetLampChoice(3, status->outlet3Available);
    }
    UnitControls().SetModellingLightMode(status->modellingLightMode);
    SetLightsInhibited(SettingBooks().GetAuxPage() && SettingBooks().GetAuxPage()->GetPreset() != 0);
    UnitControls().ShowLmOver(false);
    UnitControls().SetLmOverText(ModellingLight::OverText(kLmOverLevel));
}

// The sequence from the unit and the energy-range box where the family has
// one, then the status rows; a step's answer ends the busy state.
void CPowerPackPage::OnAuxFunctionsRecord(const RecordView& record)
{
    const std::optional<PowerPackCodec::AuxFunctions> functions = PowerPackCodec::DecodeAuxFunctions(record, m_family);
    if (!functions)
        return;
    if (CAuxPageBase* aux = SettingBooks().GetAuxPage())
        aux->SetSequence(functions->sequence, false);
    if (m_family.energyRange)
        UnitControls().SetBox("IDC_ENERGIEBEREICH", functions->energyRange);
    UpdateAuxStatusTexts();
    EndSteps();
}

void CPowerPackPage::OnSelectionsRecord(const RecordView& record)
{
    const std::optional<Selections> selections = PowerPackCodec::DecodeSelections(record, m_family);
    if (!selections)
        return;
    SettingBooks().ShowSelections(*selections, m_family.lampsUsed);
}

void CPowerPackPage::OnTestDoneRecord(const RecordView&)
{
    m_auxOutlets.Restore();
}

void CPowerPackPage::OnMemoryRecord(const RecordView& record)
{
    const std::optional<PowerPackRecords::Memory> memory = PowerPackCodec::DecodeMemory(record, m_family);
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
    page->SetLine1L(energyText(memory->energies[0]));
    page->SetLine2L(energyText(memory->energies[1]));
    const std::array<MemoryLine, 4>& lines = memory->lines;
    // The first three lines stand in the right column, the fourth on the left.
    SettingBooks().ShowMemoryRightColumn(*page, lines.data(), 3);
    page->SetLine3L(Language().Text(lines[3].value));
    page->SetLine3LLabel(Language().Text(lines[3].label));
}

// ---- Status rows and commands ----

void CPowerPackPage::UpdateAuxStatusTexts()
{
    StatusPanel().ShowRows(BuildStatusRows());
}

int CPowerPackPage::AuxPageSequence() const
{
    return SettingBooks().GetAuxPage() ? SettingBooks().GetAuxPage()->GetSequence() : 0;
}

std::array<bool, 2> CPowerPackPage::AuxOn() const
{
    return {LightBars().IsAuxOn(1), LightBars().IsAuxOn(2)};
}
