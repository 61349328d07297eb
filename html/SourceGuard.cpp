#include "html/SourceGuard.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

namespace vhtml {
namespace {

using Text = std::wstring;

constexpr wchar_t kReplacement = 0xFFFD;
constexpr long kNoPartner = -1;
// Tokens inside lists, each counted two to the power of its list's depth.
constexpr double kListLayoutBudget = 4.0 * 1024 * 1024;

bool IsSpace(wchar_t c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// White space between a tag's attributes, as the toolkit reads them.
bool IsAttributeSpace(wchar_t c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

wchar_t Upper(wchar_t c)
{
    return c >= 'a' && c <= 'z' ? static_cast<wchar_t>(c - 'a' + 'A') : c;
}

Text Upper(Text text)
{
    for (wchar_t& c : text)
        c = Upper(c);
    return text;
}

bool IsCharacter(long code)
{
    return code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

bool IsEntityNameChar(wchar_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '#';
}

int HexDigit(wchar_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Appends text[begin, end) with characters that name no character replaced;
// with references, also numeric character references that name none (the
// parser decodes "&#" followed by decimal or "x" and hexadecimal digits).
void AppendChecked(Text& out, const wchar_t* text, size_t begin, size_t end, bool references)
{
    for (size_t i = begin; i < end; ++i) {
        const wchar_t c = text[i];
        if (references && c == '&' && i + 1 < end && text[i + 1] == '#') {
            size_t j = i + 2;
            const bool hex = j < end && (text[j] == 'x' || text[j] == 'X');
            if (hex)
                ++j;
            const size_t digits = j;
            long value = 0;
            bool tooLarge = false;
            for (; j < end; ++j) {
                const int digit = hex ? HexDigit(text[j]) : (text[j] >= '0' && text[j] <= '9' ? text[j] - '0' : -1);
                if (digit < 0)
                    break;
                value = value * (hex ? 16 : 10) + digit;
                if (value > 0x10FFFF) {
                    tooLarge = true;
                    value = 0x110000;
                }
            }
            if (j > digits && (tooLarge || (value != 0 && !IsCharacter(value)))) {
                while (j < end && IsEntityNameChar(text[j]))
                    ++j;
                if (j < end && text[j] == ';')
                    ++j;
                out += L"&#65533;";
                i = j - 1;
                continue;
            }
        }
        out += (c == 0 || !IsCharacter(static_cast<long>(c))) ? kReplacement : c;
    }
}

struct Attribute {
    Text name;
    Text value;
    bool hasValue = false;
};

struct Token {
    enum Kind { kText, kSkip, kOpen, kClose };
    Kind kind = kText;
    size_t begin = 0;
    size_t end = 0;
    // Openers: the element's name; closers: the name they close.
    Text name;
    // Openers: the name an ending tag must carry to close them.
    Text key;
    std::vector<Attribute> attributes;
    long partner = kNoPartner;
};

// Elements whose content the parser never reads as markup.
bool IsScriptLike(const Text& name)
{
    return name == L"SCRIPT" || name == L"STYLE";
}

class Tokenizer {
public:
    Tokenizer(const wchar_t* text, size_t length) : m_text(text), m_length(length) {}

    std::vector<Token> Run()
    {
        size_t i = 0;
        while (i < m_length)
            i = m_text[i] == '<' ? Markup(i) : Characters(i);
        Pair();
        return std::move(m_tokens);
    }

private:
    size_t Characters(size_t i)
    {
        size_t end = i;
        while (end < m_length && m_text[end] != '<')
            ++end;
        Add(Token::kText, i, end);
        return end;
    }

    size_t Markup(size_t i)
    {
        if (StartsWith(i, L"<!--"))
            return Comment(i);
        if (i + 1 >= m_length)
            return Add(Token::kSkip, i, m_length);
        if (m_text[i + 1] == '/')
            return Closer(i);
        return Opener(i);
    }

    // A comment ends with "--", optional white space and ">"; without an
    // end only its opening is dropped, as the toolkit's parser does.
    size_t Comment(size_t i)
    {
        // A comment that finds no end leaves none for a later one either.
        if (i < m_noCommentEndFrom) {
            int dashes = 0;
            for (size_t p = i + 4; p < m_length; ++p) {
                const wchar_t c = m_text[p];
                if (IsAttributeSpace(c) && dashes >= 2)
                    continue;
                if (c == '>' && dashes >= 2)
                    return Add(Token::kSkip, i, p + 1);
                dashes = c == '-' ? dashes + 1 : 0;
            }
            m_noCommentEndFrom = i;
        }
        return Add(Token::kSkip, i, i + 4);
    }

    size_t Closer(size_t i)
    {
        size_t p = i + 2;
        Text key;
        while (p < m_length && !IsSpace(m_text[p]) && m_text[p] != '>')
            key += Upper(m_text[p++]);
        while (p < m_length && m_text[p] != '>')
            ++p;
        if (p >= m_length)
            return Add(Token::kSkip, i, m_length);
        Add(Token::kClose, i, p + 1);
        m_tokens.back().name = std::move(key);
        return p + 1;
    }

    size_t Opener(size_t i)
    {
        Token token;
        token.kind = Token::kOpen;
        token.begin = i;
        size_t p = i + 1;
        while (p < m_length && !IsSpace(m_text[p]) && m_text[p] != '>') {
            token.key += Upper(m_text[p]);
            ++p;
        }
        p = i + 1;
        while (p < m_length && !IsSpace(m_text[p]) && m_text[p] != '>' && m_text[p] != '/')
            token.name += Upper(m_text[p++]);
        if (p >= m_length)
            return Add(Token::kSkip, i, m_length);
        size_t end = p + 1;
        if (m_text[p] != '>') {
            end = Attributes(p + 1, token.attributes);
            if (end == 0)
                return Add(Token::kSkip, i, m_length);
        }
        token.end = end;
        m_tokens.push_back(std::move(token));
        if (IsScriptLike(m_tokens.back().name))
            return ScriptContent(end);
        return end;
    }

    // The toolkit's reading of attributes: names up to white space or "=",
    // values quoted or up to white space (those then in upper case), the tag
    // ending at the first ">" outside a quoted value. Returns the position
    // after the tag, or 0 when the tag does not end.
    size_t Attributes(size_t p, std::vector<Attribute>& attributes)
    {
        enum { kBeforeName, kName, kBeforeEqual, kBeforeValue, kValue } state = kBeforeName;
        wchar_t quote = 0;
        Attribute current;
        while (p < m_length) {
            const wchar_t c = m_text[p++];
            if (c == '>' && !(state == kValue && quote != 0)) {
                if (state == kBeforeEqual || state == kName) {
                    attributes.push_back(std::move(current));
                } else if (state == kValue) {
                    current.hasValue = true;
                    attributes.push_back(std::move(current));
                }
                return p;
            }
            switch (state) {
            case kBeforeName:
                if (!IsAttributeSpace(c)) {
                    current = Attribute();
                    current.name = Text(1, c);
                    state = kName;
                }
                break;
            case kName:
                if (IsAttributeSpace(c))
                    state = kBeforeEqual;
                else if (c == '=')
                    state = kBeforeValue;
                else
                    current.name += c;
                break;
            case kBeforeEqual:
                if (c == '=') {
                    state = kBeforeValue;
                } else if (!IsAttributeSpace(c)) {
                    attributes.push_back(std::move(current));
                    current = Attribute();
                    current.name = Text(1, c);
                    state = kName;
                }
                break;
            case kBeforeValue:
                if (!IsAttributeSpace(c)) {
                    quote = (c == '"' || c == '\'') ? c : 0;
                    current.value = quote ? Text() : Text(1, c);
                    state = kValue;
                }
                break;
            case kValue:
                if ((quote != 0 && c == quote) || (quote == 0 && IsAttributeSpace(c))) {
                    if (quote == 0)
                        current.value = Upper(std::move(current.value));
                    current.hasValue = true;
                    attributes.push_back(std::move(current));
                    current = Attribute();
                    state = kBeforeName;
                } else {
                    current.value += c;
                }
                break;
            }
        }
        return 0;
    }

    // SCRIPT and STYLE run to their first ending tag, whatever lies between;
    // without one they are ordinary tags. The last search is remembered, so
    // that many unclosed ones do not scan the rest of the page each.
    size_t ScriptContent(size_t from)
    {
        const Text name = m_tokens.back().name;
        SearchResult& last = m_lastSearch[name];
        size_t closer = Text::npos;
        size_t closerEnd = 0;
        if (last.searched && from >= last.from && (last.at == Text::npos || from <= last.at)) {
            closer = last.at;
            closerEnd = last.end;
        } else {
            for (size_t p = from; p + 1 < m_length && closer == Text::npos; ++p) {
                if (m_text[p] != '<' || m_text[p + 1] != '/')
                    continue;
                size_t q = p + 2;
                size_t n = 0;
                while (n < name.size() && q < m_length && Upper(m_text[q]) == name[n]) {
                    ++n;
                    ++q;
                }
                while (q < m_length && IsSpace(m_text[q]))
                    ++q;
                if (n == name.size() && q < m_length && m_text[q] == '>') {
                    closer = p;
                    closerEnd = q + 1;
                }
            }
            last = SearchResult{true, from, closer, closerEnd};
        }
        if (closer == Text::npos)
            return from;
        const long opener = static_cast<long>(m_tokens.size()) - 1;
        Add(Token::kClose, closer, closerEnd);
        m_tokens.back().name = name;
        m_tokens.back().partner = opener;
        m_tokens[opener].partner = opener + 1;
        return closerEnd;
    }

    // An ending tag closes the nearest earlier opener of the same name that
    // is still open; one that finds none closes nothing.
    void Pair()
    {
        std::unordered_map<Text, std::vector<long>> open;
        for (size_t i = 0; i < m_tokens.size(); ++i) {
            Token& token = m_tokens[i];
            if (token.partner != kNoPartner)
                continue;
            if (token.kind == Token::kOpen) {
                open[token.key].push_back(static_cast<long>(i));
            } else if (token.kind == Token::kClose) {
                auto found = open.find(token.name);
                if (found == open.end() || found->second.empty())
                    continue;
                token.partner = found->second.back();
                m_tokens[token.partner].partner = static_cast<long>(i);
                found->second.pop_back();
            }
        }
    }

    bool StartsWith(size_t i, const wchar_t* prefix) const
    {
        for (; *prefix; ++prefix, ++i) {
            if (i >= m_length || m_text[i] != *prefix)
                return false;
        }
        return true;
    }

    size_t Add(Token::Kind kind, size_t begin, size_t end)
    {
        Token token;
        token.kind = kind;
        token.begin = begin;
        token.end = end;
        m_tokens.push_back(std::move(token));
        return end;
    }

    struct SearchResult {
        bool searched = false;
        size_t from = 0;
        size_t at = Text::npos;
        size_t end = 0;
    };

    const wchar_t* m_text;
    size_t m_length;
    std::vector<Token> m_tokens;
    std::unordered_map<Text, SearchResult> m_lastSearch;
    size_t m_noCommentEndFrom = Text::npos;
};

// The bound of a numeric attribute, 0 for attributes left as they are.
long BoundOf(const Text& attribute)
{
    static const std::unordered_map<Text, long> bounds = {
        {L"COLSPAN", kMaxSpan},  {L"ROWSPAN", kMaxSpan},       {L"WIDTH", kMaxPixels},       {L"HEIGHT", kMaxPixels},
        {L"BORDER", kMaxPixels}, {L"CELLSPACING", kMaxPixels}, {L"CELLPADDING", kMaxPixels}, {L"SIZE", kMaxPixels},
        {L"HSPACE", kMaxPixels}, {L"VSPACE", kMaxPixels},
    };
    const auto found = bounds.find(Upper(attribute));
    return found == bounds.end() ? 0 : found->second;
}

// A whole number, optionally signed, followed by nothing or by "%" or "px",
// whose size exceeds the bound (kMaxPercent for percentages) is replaced by
// the bound; anything else stays as it is.
void BoundNumber(Text& value, long bound)
{
    size_t p = 0;
    while (p < value.size() && IsSpace(value[p]))
        ++p;
    const size_t signAt = p;
    if (p < value.size() && (value[p] == '+' || value[p] == '-'))
        ++p;
    const size_t digits = p;
    long magnitude = 0;
    for (; p < value.size() && value[p] >= '0' && value[p] <= '9'; ++p)
        magnitude = std::min(magnitude * 10 + (value[p] - '0'), 100L * kMaxPixels);
    if (p == digits)
        return;
    const Text suffix = value.substr(p);
    if (!suffix.empty() && suffix != L"%" && suffix != L"px" && suffix != L"PX")
        return;
    const long limit = suffix == L"%" ? kMaxPercent : bound;
    if (magnitude <= limit)
        return;
    Text bounded = signAt < digits ? Text(1, value[signAt]) : Text();
    bounded += std::to_wstring(limit);
    value = bounded + suffix;
}

class Writer {
public:
    Writer(const wchar_t* text, size_t length, std::vector<Token>& tokens)
        : m_text(text), m_length(length), m_tokens(tokens)
    {
        m_out.reserve(length + length / 8);
    }

    Text Run()
    {
        std::vector<Frame> frames{{m_tokens.size(), kNoPartner, false, false}};
        size_t i = 0;
        for (;;) {
            const Frame frame = frames.back();
            if (i >= frame.end) {
                if (frame.element == kNoPartner)
                    break;
                const Token& element = m_tokens[frame.element];
                if (frame.written) {
                    WriteCloser(element.name);
                    --m_depth;
                    m_listDepth -= frame.list ? 1 : 0;
                }
                i = element.partner == static_cast<long>(frame.end) ? frame.end + 1 : frame.end;
                frames.pop_back();
                continue;
            }
            const Token& token = m_tokens[i];
            switch (token.kind) {
            case Token::kText:
                AppendChecked(m_out, m_text, token.begin, token.end, true);
                ++i;
                break;
            case Token::kSkip:
            case Token::kClose:
                ++i;
                break;
            case Token::kOpen:
                i = Open(i, frames);
                break;
            }
        }
        return std::move(m_out);
    }

private:
    struct Frame {
        size_t end;    // the token at which the element's content ends
        long element;  // the element's opener, kNoPartner for the page
        bool written;  // false: only the element's content is written
        bool list;
    };

    // Writes the element that token i opens and returns where the walk goes
    // on: after its content for elements written whole, else at the first
    // token of its content.
    size_t Open(size_t i, std::vector<Frame>& frames)
    {
        const Token& token = m_tokens[i];
        const Frame& parent = frames.back();
        const bool hasEnding = token.partner != kNoPartner;
        const bool list = token.name == L"OL" || token.name == L"UL";
        // Without an ending tag these hold the rest of their parent.
        const bool runsToParentsEnd = token.name == L"PRE" || list;
        if (!hasEnding && !runsToParentsEnd) {
            if (!token.name.empty())
                WriteOpener(token, false);
            return i + 1;
        }
        // The toolkit ends an element that runs past its parent's end there.
        const size_t end = hasEnding ? std::min(static_cast<size_t>(token.partner), parent.end) : parent.end;
        const size_t after = hasEnding && static_cast<size_t>(token.partner) < parent.end ? end + 1 : end;
        if (m_depth >= kMaxNesting)
            return after;
        if (list && !ListFits(end - i)) {
            frames.push_back({end, static_cast<long>(i), false, false});
            return i + 1;
        }
        const bool pre = token.name == L"PRE";
        if (pre || token.name == L"TITLE" || IsScriptLike(token.name)) {
            WriteOpener(token, true);
            if (!IsScriptLike(token.name)) {
                const size_t contentBegin = token.end;
                const size_t contentEnd = end < m_tokens.size() ? m_tokens[end].begin : m_length;
                WriteRaw(contentBegin, contentEnd, !pre);
            }
            WriteCloser(token.name);
            return after;
        }
        WriteOpener(token, true);
        frames.push_back({end, static_cast<long>(i), true, list});
        ++m_depth;
        m_listDepth += list ? 1 : 0;
        return i + 1;
    }

    // The toolkit lays out a list's content twice each time it lays out the
    // list, so the work grows with two to the power of the nesting. A list
    // whose tokens, weighted so, would take the page past the budget is
    // written as its content alone.
    bool ListFits(size_t tokens)
    {
        const double cost = static_cast<double>(tokens) * std::ldexp(1.0, std::min(m_listDepth + 1, 60));
        if (m_listCost + cost > kListLayoutBudget)
            return false;
        m_listCost += cost;
        return true;
    }

    // Content kept as written: "<" escaped so that the parser reads no tag
    // in it (the PRE cell and the title turn "&lt;" back into "<").
    void WriteRaw(size_t begin, size_t end, bool references)
    {
        for (size_t at = begin; at < end;) {
            size_t next = at;
            while (next < end && m_text[next] != '<')
                ++next;
            AppendChecked(m_out, m_text, at, next, references);
            if (next < end) {
                m_out += L"&lt;";
                ++next;
            }
            at = next;
        }
    }

    // An element with an ending is written as <NAME attributes>; one without
    // as <NAME/ attributes>, whose name no ending tag carries.
    void WriteOpener(const Token& token, bool hasEnding)
    {
        m_out += '<';
        AppendChecked(m_out, token.name.data(), 0, token.name.size(), false);
        if (!hasEnding)
            m_out += '/';
        for (const Attribute& attribute : token.attributes) {
            m_out += ' ';
            AppendChecked(m_out, attribute.name.data(), 0, attribute.name.size(), false);
            if (!attribute.hasValue)
                continue;
            Text value = attribute.value;
            if (const long bound = BoundOf(attribute.name))
                BoundNumber(value, bound);
            m_out += L"=\"";
            WriteValue(value);
            m_out += '"';
        }
        m_out += '>';
    }

    // The parser decodes references in values, so quotes and ">" go in as
    // references and come out as themselves.
    void WriteValue(const Text& value)
    {
        Text checked;
        AppendChecked(checked, value.data(), 0, value.size(), true);
        for (const wchar_t c : checked) {
            if (c == '"')
                m_out += L"&quot;";
            else if (c == '>')
                m_out += L"&gt;";
            else
                m_out += c;
        }
    }

    void WriteCloser(const Text& name)
    {
        m_out += L"</";
        AppendChecked(m_out, name.data(), 0, name.size(), false);
        m_out += '>';
    }

    const wchar_t* m_text;
    size_t m_length;
    std::vector<Token>& m_tokens;
    Text m_out;
    int m_depth = 0;
    int m_listDepth = 0;
    double m_listCost = 0;
};

}  // namespace

wxString GuardSource(const wxString& source)
{
    const std::wstring text = source.ToStdWstring();
    std::vector<Token> tokens = Tokenizer(text.data(), text.size()).Run();
    return kPageElement + wxString(Writer(text.data(), text.size(), tokens).Run()) + kPageElementEnd;
}

}  // namespace vhtml
