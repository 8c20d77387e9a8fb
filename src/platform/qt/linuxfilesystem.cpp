#include "platform/qt/linuxfilesystem.h"

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include "catalog/mediafiles.h"
#include "platform/qt/safefilewrite.h"

namespace {

QString systemText(int errnum)
{
    return QString::fromLocal8Bit(std::strerror(errnum));
}

// A source opened once: its size and mode come from the one fstat, and its descriptor lets a write copy
// from it inside the kernel.
class ReadFile final : public IOpenFile {
public:
    explicit ReadFile(const QString& path)
    {
        // Without waiting: a pipe planted under a photo's name must not hold the copy up.
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (m_fd < 0) {
            m_errno = errno;
            return;
        }
        if (::fstat(m_fd, &m_stat) != 0) {
            m_errno = errno;
        } else if (S_ISDIR(m_stat.st_mode)) {
            m_errno = EISDIR;
        } else if (!S_ISREG(m_stat.st_mode)) {
            m_errno = EINVAL;
            m_text = QStringLiteral("Not a regular file");
        }
        if (m_errno != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~ReadFile() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    qint64 size() const override { return m_stat.st_size; }
    qint64 read(char* data, qint64 maxSize) override
    {
        for (;;) {
            const ssize_t n = ::read(m_fd, data, size_t(maxSize));
            if (n >= 0 || errno != EINTR) {
                if (n < 0)
                    m_errno = errno;
                return n;
            }
        }
    }
    bool write(const char*, qint64) override { return false; }
    bool commit() override { return false; }
    FileError error() const override
    {
        return {!m_text.isEmpty() ? m_text : m_errno ? systemText(m_errno) : QString(), FileFailure::Other};
    }
    bool isExecutable() const override { return (m_stat.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0; }
    int descriptor() const override { return m_fd; }

private:
    int m_fd = -1;
    int m_errno = 0;
    QString m_text; // where errno has no fitting description
    struct stat m_stat {};
};

// Calls each(name, type) for every entry of a folder but "." and "..". False with errno set when the folder
// cannot be read.
template <typename Each> bool forEachEntry(const QString& folder, Each each)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
            each(::dirfd(dir), name, entry->d_type);
        errno = 0;
    }
    const int err = errno;
    ::closedir(dir);
    errno = err;
    return err == 0;
}

bool isFolder(int dirFd, const char* name, unsigned char type)
{
    if (type == DT_DIR)
        return true;
    if (type != DT_LNK && type != DT_UNKNOWN)
        return false;
    struct stat st {};
    return ::fstatat(dirFd, name, &st, 0) == 0 && S_ISDIR(st.st_mode); // a link counts as what it leads to
}

} // namespace

LinuxFileSystem::LinuxFileSystem(QString saverFolder) : m_saverFolder(std::move(saverFolder)) {}

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

std::unique_ptr<IOpenFile> LinuxFileSystem::open(const QString& path, Mode mode, FileError* error)
{
    if (mode == Mode::Read) {
        auto file = std::make_unique<ReadFile>(path);
        if (!file->isOpen()) {
            if (error)
                *error = file->error();
            return nullptr;
        }
        return file;
    }
    auto file = std::make_unique<SafeFileWrite>(path, mode == Mode::Write);
    if (!file->isOpen() || file->error().kind != FileFailure::None) {
        if (error)
            *error = file->error();
        return nullptr;
    }
    return file;
}

bool LinuxFileSystem::remove(const QString& path, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
        if (errno == ENOENT)
            return true;
    } else if (S_ISDIR(st.st_mode) ? ::rmdir(name.constData()) == 0 : ::unlink(name.constData()) == 0) {
        return true;
    }
    if (error)
        *error = systemText(errno);
    return false;
}

IFileSystem::FolderResult LinuxFileSystem::makeFolder(const QString& path, QString* error)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(clean).isDir())
        return FolderResult::Exists;
    if (::mkdir(QFile::encodeName(clean).constData(), 0777) == 0)
        return FolderResult::Created;
    int err = errno;
    if (err == ENOENT && clean != QStringLiteral("/")) {
        // The parents first, as "mkdir -p" does.
        if (makeFolder(QFileInfo(clean).path(), error) == FolderResult::Failed)
            return FolderResult::Failed;
        if (::mkdir(QFile::encodeName(clean).constData(), 0777) == 0)
            return FolderResult::Created;
        err = errno;
    }
    if (err == EEXIST && QFileInfo(clean).isDir())
        return FolderResult::Exists;
    if (error)
        *error = systemText(err);
    return FolderResult::Failed;
}

std::optional<QStringList> LinuxFileSystem::list(const QString& folder, const QString& pattern,
                                                 QString* error) const
{
    QStringList out;
    const bool read = forEachEntry(folder, [&](int dirFd, const char* name, unsigned char type) {
        if (name[0] == '.' || isFolder(dirFd, name, type))
            return;
        const QString decoded = QFile::decodeName(name);
        if (wildcardMatch(pattern, decoded))
            out << decoded;
    });
    if (!read) {
        if (error)
            *error = systemText(errno);
        return std::nullopt;
    }
    return out;
}

int LinuxFileSystem::removeLeftovers(const QString& folder)
{
    int removed = 0;
    forEachEntry(folder, [&](int dirFd, const char* name, unsigned char) {
        struct stat st {};
        if (SafeFileWrite::isTemporaryName(QFile::decodeName(name)) &&
            ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode) &&
            ::unlinkat(dirFd, name, 0) == 0)
            ++removed;
    });
    return removed;
}

bool LinuxFileSystem::syncFolder(const QString& folder, FileError* error)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) {
        if (error)
            *error = SafeFileWrite::errorOf(errno);
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
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
