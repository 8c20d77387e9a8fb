#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "fakes/fakemainframe.h"
#include "fakes/fakeports.h"
#include "session/session.h"
#include "support/testservices.h"
#include "viewers/documentopener.h"

// Records what the library asks of the document viewer; a load fails for a file that is not there.
class RecordingViewer final : public IDocumentViewer {
public:
    explicit RecordingViewer(DocumentState& state) : m_state(state) {}

    void load() override
    {
        if (!loaded) {
            loaded = true;
            caption = m_state.documentCaption; // the viewer takes its caption when it loads
        }
    }
    bool isLoaded() const override { return loaded; }
    bool loadDocument(const QString& realPath) override
    {
        load();
        document = realPath;
        return QFileInfo(realPath).isFile();
    }
    void setCaption(const QString& c) override { caption = c; }
    void hideSoundButtons() override { soundButtonsHidden = true; }
    int textBoxWidth() const override { return 600; }
    int printButtonWidth() const override { return 100; }
    void setCloseButtonWidth(int px) override { closeWidth = px; }
    void showModal() override { ++modalShows; }
    void showModeless() override { ++modelessShows; }
    void unload() override
    {
        loaded = false;
        caption.clear();
    }

    bool loaded = false;
    QString caption;
    QString document;
    bool soundButtonsHidden = false;
    int closeWidth = -1;
    int modalShows = 0;
    int modelessShows = 0;

private:
    DocumentState& m_state;
};

// A session on a throw-away media tree with every port faked.
struct LibraryFixture : ::testing::Test, TestServices, FakeDevices {
    Ports ports = portsWith(processes, messages, drives);
    std::unique_ptr<Session> session;
    FakeMainFrame frame;

    LibraryFixture()
    {
        tree.addFolder(QStringLiteral("media"));
        tree.addFolder(QStringLiteral("program"));
        session = std::make_unique<Session>(ports, tree.file(QStringLiteral("program")));
        session->roots.mediaRoot = tree.file(QStringLiteral("media"));
    }
    // A file under the media root, by its slash path ("wav/taxi.wav").
    QString media(const QString& relative, const QByteArray& bytes = "x") const
    {
        return tree.add(QStringLiteral("media/") + relative, bytes);
    }
    QString program(const QString& relative, const QByteArray& bytes = "x") const
    {
        return tree.add(QStringLiteral("program/") + relative, bytes);
    }
};
