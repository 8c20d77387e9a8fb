#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QByteArray>
#include <QString>

#include "search/indexcache.h"
#include "search/searchquery.h"
#include "search/textmatches.h"

struct SearchDocument;

// The full-text index of a disc's documents, kept by Xapian: built from the text the program's own RTF
// reader makes of each document, stored as one file in the cache folder (or kept in memory when that
// cannot be written), searched with English stemming, the last word as a prefix and phrases.
class SearchIndex {
public:
    struct Hit {
        const SearchDocument* document = nullptr;
        double weight = 0;
        QString snippetHtml; // matches between <b> and </b>
        QString snippet;     // plain, one line
    };
    // Called after each document; returning false stops the build.
    using Progress = std::function<bool(int done, int total)>;

    ~SearchIndex();
    SearchIndex(const SearchIndex&) = delete;
    SearchIndex& operator=(const SearchIndex&) = delete;

    // The index stored at path when it was built from media with this fingerprint; null with the reason
    // when it is missing, unreadable, corrupt or of other media.
    static std::unique_ptr<SearchIndex> open(const QString& path, const QByteArray& fingerprint,
                                             QString* why = nullptr);
    // Reads every document of the media and indexes it. With a path the index is written there in one step
    // (a half-written index never takes its place) and read back from it; when it cannot be written, or the
    // path is empty, it is kept in memory and note says why. Null only when the build was stopped.
    static std::unique_ptr<SearchIndex> build(const indexcache::Media& media, const QString& path,
                                              const Progress& progress = {}, QString* note = nullptr);

    // The best matches first, at most maxHits; total gets an estimate of all matches.
    std::vector<Hit> search(const SearchQuery& query, int maxHits, int* total = nullptr) const;

    int documentCount() const;
    bool inMemory() const;
    QString path() const;

    static constexpr int kSnippetChars = 160;

private:
    struct Impl;
    explicit SearchIndex(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};

namespace searchengine {
// The English stem of a folded word, as the index uses it.
QString stem(const QString& foldedWord);
textmatches::Stemmer stemmer();
// A document's text as the RTF reader reads it; readable is false when the file could not be read at all
// (a damaged file still gives whatever could be read).
QString documentText(const QString& realPath, bool* readable = nullptr);
} // namespace searchengine
