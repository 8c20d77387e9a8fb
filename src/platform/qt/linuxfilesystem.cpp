#include "platform/qt/linuxfilesystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include "catalog/mediafiles.h"

namespace {

class ReadFile final : public IOpenFile {
public:
    explicit ReadFile(const QString& path) : m_file(path) {}
    bool openIt() { return m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    qint64 size() const override { return m_file.size(); }
    qint64 read(char* data, qint64 maxSize) override { return m_file.read(data, maxSize); }
    bool write(const char*, qint64) override { return false; }
    bool commit() override { return false; }
    QString errorString() const override { return m_file.errorString(); }
    bool isExecutable() const override { return QFileInfo(m_file.fileName()).isExecutable(); }
    QFile m_file;
};

class WriteFile final : public IOpenFile {
public:
    WriteFile(const QString& target) : m_target(target), m_file(LinuxFileSystem::partName(target)) {}
    ~WriteFile() override
    {
        if (!m_committed) {
            m_file.close();
            m_file.remove();
        }
    }
    bool openIt() { return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered); }
    qint64 size() const override { return m_file.size(); }
    qint64 read(char*, qint64) override { return -1; }
    bool write(const char* data, qint64 size) override
    {
        while (size > 0) {
            const qint64 n = m_file.write(data, size);
            if (n <= 0)
                return false;
            data += n;
            size -= n;
        }
        return true;
    }
    bool commit() override
    {
        if (m_committed)
            return true;
        if (!m_file.flush() || m_file.error() != QFileDevice::NoError)
            return false;
        if (m_executable)
            m_file.setPermissions(m_file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                  QFileDevice::ExeOther);
        m_file.close();
        // rename() replaces the target in one step: a reader sees the old file or the whole new one.
        if (std::rename(QFile::encodeName(m_file.fileName()).constData(),
                        QFile::encodeName(m_target).constData()) != 0) {
            m_renameError = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        m_committed = true;
        return true;
    }
    QString errorString() const override
    {
        return m_renameError.isEmpty() ? m_file.errorString() : m_renameError;
    }
    void markExecutable() override { m_executable = true; }

private:
    QString m_target;
    QFile m_file;
    QString m_renameError;
    bool m_committed = false;
    bool m_executable = false;
};

} // namespace

LinuxFileSystem::LinuxFileSystem(QString saverFolder) : m_saverFolder(std::move(saverFolder)) {}

QString LinuxFileSystem::partName(const QString& target)
{
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".part");
}

std::optional<qint64> LinuxFileSystem::freeKilobytes(const QString& path) const
{
    QFileInfo info(path);
    QString at = info.absoluteFilePath();
    while (!QFileInfo::exists(at)) {
        const QString up = QFileInfo(at).path();
        if (up == at)
            return std::nullopt;
        at = up;
    }
    const QStorageInfo storage(at);
    if (!storage.isValid() || storage.bytesAvailable() < 0)
        return std::nullopt;
    return storage.bytesAvailable() / 1024;
}

std::unique_ptr<IOpenFile> LinuxFileSystem::open(const QString& path, Mode mode, QString* error)
{
    if (mode == Mode::Read) {
        auto file = std::make_unique<ReadFile>(path);
        if (QFileInfo(path).isDir() || !file->openIt()) {
            if (error)
                *error = QFileInfo(path).isDir() ? QStringLiteral("Is a directory") : file->errorString();
            return nullptr;
        }
        return file;
    }
    auto file = std::make_unique<WriteFile>(path);
    if (!file->openIt()) {
        if (error)
            *error = file->errorString();
        return nullptr;
    }
    return file;
}

bool LinuxFileSystem::remove(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir())
        return QDir().rmdir(path);
    return QFile::remove(path);
}

IFileSystem::FolderResult LinuxFileSystem::makeFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return FolderResult::Exists;
    return QDir().mkpath(path) ? FolderResult::Created : FolderResult::Failed;
}

std::optional<QStringList> LinuxFileSystem::list(const QString& folder, const QString& pattern) const
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        return std::nullopt;
    QStringList out;
    const QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& name : names)
        if (!name.startsWith(QLatin1Char('.')) && wildcardMatch(pattern, name))
            out << name;
    return out;
}

QString LinuxFileSystem::defaultSaverFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/zephane-folarium");
}

QString LinuxFileSystem::saverFolder() const
{
    const QString folder = m_saverFolder.isEmpty() ? defaultSaverFolder() : m_saverFolder;
    QDir().mkpath(folder);
    return folder;
}
