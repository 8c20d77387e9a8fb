#include "platform/qt/safefilewrite.h"

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

const QByteArray kTempSuffix = ".zephane-tmp";
constexpr int kMaxLinkHops = 40;
constexpr int kNameAttempts = 100;
constexpr qsizetype kMaxNameStem = 200; // leaves room for the dot, the random part and the suffix

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray randomPart()
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray out(6, Qt::Uninitialized);
    for (char& c : out)
        c = kChars[QRandomGenerator::system()->bounded(int(sizeof(kChars) - 1))];
    return out;
}

} // namespace

FileError SafeFileWrite::errorOf(int errnum)
{
    FileError e;
    e.text = QString::fromLocal8Bit(std::strerror(errnum));
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
        e.kind = FileFailure::NoSpace;
        break;
    case EROFS:
        e.kind = FileFailure::ReadOnly;
        break;
    case EACCES:
    case EPERM:
        e.kind = FileFailure::Denied;
        break;
    default:
        e.kind = FileFailure::Other;
    }
    return e;
}

QByteArray SafeFileWrite::destinationOf(const QByteArray& target, int* errnum)
{
    QByteArray path = target;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0)
            return path; // nothing there yet: the file is made under this name (a dangling link's end too)
        if (!S_ISLNK(st.st_mode))
            return path;
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(path.constData(), link.data(), size_t(link.size()));
        if (n < 0 || n >= link.size()) {
            *errnum = n < 0 ? errno : ENAMETOOLONG;
            return {};
        }
        link.truncate(n);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
    }
    *errnum = ELOOP;
    return {};
}

bool SafeFileWrite::isTemporaryName(const QString& name)
{
    static const QRegularExpression ours(QStringLiteral("^\\..*\\.[A-Za-z0-9]{6}\\.zephane-tmp$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression earlier(QStringLiteral("^\\..+\\.part$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return ours.match(name).hasMatch() || earlier.match(name).hasMatch();
}

bool SafeFileWrite::fail(int errnum)
{
    m_error = errorOf(errnum);
    return false;
}

SafeFileWrite::SafeFileWrite(const QString& target, bool durable) : m_durable(durable)
{
    int err = 0;
    const QByteArray destination = destinationOf(QFile::encodeName(target), &err);
    if (destination.isEmpty()) {
        fail(err ? err : ENOENT);
        return;
    }
    m_name = nameOf(destination);
    if (m_name.isEmpty() || m_name == "." || m_name == "..") {
        fail(EISDIR);
        return;
    }
    m_dirFd = ::open(folderOf(destination).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_dirFd < 0) {
        fail(errno);
        return;
    }

    struct stat existing {};
    const bool exists = ::fstatat(m_dirFd, m_name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        fail(S_ISDIR(existing.st_mode) ? EISDIR : EEXIST);
        if (!S_ISDIR(existing.st_mode))
            m_error.text = QStringLiteral("Not a regular file");
        return;
    }

    const QByteArray stem = "." + m_name.left(kMaxNameStem) + ".";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        m_tempName = stem + randomPart() + kTempSuffix;
        // A new file takes the usual permissions (the umask applies); a replaced one is private until its
        // own bits are copied to it.
        m_fd = ::openat(m_dirFd, m_tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        exists ? 0600 : 0666);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        fail(errno);
        m_tempName.clear();
        return;
    }
    if (exists) {
        // Ownership first: a change of owner clears the set-id bits that the mode then puts back. Only root
        // can give a file away; the group alone may still be kept.
        if (::fchown(m_fd, existing.st_uid, existing.st_gid) != 0)
            (void)::fchown(m_fd, uid_t(-1), existing.st_gid);
        if (::fchmod(m_fd, existing.st_mode & 07777) != 0)
            fail(errno);
    }
}

SafeFileWrite::~SafeFileWrite()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_tempName.isEmpty() && m_dirFd >= 0)
        ::unlinkat(m_dirFd, m_tempName.constData(), 0);
    if (m_dirFd >= 0)
        ::close(m_dirFd);
}

bool SafeFileWrite::write(const char* data, qint64 size)
{
    if (m_fd < 0 || m_error.kind != FileFailure::None)
        return false;
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(EIO);
        data += n;
        size -= n;
        m_written += n;
    }
    return true;
}

qint64 SafeFileWrite::copyFrom(IOpenFile& source, qint64 size)
{
    if (m_fd < 0 || m_error.kind != FileFailure::None)
        return -1;
    const int in = source.descriptor();
    if (in < 0)
        return 0;
    qint64 moved = 0;
    while (moved < size) {
        const ssize_t n = ::copy_file_range(in, nullptr, m_fd, nullptr, size_t(size - moved), 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            // Kernels and file systems that cannot copy between these two files say so before moving
            // anything; the caller then reads and writes.
            const bool unsupported = errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                                     errno == EOPNOTSUPP || errno == EBADF || errno == EPERM;
            if (moved == 0 && unsupported)
                return 0;
            fail(errno);
            return -1;
        }
        if (n == 0)
            break; // the source ended
        moved += n;
        m_written += n;
    }
    return moved;
}

bool SafeFileWrite::stillOurs() const
{
    struct stat mine {
    }, named{};
    return ::fstat(m_fd, &mine) == 0 &&
           ::fstatat(m_dirFd, m_tempName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           mine.st_dev == named.st_dev && mine.st_ino == named.st_ino;
}

bool SafeFileWrite::commit()
{
    if (m_committed)
        return true;
    if (m_fd < 0 || m_error.kind != FileFailure::None)
        return false;
    if (m_executable) {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0)
            return fail(errno);
        const mode_t readable = st.st_mode & 0444;
        if (::fchmod(m_fd, (st.st_mode & 07777) | (readable >> 2)) != 0)
            return fail(errno);
    }
    if (m_durable && ::fsync(m_fd) != 0)
        return fail(errno);
    // Someone who may write into the folder could have put something else under the temporary name.
    if (!stillOurs())
        return fail(EEXIST);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        return fail(errno);
    if (::renameat(m_dirFd, m_tempName.constData(), m_dirFd, m_name.constData()) != 0)
        return fail(errno);
    m_committed = true;
    // The rename itself is on the disk only when the folder is.
    if (m_durable && ::fsync(m_dirFd) != 0 && errno != EINVAL)
        return fail(errno);
    return true;
}
