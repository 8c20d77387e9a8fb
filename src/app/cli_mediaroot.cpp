#include "app/cli_mediaroot.h"

#include <QDir>
#include <QFileInfo>

#include "platform/discimagefile.h"
#include "platform/qt/linuxdiscimages.h"

CliMediaRoot::CliMediaRoot() = default;
CliMediaRoot::~CliMediaRoot() = default; // unmounts the image, if one was mounted

bool CliMediaRoot::open(const QString& path, QString* error)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    switch (discimage::inspect(absolute)) {
    case discimage::Kind::Folder:
        m_folder = absolute;
        return true;
    case discimage::Kind::Image: {
        m_images = LinuxDiscImages::forDesktop();
        const IDiscImages::Mounted mounted = m_images->mount(absolute);
        if (mounted.folder.isEmpty()) {
            *error = mounted.error;
            return false;
        }
        m_folder = mounted.folder;
        return true;
    }
    case discimage::Kind::Missing:
        *error = QStringLiteral("%1: no such folder or disc image").arg(path);
        return false;
    case discimage::Kind::Empty:
        *error =
            QStringLiteral("%1: the file is empty; a folder or a disc image (.iso) was expected").arg(path);
        return false;
    case discimage::Kind::Unreadable:
        *error = QStringLiteral("%1: the file cannot be read").arg(path);
        return false;
    case discimage::Kind::NotAnImage:
        break;
    }
    *error = QStringLiteral("%1 is neither a folder nor a disc image (no ISO 9660 or UDF volume descriptor)")
                 .arg(path);
    return false;
}
