// Every command of the registry, run through the real menu bar one after another in one running program:
// each twice, then each again with a slide show and a document window opened and closed around it.
#include <cstdio>

#include <QApplication>
#include <QMenu>
#include <QScreen>

#include "app/program.h"
#include "e2e/e2efixture.h"
#include "e2e/sweep.h"
#include "mainwin/ui/mainmenu.h"
#include "mainwin/ui/mainwindow.h"
#include "mainwin/ui/mainwindowmodule.h"

using e2e::Checks;
using e2e::Driver;
using e2e::SweepCase;
using e2e::SweepLog;

namespace {

class Sweep : public e2e::E2eTest {};

const QString kMain = QStringLiteral("Form1");

// A window other than the main window that is still open.
QString strayWindow()
{
    return Driver::gui([] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != Driver::mainWindow() && !qobject_cast<QMenu*>(w) &&
                !w->inherits("QTipLabel"))
                return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                 : w->objectName();
        return QString();
    });
}

// After a command: nothing left open, and the main window answers a year button.
void afterCommand(Checks& k, int yearButton)
{
    if (const QString stray = strayWindow(); !stray.isEmpty()) {
        k.log.problem(stray + QStringLiteral(" is still open"));
        Driver::recover();
    }
    if (!Driver::mainWindowAnswers(yearButton)) {
        k.log.problem(
            QStringLiteral("the main window does not answer year button %1 afterwards").arg(yearButton));
        Driver::recover();
        Driver::mainWindowAnswers(yearButton);
    }
}

void runCase(Checks& k, const SweepCase& c, const QString& label, int yearButton)
{
    k.log.command(label);
    if (!Driver::triggerMenu(c.menuItem)) {
        k.log.problem(c.menuItem + QStringLiteral(" could not be chosen from the menu bar"));
        Driver::recover();
    } else if (!c.run(k)) {
        Driver::recover();
    }
    afterCommand(k, yearButton);
}

void slideShowOpenedAndClosed(Checks& k)
{
    k.log.command(QStringLiteral("(between) mnuSlideShow"));
    const QString w = QStringLiteral("frmSlide");
    if (!Driver::triggerMenu(QStringLiteral("mnuSlideShow")) || !k.window(w) ||
        !k.closeWindow(w, QStringLiteral("cmdExit")))
        Driver::recover();
}

void documentOpenedAndClosed(Checks& k)
{
    k.log.command(QStringLiteral("(between) cmdDesc"));
    const QString w = QStringLiteral("txtForm");
    if (!Driver::click(kMain, QStringLiteral("cmdDesc"))) {
        k.log.problem(QStringLiteral("cmdDesc cannot be clicked"));
        return;
    }
    if (!k.window(w) || !k.closeWindow(w, QStringLiteral("SSCommand1")))
        Driver::recover();
}

} // namespace

TEST_F(Sweep, EveryCommandTwiceThenAgainBetweenASlideShowAndADocument)
{
    const std::vector<SweepCase> cases = e2e::sweepCases();

    // Every command of the registry is swept, through the menu item that carries it.
    const std::vector<MainMenu::Item> items =
        Driver::gui([] { return e2e::program().mainWindowModule()->window().menu().items(); });
    for (int c = 0; c <= int(Command::SysInfo); ++c) {
        const Command command = Command(c);
        EXPECT_TRUE(Driver::gui([&] { return e2e::program().session().commands.has(command); }))
            << "command " << c << " has no handler";
        const auto swept = std::find_if(cases.begin(), cases.end(),
                                        [&](const SweepCase& s) { return s.command == command; });
        ASSERT_NE(swept, cases.end()) << "command " << c << " is not swept";
        const auto item = std::find_if(items.begin(), items.end(), [&](const MainMenu::Item& i) {
            return i.command == command &&
                   Driver::gui([&] { return i.action->objectName(); }) == swept->menuItem;
        });
        EXPECT_NE(item, items.end()) << swept->menuItem.toStdString() << " does not carry command " << c;
    }

    // Where the main window stands: centred on a screen larger than 800x600, at the origin on one that size.
    const QRect screen = Driver::gui([] { return Driver::mainWindow()->screen()->geometry(); });
    const QRect frame = Driver::gui([] { return Driver::mainWindow()->frameGeometry(); });
    std::printf("sweep: screen %dx%d, main window frame at %d,%d size %dx%d\n", screen.width(),
                screen.height(), frame.x(), frame.y(), frame.width(), frame.height());
    if (screen.width() > 800) {
        EXPECT_NE(frame.topLeft(), screen.topLeft()) << "the main window should not stand at the origin here";
    }
    EXPECT_TRUE(screen.contains(frame)) << "the main window lies off the screen";

    SweepLog log;
    Checks k{log};
    ASSERT_TRUE(Driver::mainWindowAnswers(11));
    int year = 1;
    const auto nextYear = [&year] { return year = year % 46 + 1; };
    for (const SweepCase& c : cases)
        for (int run = 1; run <= 2; ++run)
            runCase(k, c, QStringLiteral("%1 (run %2)").arg(c.menuItem).arg(run), nextYear());
    for (const SweepCase& c : cases) {
        slideShowOpenedAndClosed(k);
        runCase(k, c, c.menuItem + QStringLiteral(" (after a slide show)"), nextYear());
        documentOpenedAndClosed(k);
        afterCommand(k, nextYear());
    }

    std::printf("sweep: %d commands run, %d windows checked, %d problems\n", log.commands(), log.windows(),
                int(log.problems().size()));
    EXPECT_TRUE(log.problems().isEmpty()) << log.problems().join(QLatin1Char('\n')).toStdString();
}
