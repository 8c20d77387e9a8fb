// The search window and its module: results as the query is typed, indexing progress, and opening a result
// in the document viewer with its matches highlighted.
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "fakes/fakemainframe.h"
#include "fakes/fakeports.h"
#include "search/ui/searchmodule.h"
#include "search/ui/searchwindow.h"
#include "searchfixture.h"
#include "session/session.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "shared/ui/findbar.h"
#include "support/testservices.h"

namespace {

struct SearchWindowTest : SearchFixture, FakeDevices {
    FakeMessages messages;
    FakeProcesses processes;
    Ports ports = portsWith(processes, messages, drives);
    std::unique_ptr<Session> session;
    FakeMainFrame frame;
    std::unique_ptr<DocumentViewerHost> viewer;
    std::unique_ptr<SearchModule> module;

    SearchWindowTest()
    {
        add(QStringLiteral("RichText/ENGINES.rtf"),
            rtf("Fuel Injection Engines", "The fuel injection engine of 1957.\\par Injection again; "
                                          "later engines kept fuel injection."));
        add(QStringLiteral("richtext/63desc.rtf"),
            rtf("The 1963 Model", "A split window and fuel injection."));
        add(QStringLiteral("RichText/64colors.rtf"), rtf("1964 Colours", "Riverside Red."));
        session = std::make_unique<Session>(ports, tree.file(QStringLiteral("program")));
        session->roots.mediaRoot = root();
        viewer = std::make_unique<DocumentViewerHost>(session->documents, printer, &frame.widget);
        viewer->setHooks({[] {}, [](QDialog& d) { d.show(); }});
        module = std::make_unique<SearchModule>(*session, ports, frame, *viewer);
        module->setSynchronous(true);
        module->setCacheFolder(cache());
    }
    ~SearchWindowTest() override
    {
        module.reset();
        viewer.reset();
    }
    SearchWindow& openWindow()
    {
        EXPECT_TRUE(session->commands.run(Command::Search));
        SearchWindow* w = module->window();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    QStringList rowTitles(const SearchWindow& w) const
    {
        QStringList out;
        for (int i = 0; i < w.lstResults()->count(); ++i)
            out << w.lstResults()->item(i)->text().section(QStringLiteral(" \u2014 "), 0, 0);
        return out;
    }
};

TEST_F(SearchWindowTest, TypedQueryListsRankedResultsWithTitleEntryAndSnippet)
{
    SearchWindow& w = openWindow();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.objectName(), QStringLiteral("frmSearch"));
    EXPECT_TRUE(w.txtQuery()->hasFocus() || QApplication::focusWidget() == nullptr);
    EXPECT_TRUE(w.lblStatus()->text().contains(QStringLiteral("3 documents")))
        << qPrintable(w.lblStatus()->text());

    QTest::keyClicks(w.txtQuery(), QStringLiteral("fuel inj"));
    EXPECT_EQ(rowTitles(w), (QStringList{"Zephane Engines", "1963 Description"}));
    const QString first = w.lstResults()->item(0)->text();
    EXPECT_TRUE(first.contains(QStringLiteral("Library"))) << qPrintable(first);
    EXPECT_TRUE(first.contains(QStringLiteral("fuel injection"))) << qPrintable(first);
    EXPECT_TRUE(w.lstResults()
                    ->item(1)
                    ->data(SearchWindow::kSnippetRole)
                    .toString()
                    .contains(QStringLiteral("<b>fuel</b> <b>injection</b>")));
    EXPECT_TRUE(w.lstResults()->item(1)->text().contains(QStringLiteral("1963")));
    EXPECT_EQ(w.lblStatus()->text(), QStringLiteral("2 documents found."));

    w.txtQuery()->clear();
    QTest::keyClicks(w.txtQuery(), QStringLiteral("zeppelin"));
    EXPECT_EQ(w.lstResults()->count(), 0);
    EXPECT_EQ(w.lblStatus()->text(), QStringLiteral("No documents found for \u201czeppelin\u201d."));
    // Enter with nothing found opens nothing.
    QTest::keyClick(w.txtQuery(), Qt::Key_Return);
    EXPECT_FALSE(viewer->isLoaded());
}

TEST_F(SearchWindowTest, EnterOpensTheHitInTheViewerWithEveryMatchHighlighted)
{
    SearchWindow& w = openWindow();
    QTest::keyClicks(w.txtQuery(), QStringLiteral("injection"));
    ASSERT_GE(w.lstResults()->count(), 1);
    QTest::keyClick(w.txtQuery(), Qt::Key_Return);

    DocumentWindow* form = viewer->form();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("The Zephane Folarium     Zephane Engines"));
    EXPECT_TRUE(form->SSCommand2()->isHidden());
    FindBar* bar = form->findChild<FindBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    // Heading, body and the three mentions: "Injection" (heading), "injection", "Injection", "injection".
    EXPECT_EQ(bar->matchCount(), 4);
    EXPECT_EQ(bar->countLabel()->text(), QStringLiteral("1 of 4"));
    EXPECT_EQ(form->rtbText()->textCursor().selectedText(), QStringLiteral("Injection"));
    EXPECT_EQ(form->rtbText()->extraSelections().size(), 4);

    // F3 and Shift+F3 step through them.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form->rtbText(), Qt::Key_F3);
    EXPECT_EQ(bar->countLabel()->text(), QStringLiteral("2 of 4"));
    EXPECT_EQ(form->rtbText()->textCursor().selectedText(), QStringLiteral("injection"));
    QTest::keyClick(form->rtbText(), Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(form->rtbText(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(bar->countLabel()->text(), QStringLiteral("4 of 4"));
}

TEST_F(SearchWindowTest, DoubleClickOpensTheChosenRowAndStemmedMatchesAreHighlighted)
{
    SearchWindow& w = openWindow();
    QTest::keyClicks(w.txtQuery(), QStringLiteral("engine "));
    ASSERT_EQ(rowTitles(w), QStringList{"Zephane Engines"});
    QListWidgetItem* item = w.lstResults()->item(0);
    const QRect r = w.lstResults()->visualItemRect(item);
    QTest::mouseClick(w.lstResults()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(viewer->form(), nullptr); // one click only selects
    QTest::mouseDClick(w.lstResults()->viewport(), Qt::LeftButton, {}, r.center());
    DocumentWindow* form = viewer->form();
    ASSERT_NE(form, nullptr);
    FindBar* bar = form->findChild<FindBar*>();
    ASSERT_NE(bar, nullptr);
    // "Engines" (heading), "engine", "engines".
    EXPECT_EQ(bar->matchCount(), 3);
}

TEST_F(SearchWindowTest, ProgressWhileIndexingThenResults)
{
    SearchWindow* w = nullptr;
    // Drive the controller as the background build does.
    module->controller().indexingStarted(3);
    openWindow(); // builds synchronously and ends the progress
    w = module->window();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->barProgress()->isVisible());
    module->controller().indexingStarted(3);
    module->controller().indexingProgress(1, 3);
    EXPECT_TRUE(w->barProgress()->isVisible());
    EXPECT_EQ(w->barProgress()->value(), 1);
    EXPECT_EQ(w->lblStatus()->text(), QStringLiteral("Indexing the disc: 1 of 3 documents"));
    module->controller().indexReady(nullptr, QStringLiteral("no space"));
    EXPECT_FALSE(w->barProgress()->isVisible());
    EXPECT_TRUE(w->lblStatus()->text().contains(QStringLiteral("no space")));
}

TEST_F(SearchWindowTest, EveryControlIsNamedForScreenReaders)
{
    SearchWindow& w = openWindow();
    EXPECT_EQ(w.txtQuery()->accessibleName(), QStringLiteral("Search for"));
    EXPECT_EQ(w.lstResults()->accessibleName(), QStringLiteral("Results"));
    EXPECT_FALSE(w.barProgress()->accessibleName().isEmpty());
    // Down from the query field moves into the list.
    QTest::keyClicks(w.txtQuery(), QStringLiteral("fuel"));
    w.activateWindow();
    w.txtQuery()->setFocus();
    QTest::keyClick(w.txtQuery(), Qt::Key_Down);
    EXPECT_EQ(w.lstResults()->currentRow(), 0);
}

TEST_F(SearchWindowTest, AStoredIndexIsUsedAtTheNextStart)
{
    openWindow();
    ASSERT_NE(module->index(), nullptr);
    const QString path = module->index()->path();
    ASSERT_FALSE(path.isEmpty());
    const QDateTime written = QFileInfo(path).lastModified();
    module.reset();
    module = std::make_unique<SearchModule>(*session, ports, frame, *viewer);
    module->setSynchronous(true);
    module->setCacheFolder(cache());
    openWindow();
    ASSERT_NE(module->index(), nullptr);
    EXPECT_EQ(module->index()->path(), path);
    EXPECT_EQ(QFileInfo(path).lastModified(), written);
}

TEST_F(SearchWindowTest, BackgroundBuildReportsWhenDone)
{
    module->setSynchronous(false);
    module->startIndexing();
    EXPECT_TRUE(QTest::qWaitFor([&] { return module->index() != nullptr; }, 20000));
    EXPECT_FALSE(module->isIndexing());
    EXPECT_EQ(module->index()->documentCount(), 3);
}

} // namespace
