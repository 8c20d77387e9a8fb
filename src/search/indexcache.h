#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

class MediaFiles;
struct SearchDocument;

// Where the search index of a disc is kept and how the program knows that it still belongs to the disc:
// one file per disc in the user's cache folder, named by a fingerprint of the documents it was built from
// (their names, sizes and times), so the same disc finds its index at the next start, wherever it is
// mounted, and a changed or different disc gets a new one.
namespace indexcache {

// $XDG_CACHE_HOME/zephane-folarium, or ~/.cache/zephane-folarium when the variable is unset or not absolute.
QString folder();

// One document found under the media root.
struct Source {
    const SearchDocument* document = nullptr;
    QString realPath;
    qint64 size = 0;
};

struct Media {
    std::vector<Source> sources; // in the order of searchdocuments::all(); documents not on the disc left out
    QByteArray fingerprint;      // hex digest; changes when a document is added, removed or changed
};

// The documents of searchdocuments::all() that exist under the media root, and their fingerprint.
Media scan(const MediaFiles& files, const QString& mediaRoot);

// The index file of a fingerprint in a folder: folder + "/search-" + 16 hex digits + ".xapian".
QString indexPath(const QString& folder, const QByteArray& fingerprint);

// Removes old index files of the folder, keeping `current` and the newest others, `keep` in all: a cache
// that does not grow with every disc ever inserted.
void prune(const QString& folder, const QString& current, int keep = 3);

// Bumped when what an index holds changes, so an index of an older program is built again.
inline constexpr int kFormat = 2;

} // namespace indexcache
