#include "pages/aux/AuxPageBase.h"

#include <algorithm>
#include <iomanip>
#include <locale>
#include <sstream>

#include <wx/checkbox.h>
#include <wx/scrolbar.h>
#include <wx/spinbutt.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "controls/SpinButton.h"
#include "pages/CommandCodes.h"
#include "pages/SettingPageHost.h"

wxBEGIN_EVENT_TABLE(CAuxPageBase, CSettingPage)
    EVT_LEFT_UP(CAuxPageBase::OnFieldClick)
    EVT_COMMAND_SCROLL_TOP(XRCID("IDC_AU_SCROLL"), CAuxPageBase::OnScroll)
    EVT_COMMAND_SCROLL_BOTTOM(XRCID("IDC_AU_SCROLL"), CAuxPageBase::OnScroll)
    EVT_COMMAND_SCROLL_LINEUP(XRCID("IDC_AU_SCROLL"), CAuxPageBase::OnScroll)
    EVT_COMMAND_SCROLL_LINEDOWN(XRCID("IDC_AU_SCROLL"), CAuxPageBase::OnScroll)
    EVT_COMMAND_SCROLL_PAGEUP(XRCID("IDC_AU_SCROLL"), CAuxPageBase::OnScroll)
    EVT_COMMAND_SCROLL_PAGEDOWN(XRCID("IDC_AU_SCROLL"), CAuxPageBase::OnScroll)
    EVT_COMMAND_SCROLL_THUMBTRACK(XRCID("IDC_AU_SCROLL"), CAuxPageBase::OnScroll)
    EVT_COMMAND_SCROLL_THUMBRELEASE(XRCID("IDC_AU_SCROLL"), CAuxPageBase::OnScroll)
    EVT_SPIN_UP(XRCID("IDC_AU_SPIN"), CAuxPageBase::OnSpinStep)
    EVT_SPIN_DOWN(XRCID("IDC_AU_SPIN"), CAuxPageBase::OnSpinStep)
    EVT_COMMAND_SCROLL_THUMBRELEASE(XRCID("IDC_AU_SPIN"), CAuxPageBase::OnSpinRelease)
    EVT_CHECKBOX(XRCID("IDC_AU_STORE"), CAuxPageBase::OnStore)
    EVT_BUTTON(XRCID("IDC_AU_RESET"), CAuxPageBase::OnReset)
wxEND_EVENT_TABLE()

namespace {

const int kOff = 2028;
// The step and page sizes of the scroll bar, in the page's time unit.
const int kLine = 1;
const int kPage = 10;

}  // namespace

CAuxPageBase::CAuxPageBase(CFlashDevice* unit, CSettingPageHost* host, const Table& table)
    : CSettingPage(unit, host), m_table(table), m_queues(table.fields.size())
{
}

bool CAuxPageBase::InitControls()
{
    UpdateHelp(m_selected);
    Highlight(m_selected, true);
    if (auto* bar = FindCtrl<wxScrollBar>(this, "IDC_AU_SCROLL"))
        bar->SetScrollbar(m_table.scrollRange, 1, m_table.scrollRange, kPage, true);

    auto* spin = new CSpinButton(this, XRCID("IDC_AU_SPIN"));
    AttachControl("IDC_AU_SPIN", spin, this);
    if (m_table.spinRepeatPeriod)
        spin->SetRepeatPeriod(m_table.spinRepeatPeriod);

    for (const TextRow& tip : m_table.toolTips) {
        if (wxWindow* control = FindWindow(XRCID(tip.control)))
            control->SetToolTip(Text(tip.text));
    }
    for (const TextRow& label : m_table.labels)
        SetCtrlText(this, XRCID(label.control), Text(label.text));

    // GTK hands a click on a label to the label, not to the page under it.
    for (size_t field = 0; field < m_table.fields.size(); ++field) {
        if (wxWindow* window = FieldWindow(int(field)))
            window->Bind(wxEVT_LEFT_UP, &CAuxPageBase::OnFieldMouseUp, this);
    }
    InitFamilyControls();
    // The captions in the page's language change what the controls need;
    // laid out in less, GTK would squeeze them below their minimum.
    Fit();
    return true;
}

void CAuxPageBase::SetSequence(int value, bool fromUser)
{
    if (!fromUser && Echoed(Word::Sequence, value))
        return;
    Store(Word::Sequence, std::clamp(value, 0, m_table.sequenceMax));
    ShowCount(Word::Sequence);
}

void CAuxPageBase::SetDelay(int value, bool moveThumb)
{
    Store(Word::Delay, std::clamp(value, 0, m_table.scrollRange));
    ShowSeconds(Word::Delay);
    if (moveThumb)
        UpdateScrollPosition();
}

// Rising from off or from below the unit's shortest interval lands on that
// interval at least; falling below it switches the interval off.
void CAuxPageBase::SetInterval(int value, bool moveThumb)
{
    const int minimum = Value(Word::MinInterval);
    int interval = std::min(value, m_table.scrollRange);
    if (interval > Value(Word::Interval))
        interval = std::max(interval, minimum);
    else if (interval < minimum)
        interval = 0;
    // A shortest interval out of range from the unit must not carry the
    // interval past the scroll bar's ends.
    Store(Word::Interval, std::clamp(interval, 0, m_table.scrollRange));
    ShowSeconds(Word::Interval);
    if (moveThumb)
        UpdateScrollPosition();
}

void CAuxPageBase::SetT01(int mode)
{
    const int masked = mode & 0x8F;
    Store(Word::T01Mode, masked);
    const int field = FieldOf(Word::T01Value);
    if (field < 0)
        return;
    // Optimum, a set duration, or the shortest one (bit 7 alone).
    const int caption = masked == 0 ? 2018 : (masked & 0x0F) ? 2019 : 2020;
    SetCtrlText(this, XRCID(m_table.fields[field].caption), Text(caption));
    const int16_t value = Value(Word::T01Value);
    SetFieldText(Word::T01Value, value == 0 ? wxString() : wxString::Format("1/%d", value));
}

void CAuxPageBase::SetT01Value(uint16_t value)
{
    Store(Word::T01Value, value);
}

void CAuxPageBase::SetT01ValueAlt(uint16_t value)
{
    Store(Word::T01ValueAlt, value);
}

void CAuxPageBase::SetIntervalAlt(uint16_t value)
{
    Store(Word::IntervalAlt, value);
}

void CAuxPageBase::SetMinInterval(uint16_t value)
{
    Store(Word::MinInterval, value);
}

void CAuxPageBase::SetStore(bool ticked)
{
    if (auto* box = FindCtrl<wxCheckBox>(this, "IDC_AU_STORE"))
        box->SetValue(ticked);
}

bool CAuxPageBase::IsStoreChecked() const
{
    auto* box = FindCtrl<wxCheckBox>(this, "IDC_AU_STORE");
    return box && box->GetValue();
}

int16_t CAuxPageBase::GetSelectedFieldIndex() const
{
    return m_table.fields[m_selected].index;
}

void CAuxPageBase::SelectField(int field)
{
    if (field < 0 || field >= int(m_table.fields.size()) || field == m_selected)
        return;

    // The spin button edits counts, the scroll bar times; they change places
    // only when the selection crosses between the two.
    const bool wasScroll = IsScrollField(m_selected);
    const bool isScroll = IsScrollField(field);
    if (wasScroll != isScroll) {
        if (wxWindow* spinPlace = FindWindow("IDC_AU_SPIN_container"))
            ShowWindow(spinPlace, !isScroll);
        ShowCtrl(this, XRCID("IDC_AU_SCROLL"), isScroll);
        Layout();
    }

    Highlight(m_selected, false);
    m_selected = field;
    Highlight(field, true);
    UpdateHelp(field);
    SendCommand(CommandCode::kSelections, 0);
    UpdateScrollPosition();
}

void CAuxPageBase::SelectFieldByIndex(int16_t index)
{
    SelectField(FieldForIndex(index));
    UpdateHelp(m_selected);
}

int CAuxPageBase::FieldOf(Word word) const
{
    for (size_t field = 0; field < m_table.fields.size(); ++field) {
        if (m_table.fields[field].word == word)
            return int(field);
    }
    return -1;
}

wxWindow* CAuxPageBase::FieldWindow(int field) const
{
    return FindWindow(XRCID(m_table.fields[field].name));
}

bool CAuxPageBase::Echoed(Word word, int value)
{
    const int field = FieldOf(word);
    return field >= 0 && m_queues[field].Swallow(value);
}

void CAuxPageBase::ShowCount(Word word)
{
    const int16_t value = Value(word);
    SetFieldText(word, value == 0 ? Text(kOff) : wxString::Format("%d", value));
}

void CAuxPageBase::ShowSeconds(Word word)
{
    const int16_t value = Value(word);
    SetFieldText(word, value == 0 ? Text(kOff) : FormatSeconds(value));
}

// With '.' under any locale: the toolkit's own conversions follow the
// locale's decimal separator.
wxString CAuxPageBase::FormatSeconds(int value) const
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(m_table.secondsDecimals) << double(value) / m_table.secondsDivisor << 's';
    return wxString::FromUTF8(text.str());
}

void CAuxPageBase::UpdateHelp(int field)
{
    const bool locked = IsHelpLocked();
    for (const HelpRow& row : m_table.help) {
        if (row.field != field || (row.when == When::Unlocked && locked) || (row.when == When::Locked && !locked))
            continue;
        for (size_t other = 0; other < m_table.fields.size(); ++other) {
            wxWindow* window = FieldWindow(int(other));
            if (!window)
                continue;
            if (row.enable & Bit(int(other)))
                window->Enable(true);
            else if (row.disable & Bit(int(other)))
                window->Enable(false);
        }
        if (row.title == 0 && row.text == 0)
            ShowHelpDrawing();
        else
            ShowTextHelp(row.title, row.text);
        return;
    }
}

void CAuxPageBase::ShowTextHelp(int title, int text)
{
    HideHelpDrawing();
    SetCtrlText(this, XRCID("IDC_AU_HELPGROUP"), Text(title));
    SetCtrlText(this, XRCID("IDC_AU_HELPTEXT"), HelpText(text));
    ShowCtrl(this, XRCID("IDC_AU_HELPGROUP"), true);
    ShowCtrl(this, XRCID("IDC_AU_HELPTEXT"), true);
    LayoutIfChanged();
}

void CAuxPageBase::UpdateScrollPosition()
{
    if (!IsScrollField(m_selected))
        return;
    if (auto* bar = FindCtrl<wxScrollBar>(this, "IDC_AU_SCROLL"))
        bar->SetThumbPosition(m_table.scrollRange - Value(m_table.fields[m_selected].word));
}

void CAuxPageBase::StepField(int field, int delta)
{
    const FieldRow& row = m_table.fields[field];
    if (row.word == Word::Sequence)
        StepSequence(delta);
    else if (row.word == Word::T01Value)
        SendStep(row.command, delta, GetHost()->IsStepPending());
}

void CAuxPageBase::StepSequence(int delta)
{
    int sequence = Value(Word::Sequence) + delta;
    if (sequence == 1 && m_table.skipSequenceOne && GetHost()->GetProgramVersion() < 4)
        sequence += delta;
    SetSequence(sequence, true);
}

void CAuxPageBase::SendStep(int16_t command, int delta, bool pending)
{
    if (!pending)
        SendCommand(command, delta > 0 ? 1 : 0);
}

int CAuxPageBase::FieldForIndex(int16_t index) const
{
    int top = 0;
    for (const FieldRow& row : m_table.fields)
        top = std::max<int>(top, row.index);
    const int wanted = std::clamp<int>(index, 0, top);
    for (size_t field = 0; field < m_table.fields.size(); ++field) {
        if (m_table.fields[field].index == wanted)
            return int(field);
    }
    return 0;
}

void CAuxPageBase::OnFieldClick(wxMouseEvent& event)
{
    if (!HitField(event.GetPosition()))
        event.Skip();
}

void CAuxPageBase::OnFieldMouseUp(wxMouseEvent& event)
{
    auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
    if (!window || !HitField(ScreenToClient(window->ClientToScreen(event.GetPosition()))))
        event.Skip();
}

// The bar is inverted, so that up lengthens: a thumb position stands for
// range minus the value, and a line or page down shortens.
void CAuxPageBase::OnScroll(wxScrollEvent& event)
{
    const wxEventType type = event.GetEventType();
    const bool tracking = type == wxEVT_SCROLL_THUMBTRACK;
    const bool thumb = tracking || type == wxEVT_SCROLL_THUMBRELEASE;
    int delta = 0;
    if (type == wxEVT_SCROLL_LINEDOWN)
        delta = kLine;
    else if (type == wxEVT_SCROLL_LINEUP)
        delta = -kLine;
    else if (type == wxEVT_SCROLL_PAGEDOWN)
        delta = kPage;
    else if (type == wxEVT_SCROLL_PAGEUP)
        delta = -kPage;
    else if (!thumb)
        return;  // top and bottom: the bar's ends mean nothing here

    if (!IsScrollField(m_selected))
        return;
    const FieldRow& row = m_table.fields[m_selected];
    const int value = thumb ? m_table.scrollRange - event.GetPosition() : Value(row.word) - delta;
    // While the thumb is dragged the value follows on screen only.
    if (row.word == Word::Interval)
        SetInterval(value, !tracking);
    else if (row.word == Word::Delay)
        SetDelay(value, !tracking);
    if (!tracking)
        SendCommand(row.command, Value(row.word));
}

void CAuxPageBase::OnSpinStep(wxSpinEvent& event)
{
    StepField(m_selected, event.GetEventType() == wxEVT_SPIN_UP ? 1 : -1);
}

// Every press steps at least once, so every release sends, also at a limit.
void CAuxPageBase::OnSpinRelease(wxScrollEvent&)
{
    const FieldRow& row = m_table.fields[m_selected];
    if (row.editor != Editor::SpinOnRelease)
        return;
    const int16_t value = Value(row.word);
    m_queues[m_selected].Push(value);
    SendCommand(row.command, value);
}

void CAuxPageBase::OnStore(wxCommandEvent&)
{
    SendCommand(CommandCode::kStoreFlag, IsStoreChecked() ? 1 : 0);
}

// The unit's reports show what the reset did.
void CAuxPageBase::OnReset(wxCommandEvent&)
{
    SendCommand(CommandCode::kResetAux, 0);
}

bool CAuxPageBase::HitField(const wxPoint& point)
{
    // A hidden field is not there for the user; its area belongs to the page.
    for (size_t field = 0; field < m_table.fields.size(); ++field) {
        wxWindow* window = FieldWindow(int(field));
        if (!window || !window->IsShown() || !window->GetRect().Contains(point))
            continue;
        if (window->IsEnabled())
            SelectField(int(field));
        return true;
    }
    return false;
}

void CAuxPageBase::Highlight(int field, bool selected)
{
    wxWindow* window = FieldWindow(field);
    if (!window)
        return;
    window->SetBackgroundColour(selected ? wxColour(0, 0, 255) : *wxWHITE);
    window->SetForegroundColour(selected ? *wxWHITE : *wxBLACK);
    window->Refresh();
}

void CAuxPageBase::SetFieldText(Word word, const wxString& text)
{
    const int field = FieldOf(word);
    if (field >= 0)
        SetCtrlText(this, XRCID(m_table.fields[field].name), text);
}

bool CAuxPageBase::IsScrollField(int field) const
{
    return m_table.fields[field].editor == Editor::Scroll;
}
