#include "platform/mountrecords.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
const QString kSuffix = QStringLiteral(".mount");
} // namespace

QString MountRecords::format(const MountRecord& r)
{
    // One "key=value" per line; paths may hold anything but a line break, which no mount path holds.
    return QStringLiteral("image=%1\nfolder=%2\nmethod=%3\nhandle=%4\npid=%5\n")
        .arg(r.image, r.folder, r.method, r.handle, QString::number(r.pid));
}

bool MountRecords::parse(const QString& text, MountRecord& r)
{
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return false;
        const QString key = line.left(eq);
        const QString value = line.mid(eq + 1);
        if (key == QLatin1String("image"))
            r.image = value;
        else if (key == QLatin1String("folder"))
            r.folder = value;
        else if (key == QLatin1String("method"))
            r.method = value;
        else if (key == QLatin1String("handle"))
            r.handle = value;
        else if (key == QLatin1String("pid"))
            r.pid = value.toLongLong();
    }
    return !r.image.isEmpty() && !r.folder.isEmpty() && !r.method.isEmpty() && r.pid > 0;
}

QList<MountRecord> MountRecords::all() const
{
    QList<MountRecord> records;
    const QDir dir(m_folder);
    for (const QString& name : dir.entryList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly) || f.size() > 64 * 1024)
            continue;
        MountRecord r;
        if (!parse(QString::fromUtf8(f.readAll()), r))
            continue;
        r.file = f.fileName();
        records << r;
    }
    return records;
}

bool MountRecords::save(MountRecord& r) const
{
    if (!QDir().mkpath(m_folder))
        return false;
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (r.file.isEmpty()) {
        for (int n = 1; n < 10000; ++n) {
            const QString candidate =
                QStringLiteral("%1/%2-%3%4").arg(m_folder).arg(r.pid).arg(n).arg(kSuffix);
            if (!QFile::exists(candidate)) {
                r.file = candidate;
                break;
            }
        }
        if (r.file.isEmpty())
            return false;
    }
    QSaveFile out(r.file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(format(r).toUtf8());
    return out.commit();
}

void MountRecords::remove(const MountRecord& r) const
{
    if (!r.file.isEmpty())
        QFile::remove(r.file);
}
