// The information page of a unit: model, versions, serial number, dates and
// owner as the unit reports them. At the service levels the unit reports,
// a service group shows and the dates, the owner and the serial number turn
// into edit fields; an edit goes to the unit when its field loses the focus
// or Enter is pressed in it. The families' pages differ in their panel, their
// fields, their captions and what each service level shows.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <wx/string.h>

#include "pages/SettingPage.h"
#include "pages/infos/InfosPageTables.h"

class wxCommandEvent;
class wxFocusEvent;

struct InfosPageTraits {
    const char* panel;
    // Owner, factory date and service date are edit fields; without them
    // only the delivery date and the serial number are.
    bool serviceFields;
    // Longest texts of the edit fields.
    int dateLength;
    int serialLength;
    int ownerLength;
    const std::vector<InfoCaption>& captions;
    const ServiceTable& serviceLevels;
    // Command 25 carries the serial read as a number; otherwise 0 and the
    // field's text.
    bool serialAsNumber;
    // The widest program version the unit can report, whatever its digits:
    // the version display is sized for it.
    const char* widestVersion;
    // Where the family's models differ in their service rows: whether a unit
    // of this type code shows each row's second condition (shownForModel).
    // None: every unit shows the first.
    bool (*modelRows)(uint16_t typeCode) = nullptr;
};

class CInfosPageBase : public CSettingPage {
public:
    CInfosPageBase(CFlashDevice* unit, CSettingPageHost* host, const InfosPageTraits& traits);

    const char* GetPanelName() const { return m_traits.panel; }

    bool InitControls() override;

    // The unit's reports, shown as given.
    void SetType(const wxString& text);
    void SetProgVersion(const wxString& text);
    void SetVoltageVersion(const wxString& text);
    void SetActualVoltage(const wxString& text);
    void SetSerial(const wxString& text);
    // Shown in normal month.year form.
    void SetDelivery(const wxString& text);
    // Shown as reported, not normalised.
    void SetFactoryDate(const wxString& text);
    void SetServiceDate(const wxString& text);
    // Into both the owner display and the owner's edit field.
    void SetOwner(const wxString& text);
    // Into the owner display only.
    void SetOwnerText(const wxString& text);
    void SetLineVoltage(const wxString& text);
    void SetLineFrequency(const wxString& text);
    void SetNominalFlashVoltage(const wxString& text);
    void SetPosFlashVoltage(const wxString& text);
    void SetNegFlashVoltage(const wxString& text);

    // Shows and hides the page's controls for the level the unit reports.
    void SetServiceLevel(int level);

    // The user is done with the edit field id: its text goes to the unit
    // when it differs from what the field last held from the unit or from
    // the user, and only while the device page is not applying a record.
    void OnFieldCommit(int id);

private:
    enum Field { Owner, FactoryDate, ServiceDate, Delivery, Serial, FieldCount };

    struct FieldRow {
        Field field;
        const char* control;
        int16_t code;
        bool date;
        // Only where the family has the service fields.
        bool service;
    };
    static const FieldRow kFields[FieldCount];

    const FieldRow* FindField(int id) const;
    void ShowInField(Field field, const wxString& text);
    int MaxLength(Field field) const;
    void SetPageTexts();
    void OnFieldKillFocus(wxFocusEvent& event);
    void OnFieldEnter(wxCommandEvent& event);

    const InfosPageTraits& m_traits;
    // What each edit field last held from the unit or from the user.
    std::array<wxString, FieldCount> m_committed;

    wxDECLARE_EVENT_TABLE();
};
