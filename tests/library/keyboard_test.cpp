#include <set>

#include <QAbstractButton>
#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "libraryfixture.h"
#include "utils/ui/aboutwindow.h"
#include "viewers/ui/moviewindow.h"
#include "viewers/ui/soundpanel.h"

namespace {

// Walks the Tab chain from the first control and returns every widget that took the focus.
std::set<QWidget*> tabWalk(QWidget& window, int steps)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_Tab);
    std::set<QWidget*> seen;
    for (int i = 0; i < steps; ++i) {
        if (QWidget* w = QApplication::focusWidget())
            seen.insert(w);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);
    }
    return seen;
}

struct Window {
    const char* name;
    std::function<QWidget*(QWidget* parent)> make;
};

TEST(Keyboard, EveryButtonAndOptionIsReachedByTabAndSaysWhatItIs)
{
    const Window windows[] = {
        {"pnlSound", [](QWidget* p) { return new SoundPanel(p); }},
        {"frmMovie", [](QWidget* p) { return new MovieWindow(p); }},
        {"frmAbout", [](QWidget* p) { return new AboutWindow(p); }},
    };
    for (const Window& def : windows) {
        SCOPED_TRACE(def.name);
        QWidget host;
        QWidget* w = def.make(&host);
        QWidget& top = w->isWindow() ? *w : host;
        w->show();
        const std::set<QWidget*> reached = tabWalk(top, 80);
        const auto buttons = w->findChildren<QAbstractButton*>();
        ASSERT_FALSE(buttons.isEmpty());
        bool anOptionReached = false;
        for (QAbstractButton* b : buttons) {
            SCOPED_TRACE(b->objectName().toStdString());
            EXPECT_FALSE(b->text().isEmpty() && b->accessibleName().isEmpty())
                << "a screen reader reads nothing";
            if (!b->isEnabled())
                continue;
            // Tab enters a group of options once; the arrow keys move within it.
            if (qobject_cast<QRadioButton*>(b)) {
                anOptionReached = anOptionReached || reached.count(b);
                continue;
            }
            EXPECT_TRUE(reached.count(b)) << "not reached by Tab";
        }
        if (std::string(def.name) == "frmMovie") {
            EXPECT_TRUE(anOptionReached);
        }
    }
}

} // namespace
