#pragma once

#include <functional>
#include <optional>

#include <QString>

class IFileSystem;
class IMessages;
class ISaverListView;
struct Session;

// The screen saver's photo selection: the photo files copied into the "sszephs" folder of the data folder.
// Adds and removes the main window's current photo and keeps the window's buttons true to the folder.
class SaverPhotoList {
public:
    struct Hooks {
        std::function<void(bool busy)> busyPointer;
        std::function<void()> serveEvents;
    };
    // The photo the buttons act on: its real file and its name in the selection.
    struct Photo {
        QString source; // real path; empty when the file cannot be found
        QString name;
    };

    SaverPhotoList(Session& session, IFileSystem& fileSystem, IMessages& messages);
    void setView(ISaverListView* view) { m_view = view; }
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // Opening: creates the selection folder when it is missing.
    void prepareFolder();
    // The main window's photo, or "Z5EMBLEM.jpg" before any entry was chosen; nothing when none is shown.
    std::optional<Photo> currentPhoto() const;
    bool inSelection() const;
    // RefreshSaverButtons.
    void refreshButtons();
    // SSCommand7, SSCommand8, SSCommand2, SSCommand1.
    void add();
    void remove();
    void removeAll();
    void help();

    // The real selection folder.
    QString folder() const;

    static QString helpText();

private:
    void busy(bool on);
    void setButtons(bool present);

    Session& m_session;
    IFileSystem& m_fs;
    IMessages& m_messages;
    ISaverListView* m_view = nullptr;
    Hooks m_hooks;
};
