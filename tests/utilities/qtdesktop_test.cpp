#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/qt/qtdesktop.h"

namespace {

TEST(QtDesktop, FindsRunsAndRefusesWhatItShould)
{
    QtDesktop desktop;
    const QString sh = desktop.findOnPath(QStringLiteral("sh"));
    ASSERT_FALSE(sh.isEmpty()) << "a shell is on every PATH";
    EXPECT_TRUE(desktop.isExecutable(sh));
    EXPECT_TRUE(desktop.findOnPath(QStringLiteral("no-such-program-zf2000")).isEmpty());

    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    EXPECT_FALSE(desktop.isExecutable(text));
    EXPECT_FALSE(desktop.isExecutable(dir.path())) << "a folder is no program";

    EXPECT_FALSE(desktop.startDetached(dir.filePath(QStringLiteral("missing")), {}));
    EXPECT_TRUE(desktop.setting(QStringLiteral("NoSuchSection/NoSuchKey")).isEmpty());
    EXPECT_TRUE(desktop.environment(QStringLiteral("ZF2000_SURELY_UNSET")).isEmpty());
}

// A stand-in for the desktop's xdg-mime, first on the PATH: it notes each question in a log and answers as
// its script says.
class FakeXdgMime {
public:
    explicit FakeXdgMime(const QByteArray& body) : m_oldPath(qgetenv("PATH"))
    {
        QFile script(m_dir.filePath(QStringLiteral("xdg-mime")));
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$*\" >> '" + log().toLocal8Bit() + "'\n" + body + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", m_dir.path().toLocal8Bit() + ':' + m_oldPath);
    }
    ~FakeXdgMime() { qputenv("PATH", m_oldPath); }
    QString log() const { return m_dir.filePath(QStringLiteral("asked.log")); }
    QStringList questions() const
    {
        QFile f(log());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString file(const QString& name) const
    {
        QFile f(m_dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("help");
        return f.fileName();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

struct Answer {
    int count = 0;
    bool opened = true;
    std::function<void(bool)> receiver()
    {
        return [this](bool o) {
            ++count;
            opened = o;
        };
    }
};

TEST(QtDesktop, AFileNobodyHandlesIsRefusedAfterOneQuestionWithoutWaitingForIt)
{
    FakeXdgMime xdgMime("sleep 1; exit 0"); // knows no handler, and takes a second to say so
    QtDesktop desktop;
    const QString help = xdgMime.file(QStringLiteral("Zephane2000.HLP"));

    Answer answer;
    QElapsedTimer clock;
    clock.start();
    desktop.openWithHandler(help, answer.receiver());
    EXPECT_LT(clock.elapsed(), 500) << "the interface waited for the desktop's answer";
    EXPECT_EQ(answer.count, 0);

    QTRY_COMPARE_WITH_TIMEOUT(answer.count, 1, 10000);
    EXPECT_FALSE(answer.opened);
    const QStringList asked = xdgMime.questions();
    ASSERT_EQ(asked.size(), 1) << asked.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("query default "))) << asked[0].toStdString();
    QTest::qWait(50);
    EXPECT_EQ(answer.count, 1) << "answered twice";
}

TEST(QtDesktop, ADesktopThatDoesNotAnswerInTimeCountsAsNoHandler)
{
    FakeXdgMime xdgMime("sleep 30");
    QtDesktop desktop(200);
    Answer answer;
    QElapsedTimer clock;
    clock.start();
    desktop.openWithHandler(xdgMime.file(QStringLiteral("Zephane2000.HLP")), answer.receiver());
    QTRY_COMPARE_WITH_TIMEOUT(answer.count, 1, 10000);
    EXPECT_FALSE(answer.opened);
    EXPECT_LT(clock.elapsed(), 5000) << "the slow question was not given up";
}

TEST(QtDesktop, AMissingFileIsRefusedWithoutAskingTheDesktop)
{
    FakeXdgMime xdgMime("echo viewer.desktop");
    QtDesktop desktop;
    Answer answer;
    desktop.openWithHandler(xdgMime.log() + QStringLiteral(".missing.hlp"), answer.receiver());
    EXPECT_EQ(answer.count, 0) << "answered before the caller could go on";
    QTRY_COMPARE_WITH_TIMEOUT(answer.count, 1, 5000);
    EXPECT_FALSE(answer.opened);
    EXPECT_TRUE(xdgMime.questions().isEmpty());
}

} // namespace
