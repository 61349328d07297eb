#include "units/GeneratorPage.h"

#include "app/FlashDevice.h"
#include "controls/AuxLightBar.h"
#include "controls/MainLightBar.h"
#include "pages/CommandCodes.h"
#include "pages/aux/AuxPageBase.h"
#include "units/core/GeneratorRecords.h"
#include "units/core/ModellingLight.h"
#include "units/core/StatusPlan.h"

CGeneratorPage::CGeneratorPage(CFlashDevice* unit, const Traits& traits, const GeneratorTraits& generator)
    : CFamilyDevicePage(unit, traits), m_generator(generator), m_auxOutlets(*this, traits.bars)
{
}

CFamilyDevicePage::RecordRoute CGeneratorPage::StatusRoute()
{
    return {1, 1, DecoderOf(&CGeneratorPage::OnStatusRecord)};
}

CFamilyDevicePage::RecordRoute CGeneratorPage::TestDoneRoute()
{
    return {98, 98, DecoderOf(&CGeneratorPage::OnTestDoneRecord)};
}

void CGeneratorPage::OnStatusRecord(const RecordView& record)
{
    const std::optional<GeneratorRecords::Status> status =
        GeneratorRecords::DecodeStatus(record, m_auxOutlets.AuxBars());
    if (!status)
        return;
    if (CMainLightBar* main = LightBars().Main())
        main->SetValue(static_cast<int16_t>(status->mainValue));
    UnitControls().SetPowerState(status->powerOn);
    m_auxOutlets.Show(status->outlets);
    UnitControls().SetModellingLightMode(status->modellingLightMode);
    // Where a preset takes the radios this record locks the lights and works
    // the radios out again; elsewhere their limit follows the radios and the
    // strobe, not this record.
    if (m_generator.presetTakesRadios)
        SetLightsInhibited(SettingBooks().GetAuxPage() && SettingBooks().GetAuxPage()->GetPreset() != 0);
    UnitControls().ShowLmOver(status->lmOverShown);
    UnitControls().SetLmOverText(status->lmOverText);
}

void CGeneratorPage::OnTestDoneRecord(const RecordView&)
{
    m_auxOutlets.Restore();
}

// ---- Modelling-light radios ----

std::array<bool, 8> CGeneratorPage::AllowedModellingModes()
{
    if (m_generator.presetTakesRadios && SettingBooks().GetAuxPage() && SettingBooks().GetAuxPage()->GetPreset() != 0)
        return {};
    std::array<ModellingLight::AuxBar, 3> bars{};
    for (int outlet = 1; outlet <= m_auxOutlets.AuxBars(); ++outlet) {
        if (const CAuxLightBar* bar = LightBars().Aux(outlet))
            bars[outlet - 1] = {bar->GetValue(), bar->IsOn()};
    }
    return ModellingLight::EnabledRadios({bars[0], bars[1], bars[2]}, GetDevice()->GetEnergyType());
}

void CGeneratorPage::UpdateModellingLightRadios()
{
    const std::array<bool, 8> allowed = AllowedModellingModes();
    UnitControls().EnableRadios(
        [&allowed](int mode) { return mode >= 0 && mode < static_cast<int>(allowed.size()) && allowed[mode]; });
}

// ---- Status panel ----

void CGeneratorPage::OnStatusSet()
{
    CAuxPageBase* aux = SettingBooks().GetAuxPage();
    if (m_generator.okTakesSuggestions && aux) {
        const StatusSet set = PlanStatusSet(m_auxFlags, true, m_generator.okTakesColour);
        m_auxFlags = set.flags;
        if (set.intervalOff || set.intervalSuggested) {
            aux->SetInterval(set.intervalOff ? 0 : aux->GetIntervalAlt(), true);
            SendCommand(CommandCode::kInterval, aux->GetInterval());
        }
        if (set.t01Suggested) {
            aux->SetT01Value(static_cast<uint16_t>(aux->GetT01ValueAlt()));
            aux->SetT01(aux->GetT01Mode());
            SendCommand(CommandCode::kStepT01, 1);
        }
        if (set.colourSuggested)
            TakeSuggestedColour();
    }
    UpdateAuxStatusTexts();
}
