#pragma once

#include <string_view>

#include <QHash>
#include <QString>

// Turns the 8-bit and double-byte text of an RTF document into Unicode, for the code page of the current font
// or of the document header. Windows-1252 and the Symbol font are built in; other code pages go through the C
// library's iconv. Bytes that do not decode become U+FFFD, never a failure.
class RtfCodePage {
public:
    // The pseudo code page of fonts with \fcharset2 (Symbol and its kin).
    static constexpr int kSymbol = 42;

    RtfCodePage();
    ~RtfCodePage();
    RtfCodePage(const RtfCodePage&) = delete;
    RtfCodePage& operator=(const RtfCodePage&) = delete;

    // Decodes bytes written in a code page and appends them to out.
    void decode(int codePage, std::string_view bytes, QString& out);

    // The code page a font charset stands for (\fcharsetN); 0 when the charset names none.
    static int codePageForCharset(int charset);

private:
    void* converter(int codePage);  // an iconv_t, or nullptr when iconv does not know the page

    QHash<int, void*> m_converters;
};
