// What a user does with each command of the registry once its menu item was chosen: the window, panel or
// message it opens, one control clicked for its effect, and its own way out.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QWidget>

#include "catalog/catalogue.h"
#include "e2e/driver.h"
#include "e2e/sweep.h"

namespace e2e {

namespace {

const QString kMain = QStringLiteral("Form1");

bool checked(const QString& window, const QString& control)
{
    auto* b = qobject_cast<QAbstractButton*>(Driver::find(window, control));
    return b && b->isChecked();
}

bool enabled(const QString& window, const QString& control)
{
    QWidget* w = Driver::find(window, control);
    return w && w->isEnabled();
}

QString panYear()
{
    return Driver::text(kMain, QStringLiteral("panYear"));
}

// A collection chosen from its menu becomes the entry on display.
SweepCase collection(Command command, const QString& entry, int index, const QString& item)
{
    return {command, index, item, [entry](Checks& k) {
                if (!Driver::waitFor([&] { return panYear() == entry; }, 4000)) {
                    k.log.problem(QStringLiteral("panYear shows \"") + panYear() +
                                  QStringLiteral("\", not \"") + entry + QLatin1Char('"'));
                    return false;
                }
                return k.noBox();
            }};
}

// A box the command calls for, answered by one of its buttons.
SweepCase message(Command command, const QString& item, const QString& text,
                  QMessageBox::StandardButton answer)
{
    return {command, -1, item, [text, answer](Checks& k) { return k.box(text, answer) && k.noBox(); }};
}

// Help and system information hand over to another program when the desktop has one, and say so otherwise.
SweepCase handOver(Command command, const QString& item)
{
    return {command, -1, item, [](Checks& k) {
                if (Driver::waitFor([] { return Driver::messageBox() != nullptr; }, 1500))
                    return k.box(QString(), QMessageBox::Ok) && k.noBox();
                return true;
            }};
}

bool documentWindow(Checks& k)
{
    const QString doc = QStringLiteral("txtForm");
    if (!k.window(doc))
        return false;
    // The text box scrolls to the end of the document from the keyboard.
    Driver::click(doc, QStringLiteral("rtbText"));
    Driver::keys(QStringLiteral("ctrl+End"));
    if (!Driver::waitFor(
            [&] {
                auto* area = qobject_cast<QAbstractScrollArea*>(Driver::find(doc, QStringLiteral("rtbText")));
                return area && area->verticalScrollBar()->value() > 0;
            },
            3000))
        k.log.problem(QStringLiteral("the document does not scroll to its end"));
    return k.closeWindow(doc, QStringLiteral("SSCommand1")) && k.noBox();
}

} // namespace

std::vector<SweepCase> sweepCases()
{
    using B = QMessageBox;
    using M = catalogue::CollectionMenu;
    std::vector<SweepCase> cases;
    // File
    cases.push_back({Command::CopyPhotos, -1, QStringLiteral("mnuCopy"), [](Checks& k) {
                         return k.panel(QStringLiteral("pnlProgress")) &&
                                k.closePanel(QStringLiteral("pnlProgress"), QStringLiteral("cmdCancel")) &&
                                k.noBox();
                     }});
    cases.push_back(message(Command::RemovePhotos, QStringLiteral("mnuRemove"), QString(), B::No));
    cases.push_back({Command::CopyMovies, -1, QStringLiteral("mnuCopyMovies"), [](Checks& k) {
                         return k.panel(QStringLiteral("pnlProgress")) &&
                                k.closePanel(QStringLiteral("pnlProgress"), QStringLiteral("cmdCancel")) &&
                                k.noBox();
                     }});
    cases.push_back(message(Command::RemoveMovies, QStringLiteral("mnuRemoveMovies"), QString(), B::No));
    cases.push_back({Command::InstallSaver, -1, QStringLiteral("mnuSaver"), [](Checks& k) {
                         const QString p = QStringLiteral("pnlSSaver");
                         return k.panel(p) &&
                                k.effect(
                                    kMain, p + QStringLiteral("/Option1_1"),
                                    [p] { return checked(kMain, p + QStringLiteral("/Option1_1")); },
                                    QStringLiteral("choose the selected photos")) &&
                                k.closePanel(p, QStringLiteral("SSCommand6")) && k.noBox();
                     }});
    cases.push_back(message(Command::InstallVideo, QStringLiteral("mnuVideo"),
                            QStringLiteral("Would you like to install this software now?"), B::No));
    cases.push_back(message(Command::PrintPhoto, QStringLiteral("mnuPrintPhoto"),
                            QStringLiteral("Would you like to print this photograph?"), B::Cancel));
    cases.push_back({Command::PrintBooklet, -1, QStringLiteral("mnuPrnt"), [](Checks& k) {
                         const QString p = QStringLiteral("pnlPrint");
                         return k.panel(p) &&
                                k.effect(
                                    kMain, p + QStringLiteral("/Check1_0"),
                                    [p] { return enabled(kMain, p + QStringLiteral("/cmdPrint")); },
                                    QStringLiteral("offer Print")) &&
                                k.closePanel(p, QStringLiteral("cmdOK")) && k.noBox();
                     }});
    cases.push_back(
        message(Command::PrintSetup, QStringLiteral("mnuPrint"), QStringLiteral("No printer"), B::Ok));
    cases.push_back(message(Command::CheckScreen, QStringLiteral("mnuCheckScreen"), QString(), B::Ok));
    cases.push_back({Command::FileNames, -1, QStringLiteral("mnuNames"), [](Checks& k) {
                         // The file name box shows and hides in turn; each choice changes it.
                         return k.noBox();
                     }});
    cases.push_back(message(Command::Exit, QStringLiteral("mnuExit"),
                            QStringLiteral("Exit The Zephane Folarium?"), B::Cancel));
    // Menu bar items
    cases.push_back({Command::SoundEffects, -1, QStringLiteral("mnuSound"), [](Checks& k) {
                         const QString p = QStringLiteral("pnlSound");
                         if (!k.panel(p))
                             return false;
                         Driver::click(kMain, p + QStringLiteral("/SSCommand2_0"));
                         return k.noBox() && k.closePanel(p, QStringLiteral("SSCommand1")) && k.noBox();
                     }});
    cases.push_back({Command::Movies, -1, QStringLiteral("mnuMovies"), [](Checks& k) {
                         const QString w = QStringLiteral("frmMovie");
                         return k.window(w) &&
                                k.effect(
                                    w, QStringLiteral("optMovie_1"),
                                    [w] { return Driver::text(w, {}).contains(QStringLiteral("1963")); },
                                    QStringLiteral("choose the 1963 commercial")) &&
                                k.noBox() && k.closeWindow(w, QStringLiteral("SSCommand1"));
                     }});
    cases.push_back({Command::SlideShow, -1, QStringLiteral("mnuSlideShow"), [](Checks& k) {
                         const QString w = QStringLiteral("frmSlide");
                         if (!k.window(w))
                             return false;
                         const QString before = Driver::text(w, QStringLiteral("pnlPhotoNumber"));
                         return k.effect(
                                    w, QStringLiteral("mmSlide_Fwd"),
                                    [w, before] {
                                        const QString now = Driver::text(w, QStringLiteral("pnlPhotoNumber"));
                                        return !now.isEmpty() && now != before;
                                    },
                                    QStringLiteral("step to the next photo")) &&
                                k.noBox() && k.closeWindow(w, QStringLiteral("cmdExit"));
                     }});
    // Collections
    const auto byMenu = [](M menu, int index) {
        const catalogue::Collection* c = catalogue::collectionByMenu(menu, index);
        return c ? c->text : QStringLiteral("?");
    };
    cases.push_back(collection(Command::TopTen, QStringLiteral("Top Ten Zephane People "), -1,
                               QStringLiteral("mnuTopTen")));
    cases.push_back(
        collection(Command::Miscellany, QStringLiteral("Miscellany "), -1, QStringLiteral("mnuMiscellany")));
    cases.push_back(collection(Command::Museum, QStringLiteral("National Zephane Museum "), 1,
                               QStringLiteral("mnuMus_1")));
    cases.push_back(collection(Command::Art, byMenu(M::Art, 0), 0, QStringLiteral("mnuArt_0")));
    cases.push_back(
        collection(Command::ZephStuff, byMenu(M::ZephStuff, 0), 0, QStringLiteral("mnuzephstuff_0")));
    cases.push_back(
        collection(Command::Specialty, byMenu(M::Specialty, 0), 0, QStringLiteral("mnuSpecialty_0")));
    // Library documents
    cases.push_back({Command::LibraryDocument, 0, QStringLiteral("mnuTazura1"), documentWindow});
    cases.push_back({Command::IllustratedSeries, -1, QStringLiteral("mnuOstrand"), [](Checks& k) {
                         const QString p = QStringLiteral("SSpnlOstrand");
                         if (!k.panel(p))
                             return false;
                         // A picture of the series opens in the large-picture viewer.
                         if (!Driver::click(kMain, p + QStringLiteral("/Command1_0"))) {
                             k.log.problem(QStringLiteral("Command1_0 cannot be clicked"));
                             return false;
                         }
                         const QString viewer = QStringLiteral("frmScroll");
                         return k.window(viewer) && k.closeWindow(viewer, QStringLiteral("SSCommand1")) &&
                                k.closePanel(p, QStringLiteral("SSCommand8")) && k.noBox();
                     }});
    // Help
    cases.push_back(handOver(Command::HelpContents, QStringLiteral("mnuContents")));
    cases.push_back(message(Command::Register, QStringLiteral("mnuRegister"), QString(), B::Ok));
    cases.push_back({Command::About, -1, QStringLiteral("mnuAbout"), [](Checks& k) {
                         return k.window(QStringLiteral("frmAbout")) &&
                                k.closeWindow(QStringLiteral("frmAbout"), QStringLiteral("SSCommand1")) &&
                                k.noBox();
                     }});
    cases.push_back(handOver(Command::SysInfo, QStringLiteral("mnuSysInfo")));
    return cases;
}

} // namespace e2e
