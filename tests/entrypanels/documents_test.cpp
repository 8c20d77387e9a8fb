#include <QAction>

#include "catalog/errorcodes.h"
#include "entrypanels/entrypanelsfixture.h"

using namespace catalogue;

namespace {
const QString kPrefix = QStringLiteral("The Zephane Folarium     ");
}

TEST_F(EntryPanels, DescriptionOfA2000sYearIsTheARuleFileCaptionedThroughDocumentCaption)
{
    addDocument("RichText/a0desc.rtf", "Two thousand");
    addDocument("richtext/53desc.rtf", "Fifty-three");
    choose("2000");
    click(Desc);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "Two thousand");
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "2000 Description");
    EXPECT_EQ(documentCaption(), kPrefix + "2000 Description");
    EXPECT_TRUE(session().documents.foundFile.endsWith("\\RichText\\a0desc.rtf"));
    EXPECT_TRUE(documentWindow()->SSCommand2()->isHidden());
    EXPECT_TRUE(documentWindow()->SSCommand3()->isHidden());
    EXPECT_EQ(documentWindow()->SSCommand1()->width(),
              documentWindow()->rtbText()->width() - documentWindow()->cmdPrint()->width() - 4);
    module().documentViewer().unload();

    // A 19xx year sets the caption on the viewer and leaves DocumentCaption as it was.
    choose("1953");
    click(Desc);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "Fifty-three");
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "1953 Description");
    EXPECT_EQ(documentCaption(), kPrefix + "2000 Description");
    EXPECT_TRUE(messages.shown.empty()) << messageTexts().join("|").toStdString();
}

TEST_F(EntryPanels, BeforeAnyEntryOnlyDescriptionActsAndOpensTheIntroduction)
{
    addDocument("richtext/intro.rtf", "Welcome");
    // The buttons may be disabled before an entry; the handlers themselves must do nothing either.
    // The buttons are disabled; their handlers must refuse by themselves too.
    for (ContentButton b : {Options, Stats, Colors, Nostalgia})
        controller().contentButtonClicked(b);
    session().commands.run(Command::FileNames);
    EXPECT_EQ(documentWindow(), nullptr);
    EXPECT_TRUE(messages.shown.empty()) << messageTexts().join("|").toStdString();
    EXPECT_TRUE(fileNameBox()->isHidden());

    click(Desc);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "Welcome");
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "Introduction");
    EXPECT_EQ(documentCaption(), kPrefix + "Introduction");
}

TEST_F(EntryPanels, CollectionsShareTheirDescriptionsUnderTheirOwnCaptions)
{
    addDocument("richtext/ptdesc.rtf", "Mako and friends");
    addDocument("richtext/musamer.rtf", "Hall");
    // The handler's rule, whether or not the entry offers the button.
    for (const char* entry : {"Prototypes ", "Race Cars "}) {
        choose(entry);
        controller().contentButtonClicked(Desc);
        ASSERT_NE(documentWindow(), nullptr) << entry << messageTexts().join("|").toStdString();
        EXPECT_EQ(documentText(), "Mako and friends");
        EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + entry);
        module().documentViewer().unload();
    }
    // The coin's caption goes through DocumentCaption, the viewer taking it as it loads.
    addDocument("richtext/zy002.rtf", "Coin");
    choose("Zephane Coin ");
    click(Desc);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "Coin");
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "Zephane Coin ");
    EXPECT_EQ(documentCaption(), kPrefix + "Zephane Coin ");
    module().documentViewer().unload();

    choose("Zephane Americana ");
    click(Desc);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "Zephane Americana Hall of Fame ");
}

TEST_F(EntryPanels, StatisticsOfAPhotoCollectionToggleThePhotoTextBox)
{
    addDocument("richtext/DPA.rtf", "About this prototype");
    choose("Prototypes ");
    ASSERT_TRUE(details()->isHidden());
    click(Stats);
    EXPECT_FALSE(details()->isHidden());
    EXPECT_EQ(details()->toPlainText().trimmed(), "About this prototype");
    const QRect ad = window()->contentButton(Ad)->geometry();
    EXPECT_EQ(details()->geometry(), QRect(ad.x() + ad.width() - 329 - 10, photoLabel()->y() + 8, 329, 106));
    EXPECT_EQ(documentCaption(), kPrefix + "Prototypes  Statistics");
    EXPECT_EQ(documentWindow(), nullptr);

    click(Stats); // the second click hides it
    EXPECT_TRUE(details()->isHidden());
    click(Stats);
    ASSERT_FALSE(details()->isHidden());
    press(details()->viewport()); // so does a click into it
    EXPECT_TRUE(details()->isHidden());
    EXPECT_TRUE(messages.shown.empty()) << messageTexts().join("|").toStdString();
}

TEST_F(EntryPanels, StatisticsOfAYearOpenTheViewerAndLeaveTheBoxHiddenButPlaced)
{
    addDocument("richtext/53stats.rtf", "Numbers");
    choose("1953");
    click(Stats);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "Numbers");
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "1953 Statistics");
    EXPECT_TRUE(details()->isHidden());
    EXPECT_EQ(details()->size(), QSize(329, 106));
}

TEST_F(EntryPanels, OptionsAndColorsGetTheFixedCloseButtonWidth)
{
    addDocument("RichText/53OPTS.rtf", "Options list");
    addDocument("RichText/53colors.rtf", "Colour list");
    choose("1953");
    click(Options);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "1953 Options");
    EXPECT_EQ(documentWindow()->SSCommand1()->width(), 481);
    module().documentViewer().unload();
    click(Colors);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "Colour list");
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "1953 Colors");
    EXPECT_EQ(documentWindow()->SSCommand1()->width(), 481);
    EXPECT_EQ(modalShows, 2);
}

TEST_F(EntryPanels, AMissingDocumentGivesExactlyItsCodedMessageAndNoViewer)
{
    choose("1953");
    const struct {
        ContentButton button;
        const QString& code;
    } cases[] = {{Desc, errc::kDescription},
                 {Stats, errc::kStatistics},
                 {Options, errc::kOptions},
                 {Colors, errc::kColors}};
    for (const auto& c : cases) {
        messages.shown.clear();
        click(c.button);
        ASSERT_EQ(messages.shown.size(), 1u) << qPrintable(c.code);
        EXPECT_EQ(messages.last().text, errors::compose(c.code)) << qPrintable(c.code);
        EXPECT_EQ(messages.last().title, errors::kTitle);
        EXPECT_EQ(session().errors.code, c.code);
        EXPECT_EQ(session().documents.foundFile, "");
        EXPECT_EQ(documentWindow(), nullptr);
        EXPECT_EQ(modalShows, 0);
    }
}

TEST_F(EntryPanels, ADocumentThatCannotBeReadIsReportedToo)
{
    tree.addFolder("richtext/53desc.rtf"); // a folder by the document's name is no document
    choose("1953");
    click(Desc);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kDescription));
    EXPECT_EQ(documentWindow(), nullptr);
}

TEST_F(EntryPanels, NostalgiaOpensItsYearOrSaysSorryWithoutAnErrorCode)
{
    addDocument("richtext/nostalgia56.rtf", "Back in fifty-six");
    choose("1956");
    session().errors.code = errc::kNoMediaDisc;
    const QString before = documentCaption();
    click(Nostalgia);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "Back in fifty-six");
    EXPECT_EQ(documentWindow()->windowTitle(), kPrefix + "Nostalgia 1956");
    EXPECT_EQ(documentCaption(), before);
    module().documentViewer().unload();

    choose("1957");
    click(Nostalgia);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text,
              "Sorry!\r\n\r\nNostalgia will be included in the final release of the Zephane "
              "Folarium 2000\r\n\r\nTry 1956 to preview this feature.\r\n");
    EXPECT_EQ(messages.last().icon, MessageIcon::Warning);
    EXPECT_EQ(messages.last().buttons, MessageButtons::Ok);
    EXPECT_EQ(session().errors.code, errc::kNoMediaDisc);
    EXPECT_EQ(documentWindow(), nullptr);
    EXPECT_TRUE(window()->isEnabled());
}

TEST_F(EntryPanels, TheFileNameMenuShowsThePhotoNameAndFollowsTheSteps)
{
    choose("1953");
    QAction* menu = menuItem("mnuNames");
    menu->trigger();
    EXPECT_EQ(menu->text(), "Hide File &Names");
    EXPECT_FALSE(fileNameBox()->isHidden());
    EXPECT_EQ(fileNameBox()->text().toUpper(), "53A.JPG");
    controller().StepPhotoForward();
    EXPECT_EQ(fileNameBox()->text().toUpper(), "53B.JPG");

    press(fileNameBox());
    EXPECT_TRUE(fileNameBox()->isHidden());
    EXPECT_EQ(menu->text(), "Show File &Names");
    menu->trigger();
    menu->trigger();
    EXPECT_TRUE(fileNameBox()->isHidden());
    EXPECT_FALSE(session().step.showFileNames);
}

TEST(EntryDocumentNames, PhotoFileNameIsThePartAfterTheZephanesFolder)
{
    EXPECT_EQ(EntryDocuments::photoFileName("E:\\zephanes\\53abc.jpg"), "53abc.jpg");
    EXPECT_EQ(EntryDocuments::photoFileName("/media/cd\\zephanes\\A0B.JPG"), "A0B.JPG");
    EXPECT_EQ(EntryDocuments::photoFileName("E:\\other\\53abc.jpg"), "");
}

TEST(EntryDocumentNames, CaptionsAndWhereTheyAreSet)
{
    using mediarules::DocKind;
    EXPECT_EQ(EntryDocuments::caption(DocKind::Statistics, "Pembry Cars "),
              kPrefix + "Pembry Cars  Features");
    EXPECT_EQ(EntryDocuments::caption(DocKind::Description, "Mirra Santore Art Print "),
              kPrefix + "Mirra Santore ");
    EXPECT_EQ(EntryDocuments::caption(DocKind::Options, "Brenmore C12 "), kPrefix + "Brenmore C12  Options");
    EXPECT_TRUE(EntryDocuments::captionViaDocumentCaption(DocKind::Description, "Zephane Coin "));
    EXPECT_FALSE(EntryDocuments::captionViaDocumentCaption(DocKind::Description, "Stroudley Cars "));
    EXPECT_FALSE(EntryDocuments::captionViaDocumentCaption(DocKind::Description, "1999"));
    EXPECT_TRUE(EntryDocuments::captionViaDocumentCaption(DocKind::Colors, "1999"));
}

TEST_F(EntryPanels, TheLookupKeepsTheNameAsFoundWhateverItsCase)
{
    addDocument("RICHTEXT/A0DESC.RTF", "Shouted");
    choose("2000");
    click(Desc);
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "Shouted");
    EXPECT_EQ(session().documents.foundFile, session().roots.mediaRoot + "\\RichText\\A0DESC.RTF");
}

// A refresh of the entry's pictures (the slide show asks for one when it hands back) closes the document
// viewer and the slide show without a question.
TEST_F(EntryPanels, RefreshClosesTheDocumentViewerAndTheSlideShowWithoutAQuestion)
{
    addDocument("richtext/53desc.rtf", "Fifty-three");
    int slideShowClosed = 0;
    session().hooks.closeSlideShow = [&] { ++slideShowClosed; };
    choose("1953");
    slideShowClosed = 0;
    click(Desc);
    ASSERT_NE(documentWindow(), nullptr);
    ASSERT_TRUE(session().hooks.refreshEntryPictures);
    session().hooks.refreshEntryPictures();
    EXPECT_EQ(documentWindow(), nullptr);
    EXPECT_EQ(slideShowClosed, 1);
    EXPECT_TRUE(messages.shown.empty()) << messageTexts().join("|").toStdString();
    EXPECT_TRUE(window()->isEnabled());
}
