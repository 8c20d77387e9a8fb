#include "e2e/driver.h"

#include <chrono>
#include <thread>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "app/program.h"

namespace e2e {

namespace {
Program* g_program = nullptr;

bool exposed(const QWidget* w)
{
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

QPoint centreOf(const QWidget* w)
{
    return w->mapToGlobal(w->rect().center());
}

// Controls a user works with; labels and frames are left out.
bool isControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QLineEdit*>(w);
}

// A control that is disabled although neither it nor anything between it and its window was disabled:
// what disables it is above the window.
bool disabledFromAbove(const QWidget* control, const QWidget* window)
{
    if (control->isEnabled())
        return false;
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (w->testAttribute(Qt::WA_ForceDisabled))
            return false;
        if (w == window)
            break;
    }
    return true;
}
} // namespace

Program& program()
{
    return *g_program;
}

void setProgram(Program* p)
{
    g_program = p;
}

bool Driver::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (gui(condition))
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        pause(25);
    }
}

bool Driver::holds(const std::function<bool()>& condition, int forMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(forMs);
    do {
        if (!gui(condition))
            return false;
        pause(25);
    } while (std::chrono::steady_clock::now() < end);
    return gui(condition);
}

void Driver::pause(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool Driver::runXdotool(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void Driver::screenshot(const QString& path)
{
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
}

void Driver::moveTo(QPoint global)
{
    runXdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
}

void Driver::clickAt(QPoint global, int button)
{
    // The pointer comes from beside the target, as a hand moves it, so the control sees it arrive even when
    // the last click was at the same place.
    runXdotool({QStringLiteral("mousemove"), QString::number(global.x() + 4), QString::number(global.y() + 3),
                QStringLiteral("sleep"), QStringLiteral("0.03"), QStringLiteral("mousemove"),
                QString::number(global.x()), QString::number(global.y()), QStringLiteral("sleep"),
                QStringLiteral("0.03"), QStringLiteral("click"), QString::number(button)});
}

void Driver::keys(const QString& xdotoolKeys)
{
    runXdotool({QStringLiteral("key"), xdotoolKeys});
}

void Driver::type(const QString& text)
{
    runXdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

qulonglong Driver::windowId(const QString& topLevelName)
{
    return gui([&] {
        QWidget* w = topLevel(topLevelName);
        return w ? qulonglong(w->winId()) : qulonglong(0);
    });
}

QWidget* Driver::mainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form1") && qobject_cast<QMainWindow*>(w))
            return w;
    return nullptr;
}

QWidget* Driver::topLevel(const QString& objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == objectName)
            return w;
    return nullptr;
}

QWidget* Driver::child(QWidget* root, const QString& objectName)
{
    if (!root)
        return nullptr;
    QWidget* hidden = nullptr;
    for (QWidget* w : root->findChildren<QWidget*>(objectName)) {
        if (w->isVisible())
            return w;
        hidden = hidden ? hidden : w;
    }
    return hidden;
}

QWidget* Driver::find(const QString& window, const QString& control)
{
    QWidget* w = window == QLatin1String("Form1") ? mainWindow() : topLevel(window);
    // "pnlPrint/List1_0": a control inside a named part of the window.
    for (const QString& name : control.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        w = child(w, name);
    return w;
}

QMessageBox* Driver::messageBox()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

bool Driver::click(const QString& window, const QString& control, int button)
{
    const std::optional<QPoint> at = gui([&]() -> std::optional<QPoint> {
        QWidget* w = find(window, control);
        if (!w || !w->isVisible() || !w->isEnabled() || !exposed(w->window()))
            return std::nullopt;
        return centreOf(w);
    });
    if (!at)
        return false;
    clickAt(*at, button);
    return true;
}

bool Driver::clickPart(const QString& window, const QString& control, double x, double y)
{
    const std::optional<QPoint> at = gui([&]() -> std::optional<QPoint> {
        QWidget* w = find(window, control);
        if (!w || !w->isVisible() || !w->isEnabled() || !exposed(w->window()))
            return std::nullopt;
        return w->mapToGlobal(QPoint(int(w->width() * x), int(w->height() * y)));
    });
    if (!at)
        return false;
    clickAt(*at);
    return true;
}

bool Driver::triggerMenu(const QString& actionName)
{
    QAction* action = gui([&]() -> QAction* {
        QWidget* main = mainWindow();
        return main ? main->findChild<QAction*>(actionName) : nullptr;
    });
    return action && triggerMenu(action);
}

bool Driver::triggerMenu(QAction* action)
{
    // The chain of items from the menu bar down to the action.
    struct Step {
        QPointer<QWidget> owner; // the menu bar or menu that shows the item
        QAction* item;
    };
    const QList<Step> chain = gui([&] {
        QList<Step> out;
        QAction* a = action;
        while (a) {
            QWidget* owner = nullptr;
            for (QObject* o : a->associatedObjects()) {
                if (auto* bar = qobject_cast<QMenuBar*>(o)) {
                    owner = bar;
                    break;
                }
                if (auto* menu = qobject_cast<QMenu*>(o); menu && menu->menuAction() != a) {
                    owner = menu;
                    break;
                }
            }
            if (!owner)
                return QList<Step>{};
            out.prepend({owner, a});
            a = qobject_cast<QMenuBar*>(owner) ? nullptr : static_cast<QMenu*>(owner)->menuAction();
        }
        return out;
    });
    if (chain.isEmpty() || !gui([&] { return action->isEnabled() && action->isVisible(); }))
        return false;
    if (!waitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000))
        return false;
    for (int i = 0; i < chain.size(); ++i) {
        const Step& step = chain[i];
        if (i > 0 && !waitFor([&] { return exposed(step.owner.data()); }, 3000))
            return false;
        const std::optional<QPoint> at = gui([&]() -> std::optional<QPoint> {
            QWidget* owner = step.owner.data();
            if (!owner)
                return std::nullopt;
            QRect r;
            if (auto* bar = qobject_cast<QMenuBar*>(owner))
                r = bar->actionGeometry(step.item);
            else
                r = static_cast<QMenu*>(owner)->actionGeometry(step.item);
            if (r.isEmpty())
                return std::nullopt;
            return owner->mapToGlobal(r.center());
        });
        if (!at)
            return false;
        moveTo(*at);
        pause(30);
        clickAt(*at);
    }
    // The item was chosen once every menu has closed again.
    return waitFor([] { return QApplication::activePopupWidget() == nullptr; }, 3000);
}

std::optional<BoxFacts> Driver::waitForBox(int timeoutMs)
{
    if (!waitFor([] { return exposed(messageBox()); }, timeoutMs))
        return std::nullopt;
    // The window manager frames it; give it a moment, then read it.
    waitFor(
        [] {
            QMessageBox* b = messageBox();
            return b && b->frameGeometry() != b->geometry();
        },
        1000);
    return gui([]() -> std::optional<BoxFacts> {
        QMessageBox* b = messageBox();
        if (!b)
            return std::nullopt;
        BoxFacts f;
        f.title = b->windowTitle();
        f.text = b->text();
        for (QAbstractButton* button : b->buttons())
            f.buttons << button->text().remove(QLatin1Char('&'));
        f.enabled = b->isEnabled();
        const QScreen* s = b->screen();
        f.onScreen = s && s->geometry().contains(b->frameGeometry());
        return f;
    });
}

bool Driver::answerBox(QMessageBox::StandardButton button)
{
    const std::optional<QPoint> at = gui([&]() -> std::optional<QPoint> {
        QMessageBox* b = messageBox();
        QAbstractButton* pressed = b ? b->button(button) : nullptr;
        if (!pressed || !pressed->isVisible() || !pressed->isEnabled())
            return std::nullopt;
        return centreOf(pressed);
    });
    if (!at)
        return false;
    QPointer<QMessageBox> box = gui([] { return QPointer<QMessageBox>(messageBox()); });
    clickAt(*at);
    return waitFor([&] { return !box || !box->isVisible(); }, 5000);
}

WindowFacts Driver::windowFacts(const QString& topLevelName)
{
    WindowFacts f;
    if (!waitFor([&] { return exposed(topLevel(topLevelName)); }, 5000))
        return f;
    // A framed window's frame is larger than its client area; a frameless one has none to wait for.
    waitFor(
        [&] {
            QWidget* w = topLevel(topLevelName);
            return !w || w->windowFlags().testFlag(Qt::FramelessWindowHint) ||
                   w->frameGeometry() != w->geometry();
        },
        1500);
    pause(100); // the window manager may still place it
    return gui([&] {
        WindowFacts out;
        QWidget* w = topLevel(topLevelName);
        if (!w)
            return out;
        out.found = true;
        out.visible = w->isVisible() && !w->isMinimized();
        out.enabled = w->isEnabled();
        out.frame = w->frameGeometry();
        out.screen = w->screen() ? w->screen()->geometry() : QRect();
        out.title = w->windowTitle();
        for (QWidget* c : w->findChildren<QWidget*>())
            if (isControl(c) && c->isVisibleTo(w) && disabledFromAbove(c, w))
                out.disabledByParent << c->objectName();
        return out;
    });
}

WindowFacts Driver::panelFacts(const QString& mainWindowChild)
{
    return gui([&] {
        WindowFacts out;
        QWidget* main = mainWindow();
        QWidget* p = child(main, mainWindowChild);
        if (!p)
            return out;
        out.found = true;
        out.visible = p->isVisible();
        out.enabled = p->isEnabled();
        out.frame = QRect(p->mapToGlobal(QPoint(0, 0)), p->size());
        out.screen = main->screen() ? main->screen()->geometry() : QRect();
        for (QWidget* c : p->findChildren<QWidget*>())
            if (isControl(c) && c->isVisibleTo(p) && disabledFromAbove(c, p))
                out.disabledByParent << c->objectName();
        return out;
    });
}

QString Driver::text(const QString& window, const QString& control)
{
    return gui([&] {
        QWidget* w = find(window, control);
        if (!w)
            return QString();
        if (control.isEmpty())
            return w->windowTitle();
        const QVariant t = w->property("text");
        return t.isValid() ? t.toString() : QString();
    });
}

QString Driver::yearOfButton(int index)
{
    if (index >= 47)
        return QStringLiteral("2000");
    return QString::number(index <= 30 ? 1952 + index : 1953 + index);
}

bool Driver::mainWindowAnswers(int yearButton)
{
    const QString name = QStringLiteral("cmdYR_%1").arg(yearButton);
    const QString year = yearOfButton(yearButton);
    if (!waitFor([] { return exposed(mainWindow()) && mainWindow()->isEnabled(); }, 3000))
        return false;
    if (!click(QStringLiteral("Form1"), name))
        return false;
    return waitFor([&] { return text(QStringLiteral("Form1"), QStringLiteral("panYear")) == year; }, 3000);
}

void Driver::recover()
{
    for (int round = 0; round < 8; ++round) {
        if (gui([] { return QApplication::activePopupWidget() != nullptr; })) {
            keys(QStringLiteral("Escape"));
            pause(100);
            continue;
        }
        if (gui([] { return messageBox() != nullptr; })) {
            if (!answerBox(QMessageBox::Cancel) && !answerBox(QMessageBox::No) && !answerBox(QMessageBox::Ok))
                gui([] {
                    if (QMessageBox* b = messageBox())
                        b->reject();
                });
            continue;
        }
        const bool closed = gui([] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!w->isVisible() || w == mainWindow() || qobject_cast<QMenu*>(w))
                    continue;
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
                else
                    w->close();
                return true;
            }
            return false;
        });
        if (!closed)
            break;
        pause(100);
    }
    gui([] {
        if (QWidget* main = mainWindow())
            for (const char* panel : {"pnlPrint", "pnlProgress", "pnlSSaver", "pnlSound", "SSpnlOstrand"})
                if (QWidget* p = child(main, QString::fromLatin1(panel)); p && p->isVisible())
                    p->hide();
    });
}

} // namespace e2e
