#include "pages/memory/MemoryPageBase.h"

#include <iterator>
#include <vector>

#include <wx/event.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "pages/CommandCodes.h"
#include "pages/memory/MemoryControls.h"

namespace {

const int kTextLamp = 2015;
const int kTextMemory = 2016;
const int kTextInfoMemory = 2092;
const int kTextRecall = 2093;
const int kTextStore = 2094;

// What the unit's memory records may write into the table: the labels of its
// lines and the widest of their values. The table keeps room for the widest
// from the start, so that a record moves nothing.
const int kLineLabelTexts[] = {2017, 2019, 2022, 2023, 2024, 2025, 2095, 2096, 2099, 2203, 2239};
const char* const kLineLabelWords[] = {"strobo", "Strobo"};
const int kLineValueTexts[] = {2027, 2028, 2097, 2098};
const int kTextNumber = 2100;
const char* const kLineValueWords[] = {"10.0", "-10", "1/20000", "99.99", "99.99s", "asym", "sym", "ein"};

}  // namespace

wxBEGIN_EVENT_TABLE(CMemoryPageBase, CSettingPage)
    EVT_RADIOBUTTON(XRCID("IDC_ME_MEMORY1"), CMemoryPageBase::OnMemory1)
    EVT_RADIOBUTTON(XRCID("IDC_ME_MEMORY2"), CMemoryPageBase::OnMemory2)
    EVT_RADIOBUTTON(XRCID("IDC_ME_MEMORY3"), CMemoryPageBase::OnMemory3)
    EVT_RADIOBUTTON(XRCID("IDC_ME_MEMORY4"), CMemoryPageBase::OnMemory4)
    EVT_BUTTON(XRCID("IDC_ME_STORE"), CMemoryPageBase::OnStore)
    EVT_BUTTON(XRCID("IDC_ME_REC"), CMemoryPageBase::OnRecall)
wxEND_EVENT_TABLE()

CMemoryPageBase::CMemoryPageBase(CFlashDevice* unit, CSettingPageHost* host, const MemoryPageTraits& traits)
    : CSettingPage(unit, host), m_traits(traits)
{
}

bool CMemoryPageBase::InitControls()
{
    SetPageTexts();
    for (int line = 1; line <= 4; ++line) {
        const MemoryLampLabel& label = m_traits.leftLabels[line - 1];
        const int id = XRCID(MemoryCellName(line, MemoryCell::LeftLabel));
        if (label.shown == MemoryLampLabel::Hidden)
            ShowCtrl(this, id, false);
        else if (label.shown == MemoryLampLabel::Lamp)
            SetCtrlText(this, id, Text(kTextLamp) + label.suffix);
    }
    ReserveTableWidths();
    return true;
}

void CMemoryPageBase::ReserveTableWidths()
{
    std::vector<wxString> labels(std::begin(kLineLabelWords), std::end(kLineLabelWords));
    for (int id : kLineLabelTexts)
        labels.push_back(Text(id));
    std::vector<wxString> values(std::begin(kLineValueWords), std::end(kLineValueWords));
    for (int id : kLineValueTexts)
        values.push_back(Text(id));
    values.push_back(Text(kTextNumber) + " 99");
    for (int line = 1; line <= 5; ++line) {
        ReserveTextWidth(XRCID(MemoryCellName(line, MemoryCell::RightLabel)), labels);
        ReserveTextWidth(XRCID(MemoryCellName(line, MemoryCell::LeftValue)), values);
        ReserveTextWidth(XRCID(MemoryCellName(line, MemoryCell::RightValue)), values);
    }
    // The left labels the records write; the others keep what the page
    // wrote.
    for (int line : {3, 5})
        ReserveTextWidth(XRCID(MemoryCellName(line, MemoryCell::LeftLabel)), labels);
}

void CMemoryPageBase::SetPageTexts()
{
    SetCtrlText(this, XRCID("IDC_ME_FR_MEMORY"), Text(kTextMemory));
    SetCtrlText(this, XRCID("IDC_ME_FR_INFO"), Text(kTextInfoMemory));
    for (int i = 0; i < 4; ++i)
        SetCtrlText(this, XRCID(kMemoryPageRadios.memories[i]), Text(kTextMemory) + wxString::Format(" %d", i + 1));
    SetCtrlText(this, XRCID("IDC_ME_REC"), Text(kTextRecall));
    SetCtrlText(this, XRCID("IDC_ME_STORE"), Text(kTextStore));
}

int CMemoryPageBase::GetSelectedMemory()
{
    return GetSelectedMemoryOf(this, kMemoryPageRadios);
}

void CMemoryPageBase::SelectMemory(int index)
{
    SelectMemoryOn(this, kMemoryPageRadios, index);
}

bool CMemoryPageBase::GetCheck(int id)
{
    return IsRadioChecked(this, id);
}

void CMemoryPageBase::ShowChosenMemory(int index)
{
    SendCommand(CommandCode::kSelections, 0);
    SendCommand(CommandCode::kRequestRecord, RequestedRecord::kFirstMemory + index);
}

void CMemoryPageBase::OnMemory1(wxCommandEvent&)
{
    // Only memory 1 waits for the unit to hold its device page.
    if (GetDevice() && GetDevice()->GetPage())
        ShowChosenMemory(0);
}

void CMemoryPageBase::OnMemory2(wxCommandEvent&)
{
    ShowChosenMemory(1);
}

void CMemoryPageBase::OnMemory3(wxCommandEvent&)
{
    ShowChosenMemory(2);
}

void CMemoryPageBase::OnMemory4(wxCommandEvent&)
{
    ShowChosenMemory(3);
}

void CMemoryPageBase::OnStore(wxCommandEvent&)
{
    SendCommand(CommandCode::kStoreMemory, GetSelectedMemory());
}

void CMemoryPageBase::OnRecall(wxCommandEvent&)
{
    SendCommand(CommandCode::kRecallMemory, GetSelectedMemory());
}

void CMemoryPageBase::SetLine1L(const wxString& text)
{
    SetMemoryCell(this, 1, MemoryCell::LeftValue, text);
}
void CMemoryPageBase::SetLine2L(const wxString& text)
{
    SetMemoryCell(this, 2, MemoryCell::LeftValue, text);
}
void CMemoryPageBase::SetLine3L(const wxString& text)
{
    SetMemoryCell(this, 3, MemoryCell::LeftValue, text);
}
void CMemoryPageBase::SetLine4L(const wxString& text)
{
    SetMemoryCell(this, 4, MemoryCell::LeftValue, text);
}
void CMemoryPageBase::SetLine5L(const wxString& text)
{
    SetMemoryCell(this, 5, MemoryCell::LeftValue, text);
}
void CMemoryPageBase::SetLine3LLabel(const wxString& text)
{
    SetMemoryCell(this, 3, MemoryCell::LeftLabel, text);
}
void CMemoryPageBase::SetLine5LLabel(const wxString& text)
{
    SetMemoryCell(this, 5, MemoryCell::LeftLabel, text);
}
void CMemoryPageBase::SetLine1R(const wxString& text)
{
    SetMemoryCell(this, 1, MemoryCell::RightValue, text);
}
void CMemoryPageBase::SetLine2R(const wxString& text)
{
    SetMemoryCell(this, 2, MemoryCell::RightValue, text);
}
void CMemoryPageBase::SetLine3R(const wxString& text)
{
    SetMemoryCell(this, 3, MemoryCell::RightValue, text);
}
void CMemoryPageBase::SetLine4R(const wxString& text)
{
    SetMemoryCell(this, 4, MemoryCell::RightValue, text);
}
void CMemoryPageBase::SetLine5R(const wxString& text)
{
    SetMemoryCell(this, 5, MemoryCell::RightValue, text);
}
void CMemoryPageBase::SetLine1RLabel(const wxString& text)
{
    SetMemoryCell(this, 1, MemoryCell::RightLabel, text);
}
void CMemoryPageBase::SetLine2RLabel(const wxString& text)
{
    SetMemoryCell(this, 2, MemoryCell::RightLabel, text);
}
void CMemoryPageBase::SetLine3RLabel(const wxString& text)
{
    SetMemoryCell(this, 3, MemoryCell::RightLabel, text);
}
void CMemoryPageBase::SetLine4RLabel(const wxString& text)
{
    SetMemoryCell(this, 4, MemoryCell::RightLabel, text);
}
void CMemoryPageBase::SetLine5RLabel(const wxString& text)
{
    SetMemoryCell(this, 5, MemoryCell::RightLabel, text);
}
