#include <cstdio>

#include <QWidget>

#include "e2e/driver.h"
#include "e2e/sweep.h"

namespace e2e {

namespace {
QString rectText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
} // namespace

void SweepLog::command(const QString& label)
{
    ++m_commands;
    m_current = label;
    std::printf("sweep: command %d: %s\n", m_commands, qPrintable(label));
    std::fflush(stdout);
}

void SweepLog::window(const QString& name)
{
    ++m_windows;
    std::printf("sweep:   window %d: %s\n", m_windows, qPrintable(name));
    std::fflush(stdout);
}

void SweepLog::problem(const QString& what)
{
    m_problems << m_current + QStringLiteral(": ") + what;
    std::printf("sweep:   PROBLEM: %s\n", qPrintable(what));
    std::fflush(stdout);
}

bool Checks::window(const QString& name)
{
    log.window(name);
    const WindowFacts f = Driver::windowFacts(name);
    if (!f.found) {
        log.problem(name + QStringLiteral(" did not appear"));
        return false;
    }
    if (!Driver::holds([&] { return Driver::topLevel(name) != nullptr; }, 500)) {
        log.problem(name + QStringLiteral(" appeared and closed by itself"));
        return false;
    }
    if (!f.enabled)
        log.problem(name + QStringLiteral(" is disabled"));
    if (!f.disabledByParent.isEmpty())
        log.problem(name + QStringLiteral(" has controls disabled from outside: ") +
                    f.disabledByParent.join(QLatin1Char(' ')));
    if (!f.onScreen())
        log.problem(name + QStringLiteral(" lies off the screen: frame ") + rectText(f.frame) +
                    QStringLiteral(", screen ") + rectText(f.screen));
    return f.enabled;
}

bool Checks::panel(const QString& name)
{
    log.window(name);
    if (!Driver::waitFor([&] {
            QWidget* p = Driver::find(QStringLiteral("Form1"), name);
            return p && p->isVisible();
        })) {
        log.problem(name + QStringLiteral(" did not appear"));
        return false;
    }
    const WindowFacts f = Driver::panelFacts(name);
    if (!f.enabled)
        log.problem(name + QStringLiteral(" is disabled"));
    if (!f.disabledByParent.isEmpty())
        log.problem(name + QStringLiteral(" has controls disabled from outside: ") +
                    f.disabledByParent.join(QLatin1Char(' ')));
    if (!f.onScreen())
        log.problem(name + QStringLiteral(" lies off the screen: ") + rectText(f.frame));
    return f.enabled;
}

bool Checks::effect(const QString& window, const QString& control, const std::function<bool()>& done,
                    const QString& what)
{
    if (!Driver::click(window, control)) {
        log.problem(control + QStringLiteral(" cannot be clicked"));
        return false;
    }
    if (!Driver::waitFor(done, 4000)) {
        log.problem(QStringLiteral("a click on ") + control + QStringLiteral(" did not ") + what);
        return false;
    }
    return true;
}

bool Checks::closeWindow(const QString& name, const QString& control)
{
    if (!Driver::click(name, control)) {
        log.problem(name + QStringLiteral(": its close control ") + control +
                    QStringLiteral(" cannot be clicked"));
        return false;
    }
    if (!Driver::waitFor([&] { return Driver::topLevel(name) == nullptr; })) {
        log.problem(name + QStringLiteral(" did not close by ") + control);
        return false;
    }
    return true;
}

bool Checks::closePanel(const QString& name, const QString& control)
{
    if (!Driver::click(QStringLiteral("Form1"), name + QLatin1Char('/') + control)) {
        log.problem(name + QStringLiteral(": its close control ") + control +
                    QStringLiteral(" cannot be clicked"));
        return false;
    }
    if (!Driver::waitFor([&] {
            QWidget* p = Driver::find(QStringLiteral("Form1"), name);
            return !p || !p->isVisible();
        })) {
        log.problem(name + QStringLiteral(" did not close by ") + control);
        return false;
    }
    return true;
}

bool Checks::box(const QString& textPart, QMessageBox::StandardButton answer)
{
    const std::optional<BoxFacts> b = Driver::waitForBox(8000);
    if (!b) {
        log.problem(QStringLiteral("the message \"") + textPart + QStringLiteral("\" did not come"));
        return false;
    }
    log.window(QStringLiteral("message box \"") + b->text.left(50).simplified() + QStringLiteral("\""));
    if (!b->text.contains(textPart))
        log.problem(QStringLiteral("expected a message with \"") + textPart + QStringLiteral("\", got \"") +
                    b->text + QLatin1Char('"'));
    if (!b->enabled)
        log.problem(QStringLiteral("the message box is disabled"));
    if (!b->onScreen)
        log.problem(QStringLiteral("the message box lies off the screen"));
    if (!Driver::answerBox(answer)) {
        log.problem(QStringLiteral("the message box could not be answered by its button"));
        return false;
    }
    return true;
}

bool Checks::noBox(int forMs)
{
    if (Driver::holds([] { return Driver::messageBox() == nullptr; }, forMs))
        return true;
    const std::optional<BoxFacts> b = Driver::waitForBox(1000);
    log.problem(QStringLiteral("a message box nobody asked for: \"") + (b ? b->text : QString()) +
                QLatin1Char('"'));
    return false;
}

} // namespace e2e
