#include "platform/qt/linuxdiscimages.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>

#include "platform/qt/fuseisomount.h"
#include "platform/qt/mounttable.h"
#include "platform/qt/udisksmount.h"
#include "platform/runtimefolder.h"

LinuxDiscImages::LinuxDiscImages(QString runtimeFolder,
                                 std::vector<std::unique_ptr<IImageMountMethod>> methods)
    : m_runtimeFolder(std::move(runtimeFolder)), m_records(m_runtimeFolder + QStringLiteral("/mounts")),
      m_methods(std::move(methods))
{
}

LinuxDiscImages::~LinuxDiscImages()
{
    releaseAll();
}

QString LinuxDiscImages::defaultRuntimeFolder()
{
    return runtimeFolder() + QStringLiteral("/zephane-folarium");
}

std::unique_ptr<LinuxDiscImages> LinuxDiscImages::forDesktop()
{
    std::vector<std::unique_ptr<IImageMountMethod>> methods;
    methods.push_back(std::make_unique<UDisksMount>(QDBusConnection::systemBus()));
    methods.push_back(std::make_unique<FuseIsoMount>());
    return std::make_unique<LinuxDiscImages>(defaultRuntimeFolder(), std::move(methods));
}

bool LinuxDiscImages::processAlive(qint64 pid)
{
    if (pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

IImageMountMethod* LinuxDiscImages::method(const QString& name) const
{
    for (const auto& m : m_methods)
        if (m->name() == name)
            return m.get();
    return nullptr;
}

bool LinuxDiscImages::stillMounted(const MountRecord& record) const
{
    // A fuse mount whose server died stays in the table but cannot be read.
    return mounttable::isMountPoint(record.folder) && QDir(record.folder).exists() &&
           QDir(record.folder).isReadable() &&
           !QDir(record.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty();
}

bool LinuxDiscImages::release(const MountRecord& record)
{
    IImageMountMethod* m = method(record.method);
    const bool done = m && m->unmount(record.folder, record.handle);
    if (done || !mounttable::isMountPoint(record.folder)) {
        m_records.remove(record);
        return true;
    }
    return false;
}

IDiscImages::Mounted LinuxDiscImages::mount(const QString& imagePath)
{
    const QString image = QFileInfo(imagePath).canonicalFilePath();
    if (image.isEmpty())
        return {{}, QStringLiteral("%1: no such disc image").arg(imagePath)};
    for (qsizetype i = m_mine.size() - 1; i >= 0; --i) {
        if (m_mine.at(i).image != image)
            continue;
        if (stillMounted(m_mine.at(i)))
            return {m_mine.at(i).folder, {}};
        release(m_mine.takeAt(i)); // its file system went away (fuseiso ended): mount it afresh
    }

    const qint64 self = QCoreApplication::applicationPid();
    for (MountRecord r : m_records.all()) {
        if (r.image != image || r.pid == self || processAlive(r.pid))
            continue;
        if (stillMounted(r)) {
            r.pid = self; // taken over: this run unmounts it at its end
            m_records.save(r);
            m_mine << r;
            return {r.folder, {}};
        }
        release(r);
    }

    QDir().mkpath(m_runtimeFolder);
    QFile::setPermissions(m_runtimeFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStringList unavailable;
    QStringList failed;
    for (const auto& m : m_methods) {
        QString why;
        if (!m->available(&why)) {
            unavailable << QStringLiteral("%1: %2").arg(m->name(), why);
            continue;
        }
        const IImageMountMethod::Result result = m->mount(image, m_runtimeFolder);
        if (result.folder.isEmpty()) {
            failed << QStringLiteral("%1: %2").arg(m->name(), result.error);
            continue;
        }
        MountRecord r{image, result.folder, m->name(), result.handle, self, {}};
        m_records.save(r); // without it only a crash would leave the mount behind; the run works on
        m_mine << r;
        return {r.folder, {}};
    }
    const QString shown = QDir::toNativeSeparators(imagePath);
    if (!failed.isEmpty())
        return {{},
                QStringLiteral("The disc image %1 could not be mounted (%2).")
                    .arg(shown, failed.join(QStringLiteral("; ")))};
    return {
        {},
        QStringLiteral("The disc image %1 cannot be opened on this system (%2). Install the Debian package "
                       "\"fuseiso\" (or run the udisks2 service) to open disc images, or copy the disc's "
                       "files into a folder and open that.")
            .arg(shown, unavailable.join(QStringLiteral("; ")))};
}

void LinuxDiscImages::release(const QString& imagePath)
{
    const QString image = QFileInfo(imagePath).canonicalFilePath();
    for (qsizetype i = m_mine.size() - 1; i >= 0; --i)
        if (m_mine.at(i).image == image || m_mine.at(i).image == imagePath)
            release(m_mine.takeAt(i));
}

void LinuxDiscImages::releaseAll()
{
    while (!m_mine.isEmpty()) {
        const MountRecord r = m_mine.takeLast();
        release(r);
    }
}

int LinuxDiscImages::releaseLeftovers()
{
    int released = 0;
    const qint64 self = QCoreApplication::applicationPid();
    for (const MountRecord& r : m_records.all())
        if (r.pid != self && !processAlive(r.pid) && release(r))
            ++released;
    return released;
}
