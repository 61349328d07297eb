// A text as a device page shows it: pieces of the text table, named by their
// id before the language offset, and literal pieces, in order. The decoders
// and status plans yield these; the page composes them in its language.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class PageText {
public:
    struct Piece {
        int id;                        // text-table id, 0 for a literal piece
        std::string literal;           // the piece itself when id is 0
        std::optional<long> argument;  // the number that takes the place of the text's "%i"
        bool operator==(const Piece& other) const
        {
            return id == other.id && literal == other.literal && argument == other.argument;
        }
    };

    PageText() = default;
    PageText(std::string literal) { Add(std::move(literal)); }
    PageText(const char* literal) : PageText(std::string(literal)) {}
    static PageText Id(int id) { return PageText().AddId(id); }

    PageText& AddId(int id)
    {
        m_pieces.push_back({id, std::string(), std::nullopt});
        return *this;
    }
    // A text-table text with a place for a number ("wait %i"); where the
    // number stands differs between the languages.
    PageText& AddId(int id, long argument)
    {
        m_pieces.push_back({id, std::string(), argument});
        return *this;
    }
    PageText& Add(std::string literal)
    {
        if (!literal.empty())
            m_pieces.push_back({0, std::move(literal), std::nullopt});
        return *this;
    }

    bool Empty() const { return m_pieces.empty(); }
    const std::vector<Piece>& Pieces() const { return m_pieces; }
    bool operator==(const PageText& other) const { return m_pieces == other.m_pieces; }
    bool operator!=(const PageText& other) const { return !(*this == other); }

    // The whole text; lookup fetches a text-table piece by its id (the page
    // adds its language offset there).
    std::string Compose(const std::function<std::string(int id)>& lookup) const
    {
        std::string text;
        for (const Piece& piece : m_pieces)
            text += piece.id ? Filled(lookup(piece.id), piece.argument) : piece.literal;
        return text;
    }

private:
    static std::string Filled(std::string text, const std::optional<long>& argument)
    {
        const std::size_t place = argument ? text.find("%i") : std::string::npos;
        if (place != std::string::npos)
            text.replace(place, 2, std::to_string(*argument));
        return text;
    }

    std::vector<Piece> m_pieces;
};
