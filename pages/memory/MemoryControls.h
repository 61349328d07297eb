// The memory choice and the memory information table, by control name: the
// memory pages use them on themselves, and a device page that carries its
// memories itself uses them on its own radios and table.
#pragma once

#include <array>

#include <wx/string.h>

class wxWindow;

// Four radio buttons of one group for memory index 0 to 3, and the hidden
// radio before them that holds the group's selection while none of the four
// is set (a GTK group always keeps one of its radios set).
struct MemoryRadioGroup {
    const char* unset;
    std::array<const char*, 4> memories;
};

// "IDC_ME_MEMORY1" to "IDC_ME_MEMORY4" of the memory pages.
extern const MemoryRadioGroup kMemoryPageRadios;

// The index of the set radio among the four (the last one when several are);
// 0 when none is.
int GetSelectedMemoryOf(wxWindow* page, const MemoryRadioGroup& group);

// Sets the radio of index on and the others off, without a selection event;
// an index outside 0..3 leaves all four off.
void SelectMemoryOn(wxWindow* page, const MemoryRadioGroup& group, int index);

// Whether the radio button with that id below page is set; false when there
// is none.
bool IsRadioChecked(wxWindow* page, int id);

// The cells of a line of the information table: "IDC_ME_LINE<n>L",
// "IDC_ME_LINE<n>L_LA", "IDC_ME_LINE<n>R", "IDC_ME_LINE<n>R_LA".
enum class MemoryCell { LeftValue, LeftLabel, RightValue, RightLabel };

wxString MemoryCellName(int line, MemoryCell cell);

// Writes text into the cell of line (1 to 5) below page.
void SetMemoryCell(wxWindow* page, int line, MemoryCell cell, const wxString& text);
