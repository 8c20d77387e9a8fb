#pragma once

#include <map>

#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "catalog/errorreporter.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakeprinter.h"
#include "mainwin/advertisements.h"
#include "mainwin/entrydocuments.h"
#include "mainwin/entrypictures.h"
#include "mainwin/illustratedseries.h"
#include "mainwin/programfixture.h"
#include "mainwin/ui/entrypictureboxes.h"
#include "mainwin/ui/largepicturehost.h"
#include "mainwin/ui/largepicturewindow.h"
#include "mainwin/ui/seriespanel.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"

// The whole program on a small media tree, with a scripted clipboard and printer, and a document viewer that
// shows without waiting so that a test can read it after the click.
class EntryPanels : public ProgramFixture {
protected:
    void SetUp() override
    {
        addPhotos();
        // Every year has a photo, so that choosing one reports nothing by itself.
        for (int i = 1; i <= catalogue::kYearButtonCount; ++i) {
            const QString code = catalogue::entryCode(catalogue::yearForIndex(i));
            if (!QFileInfo::exists(tree.file("zephanes/" + code + "A.jpg")))
                addPhoto(tree, "zephanes/" + code + "A.jpg", i * 5);
        }
        startProgram();
        ASSERT_TRUE(started);
        fireSplashTimer();
        ASSERT_NE(window(), nullptr);
        module().documentViewer().setHooks({{}, [this](QDialog& d) {
                                                ++modalShows;
                                                d.show();
                                            }});
    }
    void TearDown() override
    {
        if (program && program->mainWindowModule())
            module().documentViewer().unload();
    }

    static QString rtf(const QString& text) { return "{\\rtf1\\ansi " + text + "\\par}"; }
    void addDocument(const QString& relative, const QString& text) const
    {
        tree.add(relative, rtf(text).toLatin1());
    }
    // A picture whose size tells which file was shown.
    void addPicture(const QString& relative, QSize size, QColor colour = Qt::darkRed) const
    {
        QImage img(size, QImage::Format_RGB32);
        img.fill(colour);
        img.save(tree.add(relative, QByteArray()), "JPG");
    }

    void choose(const QString& entry)
    {
        if (const int year = catalogue::indexForYear(entry)) {
            window()->yearButton(year)->click();
            return;
        }
        const catalogue::Collection* c = catalogue::findCollection(entry);
        ASSERT_NE(c, nullptr) << entry.toStdString();
        // As the menu item would: its command with its row.
        using M = catalogue::CollectionMenu;
        const std::map<M, Command> commands = {
            {M::Specialty, Command::Specialty},   {M::Art, Command::Art},
            {M::ZephStuff, Command::ZephStuff},   {M::Museums, Command::Museum},
            {M::Miscellany, Command::Miscellany}, {M::TopTen, Command::TopTen}};
        ASSERT_TRUE(commands.count(c->menu)) << "no menu for " << entry.toStdString();
        ASSERT_TRUE(session().commands.run(commands.at(c->menu), c->menuIndex));
        ASSERT_EQ(panYear(), entry);
    }
    void click(catalogue::ContentButton b) { window()->contentButton(b)->click(); }

    DocumentWindow* documentWindow() const { return module().documentViewer().form(); }
    QString documentText() const
    {
        return documentWindow() ? documentWindow()->rtbText()->toPlainText().trimmed() : QString();
    }
    QString documentCaption() const { return session().documents.documentCaption; }
    QTextBrowser* details() const { return window()->findChild<QTextBrowser*>(QStringLiteral("rtbDetails")); }
    QLineEdit* fileNameBox() const { return window()->findChild<QLineEdit*>(QStringLiteral("txtFile")); }
    QLabel* box(catalogue::PicturePanel p) const { return module().pictureBoxes().box(p); }
    LargePictureWindow* largeViewer() const { return module().largePictures().viewer(); }
    QStringList messageTexts() const
    {
        QStringList t;
        for (const MessageRequest& r : messages.shown)
            t << r.text;
        return t;
    }

    int modalShows = 0;
};
