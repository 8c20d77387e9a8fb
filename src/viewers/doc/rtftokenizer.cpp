#include "viewers/doc/rtftokenizer.h"

#include <array>

namespace {

// Bytes that end a text run: the three RTF specials and the line ends that RTF ignores.
constexpr std::array<bool, 256> makeStops()
{
    std::array<bool, 256> stops{};
    stops['\\'] = stops['{'] = stops['}'] = stops['\r'] = stops['\n'] = true;
    return stops;
}
constexpr std::array<bool, 256> kStops = makeStops();

inline bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

RtfTokenizer::Token RtfTokenizer::next()
{
    const std::size_t n = m_input.size();
    if (m_binaryNext) {
        m_binaryNext = false;
        Token t;
        t.kind = Kind::Binary;
        t.name = m_input.substr(m_pos, m_pendingBinary);
        m_pos += m_pendingBinary;
        m_pendingBinary = 0;
        return t;
    }
    while (m_pos < n) {
        const auto c = static_cast<unsigned char>(m_input[m_pos]);
        switch (c) {
        case '{':
            ++m_pos;
            return Token{Kind::GroupOpen, {}, 0, false};
        case '}':
            ++m_pos;
            return Token{Kind::GroupClose, {}, 0, false};
        case '\\': {
            Token t;
            if (readControl(t))
                return t;
            continue;  // a broken escape: go on with what follows
        }
        case '\r':
        case '\n':
            ++m_pos;
            continue;
        default: {
            const std::size_t start = m_pos;
            ++m_pos;
            while (m_pos < n && !kStops[static_cast<unsigned char>(m_input[m_pos])])
                ++m_pos;
            Token t;
            t.kind = Kind::Text;
            t.name = m_input.substr(start, m_pos - start);
            return t;
        }
        }
    }
    return Token{};
}

bool RtfTokenizer::readControl(Token& t)
{
    const std::size_t n = m_input.size();
    ++m_pos;  // the backslash
    if (m_pos >= n)
        return false;  // a lone backslash at the very end
    const auto c = static_cast<unsigned char>(m_input[m_pos]);
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            // \'hh; a broken escape yields nothing and leaves the following bytes as text.
            const int hi = m_pos < n ? hexDigit(static_cast<unsigned char>(m_input[m_pos])) : -1;
            const int lo = m_pos + 1 < n ? hexDigit(static_cast<unsigned char>(m_input[m_pos + 1])) : -1;
            if (hi < 0 || lo < 0)
                return false;
            m_pos += 2;
            t.kind = Kind::Hex;
            t.param = hi * 16 + lo;
            return true;
        }
        // A backslash before a line end is a paragraph mark, as RichEdit reads it.
        t.kind = Kind::Symbol;
        t.param = c;
        return true;
    }
    const std::size_t start = m_pos;
    while (m_pos < n && isLetter(static_cast<unsigned char>(m_input[m_pos])))
        ++m_pos;
    t.kind = Kind::Word;
    if (m_pos - start <= static_cast<std::size_t>(kMaxWordLength))
        t.name = m_input.substr(start, m_pos - start);
    if (m_pos < n && (m_input[m_pos] == '-' || isDigit(static_cast<unsigned char>(m_input[m_pos])))) {
        bool negative = false;
        if (m_input[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        int64_t value = 0;
        bool any = false;
        while (m_pos < n && isDigit(static_cast<unsigned char>(m_input[m_pos]))) {
            any = true;
            if (value < kMaxParameter)
                value = value * 10 + (m_input[m_pos] - '0');
            ++m_pos;
        }
        if (value > kMaxParameter)
            value = kMaxParameter;
        if (any) {
            t.hasParam = true;
            t.param = static_cast<int32_t>(negative ? -value : value);
        }
    }
    if (m_pos < n && m_input[m_pos] == ' ')
        ++m_pos;  // the delimiting blank belongs to the control word
    if (t.name == "bin") {
        // The data follows at once and may contain any byte; clamp it to what is left.
        const std::size_t want = t.hasParam && t.param > 0 ? static_cast<std::size_t>(t.param) : 0;
        m_pendingBinary = want < n - m_pos ? want : n - m_pos;
        m_binaryNext = true;
    }
    return true;
}
