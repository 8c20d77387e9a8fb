#include "output/saverinstaller.h"

#include <array>

#include <QFileInfo>

#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "output/blockcopier.h"
#include "output/inifile.h"
#include "output/mediacopy.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "session/session.h"

namespace folder = mediarules::folder;

namespace saverinterval {

long step(long ms, bool up)
{
    if (up) {
        if (ms >= 60000)
            return 1000;
        return ms < 5000 ? ms + 1000 : ms + 5000;
    }
    if (ms <= 1000)
        return 60000;
    return ms > 5000 ? ms - 5000 : ms - 1000;
}

QString caption(long ms)
{
    return QString::number(ms / 1000) + QStringLiteral(" Seconds");
}

} // namespace saverinterval

SaverInstaller::SaverInstaller(Session& session, IFileSystem& fileSystem, IMessages& messages,
                               MediaCopy& copy)
    : m_session(session), m_fs(fileSystem), m_messages(messages), m_copy(copy)
{
}

bool SaverInstaller::open()
{
    m_session.slides.slideInterval = 1000;
    m_session.files.clearCache();
    return !m_session.files.list(m_session.roots.dataFolder() + QStringLiteral("\\SSZEPHS\\*.jpg")).isEmpty();
}

QString SaverInstaller::spin(bool up)
{
    m_session.slides.slideInterval = saverinterval::step(m_session.slides.slideInterval, up);
    return saverinterval::caption(m_session.slides.slideInterval);
}

QString SaverInstaller::programForm(const QString& root, const QString& folderName) const
{
    // A drive letter means nothing to the saver program: give it the folder behind the letter.
    const QString real = m_session.files.rootFolder(root);
    return (real.isEmpty() ? root : real) + folderName;
}

std::optional<QString> SaverInstaller::choosePhotoFolder(bool selectedPhotos)
{
    const QString data = m_session.roots.dataFolder();
    if (selectedPhotos)
        return programForm(data, folder::kSaverSelection);
    m_session.files.clearCache();
    if (!m_session.files.list(data + QStringLiteral("\\zephanes\\*.jpg")).isEmpty())
        return programForm(data, folder::kZephanes);

    const QString question =
        QStringLiteral("To improve performance, the Zephane photos may be copied from\r\n"
                       "the Zephane Folarium CDROM to your hard drive before you install\r\n"
                       "the Zephane Folarium Screen Saver.\r\n\r\nWould you like to copy the photos now?");
    if (m_messages.ask({QString(), question, MessageIcon::Question, MessageButtons::YesNo}) !=
        MessageAnswer::Yes)
        return programForm(m_session.roots.mediaRoot, folder::kZephanes);

    m_copy.copyPending = true;
    if (m_copy.checkFreeSpace(CopyKind::Photos)) {
        // The copy runs in the panel's own handlers; this waits for it to end one way or another.
        while (m_copy.state() == CopyState::Offered || m_copy.state() == CopyState::Running) {
            if (!m_hooks.waitForEvents)
                break;
            m_hooks.waitForEvents();
        }
    }
    m_copy.copyPending = false;
    if (m_copy.kind() != CopyKind::Photos)
        return std::nullopt; // the movies were copied meanwhile: the photos are not on the disk
    switch (m_copy.state()) {
    case CopyState::Completed:
        return programForm(data, folder::kZephanes);
    // Files failed: the saver shows the disc's photos, as the program itself does.
    case CopyState::Incomplete:
        return programForm(m_session.roots.mediaRoot, folder::kZephanes);
    default:
        return std::nullopt; // refused, declined or cancelled: nothing is installed
    }
}

bool SaverInstaller::writeSettings(const QString& saverFolder, const QString& photoFolder)
{
    const QString path = saverFolder + QLatin1Char('/') + kIniName;
    const QByteArray photoValue = photoFolder.toUtf8();
    // A folder name the file cannot hold (a line break in it) would be read back as something else.
    if (!IniFile::canHold(photoValue))
        return false;
    QByteArray bytes;
    const auto listed = m_fs.list(saverFolder, kIniName, nullptr);
    if (!listed)
        return false;
    // A link whose file is not made yet (a dotfiles folder, say) is a settings file still to be written.
    const bool dangling = QFileInfo(path).isSymLink() && !QFileInfo::exists(path);
    for (const QString& name : *listed)
        if (name == kIniName && !dangling) {
            FileError error;
            const auto in = m_fs.open(path, IFileSystem::Mode::Read, &error);
            if (!in)
                return false;
            bytes.resize(in->size());
            qint64 got = 0;
            while (got < bytes.size()) {
                const qint64 n = in->read(bytes.data() + got, bytes.size() - got);
                if (n <= 0)
                    return false; // never replace a file that could not be read whole
                got += n;
            }
        }
    const QByteArray written = IniFile(bytes).withKeys(
        kSection.toUtf8(), {{"ZephPath", photoValue},
                            {"Interval", QByteArray::number(qint64(m_session.slides.slideInterval / 1000))}});
    FileError error;
    auto out = m_fs.open(path, IFileSystem::Mode::Write, &error);
    return out && out->write(written.constData(), written.size()) && out->commit();
}

bool SaverInstaller::copyProgram(const QString& saverFolder)
{
    const auto source = m_session.files.resolve(mediarules::screenSaverProgram().in(m_session.roots));
    if (!source)
        return false;
    BlockCopier copier(m_fs);
    return copier
               .copy(*source, saverFolder + QLatin1Char('/') + kProgramName, BlockCopier::kPhotoMovieBlock,
                     nullptr, {})
               .kind == FileFailure::None;
}

bool SaverInstaller::install(bool selectedPhotos)
{
    const QString saverFolder = m_fs.saverFolder();
    const std::optional<QString> photos = choosePhotoFolder(selectedPhotos);
    if (!photos)
        return false;
    if (m_hooks.busyPointer)
        m_hooks.busyPointer(true);
    // What an interrupted installation left half-written goes first. The keys go before the program, so a
    // missing saver program still leaves the settings written.
    m_fs.removeLeftovers(saverFolder);
    const bool ok = writeSettings(saverFolder, *photos) && copyProgram(saverFolder);
    if (m_hooks.busyPointer)
        m_hooks.busyPointer(false);
    if (!ok) {
        m_session.reporter.report(errc::kSaverProgram);
        return false;
    }
    m_messages.ask({QString(), installedText(), MessageIcon::None, MessageButtons::Ok});
    return true;
}

std::optional<QString> SaverInstaller::helpDocument()
{
    m_session.errors.code = errc::kSaverHelp;
    m_session.documents.documentCaption =
        QStringLiteral("The Zephane Folarium     Install Screen Saver Help");
    const auto path = m_session.files.resolve(mediarules::screenSaverHelp().in(m_session.roots));
    if (!path) {
        m_session.reporter.report(errc::kSaverHelp);
        return std::nullopt;
    }
    return path;
}

QString SaverInstaller::installedText()
{
    static const std::array<const char*, 14> lines = {
        "The Zephane Folarium Screen Saver has been installed!",
        "",
        "If you have not already done so, you must now activate ",
        "the Zephane Folarium Screen Saver.",
        "",
        "To do this follow these steps:",
        "    1) Click the Start button on the Windows desktop ",
        "    2) Click the Settings button                    ",
        "    3) Click on Control Panel                       ",
        "    4) Double click on the Display icon             ",
        "    5) Select the Screen Saver tab                  ",
        "    6) Click the dropdown arrow to the left of the Settings button",
        "    7) Select Zephane2000                              ",
        "    8) Click OK                            ",
    };
    QStringList out;
    for (const char* l : lines)
        out << QString::fromLatin1(l);
    return out.join(QStringLiteral("\r\n"));
}
