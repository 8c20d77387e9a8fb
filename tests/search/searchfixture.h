#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "catalog/mediafiles.h"
#include "fakes/fakedrives.h"
#include "search/indexcache.h"
#include "search/searchdocuments.h"
#include "search/xapian/searchindex.h"
#include "support/mediatree.h"

// A throw-away media tree of RTF documents at the names the program opens, and a private cache folder.
struct SearchFixture : ::testing::Test {
    MediaTree tree;
    QTemporaryDir cacheDir;
    FakeDrives drives;
    MediaFiles files{drives};

    QString root() const { return tree.file(QStringLiteral("media")); }
    QString cache() const { return cacheDir.path() + QStringLiteral("/zephane-folarium"); }

    // A small RTF document: a heading line, then the body (RTF escapes allowed).
    static QByteArray rtf(const QByteArray& heading, const QByteArray& body)
    {
        return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 {\\b " + heading + "}\\par " + body +
               "\\par}";
    }
    QString add(const QString& relative, const QByteArray& bytes) const
    {
        return tree.add(QStringLiteral("media/") + relative, bytes);
    }
    indexcache::Media scan() const
    {
        files.clearCache();
        return indexcache::scan(files, root());
    }
    std::unique_ptr<SearchIndex> build(QString* note = nullptr) const
    {
        const indexcache::Media media = scan();
        return SearchIndex::build(media, indexcache::indexPath(cache(), media.fingerprint), {}, note);
    }
    // The titles of the hits, best first.
    static QStringList titles(const SearchIndex& index, const QString& query)
    {
        QStringList out;
        for (const SearchIndex::Hit& h : index.search(parseQuery(query), 50))
            out << h.document->title();
        return out;
    }
};
