#pragma once

#include <functional>
#include <optional>
#include <type_traits>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QThread>

class Program;
class QAction;
class QWidget;

namespace e2e {

// The program the tests drive; set once by the test main before the tests run.
Program& program();
void setProgram(Program* program);

// What a test learns about a window (or a panel) it found on the screen.
struct WindowFacts {
    bool found = false;
    bool visible = false;
    bool enabled = false;
    QRect frame;  // the whole window, frame included (a panel: its own rectangle), global coordinates
    QRect screen; // the screen it is on
    QString title;
    QStringList disabledByParent; // controls that are disabled only because something above them is
    bool onScreen() const { return screen.contains(frame); }
};

// A message box on the screen.
struct BoxFacts {
    QString title;
    QString text;
    QStringList buttons;
    bool enabled = false;
    bool onScreen = false;
};

// Drives the real program from a thread of its own: input goes through the X server (xdotool), and what the
// program shows is read on the interface thread, where each look runs even inside a modal window's loop.
class Driver {
public:
    // Runs f on the interface thread and returns its result.
    template <class F> static auto gui(F&& f) -> std::invoke_result_t<F&>
    {
        using R = std::invoke_result_t<F&>;
        if (QThread::currentThread() == qApp->thread())
            return f(); // already there (a look made from inside another look)
        if constexpr (std::is_void_v<R>) {
            QMetaObject::invokeMethod(
                qApp, [&f] { f(); }, Qt::BlockingQueuedConnection);
        } else {
            R result{};
            QMetaObject::invokeMethod(
                qApp, [&f, &result] { result = f(); }, Qt::BlockingQueuedConnection);
            return result;
        }
    }

    // Polls condition on the interface thread until it holds or the time is up.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
    // True when condition holds all through the given time (checked on the interface thread).
    static bool holds(const std::function<bool()>& condition, int forMs);
    static void pause(int ms);

    // Input the X server delivers.
    static void clickAt(QPoint global, int button = 1);
    static void moveTo(QPoint global);
    static void keys(const QString& xdotoolKeys); // for example "alt+f", "Escape"
    static void type(const QString& text);
    // The X window id of a top-level widget (0 when it has none).
    static qulonglong windowId(const QString& topLevelName);
    static bool runXdotool(const QStringList& arguments);
    // Saves the whole screen as a PNG file (ImageMagick's import).
    static void screenshot(const QString& path);

    // Finding widgets (interface thread only).
    static QWidget* mainWindow();
    static QWidget* topLevel(const QString& objectName); // visible top-level window with that name
    static QWidget* child(QWidget* root, const QString& objectName);
    // A control of a top-level window ("Form1" is the main window); "pnlPrint/List1_0" names a control
    // inside a part of the window. An empty control names the window itself.
    static QWidget* find(const QString& window, const QString& control);
    static QMessageBox* messageBox(); // the visible message box, if any

    // A click on the middle of a control of a top-level window (or of the main window's client area).
    // False when the control is not there, hidden or disabled.
    static bool click(const QString& window, const QString& control, int button = 1);
    // A click at a point of a control given as fractions of its width and height (0.5, 0.25: the middle of
    // its upper half).
    static bool clickPart(const QString& window, const QString& control, double x, double y);
    // Triggers a menu item through the real menu bar: opens each menu by clicking it, then clicks the item.
    static bool triggerMenu(QAction* action);
    static bool triggerMenu(const QString& actionName);

    static std::optional<BoxFacts> waitForBox(int timeoutMs = 5000);
    // Presses the message box's button; true when the box then went away.
    static bool answerBox(QMessageBox::StandardButton button);

    // Waits for the window manager to frame a top-level window, then reads it.
    static WindowFacts windowFacts(const QString& topLevelName);
    static WindowFacts panelFacts(const QString& mainWindowChild);
    // The caption or text of a control; the window's title for an empty control.
    static QString text(const QString& window, const QString& control);

    // Clicks year button cmdYR(index) and waits for panYear to show its year; false when it does not.
    static bool mainWindowAnswers(int yearButton);
    static QString yearOfButton(int index);

    // Closes whatever a failed test left open (message boxes, secondary windows, panels), the way a user
    // would: Escape, then the windows' own close controls.
    static void recover();
};

} // namespace e2e
