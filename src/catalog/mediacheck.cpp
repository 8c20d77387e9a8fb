#include "catalog/mediacheck.h"

#include <algorithm>

#include <QSet>

#include "catalog/catalogue.h"
#include "catalog/mediafiles.h"

using mediarules::ExpectedFile;
using mediarules::Kind;
using mediarules::Root;

namespace {

QString rootWord(Root root)
{
    return root == Root::Program ? QStringLiteral("program") : QStringLiteral("media");
}

QString statusWord(MediaCheckReport::Status status)
{
    switch (status) {
    case MediaCheckReport::Status::Ok: return QStringLiteral("ok");
    case MediaCheckReport::Status::Missing: return QStringLiteral("missing");
    case MediaCheckReport::Status::OptionalMissing: break;
    }
    return QStringLiteral("optional-missing");
}

// Collections whose photo captions the program reads: those whose statistics are per-photo texts, and the
// people collection whose caption box moves with the photo number.
bool readsPhotoCaptions(const QString& entryText)
{
    return mediarules::statisticsArePhotoText(entryText) ||
           entryText == QLatin1String("Top Ten Zephane People ");
}

}  // namespace

std::vector<ExpectedFile> photoCaptionFiles(const QStringList& photoNames)
{
    QSet<QString> codes;
    for (const catalogue::Collection& c : catalogue::collections())
        if (readsPhotoCaptions(c.text))
            codes.insert(c.code);
    QStringList sorted = photoNames;
    std::sort(sorted.begin(), sorted.end());
    std::vector<ExpectedFile> out;
    for (const QString& name : sorted) {
        const QString code = name.left(2);
        if (!codes.contains(code))
            continue;
        QString owner;
        for (const catalogue::Collection& c : catalogue::collections())
            if (c.code == code && readsPhotoCaptions(c.text))
                owner = c.text;
        out.push_back({mediarules::photoCaption(name), Kind::PhotoCaption, owner, false});
    }
    return out;
}

MediaCheckReport checkMedia(const MediaFiles& files, const QString& mediaRoot, const QString& programFolder)
{
    MediaCheckReport report;
    auto check = [&](const ExpectedFile& f) {
        const QString root = f.path.root == Root::Program ? programFolder : mediaRoot;
        MediaCheckReport::Status status = MediaCheckReport::Status::Ok;
        if (!files.exists(f.path.in(root)))
            status =
                f.optional ? MediaCheckReport::Status::OptionalMissing : MediaCheckReport::Status::Missing;
        switch (status) {
        case MediaCheckReport::Status::Ok: ++report.ok; break;
        case MediaCheckReport::Status::Missing: ++report.missing; break;
        case MediaCheckReport::Status::OptionalMissing: ++report.optionalMissing; break;
        }
        report.lines.push_back({status, f});
    };
    for (const ExpectedFile& f : mediarules::expectedFiles())
        check(f);

    // Photos as the index reads them: upper-cased names under "\zephanes\".
    QStringList photos;
    for (const QString& n : files.list(mediarules::photoPattern(Root::Photo).in(mediaRoot)))
        photos << n.toUpper();
    for (const ExpectedFile& f : photoCaptionFiles(photos))
        check(f);

    QSet<QString> codes;
    for (const QString& p : photos)
        codes.insert(p.left(2));
    auto noteEntry = [&](const QString& text) {
        if (!codes.contains(catalogue::entryCode(text)))
            report.entriesWithoutPhoto << text;
    };
    for (int i = 1; i <= catalogue::kYearButtonCount; ++i)
        noteEntry(catalogue::yearForIndex(i));
    for (const catalogue::Collection& c : catalogue::collections())
        noteEntry(c.text);
    return report;
}

QStringList MediaCheckReport::text() const
{
    QStringList out;
    for (const Line& l : lines)
        out << statusWord(l.status) + QLatin1Char(' ') + rootWord(l.file.path.root) + QLatin1Char(' ')
                   + l.file.path.slashPath();
    for (const QString& e : entriesWithoutPhoto)
        out << QStringLiteral("no-photo ") + e;
    out << QStringLiteral("%1 ok, %2 missing, %3 optional-missing").arg(ok).arg(missing).arg(optionalMissing);
    return out;
}
