// The "options" page of a device page: recycling and buzzer options, power
// display, infrared address, counters and their resets. One body serves
// every family; each family's page is a row of data saying which controls
// its panel holds, which of them send what and which are hidden when.
// The page keeps no setting of its own: the family's command builder reads
// the controls back through the getters, and the record decoders fill them
// through the setters, which never send.
#pragma once

#include <cstdint>
#include <vector>

#include <wx/string.h>

#include "pages/SettingPage.h"

class wxCheckBox;
class wxComboBox;
class wxCommandEvent;

class COptionsPageBase : public CSettingPage {
public:
    // A control labelled with a text of the table.
    struct Caption {
        const char* control;
        int textId;
    };
    // A list entry: a text of the table followed by a literal suffix.
    struct Entry {
        int textId;
        const char* suffix;
    };

    // What one family's options page is made of.
    struct Traits {
        // The panel of the resource file.
        const char* panel;
        // Labels, set in this order.
        std::vector<Caption> captions;
        // Check boxes whose click sends all option states (command 17).
        std::vector<const char*> optionBoxes;
        // Check boxes whose click ends on the page without a command.
        std::vector<const char*> inertBoxes;
        // Entry n of "IDC_OP_POWERDISPLAY" is power-display mode n; empty
        // where the page has no such list.
        std::vector<Entry> powerEntries;
        // Whether the page has the infrared-address list.
        bool irList;
        // The photocell check box.
        const char* cellBox;
        // Hidden whatever the unit is.
        std::vector<const char*> hiddenAlways;
        // Hidden for a unit with radio release.
        std::vector<const char*> hiddenWithRadio;
        // Only units of this type code have the two lists; the others show
        // the photocell box instead (0: no such rule).
        uint16_t listsOnlyForType;
        // A unit of this type code has neither lists nor photocell.
        uint16_t noCellForType;
        // Whether the total reset follows the service level.
        bool resetTotalFollowsLevel;
    };

    const char* GetPanelName() const { return m_traits.panel; }

    bool InitControls() override;

    bool IsBuzzerChecked() const;
    bool IsSlowChecked() const;
    bool IsFastChecked() const;
    bool IsReducedChecked() const;
    bool IsReadyChecked() const;
    bool IsCellChecked() const;

    void SetBuzzer(bool on);
    void SetSlow(bool on);
    void SetFast(bool on);
    void SetReduced(bool on);
    void SetReady(bool on);
    void SetCell(bool on);

    // Shows mode in the power-display list (no entry when the list has none
    // for it) and hands it to the device page, which draws its energies by
    // it.
    void SetPowerDisplay(int mode);
    // Selects that entry of the infrared-address list; -1 or an index the
    // list lacks selects none.
    void SetIrAddress(int index);
    void SetCounter(const wxString& text);
    void SetTotalCounter(const wxString& text);
    // The total reset is offered only at a service level above 0, on the
    // pages where it follows the level.
    void ShowResetTotal(int level);

protected:
    COptionsPageBase(CFlashDevice* unit, CSettingPageHost* host, const Traits& traits);

    // The check box of that name; null when the panel lacks it.
    wxCheckBox* Box(const char* name) const;
    bool IsBoxChecked(const char* name) const;
    // Changes the box without a click event.
    void SetBox(const char* name, bool on);

private:
    wxComboBox* List(const char* name) const;
    void FillList(const char* name, const std::vector<Entry>& entries);
    void ApplyTypeRule();

    void OnOptionCheck(wxCommandEvent& event);
    void OnInertBox(wxCommandEvent& event);
    void OnReset(wxCommandEvent& event);
    void OnResetTotal(wxCommandEvent& event);
    void OnIrAddress(wxCommandEvent& event);
    void OnPowerDisplay(wxCommandEvent& event);

    const Traits& m_traits;
};
