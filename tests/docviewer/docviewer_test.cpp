// The document viewer driven the way its openers drive it: captions, loading, the button row, closing,
// printing and failures, on the real window shown headless.
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "fakes/fakeprinter.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "support/testservices.h"
#include "viewers/doc/richtextdocument.h"
#include "viewers/documentopener.h"
#include "viewers/documentstate.h"

namespace {

const QString kPrefix = QStringLiteral("The Zephane Folarium     ");

class DocViewer : public ::testing::Test, protected TestServices {
protected:
    DocViewer() : host(state, printer), opener(state, files, reporter, host)
    {
        drives.letters[QLatin1Char('E')] = tree.path();
        tree.add(QStringLiteral("RichText/books.rtf"), "{\\rtf1 The book list\\par}");
        tree.add(QStringLiteral("richtext/wave.rtf"), "{\\rtf1 Hand signals}");
        host.setHooks({[this] { ++closeButtonSteps; },
                       [this](QDialog& d) {
                           ++modalShows;
                           d.show(); // the test plays the user while the window is up
                       }});
    }
    ~DocViewer() override
    {
        host.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    DocumentRequest books() const
    {
        return {QStringLiteral("E:\\RichText\\books.rtf"),
                kPrefix + QStringLiteral("Books"),
                DocumentRequest::Caption::ViaDocumentCaption,
                DocumentRequest::CloseWidth::Computed,
                errc::kLibraryBooks,
                true};
    }
    DocumentRequest wave() const
    {
        return {QStringLiteral("E:\\richtext\\WAVE.RTF"),
                kPrefix + QStringLiteral("Hand Signals and Other Greetings"),
                DocumentRequest::Caption::OnViewer,
                DocumentRequest::CloseWidth::Computed,
                errc::kLibraryArticles,
                true};
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static int viewerWindows()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += w->objectName() == QLatin1String("txtForm");
        return n;
    }

    DocumentState state;
    FakePrinter printer;
    DocumentViewerHost host;
    DocumentOpener opener;
    int closeButtonSteps = 0;
    int modalShows = 0;
};

} // namespace

TEST_F(DocViewer, OpeningShowsTheDocumentModallyWithTheButtonRowPrepared)
{
    state.documentCaption = QStringLiteral("left over");
    ASSERT_TRUE(opener.open(books()));
    DocumentWindow* form = host.form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(modalShows, 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(form->windowTitle(), kPrefix + QStringLiteral("Books"));
    EXPECT_EQ(state.documentCaption, kPrefix + QStringLiteral("Books"));
    EXPECT_EQ(richTextPlainText(*form->rtbText()->document()).trimmed(), QStringLiteral("The book list"));
    EXPECT_TRUE(messages.shown.empty());

    // the design row: close button stretched to 4 pixels short of the print button, sound buttons hidden
    EXPECT_EQ(form->rtbText()->geometry(), QRect(8, 8, 513, 401));
    EXPECT_EQ(form->cmdPrint()->geometry(), QRect(496, 416, 25, 25));
    EXPECT_EQ(form->SSCommand1()->width(), 484);
    EXPECT_EQ(form->SSCommand1()->geometry().right() + 1 + 4, form->cmdPrint()->x());
    EXPECT_FALSE(form->SSCommand2()->isVisible());
    EXPECT_FALSE(form->SSCommand3()->isVisible());
    EXPECT_TRUE(form->cmdPrint()->isVisible());
    EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("SSCommand1")), form->SSCommand1());

    // centred on the screen
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->x(), (screen.width() - form->width()) / 2);
    EXPECT_EQ(form->y(), (screen.height() - form->height()) / 2);
}

TEST_F(DocViewer, FixedCloseWidthEndsThreePixelsFurtherFromPrint)
{
    DocumentRequest r = books();
    r.closeWidth = DocumentRequest::CloseWidth::Fixed;
    ASSERT_TRUE(opener.open(r));
    EXPECT_EQ(host.form()->SSCommand1()->width(), 481);
    EXPECT_EQ(DocumentOpener::computedCloseWidth(DocumentWindow::kTextBox.width(),
                                                 DocumentWindow::kPrintButton.width()),
              484);
}

TEST_F(DocViewer, CaptionIsTakenOnceAtLoad)
{
    ASSERT_TRUE(opener.open(books()));
    state.documentCaption = QStringLiteral("changed while loaded");
    EXPECT_EQ(host.form()->windowTitle(), kPrefix + QStringLiteral("Books"));

    // a caption set on the viewer leaves DocumentCaption alone
    host.form()->SSCommand1()->click();
    settle();
    state.documentCaption = kPrefix + QStringLiteral("Books");
    ASSERT_TRUE(opener.open(wave()));
    EXPECT_EQ(host.form()->windowTitle(), kPrefix + QStringLiteral("Hand Signals and Other Greetings"));
    EXPECT_EQ(state.documentCaption, kPrefix + QStringLiteral("Books"));
}

TEST_F(DocViewer, CloseButtonUnloadsAndMovesTheFocusOn)
{
    DocumentRequest r = books();
    r.closeWidth = DocumentRequest::CloseWidth::Fixed;
    ASSERT_TRUE(opener.open(r));
    host.form()->SSCommand1()->click();
    EXPECT_FALSE(host.isLoaded());
    EXPECT_EQ(closeButtonSteps, 1);
    settle();
    EXPECT_EQ(viewerWindows(), 0);

    // the next opening starts from the design state
    host.load();
    EXPECT_EQ(host.form()->SSCommand1()->width(), 417);
    EXPECT_FALSE(host.form()->SSCommand2()->isHidden());
}

TEST_F(DocViewer, CloseBoxUnloadsWithoutTheFocusStep)
{
    ASSERT_TRUE(opener.open(books()));
    host.form()->close();
    EXPECT_FALSE(host.isLoaded());
    EXPECT_EQ(closeButtonSteps, 0);
    settle();
    EXPECT_EQ(viewerWindows(), 0);
    state.documentCaption = QStringLiteral("next");
    host.load();
    EXPECT_EQ(host.form()->windowTitle(), QStringLiteral("next")); // loaded anew, caption taken anew
}

TEST_F(DocViewer, UnloadingFromOutsideClosesAShownViewer)
{
    DocumentRequest r = books();
    r.modal = false; // the screen-saver help: shown without waiting
    ASSERT_TRUE(opener.open(r));
    EXPECT_EQ(modalShows, 0);
    ASSERT_TRUE(host.form()->isVisible());
    EXPECT_EQ(host.form()->windowModality(), Qt::NonModal);
    EXPECT_FALSE(richTextPlainText(*host.form()->rtbText()->document()).isEmpty());
    host.unload();
    EXPECT_FALSE(host.isLoaded());
    EXPECT_EQ(closeButtonSteps, 0);
    settle();
    EXPECT_EQ(viewerWindows(), 0);
}

TEST_F(DocViewer, ADocumentChosenWhileTheHelpIsShownOpensInAWindowOfItsOwn)
{
    // the screen-saver help: shown without waiting, filled after, under its own caption
    state.documentCaption = kPrefix + QStringLiteral("Screen Saver Help");
    host.hideSoundButtons();
    host.showModeless();
    ASSERT_TRUE(host.loadDocument(tree.file(QStringLiteral("richtext/wave.rtf"))));
    QPointer<DocumentWindow> help = host.form();
    ASSERT_TRUE(help && help->isVisible());

    ASSERT_TRUE(opener.open(books()));
    settle();
    EXPECT_TRUE(help.isNull()) << "the help's window was reused for the library document";
    ASSERT_NE(host.form(), nullptr);
    EXPECT_EQ(host.form()->windowTitle(), kPrefix + QStringLiteral("Books"));
    EXPECT_EQ(host.form()->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(modalShows, 1);
    EXPECT_EQ(richTextPlainText(*host.form()->rtbText()->document()).trimmed(),
              QStringLiteral("The book list"));
    EXPECT_EQ(viewerWindows(), 1);
    EXPECT_EQ(closeButtonSteps, 0);
}

TEST_F(DocViewer, MissingDocumentIsReportedWithTheOpenersCodeAndNotShown)
{
    DocumentRequest r = books();
    r.mediaPath = QStringLiteral("E:\\richtext\\glossary.rtf");
    r.errorCode = errc::kLibraryGlossary;
    r.caption = kPrefix + QStringLiteral("Zephane Glossary");
    EXPECT_FALSE(opener.open(r));
    EXPECT_EQ(errors.code, errc::kLibraryGlossary);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(modalShows, 0);
    EXPECT_FALSE(host.isLoaded());

    // the next document whose caption is set before loading shows its own caption, not the failed one's
    ASSERT_TRUE(opener.open(books()));
    EXPECT_EQ(host.form()->windowTitle(), kPrefix + QStringLiteral("Books"));

    // an unreadable file and a path that leaves the media root fail the same way
    host.form()->SSCommand1()->click();
    r.mediaPath = QStringLiteral("E:\\RichText\\..\\..\\etc\\passwd");
    r.errorCode = errc::kLibraryBooks;
    EXPECT_FALSE(opener.open(r));
    EXPECT_EQ(errors.code, errc::kLibraryBooks);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(DocViewer, PrintButtonPrintsTheWholeDocumentWithInchMargins)
{
    ASSERT_TRUE(opener.open(books()));
    host.form()->cmdPrint()->click();
    EXPECT_EQ(printer.jobsStarted, 1);
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(printer.jobName, QStringLiteral("books"));
    ASSERT_EQ(printer.renders.size(), 1u);
    EXPECT_EQ(printer.renders[0].to, richTextLength(*host.form()->rtbText()->document()));
    EXPECT_EQ(printer.renders[0].target.left, 1440 - 360);
    EXPECT_EQ(printer.renders[0].target.right, 12240 - 1440 - 360);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // the hourglass is gone again
    EXPECT_TRUE(host.isLoaded());                          // printing leaves the viewer open
}
