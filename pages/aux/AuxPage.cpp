#include "pages/aux/AuxPage.h"

#include <algorithm>

#include <wx/bmpbndl.h>
#include <wx/statbmp.h>
#include <wx/xrc/xmlres.h>

#include "app/CtrlHelpers.h"
#include "app/FlashDevice.h"
#include "pages/CommandCodes.h"
#include "pages/SettingPageHost.h"
#include "pages/aux/PresetDrawing.h"

namespace {

using Base = CAuxPageBase;
using Editor = Base::Editor;
using When = Base::When;
using Word = Base::Word;

const unsigned kAll = Base::Bit(CAuxPage::SEQUENCE) | Base::Bit(CAuxPage::T01) | Base::Bit(CAuxPage::INTERVAL) |
                      Base::Bit(CAuxPage::DELAY) | Base::Bit(CAuxPage::PRESET) | Base::Bit(CAuxPage::ALTERNATE);
// What a running preset leaves to edit.
const unsigned kLockedOut = Base::Bit(CAuxPage::SEQUENCE) | Base::Bit(CAuxPage::T01) | Base::Bit(CAuxPage::INTERVAL) |
                            Base::Bit(CAuxPage::ALTERNATE);
const unsigned kAllButPreset = kAll & ~Base::Bit(CAuxPage::PRESET);

unsigned Others(int field)
{
    return kAll & ~Base::Bit(field);
}

const Base::Table kTable = {
    {
        {"IDC_AU_SEQUENCE", "IDC_AU_LA_SEQUENCE", 0, Editor::SpinOnRelease, CommandCode::kSequence, Word::Sequence},
        {"IDC_AU_T01", "IDC_AU_LA_T01", 1, Editor::SpinAtOnce, CommandCode::kStepT01, Word::T01Value},
        {"IDC_AU_INTERVAL", "IDC_AU_LA_INTERVAL", 2, Editor::Scroll, CommandCode::kInterval, Word::Interval},
        {"IDC_AU_DELAY", "IDC_AU_LA_DELAY", 4, Editor::Scroll, CommandCode::kDelay, Word::Delay},
        {"IDC_AU_PRESET", "IDC_AU_LA_PRESET", 5, Editor::SpinOnRelease, CommandCode::kPreset, Word::Preset},
        {"IDC_AU_ALTERNATE", "IDC_AU_LA_ALTERNATE", 3, Editor::SpinOnRelease, CommandCode::kAlternate, Word::Alternate},
    },
    {
        {CAuxPage::SEQUENCE, When::Always, Others(CAuxPage::SEQUENCE), 0, 2030, 2031},
        {CAuxPage::T01, When::Always, Others(CAuxPage::T01), 0, 2032, 2033},
        {CAuxPage::INTERVAL, When::Always, Others(CAuxPage::INTERVAL), 0, 2034, 2035},
        {CAuxPage::ALTERNATE, When::Always, Others(CAuxPage::ALTERNATE), 0, 2040, 2041},
        {CAuxPage::DELAY, When::Unlocked, kAllButPreset, 0, 2036, 2037},
        {CAuxPage::PRESET, When::Unlocked, kAllButPreset, 0, 2038, 2039},
        {CAuxPage::DELAY, When::Locked, Base::Bit(CAuxPage::DELAY), kLockedOut, 0, 0},
        {CAuxPage::PRESET, When::Locked, Base::Bit(CAuxPage::DELAY), kLockedOut, 0, 0},
    },
    {
        {"IDC_AU_RESET", 2029},
        {"IDC_AU_STORE", 2042},
        {"IDC_AU_LA_SEQUENCE", 2017},
        {"IDC_AU_LA_INTERVAL", 2022},
        {"IDC_AU_LA_DELAY", 2023},
        {"IDC_AU_LA_PRESET", 2024},
        {"IDC_AU_LA_ALTERNATE", 2025},
        {"IDC_AU_PRESET_GROUP", 2043},
    },
    {{"IDC_AU_STORE", 2082}, {"IDC_AU_RESET", 2083}},
    5000,
    100,
    2,
    50,
    true,
    70,
};

const int kPresetMax = 16;
const int kAlternateMax = 2;

const char* const kTimes[] = {"IDC_AU_PRESET_T1", "IDC_AU_PRESET_T2", "IDC_AU_PRESET_T3"};
const char* const kTimeLabels[] = {"IDC_AU_PRESET_LA_T1", "IDC_AU_PRESET_LA_T2", "IDC_AU_PRESET_LA_T3"};

}  // namespace

CAuxPage::CAuxPage(CFlashDevice* unit, CSettingPageHost* host) : CAuxPageBase(unit, host, kTable) {}

void CAuxPage::SetPreset(int value, bool fromUser)
{
    if (!fromUser && Echoed(Word::Preset, value))
        return;
    const bool wasRunning = GetPreset() != 0;
    Store(Word::Preset, std::clamp(value, 0, kPresetMax));
    ShowCount(Word::Preset);

    const bool running = GetPreset() != 0;
    if (running != wasRunning) {
        GetHost()->SetLightsInhibited(running);
        const int selected = GetSelectedField();
        if (selected == DELAY || selected == PRESET || !running)
            UpdateHelp(PRESET);
        else
            SelectField(DELAY);
    }
    RefreshPresetImage();
}

void CAuxPage::SetAlternate(int value, bool fromUser)
{
    if (!fromUser && Echoed(Word::Alternate, value))
        return;
    Store(Word::Alternate, std::clamp(value, 0, kAlternateMax));
    ShowCount(Word::Alternate);
}

void CAuxPage::SetPresetTimes(uint16_t t1, uint16_t t2, uint16_t t3)
{
    const uint16_t times[] = {t1, t2, t3};
    for (int n = 0; n < 3; ++n) {
        m_times[n] = int16_t(times[n]);
        SetCtrlText(this, wxXmlResource::GetXRCID(kTimes[n]), FormatSeconds(m_times[n]));
    }
}

void CAuxPage::SetT01MaxPreset(uint16_t value)
{
    Store(Word::T01MaxPreset, value);
}

void CAuxPage::StepField(int field, int delta)
{
    if (field == PRESET)
        SetPreset(GetPreset() + delta, true);
    else if (field == ALTERNATE)
        SetAlternate(GetAlternate() + delta, true);
    else
        CAuxPageBase::StepField(field, delta);
}

// A running preset leaves only delay (4) and preset (5) to select.
int CAuxPage::FieldForIndex(int16_t index) const
{
    const int16_t wanted = std::max<int16_t>(std::min<int16_t>(index, 5), GetPreset() != 0 ? 4 : 0);
    return CAuxPageBase::FieldForIndex(wanted);
}

void CAuxPage::ShowHelpDrawing()
{
    ShowDrawing(CurrentDrawingKey());
}

void CAuxPage::HideHelpDrawing()
{
    ShowCtrl(this, XRCID("IDC_AU_PRESET_GROUP"), false);
    for (int n = 0; n < 3; ++n) {
        ShowCtrl(this, wxXmlResource::GetXRCID(kTimes[n]), false);
        ShowCtrl(this, wxXmlResource::GetXRCID(kTimeLabels[n]), false);
    }
    ShowCtrl(this, XRCID("IDC_AU_PRESET_T_SPIN"), false);
    ShowCtrl(this, XRCID("IDC_AU_HELPIMAGE"), false);
    m_shownKey = 0;
}

// The long presets have their own drawing on a unit of energy class 0
// whose auxiliary lights 1 and 2 are both on.
int16_t CAuxPage::CurrentDrawingKey() const
{
    CSettingPageHost* host = GetHost();
    const bool spread =
        GetDevice() && GetDevice()->GetEnergyType() == 0 && host->IsAuxLightOn(1) && host->IsAuxLightOn(2);
    return PresetDrawingKey(GetPreset(), host->GetLanguageOffset(), spread);
}

void CAuxPage::ShowDrawing(int16_t key)
{
    ShowCtrl(this, XRCID("IDC_AU_HELPGROUP"), false);
    ShowCtrl(this, XRCID("IDC_AU_HELPTEXT"), false);
    ShowCtrl(this, XRCID("IDC_AU_PRESET_GROUP"), false);
    const int count = PresetTimeCount(GetPreset());
    for (int n = 0; n < 3; ++n) {
        ShowCtrl(this, wxXmlResource::GetXRCID(kTimes[n]), n < count);
        ShowCtrl(this, wxXmlResource::GetXRCID(kTimeLabels[n]), n < count);
    }
    ShowCtrl(this, XRCID("IDC_AU_PRESET_T_SPIN"), false);
    ShowCtrl(this, XRCID("IDC_AU_PRESET_GROUP"), true);
    if (auto* image = FindCtrl<wxStaticBitmap>(this, "IDC_AU_HELPIMAGE"))
        image->SetBitmap(wxBitmapBundle(DrawPreset(key)));
    ShowCtrl(this, XRCID("IDC_AU_HELPIMAGE"), true);
    m_shownKey = key;
    LayoutIfChanged();
}

void CAuxPage::RefreshPresetImage()
{
    if (GetPreset() < 2)
        return;
    const int16_t key = CurrentDrawingKey();
    if (key == m_imageKey)
        return;
    ShowDrawing(key);
    m_imageKey = key;
}
