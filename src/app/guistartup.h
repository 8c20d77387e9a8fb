#pragma once

class QApplication;
class QString;

// Builds the real services and windows, runs start-up and the event loop. Returns the exit code.
int runGui(QApplication& app, const QString& commandLine);
