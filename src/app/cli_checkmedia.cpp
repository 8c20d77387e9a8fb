// --check-media ROOT [--program-folder DIR]: lists every file the program expects in a media tree (a folder,
// or a disc image mounted while the check runs).
#include <cstdio>

#include <QDir>
#include <QFileInfo>

#include "app/cli_mediaroot.h"
#include "app/clicommand.h"
#include "catalog/mediacheck.h"
#include "catalog/mediafiles.h"
#include "platform/drives.h"

namespace {

// ROOT is a folder, so no drive letter needs a mount point.
class NoDrives : public IDrives {
public:
    QString mountPoint(QChar) const override { return {}; }
};

QString absoluteFolder(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

int usage()
{
    std::fprintf(stderr, "usage: zephane-folarium --check-media ROOT [--program-folder DIR]\n");
    return 2;
}

int runCheckMedia(const QStringList& args)
{
    QString root;
    QString programFolder;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--program-folder")) {
            if (i + 1 >= args.size() || !programFolder.isEmpty())
                return usage();
            programFolder = args[++i];
        } else if (root.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            root = args[i];
        } else {
            return usage();
        }
    }
    if (root.isEmpty())
        return usage();
    CliMediaRoot media;
    QString error;
    if (!media.open(root, &error)) {
        std::fprintf(stderr, "zephane-folarium: media root %s\n", qPrintable(error));
        return 2;
    }
    // Without the option the program folder is the media root, as with the HWI switch.
    if (programFolder.isEmpty())
        programFolder = media.folder();
    if (!QFileInfo(programFolder).isDir()) {
        std::fprintf(stderr, "zephane-folarium: program folder %s is not a folder\n",
                     qPrintable(programFolder));
        return 2;
    }

    NoDrives drives;
    MediaFiles files(drives);
    const MediaCheckReport report = checkMedia(files, media.folder(), absoluteFolder(programFolder));
    for (const QString& line : report.text())
        std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
    return report.exitCode();
}

const CliCommand checkMediaCommand(QStringLiteral("--check-media"),
                                   QStringLiteral("--check-media ROOT|IMAGE [--program-folder DIR]"),
                                   runCheckMedia);

} // namespace
