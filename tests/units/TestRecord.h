// Records and texts for the codec tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "units/core/PageText.h"
#include "units/core/RecordView.h"
#include "units/core/StatusPlan.h"

// A record of size bytes, length byte included, with its number and the given
// bytes set; the rest are 0.
class TestRecord {
public:
    TestRecord(int number, std::size_t size, std::initializer_list<std::pair<int, int>> bytes = {}) : m_bytes(size, 0)
    {
        Set(0, static_cast<int>(size));
        Set(1, 1);
        Set(2, 3);
        Set(3, number >> 8);
        Set(4, number & 0xFF);
        for (const auto& byte : bytes)
            Set(byte.first, byte.second);
    }
    TestRecord& Set(std::size_t index, int value)
    {
        if (index < m_bytes.size())
            m_bytes[index] = static_cast<uint8_t>(value);
        return *this;
    }
    TestRecord& SetText(std::size_t index, const std::string& text)
    {
        for (std::size_t i = 0; i < text.size(); ++i)
            Set(index + i, static_cast<uint8_t>(text[i]));
        return *this;
    }
    // The first count bytes only, as a record cut short on the line.
    RecordView View(std::size_t count) const { return RecordView(m_bytes.data(), count); }
    RecordView View() const { return View(m_bytes.size()); }
    operator RecordView() const { return View(); }

private:
    std::vector<uint8_t> m_bytes;
};

// A page text with its text-table pieces shown as {id}, or {id:n} for a text
// that takes the number n.
inline std::string Shown(const PageText& text)
{
    std::string shown;
    for (const PageText::Piece& piece : text.Pieces()) {
        if (piece.id == 0)
            shown += piece.literal;
        else if (piece.argument)
            shown += "{" + std::to_string(piece.id) + ":" + std::to_string(*piece.argument) + "}";
        else
            shown += "{" + std::to_string(piece.id) + "}";
    }
    return shown;
}

// The alarm lines as one text: "clear; " when the title is emptied, then
// the three lines apart by " | ", "-" for a line left as it is.
inline std::string ShownLines(const AlarmLines& lines)
{
    std::string shown = lines.clearTitle ? "clear; " : "";
    const std::optional<PageText>* all[] = {&lines.line1, &lines.line2, &lines.line3};
    for (const std::optional<PageText>* line : all) {
        if (line != all[0])
            shown += " | ";
        shown += *line ? Shown(**line) : "-";
    }
    return shown;
}

inline std::vector<uint8_t> Bytes(std::initializer_list<int> bytes)
{
    std::vector<uint8_t> out;
    for (int byte : bytes)
        out.push_back(static_cast<uint8_t>(byte));
    return out;
}
