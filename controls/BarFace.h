// What a light bar paints, worked out from its state and client size, and
// the drawing of it. Keeping the two apart lets the bars share one painter.
#pragma once

#include <cstdint>
#include <vector>

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDC;

struct BarIndicator {
    wxRect rect;
    wxColour colour;
};

struct BarFace {
    wxColour textColour;
    wxString large;  // centred in largeBox
    wxRect largeBox;
    int largePoints = 24;
    bool lowerRow = false;  // joules and percent below the large text
    wxString joules;
    wxString percent;
    wxPoint joulesAt;
    wxPoint percentAt;
    std::vector<BarIndicator> indicators;
    bool outline = true;
};

// Light grey while the unit is off; red for a warning only while it is on.
wxColour BarTextColour(bool active, bool warning, const wxColour& activeColour);

// Whole percent above value 66, else tenths of a percent, with a point in
// every locale.
wxString BarPercentText(int16_t value, int16_t percent);

// The auxiliary bars' layout in client: the large text over the upper three
// quarters right of inset; when shown, the lower row with the joules at
// rowLeft and the percent right of the middle.
void LayoutAuxFace(BarFace& face, const wxRect& client, int inset, int rowLeft, bool lowerRow, int16_t joules,
                   int16_t percent, int16_t value);

void DrawBarFace(wxDC& dc, const wxRect& client, const BarFace& face);
