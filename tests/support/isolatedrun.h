#pragma once

#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Runs one test of the running test executable again in a child process set up for what cannot be done in
// the test process itself: a small tmpfs that fills up (in a private mount namespace, so nothing of it is
// seen outside), a read-only mount, or an unprivileged user for whom permission bits count. The child's
// test is a DISABLED_ one, run only this way; its folder arrives in $ZEPHANE_ISOLATED_DIR.
//
// These need root (CI runs as root) and util-linux's unshare, mount and setpriv; without them the run fails
// with the reason, never passes.
struct IsolatedRun {
    int exitCode = -1;
    QByteArray output;

    bool passed() const { return exitCode == 0 && output.contains("[  PASSED  ] 1 test"); }

    static QString executable() { return QCoreApplication::applicationFilePath(); }

    static IsolatedRun run(const QString& program, const QStringList& args)
    {
        IsolatedRun r;
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            r.output = "missing tool: " + program.toUtf8();
            return r;
        }
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            r.output = "timed out";
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        r.output = p.readAll();
        return r;
    }

    // test: "Suite.DISABLED_Name". A tmpfs of sizeKb is mounted at dir; readOnlyFolder (relative to dir),
    // when given, is made and then bind-mounted read-only over itself.
    static IsolatedRun inTmpfs(const QString& test, const QString& dir, int sizeKb,
                               const QString& readOnlyFolder = QString())
    {
        if (::geteuid() != 0) {
            IsolatedRun r;
            r.output = "a private mount namespace needs root (CI runs as root)";
            return r;
        }
        QString script =
            QStringLiteral("set -e\nmount -t tmpfs -o size=%1k zephane-test \"$ZEPHANE_ISOLATED_DIR\"\n")
                .arg(sizeKb);
        if (!readOnlyFolder.isEmpty())
            script += QStringLiteral("ro=\"$ZEPHANE_ISOLATED_DIR/%1\"\nmkdir -p \"$ro\"\n"
                                     "mount --bind \"$ro\" \"$ro\"\nmount -o remount,bind,ro \"$ro\"\n")
                          .arg(readOnlyFolder);
        script += QStringLiteral("exec \"$1\" --gtest_also_run_disabled_tests --gtest_filter=\"$2\"\n");
        qputenv("ZEPHANE_ISOLATED_DIR", dir.toLocal8Bit());
        IsolatedRun r = run(QStringLiteral("unshare"),
                            {QStringLiteral("--mount"), QStringLiteral("--propagation"),
                             QStringLiteral("private"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                             QStringLiteral("sh"), executable(), test});
        qunsetenv("ZEPHANE_ISOLATED_DIR");
        return r;
    }

    // As the unprivileged user "nobody" when run as root; as the user itself otherwise (whose permission
    // bits already count). dir must be writable by that user.
    static IsolatedRun unprivileged(const QString& test, const QString& dir)
    {
        qputenv("ZEPHANE_ISOLATED_DIR", dir.toLocal8Bit());
        // The child makes a runtime folder of its own.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        const QStringList testArgs = {QStringLiteral("--gtest_also_run_disabled_tests"),
                                      QStringLiteral("--gtest_filter=") + test};
        IsolatedRun r =
            ::geteuid() == 0
                ? run(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                  QStringLiteral("--clear-groups"), QStringLiteral("--"), executable()} +
                          testArgs)
                : run(executable(), testArgs);
        qunsetenv("ZEPHANE_ISOLATED_DIR");
        if (!runtime.isEmpty())
            qputenv("XDG_RUNTIME_DIR", runtime);
        return r;
    }

    // In the child: the folder handed over; empty when the test was started some other way.
    static QString folder() { return qEnvironmentVariable("ZEPHANE_ISOLATED_DIR"); }
};
