#include "viewers/doc/rtfcodepage.h"

#include <cerrno>
#include <vector>

#include <iconv.h>

namespace {

// Windows-1252 0x80..0x9F; the rest of the page is Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// The Symbol font's layout: Greek letters on the Latin keys and mathematical signs above 0xA0. Bytes not
// listed keep their Latin-1 meaning, which holds for digits and most punctuation.
char16_t symbolChar(unsigned char b)
{
    static constexpr char16_t kGreekUpper[26] = {0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,
                                                 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D,
                                                 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5,
                                                 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    static constexpr char16_t kGreekLower[26] = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
                                                 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD,
                                                 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5,
                                                 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    if (b >= 'A' && b <= 'Z')
        return kGreekUpper[b - 'A'];
    if (b >= 'a' && b <= 'z')
        return kGreekLower[b - 'a'];
    switch (b) {
    case 0x22: return 0x2200;
    case 0x24: return 0x2203;
    case 0x27: return 0x220B;
    case 0x2A: return 0x2217;
    case 0x2D: return 0x2212;
    case 0x40: return 0x2245;
    case 0x5C: return 0x2234;
    case 0x5E: return 0x22A5;
    case 0x60: return 0xF8E5;
    case 0x7E: return 0x223C;
    case 0xA3: return 0x2264;
    case 0xA5: return 0x221E;
    case 0xA7: return 0x2663;
    case 0xA8: return 0x2666;
    case 0xA9: return 0x2665;
    case 0xAA: return 0x2660;
    case 0xAB: return 0x2194;
    case 0xAC: return 0x2190;
    case 0xAD: return 0x2191;
    case 0xAE: return 0x2192;
    case 0xAF: return 0x2193;
    case 0xB0: return 0x00B0;
    case 0xB1: return 0x00B1;
    case 0xB3: return 0x2265;
    case 0xB4: return 0x00D7;
    case 0xB5: return 0x221D;
    case 0xB6: return 0x2202;
    case 0xB7: return 0x2022;
    case 0xB8: return 0x00F7;
    case 0xB9: return 0x2260;
    case 0xBA: return 0x2261;
    case 0xBB: return 0x2248;
    case 0xBC: return 0x2026;
    case 0xC5: return 0x2295;
    case 0xC6: return 0x2205;
    case 0xC7: return 0x2229;
    case 0xC8: return 0x222A;
    case 0xD1: return 0x2207;
    case 0xD2: return 0x00AE;
    case 0xD3: return 0x00A9;
    case 0xD4: return 0x2122;
    case 0xD5: return 0x220F;
    case 0xD6: return 0x221A;
    case 0xD7: return 0x22C5;
    case 0xD8: return 0x00AC;
    case 0xD9: return 0x2227;
    case 0xDA: return 0x2228;
    case 0xE0: return 0x25CA;
    case 0xE5: return 0x2211;
    case 0xF2: return 0x222B;
    default: return b;
    }
}

const char* iconvName(int codePage)
{
    switch (codePage) {
    case 437: return "CP437";
    case 850: return "CP850";
    case 852: return "CP852";
    case 866: return "CP866";
    case 874: return "CP874";
    case 932: return "CP932";
    case 936: return "GBK";
    case 949: return "CP949";
    case 950: return "BIG5";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    case 1361: return "JOHAB";
    case 10000: return "MACINTOSH";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

void decode1252(std::string_view bytes, QString& out)
{
    const qsizetype base = out.size();
    out.resize(base + static_cast<qsizetype>(bytes.size()));
    QChar* dst = out.data() + base;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *dst++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
}

}  // namespace

RtfCodePage::RtfCodePage() = default;

RtfCodePage::~RtfCodePage()
{
    for (void* cd : std::as_const(m_converters))
        if (cd)
            iconv_close(static_cast<iconv_t>(cd));
}

int RtfCodePage::codePageForCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return kSymbol;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

void* RtfCodePage::converter(int codePage)
{
    const auto it = m_converters.constFind(codePage);
    if (it != m_converters.constEnd())
        return it.value();
    void* cd = nullptr;
    if (const char* name = iconvName(codePage)) {
        iconv_t h = iconv_open("UTF-16LE", name);
        if (h != reinterpret_cast<iconv_t>(-1))
            cd = h;
    }
    m_converters.insert(codePage, cd);
    return cd;
}

void RtfCodePage::decode(int codePage, std::string_view bytes, QString& out)
{
    if (bytes.empty())
        return;
    if (codePage == kSymbol) {
        for (const char ch : bytes)
            out.append(QChar(symbolChar(static_cast<unsigned char>(ch))));
        return;
    }
    void* cd = (codePage == 1252 || codePage <= 0) ? nullptr : converter(codePage);
    if (!cd) {
        decode1252(bytes, out);
        return;
    }
    auto h = static_cast<iconv_t>(cd);
    iconv(h, nullptr, nullptr, nullptr, nullptr);  // reset any shift state
    std::vector<char16_t> buffer(bytes.size() + 4);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* dst = reinterpret_cast<char*>(buffer.data());
        std::size_t outLeft = buffer.size() * sizeof(char16_t);
        const std::size_t r = iconv(h, &in, &inLeft, &dst, &outLeft);
        const auto produced = static_cast<qsizetype>((reinterpret_cast<char16_t*>(dst) - buffer.data()));
        out.append(reinterpret_cast<const QChar*>(buffer.data()), produced);
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // An invalid or cut-off sequence: show a replacement character and go on after its first byte.
            out.append(QChar(0xFFFD));
            ++in;
            --inLeft;
            iconv(h, nullptr, nullptr, nullptr, nullptr);
        }
    }
}
