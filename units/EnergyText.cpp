#include "units/EnergyText.h"

#include "text/TextTable.h"

namespace {

const int kTextOn = 2027;
const int kTextOff = 2028;

// How a family shifts the shown energy by power-display mode; only modes 1 to 3
// shift, the others show plain tenths.
struct ModeScale {
    int shift[4];     // tenths of a stop subtracted in modes 0..3
    bool thirdStops;  // mode 4 counts whole third stops
};

const ModeScale kQuirelA1Scale = {{0, 10, 20, 30}, true};
const ModeScale kTikoScale = {{0, 4, 14, 24}, false};

// The local number format may put a comma into the decimal.
wxString Tenths(double tenths)
{
    wxString text = wxString::Format("%1.1f", tenths / 10.0);
    text.Replace(",", ".");
    return text;
}

// The texts that the light's state decides before its energy: true when it
// set one.
bool StateText(bool available, bool on, bool inhibited, short channel, int languageOffset, wxString& text)
{
    if (!available)
        text.clear();
    else if (!on)
        text = GetString(languageOffset + kTextOff);
    else if (inhibited)
        text = GetString(languageOffset + (channel == 3 ? kTextOff : kTextOn));
    else
        return false;
    return true;
}

// The rule that decides on the unit's own value: 0 stays "0", full energy
// unshifted reads "10".
wxString ScaledText(short value, int powerDisplay, const ModeScale& scale)
{
    if (value == 0)
        return "0";
    if (powerDisplay >= 1 && powerDisplay <= 3)
        return Tenths(value - scale.shift[powerDisplay]);
    if (powerDisplay == 4 && scale.thirdStops)
        return wxString::Format("%d", static_cast<int>((value - 28) / 3.333) - 12);
    if (value == 100)
        return "10";
    return Tenths(value);
}

// The rule that decides on the shifted value: it reads "0" to "10".
wxString ClampedText(int shifted)
{
    if (shifted >= 100)
        return "10";
    if (shifted < 1)
        return "0";
    return Tenths(shifted);
}

}  // namespace

wxString FormatEnergyTextQuirelA1(short value, bool available, bool on, bool inhibited, short channel, int powerDisplay,
                                  int languageOffset)
{
    wxString text;
    if (StateText(available, on, inhibited, channel, languageOffset, text))
        return text;
    return ScaledText(value, powerDisplay, kQuirelA1Scale);
}

wxString FormatEnergyTextTiko(short value, int powerDisplay)
{
    return ScaledText(value, powerDisplay, kTikoScale);
}

wxString FormatEnergyTextZarit(short value, bool available, bool on, int flags, short channel, int powerDisplay,
                               bool speedDisplay, int languageOffset)
{
    wxString text;
    if (StateText(available, on, flags & 1, channel, languageOffset, text))
        return text;
    int shifted = value;
    if (powerDisplay != 0)
        shifted -= 10;
    if (speedDisplay && (flags & 2))
        shifted += 4;
    return ClampedText(shifted);
}

wxString FormatEnergyTextZaritE(short value, bool available, bool on, int flags, short channel, int languageOffset)
{
    wxString text;
    if (StateText(available, on, flags & 1, channel, languageOffset, text))
        return text;
    return ClampedText(value);
}
