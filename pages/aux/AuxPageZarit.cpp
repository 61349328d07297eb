#include "pages/aux/AuxPageZarit.h"

#include <algorithm>

#include <wx/spinbutt.h>
#include <wx/tglbtn.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "pages/CommandCodes.h"
#include "pages/SettingPageHost.h"

wxBEGIN_EVENT_TABLE(CAuxPageZarit, CAuxPageBase)
    EVT_SPIN_UP(XRCID("IDC_AU_SPINSCROLL"), CAuxPageZarit::OnSpinScroll)
    EVT_SPIN_DOWN(XRCID("IDC_AU_SPINSCROLL"), CAuxPageZarit::OnSpinScroll)
    EVT_SPIN(XRCID("IDC_AU_SPINSCROLL"), CAuxPageZarit::OnSpinScrollMoved)
    EVT_TOGGLEBUTTON(XRCID("IDC_AU_STROBO"), CAuxPageZarit::OnStrobo)
wxEND_EVENT_TABLE()

namespace {

using Base = CAuxPageBase;
using Editor = Base::Editor;
using When = Base::When;
using Word = Base::Word;
using Page = CAuxPageZarit;

const unsigned kAll = Base::Bit(Page::SEQUENCE) | Base::Bit(Page::T01) | Base::Bit(Page::COLOR) |
                      Base::Bit(Page::INTERVAL) | Base::Bit(Page::DELAY) | Base::Bit(Page::ALTERNATE) |
                      Base::Bit(Page::NO_ALTERNATE);
// What strobo leaves to edit: delay, and the colour, which nothing disables.
const unsigned kLockedOut = kAll & ~(Base::Bit(Page::DELAY) | Base::Bit(Page::COLOR));

unsigned Others(int field)
{
    return kAll & ~Base::Bit(field);
}

const Base::Table kTable = {
    {
        {"IDC_AU_SEQUENCE", "IDC_AU_LA_SEQUENCE", 0, Editor::SpinOnRelease, CommandCode::kSequence, Word::Sequence},
        {"IDC_AU_T01", "IDC_AU_LA_T01", 1, Editor::SpinAtOnce, CommandCode::kStepT01, Word::T01Value},
        {"IDC_AU_COLOR", "IDC_AU_LA_COLOR", 5, Editor::SpinAtOnce, CommandCode::kStepColour, Word::Own},
        {"IDC_AU_INTERVAL", "IDC_AU_LA_INTERVAL", 2, Editor::Scroll, CommandCode::kInterval, Word::Interval},
        {"IDC_AU_DELAY", "IDC_AU_LA_DELAY", 4, Editor::Scroll, CommandCode::kDelay, Word::Delay},
        {"IDC_AU_ALTERNATE", "IDC_AU_LA_ALTERNATE", 3, Editor::SpinAtOnce, CommandCode::kAlternate, Word::Alternate},
        {"IDC_AU_NO_ALTERNATE", "IDC_AU_LA_NO_ALTERNATE", 6, Editor::SpinAtOnce, CommandCode::kAlternate, Word::Own},
    },
    {
        {Page::SEQUENCE, When::Always, Others(Page::SEQUENCE), 0, 2030, 2031},
        {Page::T01, When::Always, Others(Page::T01), 0, 2032, 2033},
        {Page::INTERVAL, When::Always, Others(Page::INTERVAL), 0, 2034, 2035},
        {Page::DELAY, When::Unlocked, Others(Page::COLOR), 0, 2036, 2037},
        {Page::COLOR, When::Unlocked, Others(Page::COLOR), 0, 2233, 2234},
        {Page::DELAY, When::Locked, Base::Bit(Page::DELAY), kLockedOut, 2036, 2037},
        {Page::COLOR, When::Locked, Base::Bit(Page::DELAY), kLockedOut, 2233, 2234},
        // Both alternation rows leave the place field as it is.
        {Page::ALTERNATE, When::Always, Others(Page::ALTERNATE), 0, 2040, 2237},
        {Page::NO_ALTERNATE, When::Always, Others(Page::ALTERNATE), 0, 2040, 2237},
    },
    {
        {"IDC_AU_RESET", 2029},
        {"IDC_AU_STORE", 2042},
        {"IDC_AU_LA_SEQUENCE", 2017},
        {"IDC_AU_LA_INTERVAL", 2022},
        {"IDC_AU_LA_DELAY", 2023},
        {"IDC_AU_LA_COLOR", 2207},
        {"IDC_AU_LA_ALTERNATE", 2025},
        {"IDC_AU_LA_NO_ALTERNATE", 2229},
        {"IDC_AU_STROBO", 2230},
    },
    {{"IDC_AU_STORE", 2082}, {"IDC_AU_RESET", 2083}},
    5000,
    100,
    2,
    50,
    true,
    70,
};

const int kMinPacks = 2;
const int kMaxPacks = 4;
const int16_t kOptimumColour = 4;
const int kKelvinPerColourStep = 200;
// The second arrows' range: wide, so that no run of steps between two
// re-centrings reaches an end.
const int kSpinScrollEnd = 1000;

}  // namespace

CAuxPageZarit::CAuxPageZarit(CFlashDevice* unit, CSettingPageHost* host) : CAuxPageBase(unit, host, kTable) {}

void CAuxPageZarit::SetNoAlternate(int value, bool)
{
    m_packs = int16_t(std::clamp(value, kMinPacks, kMaxPacks));
    SetCtrlText(this, XRCID("IDC_AU_NO_ALTERNATE"), wxString::Format("%d", m_packs));
}

// Off, active (the first to fire), or waiting n - 1 signals.
void CAuxPageZarit::SetAlternate(int value, bool)
{
    Store(Word::Alternate, std::clamp<int>(value, 0, m_packs));
    const int16_t place = GetAlternate();
    wxString text;
    if (place == 0)
        text = Text(2028);
    else if (place == 1)
        text = Text(2226);
    else
        text = wxString::Format(Text(2227), place - 1);
    SetCtrlText(this, XRCID("IDC_AU_ALTERNATE"), text);
}

// Shown as reported, whatever the step: the unit knows its range.
void CAuxPageZarit::SetColour(int16_t index)
{
    m_colour = index;
    SetCtrlText(this, XRCID("IDC_AU_COLOR"),
                index == kOptimumColour ? Text(2208)
                                        : wxString::Format("%+dK", (index - kOptimumColour) * kKelvinPerColourStep));
}

void CAuxPageZarit::SetColourAlt(int16_t index)
{
    m_colourAlt = index;
}

void CAuxPageZarit::SetStrobo(int state)
{
    m_strobo = int16_t(state);
    if (auto* toggle = FindCtrl<wxToggleButton>(this, "IDC_AU_STROBO"))
        toggle->SetValue(m_strobo != 0);
    const int selected = GetSelectedField();
    if (m_strobo != 0 && selected != DELAY && selected != COLOR)
        SelectField(COLOR);
    else
        UpdateHelp(selected);
}

void CAuxPageZarit::StepField(int field, int delta)
{
    switch (field) {
    case COLOR:
        SendStep(CommandCode::kStepColour, delta, GetHost()->IsSecondStepPending());
        break;
    case ALTERNATE:
        SetAlternate(GetAlternate() + delta);
        SendAlternation();
        break;
    case NO_ALTERNATE:
        // The place is left as it is; the unit's report corrects it.
        SetNoAlternate(m_packs + delta);
        SendAlternation();
        break;
    default:
        CAuxPageBase::StepField(field, delta);
        break;
    }
}

void CAuxPageZarit::InitFamilyControls()
{
    if (auto* arrows = FindCtrl<wxSpinButton>(this, "IDC_AU_SPINSCROLL"))
        arrows->SetRange(-kSpinScrollEnd, kSpinScrollEnd);
    CentreSpinScroll();
}

void CAuxPageZarit::SendAlternation()
{
    SendCommand(CommandCode::kAlternate, m_packs * 256 + GetAlternate());
}

void CAuxPageZarit::CentreSpinScroll()
{
    if (auto* arrows = FindCtrl<wxSpinButton>(this, "IDC_AU_SPINSCROLL"))
        arrows->SetValue(0);
}

// The second arrows act as the scroll bar's line steps: up lengthens.
void CAuxPageZarit::OnSpinScroll(wxSpinEvent& event)
{
    wxScrollEvent step(event.GetEventType(), XRCID("IDC_AU_SCROLL"));
    OnScroll(step);
}

// GTK reports the new value after the step; only then may it be put back.
void CAuxPageZarit::OnSpinScrollMoved(wxSpinEvent&)
{
    CentreSpinScroll();
}

// The unit's report sets the strobo state; the toggle only asks for it.
void CAuxPageZarit::OnStrobo(wxCommandEvent&)
{
    auto* toggle = FindCtrl<wxToggleButton>(this, "IDC_AU_STROBO");
    SendCommand(CommandCode::kStrobe, toggle && toggle->GetValue() ? 1 : 0);
}
