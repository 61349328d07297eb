// The large energy texts of the light bars and the memory tables, one rule per
// unit family. Values are tenths of an f-stop; the text ids take the caller's
// language offset. The device pages pass their power-display mode and flags.
#pragma once

#include <wx/string.h>

// Quirel A1, Nuvek and Ribex: empty when not available, "off" when not on,
// "on" ("off" on outlet 3) while a preset locks the energies, else the energy
// shifted by the power-display mode (4: whole numbers on a third-stop scale).
wxString FormatEnergyTextQuirelA1(short value, bool available, bool on, bool inhibited, short channel, int powerDisplay,
                                  int languageOffset);

// Tiko: no off or unavailable state; modes 1 to 3 shift by 0.4, 1.4, 2.4 stops.
wxString FormatEnergyTextTiko(short value, int powerDisplay);

// Zarit: flags bit 0 inhibited (strobe), bit 1 the light takes the speed
// offset of 0.4 stops when the speed display is on; any power-display mode but
// 0 shows one stop lower.
wxString FormatEnergyTextZarit(short value, bool available, bool on, int flags, short channel, int powerDisplay,
                               bool speedDisplay, int languageOffset);

// ZaritE: the Zarit rule without power-display and speed offsets.
wxString FormatEnergyTextZaritE(short value, bool available, bool on, int flags, short channel, int languageOffset);
