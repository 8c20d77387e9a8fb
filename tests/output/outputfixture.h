#pragma once

#include <vector>

#include <QDir>

#include <gtest/gtest.h>

#include "fakes/fakedrives.h"
#include "fakes/fakefilesystem.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprocesses.h"
#include "output/copypanelview.h"
#include "output/mediacopy.h"
#include "session/session.h"
#include "support/mediatree.h"

// Records what the copy controller shows on its panel.
struct FakeCopyPanel final : ICopyPanelView {
    void prepare(const QString& t, const QString& c) override
    {
        title = t;
        copyCaption = c;
    }
    void setPanelVisible(bool v) override { visible = v; }
    void setButtonsEnabled(bool e) override { buttonsEnabled = e; }
    void focusCancel() override { cancelFocused = true; }
    void setFileText(const QString& p) override { fileText = p; }
    void setFileBar(int p) override { fileBars.push_back(p); }
    void setOverallBar(int p) override { overallBars.push_back(p); }

    QString title, copyCaption, fileText;
    bool visible = false, buttonsEnabled = false, cancelFocused = false;
    std::vector<int> fileBars, overallBars;
};

// A disc, a program folder and a screen-saver folder on the disk, a session over them and a copy controller
// driving a recorded panel.
struct OutputFixture : ::testing::Test {
    MediaTree disc;
    MediaTree program;
    MediaTree saver;
    FakeDrives drives;
    FakeMessages messages;
    FakeProcesses processes;
    FakeFileSystem fs{saver.path()};
    Session session{messages, processes, drives, program.path()};
    FakeCopyPanel panel;
    MediaCopy copy{session, fs, messages};
    int served = 0;
    bool mainEnabled = true;

    OutputFixture()
    {
        session.roots.mediaRoot = disc.path();
        session.roots.photoRoot = disc.path();
        copy.setView(&panel);
        copy.setHooks({{}, [this] { ++served; }});
        session.hooks.setMainWindowEnabled = [this](bool e) { mainEnabled = e; };
    }

    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : messages.shown)
            out << m.text;
        return out;
    }
    bool shown(const QString& text) const { return texts().contains(text); }
    static QByteArray bytes(int n, char seed = 'a')
    {
        QByteArray b(n, Qt::Uninitialized);
        for (int i = 0; i < n; ++i)
            b[i] = char(seed + i % 23);
        return b;
    }
    QStringList filesIn(const QString& dir) const
    {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};
