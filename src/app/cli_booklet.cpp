// Command-line mode: the booklet printed to one PDF, as the booklet panel prints it.
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/cli_mediaroot.h"
#include "app/clicommand.h"
#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "output/bookletplan.h"
#include "output/doc/bookletprinter.h"
#include "platform/drives.h"
#include "platform/qt/linuxfilesystem.h"
#include "platform/qt/qtprinter.h"

namespace {

const char* const kUsage = "--print-booklet-to-pdf OUT.pdf --media ROOT|IMAGE [--from YEAR --to YEAR] "
                           "--sections cover,overview,clipart,description,details,engines,options,colors";

// The media root is a folder here; no drive letters are handed out.
class NoDrives final : public IDrives {
public:
    QString mountPoint(QChar) const override { return QString(); }
};

int fail(const QString& text)
{
    std::fprintf(stderr, "zephane-folarium: %s\n", qPrintable(text));
    return 2;
}

// Puts the finished PDF in place of out, the one safe way every file is written.
int publish(const QString& pages, const QString& out)
{
    QFile finished(pages);
    if (!finished.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: the booklet was not written (%2)").arg(out, finished.errorString()));
    const QByteArray bytes = finished.readAll();
    LinuxFileSystem fs;
    FileError error;
    auto file = fs.open(out, IFileSystem::Mode::Write, &error);
    if (!file || !file->write(bytes.constData(), bytes.size()) || !file->commit()) {
        if (file)
            error = file->error();
        std::fprintf(stderr, "zephane-folarium: %s: cannot write the PDF file (%s)\n", qPrintable(out),
                     qPrintable(error.text));
        return 1;
    }
    return 0;
}

int printBooklet(const QStringList& args)
{
    if (args.isEmpty() || args.at(0).startsWith(QLatin1String("--")))
        return fail(QStringLiteral("usage: zephane-folarium %1").arg(QLatin1String(kUsage)));
    const QString out = QFileInfo(args.at(0)).absoluteFilePath();
    QString media, from, to, sections;
    for (int i = 1; i < args.size(); i += 2) {
        const QString& key = args.at(i);
        if (i + 1 >= args.size())
            return fail(QStringLiteral("%1 needs a value").arg(key));
        const QString& value = args.at(i + 1);
        if (key == QLatin1String("--media"))
            media = value;
        else if (key == QLatin1String("--from"))
            from = value;
        else if (key == QLatin1String("--to"))
            to = value;
        else if (key == QLatin1String("--sections"))
            sections = value;
        else
            return fail(QStringLiteral("unknown option %1; usage: zephane-folarium %2")
                            .arg(key, QLatin1String(kUsage)));
    }
    if (media.isEmpty())
        return fail(QStringLiteral("--media: name a folder or a disc image"));
    if (sections.isEmpty())
        return fail(QStringLiteral("--sections: name at least one section"));

    BookletChoice ticked{};
    for (const QString& name : sections.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto& keys = booklet::sectionKeys();
        const auto it = std::find(keys.begin(), keys.end(), name.trimmed().toLower());
        if (it == keys.end())
            return fail(QStringLiteral("--sections: unknown section \"%1\" (known: cover, overview, clipart, "
                                       "description, details, engines, options, colors)")
                            .arg(name));
        ticked[size_t(it - keys.begin())] = true;
    }
    const int fromYear = from.isEmpty() ? 0 : booklet::yearNumber(from);
    const int toYear = to.isEmpty() ? 0 : booklet::yearNumber(to);
    if (!from.isEmpty() && fromYear == 0)
        return fail(QStringLiteral("--from: \"%1\" is no year of the booklet (1953-1982, 1984-2000, ZR-1)")
                        .arg(from));
    if (!to.isEmpty() && toYear == 0)
        return fail(
            QStringLiteral("--to: \"%1\" is no year of the booklet (1953-1982, 1984-2000, ZR-1)").arg(to));

    const BookletPlan plan = planBooklet(ticked, fromYear, toYear);
    if (plan.yearsMissing)
        return fail(QStringLiteral("the chosen sections need --from and --to, the end not before the start"));

    // The pages go to a private folder beside OUT, and OUT is replaced only by a whole booklet: a booklet
    // that fails half-way leaves the previous OUT as it was.
    const QFileInfo outInfo(out);
    if (outInfo.isDir())
        return fail(QStringLiteral("%1: cannot write the PDF file: it is a folder").arg(out));
    QTemporaryDir work(outInfo.path() + QStringLiteral("/.zephane-booklet-XXXXXX"));
    if (!work.isValid())
        return fail(QStringLiteral("%1: cannot write the PDF file (%2)").arg(out, work.errorString()));
    const QString pages = work.filePath(QStringLiteral("booklet.pdf"));

    // Opened last, so that a mistake in the other options mounts nothing.
    CliMediaRoot mediaRoot;
    QString error;
    if (!mediaRoot.open(media, &error))
        return fail(QStringLiteral("--media: %1").arg(error));
    NoDrives drives;
    MediaFiles files(drives);
    MediaRoots roots;
    roots.mediaRoot = mediaRoot.folder();
    roots.photoRoot = roots.mediaRoot;
    roots.programFolder = roots.mediaRoot;

    QtPrinter::Options options;
    options.pdfFile = pages;
    QtPrinter printer(nullptr, options);
    BookletPrinter booklet(printer, files, roots);
    const BookletPrinter::Result result = booklet.print(plan);
    if (!result.ok) {
        std::fprintf(stderr, "zephane-folarium: %s (%s)\n",
                     qPrintable(errors::messageFor(errc::kPrintBooklet)),
                     qPrintable(result.failedFile.isEmpty() ? out : result.failedFile));
        return 1;
    }
    if (result.stepsDone == 0)
        return fail(QStringLiteral("nothing to print for the chosen sections and years"));
    return publish(pages, out);
}

const CliCommand bookletCommand(QStringLiteral("--print-booklet-to-pdf"), QString::fromLatin1(kUsage),
                                printBooklet);

} // namespace
