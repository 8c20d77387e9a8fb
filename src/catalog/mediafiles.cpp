#include "catalog/mediafiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "platform/drives.h"

namespace {

bool isDriveDesignator(const QString& root)
{
    return root.size() == 2 && root[1] == QLatin1Char(':') && root[0].isLetter() && root[0].unicode() < 128;
}

bool isSafeName(const QString& name)
{
    return name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(QLatin1Char('/')) &&
           !name.contains(QChar(0));
}

QString fold(const QString& name)
{
    return name.toCaseFolded();
}

bool foldedMatch(QStringView pattern, QStringView name)
{
    // Iterative matcher with one back-track point: never recursive, quadratic at worst. The name is folded
    // character by character so that a long listing allocates nothing per file.
    qsizetype pi = 0, ni = 0, star = -1, mark = 0;
    while (ni < name.size()) {
        const QChar c = name[ni].toCaseFolded();
        if (pi < pattern.size() && (pattern[pi] == QLatin1Char('?') || pattern[pi] == c)) {
            ++pi;
            ++ni;
        } else if (pi < pattern.size() && pattern[pi] == QLatin1Char('*')) {
            star = pi++;
            mark = ni;
        } else if (star >= 0) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < pattern.size() && pattern[pi] == QLatin1Char('*'))
        ++pi;
    return pi == pattern.size();
}

} // namespace

MediaFiles::MediaFiles(const IDrives& drives) : m_drives(drives) {}

MediaFiles::Split MediaFiles::split(const QString& mediaPath)
{
    Split s;
    const qsizetype cut = mediaPath.indexOf(QLatin1Char('\\'));
    s.root = cut < 0 ? mediaPath : mediaPath.left(cut);
    if (cut >= 0)
        s.parts = mediaPath.mid(cut + 1).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    s.valid = !s.root.isEmpty() && std::all_of(s.parts.cbegin(), s.parts.cend(), isSafeName);
    return s;
}

QString MediaFiles::rootFolder(const QString& root) const
{
    if (isDriveDesignator(root))
        return m_drives.mountPoint(root[0].toUpper());
    if (!QDir::isAbsolutePath(root))
        return {};
    return root;
}

const MediaFiles::Folder* MediaFiles::folder(const QString& realDir) const
{
    const QFileInfo info(realDir);
    if (!info.isDir())
        return nullptr;
    const qint64 stamp = info.lastModified().toMSecsSinceEpoch();
    Folder& f = m_folders[realDir];
    if (f.stamp == stamp && stamp != -1)
        return &f;
    f = Folder{};
    f.stamp = stamp;
    QDirIterator it(realDir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        f.names << name;
    }
    // Where names differ only in case, the first one listed answers a case-insensitive look-up.
    for (auto n = f.names.crbegin(); n != f.names.crend(); ++n)
        f.byFoldedName.insert(fold(*n), *n);
    return &f;
}

std::optional<QString> MediaFiles::resolveParts(const QString& rootDir, const QStringList& parts) const
{
    QString current = rootDir;
    for (const QString& part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) { // the exact spelling wins over any other case
            current = exact;
            continue;
        }
        const Folder* f = folder(current);
        if (!f)
            return std::nullopt;
        auto hit = f->byFoldedName.constFind(fold(part));
        if (hit == f->byFoldedName.cend()) {
            // The folder may have changed within the same clock tick: look once more, fresh.
            m_folders.remove(current);
            f = folder(current);
            if (!f || (hit = f->byFoldedName.constFind(fold(part))) == f->byFoldedName.cend())
                return std::nullopt;
        }
        current = current + QLatin1Char('/') + hit.value();
    }
    return current;
}

bool MediaFiles::staysInside(const QString& rootDir, const QString& path) const
{
    // Whether a path found under a root still lies inside it once symbolic links are followed, so a link in
    // the media tree cannot lead a look-up to /etc or to a folder beside the tree.
    auto known = m_realRoots.constFind(rootDir);
    if (known == m_realRoots.cend()) {
        QString root = QFileInfo(rootDir).canonicalFilePath();
        if (!root.isEmpty() && !root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        known = m_realRoots.insert(rootDir, root);
    }
    const QString& root = known.value();
    const QString real = QFileInfo(path).canonicalFilePath();
    if (root.isEmpty() || real.isEmpty())
        return false;
    return real + QLatin1Char('/') == root || real.startsWith(root);
}

std::optional<QString> MediaFiles::resolve(const QString& mediaPath) const
{
    const Split s = split(mediaPath);
    if (!s.valid)
        return std::nullopt;
    const QString rootDir = rootFolder(s.root);
    if (rootDir.isEmpty() || !QFileInfo(rootDir).isDir())
        return std::nullopt;
    std::optional<QString> found = resolveParts(rootDir, s.parts);
    if (found && !staysInside(rootDir, *found))
        return std::nullopt;
    return found;
}

std::vector<std::optional<QString>> MediaFiles::resolveAll(const QString& mediaFolder,
                                                           const QStringList& names) const
{
    std::vector<std::optional<QString>> out;
    out.reserve(size_t(names.size()));
    const std::optional<QString> dir = resolve(mediaFolder.chopped(mediaFolder.endsWith(QLatin1Char('\\'))));
    for (const QString& name : names) {
        // A plain file under its exact name in a folder already found inside the root is inside too. Any
        // other case (another spelling, a link, a deeper path) takes the full look-up.
        if (dir && isSafeName(name) && !name.contains(QLatin1Char('\\'))) {
            const QFileInfo exact(*dir + QLatin1Char('/') + name);
            if (exact.isFile() && !exact.isSymLink()) {
                out.push_back(exact.filePath());
                continue;
            }
        }
        out.push_back(resolve(mediaFolder + name));
    }
    return out;
}

bool MediaFiles::exists(const QString& mediaPath) const
{
    return resolve(mediaPath).has_value();
}

QStringList MediaFiles::list(const QString& mediaPattern) const
{
    const qsizetype cut = mediaPattern.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0)
        return {};
    const QString pattern = fold(mediaPattern.mid(cut + 1));
    const std::optional<QString> dir = resolve(mediaPattern.left(cut));
    if (!dir || pattern.isEmpty())
        return {};
    // A listing is always read fresh. The iterator takes the file type from the directory entry, so a
    // folder of 100,000 photos is not stat'ed file by file.
    QStringList out;
    QDirIterator it(*dir, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (foldedMatch(pattern, name))
            out << name;
    }
    return out;
}

QString MediaFiles::writablePath(const QString& mediaPath) const
{
    const Split s = split(mediaPath);
    if (!s.valid)
        return {};
    const QString rootDir = rootFolder(s.root);
    if (rootDir.isEmpty())
        return {};
    QString current = rootDir;
    qsizetype i = 0;
    for (; i < s.parts.size(); ++i) {
        const std::optional<QString> next = resolveParts(current, {s.parts[i]});
        if (!next)
            break;
        current = *next;
    }
    if (!staysInside(rootDir, current))
        return {};
    for (; i < s.parts.size(); ++i)
        current += QLatin1Char('/') + s.parts[i];
    return current;
}

void MediaFiles::clearCache() const
{
    m_folders.clear();
    m_realRoots.clear();
}

bool wildcardMatch(const QString& pattern, const QString& name)
{
    return foldedMatch(fold(pattern), name);
}
