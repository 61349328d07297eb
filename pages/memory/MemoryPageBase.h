// The memory page of a power pack: choose one of its four memories, store
// the unit's settings into it or recall it, and see what it holds in a table
// of five lines that the device page's memory-record decoder fills. The
// families' pages differ only in their panel and in the lamp labels of the
// table's left column.
#pragma once

#include <array>

#include <wx/string.h>

#include "pages/SettingPage.h"

class wxCommandEvent;

// The left label of a lamp line of the table.
struct MemoryLampLabel {
    enum Shown { Hidden, Untouched, Lamp };
    Shown shown;
    // Behind the word "lamp" when shown as a lamp.
    const char* suffix;
};

struct MemoryPageTraits {
    const char* panel;
    // Left labels of lines 1 to 4.
    std::array<MemoryLampLabel, 4> leftLabels;
};

class CMemoryPageBase : public CSettingPage {
public:
    CMemoryPageBase(CFlashDevice* unit, CSettingPageHost* host, const MemoryPageTraits& traits);

    // The panel of the resource file that the page is made from.
    const char* GetPanelName() const { return m_traits.panel; }

    bool InitControls() override;

    // Index 0..3 of the chosen memory; 0 when none is chosen.
    int GetSelectedMemory();
    // Shows the unit's choice; sends nothing. Outside 0..3 none is chosen.
    void SelectMemory(int index);
    // Whether the memory radio button with that id is set.
    bool GetCheck(int id);

    void SetLine1L(const wxString& text);
    void SetLine2L(const wxString& text);
    void SetLine3L(const wxString& text);
    void SetLine4L(const wxString& text);
    void SetLine5L(const wxString& text);
    void SetLine3LLabel(const wxString& text);
    void SetLine5LLabel(const wxString& text);
    void SetLine1R(const wxString& text);
    void SetLine2R(const wxString& text);
    void SetLine3R(const wxString& text);
    void SetLine4R(const wxString& text);
    void SetLine5R(const wxString& text);
    void SetLine1RLabel(const wxString& text);
    void SetLine2RLabel(const wxString& text);
    void SetLine3RLabel(const wxString& text);
    void SetLine4RLabel(const wxString& text);
    void SetLine5RLabel(const wxString& text);

private:
    void SetPageTexts();
    void ReserveTableWidths();
    void OnMemory1(wxCommandEvent& event);
    void OnMemory2(wxCommandEvent& event);
    void OnMemory3(wxCommandEvent& event);
    void OnMemory4(wxCommandEvent& event);
    void OnStore(wxCommandEvent& event);
    void OnRecall(wxCommandEvent& event);
    // The radio is already set: command 11 carries the new memory, then the
    // unit is asked for what that memory holds.
    void ShowChosenMemory(int index);

    const MemoryPageTraits& m_traits;

    wxDECLARE_EVENT_TABLE();
};
