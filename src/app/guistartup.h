#pragma once

class QApplication;
class QString;

// Builds the real services and windows, runs start-up and the event loop. Returns the exit code.
// mediaPath: a folder or disc image named on the command line; empty to search the drives. askOnBadMedia: a
// bad mediaPath is also shown in a message box, not only on standard error.
int runGui(QApplication& app, const QString& commandLine, const QString& mediaPath, bool askOnBadMedia);
