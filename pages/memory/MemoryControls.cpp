#include "pages/memory/MemoryControls.h"

#include <wx/radiobut.h>
#include <wx/window.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"

const MemoryRadioGroup kMemoryPageRadios = {
    "IDC_ME_MEMORY_UNSET",
    {"IDC_ME_MEMORY1", "IDC_ME_MEMORY2", "IDC_ME_MEMORY3", "IDC_ME_MEMORY4"},
};

namespace {

wxRadioButton* FindRadio(wxWindow* page, const char* name)
{
    return FindCtrl<wxRadioButton>(page, name);
}

}  // namespace

int GetSelectedMemoryOf(wxWindow* page, const MemoryRadioGroup& group)
{
    int selected = 0;
    for (int i = 0; i < 4; ++i) {
        if (wxRadioButton* radio = FindRadio(page, group.memories[i]); radio && radio->GetValue())
            selected = i;
    }
    return selected;
}

void SelectMemoryOn(wxWindow* page, const MemoryRadioGroup& group, int index)
{
    for (int i = 0; i < 4; ++i) {
        if (wxRadioButton* radio = FindRadio(page, group.memories[i]))
            radio->SetValue(i == index);
    }
    // Switching a radio off does nothing under GTK: setting the hidden one
    // switches the four off.
    if (index < 0 || index > 3) {
        if (wxRadioButton* unset = FindRadio(page, group.unset))
            unset->SetValue(true);
    }
}

bool IsRadioChecked(wxWindow* page, int id)
{
    wxRadioButton* radio = FindCtrl<wxRadioButton>(page, id);
    return radio && radio->GetValue();
}

wxString MemoryCellName(int line, MemoryCell cell)
{
    const bool left = cell == MemoryCell::LeftValue || cell == MemoryCell::LeftLabel;
    const bool label = cell == MemoryCell::LeftLabel || cell == MemoryCell::RightLabel;
    return wxString::Format("IDC_ME_LINE%d%s%s", line, left ? "L" : "R", label ? "_LA" : "");
}

void SetMemoryCell(wxWindow* page, int line, MemoryCell cell, const wxString& text)
{
    SetCtrlText(page, XRCID(MemoryCellName(line, cell)), text);
}
