#include "search/vocabulary.h"

#include <algorithm>

void Vocabulary::add(const QString& word, const QString& stem, quint32 occurrences)
{
    const auto it = m_byWord.constFind(word);
    if (it != m_byWord.cend()) {
        m_entries[*it].count += occurrences;
        return;
    }
    m_byWord.insert(word, m_entries.size());
    m_entries.push_back({word, stem, occurrences});
}

void Vocabulary::sortByWord(std::vector<Entry>& entries)
{
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.word < b.word; });
}

QStringList Vocabulary::stemsOfWordsStartingWith(const QString& prefix, std::size_t limit) const
{
    auto it = std::lower_bound(m_entries.cbegin(), m_entries.cend(), prefix,
                               [](const Entry& e, const QString& p) { return e.word < p; });
    std::vector<const Entry*> found;
    for (; it != m_entries.cend() && it->word.startsWith(prefix); ++it)
        found.push_back(&*it);
    std::stable_sort(found.begin(), found.end(),
                     [](const Entry* a, const Entry* b) { return a->count > b->count; });
    QStringList stems;
    for (const Entry* e : found) {
        if (std::size_t(stems.size()) >= limit)
            break;
        if (!stems.contains(e->stem))
            stems << e->stem;
    }
    return stems;
}

// One line a word: the word, a tab, the stem where it differs from the word, a tab, the count.
QByteArray Vocabulary::serialize() const
{
    std::vector<Entry> sorted = m_entries;
    sortByWord(sorted);
    QByteArray out;
    for (const Entry& e : sorted) {
        out += e.word.toUtf8();
        out += '\t';
        if (e.stem != e.word)
            out += e.stem.toUtf8();
        out += '\t';
        out += QByteArray::number(e.count);
        out += '\n';
    }
    return qCompress(out);
}

Vocabulary Vocabulary::parse(const QByteArray& bytes)
{
    Vocabulary v;
    const QByteArray text = bytes.isEmpty() ? QByteArray() : qUncompress(bytes);
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3 || fields[0].isEmpty())
            continue;
        Entry e;
        e.word = QString::fromUtf8(fields[0]);
        e.stem = fields[1].isEmpty() ? e.word : QString::fromUtf8(fields[1]);
        e.count = fields[2].toUInt();
        v.m_entries.push_back(std::move(e));
    }
    sortByWord(v.m_entries);
    return v;
}
