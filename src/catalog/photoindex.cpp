#include "catalog/photoindex.h"

#include <algorithm>

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photonames.h"

namespace {

QString at(const QStringList& list, int i)
{
    return (i >= 1 && i <= list.size()) ? list[i - 1] : QString();
}

// Names are ordered by character code, case-sensitive. Equal names are equal texts, so the order a sort
// leaves them in cannot be told apart and no stable sort is needed.
void sortByCharacterCode(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
}

bool reachable(const MediaFiles& files, const QString& root)
{
    return !root.isEmpty() && files.exists(root);
}

} // namespace

QString PhotoIndex::photoFile(int i) const
{
    return at(photoFiles, i);
}
QString PhotoIndex::photoNumber(int i) const
{
    return at(photoNumbers, i);
}
QString PhotoIndex::clipArtFile(int i) const
{
    return at(clipArtFiles, i);
}

int PhotoIndex::nameStart() const
{
    const qsizetype tag = photoFile(1).indexOf(photonames::kPhotoTag);
    return tag < 0 ? -1 : int(tag + photonames::kPhotoTag.size());
}

QString PhotoIndex::codeOf(int i, int start) const
{
    return start < 0 ? QString() : photoFile(i).mid(start, 2);
}

QString PhotoIndex::displayNameOf(int i, int start) const
{
    return start < 0 ? QString() : photoFile(i).mid(start, 12);
}

void buildPhotoIndex(PhotoIndex& index, const QStringList& listedNames, const QString& photoRoot)
{
    QStringList names;
    names.reserve(listedNames.size() + 1);
    for (const QString& n : listedNames)
        names << n.toUpper();
    sortByCharacterCode(names);

    QStringList numbers;
    numbers.reserve(names.size() + 1);
    const QString prefix = photoRoot + photonames::kPhotoTag;
    QString previous;
    int n = 0;
    for (QString& name : names) {
        const QString code = name.left(2);
        n = (code != previous) ? 1 : n + 1;
        previous = code;
        numbers << QString::number(n);
        name.prepend(prefix);
    }
    if (numbers.isEmpty())
        numbers << QStringLiteral("1"); // the first number is set before the listing is read
    names << QString();                 // the empty element after the last photo
    while (numbers.size() < names.size())
        numbers << QString();
    index.photoFiles = std::move(names);
    index.photoNumbers = std::move(numbers);
}

void buildClipArtIndex(PhotoIndex& index, const QStringList& listedNames, const QString& mediaRoot)
{
    QStringList names = listedNames;
    sortByCharacterCode(names);
    const QString prefix = mediaRoot + photonames::kClipArtFolder;
    for (QString& name : names)
        name.prepend(prefix);
    names << QString();
    index.clipArtFiles = std::move(names);
}

bool LoadPhotoIndex(PhotoIndex& index, const MediaRoots& roots, const MediaFiles& files,
                    ErrorReporter& reporter)
{
    reporter.state().code = errc::kPhotoIndex;
    // Each step is repeated on Retry until it succeeds; Cancel ends the program.
    auto step = [&](const QString& root, auto build) {
        for (;;) {
            if (reachable(files, root)) {
                build();
                return true;
            }
            if (reporter.report(errc::kPhotoIndex) != ErrorReporter::Outcome::Retry)
                return false;
            files.clearCache();
        }
    };
    PhotoIndex built;
    if (!step(roots.photoRoot, [&] {
            buildPhotoIndex(built, files.list(roots.photoRoot + photonames::kPhotoPattern), roots.photoRoot);
        }))
        return false;
    if (!step(roots.mediaRoot, [&] {
            buildClipArtIndex(built, files.list(roots.mediaRoot + photonames::kClipArtPattern),
                              roots.mediaRoot);
        }))
        return false;
    index = std::move(built);
    return true;
}
