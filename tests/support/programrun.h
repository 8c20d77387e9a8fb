#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>

// The built zephane-folarium beside the test folder of the build tree (the build makes it with the tests),
// run with a command line as a script would.
struct ProgramRun {
    int exitCode = -1; // -1: did not finish in time; -2: crashed
    QByteArray out;
    QByteArray err;

    static QString program()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/../zephane-folarium");
    }

    static ProgramRun run(const QStringList& args, int timeoutMs = 60000)
    {
        QProcess p;
        p.start(program(), args);
        ProgramRun r;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }
};
