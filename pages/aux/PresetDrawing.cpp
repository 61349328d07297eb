#include "pages/aux/PresetDrawing.h"

#include <vector>

#include <wx/dcmemory.h>
#include <wx/font.h>

namespace {

const int kWidth = 252;
const int kHeight = 98;

// One case of sequence: where its flashes stand (x) and how strong they are
// (height above the time line); the times run between neighbours.
struct Flash {
    int x;
    int height;
    const char* outlet;  // light that fires it, or null for the main light alone
};

struct Sequence {
    std::vector<Flash> flashes;
};

const Sequence kShort = {{{40, 46, nullptr}, {170, 46, nullptr}}};
const Sequence kMedium = {{{34, 46, nullptr}, {112, 34, nullptr}, {206, 46, nullptr}}};
const Sequence kLong = {{{28, 46, nullptr}, {86, 34, nullptr}, {150, 22, nullptr}, {222, 46, nullptr}}};
const Sequence kSpread = {{{28, 46, "M"}, {86, 34, "1"}, {150, 34, "2"}, {222, 46, "M"}}};

// The words a drawing carries, per language.
struct Words {
    const char* trigger;
    const char* flash;
};

const Words kEnglish = {"sync", "flash"};
const Words kGerman = {"Sync", "Blitz"};
const Words kFrench = {"synchro", "éclair"};

struct Drawing {
    int16_t key;
    const Sequence* sequence;
    const Words* words;
};

// clang-format off
const Drawing kDrawings[] = {
    {442, &kShort, &kEnglish},  {178, &kShort, &kGerman},  {177, &kShort, &kFrench},
    {443, &kMedium, &kEnglish}, {180, &kMedium, &kGerman}, {179, &kMedium, &kFrench},
    {444, &kLong, &kEnglish},   {181, &kLong, &kGerman},   {182, &kLong, &kFrench},
    {445, &kSpread, &kEnglish}, {183, &kSpread, &kGerman}, {184, &kSpread, &kFrench},
};
// clang-format on

// Which drawing a preset gets, per language: English and Spanish share one.
struct Range {
    int first;
    int last;
    bool spread;
    int times;
    int16_t english;
    int16_t german;
    int16_t french;
};

const Range kRanges[] = {
    {1, 4, false, 1, 442, 178, 177},
    {5, 8, false, 2, 443, 180, 179},
    {9, 16, false, 3, 444, 181, 182},
    {9, 16, true, 3, 445, 183, 184},
};

const Range* FindRange(int preset, bool spread)
{
    for (const Range& range : kRanges) {
        // Only the long presets spread.
        if (preset >= range.first && preset <= range.last && range.spread == (spread && range.times == 3))
            return &range;
    }
    return nullptr;
}

void DrawFlash(wxDC& dc, const Flash& flash, int baseline)
{
    dc.DrawRectangle(flash.x - 3, baseline - flash.height, 7, flash.height);
    if (flash.outlet) {
        const wxSize size = dc.GetTextExtent(flash.outlet);
        dc.DrawText(flash.outlet, flash.x - size.x / 2, baseline - flash.height - size.y - 1);
    }
}

// A dimension line under the time line from x1 to x2, labelled "T<n>".
void DrawTime(wxDC& dc, int x1, int x2, int y, int n)
{
    dc.DrawLine(x1, y, x2, y);
    dc.DrawLine(x1, y - 3, x1, y + 4);
    dc.DrawLine(x2, y - 3, x2, y + 4);
    dc.DrawLine(x1, y, x1 + 4, y - 3);
    dc.DrawLine(x1, y, x1 + 4, y + 3);
    dc.DrawLine(x2, y, x2 - 4, y - 3);
    dc.DrawLine(x2, y, x2 - 4, y + 3);
    const wxString label = wxString::Format("T%d", n);
    const wxSize size = dc.GetTextExtent(label);
    dc.DrawText(label, (x1 + x2 - size.x) / 2, y + 2);
}

}  // namespace

int PresetTimeCount(int preset)
{
    const Range* range = FindRange(preset, false);
    return range ? range->times : 0;
}

int16_t PresetDrawingKey(int preset, uint16_t languageOffset, bool spread)
{
    const Range* range = FindRange(preset, spread);
    if (!range)
        return 0;
    switch (languageOffset) {
    case 500:
        return range->german;
    case 1000:
        return range->french;
    default:
        return range->english;
    }
}

wxBitmap DrawPreset(int16_t key)
{
    const Drawing* drawing = nullptr;
    for (const Drawing& candidate : kDrawings) {
        if (candidate.key == key)
            drawing = &candidate;
    }
    if (!drawing)
        return wxBitmap();

    wxBitmap bitmap(kWidth, kHeight, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetTextForeground(*wxBLACK);
    dc.SetFont(wxFontInfo(7).Family(wxFONTFAMILY_SWISS));

    const int baseline = 66;
    dc.DrawLine(6, baseline, kWidth - 6, baseline);
    // The trigger: an arrow onto the line before the first flash.
    dc.DrawLine(10, baseline - 18, 10, baseline);
    dc.DrawLine(10, baseline, 7, baseline - 5);
    dc.DrawLine(10, baseline, 13, baseline - 5);
    dc.DrawText(wxString::FromUTF8(drawing->words->trigger), 4, 2);

    const std::vector<Flash>& flashes = drawing->sequence->flashes;
    for (const Flash& flash : flashes)
        DrawFlash(dc, flash, baseline);
    const wxString flashWord = wxString::FromUTF8(drawing->words->flash);
    dc.DrawText(flashWord, kWidth - 6 - dc.GetTextExtent(flashWord).x, 2);
    for (size_t n = 1; n < flashes.size(); ++n)
        DrawTime(dc, flashes[n - 1].x, flashes[n].x, baseline + 12, int(n));

    dc.SelectObject(wxNullBitmap);
    return bitmap;
}
