#include "search/searchquery.h"

#include "search/searchtext.h"

namespace {

// Words that say nothing about a document; typed among other words they are left out, so "colours of the
// 1963" finds what "colours 1963" finds. In a phrase they count.
bool isStopWord(const QString& w)
{
    static const QStringList words = {"a",    "an",   "and", "are", "as",   "at",   "be",    "by",  "for",
                                      "from", "in",   "is",  "it",  "its",  "of",   "on",    "or",  "that",
                                      "the",  "this", "to",  "was", "were", "what", "which", "who", "with"};
    return words.contains(w);
}

} // namespace

QStringList SearchQuery::allWords() const
{
    QStringList out;
    for (const QueryPart& p : parts)
        out += p.words;
    return out;
}

SearchQuery parseQuery(const QString& text)
{
    SearchQuery query;
    bool inQuote = false;
    qsizetype segmentStart = 0;
    auto addSegment = [&](qsizetype end, bool quoted) {
        const QString segment = text.mid(segmentStart, end - segmentStart);
        const std::vector<searchtext::Word> words = searchtext::words(segment);
        if (quoted && words.size() > 1) {
            QueryPart part;
            part.phrase = true;
            for (const searchtext::Word& w : words)
                part.words << w.term;
            query.parts.push_back(part);
            return;
        }
        for (const searchtext::Word& w : words)
            query.parts.push_back({{w.term}, false, false});
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('"') && text.at(i) != QChar(0x201C) && text.at(i) != QChar(0x201D))
            continue;
        addSegment(i, inQuote);
        inQuote = !inQuote;
        segmentStart = i + 1;
    }
    addSegment(text.size(), inQuote);

    // "eng" while typing: the text ends inside the last word.
    if (!inQuote && !query.parts.empty() && !query.parts.back().phrase && !text.isEmpty()) {
        const std::vector<searchtext::Word> tail = searchtext::words(text);
        if (!tail.empty() && tail.back().start + tail.back().length == text.size())
            query.parts.back().prefix = true;
    }
    // The same word twice adds nothing.
    std::vector<QueryPart> unique;
    for (const QueryPart& p : query.parts) {
        bool seen = false;
        for (QueryPart& u : unique)
            if (u.words == p.words && u.phrase == p.phrase) {
                u.prefix = u.prefix && p.prefix;
                seen = true;
            }
        if (!seen)
            unique.push_back(p);
    }
    // Left out only when something else is asked for; the word being typed may still grow.
    std::vector<QueryPart> meaningful;
    for (const QueryPart& p : unique)
        if (p.phrase || p.prefix || !isStopWord(p.words.front()))
            meaningful.push_back(p);
    query.parts = meaningful.empty() ? std::move(unique) : std::move(meaningful);
    return query;
}
