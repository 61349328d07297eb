// The controls of a device page that switch the unit itself and show its
// state: the power button, the readiness LED, the modelling lamp's button
// and mode radios with "IDC_LM_OVER", the test flash button and the check
// boxes that each send a command (the trigger boxes and a family's own). The
// flash controls and the LED give way to the status panel's suggested
// settings.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "units/DevicePictures.h"
#include "units/LedState.h"
#include "units/core/PageText.h"
#include "units/core/UnitRecords.h"

class CFlashDevice;
class CPageLanguage;
class wxBitmapButton;
class wxCommandEvent;
class wxStaticBitmap;
class wxWindow;

class CUnitControls {
public:
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

    // The family's rows: its radios, the hidden radio of the group that is
    // set while no mode is shown (a radio group always keeps one of its
    // radios set), its command boxes and the power button's picture while
    // the unit is on.
    struct Rows {
        const std::vector<RadioRow>& radios;
        const char* noRadio;
        const std::vector<CommandBox>& boxes;
        PowerFace powerOnFace;
    };
    // What the controls ask of the page: its command route; after the user
    // picked a radio, the radios the unit allows now; the light bars, which
    // follow the power state; whether the unit has a control at all; what
    // follows a check box, told each time the user or the unit sets it.
    struct Seams {
        std::function<void(int16_t code, int32_t value)> send;
        std::function<void()> radioPicked;
        std::function<void(bool on)> powered;
        std::function<bool(const char* name)> unitHas;
        std::function<void(const char* name, bool checked)> boxSet;
    };

    CUnitControls(wxWindow& page, CFlashDevice* unit, const Rows& rows, const CPageLanguage& language, Seams seams);

    // Finds the buttons and the LED in the page's layout, gives them their
    // pictures and hides the flash controls the unit lacks.
    void Build();

    LedState GetLedState() const { return m_ledState; }
    bool IsPowerOn() const { return m_power; }
    bool IsModellingLightOn() const { return m_modellingLight; }
    int GetModellingLightMode() const { return m_modellingLightMode; }
    bool IsBoxChecked(const char* name) const;

    // The unit's state, shown without a command. A unit with radio release
    // shows no LED state.
    void SetLedState(LedState state);
    void SetPowerState(bool on);
    // A locked unit's power button is disabled and shows the locked
    // picture; unlocked it shows the picture of the power state again.
    void SetPowerLocked(bool locked);
    void SetModellingLightOn(bool on);
    // Checks the radio of mode; a mode without a radio checks none.
    void SetModellingLightMode(int mode);
    // Enables each radio by whether allowed gives its mode.
    void EnableRadios(const std::function<bool(int mode)>& allowed);
    void SetBox(const char* name, bool checked);
    // Record 5: the modelling lamp and the trigger boxes.
    void ShowFlashBoxes(const UnitRecords::FlashBoxes& boxes);
    // "IDC_LM_OVER": the level the unit runs instead of the selected one.
    void SetLmOverText(const PageText& text);
    // Shows or hides it when its state differs, and lays the page out again.
    void ShowLmOver(bool show);
    // The flash controls and the LED, shown where the unit has them or
    // hidden under the status panel's suggested settings.
    void ShowFlashControls(bool shown);

private:
    void ShowPowerPicture();
    void ShowPowerState();

    void OnCommandBox(wxCommandEvent& event);
    void OnTest(wxCommandEvent& event);
    void OnRadio(wxCommandEvent& event);
    void OnLmLight(wxCommandEvent& event);
    void OnPower(wxCommandEvent& event);

    wxWindow& m_page;
    CFlashDevice* m_unit;
    Rows m_rows;
    const CPageLanguage& m_language;
    Seams m_seams;
    wxStaticBitmap* m_led = nullptr;
    wxBitmapButton* m_powerButton = nullptr;
    wxBitmapButton* m_lampButton = nullptr;
    LedState m_ledState = kLedNone;
    bool m_power = false;
    bool m_powerLocked = false;
    bool m_modellingLight = false;
    int m_modellingLightMode = 0;
    // The status panel's suggested settings do not cover the flash controls.
    bool m_flashShown = true;
};
