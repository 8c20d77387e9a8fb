// --search QUERY --media ROOT: the ranked search results for scripts, one a line.
#include <cstdio>

#include <QDir>
#include <QFileInfo>

#include "app/clicommand.h"
#include "catalog/mediafiles.h"
#include "platform/drives.h"
#include "search/indexcache.h"
#include "search/searchdocuments.h"
#include "search/searchquery.h"
#include "search/xapian/searchindex.h"

namespace {

// ROOT is a folder, so no drive letter needs a mount point.
class NoDrives : public IDrives {
public:
    QString mountPoint(QChar) const override { return {}; }
};

const char* const kUsage = "usage: zephane-folarium --search QUERY --media ROOT\n";

int usage(const char* problem)
{
    std::fprintf(stderr, "zephane-folarium: %s\n%s", problem, kUsage);
    return 2;
}

// Tabs and line ends would break the columns.
QString oneLine(QString s)
{
    for (QChar& c : s)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return s;
}

int runSearch(const QStringList& args)
{
    QString query;
    QString root;
    bool haveQuery = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--media")) {
            if (i + 1 >= args.size())
                return usage("--media needs a folder");
            if (!root.isEmpty())
                return usage("--media is given twice");
            root = args[++i];
        } else if (!haveQuery) {
            query = args[i];
            haveQuery = true;
        } else {
            return usage(qPrintable(QStringLiteral("unexpected argument \"%1\"").arg(args[i])));
        }
    }
    if (!haveQuery)
        return usage("no QUERY given");
    if (root.isEmpty())
        return usage("--media ROOT is missing");
    const SearchQuery parsed = parseQuery(query);
    if (parsed.isEmpty())
        return usage("the query holds no word to search for");
    if (!QFileInfo(root).isDir()) {
        std::fprintf(stderr, "zephane-folarium: media root %s is not a folder\n", qPrintable(root));
        return 2;
    }

    NoDrives drives;
    MediaFiles files(drives);
    const indexcache::Media media =
        indexcache::scan(files, QDir::cleanPath(QFileInfo(root).absoluteFilePath()));
    const QString folder = indexcache::folder();
    const QString path = indexcache::indexPath(folder, media.fingerprint);
    std::unique_ptr<SearchIndex> index = SearchIndex::open(path, media.fingerprint);
    if (!index) {
        QString note;
        index = SearchIndex::build(media, path, {}, &note);
        if (index && !index->inMemory())
            indexcache::prune(folder, path);
        if (!note.isEmpty())
            std::fprintf(stderr, "zephane-folarium: %s\n", qPrintable(note));
    }
    if (!index) {
        std::fprintf(stderr, "zephane-folarium: the documents could not be indexed\n");
        return 1;
    }
    const std::vector<SearchIndex::Hit> hits = index->search(parsed, 1000);
    for (const SearchIndex::Hit& h : hits) {
        const QString line = oneLine(h.document->title()) + QLatin1Char('\t') + h.document->path.slashPath() +
                             QLatin1Char('\t') + oneLine(h.snippet);
        std::printf("%s\n", line.toUtf8().constData());
    }
    if (std::fflush(stdout) != 0)
        return 2;
    return hits.empty() ? 1 : 0;
}

const CliCommand searchCommand(QStringLiteral("--search"), QStringLiteral("--search QUERY --media ROOT"),
                               runSearch);

} // namespace
