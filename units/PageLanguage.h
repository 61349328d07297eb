// The language a device page shows its texts in: the text table's offset of
// the unit's language, and the page's texts composed in it.
#pragma once

#include <cstdint>
#include <string>

#include <wx/string.h>

#include "units/core/PageText.h"

class CPageLanguage {
public:
    uint16_t Offset() const { return m_offset; }
    void SetOffset(uint16_t offset) { m_offset = offset; }

    // The text of id in the language, and a composed page text.
    wxString Text(int id) const;
    wxString Text(const PageText& text) const;
    // Texts to and from the unit, one byte a character.
    static wxString UnitText(const std::string& bytes);
    static std::string UnitBytes(const wxString& text);

private:
    uint16_t m_offset = 0;
};
