#include "search/searchtext.h"

#include <QHash>

namespace searchtext {

namespace {

// Letters that carry no decomposition but that a reader types without their stroke or as two letters.
QString plainLetter(char32_t c)
{
    switch (c) {
    case U'ß':
        return QStringLiteral("ss");
    case U'æ':
    case U'Æ':
        return QStringLiteral("ae");
    case U'œ':
    case U'Œ':
        return QStringLiteral("oe");
    case U'ø':
    case U'Ø':
        return QStringLiteral("o");
    case U'đ':
    case U'Đ':
    case U'ð':
    case U'Ð':
        return QStringLiteral("d");
    case U'ł':
    case U'Ł':
        return QStringLiteral("l");
    case U'þ':
    case U'Þ':
        return QStringLiteral("th");
    case U'ı':
        return QStringLiteral("i");
    case U'’':
    case U'‘':
    case U'`':
    case U'´':
        return QStringLiteral("'");
    default:
        return {};
    }
}

bool isWordChar(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Mark_NonSpacing ||
           QChar::category(c) == QChar::Mark_SpacingCombining;
}

bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == U'’' || c == U'‘';
}

char32_t codePointAt(const QString& text, int i, int* units)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    *units = 1;
    return c.unicode();
}

// The folded form of one code point.
QString foldCodePoint(char32_t c)
{
    if (c < 0x80) {
        const char ch = char(c);
        return QString(QChar(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch));
    }
    const QString plain = plainLetter(c);
    if (!plain.isEmpty())
        return plain;
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QString out;
    for (const QChar ch : decomposed)
        if (!ch.isMark())
            out += ch;
    out = out.toCaseFolded();
    // A decomposition may bring a ligature's parts that fold further ("ﬀ" -> "ff").
    QString again;
    for (const QChar ch : out) {
        const QString p = plainLetter(ch.unicode());
        again += p.isEmpty() ? QString(ch) : p;
    }
    return again;
}

} // namespace

QString fold(const QString& word)
{
    // Most words are plain ASCII: lower case is all there is to do.
    bool ascii = true;
    for (const QChar c : word)
        if (c.unicode() >= 0x80 || c == QLatin1Char('`')) {
            ascii = false;
            break;
        }
    if (ascii)
        return word.toLower();
    QString out;
    out.reserve(word.size());
    for (int i = 0; i < word.size();) {
        int units = 1;
        out += foldCodePoint(codePointAt(word, i, &units));
        i += units;
    }
    return out;
}

namespace {

bool isAsciiLetterOrDigit(char16_t u)
{
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

// Most words of a document are plain ASCII with plain ASCII after them: such a word is its own folded form
// in lower case, with no look-ups. Returns its end, or -1 when the word needs the full rules.
int plainAsciiWordEnd(const char16_t* text, int start, int n)
{
    int end = start;
    while (end < n && isAsciiLetterOrDigit(text[end]))
        ++end;
    if (end < n && (text[end] >= 0x80 || text[end] == u'\''))
        return -1; // an accent, an apostrophe or a letter of another script may carry the word on
    return end;
}

} // namespace

void forEachWord(const QString& text,
                 const std::function<void(int start, int length, QStringView term)>& visit)
{
    const int n = int(text.size());
    const auto* units16 = reinterpret_cast<const char16_t*>(text.constData());
    char16_t lower[kMaxWordLength];
    int i = 0;
    while (i < n) {
        if (units16[i] < 0x80) {
            if (!isAsciiLetterOrDigit(units16[i])) {
                ++i;
                continue;
            }
            const int end = plainAsciiWordEnd(units16, i, n);
            if (end >= 0) {
                const int length = end - i;
                if (length <= kMaxWordLength) {
                    for (int k = 0; k < length; ++k) {
                        const char16_t u = units16[i + k];
                        lower[k] = u >= 'A' && u <= 'Z' ? char16_t(u - 'A' + 'a') : u;
                    }
                    visit(i, length, QStringView(lower, length));
                }
                i = end;
                continue;
            }
        }
        int units = 1;
        char32_t c = codePointAt(text, i, &units);
        if (!isWordChar(c) || QChar::isMark(c)) {
            i += units;
            continue;
        }
        const int start = i;
        i += units;
        while (i < n) {
            c = codePointAt(text, i, &units);
            if (isWordChar(c)) {
                i += units;
                continue;
            }
            // "driver's": the apostrophe joins two letters.
            if (isApostrophe(c) && i + 1 < n && QChar::isLetter(codePointAt(text, i + 1, &units))) {
                ++i;
                continue;
            }
            break;
        }
        const int length = i - start;
        if (length > kMaxWordLength)
            continue;
        const QString term = fold(text.mid(start, length));
        if (!term.isEmpty())
            visit(start, length, term);
    }
}

std::vector<Word> words(const QString& text)
{
    std::vector<Word> out;
    forEachWord(text, [&out](int start, int length, QStringView term) {
        out.push_back({start, length, term.toString()});
    });
    return out;
}

std::vector<Span> findFolded(const QString& text, const QString& needle)
{
    std::vector<Span> out;
    const QString folded = fold(needle);
    if (folded.isEmpty())
        return out;
    // The folded text with, for each of its units, the text position it came from.
    QString haystack;
    std::vector<int> origin;
    haystack.reserve(text.size());
    origin.reserve(size_t(text.size()) + 1);
    for (int i = 0; i < text.size();) {
        int units = 1;
        const QString f = foldCodePoint(codePointAt(text, i, &units));
        for (const QChar ch : f) {
            haystack += ch;
            origin.push_back(i);
        }
        i += units;
    }
    origin.push_back(int(text.size()));
    qsizetype from = 0;
    while ((from = haystack.indexOf(folded, from)) >= 0) {
        const int start = origin[size_t(from)];
        qsizetype endUnit = from + folded.size();
        // The match ends where the next source character begins.
        int end = origin[size_t(endUnit)];
        while (endUnit < haystack.size() && origin[size_t(endUnit)] == origin[size_t(endUnit - 1)])
            end = origin[size_t(++endUnit)];
        if (end <= start)
            end = start + 1;
        out.push_back({start, end - start});
        from = endUnit;
    }
    return out;
}

} // namespace searchtext
