// The device page of a compact Tiko unit (type codes 18 Trovalex, 25 Sorvant,
// 26 Hexor): one energy bar whose lower limit follows the energy-range box,
// the modelling light with the Trovalex's limit of its two highest levels,
// the lamp function and the memories 5 to 8 with their table on the page
// itself, one notebook of aux, options and information pages, and no busy
// state.
#pragma once

#include <cstdint>
#include <vector>

#include "units/FamilyDevicePage.h"

class CAuxPageTiko;
class CInfosPageTiko;
class COptionsPageTiko;
class CVeskAuxCtlTiko;

class CTikoDevicePropertyPage : public CFamilyDevicePage {
public:
    explicit CTikoDevicePropertyPage(CFlashDevice* unit);

    bool InitControls() override;
    // Also the lamp function, the energy-range box and the two memory
    // groups with everything in them.
    void SetFullView(bool full) override;
    // These units answer every command at once: nothing waits.
    void SetBusy(uint8_t) override {}
    bool IsBusy() const override { return false; }

    // The unit's model code: its type code until record 4 names it.
    uint16_t GetModelCode() override { return m_modelCode; }
    // Index 0..3 of the set one of the radios of memories 5 to 8.
    int GetSelectedMemory() override;
    wxString GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel) override;

    // The bar of outlet 1, the only one.
    CVeskAuxCtlTiko* GetAuxCtl(int outlet) const;
    // The accessors the families share, holding this page's three pages.
    CAuxPageTiko* GetOptionsOrTikoAuxPage() const;
    COptionsPageTiko* GetInfosOrTikoOptionsPage() const;
    CInfosPageTiko* GetLampOrTikoInfosPage() const;

    // Shows the unit's memory (0..3) and lamp function (0..20); sends
    // nothing.
    void SelectMemory(int index);
    void SetLamp4(int entry);

    bool IsLowVoltage() const { return m_lowVoltage; }
    int GetEnergyRating() const { return m_rating; }
    int GetAuxStatusFlags() const { return m_auxFlags; }

protected:
    std::optional<CommandBytes> BuildCommand(const Command& command) override;
    void UpdateAuxStatusTexts() override;
    // The Trovalex limit of PROP4 and PROP5 by the bar's value, and the
    // level in use in "IDC_LM_OVER".
    void UpdateModellingLightRadios() override;
    // Takes over the suggested interval.
    void OnStatusSet() override;
    // The unit's model row says whether it has infrared and the energy
    // range (the Hexor has neither).
    bool UnitHasControl(const char* name) const override;
    // The energy-range box tells the bar its lower limit.
    void OnBoxSet(const char* name, bool checked) override;

private:
    static const Traits& TikoTraits();

    void DecodeStatus(const RecordView& record);
    void DecodeAuxFunctions(const RecordView& record);
    void DecodeSelections(const RecordView& record);
    void DecodeUnitInfo(const RecordView& record);
    void DecodeOptions(const RecordView& record);
    void DecodeCounters(const RecordView& record);
    void OnTestDone(const RecordView& record);
    void DecodeMemory(const RecordView& record);

    void FillLampFunctions();
    void KeepHiddenMemoryControls();
    void ShowMemoryGroup(const char* box, bool show);
    int GetLamp4() const;

    void OnLamp4Selected(wxCommandEvent& event);
    void OnMemorySelected(wxCommandEvent& event);
    void OnRecallMemory(wxCommandEvent& event);
    void OnStoreMemory(wxCommandEvent& event);

    uint16_t m_modelCode;
    bool m_lowVoltage = false;
    int m_rating = 0;
    int m_auxFlags = 0;
    // Windows of the memory groups that the layout keeps hidden whatever
    // the view.
    std::vector<wxWindow*> m_keptHidden;
};
