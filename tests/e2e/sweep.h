#pragma once

#include <functional>
#include <vector>

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "session/commands.h"

namespace e2e {

// What the sweep saw: every command it ran, every window it checked, and every way they fell short.
class SweepLog {
public:
    void command(const QString& label);
    void window(const QString& name);
    void problem(const QString& what);

    int commands() const { return m_commands; }
    int windows() const { return m_windows; }
    const QStringList& problems() const { return m_problems; }
    QString current() const { return m_current; }

private:
    int m_commands = 0;
    int m_windows = 0;
    QString m_current;
    QStringList m_problems;
};

// The checks every opened window, panel and message box goes through. Each records what is wrong in the
// log and returns false when the sweep cannot go on with this command.
struct Checks {
    SweepLog& log;

    // A top-level window: it appears and stays, it and its controls are enabled, its whole frame lies on the
    // screen.
    bool window(const QString& name);
    // A panel laid over the main window.
    bool panel(const QString& name);
    // Clicks a control and waits for its effect.
    bool effect(const QString& window, const QString& control, const std::function<bool()>& done,
                const QString& what);
    // Closes a window (or hides a panel) by its own close control.
    bool closeWindow(const QString& name, const QString& control);
    bool closePanel(const QString& name, const QString& control);
    // A message box the command calls for: enabled, on the screen, its text holding textPart; answered by
    // the button.
    bool box(const QString& textPart, QMessageBox::StandardButton answer);
    // No message box for a while.
    bool noBox(int forMs = 300);
};

// One command of the registry as the sweep runs it: the menu item that carries it and what a user then does
// with what it opens.
struct SweepCase {
    Command command;
    int index; // the menu item's row, -1 for single items
    QString menuItem;
    std::function<bool(Checks&)> run; // after the menu item was chosen
};

std::vector<SweepCase> sweepCases();

} // namespace e2e
