#pragma once

#include <functional>

#include <QString>

class Program;
class QApplication;

// Builds the real services and windows, runs start-up and the event loop. Returns the exit code.
// mediaPath: a folder or disc image named on the command line; empty to search the drives. askOnBadMedia: a
// bad mediaPath is also shown in a message box, not only on standard error. started, when given, sees the
// running program once start-up has succeeded, before the event loop runs (the end-to-end tests drive the
// real program from there).
int runGui(QApplication& app, const QString& commandLine, const QString& mediaPath = QString(),
           bool askOnBadMedia = true, const std::function<void(Program&)>& started = {});
