// The help drawings of the preset sequences: for each case of sequence and
// each language one drawing, 252 x 98 black on white, showing the flashes
// and the times T1 to T3 between them. Drawn at run time from tables; the
// key names a drawing as the unit's manual numbers it.
#pragma once

#include <cstdint>

#include <wx/bitmap.h>

// How many of the times T1 to T3 preset (1 to 16) uses; 0 outside.
int PresetTimeCount(int preset);

// The key of the drawing for preset (1 to 16) in the language of offset
// (0 English, 500 German, 1000 French, 1500 Spanish); spread: the long
// presets spread over the main light and auxiliary lights 1 and 2. 0 for a
// preset outside 1 to 16.
int16_t PresetDrawingKey(int preset, uint16_t languageOffset, bool spread);

// The drawing of key; an invalid bitmap for a key of no drawing.
wxBitmap DrawPreset(int16_t key);
