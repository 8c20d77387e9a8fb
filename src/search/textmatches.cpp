#include "search/textmatches.h"

#include <algorithm>

#include <QHash>

namespace textmatches {

using searchtext::Span;
using searchtext::Word;

std::vector<Span> find(const QString& text, const SearchQuery& query, const Stemmer& stem)
{
    std::vector<Span> spans;
    if (query.isEmpty())
        return spans;
    const std::vector<Word> words = searchtext::words(text);
    QHash<QString, QString> stems;
    auto stemOf = [&](const QString& term) -> const QString& {
        auto it = stems.find(term);
        if (it == stems.end())
            it = stems.insert(term, stem ? stem(term) : term);
        return *it;
    };
    auto wordMatches = [&](const Word& w, const QString& queryWord, bool prefix) {
        if (w.term == queryWord)
            return true;
        // A stem keeps the word's first letter: only words that begin alike need stemming.
        if (!w.term.isEmpty() && !queryWord.isEmpty() && w.term.front() == queryWord.front() &&
            stemOf(w.term) == stemOf(queryWord))
            return true;
        return prefix && w.term.startsWith(queryWord);
    };
    for (const QueryPart& part : query.parts) {
        const qsizetype n = part.words.size();
        if (n == 0)
            continue;
        for (size_t i = 0; i + size_t(n) <= words.size(); ++i) {
            bool all = true;
            for (qsizetype k = 0; k < n && all; ++k)
                all = wordMatches(words[i + size_t(k)], part.words[k], part.prefix && k == n - 1);
            if (!all)
                continue;
            const Word& last = words[i + size_t(n) - 1];
            spans.push_back({words[i].start, last.start + last.length - words[i].start});
        }
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) {
        return a.start < b.start || (a.start == b.start && a.length > b.length);
    });
    std::vector<Span> merged;
    for (const Span& s : spans) {
        if (!merged.empty() && s.start < merged.back().start + merged.back().length) {
            Span& m = merged.back();
            m.length = std::max(m.start + m.length, s.start + s.length) - m.start;
            continue;
        }
        merged.push_back(s);
    }
    return merged;
}

std::vector<Span> findFirst(const QString& text, const SearchQuery& query, const Stemmer& stem, int maxChars)
{
    // The beginning of each word as typed: a stem keeps it, so every match starts with one of these.
    QStringList needles;
    for (const QueryPart& p : query.parts)
        if (!p.words.isEmpty())
            needles << p.words.front().left(3);
    const int size = int(text.size());
    int from = 0;
    for (int tries = 0; tries < 32 && !needles.isEmpty(); ++tries) {
        qsizetype best = -1;
        for (const QString& n : needles) {
            const qsizetype i = text.indexOf(n, from, Qt::CaseInsensitive);
            if (i >= 0 && (best < 0 || i < best))
                best = i;
        }
        if (best < 0)
            break;
        int a = std::max(0, int(best) - maxChars);
        int b = std::min(size, int(best) + 2 * maxChars);
        while (a > 0 && !text.at(a - 1).isSpace())
            --a;
        while (b < size && !text.at(b).isSpace())
            ++b;
        std::vector<Span> spans = find(text.mid(a, b - a), query, stem);
        if (!spans.empty()) {
            for (Span& s : spans)
                s.start += a;
            return spans;
        }
        from = int(best) + 1;
    }
    // Accented letters are not found by the quick search: then the whole text is read.
    for (const QChar c : text)
        if (c.unicode() >= 0x80 && c.isLetter())
            return find(text, query, stem);
    return {};
}

namespace {

bool isBlank(QChar c)
{
    return c.isSpace() || c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xfffc) ||
           c == QChar::Nbsp || c.category() == QChar::Other_Control;
}

} // namespace

QString snippet(const QString& text, const std::vector<Span>& spans, int maxChars, bool html)
{
    const int size = int(text.size());
    int from = 0;
    if (!spans.empty()) {
        // Some words of context before the first match, from the start of a word when one is near.
        from = std::max(0, spans.front().start - maxChars / 4);
        int word = from;
        while (word > 0 && word > from - 16 && !isBlank(text.at(word - 1)))
            --word;
        if (word == 0 || isBlank(text.at(word - 1)))
            from = word;
    }
    bool cutBefore = false;
    for (int i = 0; i < from && !cutBefore; ++i)
        cutBefore = !isBlank(text.at(i));
    while (from < size && isBlank(text.at(from)))
        ++from;
    int end = std::min(size, from + maxChars);
    if (end < size) {
        // End at a word's end when one is near.
        int cut = end;
        while (cut > from + maxChars * 3 / 4 && !isBlank(text.at(cut)))
            --cut;
        if (isBlank(text.at(cut)))
            end = cut;
    }
    bool cutAfter = false;
    for (int i = end; i < size && !cutAfter; ++i)
        cutAfter = !isBlank(text.at(i));

    QString out;
    if (cutBefore)
        out += QChar(0x2026);
    bool lastBlank = false;
    auto put = [&](QChar c) {
        if (isBlank(c)) {
            if (!lastBlank)
                out += QLatin1Char(' ');
            lastBlank = true;
            return;
        }
        lastBlank = false;
        if (html && c == QLatin1Char('<'))
            out += QStringLiteral("&lt;");
        else if (html && c == QLatin1Char('>'))
            out += QStringLiteral("&gt;");
        else if (html && c == QLatin1Char('&'))
            out += QStringLiteral("&amp;");
        else
            out += c;
    };
    int i = from;
    for (const Span& s : spans) {
        const int a = std::max(s.start, i);
        const int b = std::min(s.start + s.length, end);
        if (a >= b)
            continue;
        for (; i < a; ++i)
            put(text.at(i));
        if (html)
            out += QStringLiteral("<b>");
        for (; i < b; ++i)
            put(text.at(i));
        if (html)
            out += QStringLiteral("</b>");
    }
    for (; i < end; ++i)
        put(text.at(i));
    out = out.trimmed();
    if (cutAfter)
        out += QChar(0x2026);
    return out;
}

} // namespace textmatches
