#pragma once

#include <functional>
#include <optional>

#include <QString>

class IFileSystem;
class IMessages;
class MediaCopy;
struct Session;

// The delay cycle of the screen-saver panel: 1, 2, 3, 4, 5, 10, 15 ... 60 seconds, wrapping at both ends.
namespace saverinterval {
long step(long milliseconds, bool up);
QString caption(long milliseconds); // "15 Seconds"; one second too reads "1 Seconds"
} // namespace saverinterval

// Installs the screen saver: picks the photo folder (asking for a hard-disk copy first when there is none),
// writes the "Zephane2000" section of Zephane2000.ini in the saver folder and copies the saver program there.
class SaverInstaller {
public:
    static inline const QString kIniName = QStringLiteral("Zephane2000.ini");
    static inline const QString kProgramName = QStringLiteral("Zephane2000.scr");
    static inline const QString kSection = QStringLiteral("Zephane2000");

    struct Hooks {
        // Waits for the next user-interface event and handles it; the wait for a photo copy runs on it.
        std::function<void()> waitForEvents;
        std::function<void(bool busy)> busyPointer;
    };

    SaverInstaller(Session& session, IFileSystem& fileSystem, IMessages& messages, MediaCopy& copy);
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // mnuSaver: resets the delay; true when the selected-photos folder holds a picture.
    bool open();
    // SpinInterval: steps the delay and returns the new caption.
    QString spin(bool up);
    // SSCommand4. True when installed; false when nothing was installed (declined, cancelled or failed).
    bool install(bool selectedPhotos);
    // SSCommand5: the help document's real path, or nothing after ER052 was reported.
    std::optional<QString> helpDocument();

    static QString installedText();

private:
    std::optional<QString> choosePhotoFolder(bool selectedPhotos);
    bool writeSettings(const QString& folder, const QString& photoFolder);
    bool copyProgram(const QString& folder);
    QString programForm(const QString& root, const QString& folderName) const;

    Session& m_session;
    IFileSystem& m_fs;
    IMessages& m_messages;
    MediaCopy& m_copy;
    Hooks m_hooks;
};
