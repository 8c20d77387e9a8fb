#include "output/saverphotolist.h"

#include <QFileInfo>

#include "catalog/mediarules.h"
#include "output/blockcopier.h"
#include "output/saverlistview.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "session/session.h"

namespace folder = mediarules::folder;

SaverPhotoList::SaverPhotoList(Session& session, IFileSystem& fileSystem, IMessages& messages)
    : m_session(session), m_fs(fileSystem), m_messages(messages)
{
}

void SaverPhotoList::busy(bool on)
{
    if (m_hooks.busyPointer)
        m_hooks.busyPointer(on);
}

QString SaverPhotoList::folder() const
{
    const QString path =
        m_session.files.writablePath(m_session.roots.dataFolder() + QStringLiteral("\\sszephs"));
    return path.isEmpty() ? m_session.roots.dataFolder() + QStringLiteral("/sszephs") : path;
}

void SaverPhotoList::prepareFolder()
{
    m_fs.makeFolder(folder(), nullptr);
    m_session.files.clearCache();
}

std::optional<SaverPhotoList::Photo> SaverPhotoList::currentPhoto() const
{
    QString mediaPath;
    QString name;
    if (!m_session.selection.hasEntry()) {
        const auto fallback = mediarules::defaultSaverPicture();
        mediaPath = fallback.in(m_session.roots);
        name = fallback.name;
    } else {
        mediaPath = m_session.step.currentPhotoPath;
        const qsizetype at = mediaPath.indexOf(folder::kZephanes);
        if (at < 0)
            return std::nullopt;
        name = mediaPath.mid(at + folder::kZephanes.size());
    }
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return std::nullopt;
    return Photo{m_session.files.resolve(mediaPath).value_or(QString()), name};
}

bool SaverPhotoList::inSelection() const
{
    const auto photo = currentPhoto();
    if (!photo)
        return false;
    const auto names = m_fs.list(folder(), photo->name, nullptr);
    return names && !names->isEmpty();
}

void SaverPhotoList::setButtons(bool present)
{
    if (!m_view)
        return;
    m_view->setAddEnabled(!present);
    m_view->setRemoveEnabled(present);
}

void SaverPhotoList::refreshButtons()
{
    if (!m_view)
        return;
    if (!currentPhoto()) {
        m_view->setAddEnabled(false);
        m_view->setRemoveEnabled(false);
        return;
    }
    setButtons(inSelection());
}

void SaverPhotoList::add()
{
    const auto photo = currentPhoto();
    if (!photo)
        return;
    busy(true);
    FileError error;
    if (photo->source.isEmpty()) {
        error = {QStringLiteral("File not found: %1").arg(photo->name), FileFailure::Other};
    } else {
        QString why;
        if (m_fs.makeFolder(folder(), &why) == IFileSystem::FolderResult::Failed) {
            error = {QStringLiteral("The folder %1 could not be created (%2).").arg(folder(), why),
                     FileFailure::Other};
        } else {
            m_fs.removeLeftovers(folder());
            // A file of this photo under another letter case is the same photo: it is replaced, not doubled.
            const auto present = m_fs.list(folder(), photo->name, nullptr);
            const QString name = present && !present->isEmpty() ? present->front() : photo->name;
            BlockCopier copier(m_fs);
            CopyProgress progress;
            if (m_view)
                progress.fileBar = [this](double p) { m_view->setBar(p); };
            progress.serveEvents = m_hooks.serveEvents;
            error = copier.copy(photo->source, folder() + QLatin1Char('/') + name,
                                BlockCopier::kSelectionBlock, nullptr, progress);
        }
    }
    busy(false);
    if (error.kind != FileFailure::None) {
        // The failure is told and the buttons follow the folder; no success message follows it.
        m_messages.ask({QString(), error.text, MessageIcon::Error, MessageButtons::Ok});
        if (m_view)
            m_view->setBar(0);
        refreshButtons();
        return;
    }
    m_messages.ask(
        {QString(), QStringLiteral("Photo Successfully Copied!"), MessageIcon::Warning, MessageButtons::Ok});
    setButtons(true);
}

void SaverPhotoList::remove()
{
    const auto photo = currentPhoto();
    if (!photo)
        return;
    QString why;
    const auto present = m_fs.list(folder(), photo->name, &why);
    if (!present) {
        m_messages.ask(
            {QString(),
             QStringLiteral("The photo could not be removed from the Screen Saver list: the folder\r\n"
                            "%1\r\ncannot be read (%2).")
                 .arg(folder(), why),
             MessageIcon::Error, MessageButtons::Ok});
        refreshButtons();
        return;
    }
    if (present->isEmpty()) {
        m_messages.ask(
            {QString(),
             QStringLiteral("This photo is no longer in the Screen Saver list: its file was removed "
                            "outside the Zephane Folarium."),
             MessageIcon::Information, MessageButtons::Ok});
        setButtons(false);
        return;
    }
    busy(true);
    // Every file that is this photo by the program's rule (its name in any letter case) goes.
    QString failed;
    for (const QString& name : *present) {
        const QString path = folder() + QLatin1Char('/') + name;
        if (!m_fs.remove(path, &why) && failed.isEmpty())
            failed = QStringLiteral("%1\r\n(%2)").arg(path, why);
    }
    busy(false);
    if (!failed.isEmpty()) {
        m_messages.ask(
            {QString(),
             QStringLiteral("The photo could not be removed from the Screen Saver list:\r\n%1").arg(failed),
             MessageIcon::Error, MessageButtons::Ok});
        refreshButtons();
        return;
    }
    m_messages.ask(
        {QString(), QStringLiteral("Photo Successfully Removed!"), MessageIcon::Warning, MessageButtons::Ok});
    setButtons(false);
    if (m_view)
        m_view->setBar(0);
}

void SaverPhotoList::removeAll()
{
    if (m_messages.ask({QString(),
                        QStringLiteral("Would you like to remove all photos from the Zephane") +
                            QStringLiteral(" Folarium Screen Saver list?"),
                        MessageIcon::Question, MessageButtons::YesNo}) != MessageAnswer::Yes)
        return;
    busy(true);
    const QString dir = folder();
    QString why, firstReason;
    // A list that was never made has nothing in it; one that cannot be read is a failure.
    const bool made = QFileInfo(dir).exists() || QFileInfo(dir).isSymLink();
    const auto names =
        made ? m_fs.list(dir, QStringLiteral("*.jpg"), &why) : std::optional<QStringList>(QStringList());
    if (names)
        for (const QString& n : *names) {
            QString reason;
            if (!m_fs.remove(dir + QLatin1Char('/') + n, &reason) && firstReason.isEmpty())
                firstReason = reason;
        }
    const auto left = names && made ? m_fs.list(dir, QStringLiteral("*.jpg"), &why) : names;
    busy(false);
    if (!names || !left) {
        m_messages.ask(
            {QString(),
             QStringLiteral("The photos could not be removed from the Screen Saver list: the folder\r\n"
                            "%1\r\ncannot be read (%2).\r\n\r\nNothing was removed.")
                 .arg(dir, why),
             MessageIcon::Error, MessageButtons::Ok});
        refreshButtons();
        return;
    }
    if (!left->isEmpty()) {
        m_messages.ask(
            {QString(),
             QStringLiteral("Not all photos could be removed from the Screen Saver list: %1 file(s) "
                            "are still in\r\n%2\r\n%3")
                 .arg(left->size())
                 .arg(dir, firstReason),
             MessageIcon::Warning, MessageButtons::Ok});
        refreshButtons();
        return;
    }
    m_messages.ask({QString(),
                    QStringLiteral("All Photos Successfully Removed!\r\n\r\nYou must re-install the Zephane "
                                   "Folarium Screen Saver \r\nif you have previously installed it to play "
                                   "Selected Photos."),
                    MessageIcon::None, MessageButtons::Ok});
    if (m_view) {
        m_view->setAddEnabled(true);
        m_view->setRemoveEnabled(false);
        m_view->setRemoveAllEnabled(false);
        m_view->setBar(0);
    }
}

void SaverPhotoList::help()
{
    m_messages.ask({QString(), helpText(), MessageIcon::None, MessageButtons::Ok});
}

QString SaverPhotoList::helpText()
{
    return QStringLiteral("Use this form to add or remove Zephane photos from the\r\nZephane Folarium Screen "
                          "Saver play list. Pick "
                          "and choose\r\nwhatever photos that you would like to include.\r\n\r\nSelect the "
                          "Install Screen Saver "
                          "option under the File menu\r\nto configure the Screen Saver to recognize selected "
                          "photos.\r\n\r\nIf you "
                          "remove all photos, remember to re-install the \r\nScreen Saver and choose the "
                          "Select All Photos option.");
}
