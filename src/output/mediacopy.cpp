#include "output/mediacopy.h"

#include <cmath>

#include <QDir>
#include <QFileInfo>

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
    QString why;
    const IFileSystem::FolderResult made = m_fs.makeFolder(target, &why);
    m_madeFolder = made == IFileSystem::FolderResult::Created;
    if (made == IFileSystem::FolderResult::Failed) {
        // Every file would fail with a box of its own: say it once and copy nothing.
        m_messages.ask(
            {errors::kTitle, copytexts::folderNotMade(target, why), MessageIcon::Error, MessageButtons::Ok});
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
    // What an interrupted copy left half-written goes first.
    m_fs.removeLeftovers(target);
    m_session.files.clearCache();
    if (photos)
        copyPhotos(target);
    else
        copyMovies(target);
    if (m_view)
        m_view->setPanelVisible(false);
    copyPending = false;
}

MediaCopy::BatchResult MediaCopy::copyAll(const QString& mediaFolder, const QStringList& names,
                                          const QString& targetFolder, qint64 total)
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

    BatchResult result;
    const std::vector<std::optional<QString>> sources = m_session.files.resolveAll(mediaFolder, names);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        const std::optional<QString>& source = sources[size_t(i)];
        FileError error;
        if (!source)
            error = {QStringLiteral("File not found: %1").arg(mediaFolder + name), FileFailure::Other};
        else
            error =
                copier.copy(*source, targetFolder + QLatin1Char('/') + name, BlockCopier::kPhotoMovieBlock,
                            &budget, progress, IFileSystem::Mode::BatchWrite);
        if (error.kind == FileFailure::None) {
            ++result.copied;
        } else {
            ++result.failed;
            // A full disk, a read-only disk or a locked folder fails every file that follows: one message
            // for all of them, shown by the caller.
            const auto free = m_fs.freeKilobytes(targetFolder);
            if (!error.repeats() && free && *free * 1024 < BlockCopier::kPhotoMovieBlock)
                error.kind = FileFailure::NoSpace;
            if (error.repeats()) {
                result.failed += int(names.size() - i - 1);
                result.stop = error;
                break;
            }
            m_messages.ask({errors::kTitle, copytexts::fileFailed(name, error.text), MessageIcon::Error,
                            MessageButtons::Ok});
        }
        // Small files have no whole block: serve the events between files too.
        if (progress.serveEvents)
            progress.serveEvents();
    }
    // Nothing is called copied before it is on the disk.
    FileError synced;
    if (result.copied > 0 && !m_fs.syncFolder(targetFolder, &synced) && result.stop.kind == FileFailure::None)
        result.stop = synced;
    if (m_view)
        m_view->setOverallBar(100);
    return result;
}

bool MediaCopy::finishBatch(bool photos, const BatchResult& result, int total, const QString& targetFolder)
{
    m_failed = result.failed;
    QString& text = m_session.errors.text;
    if (total == 0) {
        text = copytexts::nothingToCopy(photos);
        m_state = CopyState::NothingToCopy;
        // The empty folder made for the copy would only look like a copy.
        if (m_madeFolder)
            m_fs.remove(targetFolder, nullptr);
    } else if (result.stop.repeats()) {
        text = copytexts::copyStopped(photos, result.stop.kind, result.stop.text, result.copied, total,
                                      targetFolder);
        m_state = CopyState::Incomplete;
    } else if (result.stop.kind != FileFailure::None) {
        text = copytexts::syncFailed(photos, result.stop.text, targetFolder);
        m_state = CopyState::Incomplete;
        m_failed = total;
    } else if (result.failed > 0) {
        text = copytexts::copyIncomplete(photos, result.failed, total);
        m_state = CopyState::Incomplete;
    } else {
        text = photos ? copytexts::kPhotosCopied : copytexts::kMoviesCopied;
        m_state = CopyState::Completed;
    }
    const bool done = m_state == CopyState::Completed;
    m_messages.ask(
        {errors::kTitle, text,
         done ? MessageIcon::Warning
              : (m_state == CopyState::NothingToCopy ? MessageIcon::Information : MessageIcon::Error),
         MessageButtons::Ok});
    return done;
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
        setMainWindowEnabled(true);
        return;
    }
    const QString tag = folder::kZephanes;
    QStringList names;
    for (int i = 1; i <= m_session.index.photoCount(); ++i) {
        const QString path = m_session.index.photoFile(i);
        const qsizetype at = path.indexOf(tag);
        names << (at < 0 ? path : path.mid(at + tag.size()));
    }
    const BatchResult result = copyAll(roots.mediaRoot + tag, names, targetFolder, kPhotoBytes);
    busy(false);
    const bool done = result.failed == 0 && result.stop.kind == FileFailure::None && !names.isEmpty();
    if (done) {
        // From now on the photos are read from the hard disk.
        roots.photoRoot = roots.dataFolder();
        m_session.files.clearCache();
        LoadPhotoIndex(m_session.index, roots, m_session.files, m_session.reporter);
    }
    finishBatch(true, result, int(names.size()), targetFolder);
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
        setMainWindowEnabled(true);
        return;
    }
    const BatchResult result =
        copyAll(m_session.roots.mediaRoot + folder::kMovies, names, targetFolder, kMovieBytes);
    busy(false);
    finishBatch(false, result, int(names.size()), targetFolder);
    setMainWindowEnabled(true);
}

bool MediaCopy::listCdMovies(QStringList& names)
{
    m_session.errors.code = errc::kMovieListing;
    for (;;) {
        const QString root = m_session.files.rootFolder(m_session.roots.mediaRoot);
        if (!root.isEmpty() && m_fs.list(root, QStringLiteral("*"), nullptr).has_value()) {
            names.clear();
            if (const auto movies =
                    m_session.files.resolve(m_session.roots.mediaRoot + QStringLiteral("\\movies")))
                if (const auto listed = m_fs.list(*movies, QStringLiteral("*.avi"), nullptr))
                    for (const QString& n : *listed)
                        names << n.toUpper();
            return true;
        }
        if (m_session.reporter.report(errc::kMovieListing) != ErrorReporter::Outcome::Retry)
            return false;
        m_session.files.clearCache();
    }
}

bool MediaCopy::dataFolderIsMediaRoot() const
{
    const QString media = m_session.files.rootFolder(m_session.roots.mediaRoot);
    const QString data = QFileInfo(m_session.roots.dataFolder()).canonicalFilePath();
    return !media.isEmpty() && !data.isEmpty() &&
           QDir::cleanPath(QFileInfo(media).canonicalFilePath()) == QDir::cleanPath(data);
}

QString MediaCopy::removeCopy(bool photos)
{
    const QString folderName = photos ? QStringLiteral("zephanes") : QStringLiteral("movies");
    const QString pattern = photos ? QStringLiteral("*.jpg") : QStringLiteral("*.avi");
    const QString data = m_session.roots.dataFolder();
    const QString shown = data + QLatin1Char('/') + folderName;
    if (dataFolderIsMediaRoot())
        return copytexts::removalRefusedMediaRoot(photos, shown);

    m_session.files.clearCache();
    const auto folderPath = m_session.files.resolve(data + QLatin1Char('\\') + folderName);
    m_session.files.clearCache();
    if (!folderPath) {
        // Not there at all is nothing to remove; there but not to be followed (a link that leads out of the
        // program's folder) is a failure.
        const QDir dataDir(data);
        const QStringList present =
            dataDir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString& name : present)
            if (name.compare(folderName, Qt::CaseInsensitive) == 0)
                return copytexts::removalFailed(photos, dataDir.filePath(name),
                                                QStringLiteral("it leads out of the program's folder"));
        return photos ? copytexts::kPhotosRemoved : copytexts::kMoviesRemoved;
    }
    QString why;
    const auto names = m_fs.list(*folderPath, pattern, &why);
    if (!names)
        return copytexts::removalFailed(photos, *folderPath, why);
    QString firstReason;
    for (const QString& n : *names) {
        QString reason;
        if (!m_fs.remove(*folderPath + QLatin1Char('/') + n, &reason) && firstReason.isEmpty())
            firstReason = reason;
    }
    m_fs.removeLeftovers(*folderPath);
    QString folderReason;
    m_fs.remove(*folderPath, &folderReason); // fails while other files are in it; those are not ours
    const auto left = m_fs.list(*folderPath, pattern, &why);
    if (left && !left->isEmpty())
        return copytexts::removalIncomplete(photos, int(left->size()), *folderPath, firstReason);
    return photos ? copytexts::kPhotosRemoved : copytexts::kMoviesRemoved;
}

void MediaCopy::removePhotos()
{
    if (m_messages.ask({QString(), copytexts::kAskRemovePhotos, MessageIcon::Question,
                        MessageButtons::YesNo}) != MessageAnswer::Yes)
        return;
    busy(true);
    const QString text = removeCopy(true);
    const bool removed = text == copytexts::kPhotosRemoved;
    if (removed)
        m_session.roots.photoRoot = m_session.roots.mediaRoot;
    m_messages.ask({QString(), text, removed ? MessageIcon::None : MessageIcon::Warning, MessageButtons::Ok});
    busy(false);
    if (removed)
        m_session.commands.run(Command::Exit);
}

void MediaCopy::removeMovies()
{
    if (m_messages.ask({QString(), copytexts::kAskRemoveMovies, MessageIcon::Question,
                        MessageButtons::YesNo}) != MessageAnswer::Yes)
        return;
    busy(true);
    const QString text = removeCopy(false);
    const bool removed = text == copytexts::kMoviesRemoved;
    m_messages.ask({QString(), text, removed ? MessageIcon::None : MessageIcon::Warning, MessageButtons::Ok});
    busy(false);
}
