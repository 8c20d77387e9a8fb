#include "output/ui/outputmodule.h"

#include <QApplication>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "output/ui/bookletpanel.h"
#include "output/ui/copyprogresspanel.h"
#include "output/ui/saverinstallpanel.h"
#include "output/ui/saverphotolistwindow.h"
#include "platform/clipboard.h"
#include "platform/messages.h"
#include "session/ports.h"
#include "session/session.h"
#include "shared/ui/documentwindow.h"
#include "shared/ui/eventpump.h"
#include "shared/ui/mainframe.h"
#include "utils/ui/topmost.h"
#include "viewers/documentopener.h"

namespace {
const Command kCommands[] = {Command::CopyPhotos,   Command::CopyMovies,   Command::RemovePhotos,
                             Command::RemoveMovies, Command::InstallSaver, Command::PrintBooklet,
                             Command::PrintPhoto,   Command::PrintSetup};
} // namespace

OutputModule::OutputModule(Session& session, const Ports& ports, IMainFrame& frame, IDocumentViewer& viewer)
    : m_session(session), m_messages(ports.messages), m_clipboard(ports.clipboard), m_frame(frame),
      m_copy(session, ports.fileSystem, ports.messages),
      m_installer(session, ports.fileSystem, ports.messages, m_copy),
      m_photoList(session, ports.fileSystem, ports.messages),
      m_booklet(session, ports.printer, ports.messages), m_copyPanel(new CopyProgressPanel(frame)),
      m_saverPanel(new SaverInstallPanel(frame)), m_bookletPanel(new BookletPanel(frame)), m_help(viewer)
{
    // Events are served between blocks so the main window repaints while it is disabled.
    // One owner of the hourglass: a step that switches it on twice or off when it is off changes nothing.
    const auto busyPointer = [this](bool busy) { m_busy.set(busy); };
    m_copy.setHooks({busyPointer, EventPump()});
    m_copy.setView(m_copyPanel.data());
    QObject::connect(m_copyPanel, &QObject::destroyed, [this] { m_copy.setView(nullptr); });
    m_installer.setHooks(
        {[] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }, busyPointer});
    m_photoList.setHooks({busyPointer, EventPump()});
    m_booklet.setBusyPointer(busyPointer);

    QObject::connect(m_copyPanel, &CopyProgressPanel::copyClicked, m_copyPanel, [this] { m_copy.copy(); });
    QObject::connect(m_copyPanel, &CopyProgressPanel::cancelClicked, m_copyPanel,
                     [this] { m_copy.cancel(); });

    QObject::connect(m_saverPanel, &SaverInstallPanel::spun, m_saverPanel,
                     [this](bool up) { m_saverPanel->setIntervalCaption(m_installer.spin(up)); });
    QObject::connect(m_saverPanel, &SaverInstallPanel::installClicked, m_saverPanel,
                     [this] { installSaver(); });
    QObject::connect(m_saverPanel, &SaverInstallPanel::helpClicked, m_saverPanel,
                     [this] { showSaverHelp(); });
    QObject::connect(m_saverPanel, &SaverInstallPanel::cancelClicked, m_saverPanel,
                     [this] { m_saverPanel->hide(); });

    QObject::connect(m_bookletPanel, &BookletPanel::printClicked, m_bookletPanel, [this] {
        if (m_booklet.printBooklet(m_bookletPanel->ticked(), m_bookletPanel->fromItem(),
                                   m_bookletPanel->toItem()))
            m_bookletPanel->setPrinted();
    });
    QObject::connect(m_bookletPanel, &BookletPanel::cancelClicked, m_bookletPanel, [this] {
        m_frame.setMainWindowEnabled(true);
        m_bookletPanel->hide();
    });

    registerCommands();
    m_session.hooks.showSaverList = [this] { showSaverList(); };
    m_session.hooks.closeSaverList = [this] { closeSaverList(); };
    m_session.hooks.refreshSaverButtons = [this] { refreshSaverButtons(); };
}

OutputModule::~OutputModule()
{
    m_session.hooks.showSaverList = nullptr;
    m_session.hooks.closeSaverList = nullptr;
    m_session.hooks.refreshSaverButtons = nullptr;
    for (Command c : kCommands)
        m_session.commands.add(c, nullptr);
    m_copy.setView(nullptr);
    m_photoList.setView(nullptr);
    // The panels' buttons call into this module: they go with it.
    delete m_saverList.data();
    delete m_copyPanel.data();
    delete m_saverPanel.data();
    delete m_bookletPanel.data();
}

void OutputModule::registerCommands()
{
    Commands& c = m_session.commands;
    c.add(Command::CopyPhotos, [this](int) { m_copy.checkFreeSpace(CopyKind::Photos); });
    c.add(Command::CopyMovies, [this](int) { m_copy.checkFreeSpace(CopyKind::Movies); });
    c.add(Command::RemovePhotos, [this](int) { m_copy.removePhotos(); });
    c.add(Command::RemoveMovies, [this](int) { m_copy.removeMovies(); });
    c.add(Command::InstallSaver, [this](int) { m_saverPanel->open(m_installer.open()); });
    c.add(Command::PrintBooklet, [this](int) { m_bookletPanel->open(); });
    c.add(Command::PrintPhoto, [this](int) { m_booklet.printCurrentPhoto(); });
    c.add(Command::PrintSetup, [this](int) { printSetup(); });
}

void OutputModule::installSaver()
{
    if (m_installing)
        return;
    m_installing = true;
    m_saverPanel->setInstallEnabled(false);
    const bool installed = m_installer.install(m_saverPanel->selectedPhotosChosen());
    m_saverPanel->setInstallEnabled(true);
    if (installed)
        m_saverPanel->setInstalled();
    m_installing = false;
}

void OutputModule::showSaverHelp()
{
    const auto path = m_installer.helpDocument();
    if (!path)
        return;
    if (m_help.isLoaded())
        m_help.unload();
    m_help.hideSoundButtons();
    m_help.setCloseButtonWidth(m_help.textBoxWidth() - m_help.printButtonWidth() - 4);
    m_help.showModeless();
    if (!m_help.loadDocument(*path)) {
        m_help.unload();
        m_session.reporter.report(errc::kSaverHelp);
    }
}

void OutputModule::printSetup()
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        m_messages.ask(
            {errors::kTitle,
             QStringLiteral("No printer is installed.\r\n\r\nThe booklet and photos are saved as PDF "
                            "files in your Documents folder instead."),
             MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter());
    QPrintDialog dialog(&printer, m_frame.panelParent());
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.exec();
}

SaverPhotoListWindow* OutputModule::saverList() const
{
    return m_saverList.data();
}

void OutputModule::showSaverList()
{
    m_photoList.prepareFolder();
    if (!m_saverList) {
        m_saverList = new SaverPhotoListWindow(m_frame.panelParent());
        m_photoList.setView(m_saverList);
        SaverPhotoListWindow* w = m_saverList;
        QObject::connect(w, &SaverPhotoListWindow::addClicked, w, [this] { m_photoList.add(); });
        QObject::connect(w, &SaverPhotoListWindow::removeClicked, w, [this] { m_photoList.remove(); });
        QObject::connect(w, &SaverPhotoListWindow::removeAllClicked, w, [this] { m_photoList.removeAll(); });
        QObject::connect(w, &SaverPhotoListWindow::clipboardClicked, w, [this] { copyPhotoToClipboard(); });
        QObject::connect(w, &SaverPhotoListWindow::helpClicked, w, [this] { m_photoList.help(); });
        QObject::connect(w, &SaverPhotoListWindow::exitClicked, w, [w] {
            SetTopmost(w, kTopmostOff);
            w->close();
        });
        QObject::connect(w, &SaverPhotoListWindow::closed, w, [this] {
            m_photoList.setView(nullptr);
            m_frame.setMainWindowEnabled(true);
        });
        m_photoList.refreshButtons();
    }
    m_saverList->show();
    SetTopmost(m_saverList, kTopmostOn);
}

void OutputModule::closeSaverList()
{
    if (m_saverList)
        m_saverList->close();
}

void OutputModule::refreshSaverButtons()
{
    if (m_saverList)
        m_photoList.refreshButtons();
}

void OutputModule::copyPhotoToClipboard()
{
    if (m_messages.ask({QString(),
                        QStringLiteral("Would you like to copy this image to the Windows Clipboard?"),
                        MessageIcon::Question, MessageButtons::YesNo}) != MessageAnswer::Yes)
        return;
    const auto photo = m_photoList.currentPhoto();
    QImage image;
    if (photo && !photo->source.isEmpty())
        image.load(photo->source);
    m_clipboard.clear();
    if (!image.isNull())
        m_clipboard.setImage(image);
}

CopyProgressPanel* OutputModule::copyPanel() const
{
    return m_copyPanel;
}

SaverInstallPanel* OutputModule::saverPanel() const
{
    return m_saverPanel;
}

BookletPanel* OutputModule::bookletPanel() const
{
    return m_bookletPanel;
}
