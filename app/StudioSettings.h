// The main window's stored settings: the port, studio and address range it
// searches, its language, its view and its place on the screen, kept in the
// group "VeskStudio" of the program's configuration.
#pragma once

#include <cstdint>

class wxConfigBase;

class CStudioSettings {
public:
    // Each value as stored, or its default where the configuration lacks it
    // or holds no number there; a byte keeps the low 8 bits of what is
    // stored.
    static CStudioSettings Load(const wxConfigBase& config);

    // Each part is written when it changes; the file itself only when the
    // program ends.
    void SaveAddresses(wxConfigBase& config) const;
    void SaveConnection(wxConfigBase& config) const;
    void SavePlacement(wxConfigBase& config) const;

    // The bytes are 0 until something is loaded or applied.
    uint8_t port = 0;
    uint8_t studio = 0;
    uint8_t first = 0;
    uint8_t last = 0;
    uint8_t language = 0;
    bool fullView = true;
    // The window's top left corner; negative when none was saved.
    long x = -1;
    long y = -1;
};
