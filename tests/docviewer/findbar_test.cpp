// The document viewer's find bar: hidden until asked, counts and steps through matches, in any document.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "shared/ui/documentwindow.h"
#include "shared/ui/findbar.h"

namespace {

// The viewer's find bar, in any document.
struct FindBarTest : ::testing::Test {
    QTemporaryDir dir;
    DocumentWindow form;
    FindBar* bar = nullptr;

    void SetUp() override
    {
        const QString path = dir.path() + QStringLiteral("/books.rtf");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "{\\rtf1\\ansi {\\b Books}\\par Caf\\'e9 racers, CAFE owners and a cafe.\\par The end.\\par}");
        f.close();
        ASSERT_TRUE(form.loadDocument(path));
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        bar = form.findChild<FindBar*>();
        ASSERT_NE(bar, nullptr);
    }
};

TEST_F(FindBarTest, HiddenUntilCtrlFThenCountsAndStepsThroughMatches)
{
    const QSize designSize = form.size();
    const QRect textBox = form.rtbText()->geometry();
    EXPECT_FALSE(bar->isVisible());
    QTest::keyClick(form.rtbText(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(form.size(), designSize + QSize(0, FindBar::kHeight));
    EXPECT_EQ(form.rtbText()->geometry(), textBox); // nothing of the viewer moves
    EXPECT_TRUE(bar->field()->hasFocus());

    QTest::keyClicks(bar->field(), QStringLiteral("cafe"));
    EXPECT_EQ(bar->matchCount(), 3);
    EXPECT_EQ(bar->countLabel()->text(), QStringLiteral("1 of 3"));
    EXPECT_EQ(form.rtbText()->textCursor().selectedText(), QStringLiteral("Café"));
    QTest::keyClick(bar->field(), Qt::Key_F3);
    EXPECT_EQ(form.rtbText()->textCursor().selectedText(), QStringLiteral("CAFE"));
    QTest::keyClick(bar->field(), Qt::Key_Return);
    EXPECT_EQ(bar->countLabel()->text(), QStringLiteral("3 of 3"));
    QTest::keyClick(bar->field(), Qt::Key_F3);
    EXPECT_EQ(bar->countLabel()->text(), QStringLiteral("1 of 3"));
    QTest::keyClick(bar->field(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(bar->countLabel()->text(), QStringLiteral("3 of 3"));

    bar->field()->clear();
    QTest::keyClicks(bar->field(), QStringLiteral("zeppelin"));
    EXPECT_EQ(bar->countLabel()->text(), QStringLiteral("No matches"));
    EXPECT_TRUE(form.rtbText()->extraSelections().isEmpty());

    // Escape closes the bar first, the viewer only after.
    QTest::keyClick(bar->field(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.size(), designSize);
    QTest::keyClick(form.rtbText(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FindBarTest, NamedForScreenReaders)
{
    QTest::keyClick(form.rtbText(), Qt::Key_F3); // F3 with nothing to find opens the bar
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->field()->accessibleName(), QStringLiteral("Find"));
    EXPECT_EQ(bar->findChild<QPushButton*>(QStringLiteral("cmdFindClose"))->accessibleName(),
              QStringLiteral("Close find bar"));
    EXPECT_NE(bar->findChild<QPushButton*>(QStringLiteral("cmdFindNext")), nullptr);
}

} // namespace
