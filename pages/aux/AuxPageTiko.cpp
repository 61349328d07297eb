#include "pages/aux/AuxPageTiko.h"

#include <algorithm>

#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "pages/CommandCodes.h"
#include "pages/SettingPageHost.h"

namespace {

using Base = CAuxPageBase;
using Editor = Base::Editor;
using When = Base::When;
using Word = Base::Word;
using Page = CAuxPageTiko;

const unsigned kAll =
    Base::Bit(Page::SEQUENCE) | Base::Bit(Page::INTERVAL) | Base::Bit(Page::DELAY) | Base::Bit(Page::ALTERNATE);

unsigned Others(int field)
{
    return kAll & ~Base::Bit(field);
}

// The delay in tenths of a second, 0 to 9.9 s, on a bar of 99 steps.
const Base::Table kTable = {
    {
        {"IDC_AU_SEQUENCE", "IDC_AU_LA_SEQUENCE", 0, Editor::SpinOnRelease, CommandCode::kSequence, Word::Sequence},
        {"IDC_AU_INTERVAL", "IDC_AU_LA_INTERVAL", 1, Editor::Scroll, CommandCode::kInterval, Word::Interval},
        {"IDC_AU_DELAY", "IDC_AU_LA_DELAY", 3, Editor::Scroll, CommandCode::kDelay, Word::Delay},
        {"IDC_AU_ALTERNATE", "IDC_AU_LA_ALTERNATE", 2, Editor::SpinOnRelease, CommandCode::kAlternate, Word::Alternate},
    },
    {
        {Page::SEQUENCE, When::Always, Others(Page::SEQUENCE), 0, 2030, 2031},
        {Page::INTERVAL, When::Always, Others(Page::INTERVAL), 0, 2034, 2035},
        {Page::DELAY, When::Always, kAll, 0, 2036, 2202},
        {Page::ALTERNATE, When::Always, Others(Page::ALTERNATE), 0, 2040, 2041},
    },
    {
        {"IDC_AU_RESET", 2029},
        {"IDC_AU_LA_SEQUENCE", 2017},
        {"IDC_AU_LA_INTERVAL", 2022},
        {"IDC_AU_LA_DELAY", 2023},
        {"IDC_AU_LA_ALTERNATE", 2025},
        {"IDC_AU_STORE", 2042},
    },
    {{"IDC_AU_RESET", 2083}},
    99,
    10,
    1,
    50,
    false,
    70,
};

// The only type with a delay, by the unit's type code and by the model
// code its information record gives.
const uint16_t kTypeWithDelay = 18;
const int16_t kDelayIndex = 3;

}  // namespace

CAuxPageTiko::CAuxPageTiko(CFlashDevice* unit, CSettingPageHost* host) : CAuxPageBase(unit, host, kTable) {}

void CAuxPageTiko::SetInterval(int, bool moveThumb)
{
    Store(Word::Interval, 0);
    ShowSeconds(Word::Interval);
    if (moveThumb)
        UpdateScrollPosition();
}

void CAuxPageTiko::SetIntervalAlt(uint16_t)
{
    Store(Word::IntervalAlt, 0);
}

void CAuxPageTiko::SetAlternate(int value, bool fromUser)
{
    if (!fromUser && Echoed(Word::Alternate, value))
        return;
    Store(Word::Alternate, 0);
    ShowCount(Word::Alternate);
}

void CAuxPageTiko::StepField(int field, int delta)
{
    if (field == ALTERNATE)
        SetAlternate(GetAlternate() + delta, true);
    else
        CAuxPageBase::StepField(field, delta);
}

// The unit's three-bit index: 3 (and above) is the delay where the unit has
// one; everything else, interval and alternate included, the sequence.
int CAuxPageTiko::FieldForIndex(int16_t index) const
{
    const int16_t wanted = std::clamp<int16_t>(index, 0, kDelayIndex);
    return wanted == kDelayIndex && GetHost()->GetModelCode() == kTypeWithDelay ? DELAY : SEQUENCE;
}

void CAuxPageTiko::InitFamilyControls()
{
    const bool hasDelay = GetDevice() && GetDevice()->GetVersion() == kTypeWithDelay;
    for (const char* name : {"IDC_AU_DELAY", "IDC_AU_LA_DELAY", "IDC_AU_STORE"})
        ShowCtrl(this, wxXmlResource::GetXRCID(name), hasDelay);
    for (const char* name : {"IDC_AU_INTERVAL", "IDC_AU_LA_INTERVAL", "IDC_AU_ALTERNATE", "IDC_AU_LA_ALTERNATE"})
        ShowCtrl(this, wxXmlResource::GetXRCID(name), false);
}
