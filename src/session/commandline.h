#pragma once

#include <functional>

#include <QString>
#include <QStringList>

// What zephane-folarium's command line asks for, decided before any window or service is built: the help or
// version text, a command-line mode, a refusal of an unknown option, or the program itself (where the whole
// command line, joined by blanks, is tested for the "HWI" switch as before), perhaps on a media path: a
// folder or disc image named by "--media PATH", or given alone as a path, as a file manager's "Open With"
// passes it.
struct CommandLine {
    enum class Action {
        Run,     // start the program
        Help,    // --help: the usage on standard output, status 0
        Version, // --version: one line on standard output, status 0
        Mode,    // a command-line mode (--check-media, --rtf-text, ...) runs with the remaining arguments
        Usage,   // an unknown option beginning with "--": error and usage on standard error, status 2
    };
    Action action = Action::Run;
    QString error;     // Usage: names the option
    QString mediaPath; // Run: the folder or disc image to read the media from; empty: search the drives
    // Run: the path came alone, as "Open With" passes it, so a bad one is also shown in a message box; after
    // "--media" it is reported on standard error only, so that a script gets its status 2 at once.
    bool mediaFromDesktop = false;

    // args: without the program name. isMode: whether a first argument names a command-line mode.
    static CommandLine decide(const QStringList& args, const std::function<bool(const QString&)>& isMode);

    // The usage text: every mode (modeUsages as the modes describe themselves) and the environment.
    static QString helpText(const QStringList& modeUsages);
    static QString versionText();
    static constexpr int kUsageStatus = 2;
};
