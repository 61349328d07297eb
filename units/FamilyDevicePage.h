// What every family's device page is made of: a panel of the resource file
// with the unit's light bars and spin buttons, flash controls, modelling
// lamp, power, status LED, status panel and two notebooks of setting pages.
// The page turns the unit's records into control states through a table of
// decoders, and the user's actions into commands through its family's
// builder. A family is a row of data (its panel, setting pages, bars,
// radios, boxes, texts, records) and the few operations only it has: its
// command builder, decoders and status rows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
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
#include "units/core/Command.h"
#include "units/core/MemoryDetail.h"
#include "units/core/CommandBytes.h"
#include "units/core/PageText.h"
#include "units/core/Selections.h"
#include "units/core/ServiceStatus.h"
#include "units/core/SpinStepper.h"
#include "units/core/StatusPlan.h"
#include "units/core/UnitRecords.h"

class CFlashDevice;
class CSettingPage;
class RecordView;
class wxBitmapButton;
class wxCommandEvent;
class wxIdleEvent;
class wxStaticBitmap;

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
    // fields, nothing for a record too short for them, and show (one of the
    // page's Show members) puts them on the page.
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

    // A modelling-light radio: the mode it shows and the code command 3
    // sends when the user picks it.
    struct RadioRow {
        const char* name;
        int16_t mode;
        int16_t code;
    };
    // A check box whose click sends code with one of two values.
    struct CommandBox {
        const char* name;
        int16_t code;
        int32_t checked;
        int32_t unchecked;
    };
    // A label: the text of textId followed by suffix.
    struct TextRow {
        const char* control;
        int textId;
        const char* suffix;
    };
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
    };

    // The radio of the modelling light's top level, where a family has
    // one: its name, its mode (the other radios take the other modes in
    // turn) and its label's text (0: the radio keeps its own).
    struct TopRadio {
        const char* name;
        int16_t mode;
        int textId;
    };
    static constexpr TopRadio kPropMaxRadio = {"IDC_LM_PROPMAX", 0, 2066};

    // Rows the families share: the modelling-light radios of the eight
    // modes (FULL, LOW and PROP1 to PROP5 around the top radio; a mode
    // sends 0x40 plus the mode), the trigger boxes and the labels of the
    // lamp and trigger controls; the family's own boxes and labels follow
    // them. Only some units have the infrared trigger.
    static std::vector<RadioRow> ModellingLightRadios(const TopRadio& top = kPropMaxRadio);
    static std::vector<CommandBox> TriggerBoxes(bool infrared, const std::vector<CommandBox>& extra = {});
    static std::vector<TextRow> LampTextRows(bool infrared, const std::vector<TextRow>& extra = {},
                                             const TopRadio& top = kPropMaxRadio);

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
    // The setting pages' seam.
    void SendCommand(int16_t code, int32_t value) override;
    // A setting page's command with its field's text.
    void SendCommand(int16_t code, int32_t value, const wxString& text) override;

    bool InitControls() override;
    // The toolkit's idle work runs through every window of a page; a page
    // that its notebook does not show skips it until it is shown again.
    bool SendIdleEvents(wxIdleEvent& event) override;
    void SetFullView(bool full) override;
    void SetLanguageOffset(uint16_t offset) override;
    // Starts or ends the busy state (cursor and timer 471) like a step
    // command and its answer; a second start keeps the one cursor.
    void SetBusy(uint8_t busy) override;
    bool IsBusy() const override { return m_busyCursor.IsBusy(); }

    // The setting-page host and the light bars' page.
    uint16_t GetLanguageOffset() override { return m_language.Offset(); }
    bool IsIdle() override { return m_idle; }
    uint16_t GetProgramVersion() override { return m_programVersion; }
    int GetSelectedMemory() override;
    bool IsStepPending() override { return m_stepPending[0]; }
    bool IsSecondStepPending() override { return m_stepPending[1]; }
    bool IsAuxLightOn(int outlet) override;
    void SetPowerDisplay(int mode) override;
    // A preset sequence locks the lights: the main bar shows its marker and
    // its spin is disabled, the aux bars lock, the radios are worked out
    // again and the bars redrawn.
    void SetLightsInhibited(bool inhibited) override;
    wxString GetBarText(int16_t value, bool available, bool on, bool inhibited, int16_t channel) override;
    bool IsEnergyRangeChecked() override;

    CFlashDevice* GetDevice() const { return m_unit; }
    // The light bars the family's records and commands set and read.
    CLightBars& LightBars() { return m_lightBars; }
    const CLightBars& LightBars() const { return m_lightBars; }
    // The setting pages the family's records and commands reach.
    CSettingBooks& SettingBooks() { return m_settingBooks; }
    const CSettingBooks& SettingBooks() const { return m_settingBooks; }

    int GetLedState() const { return m_ledState; }
    bool IsPowerOn() const { return m_power; }
    bool IsModellingLightOn() const { return m_modellingLight; }
    int GetModellingLightMode() const { return m_modellingLightMode; }
    // The power-display mode the bars show their energies in (the third-stop
    // landing of a spin click needs it).
    int GetPowerDisplay() const { return m_powerDisplay; }

    // The status rows, alarms and service level the family's records show.
    CStatusPanel& StatusPanel() { return m_statusPanel; }
    const CStatusPanel& StatusPanel() const { return m_statusPanel; }

    bool IsCellChecked();
    bool IsIrChecked();
    bool IsRfChecked();

    // The unit's state, shown without a command.
    void SetLedState(int state);
    void SetPowerState(bool on);
    // A locked unit's power button is disabled and shows the locked
    // picture; unlocked it shows the picture of the power state again.
    void SetPowerLocked(bool locked);
    void SetModellingLightOn(bool on);
    // Checks the radio of mode; a mode without a radio checks none.
    void SetModellingLightMode(int mode);
    void SetCellChecked(bool checked);
    void SetIrChecked(bool checked);
    void SetRfChecked(bool checked);
    void SetEnergyRangeChecked(bool checked);
    // "IDC_LM_OVER": "set to prop" and n - 2.
    void SetLmOverText(int n);
    // Shows or hides it when its state differs, and lays the page out again.
    void ShowLmOver(bool show);
    // The level the setting pages show: the information page's service
    // group and the options page's total reset.
    void SetServiceLevel(int level);

    // Record 100: LED, service level (on a change: setting pages and status
    // rows) and the measured voltages.
    void ShowServiceStatus(const ServiceStatus& status);

    // The record kinds every family shows alike; a field the record lacks
    // leaves its control as it is, as does a setting page the family lacks.
    // Record 4: the information page, the program version and the caption.
    void ShowUnitInfo(const UnitRecords::UnitInfo& info);
    // Record 5: the modelling lamp and the trigger boxes.
    void ShowFlashBoxes(const UnitRecords::FlashBoxes& boxes);
    // Record 6: the options page's counters and the owner.
    void ShowCounters(const UnitRecords::Counters& counters);
    // Record 7: the alarm words and lines, then the status rows.
    void ShowAlarms(const UnitRecords::Alarms& alarms);
    // Record 8: the information page's dates.
    void ShowDates(const UnitRecords::Dates& dates);
    void ShowOwner(const UnitRecords::Owner& owner);
    // Records 101 to 104: the memory page when it shows memory index, since
    // only the memory the user looks at is shown; an empty memory is stored
    // from the unit's settings instead and shows nothing.
    CMemoryPageBase* MemoryPageFor(int index, bool empty);
    // The memory table's right column, values and labels, from the top down.
    void ShowMemoryRightColumn(CMemoryPageBase& page, const MemoryLine* lines, size_t count);

    // Record 4: the unit's minor program version and notebook caption.
    void SetProgramVersion(int minor) { m_programVersion = static_cast<uint16_t>(minor); }
    void SetUnitCaption(const PageText& caption);

    // The text of id in the page's language, and a composed page text.
    wxString Text(int id) const;
    wxString Text(const PageText& text) const;
    // Texts to and from the unit, one byte a character.
    static wxString UnitText(const std::string& bytes);
    static std::string UnitBytes(const wxString& text);

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
    virtual void OnStatusSet();
    // Where a short click of a spin lands: the step itself by default.
    virtual SpinStepper::Landing SpinLanding() const { return nullptr; }
    // The power button's picture while the unit is on.
    virtual PowerFace PowerOnFace() const { return PowerFace::On; }
    // Whether the unit has this flash control or full-view control: one it
    // lacks stays hidden where the page would show the others again.
    virtual bool UnitHasControl(const char* /*name*/) const { return true; }

    // A record with a step's answer: the marks clear and the busy state ends.
    void EndSteps();

    const Traits& GetTraits() const { return m_traits; }

private:
    template <auto decode, auto show>
    void DecodeAndShow(const RecordView& record)
    {
        if (const auto fields = decode(record))
            (this->*show)(*fields);
    }

    void BindEvents();
    void SetPageTexts();
    // The flash controls and LED, shown where the unit has them or hidden
    // under the status panel's suggested settings.
    void ShowFlashControls(bool shown);
    void ShowPowerPicture();
    void ShowPowerState();
    bool IsBoxChecked(const char* name);
    void SetBox(const char* name, bool checked);

    void OnCommandBox(wxCommandEvent& event);
    void OnTest(wxCommandEvent& event);
    void OnRadio(wxCommandEvent& event);
    void OnLmLight(wxCommandEvent& event);
    void OnPower(wxCommandEvent& event);
    void OnStatusSetButton(wxCommandEvent& event);

    const Traits& m_traits;
    CFlashDevice* m_unit;
    wxStaticBitmap* m_led = nullptr;
    wxBitmapButton* m_powerButton = nullptr;
    wxBitmapButton* m_lampButton = nullptr;

    bool m_idle = true;
    std::array<bool, 2> m_stepPending{};
    bool m_modellingLight = false;
    bool m_power = false;
    bool m_powerLocked = false;
    int m_powerDisplay = 0;
    int m_modellingLightMode = 0;
    uint16_t m_programVersion = 0;
    int m_ledState = 0;
    CPageLanguage m_language;
    CStatusPanel m_statusPanel;
    CLightBars m_lightBars;
    CSettingBooks m_settingBooks;
    CBusyCursor m_busyCursor;
    // Values of the selection reports raised while a record was applied.
    std::vector<int32_t> m_deferredSelections;
};
