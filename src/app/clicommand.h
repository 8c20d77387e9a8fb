#pragma once

#include <functional>

#include <QString>
#include <QStringList>

// Command-line modes that run without the main window (checking media, printing a document to PDF, ...).
// Each lives in its own file and registers itself with a static CliCommand.
struct CliCommand {
    using Run = std::function<int(const QStringList& arguments)>;  // arguments after the flag

    CliCommand(QString flag, QString usage, Run run);

    static const CliCommand* find(const QString& flag);
    static QStringList usages();

    QString flag;
    QString usage;
    Run run;
};
