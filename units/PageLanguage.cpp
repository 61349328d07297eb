#include "units/PageLanguage.h"

#include "text/TextTable.h"

wxString CPageLanguage::Text(int id) const
{
    return GetString(id + m_offset);
}

wxString CPageLanguage::Text(const PageText& text) const
{
    wxString composed;
    for (const PageText::Piece& piece : text.Pieces()) {
        if (!piece.id) {
            composed += UnitText(piece.literal);
            continue;
        }
        wxString part = Text(piece.id);
        // The number stands where the language puts it ("wait %i").
        if (piece.argument)
            part.Replace("%i", wxString::Format("%ld", *piece.argument), false);
        composed += part;
    }
    return composed;
}

wxString CPageLanguage::UnitText(const std::string& bytes)
{
    return wxString(bytes.c_str(), wxConvISO8859_1, bytes.size());
}

std::string CPageLanguage::UnitBytes(const wxString& text)
{
    std::string bytes;
    for (const wxUniChar c : text)
        bytes += c.GetValue() < 256 ? static_cast<char>(c.GetValue()) : '?';
    return bytes;
}
