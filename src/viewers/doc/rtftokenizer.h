#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Splits RTF bytes into groups, control words, control symbols, hex bytes, binary data and text runs. It is a
// pull tokenizer with no recursion and no allocation: every token points into the input, so tokenising costs
// one pass over the bytes whatever their shape.
class RtfTokenizer {
public:
    // The value of one hexadecimal digit, or -1 for any other byte.
    static constexpr int hexDigit(unsigned char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    enum class Kind {
        End,         // no more input
        GroupOpen,   // {
        GroupClose,  // }
        Word,        // \name or \nameN
        Symbol,      // \ followed by one non-letter (\~ \- \_ \* \{ ...)
        Hex,         // \'hh: one byte in the current code page
        Binary,      // the data of \binN
        Text,        // a run of plain bytes without braces, backslashes or line ends
    };

    // Longest control-word name that is kept; longer names are read to their end and reported empty.
    static constexpr int kMaxWordLength = 32;
    // Numeric parameters saturate here instead of overflowing.
    static constexpr int32_t kMaxParameter = 2'000'000'000;

    struct Token {
        Kind kind = Kind::End;
        std::string_view name;  // Word: the letters (empty when too long); Text / Binary: the bytes
        int32_t param = 0;      // Word: the parameter; Symbol and Hex: the character or byte value
        bool hasParam = false;
    };

    explicit RtfTokenizer(std::string_view input) : m_input(input) {}

    // Reads the next token. After End it keeps returning End.
    Token next();

    std::size_t position() const { return m_pos; }
    std::size_t size() const { return m_input.size(); }

private:
    bool readControl(Token& t);  // false when the backslash starts nothing usable

    std::string_view m_input;
    std::size_t m_pos = 0;
    std::size_t m_pendingBinary = 0;  // bytes of \binN data still to hand out as one Binary token
    bool m_binaryNext = false;
};
