#pragma once

#include <functional>

class Program;
class QApplication;
class QString;

// Builds the real services and windows, runs start-up and the event loop. Returns the exit code. started,
// when given, sees the running program once start-up has succeeded, before the event loop runs (the
// end-to-end tests drive the real program from there).
int runGui(QApplication& app, const QString& commandLine, const std::function<void(Program&)>& started = {});
