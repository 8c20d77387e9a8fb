#include "search/indexcache.h"

#include <algorithm>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "catalog/mediafiles.h"
#include "search/searchdocuments.h"

namespace indexcache {

QString folder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(base + QStringLiteral("/zephane-folarium"));
}

Media scan(const MediaFiles& files, const QString& mediaRoot)
{
    Media media;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(kFormat));
    for (const SearchDocument& d : searchdocuments::all()) {
        const std::optional<QString> real = files.resolve(d.path.in(mediaRoot));
        if (!real)
            continue;
        const QFileInfo info(*real);
        if (!info.isFile())
            continue;
        media.sources.push_back({&d, *real, info.size()});
        hash.addData(d.path.slashPath().toLower().toUtf8());
        hash.addData(QByteArray::number(info.size()) + '/' +
                     QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '\n');
    }
    media.fingerprint = hash.result().toHex();
    return media;
}

QString indexPath(const QString& folder, const QByteArray& fingerprint)
{
    return folder + QStringLiteral("/search-") + QString::fromLatin1(fingerprint.left(16)) +
           QStringLiteral(".xapian");
}

void prune(const QString& folder, const QString& current, int keep)
{
    QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("search-*.xapian")}, QDir::Files, QDir::Time);
    int kept = 0;
    for (const QFileInfo& f : files) {
        if (f.absoluteFilePath() == QFileInfo(current).absoluteFilePath())
            continue;
        if (++kept < keep)
            continue;
        QFile::remove(f.absoluteFilePath());
    }
}

} // namespace indexcache
