#pragma once

#include <cstddef>
#include <vector>

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// Every word of the indexed documents as the search folds it, with its stem and how often it occurs. A
// word still being typed is looked up here and searched by the stems of the words it can become, so the
// index holds only stems and no second list of every word as written.
class Vocabulary {
public:
    // While indexing: occurrences of a folded word with its stem.
    void add(const QString& word, const QString& stem, quint32 occurrences = 1);

    // The stems of the most frequent words that begin with prefix, at most limit of them, without repeats.
    // Asked of a vocabulary read back by parse().
    QStringList stemsOfWordsStartingWith(const QString& prefix, std::size_t limit) const;
    std::size_t size() const { return m_entries.size(); }

    // A compact form to store beside the index, and back. Bytes that are not such a form give an empty
    // vocabulary.
    QByteArray serialize() const;
    static Vocabulary parse(const QByteArray& bytes);

private:
    struct Entry {
        QString word;
        QString stem;
        quint32 count = 0;
    };
    static void sortByWord(std::vector<Entry>& entries);

    std::vector<Entry> m_entries;         // in the order first seen while indexing; by word once parsed
    QHash<QString, std::size_t> m_byWord; // while indexing
};
