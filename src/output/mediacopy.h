#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "output/blockcopier.h"

class ICopyPanelView;
class IFileSystem;
class IMessages;
struct Session;

enum class CopyKind { Photos, Movies };

// Where a copy stands, for the screen-saver installation that waits for one.
enum class CopyState {
    Idle,    // nothing asked
    Offered, // the panel is shown, Copy not yet pressed
    Running,
    Completed,     // every file copied
    Incomplete,    // ran, but files failed or the copy stopped
    NothingToCopy, // the disc held nothing of the kind; the disc stays the source
    Refused,       // too little space: the panel never showed
    Declined,      // the copy-again question was not answered OK
    Cancelled,     // the panel's Cancel
};

// Copies the disc's photos or movies into the program's data folder and removes them again, driving the copy
// panel. The copy refuses to start without room, writes each file whole or not at all, stops at the first
// failure that every further file would meet too, puts the files on the disk before it says they are copied,
// and says how many files failed instead of reporting success. A removal says what it could not remove, and
// never removes the media the program itself reads ("HWI").
class MediaCopy {
public:
    static constexpr qint64 kPhotoBytes = 86000000;
    static constexpr qint64 kMovieBytes = 458000000;

    struct Hooks {
        std::function<void(bool busy)> busyPointer; // the hourglass
        std::function<void()> serveEvents;          // lets the user interface repaint between blocks
    };

    MediaCopy(Session& session, IFileSystem& fileSystem, IMessages& messages);

    void setView(ICopyPanelView* view) { m_view = view; }
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // CheckFreeSpace: shows the panel when the data folder's file system has room. False when refused.
    bool checkFreeSpace(CopyKind kind);
    // cmdCopy and cmdCancel.
    void copy();
    void cancel();
    // The two removal menu items.
    void removePhotos();
    void removeMovies();

    // GetDiskSpace: free kilobytes of the file system holding the data folder; 0 (after a message) when the
    // system cannot tell.
    qint64 freeKilobytes();
    // ListCdMovies: the disc's movie names, upper-cased. False when the user gave up (ER055 Cancel).
    bool listCdMovies(QStringList& names);

    CopyKind kind() const { return m_kind; }
    CopyState state() const { return m_state; }
    // CopyPending: set by the installation before it asks for a copy; cleared when a copy ends.
    bool copyPending = false;
    int failedFiles() const { return m_failed; }

private:
    // How a batch of files went.
    struct BatchResult {
        int copied = 0;
        int failed = 0;
        FileError stop; // a failure that ended the batch early, or the final sync's
    };
    void copyPhotos(const QString& targetFolder);
    void copyMovies(const QString& targetFolder);
    // Copies each name from the disc folder to the target, then syncs the target's file system.
    BatchResult copyAll(const QString& mediaFolder, const QStringList& names, const QString& targetFolder,
                        qint64 total);
    // The closing message and state of a batch; true when every file was copied.
    bool finishBatch(bool photos, const BatchResult& result, int total, const QString& targetFolder);
    QString realFolder(const QString& programPath) const;
    // The data folder is where the program reads its media from ("HWI").
    bool dataFolderIsMediaRoot() const;
    // Removes the copy of one kind; the message to show.
    QString removeCopy(bool photos);
    void busy(bool on);
    void setMainWindowEnabled(bool enabled);

    Session& m_session;
    IFileSystem& m_fs;
    IMessages& m_messages;
    ICopyPanelView* m_view = nullptr;
    Hooks m_hooks;
    CopyKind m_kind = CopyKind::Photos;
    CopyState m_state = CopyState::Idle;
    int m_failed = 0;
    bool m_madeFolder = false;
};
