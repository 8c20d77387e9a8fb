// Flows a user goes through, end to end in the real program: several slide shows in a row, a movie, a printed
// booklet read back from its PDF, a playing slide show minimized and restored, and a search that opens a hit.
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTextEdit>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include "app/program.h"
#include "e2e/e2efixture.h"

using e2e::Driver;

namespace {

const QString kMain = QStringLiteral("Form1");
const QString kSlide = QStringLiteral("frmSlide");

class Flows : public e2e::E2eTest {};

QString slideCounter()
{
    return Driver::text(kSlide, QStringLiteral("pnlPhotoNumber"));
}

// Opens the slide show from the menu bar; false when it does not open, or closes again by itself.
::testing::AssertionResult openSlideShow()
{
    if (!Driver::triggerMenu(QStringLiteral("mnuSlideShow")))
        return ::testing::AssertionFailure() << "the SlideShow menu item could not be chosen";
    const e2e::WindowFacts f = Driver::windowFacts(kSlide);
    if (!f.found)
        return ::testing::AssertionFailure() << "the slide show did not appear";
    if (!Driver::holds([] { return Driver::topLevel(kSlide) != nullptr; }, 700))
        return ::testing::AssertionFailure() << "the slide show appeared and closed again by itself";
    if (!f.enabled)
        return ::testing::AssertionFailure() << "the slide show window is disabled";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult closeBy(const QString& window, const QString& control)
{
    if (!Driver::click(window, control))
        return ::testing::AssertionFailure()
               << window.toStdString() << ": " << control.toStdString() << " cannot be clicked";
    if (!Driver::waitFor([&] { return Driver::topLevel(window) == nullptr; }, 5000))
        return ::testing::AssertionFailure()
               << window.toStdString() << " did not close by " << control.toStdString();
    return ::testing::AssertionSuccess();
}

// When the current movie frame was taken (microseconds into the movie); -1 without a frame.
qint64 movieFrameTime()
{
    return Driver::gui([] {
        auto* video =
            qobject_cast<QVideoWidget*>(Driver::find(QStringLiteral("frmMovie"), QStringLiteral("PicMovie")));
        if (!video || !video->videoSink())
            return qint64(-1);
        const QVideoFrame frame = video->videoSink()->videoFrame();
        return frame.isValid() ? frame.startTime() : qint64(-1);
    });
}

} // namespace

TEST_F(Flows, ThreeSlideShowsInARowEachClosedByExitThenDescription)
{
    ASSERT_TRUE(Driver::mainWindowAnswers(11)); // 1963
    for (int show = 1; show <= 3; ++show) {
        SCOPED_TRACE("slide show " + std::to_string(show));
        ASSERT_TRUE(openSlideShow());
        // A step shows the next photo.
        const QString before = slideCounter();
        ASSERT_TRUE(Driver::click(kSlide, QStringLiteral("mmSlide_Fwd")));
        EXPECT_TRUE(
            Driver::waitFor([&] { return slideCounter() != before && !slideCounter().isEmpty(); }, 3000))
            << "Fwd left the counter at " << before.toStdString();
        ASSERT_TRUE(closeBy(kSlide, QStringLiteral("cmdExit")));
    }
    ASSERT_TRUE(Driver::click(kMain, QStringLiteral("cmdDesc")));
    const e2e::WindowFacts doc = Driver::windowFacts(QStringLiteral("txtForm"));
    ASSERT_TRUE(doc.found) << "the description did not open";
    EXPECT_TRUE(Driver::holds([] { return Driver::topLevel(QStringLiteral("txtForm")) != nullptr; }, 700))
        << "the description closed by itself";
    EXPECT_EQ(doc.title, QStringLiteral("The Zephane Folarium     1963 Description"));
    EXPECT_TRUE(doc.enabled);
    EXPECT_TRUE(doc.onScreen());
    ASSERT_TRUE(closeBy(QStringLiteral("txtForm"), QStringLiteral("SSCommand1")));
    EXPECT_TRUE(Driver::mainWindowAnswers(20));
}

TEST_F(Flows, MoviePlayedStoppedAndClosedFromItsOwnBar)
{
    const QString movie = QStringLiteral("frmMovie");
    ASSERT_TRUE(Driver::triggerMenu(QStringLiteral("mnuMovies")));
    const e2e::WindowFacts f = Driver::windowFacts(movie);
    ASSERT_TRUE(f.found) << "the movie window did not appear";
    EXPECT_TRUE(f.enabled) << "the movie window is disabled";
    EXPECT_TRUE(f.disabledByParent.isEmpty())
        << "disabled from outside: " << f.disabledByParent.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(f.onScreen());

    ASSERT_TRUE(Driver::click(movie, QStringLiteral("optMovie_1")));
    ASSERT_TRUE(Driver::waitFor(
        [&] { return Driver::text(movie, {}) == QLatin1String("Zephane Movies - 1963 Commercial"); }, 5000));
    ASSERT_TRUE(Driver::click(movie, QStringLiteral("MMControl1/Play")));
    // Playing: the frames shown move on.
    ASSERT_TRUE(Driver::waitFor([] { return movieFrameTime() > 0; }, 8000))
        << "no frame was shown after Play";
    const qint64 playing = movieFrameTime();
    EXPECT_TRUE(Driver::waitFor([&] { return movieFrameTime() > playing; }, 5000))
        << "the movie does not play";

    ASSERT_TRUE(Driver::click(movie, QStringLiteral("MMControl1/Stop")));
    Driver::pause(500);
    const qint64 stopped = movieFrameTime();
    EXPECT_TRUE(Driver::holds([&] { return movieFrameTime() == stopped; }, 800))
        << "the movie plays on after Stop";

    ASSERT_TRUE(closeBy(movie, QStringLiteral("SSCommand1")));
    EXPECT_TRUE(Driver::gui([] { return Driver::mainWindow()->isEnabled(); }));
    EXPECT_TRUE(Driver::mainWindowAnswers(30));
}

TEST_F(Flows, BookletOfThreeYearsWithEverySectionPrintsEachDocumentOnceInOrder)
{
    ASSERT_TRUE(Driver::triggerMenu(QStringLiteral("mnuPrnt")));
    ASSERT_TRUE(
        Driver::waitFor([] { return Driver::find(kMain, QStringLiteral("pnlPrint"))->isVisible(); }, 3000));
    for (int i = 0; i < 8; ++i) {
        const QString box = QStringLiteral("pnlPrint/Check1_%1").arg(i);
        ASSERT_TRUE(Driver::click(kMain, box));
        ASSERT_TRUE(Driver::waitFor(
            [&] {
                auto* b = qobject_cast<QCheckBox*>(Driver::find(kMain, box));
                return b && b->isChecked();
            },
            2000))
            << box.toStdString();
    }
    const auto choose = [](const QString& list, const QString& year) {
        const QString name = QStringLiteral("pnlPrint/") + list;
        if (!Driver::click(kMain, name))
            return false;
        Driver::type(year);
        return Driver::waitFor(
            [&] {
                auto* l = qobject_cast<QListWidget*>(Driver::find(kMain, name));
                return l && l->currentItem() && l->currentItem()->text() == year;
            },
            3000);
    };
    ASSERT_TRUE(choose(QStringLiteral("List1_0"), QStringLiteral("1982")));
    ASSERT_TRUE(choose(QStringLiteral("List1_1"), QStringLiteral("1985")));

    ASSERT_TRUE(Driver::click(kMain, QStringLiteral("pnlPrint/cmdPrint")));
    // Without a printer the booklet goes to a PDF file and the user is told where; then it is reported done.
    std::optional<e2e::BoxFacts> box = Driver::waitForBox(30000);
    ASSERT_TRUE(box);
    QString pdf;
    const QRegularExpressionMatch where =
        QRegularExpression(QStringLiteral("\\n(/.*\\.pdf)$")).match(box->text);
    ASSERT_TRUE(where.hasMatch()) << "expected the PDF's place, got: " << box->text.toStdString();
    pdf = where.captured(1);
    ASSERT_TRUE(Driver::answerBox(QMessageBox::Ok));
    box = Driver::waitForBox(5000);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text.trimmed(), QStringLiteral("Booklet printed!"));
    ASSERT_TRUE(Driver::answerBox(QMessageBox::Ok));
    EXPECT_EQ(Driver::text(kMain, QStringLiteral("pnlPrint/cmdPrint")), QStringLiteral("Print Again"));
    ASSERT_TRUE(Driver::click(kMain, QStringLiteral("pnlPrint/cmdOK")));
    EXPECT_TRUE(
        Driver::waitFor([] { return !Driver::find(kMain, QStringLiteral("pnlPrint"))->isVisible(); }, 3000));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext did not run";
    ASSERT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // Each document's title once, in the booklet's order: the introduction, then year by year the
    // description and the details.
    QStringList titles{QStringLiteral("Introduction")};
    for (const char* year : {"1982", "1984", "1985"})
        titles << QStringLiteral("%1 Description").arg(QLatin1String(year))
               << QStringLiteral("%1 Details").arg(QLatin1String(year));
    qsizetype last = -1;
    for (const QString& title : titles) {
        const qsizetype at = text.indexOf(title);
        EXPECT_EQ(text.count(title), 1)
            << title.toStdString() << " is printed " << text.count(title) << " times";
        EXPECT_GT(at, last) << title.toStdString() << " is out of order";
        last = std::max(last, at);
    }
    EXPECT_EQ(text.count(QStringLiteral("1983")), 0) << "there is no 1983";
    EXPECT_TRUE(Driver::mainWindowAnswers(12));
}

TEST_F(Flows, PlayingSlideShowKeepsPlayingAfterMinimizeAndRestore)
{
    ASSERT_TRUE(Driver::mainWindowAnswers(5));
    ASSERT_TRUE(openSlideShow());
    ASSERT_TRUE(Driver::click(kSlide, QStringLiteral("mmSlide_Play")));
    const QString started = slideCounter();
    ASSERT_TRUE(Driver::waitFor([&] { return slideCounter() != started; }, 4000)) << "the show does not play";

    const QString id = QString::number(Driver::windowId(kSlide));
    ASSERT_TRUE(Driver::runXdotool({QStringLiteral("windowminimize"), id}));
    ASSERT_TRUE(Driver::waitFor(
        [] {
            QWidget* w = Driver::find(kSlide, {});
            return !w || w->isMinimized() || !w->isVisible();
        },
        3000))
        << "the window manager did not minimize the show";
    Driver::pause(1200);
    ASSERT_TRUE(Driver::runXdotool({QStringLiteral("windowactivate"), id}));
    ASSERT_TRUE(Driver::waitFor(
        [] {
            QWidget* w = Driver::topLevel(kSlide);
            return w && !w->isMinimized();
        },
        3000))
        << "the show was not restored";

    const QString restored = slideCounter();
    EXPECT_TRUE(Driver::waitFor([&] { return slideCounter() != restored; }, 3500))
        << "the show stopped playing at " << restored.toStdString();
    EXPECT_TRUE(Driver::gui([] {
        QWidget* pause = Driver::find(kSlide, QStringLiteral("mmSlide_Pause"));
        return pause && pause->isEnabled();
    })) << "Pause is no longer offered after the restore";
    ASSERT_TRUE(closeBy(kSlide, QStringLiteral("cmdExit")));
    EXPECT_TRUE(Driver::mainWindowAnswers(7));
}

TEST_F(Flows, AfterASlideShowTheMainWindowRefreshesOnceWhenAnotherProgramTakesTheFocus)
{
    // A collection whose code is not characters 3 and 4 of its text.
    ASSERT_TRUE(Driver::triggerMenu(QStringLiteral("mnuTopTen")));
    ASSERT_TRUE(Driver::waitFor(
        [] { return Driver::text(kMain, QStringLiteral("panYear")) == "Top Ten Zephane People "; }));
    ASSERT_TRUE(openSlideShow());
    ASSERT_TRUE(closeBy(kSlide, QStringLiteral("cmdExit")));
    const auto pending = [] { return e2e::program().session().selection.refreshPending; };
    ASSERT_TRUE(Driver::gui(pending)) << "closing the show asks for a refresh";

    // Another program's window takes the focus: that is the main window losing it.
    QProcess other;
    other.start(QStringLiteral("xmessage"), {QStringLiteral("-center"), QStringLiteral("another program")});
    ASSERT_TRUE(other.waitForStarted(5000)) << "xmessage (Debian package x11-utils) could not be started";
    EXPECT_TRUE(Driver::waitFor([&] { return !pending(); }, 5000)) << "the main window did not refresh";
    other.kill();
    other.waitForFinished(3000);

    // Back in the main window, stepping goes on through the collection's photos.
    ASSERT_TRUE(Driver::waitFor([] { return Driver::mainWindow()->isActiveWindow(); }, 3000) ||
                Driver::click(kMain, QStringLiteral("panYear")));
    const QString before = Driver::text(kMain, QStringLiteral("panPhoto"));
    ASSERT_TRUE(Driver::click(kMain, QStringLiteral("SpinUp")));
    EXPECT_TRUE(
        Driver::waitFor([&] { return Driver::text(kMain, QStringLiteral("panPhoto")) != before; }, 3000))
        << "stepping sticks at photo " << before.toStdString();
    if (Driver::gui([] { return Driver::messageBox() != nullptr; })) {
        ADD_FAILURE() << "stepping reported an error";
        Driver::answerBox(QMessageBox::Ok);
    }
    EXPECT_TRUE(Driver::mainWindowAnswers(9));
}

TEST_F(Flows, SearchByCtrlFOpensAHitAndF3StepsThroughItsMatches)
{
    const QString search = QStringLiteral("frmSearch");
    const QString doc = QStringLiteral("txtForm");
    ASSERT_TRUE(Driver::mainWindowAnswers(11));
    Driver::keys(QStringLiteral("ctrl+f"));
    const e2e::WindowFacts f = Driver::windowFacts(search);
    ASSERT_TRUE(f.found) << "Ctrl+F in the main window opened no search window";
    EXPECT_TRUE(f.enabled);
    EXPECT_TRUE(f.onScreen());
    ASSERT_TRUE(Driver::waitFor([&] {
        QWidget* field = Driver::find(search, QStringLiteral("txtQuery"));
        return field && field->hasFocus();
    })) << "the query field does not have the keyboard";

    // Typed as a user types; the list follows once the disc is indexed.
    Driver::type(QStringLiteral("fuel injection"));
    const auto rows = [&] {
        const auto* list = qobject_cast<QListWidget*>(Driver::find(search, QStringLiteral("lstResults")));
        return list ? list->count() : 0;
    };
    ASSERT_TRUE(Driver::waitFor([&] { return rows() > 0; }, 60000))
        << "no result; status: " << Driver::text(search, QStringLiteral("lblStatus")).toStdString();
    const QString first = Driver::gui([&] {
        const auto* list = qobject_cast<QListWidget*>(Driver::find(search, QStringLiteral("lstResults")));
        return list->item(0)->text();
    });
    const QString title = first.section(QStringLiteral(" \u2014 "), 0, 0);
    ASSERT_FALSE(title.isEmpty()) << first.toStdString();

    // Enter opens the first hit in the document viewer, its matches counted in the find bar.
    Driver::keys(QStringLiteral("Return"));
    const e2e::WindowFacts d = Driver::windowFacts(doc);
    ASSERT_TRUE(d.found) << "Enter opened no document";
    EXPECT_TRUE(d.enabled);
    EXPECT_TRUE(d.onScreen());
    EXPECT_TRUE(d.title.endsWith(title)) << d.title.toStdString() << " / " << title.toStdString();
    const QString count = QStringLiteral("findBar/lblFindCount");
    const QRegularExpression counted(QStringLiteral("^(\\d+) of (\\d+)$"));
    ASSERT_TRUE(Driver::waitFor([&] { return counted.match(Driver::text(doc, count)).hasMatch(); }))
        << "find bar: " << Driver::text(doc, count).toStdString();
    const int matches = counted.match(Driver::text(doc, count)).captured(2).toInt();
    EXPECT_EQ(Driver::text(doc, count), QStringLiteral("1 of %1").arg(matches));
    ASSERT_GE(matches, 2);
    const auto selected = [&] {
        return Driver::gui([&] {
            auto* text = qobject_cast<QTextEdit*>(Driver::find(doc, QStringLiteral("rtbText")));
            return text ? text->textCursor().selectedText().toLower() : QString();
        });
    };
    EXPECT_TRUE(selected().startsWith(QStringLiteral("fuel")) ||
                selected().startsWith(QStringLiteral("inject")))
        << selected().toStdString();

    // F3 on through every match and round to the first; Shift+F3 back.
    for (int k = 2; k <= matches + 1; ++k) {
        Driver::keys(QStringLiteral("F3"));
        const QString want = QStringLiteral("%1 of %2").arg(k > matches ? 1 : k).arg(matches);
        EXPECT_TRUE(Driver::waitFor([&] { return Driver::text(doc, count) == want; }, 3000))
            << "after F3: " << Driver::text(doc, count).toStdString() << ", not " << want.toStdString();
        const QString word = selected();
        EXPECT_TRUE(word.startsWith(QStringLiteral("fuel")) || word.startsWith(QStringLiteral("inject")))
            << word.toStdString();
    }
    Driver::keys(QStringLiteral("shift+F3"));
    EXPECT_TRUE(Driver::waitFor(
        [&] { return Driver::text(doc, count) == QStringLiteral("%1 of %1").arg(matches); }, 3000))
        << "after Shift+F3: " << Driver::text(doc, count).toStdString();

    // Escape closes the find bar and leaves the document open.
    Driver::keys(QStringLiteral("Escape"));
    EXPECT_TRUE(Driver::waitFor(
        [&] {
            QWidget* bar = Driver::find(doc, QStringLiteral("findBar"));
            return bar && !bar->isVisible();
        },
        3000))
        << "Escape left the find bar open";
    EXPECT_TRUE(Driver::gui([&] { return Driver::topLevel(doc) != nullptr; }))
        << "Escape closed the document";

    ASSERT_TRUE(closeBy(doc, QStringLiteral("SSCommand1")));
    ASSERT_TRUE(closeBy(search, QStringLiteral("cmdClose")));
    EXPECT_TRUE(Driver::mainWindowAnswers(20));
}
