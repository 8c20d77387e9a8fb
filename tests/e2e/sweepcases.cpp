// What a user does with each command of the registry once its menu item was chosen: the window, panel or
// message it opens, one control clicked for its effect, and its own way out.
#include <QFileInfo>
#include <QListWidget>
#include <QWidget>

#include "catalog/catalogue.h"
#include "e2e/driver.h"
#include "e2e/sweep.h"

namespace e2e {

namespace {

const QString kMain = QStringLiteral("Form1");

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
    // Its Print button prints the document; without a printer it becomes a PDF file and the user is told.
    if (!Driver::click(doc, QStringLiteral("cmdPrint"))) {
        k.log.problem(QStringLiteral("cmdPrint cannot be clicked"));
        return false;
    }
    const std::optional<BoxFacts> told = Driver::waitForBox(10000);
    const QString pdf = told ? told->text.section(QLatin1Char('\n'), -1).trimmed() : QString();
    if (!k.box(QStringLiteral("saved as a PDF file"), QMessageBox::Ok))
        return false;
    if (!QFileInfo(pdf).isFile() || QFileInfo(pdf).size() == 0)
        k.log.problem(QStringLiteral("the printed document is not at ") + pdf);
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
    cases.push_back(
        {Command::InstallSaver, -1, QStringLiteral("mnuSaver"), [](Checks& k) {
             const QString p = QStringLiteral("pnlSSaver");
             if (!k.panel(p))
                 return false;
             // Each opening starts the delay at one second; its up arrow makes it two.
             const QString two = QStringLiteral("2 Seconds");
             if (!Driver::clickPart(kMain, p + QStringLiteral("/SpinInterval"), 0.5, 0.2))
                 k.log.problem(QStringLiteral("SpinInterval cannot be clicked"));
             else if (!Driver::waitFor(
                          [&] { return Driver::text(kMain, p + QStringLiteral("/panInterval")) == two; },
                          3000))
                 k.log.problem(QStringLiteral("the delay shows ") +
                               Driver::text(kMain, p + QStringLiteral("/panInterval")) +
                               QStringLiteral(", not ") + two);
             return k.closePanel(p, QStringLiteral("SSCommand6")) && k.noBox();
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
                         if (!Driver::click(kMain, p + QStringLiteral("/Command1_1"))) {
                             k.log.problem(QStringLiteral("Command1_1 cannot be clicked"));
                             return false;
                         }
                         const QString viewer = QStringLiteral("frmScroll");
                         return k.window(viewer) && k.closeWindow(viewer, QStringLiteral("SSCommand1")) &&
                                k.closePanel(p, QStringLiteral("SSCommand8")) && k.noBox();
                     }});
    cases.push_back(
        {Command::Search, -1, QStringLiteral("mnuSearch"), [](Checks& k) {
             const QString w = QStringLiteral("frmSearch");
             if (!k.window(w))
                 return false;
             // A year typed into the field lists that year's documents, once the index is built.
             if (!Driver::click(w, QStringLiteral("txtQuery"))) {
                 k.log.problem(QStringLiteral("txtQuery cannot be clicked"));
                 return false;
             }
             Driver::keys(QStringLiteral("ctrl+a"));
             Driver::type(QStringLiteral("1963"));
             const bool listed = Driver::waitFor(
                 [w] {
                     const auto* list =
                         qobject_cast<QListWidget*>(Driver::find(w, QStringLiteral("lstResults")));
                     return list && list->count() > 0;
                 },
                 60000);
             if (!listed)
                 k.log.problem(QStringLiteral("typing 1963 listed no document"));
             return listed && k.noBox() && k.closeWindow(w, QStringLiteral("cmdClose")) && k.noBox();
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
