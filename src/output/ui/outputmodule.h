#pragma once

#include <memory>

#include <QPointer>

#include "output/doc/bookletcontroller.h"
#include "output/mediacopy.h"
#include "output/saverinstaller.h"
#include "output/saverphotolist.h"
#include "utils/ui/busycursor.h"

class BookletPanel;
class CopyProgressPanel;
class IClipboard;
class IMainFrame;
class IMessages;
class SaverInstallPanel;
class SaverPhotoListWindow;
class IDocumentViewer;
struct Ports;
struct Session;

// The output subsystem: hard-disk copies and their removal, the screen saver's photo list and installation,
// booklet and photo printing. Builds the controllers and panels, registers the File menu commands it owns
// and fills the photo list hooks.
class OutputModule {
public:
    OutputModule(Session& session, const Ports& ports, IMainFrame& frame, IDocumentViewer& viewer);
    ~OutputModule();
    OutputModule(const OutputModule&) = delete;
    OutputModule& operator=(const OutputModule&) = delete;

    // For tests and the composition root: the parts behind the commands.
    MediaCopy& mediaCopy() { return m_copy; }
    SaverInstaller& installer() { return m_installer; }
    SaverPhotoList& photoList() { return m_photoList; }
    CopyProgressPanel* copyPanel() const;
    SaverInstallPanel* saverPanel() const;
    BookletPanel* bookletPanel() const;
    SaverPhotoListWindow* saverList() const;

    // The saver list's steps, as its buttons run them.
    void showSaverList();
    void closeSaverList();
    void refreshSaverButtons();
    void copyPhotoToClipboard();

private:
    void registerCommands();
    void installSaver();
    void showSaverHelp();
    void printSetup();

    Session& m_session;
    IMessages& m_messages;
    IClipboard& m_clipboard;
    IMainFrame& m_frame;
    MediaCopy m_copy;
    SaverInstaller m_installer;
    SaverPhotoList m_photoList;
    BookletController m_booklet;
    // Children of the main window's client area, which may go first.
    QPointer<CopyProgressPanel> m_copyPanel;
    QPointer<SaverInstallPanel> m_saverPanel;
    QPointer<BookletPanel> m_bookletPanel;
    QPointer<SaverPhotoListWindow> m_saverList;
    BusyCursor m_busy;
    IDocumentViewer& m_help; // the program's one document viewer, shown modeless for the saver help
    bool m_installing = false;
};
