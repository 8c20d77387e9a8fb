// The output module wired as the program wires it: commands, hooks and the panels' buttons.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "catalog/errorcodes.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakeclock.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakemainframe.h"
#include "fakes/fakemediadevice.h"
#include "fakes/fakeprinter.h"
#include "fakes/fakescreen.h"
#include "output/saverphotolist.h"
#include "output/ui/bookletpanel.h"
#include "output/ui/copyprogresspanel.h"
#include "output/ui/outputmodule.h"
#include "output/ui/saverinstallpanel.h"
#include "output/ui/saverphotolistwindow.h"
#include "outputfixture.h"
#include "session/ports.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"

struct Module : OutputFixture {
    FakeScreen screen;
    FakeMediaDevice splash, media, movie;
    FakeDesktop desktop;
    FakeClock clock;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeMainFrame frame{800, 600};
    Ports ports{processes, messages,  drives,  screen,  splash, media,
                movie,     clipboard, printer, desktop, clock,  fs};
    DocumentViewerHost viewer{session.documents, printer, frame.panelParent()};
    std::unique_ptr<OutputModule> module;

    Module()
    {
        disc.add(QStringLiteral("zephanes/53A.JPG"), bytes(30000));
        disc.add(QStringLiteral("zephanes/53B.JPG"), bytes(800));
        disc.addFolder(QStringLiteral("clipart"));
        program.add(QStringLiteral("graphics/Z5EMBLEM.jpg"), bytes(2500));
        module = std::make_unique<OutputModule>(session, ports, frame, viewer);
        session.hooks.setMainWindowEnabled = [this](bool e) { frame.setMainWindowEnabled(e); };
    }
    template <class T> T* child(QWidget* in, const char* name)
    {
        T* w = in->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void choosePhoto(const QString& name)
    {
        session.selection.entryText = QStringLiteral("1953");
        session.step.currentPhotoPath = disc.path() + QStringLiteral("\\zephanes\\") + name;
    }
};

TEST_F(Module, RegistersTheFileMenuCommandsAndFillsTheListHooks)
{
    for (Command c : {Command::CopyPhotos, Command::RemovePhotos, Command::CopyMovies, Command::RemoveMovies,
                      Command::InstallSaver, Command::PrintPhoto, Command::PrintBooklet, Command::PrintSetup})
        EXPECT_TRUE(session.commands.has(c)) << int(c);
    EXPECT_TRUE(session.hooks.showSaverList);
    EXPECT_TRUE(session.hooks.closeSaverList);
    EXPECT_TRUE(session.hooks.refreshSaverButtons);
    module.reset();
    EXPECT_FALSE(session.hooks.showSaverList);
    EXPECT_FALSE(session.commands.run(Command::CopyPhotos)); // nothing left that points at the module
    EXPECT_TRUE(frame.panelParent()->findChildren<QWidget*>(QStringLiteral("pnlProgress")).isEmpty());
}

TEST_F(Module, CopyPhotosRunsFromThePanelsButtonWithTheMainWindowDisabled)
{
    std::vector<bool> enabledDuringCopy;
    fs.onOpen = [&](const QString&) { enabledDuringCopy.push_back(frame.enabled); };
    frame.desc = QRect(12, 70, 81, 18); // cmdDesc, well above the photo
    ASSERT_TRUE(session.commands.run(Command::CopyPhotos));
    CopyProgressPanel* panel = module->copyPanel();
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(child<QLabel>(panel, "Label2")->text(),
              QStringLiteral("Copy photos from CD-ROM to hard drive"));
    EXPECT_EQ(panel->y(), 70 + 60); // cmdDesc's top + 60
    EXPECT_EQ(panel->x(), (760 - panel->width()) / 2);
    child<QPushButton>(panel, "cmdCopy")->click();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(child<QProgressBar>(panel, "ProgressGuage2")->value(), 100);
    EXPECT_EQ(child<QProgressBar>(panel, "ProgressGuage2")->text(), QStringLiteral("100"));
    EXPECT_EQ(child<QProgressBar>(panel, "ProgressGuage")->value(), 100);
    ASSERT_FALSE(enabledDuringCopy.empty());
    EXPECT_FALSE(enabledDuringCopy.front());
    EXPECT_TRUE(frame.enabled);
    EXPECT_EQ(messages.last().text, QStringLiteral("Photos successfully copied!\r\n"));
    EXPECT_EQ(filesIn(program.file(QStringLiteral("zephanes"))), (QStringList{"53A.JPG", "53B.JPG"}));
}

TEST_F(Module, SaverPanelSpinsInstallsAndTurnsCancelIntoExit)
{
    program.add(QStringLiteral("Zephane2000.scr"), "x");
    program.add(QStringLiteral("zephanes/53A.JPG"));
    ASSERT_TRUE(session.commands.run(Command::InstallSaver));
    SaverInstallPanel* panel = module->saverPanel();
    EXPECT_FALSE(panel->isHidden());
    // The panel's controls and nothing else: no heading of its own.
    QStringList named;
    for (const QWidget* w : panel->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            named << w->objectName();
    named.sort();
    EXPECT_EQ(named, (QStringList{"Option1_0", "Option1_1", "SSCommand4", "SSCommand5", "SSCommand6",
                                  "SpinInterval", "panInterval"}));
    EXPECT_EQ(panel->findChildren<QLabel*>().size(), 1);
    EXPECT_FALSE(child<QRadioButton>(panel, "Option1_1")->isEnabled());
    EXPECT_EQ(child<QLabel>(panel, "panInterval")->text(), QStringLiteral("1 Second"));
    child<QAbstractSpinBox>(panel, "SpinInterval")->stepDown();
    EXPECT_EQ(child<QLabel>(panel, "panInterval")->text(), QStringLiteral("60 Seconds"));
    EXPECT_EQ(child<QPushButton>(panel, "SSCommand6")->text(), QStringLiteral("Cancel"));
    child<QPushButton>(panel, "SSCommand4")->click();
    EXPECT_EQ(child<QPushButton>(panel, "SSCommand6")->text(), QStringLiteral("Exit"));
    QFile ini(saver.file(QStringLiteral("Zephane2000.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Interval=60"));
    // Opening again resets the value but keeps the caption.
    session.commands.run(Command::InstallSaver);
    EXPECT_EQ(session.slides.slideInterval, 1000);
    EXPECT_EQ(child<QLabel>(panel, "panInterval")->text(), QStringLiteral("60 Seconds"));
    EXPECT_EQ(child<QPushButton>(panel, "SSCommand6")->text(), QStringLiteral("Cancel"));
    child<QPushButton>(panel, "SSCommand6")->click();
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(Module, BookletPanelClearsItsBoxesButKeepsTheYears)
{
    session.commands.run(Command::PrintBooklet);
    BookletPanel* panel = module->bookletPanel();
    auto* print = child<QPushButton>(panel, "cmdPrint");
    EXPECT_FALSE(print->isEnabled());
    child<QCheckBox>(panel, "Check1_5")->setChecked(true);
    EXPECT_TRUE(print->isEnabled());
    auto* from = child<QListWidget>(panel, "List1_0");
    EXPECT_EQ(from->count(), 48);
    from->setCurrentRow(2);
    child<QPushButton>(panel, "cmdOK")->click();
    EXPECT_TRUE(panel->isHidden());
    session.commands.run(Command::PrintBooklet);
    EXPECT_FALSE(child<QCheckBox>(panel, "Check1_5")->isChecked());
    EXPECT_FALSE(print->isEnabled());
    EXPECT_EQ(panel->fromItem(), QStringLiteral("1955"));
    EXPECT_EQ(panel->toItem(), QString());
    // Engines alone with no end year: the year check fails
    child<QCheckBox>(panel, "Check1_5")->setChecked(true);
    print->click();
    EXPECT_EQ(session.errors.code, errc::kBookletYearsMissing);
    EXPECT_EQ(print->text(), QStringLiteral("Print"));
}

TEST_F(Module, PhotoListAddsAndRemovesTheShownPhoto)
{
    choosePhoto(QStringLiteral("53A.JPG"));
    session.hooks.showSaverList();
    SaverPhotoListWindow* w = module->saverList();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    auto* add = child<QPushButton>(w, "SSCommand7");
    auto* remove = child<QPushButton>(w, "SSCommand8");
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    add->click();
    EXPECT_EQ(messages.last().text, QStringLiteral("Photo Successfully Copied!"));
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_EQ(child<QProgressBar>(w, "ProgressGuage")->value(), 100);
    EXPECT_EQ(filesIn(program.file(QStringLiteral("sszephs"))), QStringList{"53A.JPG"});

    // Stepping to another photo: the hook keeps the buttons in step.
    choosePhoto(QStringLiteral("53B.JPG"));
    session.hooks.refreshSaverButtons();
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    add->click();

    // A photo removed behind the program's back: the user is told and the buttons follow the folder.
    QFile::remove(program.file(QStringLiteral("sszephs/53B.JPG")));
    remove->click();
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("no longer in the Screen Saver list")));
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(remove->isEnabled());

    choosePhoto(QStringLiteral("53A.JPG"));
    session.hooks.refreshSaverButtons();
    remove->click();
    EXPECT_EQ(messages.last().text, QStringLiteral("Photo Successfully Removed!"));
    EXPECT_TRUE(filesIn(program.file(QStringLiteral("sszephs"))).isEmpty());
}

TEST_F(Module, PhotoListBeforeAnyEntryWorksOnTheEmblemAndClosesThroughItsHook)
{
    session.hooks.showSaverList();
    SaverPhotoListWindow* w = module->saverList();
    child<QPushButton>(w, "SSCommand7")->click();
    EXPECT_EQ(filesIn(program.file(QStringLiteral("sszephs"))), QStringList{"Z5EMBLEM.jpg"});

    messages.answer({MessageAnswer::Yes});
    child<QPushButton>(w, "SSCommand2")->click();
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("All Photos Successfully Removed!")));
    EXPECT_FALSE(child<QPushButton>(w, "SSCommand2")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(w, "SSCommand7")->isEnabled());

    messages.answer({MessageAnswer::Yes});
    child<QPushButton>(w, "SSCommand3")->click();
    EXPECT_EQ(clipboard.calls, (std::vector<QString>{"clear"})); // the test emblem is no picture

    frame.enabled = false;
    session.hooks.closeSaverList();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(module->saverList(), nullptr);
    EXPECT_TRUE(frame.enabled);
}

TEST_F(Module, SaverHelpOpensTheViewerWithoutWaitingOrReportsEr052)
{
    session.commands.run(Command::InstallSaver);
    auto* help = child<QPushButton>(module->saverPanel(), "SSCommand5");
    help->click();
    EXPECT_EQ(session.errors.code, errc::kSaverHelp);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kSaverHelp));

    disc.add(QStringLiteral("richtext/sshelp.rtf"), "{\\rtf1\\ansi Help\\par}");
    session.files.clearCache();
    const size_t before = messages.shown.size();
    help->click(); // returns at once: the viewer is modeless
    EXPECT_EQ(messages.shown.size(), before);
    QWidget* viewer = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("txtForm") && w->isVisible())
            viewer = w;
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("The Zephane Folarium     Install Screen Saver Help"));
    EXPECT_FALSE(viewer->isModal());
}

TEST_F(Module, PhotoToClipboardAndPrintPhotoUseTheShownPhoto)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::green);
    picture.save(disc.file(QStringLiteral("zephanes/53C.JPG")), "JPG");
    session.files.clearCache();
    choosePhoto(QStringLiteral("53C.JPG"));
    session.hooks.showSaverList();
    messages.answer({MessageAnswer::Yes});
    child<QPushButton>(module->saverList(), "SSCommand3")->click();
    EXPECT_EQ(clipboard.calls, (std::vector<QString>{"clear", "image"}));
    EXPECT_EQ(clipboard.image.size(), QSize(64, 48));

    messages.answer({MessageAnswer::Ok});
    EXPECT_TRUE(session.commands.run(Command::PrintPhoto));
    ASSERT_EQ(printer.pictures.size(), 1u);
    EXPECT_EQ(printer.pictures[0].size, QSize(64, 48));
    EXPECT_EQ(printer.lines[10], QStringLiteral("            1953"));
}

TEST_F(Module, AFailedAddTellsTheErrorWithoutASuccessMessage)
{
    choosePhoto(QStringLiteral("53A.JPG"));
    session.hooks.showSaverList();
    fs.failReadAfter[QStringLiteral("53A.JPG")] = 5000;
    child<QPushButton>(module->saverList(), "SSCommand7")->click();
    EXPECT_EQ(messages.last().text, QStringLiteral("Input/output error"));
    for (const auto& m : messages.shown)
        EXPECT_NE(m.text, QStringLiteral("Photo Successfully Copied!"));
    EXPECT_TRUE(child<QPushButton>(module->saverList(), "SSCommand7")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(module->saverList(), "SSCommand8")->isEnabled());
    EXPECT_TRUE(filesIn(program.file(QStringLiteral("sszephs"))).isEmpty());
}

TEST_F(Module, PrintSetupWithoutAPrinterSaysWhereThePrintsGo)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer: the setup dialog would wait for a person";
    EXPECT_TRUE(session.commands.run(Command::PrintSetup));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("No printer is installed.")));
}

TEST_F(Module, APhotoInTheListUnderAnotherLetterCaseIsRemovedAndNotAddedTwice)
{
    choosePhoto(QStringLiteral("53A.JPG"));
    program.add(QStringLiteral("sszephs/53a.jpg"), "old");
    session.hooks.showSaverList();
    EXPECT_FALSE(child<QPushButton>(module->saverList(), "SSCommand7")->isEnabled());
    child<QPushButton>(module->saverList(), "SSCommand8")->click();
    EXPECT_EQ(messages.last().text, QStringLiteral("Photo Successfully Removed!"));
    EXPECT_TRUE(filesIn(program.file(QStringLiteral("sszephs"))).isEmpty());

    program.add(QStringLiteral("sszephs/53a.jpg"), "old"); // put back outside the program
    // The add replaces the file of that photo instead of making a second.
    SaverPhotoList list(session, fs, messages);
    list.add();
    EXPECT_EQ(filesIn(program.file(QStringLiteral("sszephs"))), QStringList{"53a.jpg"});
    QFile copied(program.file(QStringLiteral("sszephs/53a.jpg")));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), bytes(30000));
}

TEST_F(Module, RemoveAllOnAListThatCannotBeReadIsNoSuccess)
{
    program.add(QStringLiteral("sszephs/53A.JPG"));
    session.hooks.showSaverList();
    fs.listFails = true;
    messages.answer({MessageAnswer::Yes});
    child<QPushButton>(module->saverList(), "SSCommand2")->click();
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("cannot be read (Permission denied)")));
    for (const auto& m : messages.shown)
        EXPECT_FALSE(m.text.startsWith(QStringLiteral("All Photos Successfully Removed!")));
    EXPECT_TRUE(QFileInfo::exists(program.file(QStringLiteral("sszephs/53A.JPG"))));
}
