#include "output/mediacopy.h"

#include <cmath>

#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "output/copypanelview.h"
#include "output/copytexts.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "session/session.h"

namespace folder = mediarules::folder;

namespace {
int whole(double percent)
{
    return int(std::lround(percent));
}
} // namespace

MediaCopy::MediaCopy(Session& session, IFileSystem& fileSystem, IMessages& messages)
    : m_session(session), m_fs(fileSystem), m_messages(messages)
{
}

void MediaCopy::busy(bool on)
{
    if (m_hooks.busyPointer)
        m_hooks.busyPointer(on);
}

void MediaCopy::setMainWindowEnabled(bool enabled)
{
    if (m_session.hooks.setMainWindowEnabled)
        m_session.hooks.setMainWindowEnabled(enabled);
}

qint64 MediaCopy::freeKilobytes()
{
    const auto free = m_fs.freeKilobytes(m_session.roots.dataFolder());
    if (!free) {
        m_messages.ask({QString(), copytexts::kDiskQueryFailed, MessageIcon::None, MessageButtons::Ok});
        return 0;
    }
    return *free;
}

bool MediaCopy::checkFreeSpace(CopyKind kind)
{
    m_kind = kind;
    const bool photos = kind == CopyKind::Photos;
    const qint64 needed = photos ? kPhotoBytes : kMovieBytes;
    if (m_view)
        m_view->prepare(photos ? QStringLiteral("Copy photos from CD-ROM to hard drive")
                               : QStringLiteral("Copy Movies from CD-ROM to hard drive"),
                        photos ? QStringLiteral("Copy Photos") : QStringLiteral("Copy Movies"));
    const qint64 available = freeKilobytes() * 1000;
    if (available < needed) {
        m_session.errors.text = copytexts::notEnoughSpace(available, needed);
        m_messages.ask({errors::kTitle, m_session.errors.text, MessageIcon::Error, MessageButtons::Ok});
        m_state = CopyState::Refused;
        return false;
    }
    if (m_view) {
        m_view->setFileBar(0);
        m_view->setOverallBar(0);
        m_view->setPanelVisible(true);
        m_view->setButtonsEnabled(true);
        m_view->focusCancel();
    }
    m_state = CopyState::Offered;
    return true;
}

void MediaCopy::cancel()
{
    if (m_view)
        m_view->setPanelVisible(false);
    if (m_state == CopyState::Offered)
        m_state = CopyState::Cancelled;
}

QString MediaCopy::realFolder(const QString& programPath) const
{
    const QString path = m_session.files.writablePath(programPath);
    return path.isEmpty()
               ? m_session.roots.dataFolder() + QLatin1Char('/') + programPath.section(QLatin1Char('\\'), -1)
               : path;
}

void MediaCopy::copy()
{
    const bool photos = m_kind == CopyKind::Photos;
    const QString target = realFolder(m_session.roots.dataFolder() +
                                      (photos ? QStringLiteral("\\zephanes") : QStringLiteral("\\movies")));
    if (m_view) {
        m_view->setButtonsEnabled(false);
        m_view->setPanelVisible(true);
    }
    m_state = CopyState::Running;
    bool declined = false;
    const IFileSystem::FolderResult made = m_fs.makeFolder(target);
    if (made == IFileSystem::FolderResult::Failed) {
        // Every file would fail with a box of its own: say it once and copy nothing.
        m_messages.ask({errors::kTitle, QStringLiteral("The folder %1 could not be created.").arg(target),
                        MessageIcon::Error, MessageButtons::Ok});
        declined = true;
    } else if (made == IFileSystem::FolderResult::Exists) {
        declined = m_messages.ask({QString(), copytexts::kCopyAgain, MessageIcon::Question,
                                   MessageButtons::OkCancel}) != MessageAnswer::Ok;
    }
    if (declined) {
        if (m_view) {
            m_view->setButtonsEnabled(true);
            m_view->setPanelVisible(false);
        }
        m_state = CopyState::Declined;
        return;
    }
    m_session.files.clearCache();
    if (photos)
        copyPhotos(target);
    else
        copyMovies(target);
    if (m_view)
        m_view->setPanelVisible(false);
    copyPending = false;
}

int MediaCopy::copyAll(const QString& mediaFolder, const QStringList& names, const QString& targetFolder,
                       qint64 total)
{
    BlockCopier copier(m_fs);
    CopyBudget budget{total, total};
    CopyProgress progress;
    int lastFile = -1;
    int lastOverall = -1;
    if (m_view) {
        QString shown;
        progress.fileShown = [this, shown](const QString& source) mutable {
            if (source != shown)
                m_view->setFileText(shown = source);
        };
        progress.fileBar = [this, &lastFile](double p) {
            if (whole(p) != lastFile)
                m_view->setFileBar(lastFile = whole(p));
        };
        progress.overallBar = [this, &lastOverall](double p) {
            if (whole(p) != lastOverall)
                m_view->setOverallBar(lastOverall = whole(p));
        };
    }
    progress.serveEvents = m_hooks.serveEvents;

    int failed = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        const auto source = m_session.files.resolve(mediaFolder + name);
        QString error;
        if (!source)
            error = QStringLiteral("File not found: %1").arg(mediaFolder + name);
        else
            error = copier.copy(*source, targetFolder + QLatin1Char('/') + name,
                                BlockCopier::kPhotoMovieBlock, &budget, progress);
        if (!error.isEmpty()) {
            ++failed;
            m_messages.ask({errors::kTitle, error, MessageIcon::Error, MessageButtons::Ok});
            // A full disk would fail every file that follows, each with its own box: stop here.
            const auto free = m_fs.freeKilobytes(targetFolder);
            if (free && *free * 1024 < BlockCopier::kPhotoMovieBlock) {
                failed += int(names.size() - i - 1);
                break;
            }
        }
        // Small files have no whole block: serve the events between files too.
        if (progress.serveEvents)
            progress.serveEvents();
    }
    if (m_view)
        m_view->setOverallBar(100);
    return failed;
}

void MediaCopy::copyPhotos(const QString& targetFolder)
{
    busy(true);
    setMainWindowEnabled(false);
    MediaRoots& roots = m_session.roots;
    roots.photoRoot = roots.mediaRoot;
    if (!LoadPhotoIndex(m_session.index, roots, m_session.files, m_session.reporter)) {
        busy(false);
        m_state = CopyState::Incomplete;
        return;
    }
    const QString tag = folder::kZephanes;
    QStringList names;
    for (int i = 1; i <= m_session.index.photoCount(); ++i) {
        const QString path = m_session.index.photoFile(i);
        const qsizetype at = path.indexOf(tag);
        names << (at < 0 ? path : path.mid(at + tag.size()));
    }
    m_failed = copyAll(roots.mediaRoot + tag, names, targetFolder, kPhotoBytes);
    busy(false);
    if (m_failed == 0) {
        // From now on the photos are read from the hard disk.
        roots.photoRoot = roots.dataFolder();
        m_session.files.clearCache();
        LoadPhotoIndex(m_session.index, roots, m_session.files, m_session.reporter);
        m_session.errors.text = copytexts::kPhotosCopied;
        m_state = CopyState::Completed;
    } else {
        m_session.errors.text = copytexts::copyIncomplete(true, m_failed, int(names.size()));
        m_state = CopyState::Incomplete;
    }
    m_messages.ask({errors::kTitle, m_session.errors.text,
                    m_failed == 0 ? MessageIcon::Warning : MessageIcon::Error, MessageButtons::Ok});
    setMainWindowEnabled(true);
}

void MediaCopy::copyMovies(const QString& targetFolder)
{
    busy(true);
    setMainWindowEnabled(false);
    QStringList names;
    if (!listCdMovies(names)) {
        busy(false);
        m_state = CopyState::Incomplete;
        return;
    }
    m_failed = copyAll(m_session.roots.mediaRoot + folder::kMovies, names, targetFolder, kMovieBytes);
    busy(false);
    m_session.errors.text = m_failed == 0 ? copytexts::kMoviesCopied
                                          : copytexts::copyIncomplete(false, m_failed, int(names.size()));
    m_state = m_failed == 0 ? CopyState::Completed : CopyState::Incomplete;
    m_messages.ask({errors::kTitle, m_session.errors.text,
                    m_failed == 0 ? MessageIcon::Warning : MessageIcon::Error, MessageButtons::Ok});
    setMainWindowEnabled(true);
}

bool MediaCopy::listCdMovies(QStringList& names)
{
    m_session.errors.code = errc::kMovieListing;
    for (;;) {
        const QString root = m_session.files.rootFolder(m_session.roots.mediaRoot);
        if (!root.isEmpty() && m_fs.list(root, QStringLiteral("*")).has_value()) {
            names.clear();
            if (const auto movies =
                    m_session.files.resolve(m_session.roots.mediaRoot + QStringLiteral("\\movies")))
                if (const auto listed = m_fs.list(*movies, QStringLiteral("*.avi")))
                    for (const QString& n : *listed)
                        names << n.toUpper();
            return true;
        }
        if (m_session.reporter.report(errc::kMovieListing) != ErrorReporter::Outcome::Retry)
            return false;
        m_session.files.clearCache();
    }
}

int MediaCopy::removeAll(const QString& folderName, const QString& pattern, QString* shownFolder)
{
    const auto folderPath = m_session.files.resolve(m_session.roots.dataFolder() + folderName);
    m_session.files.clearCache();
    if (!folderPath)
        return 0;
    *shownFolder = *folderPath;
    if (const auto names = m_fs.list(*folderPath, pattern))
        for (const QString& n : *names)
            m_fs.remove(*folderPath + QLatin1Char('/') + n);
    m_fs.remove(*folderPath);
    const auto left = m_fs.list(*folderPath, pattern);
    return left ? int(left->size()) : 0;
}

void MediaCopy::removePhotos()
{
    if (m_messages.ask({QString(), copytexts::kAskRemovePhotos, MessageIcon::Question,
                        MessageButtons::YesNo}) != MessageAnswer::Yes)
        return;
    busy(true);
    QString shown;
    const int left = removeAll(QStringLiteral("\\zephanes"), QStringLiteral("*.jpg"), &shown);
    m_session.roots.photoRoot = m_session.roots.mediaRoot;
    m_messages.ask({QString(),
                    left == 0 ? copytexts::kPhotosRemoved : copytexts::removalIncomplete(true, left, shown),
                    left == 0 ? MessageIcon::None : MessageIcon::Warning, MessageButtons::Ok});
    busy(false);
    m_session.commands.run(Command::Exit);
}

void MediaCopy::removeMovies()
{
    if (m_messages.ask({QString(), copytexts::kAskRemoveMovies, MessageIcon::Question,
                        MessageButtons::YesNo}) != MessageAnswer::Yes)
        return;
    busy(true);
    QString shown;
    const int left = removeAll(QStringLiteral("\\movies"), QStringLiteral("*.avi"), &shown);
    m_messages.ask({QString(),
                    left == 0 ? copytexts::kMoviesRemoved : copytexts::removalIncomplete(false, left, shown),
                    left == 0 ? MessageIcon::None : MessageIcon::Warning, MessageButtons::Ok});
    busy(false);
}
