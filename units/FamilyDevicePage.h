// What every family's device page is made of: a panel of the resource file
// with the unit's light bars and spin buttons, the controls that switch the
// unit (power, modelling lamp, LED, flash controls), a status panel and two
// notebooks of setting pages. The page turns the unit's records into control
// states through a table of decoders, and the user's actions into commands
// through its family's builder. A family is a row of data (its panel,
// setting pages, bars, radios, boxes, texts, records) and the few operations
// only it has: its command builder, decoders and status rows.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <wx/string.h>

#include "app/FlashDevicePropertyPage.h"
#include "controls/LightBarPage.h"
#include "pages/SettingPageHost.h"
#include "units/BusyCursor.h"
#include "units/DevicePictures.h"
#include "units/LightBars.h"
#include "units/PageLanguage.h"
#include "units/SettingBooks.h"
#include "units/StatusPanel.h"
#include "units/UnitControls.h"
#include "units/core/Command.h"
#include "units/core/CommandBytes.h"
#include "units/core/ServiceStatus.h"
#include "units/core/SpinStepper.h"
#include "units/core/StatusPlan.h"
#include "units/core/UnitRecords.h"

class CFlashDevice;
class CSettingPage;
class RecordView;

class CFamilyDevicePage : public CFlashDevicePropertyPage, public CLightBarPage, public CSettingPageHost {
public:
    // A decoder of the family's page; DecoderOf() turns a member of the
    // family's class into one.
    using Decoder = void (CFamilyDevicePage::*)(const RecordView& record);
    template <class Page>
    static Decoder DecoderOf(void (Page::*decode)(const RecordView&))
    {
        return static_cast<Decoder>(decode);
    }
    // Records first to last go to decode; other numbers are ignored.
    struct RecordRoute {
        int first;
        int last;
        Decoder decode;
    };
    // A record of a kind that every family shows alike: decode reads its
    // fields, nothing for a record too short for them, and show (a Show
    // member of the page or of its setting books) puts them on the page.
    template <auto decode, auto show>
    static RecordRoute ShownRecord(int number)
    {
        return {number, number, &CFamilyDevicePage::DecodeAndShow<decode, show>};
    }

    // A setting page in one of the two notebooks.
    using Book = CSettingBooks::Book;
    using SettingPageRow = CSettingBooks::Row;
    template <class Page>
    static CSettingPage* NewSettingPage(CFlashDevice* unit, CSettingPageHost* host)
    {
        return new Page(unit, host);
    }

    // A light bar with its spin button: outlet 0 is the main light.
    using BarRow = CLightBars::Row;
    template <class Bar>
    static CLightBar* NewMainBar(CLightBarPage* page, int)
    {
        return new Bar(page);
    }
    template <class Bar>
    static CLightBar* NewAuxBar(CLightBarPage* page, int outlet)
    {
        return new Bar(page, static_cast<int16_t>(outlet));
    }

    // The modelling-light radios, command boxes and labels (CUnitControls
    // has the rows the families share).
    using RadioRow = CUnitControls::RadioRow;
    using CommandBox = CUnitControls::CommandBox;
    using TextRow = CUnitControls::TextRow;
    using TopRadio = CUnitControls::TopRadio;
    // A step command: its sending marks a step under way (mark 0 is
    // IsStepPending, 1 IsSecondStepPending) and starts the busy state.
    struct StepRow {
        int16_t code;
        int mark;
    };

    struct Traits {
        const char* panel;
        std::vector<RecordRoute> records;
        std::vector<SettingPageRow> pages;
        std::vector<BarRow> bars;
        std::vector<RadioRow> radios;
        // The hidden radio of the group that is set while no mode is shown
        // (a radio group always keeps one of its radios set).
        const char* noRadio;
        std::vector<CommandBox> boxes;
        std::vector<TextRow> texts;
        // Shown in the full view and hidden in the compact one, besides the
        // two notebooks.
        std::vector<const char*> fullViewControls;
        std::vector<StepRow> steps;
        AlarmTitleOrder titleOrder;
        // A unit with radio release shows its setting pages service level 0.
        bool radioHidesServiceLevel;
        // The power button's picture while the unit is on.
        PowerFace powerOnFace = PowerFace::On;
    };

    ~CFamilyDevicePage() override;

    const char* GetPanelName() const { return m_traits.panel; }

    // A record for the unit, count bytes from its length byte on. While a
    // decoder applies it the page is not idle; the selection reports (11)
    // that its changes raise go out after it, from the state it left.
    void OnRecord(const uint8_t* bytes, uint8_t count);

    // The family's builder lays the data, exactly as many bytes as the unit
    // takes, and the page hands them to the unit. A light's command with a
    // spin step turns the LED red; a step command starts the busy state.
    void SendCommand(const Command& command);
    // The setting pages' seam, and a command with its field's text.
    void SendCommand(int16_t code, int32_t value) override;
    void SendCommand(int16_t code, int32_t value, const wxString& text) override;

    bool InitControls() override;
    void SetFullView(bool full) override;
    void SetLanguageOffset(uint16_t offset) override { m_language.SetOffset(offset); }
    // Starts or ends the busy state (cursor and timer 471) like a step
    // command and its answer; a second start keeps the one cursor.
    void SetBusy(uint8_t busy) override;
    bool IsBusy() const override { return m_busyCursor.IsBusy(); }

    // The setting-page host and the light bars' page.
    uint16_t GetLanguageOffset() override { return m_language.Offset(); }
    bool IsIdle() override { return m_idle; }
    uint16_t GetProgramVersion() override { return m_programVersion; }
    int GetSelectedMemory() override { return m_settingBooks.SelectedMemory(); }
    bool IsStepPending() override { return m_stepPending[0]; }
    bool IsSecondStepPending() override { return m_stepPending[1]; }
    bool IsAuxLightOn(int outlet) override { return m_lightBars.IsAuxOn(outlet); }
    void SetPowerDisplay(int mode) override;
    // A preset sequence locks the lights: the main bar shows its marker and
    // its spin is disabled, the aux bars lock, the radios are worked out
    // again and the bars redrawn.
    void SetLightsInhibited(bool inhibited) override;
    wxString GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel) override;

    // The energy-range box of the units that have one.
    bool IsEnergyRangeChecked() const { return m_unitControls.IsBoxChecked("IDC_ENERGIEBEREICH"); }

    CFlashDevice* GetDevice() const { return m_unit; }
    // The page's language, for the texts the family's records show.
    const CPageLanguage& Language() const { return m_language; }
    // The power-display mode the bars show their energies in (the third-stop
    // landing of a spin click needs it).
    int GetPowerDisplay() const { return m_powerDisplay; }

    // The page's parts that the family's records and commands set and read:
    // the light bars, the controls that switch the unit, the status rows
    // with alarms and service level, and the setting pages.
    CLightBars& LightBars() { return m_lightBars; }
    const CLightBars& LightBars() const { return m_lightBars; }
    CUnitControls& UnitControls() { return m_unitControls; }
    const CUnitControls& UnitControls() const { return m_unitControls; }
    CStatusPanel& StatusPanel() { return m_statusPanel; }
    const CStatusPanel& StatusPanel() const { return m_statusPanel; }
    CSettingBooks& SettingBooks() { return m_settingBooks; }
    const CSettingBooks& SettingBooks() const { return m_settingBooks; }

    // The records every family shows alike beyond its setting pages.
    // Record 100: LED, service level (on a change: setting pages, where a
    // unit with radio release and the family say so at level 0, and status
    // rows) and the measured voltages.
    void ShowServiceStatus(const ServiceStatus& status);
    // Record 4: the information page, the program version and the caption.
    void ShowUnitInfo(const UnitRecords::UnitInfo& info);
    // Record 7: the alarm words and lines, then the status rows.
    void ShowAlarms(const UnitRecords::Alarms& alarms);

protected:
    CFamilyDevicePage(CFlashDevice* unit, const Traits& traits);

    // The family's command data; empty for a code the family never sends.
    virtual std::optional<CommandBytes> BuildCommand(const Command& command) = 0;
    // The status rows from the aux page and the unit's state.
    virtual void UpdateAuxStatusTexts() = 0;
    // Enables the radios the unit allows now; every one by default.
    virtual void UpdateModellingLightRadios();
    // "IDC_ST_SET": takes over what the unit suggests; by default only the
    // rows are rebuilt.
    virtual void OnStatusSet() { UpdateAuxStatusTexts(); }
    // Where a short click of a spin lands: the step itself by default.
    virtual SpinStepper::Landing SpinLanding() const { return nullptr; }
    // Whether the unit has this flash control or full-view control: one it
    // lacks stays hidden where the page would show the others again.
    virtual bool UnitHasControl(const char* /*name*/) const { return true; }
    // A check box of the unit controls was set, by the user or from a
    // record; nothing follows by default.
    virtual void OnBoxSet(const char* /*name*/, bool /*checked*/) {}

    // A record with a step's answer: the marks clear and the busy state ends.
    void EndSteps();
    // Records 101 to 104 of an empty memory that the page would show: the
    // unit is told to store its present settings in that memory (command
    // 12), whose record then has something to show.
    void StoreSettingsInEmptyMemory(int index);

    const Traits& GetTraits() const { return m_traits; }

private:
    template <auto decode, auto show>
    void DecodeAndShow(const RecordView& record)
    {
        if (const auto fields = decode(record))
            std::invoke(show, ShownBy(show), *fields);
    }
    template <class Fields>
    CFamilyDevicePage& ShownBy(void (CFamilyDevicePage::*)(const Fields&))
    {
        return *this;
    }
    template <class Fields>
    CSettingBooks& ShownBy(void (CSettingBooks::*)(const Fields&))
    {
        return m_settingBooks;
    }

    const Traits& m_traits;
    CFlashDevice* m_unit;
    bool m_idle = true;
    std::array<bool, 2> m_stepPending{};
    int m_powerDisplay = 0;
    uint16_t m_programVersion = 0;
    CPageLanguage m_language;
    CStatusPanel m_statusPanel;
    CLightBars m_lightBars;
    CUnitControls m_unitControls;
    CSettingBooks m_settingBooks;
    CBusyCursor m_busyCursor;
    // Values of the selection reports raised while a record was applied.
    std::vector<int32_t> m_deferredSelections;
};
