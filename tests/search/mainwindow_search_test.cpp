// Search the Disc in the whole program: the menu item and Ctrl+F of the main window open the search window,
// the disc is indexed in the background, and a result opens in the one document viewer.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "mainwin/programfixture.h"
#include "search/ui/searchwindow.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "shared/ui/findbar.h"

namespace {

class MainWindowSearch : public ProgramFixture {
protected:
    SearchWindow* searchWindow() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<SearchWindow*>(w))
                return s;
        return nullptr;
    }
};

TEST_F(MainWindowSearch, MenuItemComesLastInMiscellaneousWithCtrlF)
{
    addPhotos();
    openMainWindow();
    QAction* item = menuItem(QStringLiteral("mnuSearch"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("&Search the Disc..."));
    EXPECT_EQ(item->shortcut(), QKeySequence(QKeySequence::Find));
    auto* misc = window()->findChild<QMenu*>(QStringLiteral("mnuMisc"));
    ASSERT_NE(misc, nullptr);
    const QList<QAction*> actions = misc->actions();
    ASSERT_GE(actions.size(), 3);
    EXPECT_EQ(actions.last(), item);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions[actions.size() - 3]->objectName(), QStringLiteral("mnuOstrand"));
}

TEST_F(MainWindowSearch, CtrlFOpensTheSearchWindowAndAHitOpensInTheViewer)
{
    addPhotos();
    tree.add(QStringLiteral("richtext/63desc.rtf"),
             "{\\rtf1\\ansi {\\b The 1963 Model}\\par A split rear window and fuel injection.\\par}");
    tree.add(QStringLiteral("RichText/ENGINES.rtf"), "{\\rtf1\\ansi Engines\\par Carburettors only.\\par}");
    openMainWindow();
    window()->show();
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));

    QTest::keyClick(window(), Qt::Key_F, Qt::ControlModifier);
    SearchWindow* w = searchWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    QTest::keyClicks(w->txtQuery(), QStringLiteral("split window"));
    // The index is built on another thread; its results come when it is done.
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->lstResults()->count() == 1; }, 30000))
        << qPrintable(w->lblStatus()->text());
    EXPECT_TRUE(w->lstResults()->item(0)->text().startsWith(QStringLiteral("1963 Description")));

    module().documentViewer().setHooks({[] {}, [](QDialog& d) { d.show(); }});
    QTest::keyClick(w->txtQuery(), Qt::Key_Return);
    DocumentWindow* form = module().documentViewer().form();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("The Zephane Folarium     1963 Description"));
    FindBar* bar = form->findChild<FindBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->matchCount(), 2);
}

} // namespace
