#pragma once

#include <functional>

#include <QString>

class IMessages;
class IProcesses;

// The last failure: the code a failing procedure set and the text of the last report.
struct ErrorState {
    QString code;  // "ER" and three digits; kept until the next procedure sets it
    QString text;  // the composed message of the last report
    QString soundFilePath;  // the sound file ER032 names
};

// The coded messages, pure.
namespace errors {
// soundFilePath: the file ER032 names; its message shows the path from its sixth character on.
QString messageFor(const QString& code, const QString& soundFilePath = QString());
QString compose(const QString& code, const QString& soundFilePath = QString());
bool isRetryCode(const QString& code);
inline const QString kTitle = QStringLiteral("The Zephane Folarium");
}  // namespace errors

// Shows the message for ErrorState::code and puts the main window back into a usable state. The three codes
// that mean the media cannot be reached offer Retry; Cancel there ends the program.
class ErrorReporter {
public:
    enum class Outcome { Acknowledged, Retry, ProgramEnded };

    // What the main window does after an ordinary report; empty hooks are skipped.
    struct Hooks {
        std::function<void()> focusNextYearButton;
        std::function<void()> enableMainWindow;
    };

    ErrorReporter(ErrorState& state, IMessages& messages, IProcesses& processes);

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // WhileHandlingFailure: the report is made from a failure's handling path, so the focus is left alone.
    enum class Context { Ordinary, WhileHandlingFailure };

    // Reports the current code.
    Outcome report(Context context = Context::Ordinary);
    // Sets the code and reports it.
    Outcome report(const QString& code, Context context = Context::Ordinary);

    ErrorState& state() { return m_state; }

private:
    ErrorState& m_state;
    IMessages& m_messages;
    IProcesses& m_processes;
    Hooks m_hooks;
};
